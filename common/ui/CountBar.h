#pragma once

#include <QScrollBar>

// A small vertical bar that sets a count. Clicked or reached by Tab, it takes the arrow
// keys and Page Up/Down, and the wheel always; a scroll bar's own look shows no focus, so
// the bar draws a frame of its own while it has it.
namespace crossword::ui {

class CountBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit CountBar(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace crossword::ui
