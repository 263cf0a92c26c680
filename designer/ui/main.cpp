#include <QApplication>
#include <QScreen>

#include "common/LargePageHeap.h"
#include "common/ProgramFolders.h"
#include "common/ui/WindowIcon.h"
#include "designer/ui/frmEdit.h"

// Gridwright takes no arguments: its default dictionary lies in the program folder or,
// installed, in the package's shared one.
int main(int argc, char* argv[]) {
  crossword::UseLargePagesForHeap();
  QApplication app(argc, argv);
  crossword::ui::InstallJapaneseQtTexts(app);
  crossword::ui::SetWindowIconFromResources();
  QApplication::setFont(QFont("IPAPGothic", 10));
  crossword::ui::frmEdit form(crossword::ThisProgramFolders());
  form.move(form.screen()->availableGeometry().center() - form.rect().center());
  form.show();
  if (!form.Form_Load()) return 0;
  return app.exec();
}
