#include <iostream>

#include "common/LargePageHeap.h"
#include "tools/wright/Command.h"

int main(int argc, char** argv) {
  crossword::UseLargePagesForHeap();
  CLI::App app{
      "wright: the crossword suite's engines without a window.\n"
      "Design grids, fill them with dictionary words and look at the puzzles made.\n"
      "Run 'wright COMMAND --help' for the options of each command."};
  app.require_subcommand(1);
  // The manual's EXIT STATUS is made from this text.
  app.footer(
      "Exit status:\n"
      "  0        success, or the help or version asked for\n"
      "  1        the command failed or was stopped; a message on stderr says why\n"
      "  100-127  the command line is wrong (an unknown command or option, a value missing\n"
      "           or out of range); the message names it");
  app.set_help_all_flag("--help-all", "Show the help of every command");
  app.set_version_flag("--version", WRIGHT_VERSION);
  crossword::wright::AddGridCommand(app);
  crossword::wright::AddFillCommand(app);
  crossword::wright::AddShowCommand(app);
  crossword::wright::AddExportCommand(app);
  crossword::wright::AddDictCommand(app);
  crossword::wright::AddCluesCommand(app);
  crossword::wright::AddSwapCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return app.exit(error);
  } catch (const std::exception& error) {
    std::cerr << "wright: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
