#include "common/ui/ClickLabel.h"

#include <QMouseEvent>

namespace crossword::ui {

ClickLabel::ClickLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setCursor(Qt::PointingHandCursor);
}

void ClickLabel::LookLikeLink() {
  setStyleSheet("color: #0030a0; text-decoration: underline;");
  adjustSize();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}

}  // namespace crossword::ui
