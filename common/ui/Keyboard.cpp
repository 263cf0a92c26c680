#include "common/ui/Keyboard.h"

#include <QPainter>
#include <QPushButton>

namespace crossword::ui {

void LetEnterPressButtons(QWidget& window) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) button->setAutoDefault(true);
}

void PaintFocusFrame(QWidget& widget) {
  if (!widget.hasFocus()) return;
  QPainter painter(&widget);
  painter.setPen(QPen(widget.palette().color(QPalette::Highlight), 2));
  painter.drawRect(widget.rect().adjusted(1, 1, -1, -1));
}

}  // namespace crossword::ui
