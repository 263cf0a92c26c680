#include "generator/ui/RunPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "common/ui/CountBar.h"
#include "common/ui/PhraseLabel.h"
#include "common/ui/RunCaptions.h"
#include "generator/engine/Generator.h"
#include "generator/ui/PageParts.h"

namespace crossword::ui {

namespace {

constexpr int kSpeedMax = 100;        // hundredths of a second per candidate shown
constexpr int kValueWidth = 48;       // room for four digits
constexpr int kNumberBarHeight = 60;  // room for a trough between the arrows
constexpr int kLimitBarHeight = 44;   // three limits and the search choice share the panel
constexpr int kLeftColumnWidth = 310;

QScrollBar* MakeNumberBar(QWidget* parent, const QString& name, int maximum, int largeStep,
                          int height = kNumberBarHeight) {
  auto* bar = new CountBar(parent);
  bar->setObjectName(name);
  bar->setRange(1, maximum);
  bar->setPageStep(largeStep);
  bar->setFixedHeight(height);
  return bar;
}

QLabel* MakeNumberLabel(QWidget* parent, const QString& name, const QString& text) {
  QLabel* label = MakeValueLabel(parent, name, text);
  label->setFixedWidth(kValueWidth);  // the bar beside it stays put whatever the number
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

}  // namespace

RunPage::RunPage(QWidget* parent) : QFrame(parent) {
  setObjectName(ControlName("fraPage", 3));
  cmdBack = MakeButton(this, "もどる", ControlName("cmdBack", 3));
  cmdNext = MakeButton(this, RunCaptionReady, ControlName("cmdNext", 3));
  cmdInfoData = MakeButton(this, "作業限度値の表示と設定", "cmdInfoData");
  MakeInfoData();
  picQues = new StageView(this);
  picQues->hide();

  // The left column keeps its width whether or not the stage view is shown.
  auto* leftColumn = new QWidget(this);
  leftColumn->setFixedWidth(kLeftColumnWidth);
  auto* left = new QVBoxLayout(leftColumn);
  left->setContentsMargins(0, 0, 0, 0);
  left->addLayout(MakeFileAndCount());
  left->addLayout(MakeProgress());
  left->addLayout(MakeSpeed());
  left->addWidget(cmdInfoData, 0, Qt::AlignLeft);
  left->addWidget(fraInfoData);
  lblNote = new PhraseLabel(QString(), this);
  lblNote->setObjectName("lblNote");
  lblNote->hide();
  left->addWidget(lblNote);
  left->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdBack);
  buttons->addWidget(cmdNext);
  auto* right = new QVBoxLayout;
  right->addWidget(picQues);
  right->addStretch();
  right->addLayout(buttons);
  auto* page = new QHBoxLayout(this);
  page->addWidget(leftColumn);
  page->addLayout(right, 1);
}

QLayout* RunPage::MakeFileAndCount() {
  lblInfoMakeFileName = MakeValueLabel(this, "lblInfoMakeFileName", QString());
  auto* notice = new PhraseLabel(
      "同名のファイルがあるときは無条件に上書きされます。別名にしたいとき"
      "は最初の画面にもどり「PUZSET ファイル名の変更」をしてください。",
      this);
  lblMakingNmbMax = MakeNumberLabel(this, "lblMakingNmbMax", "10");
  vsbCrossStageNmb = MakeNumberBar(this, "vsbCrossStageNmb", StageNmbMax, 1);

  auto* count = new QHBoxLayout;
  count->addWidget(MakeLabel(this, "作成数(1～99) #"));
  count->addWidget(lblMakingNmbMax);
  count->addWidget(vsbCrossStageNmb);
  count->addStretch();
  chkThoroughSearch = new QCheckBox(ThoroughSearchCaption, this);
  chkThoroughSearch->setObjectName("chkThoroughSearch");
  chkThoroughSearch->setToolTip(
      "難易度に合った言葉を選び、同じ言葉をくり返さず、埋められない盤はそう知らせます。");
  auto* column = new QVBoxLayout;
  column->addWidget(MakeLabel(this, "作成ファイル名："));
  column->addWidget(lblInfoMakeFileName);
  column->addWidget(notice);
  column->addLayout(count);
  column->addWidget(chkThoroughSearch);
  return column;
}

QLayout* RunPage::MakeProgress() {
  lblInfoMaking = MakeValueLabel(this, "lblInfoMaking", "作成情報");
  lblNowMakingNmb = MakeNumberLabel(this, "lblNowMakingNmb", "-");
  lblInfoTime = MakeNumberLabel(this, "lblInfoTime", "-");
  auto* row = new QHBoxLayout;
  row->addWidget(lblInfoMaking);
  row->addWidget(lblNowMakingNmb);
  row->addSpacing(12);
  row->addWidget(MakeLabel(this, "Time"));
  row->addWidget(lblInfoTime);
  row->addStretch();
  return row;
}

QLayout* RunPage::MakeSpeed() {
  hsbShowSpeed = MakeScrollBar(this, Qt::Horizontal, "hsbShowSpeed", 0, kSpeedMax, 10);
  auto* row = new QHBoxLayout;
  row->addWidget(MakeLabel(this, "表示スピード"));
  row->addWidget(MakeLabel(this, "Fast"));
  row->addWidget(hsbShowSpeed, 1);
  row->addWidget(MakeLabel(this, "Slow"));
  return row;
}

void RunPage::MakeInfoData() {
  fraInfoData = MakeGroupFrame(this);
  fraInfoData->setObjectName("fraInfoData");
  vsbRestartMax = MakeNumberBar(fraInfoData, "vsbRestartMax", RestartMaxLimit, 10, kLimitBarHeight);
  vsbRetryMax = MakeNumberBar(fraInfoData, "vsbRetryMax", RestartMaxLimit, 10, kLimitBarHeight);
  vsbHistoryMax = MakeNumberBar(fraInfoData, "vsbHistoryMax", HistoryMaxLimit, 10, kLimitBarHeight);
  lblRestartMax = MakeNumberLabel(fraInfoData, "lblRestartMax", QString());
  lblRetryMax = MakeNumberLabel(fraInfoData, "lblRetryMax", QString());
  lblHistoryMax = MakeNumberLabel(fraInfoData, "lblHistoryMax", QString());
  lblRestart = MakeNumberLabel(fraInfoData, "lblRestart", "-");
  lblRetry = MakeNumberLabel(fraInfoData, "lblRetry", "-");
  lblHistory = MakeNumberLabel(fraInfoData, "lblHistory", "-");

  auto* grid = new QGridLayout(fraInfoData);
  grid->setVerticalSpacing(2);
  const std::array<std::array<QWidget*, 4>, 3> rows = {{
      {MakeLabel(fraInfoData, "Restart"), lblRestart, lblRestartMax, vsbRestartMax},
      {MakeLabel(fraInfoData, "Retry"), lblRetry, lblRetryMax, vsbRetryMax},
      {MakeLabel(fraInfoData, "History"), lblHistory, lblHistoryMax, vsbHistoryMax},
  }};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) grid->addWidget(rows[row][column], row, column);
  }
  grid->setColumnStretch(4, 1);
  fraInfoData->hide();
}

}  // namespace crossword::ui
