#pragma once

#include <QLabel>

// A label for a folder or file name that may be longer than the page is wide: it keeps
// the whole text, paints it shortened in the middle (so that both ends stay in sight)
// and shows the whole of it as a tool tip.
namespace crossword::ui {

class PathLabel : public QLabel {
  Q_OBJECT

 public:
  explicit PathLabel(const QString& caption, QWidget* parent = nullptr);

  QSize minimumSizeHint() const override;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace crossword::ui
