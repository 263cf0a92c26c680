#pragma once

#include <string>

#include "puzzle/PuzzleFile.h"

// A stage drawn for a terminal: the grid in ASCII boxes with question numbers (and with
// the answers on request), then the clues wrapped to the terminal's width.
namespace crossword {

std::string RenderStage(const PuzzleSet& set, int stageNumber, bool withSolution, int columns);

// Terminal columns a text takes: East Asian wide and full-width letters take two.
int DisplayWidth(std::u32string_view text);

}  // namespace crossword
