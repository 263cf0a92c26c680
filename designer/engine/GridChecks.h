#pragma once

#include <span>
#include <vector>

#include "common/GridModel.h"

// The validity tests of a grid: walls side by side, open cells cut off from the rest,
// slots too long for the dictionary or shorter than the answers asked. The check before writing and
// `wright grid --check` report what they find; the automatic placement asks after every
// step only whether the new walls keep a sound grid sound.
namespace crossword {

struct MasPosition {
  int x = 0;  // column
  int y = 0;  // row

  bool operator==(const MasPosition&) const = default;
};

// Two walls next to each other: `second` lies right of or below `first`.
struct BarPair {
  MasPosition first;
  MasPosition second;

  bool operator==(const BarPair&) const = default;
};

// Every pair of walls side by side, the pairs within rows first, then within columns.
std::vector<BarPair> FindBarPairs(const CrossMasMarks& marks);
bool FindBarPair(const CrossMasMarks& marks);

// The open cells outside the largest region of open cells (of equal ones, the region of
// the first open cell), in row order.
std::vector<MasPosition> FindCutOffCells(const CrossMasMarks& marks);
bool FindIsolated(const CrossMasMarks& marks);

// The slots longer than AnswerLenMax, across slots row by row first, then down slots
// column by column.
std::vector<CrossWordSlot> FindLongSlots(const CrossMasMarks& marks);
// The slots shorter than `shortestAnswer`, in the same order.
std::vector<CrossWordSlot> FindShortSlots(const CrossMasMarks& marks, int shortestAnswer);
bool FindShortSlot(const CrossMasMarks& marks, int shortestAnswer);

// Whether walls just put at `walls` keep a grid as sound as it was before them, when it had
// no walls side by side, no cut-off cell and no slot shorter than `shortestAnswer`. Looks
// only around the new walls, so that a placement step costs little on a large grid.
bool NewWallsKeepGridSound(const CrossMasMarks& marks, std::span<const MasPosition> walls,
                           int shortestAnswer);

// Whether some rectangle of the grid at least `side` cells wide and high, and of at least
// `cells` cells, holds no wall.
bool FindOpenBlock(const CrossMasMarks& marks, int side, int cells);

}  // namespace crossword
