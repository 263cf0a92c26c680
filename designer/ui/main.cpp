#include <QApplication>
#include <QScreen>

#include "designer/ui/frmEdit.h"

// Gridwright takes no arguments: its default dictionary lies in the program's own folder.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  crossword::ui::InstallJapaneseQtTexts(app);
  QApplication::setFont(QFont("IPAPGothic", 10));
  crossword::ui::frmEdit form(QCoreApplication::applicationDirPath().toStdString());
  form.move(form.screen()->availableGeometry().center() - form.rect().center());
  form.show();
  if (!form.Form_Load()) return 0;
  return app.exec();
}
