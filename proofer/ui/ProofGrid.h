#pragma once

#include <QWidget>

#include "puzzle/PuzzleFile.h"

// One stage's grid as the author reads it: the whole grid, each cell with the question
// numbers starting there, the answers shown or hidden, the chosen question's slot marked.
// A click or the arrow keys move the cursor; a cell chooses the slot it lies in, across
// first, and a second click on it (or Space) the other direction.
namespace crossword::ui {

class ProofGrid : public QWidget {
  Q_OBJECT

 public:
  explicit ProofGrid(QWidget* parent = nullptr);

  // The stage to show; it must outlive its showing. The cursor goes to its first cell.
  void ShowStage(const PuzzleStage* stage);
  void SetAnswersShown(bool shown);
  bool AnswersShown() const { return answersShown_; }
  // Marks the slot of the question `number` and moves the cursor to its first cell.
  void MarkQuestion(int number);
  int MarkedQuestion() const { return marked_; }
  QPoint Cursor() const { return cursor_; }

  QSize sizeHint() const override;

 signals:
  // The author chose the slot of this question in the grid.
  void QuestionChosen(int number);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int CellSize() const;
  QPoint Origin() const;
  QPoint CellAt(QPoint position) const;
  bool IsOpen(int x, int y) const;
  // The question of the slot through (x, y) in the direction wanted, else in the other.
  int QuestionThrough(int x, int y, int wantedHorV) const;
  void ChooseAt(QPoint cell, bool toggle);
  void PaintCell(QPainter& painter, int x, int y, const QRect& rect) const;
  void PaintMark(QPainter& painter, int x, int y, const QRect& rect) const;

  const PuzzleStage* stage_ = nullptr;
  bool answersShown_ = true;
  int marked_ = 0;               // question whose slot is marked, 0 for none
  int markedHorV_ = FlagAcross;  // its direction
  QPoint cursor_{1, 1};          // the cell the keyboard is on
};

}  // namespace crossword::ui
