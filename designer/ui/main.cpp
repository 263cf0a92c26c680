#include <QApplication>
#include <QScreen>

#include "designer/ui/frmEdit.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  crossword::ui::frmEdit form;
  form.move(form.screen()->availableGeometry().center() - form.rect().center());
  form.show();
  return app.exec();
}
