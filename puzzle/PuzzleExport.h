#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "puzzle/PuzzleFile.h"

// A puzzle set in the open formats of other crossword software and of the browser.
namespace crossword {

// One ipuz (JSON) document for a stage; `title` names the set.
std::string StageToIpuz(const PuzzleSet& set, int stageNumber, const std::string& title);

// Writes one ipuz file per stage into the folder, named "<base>-<stage>.ipuz"; returns
// the files written.
std::vector<std::filesystem::path> ExportIpuz(const PuzzleSet& set, const std::string& base,
                                              const std::filesystem::path& folder);

// A self-contained page that prints every stage on its own A4 sheet, the solutions at the
// end, and plays in the browser.
std::string PuzzleSetToHtml(const PuzzleSet& set, const std::string& title);

}  // namespace crossword
