#pragma once

#include <QPoint>
#include <QRect>

#include "common/StageViewModel.h"
#include "common/ui/FormGeometry.h"

// Where the form's parts stand, in pixels of the 774 x 592 window.
namespace crossword::ui {

constexpr int PageWidth = 340;

// One cell of the grid view (the template cell's size) and the top left corner of the
// view's free area, left of the pages.
constexpr int Width1Cell = 30;
constexpr int Height1Cell = 30;
constexpr int GridViewLeft = 40;
constexpr int GridViewTop = 98;

constexpr int MoveLabelSize = 30;

inline QRect PageGeometry() {
  return PageGeometry(PageWidth);
}

inline QPoint GridViewOrigin() {
  return {GridViewLeft, GridViewTop};
}

// The move labels stand centred below the grid view (across) and left of it (down).
inline QRect MoveLabelGeometryH(int kind) {
  const int left = GridViewLeft + (StageViewColumns * Width1Cell - 4 * MoveLabelSize) / 2;
  return {left + (kind - 1) * MoveLabelSize, GridViewTop + StageViewRows * Height1Cell + 6,
          MoveLabelSize, MoveLabelSize};
}

inline QRect MoveLabelGeometryV(int kind) {
  const int top = GridViewTop + (StageViewRows * Height1Cell - 4 * MoveLabelSize) / 2;
  return {GridViewLeft - MoveLabelSize - 4, top + (kind - 1) * MoveLabelSize, MoveLabelSize,
          MoveLabelSize};
}

inline QRect TitleGeometry() {
  return {24, 20, 420, 44};
}

inline QRect HelpLabelGeometry() {
  return {FormWidth - PageRightMargin - 140, CornerLabelTop, 60, 24};
}

inline QRect EndLabelGeometry() {
  return {FormWidth - PageRightMargin - 60, CornerLabelTop, 60, 24};
}

}  // namespace crossword::ui
