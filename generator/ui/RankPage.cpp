#include "generator/ui/RankPage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "common/ui/PhraseLabel.h"
#include "generator/ui/PageParts.h"

namespace crossword::ui {

namespace {

constexpr std::array<const char*, RankPage::kRankOptions + 1> kRankCaptions = {
    "", "初級", "中級", "上級", "ウルトラ上級", "スーパーおたく級", "出題項目の詳細指定"};

}  // namespace

RankPage::RankPage(QWidget* parent) : QFrame(parent) {
  setObjectName(ControlName("fraPage", 2));
  cmdCategory = MakeButton(this, "分野の詳細", ControlName("cmdCategory", 1));
  cmdBlockList = MakeButton(this, "一覧データ", ControlName("cmdBlockList", 1));
  cmdBack = MakeButton(this, "もどる", ControlName("cmdBack", 2));
  cmdNext = MakeButton(this, "進む", ControlName("cmdNext", 2));

  auto* details = new QHBoxLayout;
  details->addStretch();
  details->addWidget(cmdCategory);
  details->addWidget(cmdBlockList);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdBack);
  buttons->addWidget(cmdNext);
  auto* page = new QVBoxLayout(this);
  page->addWidget(MakeRankFrame());
  page->addLayout(details);
  page->addStretch();
  page->addLayout(buttons);
}

QWidget* RankPage::MakeRankFrame() {
  auto* frame = new QGroupBox("難易度の設定", this);
  frame->setObjectName("fraDifficultRank");
  auto* options = new QVBoxLayout;
  auto* group = new QButtonGroup(frame);
  for (int i = 1; i <= kRankOptions; ++i) {
    optDifficultRank[i] = new QRadioButton(kRankCaptions[i], frame);
    optDifficultRank[i]->setObjectName(ControlName("optDifficultRank", i));
    group->addButton(optDifficultRank[i], i);
    options->addWidget(optDifficultRank[i]);
  }
  optDifficultRank[kRankOptions]->setChecked(true);
  lblDifficultRank = new PhraseLabel(
      "難易度はＧｒｉｄｗｒｉｇｈｔファイルの情報をもとに、すでに自動設定"
      "されています。特に必要がなければ、このままにしておいてください。",
      frame);
  lblDifficultRank->setObjectName("lblDifficultRank");
  lblDifficultRank->setAlignment(Qt::AlignTop | Qt::AlignLeft);

  auto* row = new QHBoxLayout(frame);
  row->addLayout(options);
  row->addSpacing(24);
  row->addWidget(lblDifficultRank, 1);
  return frame;
}

}  // namespace crossword::ui
