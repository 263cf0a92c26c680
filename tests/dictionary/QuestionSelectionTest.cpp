#include <gtest/gtest.h>

#include "common/FileNames.h"
#include "dictionary/QuestionSelection.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::Cp932Lines;
using testing::TempFolder;

// The list section first, to show that each section is found on its own.
const std::string kListsFirstIndex = Cp932Lines({
    ";標準の索引（説明の行）",
    ";次行より「リスト」の指定",
    "●特別な言葉",
    "01四字熟語,1,1,yes,yes,yes",
    "02略語,no,yes,1,Yes,no",
    ";ここまで",
    ";次行より「分野」の指定",
    "●ふだんの言葉",
    "01名詞,yes,yes,yes,yes,yes",
    "-1負の数の行,yes,yes,yes,yes,yes",
    ".5小数の行,yes,yes,yes,yes,yes",
    "02動詞,no,yes,no,yes,no",
    "03形容詞,no,no,Yes,yes",
    "04食べ物",
    ";ここまで",
});

class Selection : public ::testing::Test {
 protected:
  // Writes the index beside a dictionary "dic.lxd" and loads it for a grid file's pattern.
  void Load(const std::string& index, int pattern) {
    folder_.Write("dic.idx", index);
    ASSERT_EQ(selection_.MakeIdxFileName(Folder(), "dic.lxd"), 1);
    selection_.LoadIndex(Folder(), pattern);
  }

  void Collect() {
    selection_.CollectCategoryOn();
    selection_.CollectListOn();
    selection_.CollectDifficultRank();
  }

  std::string Folder() const { return AsFolder(folder_.Path().string()); }

  TempFolder folder_;
  QuestionSelection selection_;
};

TEST_F(Selection, IndexFileNameIsTheDictionarysBaseName) {
  EXPECT_EQ(selection_.MakeIdxFileName(Folder(), "標準日本語辞書.lxd"), 0);
  EXPECT_EQ(selection_.IdxFileName(), "標準日本語辞書.idx");
  selection_.MakeIdxFileName(Folder(), "abc");
  EXPECT_EQ(selection_.IdxFileName(), "abc.idx");
  folder_.Write("a.idx", "");
  EXPECT_EQ(selection_.MakeIdxFileName(Folder(), "a.b.lxd"), 1);
}

TEST_F(Selection, HeadingsAndRowsBelowOneTakeNoNumber) {
  Load(kListsFirstIndex, 0);
  const IndexSection& categories = selection_.CategoryTable();
  EXPECT_EQ(selection_.CategoryCount(), 4);
  EXPECT_EQ(selection_.ListCount(), 2);
  ASSERT_EQ(categories.Rows.size(), 7u);
  EXPECT_EQ(categories.Rows[0].RowKind, IndexRow::Kind::Heading);
  EXPECT_EQ(categories.Rows[0].Text, U"●ふだんの言葉");
  EXPECT_EQ(categories.Rows[1].Text, U"名詞");
  EXPECT_EQ(categories.Rows[2].RowKind, IndexRow::Kind::EmptyLine);
  EXPECT_EQ(categories.Rows[3].RowKind, IndexRow::Kind::EmptyLine);
  EXPECT_EQ(categories.Rows[4].Number, 2);
  EXPECT_EQ(categories.Rows[4].TableLine, 5);
  EXPECT_EQ(categories.TableLineCount, 7);
  // A list item takes two table lines: its own box and "全体で１問出題" below it.
  EXPECT_EQ(selection_.ListTable().Rows[2].TableLine, 4);
  EXPECT_EQ(selection_.ListTable().TableLineCount, 5);
  EXPECT_TRUE(selection_.Problems().empty());
}

