#pragma once

#include <QLabel>

// A label that acts on a click, as the end, help and view-moving labels of the form do.
namespace crossword::ui {

class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ClickLabel(const QString& caption, QWidget* parent = nullptr);

  // Blue and underlined, so that a label that acts on a click reads as one; like a link,
  // it is in the Tab order, shows its focus and acts on Enter or Space.
  void LookLikeLink();

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace crossword::ui
