#include "designer/engine/GridChecks.h"

#include <algorithm>

#include "common/WordSlots.h"

namespace crossword {

namespace {

// The open region of every cell: 0 for walls, 1, 2, ... for the regions of 4-connected open
// cells in the row order of their first cells.
MasArray<int> NumberRegions(const CrossMasMarks& marks) {
  MasArray<int> region(marks.MasMaxX(), marks.MasMaxY(), 0);
  int regions = 0;
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      if (IsWall(marks(x, y)) || region(x, y) != 0) continue;
      ++regions;
      // An explicit stack: a grid of open cells would nest a recursive fill once per cell.
      std::vector<MasPosition> pending{{x, y}};
      while (!pending.empty()) {
        const auto [px, py] = pending.back();
        pending.pop_back();
        if (!marks.Contains(px, py) || IsWall(marks(px, py)) || region(px, py) != 0) continue;
        region(px, py) = regions;
        pending.insert(pending.end(), {{px, py - 1}, {px - 1, py}, {px, py + 1}, {px + 1, py}});
      }
    }
  }
  return region;
}

// The region with the most cells; of equal ones the first.
int LargestRegion(const MasArray<int>& region, const CrossMasMarks& marks) {
  std::vector<int> cells(1, 0);
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      if (region(x, y) >= static_cast<int>(cells.size())) cells.resize(region(x, y) + 1, 0);
      ++cells[region(x, y)];
    }
  }
  cells[0] = 0;  // walls
  return static_cast<int>(std::max_element(cells.begin(), cells.end()) - cells.begin());
}

// The slots whose length passes `wanted`, across slots row by row, then down slots column
// by column.
template <typename Wanted>
std::vector<CrossWordSlot> FindSlotsWhere(const CrossMasMarks& marks, Wanted wanted) {
  const WordPositions positions = MarkWordPos(marks);
  const int width = marks.MasMaxX();
  const int height = marks.MasMaxY();
  std::vector<CrossWordSlot> slots;
  // A slot ends at a cell whose position is followed by a 0 or the edge.
  for (int y = 1; y <= height; ++y) {
    for (int x = 1; x <= width; ++x) {
      const int length = positions.WordPosH(x, y);
      const bool ends = x == width || positions.WordPosH(x + 1, y) == 0;
      if (length > 0 && ends && wanted(length)) {
        slots.push_back({FlagAcross, x - length + 1, y, length});
      }
    }
  }
  for (int x = 1; x <= width; ++x) {
    for (int y = 1; y <= height; ++y) {
      const int length = positions.WordPosV(x, y);
      const bool ends = y == height || positions.WordPosV(x, y + 1) == 0;
      if (length > 0 && ends && wanted(length)) {
        slots.push_back({FlagDown, x, y - length + 1, length});
      }
    }
  }
  return slots;
}

constexpr MasPosition kSteps[] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};

MasPosition Beside(MasPosition cell, MasPosition step) {
  return {cell.x + step.x, cell.y + step.y};
}

bool IsOpenAt(const CrossMasMarks& marks, MasPosition cell) {
  return marks.Contains(cell.x, cell.y) && !IsWall(marks(cell.x, cell.y));
}

bool IsWallAt(const CrossMasMarks& marks, MasPosition cell) {
  return marks.Contains(cell.x, cell.y) && IsWall(marks(cell.x, cell.y));
}

bool TouchesWall(const CrossMasMarks& marks, MasPosition wall) {
  return std::ranges::any_of(kSteps,
                             [&](MasPosition step) { return IsWallAt(marks, Beside(wall, step)); });
}

// The slots a wall bounds are the runs of open cells beside it, one in each direction.
bool BoundsShortSlot(const CrossMasMarks& marks, MasPosition wall, int shortestAnswer) {
  return std::ranges::any_of(kSteps, [&](MasPosition step) {
    int run = 0;
    for (MasPosition cell = Beside(wall, step); IsOpenAt(marks, cell); cell = Beside(cell, step)) {
      ++run;
    }
    return run >= AnswerLenMin && run < shortestAnswer;
  });
}

