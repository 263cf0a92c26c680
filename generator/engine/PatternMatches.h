#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/GridModel.h"
#include "dictionary/WordQuery.h"
#include "generator/engine/WordIndex.h"

namespace crossword {

// The admitted words that fit each slot pattern, kept while the selection stays the same:
// a fill asks for the same patterns again and again as it retries and restarts. A pattern
// names its query: the slot's letters with a blank mark where none is known.
class PatternMatches {
 public:
  // The words of `length` that the selection admits and `query` matches, in stored order.
  // Valid until the next call.
  const std::vector<int>& Candidates(const WordIndex& words, int length,
                                     const std::u32string& pattern, const WordQuery& query,
                                     const std::vector<int>& categoryOn,
                                     const std::vector<int>& listOn);
  // Forgets everything: for another dictionary.
  void Forget();

 private:
  const std::vector<char>& Admitted(const WordIndex& words, int length);

  std::vector<int> categoryOn_, listOn_;  // the selection the candidates were found for
  std::array<std::vector<char>, AnswerLenMax + 1> admitted_;  // per length, by word from 1
  std::array<bool, AnswerLenMax + 1> admittedKnown_{};
  std::unordered_map<std::u32string, std::vector<int>> candidates_;  // by pattern
  size_t listedWords_ = 0;                                           // in candidates_
};

}  // namespace crossword
