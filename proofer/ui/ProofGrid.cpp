#include "proofer/ui/ProofGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "puzzle/KeywordChoice.h"
#include "puzzle/KeywordMarks.h"

namespace crossword::ui {

namespace {

constexpr int kMaxCell = 34;     // cell size of a small grid
constexpr int kBoardSize = 440;  // a larger grid shrinks its cells to fit

const PuzzleHint* HintNumbered(const PuzzleStage& stage, int number) {
  for (const auto* hints : {&stage.Across, &stage.Down}) {
    for (const PuzzleHint& hint : *hints) {
      if (hint.Number == number) return &hint;
    }
  }
  return nullptr;
}

int OtherDirection(int FlagHorV) {
  return FlagHorV == FlagAcross ? FlagDown : FlagAcross;
}

bool SlotHolds(const CrossWordSlot& slot, int x, int y) {
  for (int i = 1; i <= slot.AnswerLen; ++i) {
    if (slot.CellX(i) == x && slot.CellY(i) == y) return true;
  }
  return false;
}

}  // namespace

ProofGrid::ProofGrid(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setFixedSize(sizeHint());
}

QSize ProofGrid::sizeHint() const {
  return {kBoardSize + 1, kBoardSize + 1};
}

void ProofGrid::ShowStage(const PuzzleStage* stage) {
  stage_ = stage;
  marked_ = 0;
  cursor_ = {1, 1};
  update();
}

void ProofGrid::SetAnswersShown(bool shown) {
  answersShown_ = shown;
  update();
}

void ProofGrid::MarkQuestion(int number) {
  const PuzzleHint* hint = stage_ ? HintNumbered(*stage_, number) : nullptr;
  marked_ = hint ? number : 0;
  if (hint) {
    markedHorV_ = hint->Slot.FlagHorV;
    if (!SlotHolds(hint->Slot, cursor_.x(), cursor_.y())) {
      cursor_ = {hint->Slot.CellX(1), hint->Slot.CellY(1)};
    }
  }
  update();
}

int ProofGrid::CellSize() const {
  if (!stage_) return kMaxCell;
  return std::min(kMaxCell, kBoardSize / std::max(stage_->MasMaxX(), stage_->MasMaxY()));
}

QPoint ProofGrid::Origin() const {
  if (!stage_) return {0, 0};
  const int size = CellSize();
  return {(kBoardSize - size * stage_->MasMaxX()) / 2, (kBoardSize - size * stage_->MasMaxY()) / 2};
}

QPoint ProofGrid::CellAt(QPoint position) const {
  if (!stage_) return {0, 0};
  const QPoint inBoard = position - Origin();
  if (inBoard.x() < 0 || inBoard.y() < 0) return {0, 0};
  const int x = inBoard.x() / CellSize() + 1, y = inBoard.y() / CellSize() + 1;
  if (x > stage_->MasMaxX() || y > stage_->MasMaxY()) return {0, 0};
  return {x, y};
}

bool ProofGrid::IsOpen(int x, int y) const {
  return stage_->CellKinds(x, y) != KindWall;
}

int ProofGrid::QuestionThrough(int x, int y, int wantedHorV) const {
  for (int horV : {wantedHorV, OtherDirection(wantedHorV)}) {
    for (const auto* hints : {&stage_->Across, &stage_->Down}) {
      for (const PuzzleHint& hint : *hints) {
        if (hint.Slot.FlagHorV == horV && SlotHolds(hint.Slot, x, y)) return hint.Number;
      }
    }
  }
  return 0;
}

void ProofGrid::ChooseAt(QPoint cell, bool toggle) {
  if (!stage_ || cell.x() == 0 || !IsOpen(cell.x(), cell.y())) return;
  const bool sameCell = cell == cursor_;
  cursor_ = cell;
  const int horV = toggle && sameCell && marked_ != 0 ? OtherDirection(markedHorV_) : markedHorV_;
  const int number = QuestionThrough(cell.x(), cell.y(), horV);
  if (number == 0) return;
  MarkQuestion(number);
  emit QuestionChosen(number);
}

void ProofGrid::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  ChooseAt(CellAt(event->position().toPoint()), true);
}

