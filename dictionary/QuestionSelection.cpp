#include "dictionary/QuestionSelection.h"

#include <stdexcept>

#include "common/FileNames.h"
#include "common/TextFile.h"

namespace crossword {

namespace {

int RankOfSizePattern(int pattern) {
  switch (pattern) {
    case 1:
    case 2:
      return 1;
    case 3:
    case 4:
      return 2;
    case 0:
    case 5:
      return 3;
    default:
      return 0;  // no pattern the designer writes: the selection stays
  }
}

void CheckRank(int k) {
  if (k < 1 || k > DifficultRankMax) {
    throw std::out_of_range("difficulty rank " + std::to_string(k) + " has no column");
  }
}

}  // namespace

int QuestionSelection::MakeIdxFileName(const std::string& DicPath, const std::string& DicFileName) {
  IdxFileName_ = IdxFileNameOf(DicFileName);
  return FileExists(DicPath + IdxFileName_);
}

std::vector<const IndexRow*> QuestionSelection::ItemsOf(const IndexSection& section) {
  std::vector<const IndexRow*> items;
  for (const IndexRow& row : section.Rows) {
    if (row.RowKind == IndexRow::Kind::Item) items.push_back(&row);
  }
  return items;
}

void QuestionSelection::LoadIndex(const std::string& DicPath, int MasSizePattern) {
  const std::filesystem::path path = DicPath + IdxFileName_;
  const std::vector<std::u32string> lines = ReadTextLines(path);
  categories_ = ReadIndexSection(path, lines, IndexSectionKind::Category);
  lists_ = ReadIndexSection(path, lines, IndexSectionKind::List);
  categoryChoices_.assign(CategoryCount() + 1, ItemChoice{});
  listChoices_.assign(ListCount() + 1, ItemChoice{});
  oncePerGridChoices_.assign(ListCount() + 1, ItemChoice{false, false});
  CategoryOn_.assign(CategoryCount() + 1, 0);
  ListOn_.assign(ListCount() + 1, 0);
  // The choices were made afresh, so the rank's columns are applied even when the grid
  // file suggests the rank that is already chosen.
  if (const int rank = RankOfSizePattern(MasSizePattern); rank != 0) chosenRank_ = rank;
  ApplyRankChoice();
}

void QuestionSelection::ApplyCategoryColumn(int k) {
  CheckRank(k);
  const auto items = ItemsOf(categories_);
  for (size_t i = 1; i <= items.size(); ++i) {
    const auto text = items[i - 1]->RankField(k);
    if (text == U"yes") categoryChoices_[i].On = true;
    if (text == U"no") categoryChoices_[i].On = false;
  }
}

void QuestionSelection::ApplyListColumn(int k) {
  CheckRank(k);
  const auto items = ItemsOf(lists_);
  for (size_t i = 1; i <= items.size(); ++i) {
    const auto text = items[i - 1]->RankField(k);
    const int item = static_cast<int>(i);
    if (text == U"yes" || text == U"no" || text == U"1") {
      SetListAsked(item, text == U"yes");
      oncePerGridChoices_[i].On = text == U"1";
    }
  }
}

void QuestionSelection::SelectDifficultRank(int i) {
  if (i < 1 || i > RankByHand) {
    throw std::out_of_range("difficulty rank choice " + std::to_string(i));
  }
  if (i == chosenRank_) return;
  chosenRank_ = i;
  ApplyRankChoice();
}

void QuestionSelection::ApplyRankChoice() {
  if (ItemsSetByHand()) return;
  ApplyCategoryColumn(chosenRank_);
  ApplyListColumn(chosenRank_);
}

void QuestionSelection::SetCategoryAsked(int i, bool asked) {
  categoryChoices_.at(i).On = asked;
}

void QuestionSelection::SetListAsked(int i, bool asked) {
  ItemChoice& list = listChoices_.at(i);
  if (list.On == asked) return;
  list.On = asked;
  oncePerGridChoices_[i] = ItemChoice{!asked, !asked};
}

void QuestionSelection::SetListOncePerGrid(int i, bool once) {
  ItemChoice& whole = oncePerGridChoices_.at(i);
  if (whole.Open) whole.On = once;
}

void QuestionSelection::CollectCategoryOn() {
  CategoryOn_.assign(CategoryCount() + 1, 0);
  const auto items = ItemsOf(categories_);
  for (size_t i = 1; i <= items.size(); ++i) {
    const int number = items[i - 1]->Number;
    // A number above the item count has no place in the table: its words stay unasked.
    if (number <= CategoryCount()) CategoryOn_[number] = categoryChoices_[i].On ? 1 : 0;
  }
}

void QuestionSelection::CollectListOn() {
  ListOn_.assign(ListCount() + 1, 0);
  ListOn_[0] = 1;
  const auto items = ItemsOf(lists_);
  for (size_t i = 1; i <= items.size(); ++i) {
    const int number = items[i - 1]->Number;
    if (number > ListCount()) continue;
    ListOn_[number] = listChoices_[i].On ? 1 : oncePerGridChoices_[i].On ? -1 : 0;
  }
}

void QuestionSelection::CollectDifficultRank() {
  DifficultRank_ = chosenRank_ <= DifficultRankMax ? chosenRank_ : 0;
}

bool SelectionAdmits(const std::vector<int>& categoryOn, const std::vector<int>& listOn, int CN,
                     int BN) {
  const bool categoryKnown = CN >= 0 && CN < static_cast<int>(categoryOn.size());
  const bool listKnown = BN >= 0 && BN < static_cast<int>(listOn.size());
  return categoryKnown && listKnown && categoryOn[CN] == 1 && listOn[BN] != 0;
}

std::vector<std::string> QuestionSelection::Problems() const {
  std::vector<std::string> problems = categories_.Problems;
  problems.insert(problems.end(), lists_.Problems.begin(), lists_.Problems.end());
  return problems;
}

}  // namespace crossword
