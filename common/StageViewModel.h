#pragma once

#include "common/GridModel.h"

// Which part of a stage the board window shows: at most 11 columns and 10 rows from
// (ViewX, ViewY). A larger grid scrolls by the move labels and, while it is filled, to
// the slot being tried. Both programs' views keep their position here.
namespace crossword {

constexpr int StageViewColumns = 11;  // columns the view shows
constexpr int StageViewRows = 10;     // rows the view shows

struct StageViewModel {
  int ViewMaxX = 1;  // the last column the view may start at
  int ViewMaxY = 1;  // the last row the view may start at
  int ViewX = 1;     // the first visible column
  int ViewY = 1;     // the first visible row
  int DispMode = 0;  // 0 the grid fits, 1 only too wide, 2 only too high, 3 both

  // A newly loaded stage: its bounds, shown from its top left corner.
  void SetUp(int MasMaxX, int MasMaxY);
  // Move label i: 1 first, 2 previous, 3 next, 4 last.
  void MoveStageViewH(int i);
  void MoveStageViewV(int i);
  // Brings a slot into sight along the axes the grid overflows.
  void ScrollToSlot(const CrossWordSlot& slot);
  bool ScrollsAcross() const;
  bool ScrollsDown() const;

  bool operator==(const StageViewModel&) const = default;
};

}  // namespace crossword
