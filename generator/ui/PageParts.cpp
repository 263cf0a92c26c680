#include "generator/ui/PageParts.h"

namespace crossword::ui {

QString ControlName(const QString& name, int index) {
  return index == 0 ? name : QString("%1(%2)").arg(name).arg(index);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QString& name) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QLabel* MakeValueLabel(QWidget* parent, const QString& name, const QString& text) {
  QLabel* label = MakeLabel(parent, text, name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMargin(2);
  label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const QString& name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  return button;
}

QScrollBar* MakeScrollBar(QWidget* parent, Qt::Orientation orientation, const QString& name,
                          int minimum, int maximum, int largeStep) {
  auto* bar = new QScrollBar(orientation, parent);
  bar->setObjectName(name);
  bar->setRange(minimum, maximum);
  bar->setSingleStep(1);
  bar->setPageStep(largeStep);
  return bar;
}

QFrame* MakeGroupFrame(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  return frame;
}

}  // namespace crossword::ui
