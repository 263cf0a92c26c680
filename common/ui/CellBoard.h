#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "common/StageViewModel.h"

// The grid view both windows show: a window of at most 11 columns by 10 rows of cells.
// A smaller grid is centred in it; a larger one shows the part from the view origin on.
// The board paints the cells itself rather than holding a widget per cell. A board that
// takes keyboard focus has a cell cursor: the arrow keys move it and Space acts as a click
// on its cell; it is painted only while the board has focus.
namespace crossword::ui {

struct CellLook {
  bool wall = false;    // painted black
  QString text;         // a letter, "？", or nothing
  bool marked = false;  // singled out, e.g. cut off from the other open cells
};

class CellBoard : public QWidget {
  Q_OBJECT

 public:
  explicit CellBoard(QWidget* parent = nullptr);

  void SetCellSize(int width, int height);  // Width1Cell, Height1Cell
  void SetGridSize(int MasMaxX, int MasMaxY);
  void SetCell(int x, int y, const CellLook& look);
  const CellLook& Cell(int x, int y) const;
  // The first visible column and row of a grid larger than the window.
  void SetViewOrigin(int viewX, int viewY);
  int ViewX() const { return viewX_; }
  int ViewY() const { return viewY_; }
  int MasMaxX() const { return width_; }
  int MasMaxY() const { return height_; }
  QPoint CursorCell() const { return cursor_; }

  // The cell under a point of the widget, or {0, 0} when there is none.
  QPoint CellAt(QPoint position) const;
  QSize sizeHint() const override;

 signals:
  void CellClicked(int x, int y);
  // The cell cursor moved to (x, y), which may lie outside the visible part.
  void CursorMoved(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPoint BoardOrigin() const;  // where cell (1, 1) is painted
  QRect CellRect(int x, int y) const;
  void MoveCursor(int x, int y);

  int width_ = 0;
  int height_ = 0;
  int cellWidth_ = 30;
  int cellHeight_ = 30;
  int viewX_ = 1;
  int viewY_ = 1;
  std::vector<CellLook> cells_;  // row by row
  QPoint cursor_{1, 1};          // the keyboard's cell
};

}  // namespace crossword::ui
