#pragma once

#include <string>
#include <vector>

#include "dictionary/IndexFile.h"

// Which words a puzzle may ask: the user's choice of each category and list of the index
// file, the difficulty rank that sets them, and the tables the fill engine reads. The
// generator's window shows this state and forwards the user's choices here.
namespace crossword {

// Whether a category or list is asked, and whether the user may change that.
struct ItemChoice {
  bool On = true;
  bool Open = true;
};

// The difficulty rank choices 1..6: ranks 1..5, and 6 for items chosen by hand.
constexpr int RankByHand = 6;

// Whether a selection asks a word of category CN and list BN: its category on, its list
// not off. A number beyond the tables belongs to nothing the user could select.
bool SelectionAdmits(const std::vector<int>& categoryOn, const std::vector<int>& listOn, int CN,
                     int BN);

class QuestionSelection {
 public:
  // Sets IdxFileName for the dictionary; 1 when that file exists beside it, else 0.
  int MakeIdxFileName(const std::string& DicPath, const std::string& DicFileName);

  // Reads the file IdxFileName in the folder DicPath: builds both tables with every item
  // asked, sizes CategoryOn and ListOn afresh and preselects the rank of the grid file's
  // size pattern (1, 2: 初級; 3, 4: 中級; 0, 5: 上級), whose columns the items then take.
  void LoadIndex(const std::string& DicPath, int MasSizePattern);

  void ApplyCategoryColumn(int k);  // rank k = 1..5
  void ApplyListColumn(int k);
  // The user picks rank choice i (1..6). Picking the choice already made changes nothing.
  void SelectDifficultRank(int i);

  // The user's choices for item i (1..count). A list no longer asked freely is asked once
  // per grid ("全体で１問出題"), which the user may then change; a list asked freely is not
  // asked once per grid, and that choice is closed.
  void SetCategoryAsked(int i, bool asked);
  void SetListAsked(int i, bool asked);
  void SetListOncePerGrid(int i, bool once);

  void CollectCategoryOn();
  void CollectListOn();
  void CollectDifficultRank();

  const std::string& IdxFileName() const { return IdxFileName_; }
  const IndexSection& CategoryTable() const { return categories_; }
  const IndexSection& ListTable() const { return lists_; }
  int CategoryCount() const { return categories_.ItemCount; }
  int ListCount() const { return lists_.ItemCount; }
  const ItemChoice& CategoryChoice(int i) const { return categoryChoices_.at(i); }
  const ItemChoice& ListChoice(int i) const { return listChoices_.at(i); }
  const ItemChoice& OncePerGridChoice(int i) const { return oncePerGridChoices_.at(i); }
  int ChosenRank() const { return chosenRank_; }
  // Whether the user chooses the items one by one: only with choice 6.
  bool ItemsSetByHand() const { return chosenRank_ == RankByHand; }
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
  void ApplyRankChoice();

  std::string IdxFileName_;  // base of the dictionary's name + ".idx"
  IndexSection categories_;  // rows of the category section
  IndexSection lists_;       // rows of the list section
  // The choices of item 1..count; element 0 unused.
  std::vector<ItemChoice> categoryChoices_{1};
  std::vector<ItemChoice> listChoices_{1};
  std::vector<ItemChoice> oncePerGridChoices_{1};
  int chosenRank_ = RankByHand;  // 1..6

  std::vector<int> CategoryOn_{0};  // 0..CategoryCount: 1 = words of that number asked
  std::vector<int> ListOn_{1};      // 0..ListCount: 1 free, -1 one word per grid, 0 never
  int DifficultRank_ = 0;           // 1..5, or 0 for items chosen by hand
};

}  // namespace crossword
