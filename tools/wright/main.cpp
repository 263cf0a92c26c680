#include <iostream>

#include "common/LargePageHeap.h"
#include "tools/wright/Command.h"
#include "tools/wright/ExitStatus.h"

using crossword::wright::CommandEnded;
using crossword::wright::ExitStatus;
using crossword::wright::ExitStatusHelp;

int main(int argc, char** argv) {
  crossword::UseLargePagesForHeap();
  CLI::App app{
      "wright: the crossword suite's engines without a window.\n"
      "Design grids, fill them with dictionary words and look at the puzzles made.\n"
      "Run 'wright COMMAND --help' for the options of each command."};
  app.require_subcommand(1);
  app.set_help_all_flag("--help-all", "Show the help of every command");
  app.set_version_flag("--version", WRIGHT_VERSION);
  crossword::wright::AddGridCommand(app);
  crossword::wright::AddFillCommand(app);
  crossword::wright::AddShowCommand(app);
  crossword::wright::AddExportCommand(app);
  crossword::wright::AddDictCommand(app);
  crossword::wright::AddCluesCommand(app);
  crossword::wright::AddSwapCommand(app);
  crossword::wright::AddKeywordCommand(app);
  app.footer(ExitStatusHelp());  // the manual's EXIT STATUS is made from it
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == 0) return app.exit(error);  // --help, --version
    std::cerr << "wright: " << error.what() << "\nwright: 'wright --help' lists the commands, "
              << "'wright COMMAND --help' their options\n";
    return static_cast<int>(ExitStatus::Usage);
  } catch (const CommandEnded& ended) {
    std::cerr << "wright: " << ended.what() << '\n';
    return static_cast<int>(ended.Status());
  } catch (const std::exception& error) {
    std::cerr << "wright: " << error.what() << '\n';
    return static_cast<int>(ExitStatus::Failed);
  }
  return static_cast<int>(ExitStatus::Success);
}
