#include "common/ui/ClickLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "common/ui/Keyboard.h"

namespace crossword::ui {

ClickLabel::ClickLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setCursor(Qt::PointingHandCursor);
}

void ClickLabel::LookLikeLink() {
  setStyleSheet("color: #0030a0; text-decoration: underline;");
  setFocusPolicy(Qt::StrongFocus);
  setMargin(3);  // room for the focus frame around the caption
  adjustSize();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      emit clicked();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

void ClickLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  PaintFocusFrame(*this);
}

}  // namespace crossword::ui
