#include <gtest/gtest.h>

#include "common/WordSlots.h"
#include "tests/support/GridText.h"

namespace crossword {
namespace {

using testing::MarksFromRows;

TEST(WordSlots, NumbersTheFiveByFiveExample) {
  const auto marks = MarksFromRows({"....#", ".#.#.", ".....", ".#.#.", "#...."});
  const std::vector<CrossWordSlot> expected = {{1, 1, 3, 5}, {2, 3, 1, 5}, {1, 1, 1, 4},
                                               {1, 2, 5, 4}, {2, 1, 1, 4}, {2, 5, 2, 4}};
  EXPECT_EQ(NumberWordSlots(marks), expected);
  const WordStatistics statistics = CountWords(marks);
  EXPECT_EQ(statistics.QuesNmbMax, 6);
  EXPECT_EQ(statistics.WordLenMax, 5);
  EXPECT_EQ(statistics.WordLenNmb[5], 2);
  EXPECT_EQ(statistics.WordLenNmb[4], 4);
}

TEST(WordSlots, AGridWithoutWallsHasItsRowsThenItsColumns) {
  const auto slots = NumberWordSlots(CrossMasMarks(5, 5, BlankMark));
  ASSERT_EQ(slots.size(), 10u);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(slots[k], (CrossWordSlot{1, 1, k + 1, 5}));
    EXPECT_EQ(slots[5 + k], (CrossWordSlot{2, k + 1, 1, 5}));
  }
  // 9 wide and 7 high: the seven rows (length 9) come before the nine columns.
  const auto wide = NumberWordSlots(CrossMasMarks(9, 7, BlankMark));
  ASSERT_EQ(wide.size(), 16u);
  EXPECT_EQ(wide[6], (CrossWordSlot{1, 1, 7, 9}));
  EXPECT_EQ(wide[7], (CrossWordSlot{2, 1, 1, 7}));
  EXPECT_EQ(wide[15], (CrossWordSlot{2, 9, 1, 7}));
}

TEST(WordSlots, LoneCellsBelongToNoSlot) {
  const auto marks = MarksFromRows({".#..#."});
  const auto positions = MarkWordPos(marks);
  const std::vector<int> expected = {0, 0, 1, 2, 0, 0};
  for (int x = 1; x <= 6; ++x) EXPECT_EQ(positions.WordPosH(x, 1), expected[x - 1]) << x;
  EXPECT_EQ(NumberWordSlots(marks), (std::vector<CrossWordSlot>{{1, 3, 1, 2}}));
  EXPECT_EQ(CountWords(marks).QuesNmbMax, 1);
}

TEST(WordSlots, TheLongestSlotComesFirstAndItsInnerCellsAreNotTakenForShorterOnes) {
  // A 12-cell row over a row cut in two; the 12-slot's inner positions 2..11 must not
  // be numbered as the ends of shorter slots.
  const auto marks = MarksFromRows({"............", "#####.######", "...#.#......"});
  const auto slots = NumberWordSlots(marks);
  ASSERT_FALSE(slots.empty());
  EXPECT_EQ(slots.front(), (CrossWordSlot{1, 1, 1, 12}));
  EXPECT_EQ(static_cast<int>(slots.size()), CountWords(marks).QuesNmbMax);
  for (const auto& slot : slots) EXPECT_GE(slot.AnswerLen, 2);
}

TEST(WordSlots, AcrossComesBeforeDownOfTheSameLengthWhereverItLies) {
  // The down slot of length 3 starts at the top left; the across one of length 3 lies
  // at the bottom right. The across slot still gets the smaller number.
  const auto marks = MarksFromRows({".####", ".####", ".####", "#####", "##..."});
  const auto slots = NumberWordSlots(marks);
  ASSERT_GE(slots.size(), 2u);
  EXPECT_EQ(slots[0], (CrossWordSlot{1, 3, 5, 3}));
  EXPECT_EQ(slots[1], (CrossWordSlot{2, 1, 1, 3}));
}

TEST(WordSlots, SlotsOverTwelveCountOnlyInTheTotals) {
  const auto statistics = CountWords(CrossMasMarks(13, 5, BlankMark));
  EXPECT_EQ(statistics.WordLenMax, 13);
  EXPECT_EQ(statistics.QuesNmbMax, 5 + 13);
  EXPECT_EQ(statistics.WordLenNmb[5], 13);
  int counted = 0;
  for (int n : statistics.WordLenNmb) counted += n;
  EXPECT_EQ(counted, 13);
}

TEST(WordSlots, EmbeddedLettersAreOpenCells) {
  const auto marks = MarksFromRows({"ア..", "#.#", "..イ"});
  EXPECT_EQ(EmbedChrFlagOf(marks), 1);
  EXPECT_EQ(EmbedChrFlagOf(MarksFromRows({"..", "#."})), 0);
  EXPECT_EQ(CountWords(marks).QuesNmbMax, 3);
  EXPECT_EQ(CountWalls(marks), 2);
}

}  // namespace
}  // namespace crossword
