#include <gtest/gtest.h>

#include "tests/generator/GeneratorTestKit.h"

namespace crossword {
namespace {

using testing::GeneratorSetup;
using testing::Word;

// A 3 x 3 ring: slot 1 across row 1, 2 across row 3, 3 down column 1, 4 down column 3.
const std::vector<std::string> kRing = {"...", ".#.", "..."};

void SetCell(Generator& generator, int x, int y, char32_t letter) {
  generator.CrossMas(x, y).DispWChr = letter;
}

int ChooseAfterRefresh(Generator& generator) {
  generator.RefreshPatterns();
  return generator.ChooseSlot();
}

TEST(SlotChoice, TiesGoToTheLowerSlotAndACompleteSlotWinsAtOnce) {
  GeneratorSetup setup;
  Generator& generator = setup.generator;
  setup.Take(kRing);
  EXPECT_EQ(ChooseAfterRefresh(generator), 1);  // nothing known: the first unconfirmed slot

  SetCell(generator, 3, 3, U'ア');  // slots 2 and 4 know one letter each
  EXPECT_EQ(ChooseAfterRefresh(generator), 2);
  EXPECT_EQ(generator.Slot(4).KnownCnt, 1);

  SetCell(generator, 3, 1, U'イ');  // slot 4 complete, yet no word in it
  SetCell(generator, 3, 2, U'ウ');
  EXPECT_EQ(ChooseAfterRefresh(generator), 4);
  EXPECT_EQ(generator.Slot(4).Pattern, U"イウア");

  for (auto& slot : generator.CrossWord) slot.FlagFixed = true;
  EXPECT_EQ(generator.ChooseSlot(), 0);
}

TEST(SlotChoice, ACompleteSlotWinsOverOneWithMoreLetters) {
  GeneratorSetup setup;
  Generator& generator = setup.generator;
  setup.Take({".....", ".#.#.", "....."});  // slot 1 across row 1, slot 4 down column 3
  for (int x = 1; x <= 4; ++x) SetCell(generator, x, 1, U'ア');
  SetCell(generator, 3, 2, U'イ');
  SetCell(generator, 3, 3, U'ウ');
  EXPECT_EQ(ChooseAfterRefresh(generator), 4);
  EXPECT_EQ(generator.Slot(1).KnownCnt, 4);
}

TEST(SlotChoice, RefreshPatternsTakesTheWordFromASlotThatLostALetter) {
  GeneratorSetup setup;
  Generator& generator = setup.generator;
  setup.Take(kRing);
  generator.PlaceWord(1, Word(7, "アイウ", 1, 2, 3, 4));
  generator.WriteSlotWord(1);
  SetCell(generator, 1, 2, U'エ');
  SetCell(generator, 1, 3, U'オ');  // slot 3 complete through its crossings only
  generator.RefreshPatterns();
  EXPECT_TRUE(generator.Slot(1).FlagFixed);
  EXPECT_FALSE(generator.Slot(3).FlagFixed);
  EXPECT_EQ(generator.Slot(3).Pattern, U"アエオ");

  SetCell(generator, 2, 1, BlankMark);
  generator.RefreshPatterns();
  EXPECT_FALSE(generator.Slot(1).FlagFixed);
  EXPECT_EQ(generator.Slot(1).Word.ID, 0);
  EXPECT_EQ(generator.Slot(1).Word.BN, 0);
}

TEST(SlotChoice, ExclusionRulesLookAtConfirmedSlotsOnly) {
  GeneratorSetup setup;
  Generator& generator = setup.generator;
  setup.Take(kRing);
  generator.TakeSelection({{}, {1, 1, -1}, 0});
  WordRecord placed = Word(1, "アイウ", 1, 2, 0, 0);
  placed.Qst = U"答5 を含む問い";
  generator.PlaceWord(1, placed);

  EXPECT_TRUE(generator.IsExcluded(Word(1, "アイウ")));         // the same word
  EXPECT_TRUE(generator.IsExcluded(Word(2, "イイイ", 1, 2)));   // its list gives one word
  EXPECT_FALSE(generator.IsExcluded(Word(3, "ウウウ", 1, 1)));  // a list used freely
  EXPECT_FALSE(generator.IsExcluded(Word(4, "エエエ")));        // QN and AN 0 exclude nothing
  WordRecord echo = Word(5, "オオオ");
  EXPECT_FALSE(generator.IsExcluded(echo));  // only one clue names the other's answer
  echo.Qst = U"答1 の問い";
  EXPECT_TRUE(generator.IsExcluded(echo));

  generator.Slot(1).FlagFixed = false;
  EXPECT_FALSE(generator.IsExcluded(Word(1, "アイウ")));
}

TEST(SlotChoice, ClearCrossingWordsKeepsWallsAndEmbeddedLetters) {
  GeneratorSetup setup;
  Generator& generator = setup.generator;
  setup.Take({"..キ", ".#.", "..."});
  generator.PlaceWord(3, Word(1, "アイウ"));  // down column 1
  generator.PlaceWord(4, Word(2, "キクケ"));  // down column 3
  generator.WriteSlotWord(3);
  generator.WriteSlotWord(4);
  generator.ClearCrossingWords(1);  // across row 1 crosses both
  EXPECT_EQ(generator.CrossMas(1, 3).DispWChr, BlankMark);
  EXPECT_EQ(generator.CrossMas(3, 2).DispWChr, BlankMark);
  EXPECT_EQ(generator.CrossMas(3, 1).DispWChr, U'キ');
  EXPECT_EQ(generator.CrossMas(2, 2).DispWChr, WallMark);
}

TEST(FailureHistory, KeepsTheNewestFirstAndFindsRepeats) {
  GeneratorSetup setup;
  Generator& generator = setup.generator;
  setup.Take(kRing);
  generator.SetHistoryMax(3);
  for (char32_t letter : {U'ア', U'イ', U'ア'}) {
    SetCell(generator, 1, 1, letter);
    generator.PushHistory();
  }
  EXPECT_EQ(generator.History[2][0], U'イ');
  EXPECT_TRUE(generator.FindRepeat());
  EXPECT_EQ(setup.observer.repeatsFound, std::vector<int>{3});

  generator.SetHistoryMax(2);  // the oldest entry goes, the others stay
  EXPECT_EQ(generator.History[2][0], U'イ');
  EXPECT_FALSE(generator.FindRepeat());

  generator.SetHistoryMax(1);  // nothing left to compare with
  generator.PushHistory();
  EXPECT_FALSE(generator.FindRepeat());
  EXPECT_THROW(generator.SetHistoryMax(0), std::invalid_argument);
}

// Every slot of this grid is complete from its embedded letters.
class EmbeddedGrid : public ::testing::Test {
 protected:
  void Load(const std::vector<WordRecord>& words) {
    setup_.WriteWords(words);
    setup_.WriteGrids({{"アイ", "ウエ"}});
    setup_.Load();
  }
  GeneratorSetup setup_;
  Generator& generator_ = setup_.generator;
};

TEST_F(EmbeddedGrid, EachSlotNeedsTheWordOfItsOwnLetters) {
  Load({Word(1, "ウエ"), Word(2, "アイ"), Word(3, "イエ"), Word(4, "アウ"), Word(5, "アア")});
  ASSERT_TRUE(generator_.Loaded().EmbedChrFlag);
  EXPECT_EQ(generator_.FillStage(), FillResult::Filled);
  EXPECT_EQ(generator_.Slot(1).Word.ID, 2);  // across row 1
  EXPECT_EQ(generator_.Slot(4).Word.ID, 3);  // down column 2
}

TEST_F(EmbeddedGrid, ARepeatedFailureEndsTheAttempt) {
  Load({Word(1, "ウエ"), Word(2, "アイ"), Word(4, "アウ")});
  EXPECT_EQ(generator_.FillStage(), FillResult::Failed);
  // The repair restores the same letters, so the second failure repeats the first.
  EXPECT_EQ(setup_.observer.repairsStarted, (std::vector<int>{0, 1}));
  EXPECT_EQ(setup_.observer.repeatsFound, std::vector<int>{2});
}

TEST_F(EmbeddedGrid, ReachingRetryMaxEndsWithoutAnotherSnapshot) {
  Load({Word(1, "ウエ")});
  generator_.RetryMax = 1;
  generator_.SetHistoryMax(3);
  EXPECT_EQ(generator_.FillStage(), FillResult::Failed);
  EXPECT_FALSE(generator_.History[1].empty());
  EXPECT_TRUE(generator_.History[2].empty());
}

TEST_F(EmbeddedGrid, WithHistoryMaxOneOnlyRetryMaxEndsTheRepairs) {
  Load({Word(1, "ウエ")});
  generator_.RetryMax = 3;
  generator_.SetHistoryMax(1);
  EXPECT_EQ(generator_.FillStage(), FillResult::Failed);
  EXPECT_EQ(setup_.observer.repairsStarted.size(), 4u);
  EXPECT_TRUE(setup_.observer.repeatsFound.empty());
}

TEST(CrossingLookAhead, ALetterFoundBadIsNotSearchedAgain) {
  GeneratorSetup setup;
  Generator& generator = setup.generator;
  setup.WriteWords({Word(1, "カキ"), Word(2, "カキ"), Word(3, "アヲ")});
  setup.WriteGrids({{"..", ".#"}});
  setup.Load();
  SetCell(generator, 2, 1, U'キ');  // slot 1 across: only the two カキ fit
  SetCell(generator, 1, 2, U'ヲ');  // slot 2 down: only アヲ fits
  generator.RefreshPatterns();
  ASSERT_EQ(generator.FetchCandidates(1), 2);
  ASSERT_EQ(generator.CollectCrossings(1), 1);
  EXPECT_EQ(generator.PickCrossedCandidate(1, 2, 1), 0);
  EXPECT_EQ(generator.LetterCache[0].BadChr, U"カ");  // one search for both candidates
  EXPECT_EQ(setup.observer.candidatesShown.size(), 2u);
}

TEST(FirstWord, NoAdmissibleWordEndsTheProgram) {
  GeneratorSetup setup;
  setup.WriteWords({Word(1, "アイ", 2), Word(2, "アイウ")});
  setup.WriteGrids({{"..", "#."}, {"....", "#..."}});
  setup.Load();
  setup.generator.TakeSelection({{0, 1, 0}, {1, 1, 1}, 0});
  setup.generator.LoadStagePattern(1);  // only a word of a category not asked
  EXPECT_THROW(setup.generator.PlaceFirstWord(), RunEnded);
  setup.generator.LoadStagePattern(2);  // no word of length 4 at all
  EXPECT_THROW(setup.generator.PlaceFirstWord(), RunEnded);
  EXPECT_EQ(setup.observer.messageTitles.size(), 2u);
  EXPECT_EQ(setup.observer.messageTitles[0], "着手不可能：該当する単語が皆無");
}

}  // namespace
}  // namespace crossword
