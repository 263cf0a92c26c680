#pragma once

#include <string>
#include <vector>

#include "dictionary/IndexFile.h"

// Which words a puzzle may ask: the check boxes of the category and list tables built from
// the index file, the difficulty rank options, and the tables the fill engine reads. The
// generator's window shows this state and forwards its clicks here.
namespace crossword {

struct CheckBox {
  bool Checked = true;
  bool Enabled = true;
};

// The difficulty rank options 1..6: ranks 1..5, and 6 for boxes set by hand.
constexpr int RankOptionByHand = 6;

// Whether a selection asks a word of category CN and list BN: its category on, its list
// not off. A number beyond the tables belongs to nothing the user could select.
bool SelectionAdmits(const std::vector<int>& categoryOn, const std::vector<int>& listOn, int CN,
                     int BN);

class QuestionSelection {
 public:
  // Sets IdxFileName for the dictionary; 1 when that file exists beside it, else 0.
  int MakeIdxFileName(const std::string& DicPath, const std::string& DicFileName);

  // Reads the file IdxFileName in the folder DicPath: builds both tables with every box
  // checked, sizes CategoryOn and ListOn afresh and preselects the rank of the grid
  // file's size pattern (1, 2: 初級; 3, 4: 中級; 0, 5: 上級), whose columns the boxes
  // then show.
  void LoadIndex(const std::string& DicPath, int MasSizePattern);

  void ApplyCategoryColumn(int k);  // rank k = 1..5
  void ApplyListColumn(int k);
  // The user picks option i (1..6). Picking the option already selected changes nothing.
  void SelectDifficultRank(int i);

  // Clicks on the boxes of item i (1..count). A list box unchecked enables and checks its
  // "全体で１問出題" box; checked, it disables and unchecks it. A disabled box takes no click.
  void SetCategoryChecked(int i, bool checked);
  void SetBlockListChecked(int i, bool checked);
  void SetInBlockListChecked(int i, bool checked);

  void CollectCategoryOn();
  void CollectListOn();
  void CollectDifficultRank();

  const std::string& IdxFileName() const { return IdxFileName_; }
  const IndexSection& CategoryTable() const { return categories_; }
  const IndexSection& ListTable() const { return lists_; }
  int CategoryCount() const { return categories_.ItemCount; }
  int ListCount() const { return lists_.ItemCount; }
  const CheckBox& chkCategory(int i) const { return chkCategory_.at(i); }
  const CheckBox& chkBlockList(int i) const { return chkBlockList_.at(i); }
  const CheckBox& chkInBlockList(int i) const { return chkInBlockList_.at(i); }
  int SelectedRankOption() const { return selectedOption_; }
  // The page-2 buttons "分野の詳細" and "一覧データ": usable only with option 6.
  bool DetailButtonsEnabled() const { return detailButtonsEnabled_; }
  // Both sections' problems from the last load, "file:line: what is wrong".
  std::vector<std::string> Problems() const;

  // Whether the collected selection asks a word of category CN and list BN.
  bool Admits(int CN, int BN) const { return SelectionAdmits(CategoryOn_, ListOn_, CN, BN); }

  const std::vector<int>& CategoryOn() const { return CategoryOn_; }
  const std::vector<int>& ListOn() const { return ListOn_; }
  int DifficultRank() const { return DifficultRank_; }

 private:
  // The item rows of a section in file order, item i at i - 1.
  static std::vector<const IndexRow*> ItemsOf(const IndexSection& section);
  void ApplyRankOption();

  std::string IdxFileName_;  // base of the dictionary's name + ".idx"
  IndexSection categories_;  // rows of the category section
  IndexSection lists_;       // rows of the list section
  // The boxes of item 1..count; element 0 unused.
  std::vector<CheckBox> chkCategory_{1};
  std::vector<CheckBox> chkBlockList_{1};
  std::vector<CheckBox> chkInBlockList_{1};
  int selectedOption_ = RankOptionByHand;  // optDifficultRank(1..6)
  bool detailButtonsEnabled_ = true;       // cmdCategory(1), cmdBlockList(1)

  std::vector<int> CategoryOn_{0};  // 0..CategoryCount: 1 = words of that number asked
  std::vector<int> ListOn_{1};      // 0..ListCount: 1 free, -1 one word per grid, 0 never
  int DifficultRank_ = 0;           // 1..5, or 0 for boxes set by hand
};

}  // namespace crossword
