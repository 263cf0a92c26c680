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
  chkCategory_.assign(CategoryCount() + 1, CheckBox{});
  chkBlockList_.assign(ListCount() + 1, CheckBox{});
  chkInBlockList_.assign(ListCount() + 1, CheckBox{false, false});
  CategoryOn_.assign(CategoryCount() + 1, 0);
  ListOn_.assign(ListCount() + 1, 0);
  // The boxes were made afresh, so the rank's columns are applied even when the grid file
  // suggests the rank that is already selected.
  if (const int rank = RankOfSizePattern(MasSizePattern); rank != 0) selectedOption_ = rank;
  ApplyRankOption();
}

void QuestionSelection::ApplyCategoryColumn(int k) {
  CheckRank(k);
  const auto items = ItemsOf(categories_);
  for (size_t i = 1; i <= items.size(); ++i) {
    const auto text = items[i - 1]->RankField(k);
    if (text == U"yes") chkCategory_[i].Checked = true;
    if (text == U"no") chkCategory_[i].Checked = false;
  }
}

void QuestionSelection::ApplyListColumn(int k) {
  CheckRank(k);
  const auto items = ItemsOf(lists_);
  for (size_t i = 1; i <= items.size(); ++i) {
    const auto text = items[i - 1]->RankField(k);
    const int item = static_cast<int>(i);
    if (text == U"yes" || text == U"no" || text == U"1") {
      SetBlockListChecked(item, text == U"yes");
      chkInBlockList_[i].Checked = text == U"1";
    }
  }
}

void QuestionSelection::SelectDifficultRank(int i) {
  if (i < 1 || i > RankOptionByHand) {
    throw std::out_of_range("difficulty rank option " + std::to_string(i));
  }
  if (i == selectedOption_) return;
  selectedOption_ = i;
  ApplyRankOption();
}

void QuestionSelection::ApplyRankOption() {
  detailButtonsEnabled_ = selectedOption_ == RankOptionByHand;
  if (detailButtonsEnabled_) return;
  ApplyCategoryColumn(selectedOption_);
  ApplyListColumn(selectedOption_);
}

void QuestionSelection::SetCategoryChecked(int i, bool checked) {
  chkCategory_.at(i).Checked = checked;
}

void QuestionSelection::SetBlockListChecked(int i, bool checked) {
  CheckBox& list = chkBlockList_.at(i);
  if (list.Checked == checked) return;
  list.Checked = checked;
  chkInBlockList_[i] = CheckBox{!checked, !checked};
}

void QuestionSelection::SetInBlockListChecked(int i, bool checked) {
  CheckBox& whole = chkInBlockList_.at(i);
  if (whole.Enabled) whole.Checked = checked;
}

void QuestionSelection::CollectCategoryOn() {
  CategoryOn_.assign(CategoryCount() + 1, 0);
  const auto items = ItemsOf(categories_);
  for (size_t i = 1; i <= items.size(); ++i) {
    const int number = items[i - 1]->Number;
    // A number above the item count has no place in the table: its words stay unasked.
    if (number <= CategoryCount()) CategoryOn_[number] = chkCategory_[i].Checked ? 1 : 0;
  }
}

void QuestionSelection::CollectListOn() {
  ListOn_.assign(ListCount() + 1, 0);
  ListOn_[0] = 1;
  const auto items = ItemsOf(lists_);
  for (size_t i = 1; i <= items.size(); ++i) {
    const int number = items[i - 1]->Number;
    if (number > ListCount()) continue;
    ListOn_[number] = chkBlockList_[i].Checked ? 1 : chkInBlockList_[i].Checked ? -1 : 0;
  }
}

void QuestionSelection::CollectDifficultRank() {
  DifficultRank_ = selectedOption_ <= DifficultRankMax ? selectedOption_ : 0;
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
