#include "common/ui/CountBar.h"

#include "common/ui/Keyboard.h"

namespace crossword::ui {

CountBar::CountBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  setFocusPolicy(Qt::WheelFocus);
}

void CountBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  PaintFocusFrame(*this);
}

}  // namespace crossword::ui
