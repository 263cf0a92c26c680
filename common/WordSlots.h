#pragma once

#include <array>
#include <vector>

#include "common/GridModel.h"

// Finding, counting and numbering the word slots of a grid.
namespace crossword {

// Slot statistics of a grid. A slot longer than AnswerLenMax counts in QuesNmbMax and
// WordLenMax only.
struct WordStatistics {
  int QuesNmbMax = 0;                              // number of slots
  int WordLenMax = 0;                              // longest slot
  std::array<int, AnswerLenMax + 1> WordLenNmb{};  // slots of each length 2..12
};

// Each open cell's position inside its across (WordPosH) and down (WordPosV) slot,
// 1..length, and 0 for walls and for cells that are no part of a slot in that direction.
struct WordPositions {
  MasArray<int> WordPosH;
  MasArray<int> WordPosV;
};

WordStatistics CountWords(const CrossMasMarks& marks);
WordPositions MarkWordPos(const CrossMasMarks& marks);

// The slots in slot order: longest first; within a length all across slots, ordered by
// their last cell row by row, then all down slots, ordered by their last cell column by
// column. Requires no slot longer than AnswerLenMax.
std::vector<CrossWordSlot> MakeCrossWord(WordPositions positions, int QuesNmbMax);

// MarkWordPos and MakeCrossWord together, as a grid is numbered before it is written.
std::vector<CrossWordSlot> NumberWordSlots(const CrossMasMarks& marks);

}  // namespace crossword
