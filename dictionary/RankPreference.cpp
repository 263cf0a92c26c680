#include "dictionary/RankPreference.h"

#include <algorithm>

namespace crossword {

namespace {

constexpr int kNeverAsked = DifficultRankMax + 1;

// By item number: the first rank whose column holds one of `asking`.
std::vector<int> FirstRanks(const IndexSection& section,
                            std::initializer_list<std::u32string_view> asking) {
  std::vector<int> first(section.ItemCount + 1, kNeverAsked);
  for (const IndexRow& row : section.Rows) {
    if (row.RowKind != IndexRow::Kind::Item || row.Number > section.ItemCount) continue;
    for (int k = DifficultRankMax; k >= 1; --k) {
      const auto field = row.RankField(k);
      if (field && std::find(asking.begin(), asking.end(), *field) != asking.end()) {
        first[row.Number] = k;
      }
    }
  }
  return first;
}

}  // namespace

RankPreference::RankPreference(const IndexSection& categories, const IndexSection& lists, int rank)
    : rank_(std::clamp(rank, 1, DifficultRankMax)),
      bandOf_(categories.ItemCount + 1, 0),
      categoryFirst_(FirstRanks(categories, {U"yes"})),
      listFirst_(FirstRanks(lists, {U"yes", U"1"})) {
  listFirst_[0] = 1;
  int band = -1;
  for (const IndexRow& row : categories.Rows) {
    if (row.RowKind == IndexRow::Kind::Heading) ++band;
    if (row.RowKind == IndexRow::Kind::Item && row.Number <= categories.ItemCount) {
      bandOf_[row.Number] = std::max(band, 0);
    }
  }
  bandCount_ = std::max(band + 1, 1);
}

int RankPreference::FirstRankAsking(int CN, int BN) const {
  const bool known = CN >= 0 && CN < static_cast<int>(categoryFirst_.size()) && BN >= 0 &&
                     BN < static_cast<int>(listFirst_.size());
  return known ? std::max(categoryFirst_[CN], listFirst_[BN]) : kNeverAsked;
}

int RankPreference::Tier(int CN, int BN) const {
  if (bandOf_.empty()) return 0;
  const int first = FirstRankAsking(CN, BN);
  // Words of harder ranks come only from boxes checked by hand: after every easier word.
  const int distance = first <= rank_ ? rank_ - first : first - 1;
  const int band = CN >= 0 && CN < static_cast<int>(bandOf_.size()) ? bandOf_[CN] : 0;
  return distance * bandCount_ + band;
}

}  // namespace crossword
