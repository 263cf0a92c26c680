#pragma once

#include <QRect>

// Both programs' main form: 774 x 592 pixels, the wizard's pages stacked on one another
// and right-aligned, the help and end labels on a line below them.
namespace crossword::ui {

constexpr int FormWidth = 774;
constexpr int FormHeight = 592;

constexpr int PageTop = 80;
constexpr int PageHeight = 450;
constexpr int PageRightMargin = 45;
constexpr int CornerLabelTop = PageTop + PageHeight + 18;

// A page of the given width, right-aligned.
inline QRect PageGeometry(int pageWidth) {
  return {FormWidth - pageWidth - PageRightMargin, PageTop, pageWidth, PageHeight};
}

}  // namespace crossword::ui
