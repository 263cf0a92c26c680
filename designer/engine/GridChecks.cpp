#include "designer/engine/GridChecks.h"

#include <optional>

#include "common/WordSlots.h"

namespace crossword {

namespace {

// The first open cell in row order, if any.
std::optional<MasPosition> FirstOpenCell(const CrossMasMarks& marks) {
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      if (!IsWall(marks(x, y))) return MasPosition{x, y};
    }
  }
  return std::nullopt;
}

}  // namespace

std::vector<BarPair> FindBarPairs(const CrossMasMarks& marks) {
  std::vector<BarPair> pairs;
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x < marks.MasMaxX(); ++x) {
      if (IsWall(marks(x, y)) && IsWall(marks(x + 1, y))) pairs.push_back({{x, y}, {x + 1, y}});
    }
  }
  for (int x = 1; x <= marks.MasMaxX(); ++x) {
    for (int y = 1; y < marks.MasMaxY(); ++y) {
      if (IsWall(marks(x, y)) && IsWall(marks(x, y + 1))) pairs.push_back({{x, y}, {x, y + 1}});
    }
  }
  return pairs;
}

bool FindBarPair(const CrossMasMarks& marks) {
  return !FindBarPairs(marks).empty();
}

MasArray<int> FloodReach(const CrossMasMarks& marks) {
  MasArray<int> FlagReach(marks.MasMaxX(), marks.MasMaxY(), 0);
  const auto start = FirstOpenCell(marks);
  if (!start) return FlagReach;
  // An explicit stack: a grid of open cells would nest a recursive fill once per cell.
  std::vector<MasPosition> pending{*start};
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    if (!marks.Contains(x, y) || IsWall(marks(x, y)) || FlagReach(x, y) == 1) continue;
    FlagReach(x, y) = 1;
    pending.insert(pending.end(), {{x, y - 1}, {x - 1, y}, {x, y + 1}, {x + 1, y}});
  }
  return FlagReach;
}

std::vector<MasPosition> FindCutOffCells(const CrossMasMarks& marks) {
  const MasArray<int> FlagReach = FloodReach(marks);
  std::vector<MasPosition> cells;
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      if (!IsWall(marks(x, y)) && FlagReach(x, y) == 0) cells.push_back({x, y});
    }
  }
  return cells;
}

// A grid of walls only has no open cell, so none is cut off: it answers false.
bool FindIsolated(const CrossMasMarks& marks) {
  return !FindCutOffCells(marks).empty();
}

std::vector<CrossWordSlot> FindLongSlots(const CrossMasMarks& marks) {
  const WordPositions positions = MarkWordPos(marks);
  const int width = marks.MasMaxX();
  const int height = marks.MasMaxY();
  std::vector<CrossWordSlot> slots;
  // A slot ends at a cell whose position is followed by a 0 or the edge.
  for (int y = 1; y <= height; ++y) {
    for (int x = 1; x <= width; ++x) {
      const int length = positions.WordPosH(x, y);
      const bool ends = x == width || positions.WordPosH(x + 1, y) == 0;
      if (length > AnswerLenMax && ends) slots.push_back({FlagAcross, x - length + 1, y, length});
    }
  }
  for (int x = 1; x <= width; ++x) {
    for (int y = 1; y <= height; ++y) {
      const int length = positions.WordPosV(x, y);
      const bool ends = y == height || positions.WordPosV(x, y + 1) == 0;
      if (length > AnswerLenMax && ends) slots.push_back({FlagDown, x, y - length + 1, length});
    }
  }
  return slots;
}

}  // namespace crossword
