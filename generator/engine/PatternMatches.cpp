#include "generator/engine/PatternMatches.h"

#include "dictionary/QuestionSelection.h"

namespace crossword {

namespace {

// Words kept before they are found afresh: enough for every pattern of a long run, a few
// megabytes.
constexpr size_t kListedWordsMax = size_t{4} << 20;

}  // namespace

const std::vector<int>& PatternMatches::Candidates(const WordIndex& words, int length,
                                                   const std::u32string& pattern,
                                                   const WordQuery& query,
                                                   const std::vector<int>& categoryOn,
                                                   const std::vector<int>& listOn) {
  if (categoryOn != categoryOn_ || listOn != listOn_ || listedWords_ > kListedWordsMax) {
    Forget();
    categoryOn_ = categoryOn;
    listOn_ = listOn;
  }
  const auto [found, fresh] = candidates_.try_emplace(pattern);
  if (fresh) {
    const std::vector<char>& admitted = Admitted(words, length);
    std::vector<int>& listed = found->second;  // a lambda may not name a structured binding (clang)
    words.ForEachMatch(length, query, [&](int k) {
      if (admitted[k]) listed.push_back(k);
      return true;
    });
    listedWords_ += listed.size();
  }
  return found->second;
}

const std::vector<char>& PatternMatches::Admitted(const WordIndex& words, int length) {
  std::vector<char>& admitted = admitted_.at(length);
  if (!admittedKnown_[length]) {
    const int count = words.RecordCount(length);
    admitted.assign(count + 1, 0);
    for (int k = 1; k <= count; ++k) {
      const auto [CN, BN] = words.ClassOf(length, k);
      admitted[k] = SelectionAdmits(categoryOn_, listOn_, CN, BN);
    }
    admittedKnown_[length] = true;
  }
  return admitted;
}

void PatternMatches::Forget() {
  admittedKnown_.fill(false);
  candidates_.clear();
  listedWords_ = 0;
}

}  // namespace crossword
