#include <gtest/gtest.h>

#include "tests/generator/GeneratorTestKit.h"

namespace crossword {
namespace {

using testing::GeneratorSetup;
using testing::Word;

TEST(QueryFilter, AsksForTheWholeReadingOrTheKnownLettersByPosition) {
  using Letters = std::vector<std::pair<int, char32_t>>;
  EXPECT_EQ(CandidateQueries::MakeQueryFilter(U"あ　い", 3).Letters,
            (Letters{{1, U'あ'}, {3, U'い'}}));
  const WordQuery complete = CandidateQueries::MakeQueryFilter(U"かさ", 2);
  EXPECT_EQ(complete.Yst, U"かさ");
  EXPECT_TRUE(complete.Letters.empty());
  EXPECT_TRUE(CandidateQueries::MakeQueryFilter(U"　　　", 3).IsEmpty());
  const std::u32string ends = U"あ" + std::u32string(10, BlankMark) + U"ん";
  EXPECT_EQ(CandidateQueries::MakeQueryFilter(ends, 12).Letters,
            (Letters{{1, U'あ'}, {12, U'ん'}}));
}

// Words of length 2 in stored order: many admitted ones, then one for each way a word is
// kept out.
class CandidateFetch : public ::testing::Test {
 protected:
  static constexpr int kAdmitted = 10001;  // more than the old fixed candidate list held

  void SetUp() override {
    std::vector<WordRecord> words;
    for (int id = 1; id <= kAdmitted; ++id) words.push_back(Word(id, "アイ"));
    words.push_back(Word(20001, "アイ", 2));     // category not asked
    words.push_back(Word(20002, "アイ", 1, 2));  // list not used
    words.push_back(Word(20003, "アイ", 9));     // category beyond the index file
    words.push_back(Word(20004, "アイ", 1, 9));  // list beyond the index file
    words.push_back(Word(20005, "ア'", 1, 1));   // a list used freely
    setup_.WriteWords(words);
    setup_.WriteGrids({{"..", "#."}});
    setup_.Load();
    setup_.generator.TakeSelection({{0, 1, 0}, {1, 1, 0}, 0});
    setup_.generator.Grid().RefreshPatterns();
  }

  GeneratorSetup setup_;
  Generator& generator_ = setup_.generator;
};

TEST_F(CandidateFetch, AnEmptySlotTakesEveryAdmittedWordInStoredOrder) {
  ASSERT_EQ(generator_.Exact().FetchCandidates(1), kAdmitted + 1);
  EXPECT_EQ(generator_.Exact().CandidateRecord(1).ID, 1);
  EXPECT_EQ(generator_.Exact().CandidateRecord(kAdmitted).ID, kAdmitted);
  EXPECT_EQ(generator_.Exact().CandidateRecord(kAdmitted + 1).ID, 20005);
}

// Candidates are kept per pattern: a selection changed in between must still be followed.
TEST_F(CandidateFetch, ASelectionChangedBetweenFetchesIsFollowed) {
  ASSERT_EQ(generator_.Exact().FetchCandidates(1), kAdmitted + 1);
  generator_.TakeSelection({{0, 1, 1}, {1, 1, 0}, 0});
  EXPECT_EQ(generator_.Exact().FetchCandidates(1), kAdmitted + 2);
  generator_.TakeSelection({{0, 1, 1}, {1, 0, 0}, 0});
  EXPECT_EQ(generator_.Exact().FetchCandidates(1), kAdmitted + 1);
  EXPECT_EQ(generator_.Exact().CandidateRecord(kAdmitted + 1).ID, 20001);
}

TEST_F(CandidateFetch, KnownLettersAreSearchedAsValues) {
  generator_.Grid().CrossMas(2, 1).DispWChr = U'\'';
  generator_.Grid().RefreshPatterns();
  ASSERT_EQ(generator_.Exact().FetchCandidates(1), 1);
  EXPECT_EQ(generator_.Exact().CandidateRecord(1).Yst, U"ア'");
  generator_.Grid().CrossMas(1, 1).DispWChr = U'ア';
  generator_.Grid().CrossMas(2, 1).DispWChr = U'イ';
  generator_.Grid().RefreshPatterns();
  EXPECT_EQ(generator_.Exact().FetchCandidates(1), kAdmitted);
}

}  // namespace
}  // namespace crossword
