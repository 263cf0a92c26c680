#include <gtest/gtest.h>

#include "common/GridSettingsFile.h"
#include "common/RandomSource.h"
#include "designer/engine/GridChecks.h"
#include "tests/support/GridText.h"

namespace crossword {
namespace {

using testing::MarksFromRows;

TEST(GridChecks, WallsSideBySideInRowsAndColumns) {
  EXPECT_FALSE(FindBarPair(MarksFromRows({"#.#", ".#.", "#.#"})));  // diagonal neighbours only
  const auto pairs = FindBarPairs(MarksFromRows({"..#", ".##", "#.."}));
  const std::vector<BarPair> expected = {{{2, 2}, {3, 2}}, {{3, 1}, {3, 2}}};
  EXPECT_EQ(pairs, expected);
  // At the right and bottom edges.
  EXPECT_TRUE(FindBarPair(MarksFromRows({"...##"})));
  EXPECT_TRUE(FindBarPair(MarksFromRows({".", ".", "#", "#"})));
}

TEST(GridChecks, TheDiagonalCutsOffTheCellsBelowIt) {
  const auto marks = MarksFromRows({"#..", ".#.", "..#"});
  const std::vector<MasPosition> expected = {{1, 2}, {1, 3}, {2, 3}};
  EXPECT_EQ(FindCutOffCells(marks), expected);
  EXPECT_TRUE(FindIsolated(marks));
}

TEST(GridChecks, TheFillFollowsBendsLeftAndUpwards) {
  // From the top left along row 1, down column 5, left along row 5, up column 3 and left
  // again: the last cells are reached only by moving left and up.
  EXPECT_FALSE(FindIsolated(MarksFromRows({".....", "####.", "...#.", ".#.#.", ".#..."})));
  const auto cut = MarksFromRows({".....", "####.", "...#.", ".###.", ".#..."});
  const std::vector<MasPosition> expected = {{1, 3}, {2, 3}, {3, 3}, {1, 4}, {1, 5}};
  EXPECT_EQ(FindCutOffCells(cut), expected);
}

// The cells marked are the islands, not the grid: the first open cell may be an island.
TEST(GridChecks, EveryRegionButTheLargestIsCutOff) {
  const std::vector<std::pair<std::vector<std::string>, std::vector<MasPosition>>> cases = {
      {{".#...", "#....", "....."}, {{1, 1}}},  // the corner cell
      {{"..#..", "###..", "..#.#", "..#.."}, {{1, 1}, {2, 1}, {1, 3}, {2, 3}, {1, 4}, {2, 4}}},
      {{".#.", "#.#", ".#."}, {{3, 1}, {2, 2}, {1, 3}, {3, 3}}},  // equal: the first is kept
  };
  for (const auto& [rows, expected] : cases) {
    EXPECT_EQ(FindCutOffCells(MarksFromRows(rows)), expected) << rows[0];
    EXPECT_TRUE(FindIsolated(MarksFromRows(rows)));
  }
}

TEST(GridChecks, GridsWithoutOpenCellsOrWithoutWalls) {
  EXPECT_FALSE(FindIsolated(MarksFromRows({"#"})));
  EXPECT_FALSE(FindIsolated(MarksFromRows({"##", "##"})));
  EXPECT_FALSE(FindIsolated(MarksFromRows({"."})));
  // The largest grid a file holds, open everywhere: no recursion depth to run out of.
  EXPECT_FALSE(FindIsolated(CrossMasMarks(MasSizeMax, MasSizeMax, BlankMark)));
}

// The placement's check around new walls must agree with the checks of the whole grid on
// every step of random placements: single walls and mirrored groups, ones that cut off a
// corner or a long strip, on grids from a strip to 13 x 13, with and without short slots.
TEST(GridChecks, NewWallsAreJudgedAsTheWholeGridIs) {
  RandomSource random;
  int rejected = 0;
  for (int grid = 0; grid < 300; ++grid) {
    const int width = random.Draw(1, 13);
    const int height = random.Draw(2, 12);
    const int shortest = random.Draw(AnswerLenMin, 2);
    CrossMasMarks sound(width, height, BlankMark);
    if (FindShortSlot(sound, shortest)) continue;
    for (int step = 0; step < width * height; ++step) {
      const MasPosition first{random.Draw(1, width), random.Draw(1, height)};
      const std::vector<MasPosition> walls = {
          first, {width - first.x + 1, first.y}, {first.x, height - first.y + 1}};
      const std::span<const MasPosition> placed(walls.data(), random.Draw(1, 3));
      CrossMasMarks marks = sound;
      for (const MasPosition& wall : placed) marks(wall.x, wall.y) = WallMark;
      const bool whole =
          !FindBarPair(marks) && !FindIsolated(marks) && !FindShortSlot(marks, shortest);
      ASSERT_EQ(NewWallsKeepGridSound(marks, placed, shortest), whole)
          << width << " x " << height << ", step " << step << ", wall at " << first.x << ","
          << first.y;
      if (whole) sound = marks;
      rejected += whole ? 0 : 1;
    }
  }
  EXPECT_GT(rejected, 1000);  // the cases where the checks must say no were met
}

TEST(GridChecks, SlotsLongerThanTheDictionaryWords) {
  EXPECT_TRUE(FindLongSlots(CrossMasMarks(12, 12, BlankMark)).empty());
  auto marks = CrossMasMarks(14, 13, BlankMark);
  for (int x = 1; x <= 14; ++x) marks(x, 2) = WallMark;  // rows 3..13 make 11-cell columns
  marks(13, 1) = WallMark;
  const std::vector<CrossWordSlot> expected = {
      {FlagAcross, 1, 3, 14},  {FlagAcross, 1, 4, 14},  {FlagAcross, 1, 5, 14},
      {FlagAcross, 1, 6, 14},  {FlagAcross, 1, 7, 14},  {FlagAcross, 1, 8, 14},
      {FlagAcross, 1, 9, 14},  {FlagAcross, 1, 10, 14}, {FlagAcross, 1, 11, 14},
      {FlagAcross, 1, 12, 14}, {FlagAcross, 1, 13, 14}};
  EXPECT_EQ(FindLongSlots(marks), expected);  // row 1 holds 12 cells, then 1
  const auto column =
      MarksFromRows({".", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", "."});
  EXPECT_EQ(FindLongSlots(column), (std::vector<CrossWordSlot>{{FlagDown, 1, 1, 13}}));
}

TEST(GridChecks, SlotsShorterThanTheAnswersAsked) {
  // Row 3 holds four cells and column 5 three; every other slot two. Row 2's cells are lone
  // across, so no slot.
  const auto marks = MarksFromRows({"..#..", ".#.#.", "#....", "..#.#"});
  const std::vector<CrossWordSlot> expected = {
      {FlagAcross, 1, 1, 2}, {FlagAcross, 4, 1, 2}, {FlagAcross, 1, 4, 2}, {FlagDown, 1, 1, 2},
      {FlagDown, 2, 3, 2},   {FlagDown, 3, 2, 2},   {FlagDown, 4, 3, 2}};
  EXPECT_EQ(FindShortSlots(marks, 3), expected);
  EXPECT_TRUE(FindShortSlot(marks, 3));
  EXPECT_FALSE(FindShortSlot(marks, AnswerLenMin));  // every slot has two cells at least
  EXPECT_EQ(FindShortSlots(marks, 5).size(), expected.size() + 2);
  EXPECT_FALSE(FindShortSlot(MarksFromRows({"...", ".#.", "..."}), 3));
  EXPECT_TRUE(FindShortSlot(MarksFromRows({"..", ".."}), 3));  // a grid two cells wide
}

TEST(GridChecks, OpenBlocksOfAMinimumSideAndSize) {
  EXPECT_TRUE(FindOpenBlock(MarksFromRows({"...", "...", "..."}), 3, 9));
  EXPECT_FALSE(FindOpenBlock(MarksFromRows({"...", "...", "..#"}), 3, 9));
  EXPECT_FALSE(FindOpenBlock(MarksFromRows({"...", "...", "..."}), 3, 10));  // too few cells
  // 3 x 6 down the right, beside walls; 2 x 8 is too narrow.
  const auto tall = MarksFromRows({"#...", "....", "#...", "....", "#...", "....", "#...", "...."});
  EXPECT_TRUE(FindOpenBlock(tall, 3, 16));
  EXPECT_FALSE(
      FindOpenBlock(MarksFromRows({"#..", ".#.", "#..", "...", "#..", ".#.", "#..", "..."}), 3, 9));
  // The lowest column of a run bounds it: 4 x 3 across the bottom, not 4 x 4.
  const auto stepped = MarksFromRows({"#.#.", "....", "....", "...."});
  EXPECT_TRUE(FindOpenBlock(stepped, 3, 12));
  EXPECT_FALSE(FindOpenBlock(stepped, 3, 13));
  EXPECT_FALSE(FindOpenBlock(MarksFromRows({"#.#.#", ".#.#.", "#.#.#"}), 1, 2));
}

}  // namespace
}  // namespace crossword