// Whether two open cells are joined by open cells. Searches from both at once, a cell at a
// time each, so that a cut costs no more than its smaller side.
bool Joined(const CrossMasMarks& marks, MasPosition from, MasPosition to) {
  if (from == to) return true;
  MasArray<char> side(marks.MasMaxX(), marks.MasMaxY(), 0);
  std::vector<MasPosition> queues[2] = {{from}, {to}};
  std::size_t heads[2] = {0, 0};
  side(from.x, from.y) = 1;
  side(to.x, to.y) = 2;
  for (;;) {
    for (int s = 0; s < 2; ++s) {
      if (heads[s] == queues[s].size()) return false;
      const MasPosition cell = queues[s][heads[s]++];
      for (const MasPosition step : kSteps) {
        const MasPosition next = Beside(cell, step);
        if (!IsOpenAt(marks, next)) continue;
        char& mark = side(next.x, next.y);
        if (mark == 0) {
          mark = static_cast<char>(s + 1);
          queues[s].push_back(next);
        } else if (mark != s + 1) {
          return true;
        }
      }
    }
  }
}

// On a grid whose open cells were one region and no walls touch, new walls keep it one
// region exactly when the open cells around each of them still reach each other: a path of
// the old grid crosses each new wall between two of its open neighbours.
bool KeepsOneRegion(const CrossMasMarks& marks, MasPosition wall) {
  std::vector<MasPosition> around;
  for (const MasPosition step : kSteps) {
    if (IsOpenAt(marks, Beside(wall, step))) around.push_back(Beside(wall, step));
  }
  return std::ranges::all_of(around,
                             [&](MasPosition cell) { return Joined(marks, around.front(), cell); });
}

}  // namespace

bool NewWallsKeepGridSound(const CrossMasMarks& marks, std::span<const MasPosition> walls,
                           int shortestAnswer) {
  return std::ranges::none_of(walls,
                              [&](MasPosition wall) {
                                return TouchesWall(marks, wall) ||
                                       BoundsShortSlot(marks, wall, shortestAnswer);
                              }) &&
         std::ranges::all_of(walls, [&](MasPosition wall) { return KeepsOneRegion(marks, wall); });
}

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

// Marking the cells outside the first open cell's region would turn the whole grid red when
// that cell is itself the one cut off; the largest region is the grid, the others the islands.
std::vector<MasPosition> FindCutOffCells(const CrossMasMarks& marks) {
  const MasArray<int> region = NumberRegions(marks);
  const int largest = LargestRegion(region, marks);
  std::vector<MasPosition> cells;
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      if (region(x, y) != 0 && region(x, y) != largest) cells.push_back({x, y});
    }
  }
  return cells;
}

// A grid of walls only has no open cell, so none is cut off: it answers false.
bool FindIsolated(const CrossMasMarks& marks) {
  const MasArray<int> region = NumberRegions(marks);
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      if (region(x, y) > 1) return true;
    }
  }
  return false;
}

std::vector<CrossWordSlot> FindLongSlots(const CrossMasMarks& marks) {
  return FindSlotsWhere(marks, [](int length) { return length > AnswerLenMax; });
}

std::vector<CrossWordSlot> FindShortSlots(const CrossMasMarks& marks, int shortestAnswer) {
  return FindSlotsWhere(marks, [shortestAnswer](int length) { return length < shortestAnswer; });
}

bool FindShortSlot(const CrossMasMarks& marks, int shortestAnswer) {
  return !FindShortSlots(marks, shortestAnswer).empty();
}

// Row by row, the open cells above and at each cell; each run of columns then makes a
// block as high as its lowest column.
bool FindOpenBlock(const CrossMasMarks& marks, int side, int cells) {
  std::vector<int> openAbove(marks.MasMaxX() + 1, 0);
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) {
      openAbove[x] = IsWall(marks(x, y)) ? 0 : openAbove[x] + 1;
    }
    for (int left = 1; left <= marks.MasMaxX(); ++left) {
      int height = openAbove[left];
      for (int right = left; right <= marks.MasMaxX() && height >= side; ++right) {
        height = std::min(height, openAbove[right]);
        const int width = right - left + 1;
        if (width >= side && height >= side && width * height >= cells) return true;
      }
    }
  }
  return false;
}

}  // namespace crossword
