#include "common/WordSlots.h"

#include <algorithm>

namespace crossword {

namespace {

// Run detection along one row or column: the counter at each cell is its position in its
// slot, 0 at walls and at lone open cells. `isWallAt(i)` for i = 1..length.
template <typename IsWallAt>
std::vector<int> RunPositions(int length, IsWallAt isWallAt) {
  std::vector<int> positions(length + 1, 0);
  int counter = 0;
  for (int i = 1; i <= length; ++i) {
    if (isWallAt(i)) {
      counter = 0;
    } else if (counter > 0 || (i < length && !isWallAt(i + 1))) {
      ++counter;
    }
    positions[i] = counter;
  }
  return positions;
}

std::vector<int> RowPositions(const CrossMasMarks& marks, int y) {
  return RunPositions(marks.MasMaxX(), [&](int x) { return IsWall(marks(x, y)); });
}

std::vector<int> ColumnPositions(const CrossMasMarks& marks, int x) {
  return RunPositions(marks.MasMaxY(), [&](int y) { return IsWall(marks(x, y)); });
}

// Adds the slots of one line: a slot ends where the counter is followed by a 0 or the end.
void CountLine(const std::vector<int>& positions, WordStatistics& statistics) {
  for (size_t i = 1; i < positions.size(); ++i) {
    const int length = positions[i];
    const bool ends = i + 1 == positions.size() || positions[i + 1] == 0;
    if (length == 0 || !ends) continue;
    ++statistics.QuesNmbMax;
    if (length <= AnswerLenMax) ++statistics.WordLenNmb[length];
    statistics.WordLenMax = std::max(statistics.WordLenMax, length);
  }
}

}  // namespace

int EmbedChrFlagOf(const CrossMasMarks& marks) {
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      if (IsEmbedded(marks(x, y))) return 1;
    }
  }
  return 0;
}

int CountWalls(const CrossMasMarks& marks) {
  int walls = 0;
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) walls += IsWall(marks(x, y)) ? 1 : 0;
  }
  return walls;
}

WordStatistics CountWords(const CrossMasMarks& marks) {
  WordStatistics statistics;
  for (int y = 1; y <= marks.MasMaxY(); ++y) CountLine(RowPositions(marks, y), statistics);
  for (int x = 1; x <= marks.MasMaxX(); ++x) CountLine(ColumnPositions(marks, x), statistics);
  return statistics;
}

WordPositions MarkWordPos(const CrossMasMarks& marks) {
  WordPositions result{MasArray<int>(marks.MasMaxX(), marks.MasMaxY()),
                       MasArray<int>(marks.MasMaxX(), marks.MasMaxY())};
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    const auto positions = RowPositions(marks, y);
    for (int x = 1; x <= marks.MasMaxX(); ++x) result.WordPosH(x, y) = positions[x];
  }
  for (int x = 1; x <= marks.MasMaxX(); ++x) {
    const auto positions = ColumnPositions(marks, x);
    for (int y = 1; y <= marks.MasMaxY(); ++y) result.WordPosV(x, y) = positions[y];
  }
  return result;
}

std::vector<CrossWordSlot> MakeCrossWord(WordPositions positions, int QuesNmbMax) {
  std::vector<CrossWordSlot> slots;
  slots.reserve(QuesNmbMax);
  auto& posH = positions.WordPosH;
  auto& posV = positions.WordPosV;
  // Longest first, clearing each numbered slot, so that the inner positions of a long
  // slot are never taken for the end of a shorter one.
  for (int length = AnswerLenMax; length >= AnswerLenMin; --length) {
    for (int y = 1; y <= posH.MasMaxY(); ++y) {
      for (int x = 1; x <= posH.MasMaxX(); ++x) {
        if (posH(x, y) != length) continue;
        slots.push_back({FlagAcross, x - length + 1, y, length});
        for (int i = 0; i < length; ++i) posH(x - i, y) = 0;
      }
    }
    for (int x = 1; x <= posV.MasMaxX(); ++x) {
      for (int y = 1; y <= posV.MasMaxY(); ++y) {
        if (posV(x, y) != length) continue;
        slots.push_back({FlagDown, x, y - length + 1, length});
        for (int i = 0; i < length; ++i) posV(x, y - i) = 0;
      }
    }
  }
  return slots;
}

std::vector<CrossWordSlot> NumberWordSlots(const CrossMasMarks& marks) {
  return MakeCrossWord(MarkWordPos(marks), CountWords(marks).QuesNmbMax);
}

}  // namespace crossword
