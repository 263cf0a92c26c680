#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "dictionary/QuestionSelection.h"
#include "puzzle/KeywordMarks.h"
#include "tests/generator/GeneratorTestKit.h"
#include "tests/support/GridText.h"

namespace crossword {
namespace {

using testing::EveryShortWord;
using testing::GeneratorSetup;
using testing::Word;

struct ThoroughCase {
  const char* name;
  std::vector<std::string> grid;
  std::vector<WordRecord> words;  // EveryShortWord when empty
  FillResult result;
  const char* reason;  // for FillResult::NoFill
};

std::vector<ThoroughCase> Cases() {
  return {
      {"OpenSquare", {"...", "...", "..."}, {}, FillResult::Filled, ""},
      {"EmbeddedLettersKept", {".ア.", "...", "..ウ"}, {}, FillResult::Filled, ""},
      {"Lattice", {".....", ".#.#.", ".....", ".#.#.", "....."}, {}, FillResult::Filled, ""},
      {"LetterNoWordHas",
       {"...", ".エ.", "..."},
       {},
       FillResult::NoFill,
       "slot 2 (across from column 1, row 2, 3 letters) has no candidate"},
      // Two slots and one word: only the rule against a word used twice forbids it.
      {"OneWordForTwoSlots",
       {"...", "###", "..."},
       {Word(1, "アイウ")},
       FillResult::NoFill,
       "no combination of the candidates fits: no word of slot 1 (across from column 1, row 1, 3 "
       "letters) goes with its crossings"},
      // Each slot has words, but the crossing letters of the across words never agree.
      {"CrossingsNeverAgree",
       {"..", ".."},
       {Word(1, "アイ"), Word(2, "ウエ"), Word(3, "オカ"), Word(4, "キク")},
       FillResult::NoFill,
       "no combination of the candidates fits: no word of slot 1 (across from column 1, row 1, 2 "
       "letters) goes with its crossings"},
  };
}

void PrintTo(const ThoroughCase& c, std::ostream* out) {
  *out << c.name;
}

class ThoroughFill : public ::testing::TestWithParam<ThoroughCase> {};

// A filled grid holds a word of the dictionary in every slot, its cells agree with every
// crossing, embedded letters stay, and no word is used twice.
void ExpectSoundFill(const Generator& generator, const std::vector<std::string>& rows) {
  std::set<int> used;
  for (const GeneratorSlot& slot : generator.Grid().CrossWord) {
    EXPECT_TRUE(slot.FlagFixed);
    EXPECT_TRUE(used.insert(slot.Word.ID).second) << "word " << slot.Word.ID << " twice";
    for (int i = 1; i <= slot.AnswerLen; ++i) {
      EXPECT_EQ(generator.Grid().CrossMas(slot.CellX(i), slot.CellY(i)).DispWChr,
                slot.Word.Yst[i - 1]);
    }
  }
  const CrossMasMarks base = testing::MarksFromRows(rows);
  for (int y = 1; y <= base.MasMaxY(); ++y) {
    for (int x = 1; x <= base.MasMaxX(); ++x) {
      if (base(x, y) != BlankMark) {
        EXPECT_EQ(generator.Grid().CrossMas(x, y).DispWChr, base(x, y));
      }
    }
  }
}

TEST_P(ThoroughFill, FillsOrProvesThatNoFillExists) {
  const ThoroughCase& c = GetParam();
  GeneratorSetup setup;
  setup.WriteWords(c.words.empty() ? EveryShortWord() : c.words);
  setup.WriteGrids({c.grid});
  setup.Load();
  EXPECT_EQ(setup.generator.FillStageThorough(), c.result);
  if (c.result == FillResult::Filled) ExpectSoundFill(setup.generator, c.grid);
  EXPECT_EQ(setup.generator.NoFillReason(), c.reason);
}

INSTANTIATE_TEST_SUITE_P(Grids, ThoroughFill, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The same seed and files give the same fill; the pools and the order come from the run's
// random numbers only.
TEST(ThoroughFillOrder, SameSeedSameFill) {
  std::vector<std::u32string> fills;
  for (int run = 0; run < 2; ++run) {
    GeneratorSetup setup;
    setup.WriteWords(EveryShortWord());
    setup.WriteGrids({{"....", "....", "....", "...."}});
    setup.Load();
    setup.generator.Rnd.Reseed(7);
    ASSERT_EQ(setup.generator.FillStageThorough(), FillResult::Filled);
    std::u32string cells;
    for (const GeneratorSlot& slot : setup.generator.Grid().CrossWord) cells += slot.Word.Yst;
    fills.push_back(cells);
  }
  EXPECT_EQ(fills[0], fills[1]);
}

// A set of `stages` one-slot grids filled by the thorough search at `rank`, with everyday
// words in category 1 (asked by every rank) and rare ones in 2 (asked as `rareAsked` says);
// the answers, stage by stage.
std::vector<WordRecord> OneSlotSet(const std::vector<WordRecord>& words,
                                   const std::string& rareAsked, int rank, int stages, int seed) {
  GeneratorSetup setup;
  setup.WriteWords(words);
  setup.folder.Write("dic.idx", testing::Cp932Lines({";次行より「分野」", "●ふだんの言葉",
                                                     "01名詞,yes,yes,yes,yes,yes", "●まれな言葉",
                                                     "02古語," + rareAsked, ";ここまで"}));
  setup.WriteGrids({{".."}});
  EXPECT_EQ(setup.generator.LoadGridSettings(false), 1);
  QuestionSelection selection;
  const std::string folder = setup.folder.Path().string() + "/";
  EXPECT_EQ(selection.MakeIdxFileName(folder, "dic.lxd"), 1);
  selection.LoadIndex(folder, 0);
  selection.SelectDifficultRank(rank);
  setup.generator.TakeSelection(selection);
  setup.generator.Search = FillSearch::Thorough;
  setup.generator.MakingNmbMax = stages;
  std::vector<WordRecord> answers;
  setup.observer.onStageFinished = [&] { answers.push_back(setup.generator.Grid().Slot(1).Word); };
  setup.generator.Rnd.Reseed(seed);
  EXPECT_EQ(setup.generator.RunGeneration(), RunOutcome::Completed);
  return answers;
}

// A 初級 set writes the everyday record of a reading, and each everyday reading once before
// any comes again.
TEST(ThoroughFillPreference, WantedRecordsAndNoRepeatsAcrossTheSet) {
  const std::vector<WordRecord> words = {Word(1, "アイ", 2), Word(2, "アイ", 1),
                                         Word(3, "ウエ", 1), Word(4, "オカ", 1),
                                         Word(5, "キク", 2), Word(6, "ケコ", 2)};
  for (int seed = 1; seed <= 5; ++seed) {
    std::set<std::u32string> readings;
    for (const WordRecord& answer : OneSlotSet(words, "yes,yes,yes,yes,yes", 1, 3, seed)) {
      EXPECT_EQ(answer.CN, 1) << "a rare word while everyday ones were left";
      readings.insert(answer.Yst);
    }
    EXPECT_EQ(readings.size(), 3u) << "seed " << seed;
  }
}

// スーパーおたく級 wants the word only it asks far more than the everyday ones, yet no
// reading stands in more than three stages of a set while other words can fill.
TEST(ThoroughFillPreference, NoReadingInMoreThanThreeStages) {
  const std::vector<WordRecord> answers = OneSlotSet(
      {Word(1, "アイ", 2), Word(2, "ウエ", 1), Word(3, "オカ", 1)}, "no,no,no,no,yes", 5, 6, 1);
  const auto wanted = std::count_if(answers.begin(), answers.end(),
                                    [](const WordRecord& answer) { return answer.CN == 2; });
  EXPECT_EQ(wanted, 3);
}

// Words with a clue in Japanese are tried first: of the 27 words of three letters only the
// six orders of アイウ have one, and they fill the square without a word twice. The search
// keeps the crossings' order of preference too, so a seed may still take another word:
// counted over enough seeds to tell a preference from chance.
TEST(ThoroughFillOrder, WordsWithJapaneseCluesFirst) {
  const std::set<std::u32string> japanese = {U"アイウ", U"アウイ", U"イアウ",
                                             U"イウア", U"ウアイ", U"ウイア"};
  std::vector<WordRecord> words = EveryShortWord();
  for (WordRecord& word : words) {
    if (!japanese.contains(word.Yst)) word.Qst = U"clue " + word.Yst;
  }
  int placed = 0;
  int withJapaneseClue = 0;
  for (int seed = 1; seed <= 40; ++seed) {
    GeneratorSetup setup;
    setup.WriteWords(words);
    setup.WriteGrids({{"...", "...", "..."}});
    setup.Load();
    setup.generator.Rnd.Reseed(seed);
    ASSERT_EQ(setup.generator.FillStageThorough(), FillResult::Filled);
    for (const GeneratorSlot& slot : setup.generator.Grid().CrossWord) {
      ++placed;
      withJapaneseClue += japanese.contains(slot.Word.Yst) ? 1 : 0;
    }
  }
  EXPECT_GE(withJapaneseClue * 4, placed * 3) << withJapaneseClue << " of " << placed;
}

// A set of two 3 x 3 stages to hold `keyword`, filled by the thorough search.
RunOutcome RunWithKeyword(GeneratorSetup& setup, const std::u32string& keyword) {
  setup.WriteWords(EveryShortWord());
  setup.WriteGrids({{"...", "...", "..."}});
  setup.Load();
  setup.generator.Search = FillSearch::Thorough;
  setup.generator.MakingNmbMax = 2;
  setup.generator.Keywords = {keyword};
  return setup.generator.RunGeneration();
}

// The marks kept beside the set spell each stage's keyword in the letters written.
TEST(ThoroughFillKeyword, MarksSpellTheKeywordInTheWrittenLetters) {
  GeneratorSetup setup;
  ASSERT_EQ(RunWithKeyword(setup, U"アイ"), RunOutcome::Completed);
  const PuzzleSet set = ReadPuzzleSetWithMarks(setup.generator.Output().PuzzleFile());
  ASSERT_EQ(set.Stages.size(), 2u);
  for (const PuzzleStage& stage : set.Stages) {
    ASSERT_TRUE(stage.Keyword);
    EXPECT_EQ(stage.Keyword->Word, U"アイ");
    EXPECT_EQ(KeywordMismatch(stage, *stage.Keyword), "");
  }
}

// A keyword with a letter no word holds leaves the grid unfilled, and says why.
TEST(ThoroughFillKeyword, NoFillSpellsTheKeyword) {
  GeneratorSetup setup;
  EXPECT_EQ(RunWithKeyword(setup, U"エ"), RunOutcome::GivenUp);
  EXPECT_EQ(setup.generator.NoFillReason(),
            "none of its 12 fills gives the stage's keyword good cells");
}

}  // namespace
}  // namespace crossword
