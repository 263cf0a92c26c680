#include "generator/ui/StageView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "generator/ui/PageParts.h"

namespace crossword::ui {

namespace {

constexpr std::array<const char*, 5> kMoveHCaptions = {"", "≪", "＜", "＞", "≫"};
constexpr std::array<const char*, 5> kMoveVCaptions = {"", "▲", "△", "▽", "▼"};

ClickLabel* MakeMoveLabel(QWidget* parent, const char* caption, const QString& name) {
  auto* label = new ClickLabel(caption, parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  label->setFixedSize(StageView::Width1Cell, StageView::Height1Cell);
  label->setFrameStyle(QFrame::Panel | QFrame::Raised);
  return label;
}

}  // namespace

StageView::StageView(QWidget* parent) : QFrame(parent) {
  setObjectName("picQues");
  picCrossBase = new CellBoard(this);
  picCrossBase->setObjectName("picCrossBase");
  picCrossBase->SetCellSize(Width1Cell, Height1Cell);
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  cmdDispOnOff = MakeButton(this, "マス文字表示", "cmdDispOnOff");
  connect(cmdDispOnOff, &QPushButton::clicked, this, [this] { cmdDispOnOff_Click(); });
  MakeMoveLabels();
}

void StageView::MakeMoveLabels() {
  auto* across = new QHBoxLayout;
  auto* down = new QVBoxLayout;
  across->addStretch();
  down->addStretch();
  for (int i = 1; i <= 4; ++i) {
    lblCrossStageMoveH[i] =
        MakeMoveLabel(this, kMoveHCaptions[i], ControlName("lblCrossStageMoveH", i));
    connect(lblCrossStageMoveH[i], &ClickLabel::clicked, this, [this, i] {
      position_.MoveStageViewH(i);
      ShowViewPosition();
    });
    across->addWidget(lblCrossStageMoveH[i]);
    lblCrossStageMoveV[i] =
        MakeMoveLabel(this, kMoveVCaptions[i], ControlName("lblCrossStageMoveV", i));
    connect(lblCrossStageMoveV[i], &ClickLabel::clicked, this, [this, i] {
      position_.MoveStageViewV(i);
      ShowViewPosition();
    });
    down->addWidget(lblCrossStageMoveV[i]);
  }
  across->addStretch();
  down->addStretch();

  auto* grid = new QGridLayout(this);
  grid->addLayout(across, 0, 0);
  grid->addWidget(picCrossBase, 1, 0);
  grid->addLayout(down, 1, 1);
  grid->addWidget(cmdDispOnOff, 2, 0, Qt::AlignRight);
}

void StageView::BuildGridView(const CrossMasMarks& marks) {
  cmdDispOnOff->setEnabled(false);
  picCrossBase->SetGridSize(marks.MasMaxX(), marks.MasMaxY());
  position_.SetUp(marks.MasMaxX(), marks.MasMaxY());
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) ShowCell(x, y, marks(x, y), true);
  }
  marks_ = marks;
  cmdDispOnOff->setEnabled(true);
}

void StageView::ShowGrid(const CrossMasMarks& marks) {
  marks_ = marks;
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    for (int x = 1; x <= marks.MasMaxX(); ++x) ShowCell(x, y, marks(x, y), DispChrOn_ == 1);
  }
}

void StageView::ShowCandidate(const CrossWordSlot& slot, std::u32string_view Yst) {
  position_.ScrollToSlot(slot);
  ShowViewPosition();
  for (int i = 1; i <= slot.AnswerLen; ++i) {
    ShowCell(slot.CellX(i), slot.CellY(i), Yst.at(static_cast<size_t>(i - 1)), true);
  }
}

void StageView::cmdDispOnOff_Click() {
  DispChrOn_ = 1 - DispChrOn_;
  // The caption names the mode the next click turns on.
  cmdDispOnOff->setText(DispChrOn_ == 1 ? "マス簡易表示" : "マス文字表示");
  ShowGrid(marks_);
}

void StageView::ShowViewPosition() {
  picCrossBase->SetViewOrigin(position_.ViewX, position_.ViewY);
}

void StageView::ShowCell(int x, int y, char32_t DispWChr, bool asItIs) {
  QString text;
  if (DispWChr != BlankMark) text = asItIs ? QString::fromUcs4(&DispWChr, 1) : QString("？");
  picCrossBase->SetCell(x, y, {IsWall(DispWChr), text, false});
}

}  // namespace crossword::ui
