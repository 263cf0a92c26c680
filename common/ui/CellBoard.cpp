#include "common/ui/CellBoard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace crossword::ui {

CellBoard::CellBoard(QWidget* parent) : QWidget(parent) {
  setFixedSize(sizeHint());
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CellBoard::SetCellSize(int width, int height) {
  cellWidth_ = width;
  cellHeight_ = height;
  setFixedSize(sizeHint());
  update();
}

void CellBoard::SetGridSize(int MasMaxX, int MasMaxY) {
  width_ = MasMaxX;
  height_ = MasMaxY;
  cells_.assign(static_cast<size_t>(MasMaxX) * MasMaxY, CellLook());
  viewX_ = viewY_ = 1;
  cursor_ = {1, 1};
  update();
}

void CellBoard::SetCell(int x, int y, const CellLook& look) {
  cells_[static_cast<size_t>(y - 1) * width_ + (x - 1)] = look;
  update();
}

const CellLook& CellBoard::Cell(int x, int y) const {
  return cells_[static_cast<size_t>(y - 1) * width_ + (x - 1)];
}

void CellBoard::SetViewOrigin(int viewX, int viewY) {
  viewX_ = viewX;
  viewY_ = viewY;
  update();
}

QSize CellBoard::sizeHint() const {
  return {StageViewColumns * cellWidth_ + 1, StageViewRows * cellHeight_ + 1};
}

QPoint CellBoard::BoardOrigin() const {
  // Centred along an axis the grid fits; scrolled to the view origin along one it does not.
  const int left = width_ <= StageViewColumns ? (StageViewColumns - width_) * cellWidth_ / 2
                                              : -(viewX_ - 1) * cellWidth_;
  const int top = height_ <= StageViewRows ? (StageViewRows - height_) * cellHeight_ / 2
                                           : -(viewY_ - 1) * cellHeight_;
  return {left, top};
}

QPoint CellBoard::CellAt(QPoint position) const {
  const QPoint inBoard = position - BoardOrigin();
  if (inBoard.x() < 0 || inBoard.y() < 0) return {0, 0};
  const int x = inBoard.x() / cellWidth_ + 1;
  const int y = inBoard.y() / cellHeight_ + 1;
  if (x > width_ || y > height_) return {0, 0};
  return {x, y};
}

QRect CellBoard::CellRect(int x, int y) const {
  const QPoint origin = BoardOrigin();
  return {origin.x() + (x - 1) * cellWidth_, origin.y() + (y - 1) * cellHeight_, cellWidth_,
          cellHeight_};
}

// Only the cells in sight are visited: a 99 x 99 grid shows no more than a 11 x 10 one.
void CellBoard::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QFont font = painter.font();
  font.setPixelSize(cellHeight_ * 3 / 5);
  painter.setFont(font);
  const int firstX = width_ <= StageViewColumns ? 1 : viewX_;
  const int firstY = height_ <= StageViewRows ? 1 : viewY_;
  const int lastX = std::min(width_, firstX + StageViewColumns - 1);
  const int lastY = std::min(height_, firstY + StageViewRows - 1);
  for (int y = firstY; y <= lastY; ++y) {
    for (int x = firstX; x <= lastX; ++x) {
      const QRect rect = CellRect(x, y);
      const CellLook& look = Cell(x, y);
      painter.fillRect(rect, look.wall ? Qt::black : Qt::white);
      if (look.marked) painter.fillRect(rect.adjusted(2, 2, -2, -2), QColor(255, 120, 120));
      painter.setPen(QColor(90, 90, 90));
      painter.drawRect(rect);
      if (!look.wall && !look.text.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(rect, Qt::AlignCenter, look.text);
      }
    }
  }
  if (!hasFocus() || width_ == 0) return;
  painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(CellRect(cursor_.x(), cursor_.y()).adjusted(2, 2, -2, -2));
}

void CellBoard::mousePressEvent(QMouseEvent* event) {
  const QPoint cell = CellAt(event->position().toPoint());
  if (cell.x() == 0) return;
  cursor_ = cell;
  update();
  emit CellClicked(cell.x(), cell.y());
}

void CellBoard::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      return MoveCursor(cursor_.x() - 1, cursor_.y());
    case Qt::Key_Right:
      return MoveCursor(cursor_.x() + 1, cursor_.y());
    case Qt::Key_Up:
      return MoveCursor(cursor_.x(), cursor_.y() - 1);
    case Qt::Key_Down:
      return MoveCursor(cursor_.x(), cursor_.y() + 1);
    case Qt::Key_Space:
      if (width_ > 0) emit CellClicked(cursor_.x(), cursor_.y());
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

// The cursor stops at the grid's edges.
void CellBoard::MoveCursor(int x, int y) {
  if (x < 1 || y < 1 || x > width_ || y > height_) return;
  cursor_ = {x, y};
  update();
  emit CursorMoved(x, y);
}

}  // namespace crossword::ui
