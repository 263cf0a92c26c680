#include <QApplication>

#include "generator/ui/GeneratorWindow.h"

// Cluewright takes no arguments: its default grid settings file lies in the program's own
// folder.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  crossword::ui::InstallJapaneseQtTexts(app);
  QApplication::setFont(QFont("IPAPGothic", 10));
  crossword::ui::GeneratorWindow window(QCoreApplication::applicationDirPath().toStdString());
  QObject::connect(&window, &crossword::ui::GeneratorWindow::ProgramEnded, &app,
                   [] { QCoreApplication::exit(0); });
  window.show();
  if (!window.StartUp()) return 0;
  return app.exec();
}
