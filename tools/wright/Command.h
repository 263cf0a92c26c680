#pragma once

#include <CLI/CLI.hpp>

#include "dictionary/QuestionSelection.h"

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
void AddKeywordCommand(CLI::App& app);

// The index file of the dictionary DicPath + DicFileName, read with the rank that
// `sizePattern` suggests preselected; its problems are printed as warnings. Throws when
// the dictionary has no index file.
void LoadQuestionSelection(QuestionSelection& selection, const std::string& DicPath,
                           const std::string& DicFileName, int sizePattern);

}  // namespace crossword::wright
