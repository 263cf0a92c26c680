#include <gtest/gtest.h>

#include "tests/generator/GeneratorTestKit.h"

namespace crossword {
namespace {

using testing::GeneratorSetup;
using testing::kRing;
using testing::Word;

// A generator's stage grid and its exact fill.
struct ExactSetup : GeneratorSetup {
  FillGrid& grid = generator.Grid();
  ExactFill& fill = generator.Exact();
};

void SetCell(FillGrid& grid, int x, int y, char32_t letter) {
  grid.CrossMas(x, y).DispWChr = letter;
}

int ChooseAfterRefresh(ExactSetup& setup) {
  setup.grid.RefreshPatterns();
  return setup.fill.ChooseSlot();
}

TEST(SlotChoice, TiesGoToTheLowerSlotAndACompleteSlotWinsAtOnce) {
  ExactSetup setup;
  FillGrid& grid = setup.grid;
  ExactFill& fill = setup.fill;
  setup.Take(kRing);
  EXPECT_EQ(ChooseAfterRefresh(setup), 1);  // nothing known: the first unconfirmed slot

  SetCell(grid, 3, 3, U'ア');  // slots 2 and 4 know one letter each
  EXPECT_EQ(ChooseAfterRefresh(setup), 2);
  EXPECT_EQ(grid.Slot(4).KnownCnt, 1);

  SetCell(grid, 3, 1, U'イ');  // slot 4 complete, yet no word in it
  SetCell(grid, 3, 2, U'ウ');
  EXPECT_EQ(ChooseAfterRefresh(setup), 4);
  EXPECT_EQ(grid.Slot(4).Pattern, U"イウア");

  for (auto& slot : grid.CrossWord) slot.FlagFixed = true;
  EXPECT_EQ(fill.ChooseSlot(), 0);
}

TEST(SlotChoice, ACompleteSlotWinsOverOneWithMoreLetters) {
  ExactSetup setup;
  FillGrid& grid = setup.grid;
  setup.Take({".....", ".#.#.", "....."});  // slot 1 across row 1, slot 4 down column 3
  for (int x = 1; x <= 4; ++x) SetCell(grid, x, 1, U'ア');
  SetCell(grid, 3, 2, U'イ');
  SetCell(grid, 3, 3, U'ウ');
  EXPECT_EQ(ChooseAfterRefresh(setup), 4);
  EXPECT_EQ(grid.Slot(1).KnownCnt, 4);
}

TEST(SlotChoice, RefreshPatternsTakesTheWordFromASlotThatLostALetter) {
  ExactSetup setup;
  FillGrid& grid = setup.grid;
  setup.Take(kRing);
  grid.PlaceWord(1, Word(7, "アイウ", 1, 2, 3, 4));
  grid.WriteSlotWord(1);
  SetCell(grid, 1, 2, U'エ');
  SetCell(grid, 1, 3, U'オ');  // slot 3 complete through its crossings only
  grid.RefreshPatterns();
  EXPECT_TRUE(grid.Slot(1).FlagFixed);
  EXPECT_FALSE(grid.Slot(3).FlagFixed);
  EXPECT_EQ(grid.Slot(3).Pattern, U"アエオ");

  SetCell(grid, 2, 1, BlankMark);
  grid.RefreshPatterns();
  EXPECT_FALSE(grid.Slot(1).FlagFixed);
  EXPECT_EQ(grid.Slot(1).Word.ID, 0);
  EXPECT_EQ(grid.Slot(1).Word.BN, 0);
}

TEST(SlotChoice, ExclusionRulesLookAtConfirmedSlotsOnly) {
  ExactSetup setup;
  FillGrid& grid = setup.grid;
  ExactFill& fill = setup.fill;
  setup.Take(kRing);
  setup.generator.TakeSelection({{}, {1, 1, -1}, 0});
  WordRecord placed = Word(1, "アイウ", 1, 2, 0, 0);
  placed.Qst = U"答5 を含む問い";
  grid.PlaceWord(1, placed);

  EXPECT_TRUE(fill.IsExcluded(Word(1, "アイウ")));         // the same word
  EXPECT_TRUE(fill.IsExcluded(Word(2, "イイイ", 1, 2)));   // its list gives one word
  EXPECT_FALSE(fill.IsExcluded(Word(3, "ウウウ", 1, 1)));  // a list used freely
  EXPECT_FALSE(fill.IsExcluded(Word(4, "エエエ")));        // QN and AN 0 exclude nothing
  WordRecord echo = Word(5, "オオオ");
  EXPECT_FALSE(fill.IsExcluded(echo));  // only one clue names the other's answer
  echo.Qst = U"答1 の問い";
  EXPECT_TRUE(fill.IsExcluded(echo));

  grid.Slot(1).FlagFixed = false;
  EXPECT_FALSE(fill.IsExcluded(Word(1, "アイウ")));
}

TEST(SlotChoice, ClearCrossingWordsKeepsWallsAndEmbeddedLetters) {
  ExactSetup setup;
  FillGrid& grid = setup.grid;
  ExactFill& fill = setup.fill;
  setup.Take({"..キ", ".#.", "..."});
  grid.PlaceWord(3, Word(1, "アイウ"));  // down column 1
  grid.PlaceWord(4, Word(2, "キクケ"));  // down column 3
  grid.WriteSlotWord(3);
  grid.WriteSlotWord(4);
  fill.ClearCrossingWords(1);  // across row 1 crosses both
  EXPECT_EQ(grid.CrossMas(1, 3).DispWChr, BlankMark);
  EXPECT_EQ(grid.CrossMas(3, 2).DispWChr, BlankMark);
  EXPECT_EQ(grid.CrossMas(3, 1).DispWChr, U'キ');
  EXPECT_EQ(grid.CrossMas(2, 2).DispWChr, WallMark);
}

TEST(FailureHistory, KeepsTheNewestFirstAndFindsRepeats) {
  ExactSetup setup;
  FillGrid& grid = setup.grid;
  ExactFill& fill = setup.fill;
  setup.Take(kRing);
  fill.SetHistoryMax(3);
  for (char32_t letter : {U'ア', U'イ', U'ア'}) {
    SetCell(grid, 1, 1, letter);
    fill.PushHistory();
  }
  EXPECT_EQ(fill.History()[2][0], U'イ');
  EXPECT_TRUE(fill.FindRepeat());
  EXPECT_EQ(setup.observer.repeatsFound, std::vector<int>{3});

  fill.SetHistoryMax(2);  // the oldest entry goes, the others stay
  EXPECT_EQ(fill.History()[2][0], U'イ');
  EXPECT_FALSE(fill.FindRepeat());

  fill.SetHistoryMax(1);  // nothing left to compare with
  fill.PushHistory();
  EXPECT_FALSE(fill.FindRepeat());
  EXPECT_THROW(fill.SetHistoryMax(0), std::invalid_argument);
}

// Every slot of this grid is complete from its embedded letters.
class EmbeddedGrid : public ::testing::Test {
 protected:
  void Load(const std::vector<WordRecord>& words) {
    setup_.WriteWords(words);
    setup_.WriteGrids({{"アイ", "ウエ"}});
    setup_.Load();
  }
  ExactSetup setup_;
  FillGrid& grid_ = setup_.grid;
  ExactFill& fill_ = setup_.fill;
};

TEST_F(EmbeddedGrid, EachSlotNeedsTheWordOfItsOwnLetters) {
  Load({Word(1, "ウエ"), Word(2, "アイ"), Word(3, "イエ"), Word(4, "アウ"), Word(5, "アア")});
  ASSERT_TRUE(setup_.generator.Loaded().EmbedChrFlag);
  EXPECT_EQ(fill_.FillStage(), FillResult::Filled);
  EXPECT_EQ(grid_.Slot(1).Word.ID, 2);  // across row 1
  EXPECT_EQ(grid_.Slot(4).Word.ID, 3);  // down column 2
}

TEST_F(EmbeddedGrid, ARepeatedFailureEndsTheAttempt) {
  Load({Word(1, "ウエ"), Word(2, "アイ"), Word(4, "アウ")});
  EXPECT_EQ(fill_.FillStage(), FillResult::Failed);
  // The repair restores the same letters, so the second failure repeats the first.
  EXPECT_EQ(setup_.observer.repairsStarted, (std::vector<int>{0, 1}));
  EXPECT_EQ(setup_.observer.repeatsFound, std::vector<int>{2});
}

TEST_F(EmbeddedGrid, ReachingRetryMaxEndsWithoutAnotherSnapshot) {
  Load({Word(1, "ウエ")});
  setup_.generator.RetryMax = 1;
  fill_.SetHistoryMax(3);
  EXPECT_EQ(fill_.FillStage(), FillResult::Failed);
  EXPECT_FALSE(fill_.History()[1].empty());
  EXPECT_TRUE(fill_.History()[2].empty());
}

TEST_F(EmbeddedGrid, WithHistoryMaxOneOnlyRetryMaxEndsTheRepairs) {
  Load({Word(1, "ウエ")});
  setup_.generator.RetryMax = 3;
  fill_.SetHistoryMax(1);
  EXPECT_EQ(fill_.FillStage(), FillResult::Failed);
  EXPECT_EQ(setup_.observer.repairsStarted.size(), 4u);
  EXPECT_TRUE(setup_.observer.repeatsFound.empty());
}

TEST(CrossingLookAhead, ALetterFoundBadIsNotSearchedAgain) {
  ExactSetup setup;
  FillGrid& grid = setup.grid;
  ExactFill& fill = setup.fill;
  setup.WriteWords({Word(1, "カキ"), Word(2, "カキ"), Word(3, "アヲ")});
  setup.WriteGrids({{"..", ".#"}});
  setup.Load();
  SetCell(grid, 2, 1, U'キ');  // slot 1 across: only the two カキ fit
  SetCell(grid, 1, 2, U'ヲ');  // slot 2 down: only アヲ fits
  grid.RefreshPatterns();
  ASSERT_EQ(fill.FetchCandidates(1), 2);
  ASSERT_EQ(fill.CollectCrossings(1), 1);
  EXPECT_EQ(fill.PickCrossedCandidate(1, 2, 1), 0);
  EXPECT_EQ(fill.LetterCache()[0].BadChr, U"カ");  // one search for both candidates
  EXPECT_EQ(setup.observer.candidatesShown.size(), 2u);
}

TEST(FirstWord, NoAdmissibleWordEndsTheProgram) {
  ExactSetup setup;
  setup.WriteWords({Word(1, "アイ", 2), Word(2, "アイウ")});
  setup.WriteGrids({{"..", "#."}, {"....", "#..."}});
  setup.Load();
  setup.generator.TakeSelection({{0, 1, 0}, {1, 1, 1}, 0});
  setup.generator.LoadStagePattern(1);  // only a word of a category not asked
  EXPECT_THROW(setup.fill.PlaceFirstWord(), RunEnded);
  setup.generator.LoadStagePattern(2);  // no word of length 4 at all
  EXPECT_THROW(setup.fill.PlaceFirstWord(), RunEnded);
  EXPECT_EQ(setup.observer.messageTitles.size(), 2u);
  EXPECT_EQ(setup.observer.messageTitles[0], "着手不可能：該当する単語が皆無");
}

}  // namespace
}  // namespace crossword
