#include "common/StageViewModel.h"

#include <algorithm>

namespace crossword {

namespace {

constexpr int kScrollsAcross = 1;  // DispMode bit: the grid is wider than the view
constexpr int kScrollsDown = 2;    // DispMode bit: the grid is higher than the view
constexpr int kAcrossMargin = 5;   // lines kept in sight before a crossing row or column

int Moved(int view, int viewMax, int i) {
  switch (i) {
    case 1:
      return 1;
    case 2:
      return view >= 2 ? view - 1 : view;
    case 3:
      return view < viewMax ? view + 1 : view;
    case 4:
      return viewMax;
  }
  return view;
}

// Along the slot: its first cell in sight, and its whole length when the view allows.
int FollowAlong(int view, int viewMax, int span, int first, int last) {
  if (first < view) return first;
  const int lastVisible = view + span - 1;
  if (first > lastVisible || last > lastVisible) return std::min(first, viewMax);
  return view;
}

// Across the slot: its single row or column in sight, with a margin before it.
int FollowAcross(int view, int viewMax, int span, int line) {
  if (line < view) return std::max(line - kAcrossMargin, 1);
  if (line > view + span - 1) return std::min(line - kAcrossMargin, viewMax);
  return view;
}

}  // namespace

void StageViewModel::SetUp(int MasMaxX, int MasMaxY) {
  ViewMaxX = std::max(MasMaxX - (StageViewColumns - 1), 1);
  ViewMaxY = std::max(MasMaxY - (StageViewRows - 1), 1);
  ViewX = ViewY = 1;
  DispMode = (ViewMaxX > 1 ? kScrollsAcross : 0) | (ViewMaxY > 1 ? kScrollsDown : 0);
}

void StageViewModel::MoveStageViewH(int i) {
  ViewX = Moved(ViewX, ViewMaxX, i);
}

void StageViewModel::MoveStageViewV(int i) {
  ViewY = Moved(ViewY, ViewMaxY, i);
}

bool StageViewModel::ScrollsAcross() const {
  return (DispMode & kScrollsAcross) != 0;
}

bool StageViewModel::ScrollsDown() const {
  return (DispMode & kScrollsDown) != 0;
}

void StageViewModel::ScrollToSlot(const CrossWordSlot& slot) {
  const bool across = slot.FlagHorV == FlagAcross;
  const int lastX = slot.CellX(slot.AnswerLen);
  const int lastY = slot.CellY(slot.AnswerLen);
  if (ScrollsAcross()) {
    ViewX = across ? FollowAlong(ViewX, ViewMaxX, StageViewColumns, slot.x, lastX)
                   : FollowAcross(ViewX, ViewMaxX, StageViewColumns, slot.x);
  }
  if (ScrollsDown()) {
    ViewY = across ? FollowAcross(ViewY, ViewMaxY, StageViewRows, slot.y)
                   : FollowAlong(ViewY, ViewMaxY, StageViewRows, slot.y, lastY);
  }
}

}  // namespace crossword
