#include <QApplication>

#include "common/ProgramFolders.h"
#include "proofer/ui/ProofWindow.h"

// Proofwright opens the puzzle set given as its one argument; from the menu, without one,
// the set the program folder (installed, the user's data folder) wrote last.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  crossword::ui::InstallJapaneseQtTexts(app);
  QApplication::setFont(QFont("IPAPGothic", 10));
  crossword::ui::ProofWindow window(crossword::ThisProgramFolders().program);
  window.show();
  const QStringList arguments = QApplication::arguments();
  window.StartUp(arguments.size() > 1 ? arguments.at(1).toStdString() : std::string());
  return app.exec();
}
