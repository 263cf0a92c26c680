#pragma once

#include <filesystem>
#include <string>

#include "puzzle/PuzzleFile.h"

// The prize keywords of a puzzle set. The puzzle file holds only what its player reads, so
// the marks live beside it, in "<base>.kwd": UTF-8 text, one line per stage that has a
// keyword, its fields separated by tabs:
//
//   wright-keywords 1
//   # stage, keyword, then column,row of the cell marked Ａ, Ｂ, … in the keyword's order
//   3	ハナミ	2,1	5,4	1,7
//
// Lines beginning with "#" and empty lines are skipped.
namespace crossword {

std::filesystem::path KeywordMarksPath(const std::filesystem::path& set);

// The letter of the keyword whose mark a cell holds (from 0); -1 for an unmarked cell.
int MarkAt(const PuzzleStage& stage, int x, int y);

// Why the marks do not spell the keyword in the stage (a cell outside the grid, a wall, a
// cell marked twice, another letter); empty when they do.
std::string KeywordMismatch(const PuzzleStage& stage, const StageKeyword& keyword);

// Puts the marks of the file beside the set into its stages; without a file, none. A
// FileError names the line of a mark that is malformed or that the stage's letters no
// longer spell, as after an answer was replaced. The marks of stage `remarking`, about to be
// made again, are left out unchecked.
void ReadKeywordMarks(PuzzleSet& set, const std::filesystem::path& setPath, int remarking = 0);

// The set and its marks, as every view and export of it shows them.
PuzzleSet ReadPuzzleSetWithMarks(const std::filesystem::path& setPath);

// Writes the marks of every stage (from stage 1) beside the set, replacing the file in one
// step; removes the file when no stage has a keyword.
void WriteKeywordMarks(const std::vector<std::optional<StageKeyword>>& keywords,
                       const std::filesystem::path& setPath);
void WriteKeywordMarks(const PuzzleSet& set, const std::filesystem::path& setPath);

}  // namespace crossword