void ProofGrid::keyPressEvent(QKeyEvent* event) {
  if (!stage_) return QWidget::keyPressEvent(event);
  QPoint step;
  switch (event->key()) {
    case Qt::Key_Left:
      step = {-1, 0};
      break;
    case Qt::Key_Right:
      step = {1, 0};
      break;
    case Qt::Key_Up:
      step = {0, -1};
      break;
    case Qt::Key_Down:
      step = {0, 1};
      break;
    case Qt::Key_Space:
      return ChooseAt(cursor_, true);
    default:
      return QWidget::keyPressEvent(event);
  }
  // Walls are stepped over to the next open cell in that direction.
  for (QPoint cell = cursor_ + step; cell.x() >= 1 && cell.y() >= 1 &&
                                     cell.x() <= stage_->MasMaxX() && cell.y() <= stage_->MasMaxY();
       cell += step) {
    if (IsOpen(cell.x(), cell.y())) {
      markedHorV_ = step.x() != 0 ? FlagAcross : FlagDown;
      return ChooseAt(cell, false);
    }
  }
}

void ProofGrid::PaintCell(QPainter& painter, int x, int y, const QRect& rect) const {
  if (!IsOpen(x, y)) {
    painter.fillRect(rect, Qt::black);
    return;
  }
  const PuzzleHint* marked = marked_ ? HintNumbered(*stage_, marked_) : nullptr;
  QColor fill = Qt::white;
  if (marked && SlotHolds(marked->Slot, x, y)) fill = QColor(255, 236, 150);
  if (QPoint(x, y) == cursor_ && hasFocus()) fill = QColor(255, 190, 90);
  painter.fillRect(rect, fill);
  const int numberH = stage_->QuesNmbH(x, y), numberV = stage_->QuesNmbV(x, y);
  if (numberH != 0 || numberV != 0) {
    QFont font = painter.font();
    font.setPixelSize(std::max(CellSize() / 4, 7));
    painter.setFont(font);
    const QString label = QString::fromStdString(QuestionLabel(*stage_, x, y));
    painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, label);
  }
  PaintMark(painter, x, y, rect);
  if (answersShown_) {
    QFont font = painter.font();
    font.setPixelSize(CellSize() * 11 / 20);
    painter.setFont(font);
    const char32_t letter = stage_->Answers(x, y);
    painter.drawText(rect.adjusted(0, CellSize() / 6, 0, 0), Qt::AlignCenter,
                     QString::fromUcs4(&letter, 1));
  }
}

// A cell of the prize keyword: a double frame and its label in the corner.
void ProofGrid::PaintMark(QPainter& painter, int x, int y, const QRect& rect) const {
  const int mark = MarkAt(*stage_, x, y);
  if (mark < 0) return;
  const int gap = std::max(CellSize() / 12, 2);
  painter.drawRect(rect.adjusted(gap, gap, -gap, -gap));
  painter.drawRect(rect.adjusted(2 * gap, 2 * gap, -2 * gap, -2 * gap));
  QFont font = painter.font();
  font.setPixelSize(std::max(CellSize() / 4, 7));
  painter.setFont(font);
  const char32_t label = MarkLabel(mark);
  painter.drawText(rect.adjusted(0, 0, -2 * gap, -gap), Qt::AlignRight | Qt::AlignBottom,
                   QString::fromUcs4(&label, 1));
}

void ProofGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  if (!stage_) return;
  const QPoint origin = Origin();
  const int size = CellSize();
  for (int y = 1; y <= stage_->MasMaxY(); ++y) {
    for (int x = 1; x <= stage_->MasMaxX(); ++x) {
      const QRect rect(origin.x() + (x - 1) * size, origin.y() + (y - 1) * size, size, size);
      PaintCell(painter, x, y, rect);
      painter.setPen(QColor(90, 90, 90));
      painter.drawRect(rect);
      painter.setPen(Qt::black);
    }
  }
}

}  // namespace crossword::ui
