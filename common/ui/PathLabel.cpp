#include "common/ui/PathLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace crossword::ui {

PathLabel::PathLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QSize PathLabel::minimumSizeHint() const {
  return {0, QLabel::minimumSizeHint().height()};
}

bool PathLabel::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QLabel::event(event);
  QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
  return true;
}

void PathLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  const QRect area = contentsRect();
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                   fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
}

}  // namespace crossword::ui
