#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/GridModel.h"
#include "puzzle/PuzzleFile.h"

// Where a prize keyword can stand in a filled grid: one cell per letter, in the keyword's
// order. A good choice takes every cell from other answers than the rest (so no two cells
// touch at a side), lets no two touch even at a corner, does not lie in one row or one
// column, and is spread over the grid.
namespace crossword {

constexpr int KeywordLengthMin = 2;
constexpr int KeywordLengthMax = 10;

// The keyword as the grid holds its letters: hiragana as katakana, small kana full-size.
// Throws std::invalid_argument for a keyword too short or long, or holding a blank.
std::u32string KeywordLetters(std::u32string_view typed);

// The letter that marks the cell of the keyword's letter `index` (from 0): Ａ, Ｂ, …
char32_t MarkLabel(int index);

struct KeywordChoice {
  std::vector<MasPoint> Cells;  // one per letter
  int Closest = 0;              // the fewest steps between two of its cells
  int Lines = 0;                // rows and columns it touches
  int Distances = 0;            // the steps between every two of its cells, added up

  // Whether this choice is spread better than `other`.
  bool Beats(const KeywordChoice& other) const;
};

// The letters of `keyword` the grid holds too few of, each as often as it lacks: empty
// when the grid can spell the keyword.
std::u32string MissingLetters(const CrossMasMarks& grid, std::u32string_view keyword);

// The good choices, best first, at most `most` of them; empty when none keeps the rules.
std::vector<KeywordChoice> ChooseKeywordCells(const CrossMasMarks& grid,
                                              std::u32string_view keyword, int most);

}  // namespace crossword
