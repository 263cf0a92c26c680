#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "common/GridModel.h"
#include "common/StageViewModel.h"
#include "common/WordSlots.h"

// The grid the author edits: its cells, its counts, the part the board shows and the size
// page 2 chose for it.
namespace crossword {

constexpr int MasSizeSmallMin = 5;    // page 2 replaces a narrower or lower grid
constexpr int MasCellsWarnMax = 400;  // page 2 warns about more cells

// Size patterns of DrawMasSize (optMasSizePattern).
constexpr int MasSizePatternCustom = 5;

// A size typed for the custom pattern that makes no grid.
class MasSizeError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

struct EditedGrid {
  CrossMasMarks CrossMas;      // DispWChr of every cell: a wall or an open cell
  WordStatistics WordCount;    // QuesNmbMax, WordLenMax and WordLenNmb at the last count
  StageViewModel View;         // the part of the grid the board window shows
  int NowBarNmb = 0;           // the wall count shown
  bool StageFromFile = false;  // the grid is a stage read from a file and not yet counted
  int MasSizePattern = 2;      // page 2: size pattern 1..5
  std::array<std::string, 2> MasSizeCustom{"9", "9"};  // page 2: typed width and height

  int MasMaxX() const { return CrossMas.MasMaxX(); }
  int MasMaxY() const { return CrossMas.MasMaxY(); }
};

}  // namespace crossword
