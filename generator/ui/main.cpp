#include <QApplication>

#include "common/LargePageHeap.h"
#include "common/ProgramFolders.h"
#include "common/ui/WindowIcon.h"
#include "generator/ui/GeneratorWindow.h"

// Cluewright takes no arguments: its default grid settings file lies in the program folder
// (installed, the user's data folder).
int main(int argc, char** argv) {
  crossword::UseLargePagesForHeap();
  QApplication app(argc, argv);
  crossword::ui::InstallJapaneseQtTexts(app);
  crossword::ui::SetWindowIconFromResources();
  QApplication::setFont(QFont("IPAPGothic", 10));
  crossword::ui::GeneratorWindow window(crossword::ThisProgramFolders().program);
  QObject::connect(&window, &crossword::ui::GeneratorWindow::ProgramEnded, &app,
                   [] { QCoreApplication::exit(0); });
  window.show();
  if (!window.StartUp()) return 0;
  return app.exec();
}