TEST_F(Selection, AGridMadeByHandSelects上級AndItsColumn) {
  Load(kListsFirstIndex, 0);
  EXPECT_EQ(selection_.ChosenRank(), 3);
  EXPECT_FALSE(selection_.ItemsSetByHand());
  Collect();
  // "Yes" and a missing field leave the box as it was: checked.
  EXPECT_EQ(selection_.CategoryOn(), (std::vector<int>{0, 1, 0, 1, 1}));
  EXPECT_EQ(selection_.ListOn(), (std::vector<int>{1, 1, -1}));
  EXPECT_EQ(selection_.DifficultRank(), 3);
  EXPECT_TRUE(selection_.OncePerGridChoice(2).Open);
}

TEST_F(Selection, SizePatternsPreselectTheirRanks) {
  Load(kListsFirstIndex, 1);
  EXPECT_EQ(selection_.ChosenRank(), 1);
  Collect();
  EXPECT_EQ(selection_.CategoryOn(), (std::vector<int>{0, 1, 0, 0, 1}));
  EXPECT_EQ(selection_.ListOn(), (std::vector<int>{1, -1, 0}));
  EXPECT_EQ(selection_.DifficultRank(), 1);
  for (auto [pattern, rank] : {std::pair(2, 1), {3, 2}, {4, 2}, {5, 3}, {0, 3}}) {
    Load(kListsFirstIndex, pattern);
    EXPECT_EQ(selection_.ChosenRank(), rank) << pattern;
  }
  Load(kListsFirstIndex, 9);  // a pattern of no rank keeps the one selected
  EXPECT_EQ(selection_.ChosenRank(), 3);
}

TEST_F(Selection, ReloadingAppliesTheRankEvenWhenItIsAlreadySelected) {
  Load(kListsFirstIndex, 1);
  Load(kListsFirstIndex, 2);  // boxes made afresh, rank 1 again
  Collect();
  EXPECT_EQ(selection_.CategoryOn(), (std::vector<int>{0, 1, 0, 0, 1}));
}

TEST_F(Selection, ByHandTheBoxesHoldWhatTheUserSet) {
  Load(kListsFirstIndex, 1);
  selection_.SelectDifficultRank(RankByHand);
  EXPECT_TRUE(selection_.ItemsSetByHand());
  selection_.SetCategoryAsked(2, true);
  selection_.SetListAsked(2, true);
  Collect();
  EXPECT_EQ(selection_.DifficultRank(), 0);
  EXPECT_EQ(selection_.CategoryOn(), (std::vector<int>{0, 1, 1, 0, 1}));
  EXPECT_EQ(selection_.ListOn(), (std::vector<int>{1, -1, 1}));
}

TEST_F(Selection, PickingTheSelectedRankAgainChangesNothing) {
  Load(kListsFirstIndex, 3);
  selection_.SetCategoryAsked(1, false);
  selection_.SelectDifficultRank(2);
  EXPECT_FALSE(selection_.CategoryChoice(1).On);
  selection_.SelectDifficultRank(1);
  selection_.SelectDifficultRank(2);
  EXPECT_TRUE(selection_.CategoryChoice(1).On);
}

TEST_F(Selection, AListBoxAndItsWholeListBoxAreLinked) {
  Load(kListsFirstIndex, 0);
  selection_.SetListAsked(1, false);
  EXPECT_TRUE(selection_.OncePerGridChoice(1).Open);
  EXPECT_TRUE(selection_.OncePerGridChoice(1).On);
  selection_.SetListOncePerGrid(1, false);
  selection_.CollectListOn();
  EXPECT_EQ(selection_.ListOn()[1], 0);
  selection_.SetListAsked(1, true);
  EXPECT_FALSE(selection_.OncePerGridChoice(1).Open);
  EXPECT_FALSE(selection_.OncePerGridChoice(1).On);
  selection_.SetListOncePerGrid(1, true);  // disabled: the click does nothing
  EXPECT_FALSE(selection_.OncePerGridChoice(1).On);
}

TEST_F(Selection, RankButtonsApplyOneColumnToOneTable) {
  Load(kListsFirstIndex, 0);
  selection_.ApplyListColumn(5);
  selection_.CollectListOn();
  EXPECT_EQ(selection_.ListOn(), (std::vector<int>{1, 1, 0}));
  selection_.ApplyCategoryColumn(2);
  selection_.CollectCategoryOn();
  EXPECT_EQ(selection_.CategoryOn(), (std::vector<int>{0, 1, 1, 0, 1}));
  EXPECT_THROW(selection_.ApplyCategoryColumn(6), std::out_of_range);
}

