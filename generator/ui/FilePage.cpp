#include "generator/ui/FilePage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "common/ui/PathLabel.h"
#include "generator/ui/PageParts.h"

namespace crossword::ui {

namespace {

// A file name stands out above the lines that say where it lies.
QLabel* MakeFileNameLabel(QWidget* parent, const QString& name) {
  QLabel* label = MakeValueLabel(parent, name, QString());
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 1.3);
  font.setBold(true);
  label->setFont(font);
  return label;
}

// Long folders are shortened in the middle rather than widening the page.
QLabel* MakePathLabel(QWidget* parent, const QString& name) {
  auto* label = new PathLabel(QString(), parent);
  label->setObjectName(name);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setMargin(2);
  return label;
}

// The file name with its button beside it, and the folder below: the first two rows
// of both file frames.
QGridLayout* AddFileRows(QFrame* frame, QLabel* fileName, QPushButton* button, QLabel* folder) {
  auto* grid = new QGridLayout(frame);
  grid->setColumnStretch(1, 1);
  // The captions' column as wide in both frames, so that their values line up.
  grid->setColumnMinimumWidth(0, frame->fontMetrics().horizontalAdvance("参照辞書"));
  grid->addWidget(fileName, 0, 0, 1, 2);
  grid->addWidget(button, 0, 2);
  grid->addWidget(MakeLabel(frame, "フォルダ"), 1, 0);
  grid->addWidget(folder, 1, 1, 1, 2);
  return grid;
}

}  // namespace

FilePage::FilePage(QWidget* parent) : QFrame(parent) {
  setObjectName(ControlName("fraPage", 1));
  cmdNext = MakeButton(this, "進む", ControlName("cmdNext", 1));
  chkNotRandomize = new QCheckBox("(乱数系列を初期化しない)", this);
  chkNotRandomize->setObjectName("chkNotRandomize");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdNext);
  auto* page = new QVBoxLayout(this);
  page->addWidget(MakeGridFileFrame());
  page->addWidget(MakePuzzleFileFrame());
  page->addWidget(chkNotRandomize);
  page->addStretch();
  page->addLayout(buttons);
}

QFrame* FilePage::MakeGridFileFrame() {
  QFrame* frame = MakeGroupFrame(this);
  cmdMakeFile = MakeButton(frame, "マス設定ファイルの変更", "cmdMakeFile");
  lblMakeFile[1] = MakeFileNameLabel(frame, ControlName("lblMakeFile", 1));
  lblMakeFile[2] = MakePathLabel(frame, ControlName("lblMakeFile", 2));
  lblMakeFile[3] = MakePathLabel(frame, ControlName("lblMakeFile", 3));
  lblStagePatternNmbMax = MakeValueLabel(frame, "lblStagePatternNmbMax", QString());

  QGridLayout* grid = AddFileRows(frame, lblMakeFile[1], cmdMakeFile, lblMakeFile[2]);
  grid->addWidget(MakeLabel(frame, "参照辞書"), 2, 0);
  grid->addWidget(lblMakeFile[3], 2, 1, 1, 2);
  auto* count = new QHBoxLayout;
  count->addWidget(MakeLabel(frame, "収録マス目パターン数　#"));
  count->addWidget(lblStagePatternNmbMax);
  count->addStretch();
  grid->addLayout(count, 3, 0, 1, 3);
  return frame;
}

QFrame* FilePage::MakePuzzleFileFrame() {
  QFrame* frame = MakeGroupFrame(this);
  cmdPlayFile = MakeButton(frame, "PUZSET ファイル名の変更", "cmdPlayFile");
  lblPlayFile[1] = MakeFileNameLabel(frame, ControlName("lblPlayFile", 1));
  lblPlayFile[2] = MakePathLabel(frame, ControlName("lblPlayFile", 2));

  AddFileRows(frame, lblPlayFile[1], cmdPlayFile, lblPlayFile[2]);
  return frame;
}

}  // namespace crossword::ui
