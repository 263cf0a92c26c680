#include "designer/ui/frmEdit.h"

#include "designer/ui/EditGeometry.h"

namespace crossword::ui {

namespace {

constexpr int MakeModeFullAuto = 1;
constexpr int MasSizePatternCustom = 5;
constexpr int MakeStageNmbCustom = 4;

void EnableBoth(ControlArray<QLineEdit, 2>& boxes, bool enabled) {
  boxes[1]->setEnabled(enabled);
  boxes[2]->setEnabled(enabled);
}

}  // namespace

frmEdit::frmEdit(QWidget* parent) : QWidget(parent), c_(BuildEditControls(this)) {
  setObjectName("frmEdit");
  setWindowTitle("Gridwright");
  setFixedSize(FormWidth, FormHeight);
  ConnectPages();
  ConnectOptions();
}

void frmEdit::ConnectPages() {
  for (int page = 1; page <= PageCount; ++page) {
    connect(c_.cmdNext[page], &QPushButton::clicked, this, [this, page] { cmdNext_Click(page); });
    if (c_.cmdBack[page]) {
      connect(c_.cmdBack[page], &QPushButton::clicked, this, [this, page] { cmdBack_Click(page); });
    }
  }
  connect(c_.cmdNextModeAuto, &QPushButton::clicked, this, &frmEdit::cmdNextModeAuto_Click);
}

void frmEdit::ConnectOptions() {
  connect(c_.optMakeMode.group, &QButtonGroup::idClicked, this, &frmEdit::optMakeMode_Click);
  connect(c_.optMakeMasMode.group, &QButtonGroup::idClicked, this, &frmEdit::optMakeMasMode_Click);
  connect(c_.optMasSizePattern.group, &QButtonGroup::idClicked, this,
          &frmEdit::optMasSizePattern_Click);
  connect(c_.optMasSizePatternAuto.group, &QButtonGroup::idClicked, this,
          &frmEdit::optMasSizePatternAuto_Click);
  connect(c_.optMakeStageNmbAuto.group, &QButtonGroup::idClicked, this,
          &frmEdit::optMakeStageNmbAuto_Click);
  connect(c_.vsbCrossStageNmbAuto, &QScrollBar::valueChanged, this,
          &frmEdit::vsbCrossStageNmbAuto_Change);
}

int frmEdit::ShownPage() const {
  for (int page = 1; page <= PageCount; ++page) {
    if (c_.fraPage[page]->isVisibleTo(this)) return page;
  }
  return 0;
}

void frmEdit::ShowPage(int page) {
  c_.fraPage[ShownPage()]->hide();
  c_.fraPage[page]->show();
}

void frmEdit::cmdNext_Click(int index) {
  switch (index) {
    case 1:
      ShowPage(c_.optMakeMode.group->checkedId() == MakeModeFullAuto ? 4 : 2);
      break;
    case 6:
      ShowPage(1);
      break;
    default:
      ShowPage(index + 1);
  }
}

void frmEdit::cmdBack_Click(int index) {
  switch (index) {
    case 4:
      c_.cmdNext[4]->setText("実行");
      ShowPage(c_.optMakeMode.group->checkedId() == MakeModeFullAuto ? 1 : 3);
      break;
    case 5:
      ShowPage(1);
      break;
    default:
      ShowPage(index - 1);
  }
}

void frmEdit::cmdNextModeAuto_Click() {
  ShowPage(5);
}

void frmEdit::optMakeMode_Click(int index) {
  c_.cmdNextModeAuto->setEnabled(index == MakeModeFullAuto);
}

void frmEdit::optMakeMasMode_Click(int index) {
  const bool newGrid = index == 1;
  c_.cmdSetMasSize->setEnabled(newGrid);
  for (int i = 1; i < MasSizePatternCustom; ++i) c_.optMasSizePattern[i]->setEnabled(newGrid);
  EnableBoth(c_.txtMasSizeCustom, newGrid);
  c_.cmdReadFileName->setEnabled(!newGrid);
  c_.vsbCrossStageNmb->setEnabled(!newGrid);
}

void frmEdit::optMasSizePattern_Click(int index) {
  EnableBoth(c_.txtMasSizeCustom, index == MasSizePatternCustom);
}

void frmEdit::optMasSizePatternAuto_Click(int index) {
  EnableBoth(c_.txtMasSizeCustomAuto, index == MasSizePatternCustom);
}

void frmEdit::optMakeStageNmbAuto_Click(int index) {
  c_.vsbCrossStageNmbAuto->setEnabled(index == MakeStageNmbCustom);
}

void frmEdit::vsbCrossStageNmbAuto_Change(int value) {
  if (c_.lblCrossStageNmbAuto->text().toInt() != value) {
    c_.lblCrossStageNmbAuto->setNum(value);
  }
}

}  // namespace crossword::ui