TEST_F(Selection, AMissingSectionAsksNoWord) {
  Load(Cp932Lines({";次行より「リスト」", "01略語,yes,yes,yes,yes,yes", ";ここまで"}), 0);
  ASSERT_EQ(selection_.Problems().size(), 1u);
  EXPECT_NE(selection_.Problems()[0].find("category section is missing"), std::string::npos);
  Collect();
  EXPECT_EQ(selection_.CategoryOn(), std::vector<int>{0});
  EXPECT_FALSE(selection_.Admits(0, 0));
  EXPECT_FALSE(selection_.Admits(1, 0));
}

TEST_F(Selection, ASectionWithoutEndLineRunsToTheLastLine) {
  Load(Cp932Lines({";次行より「分野」", "01名詞,yes,yes,yes,yes,yes", ";次行より「リスト」",
                   "01略語,no,no,no,no,no"}),
       0);
  // The list's start line reads as a heading and its row as a second category 1.
  EXPECT_EQ(selection_.CategoryCount(), 2);
  EXPECT_EQ(selection_.ListCount(), 1);
  const auto problems = selection_.Problems();
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_NE(problems[0].find("dic.idx:1: the category section that starts here has no end line"),
            std::string::npos)
      << problems[0];
  EXPECT_NE(problems[1].find("dic.idx:4: category number 1 is used again"), std::string::npos)
      << problems[1];
  EXPECT_NE(problems[2].find("dic.idx:3: the list section"), std::string::npos) << problems[2];
}

TEST_F(Selection, ANumberAboveTheItemCountIsReportedAndNeverAsked) {
  Load(Cp932Lines({";次行より「分野」", "01名詞,yes,yes,yes,yes,yes", "07動詞,yes,yes,yes,yes,yes",
                   "01形容詞,yes,yes,yes,yes,yes", ";ここまで", ";次行より「リスト」",
                   "05略語,yes,yes,yes,yes,yes", ";ここまで"}),
       0);
  const auto problems = selection_.Problems();
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_NE(
      problems[0].find("dic.idx:3: category number 7 is above the number of category items (3)"),
      std::string::npos)
      << problems[0];
  EXPECT_NE(problems[1].find("dic.idx:4: category number 1 is used again (first on line 2)"),
            std::string::npos)
      << problems[1];
  EXPECT_NE(problems[2].find("list number 5"), std::string::npos);
  Collect();
  EXPECT_EQ(selection_.CategoryOn(), (std::vector<int>{0, 1, 0, 0}));
  EXPECT_EQ(selection_.ListOn(), (std::vector<int>{1, 0}));
  EXPECT_FALSE(selection_.Admits(7, 0));
  EXPECT_FALSE(selection_.Admits(1, 5));
  EXPECT_FALSE(selection_.Admits(-1, 0));
  EXPECT_TRUE(selection_.Admits(1, 0));
}

TEST(IndexRowNumber, ReadsTheLeadingValueAsTheIndexFileMeansIt) {
  EXPECT_EQ(LeadingValue(U"01"), 1);
  EXPECT_EQ(LeadingValue(U"12"), 12);
  EXPECT_EQ(LeadingValue(U" 5"), 5);
  EXPECT_EQ(LeadingValue(U"7x"), 7);
  EXPECT_EQ(LeadingValue(U"-1"), -1);
  EXPECT_EQ(LeadingValue(U".5"), 0.5);
  EXPECT_EQ(LeadingValue(U"1."), 1);
  EXPECT_EQ(LeadingValue(U"●ふ"), 0);
  EXPECT_EQ(LeadingValue(U"０１"), 0);  // full-width digits are no number
  EXPECT_EQ(LeadingValue(U""), 0);
}

}  // namespace
}  // namespace crossword
