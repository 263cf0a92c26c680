#include "common/ui/WindowIcon.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

namespace crossword::ui {

void SetWindowIconFromResources() {
  QIcon icon;
  QDirIterator sizes(":/window-icon", QDir::Files, QDirIterator::Subdirectories);
  while (sizes.hasNext()) icon.addFile(sizes.next());
  QApplication::setWindowIcon(icon);
}

}  // namespace crossword::ui
