#include <gtest/gtest.h>

#include "dictionary/RankPreference.h"

namespace crossword {
namespace {

// Two bands; categories first asked by ranks 1, 2 and 3; a list asked once per grid from
// rank 3 and a list no rank asks.
const std::vector<std::u32string> kTwoBandIndex = {
    U";次行より「分野」",           U"●ふだんの言葉",
    U"01名詞,yes,yes,yes,yes,yes",  U"02生き物,no,yes,yes,yes,yes",
    U"●あまり使わない言葉",         U"03古い名詞,no,no,yes,yes,yes",
    U"04料理,yes,yes,yes,yes,yes",  U";ここまで",
    U";次行より「リスト」",         U"01略語,no,no,1,yes,yes",
    U"02まれな言葉,no,no,no,no,no", U";ここまで",
};

struct TierCase {
  int rank, CN, BN, tier;
};

TEST(RankPreference, EachRankWantsWhatItAddsThenTheRanksBelowThenCommonBands) {
  const IndexSection categories =
      ReadIndexSection("dic.idx", kTwoBandIndex, IndexSectionKind::Category);
  const IndexSection lists = ReadIndexSection("dic.idx", kTwoBandIndex, IndexSectionKind::List);
  const TierCase cases[] = {
      {1, 1, 0, 0},   // its own words, the common band
      {1, 4, 0, 1},   // its own words, the rarer band
      {1, 2, 0, 2},   // a rank-2 word checked by hand: after every rank-1 word
      {3, 3, 0, 1},   // rank 3's own
      {3, 1, 1, 0},   // a list asked once per grid from rank 3 makes the word rank 3's
      {3, 2, 0, 2},   // then rank 2's
      {3, 1, 0, 4},   // then rank 1's
      {5, 3, 0, 5},   // the hardest ranks prefer rank 3's words to rank 1's ...
      {5, 1, 0, 8},   // ... which come last
      {5, 1, 2, 10},  // a list no rank asks: after everything asked
      {1, 9, 0, 10},  // a category the index does not name
      {0, 4, 0, 1},   // a selection made by hand wants what rank 1 wants
  };
  for (const TierCase& c : cases) {
    EXPECT_EQ(RankPreference(categories, lists, c.rank).Tier(c.CN, c.BN), c.tier)
        << "rank " << c.rank << ", category " << c.CN << ", list " << c.BN;
  }
}

TEST(RankPreference, WithoutBandsOrIndexEveryWordOfARankIsEqual) {
  const std::vector<std::u32string> index = {U";次行より「分野」", U"01名詞,yes,yes,yes,yes,yes",
                                             U"02動詞,yes,yes,yes,yes,yes", U";ここまで"};
  const RankPreference preference(ReadIndexSection("dic.idx", index, IndexSectionKind::Category),
                                  ReadIndexSection("dic.idx", index, IndexSectionKind::List), 2);
  EXPECT_EQ(preference.Tier(1, 0), preference.Tier(2, 0));
  EXPECT_EQ(RankPreference().Tier(7, 3), 0);
}

}  // namespace
}  // namespace crossword
