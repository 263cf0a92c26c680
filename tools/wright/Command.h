#pragma once

#include <CLI/CLI.hpp>

// Each subcommand of wright adds itself to the application and runs when chosen; a
// failure throws, and main turns it into a message on stderr and exit code 1.
namespace crossword::wright {

void AddGridCommand(CLI::App& app);
void AddShowCommand(CLI::App& app);
void AddExportCommand(CLI::App& app);
void AddFillCommand(CLI::App& app);
void AddDictCommand(CLI::App& app);
void AddCluesCommand(CLI::App& app);
void AddSwapCommand(CLI::App& app);

}  // namespace crossword::wright
