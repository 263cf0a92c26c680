#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

// Page 2: the difficulty rank, and the way to the category and list tables.
namespace crossword::ui {

class RankPage : public QFrame {
 public:
  explicit RankPage(QWidget* parent);

  static constexpr int kRankOptions = 6;  // ranks 1..5, and 6 for boxes set by hand

  std::array<QRadioButton*, kRankOptions + 1> optDifficultRank{};  // 1..6; 0 unused
  QLabel* lblDifficultRank;
  QPushButton* cmdCategory;   // cmdCategory(1)
  QPushButton* cmdBlockList;  // cmdBlockList(1)
  QPushButton* cmdBack;       // cmdBack(2)
  QPushButton* cmdNext;       // cmdNext(2)

 private:
  QWidget* MakeRankFrame();
};

}  // namespace crossword::ui
