#pragma once

#include <vector>

#include "dictionary/IndexFile.h"

// Which of the words a difficulty rank asks it wants most. The index file's category
// headings are bands of commonness, the most common first; a rank wants most the words it
// is the first rank to ask, then those of the ranks below it, the nearest first, and within
// each the more common band. A dictionary whose categories have no heading has one band.
namespace crossword {

class RankPreference {
 public:
  // Every word equally wanted.
  RankPreference() = default;
  // For rank 1..5; 0, a selection made by hand, wants the most common words most.
  RankPreference(const IndexSection& categories, const IndexSection& lists, int rank);

  // 0 for the words wanted most; each step is one band further from what the rank wants.
  int Tier(int CN, int BN) const;

 private:
  // The first rank whose columns ask a category and list, DifficultRankMax + 1 for none.
  int FirstRankAsking(int CN, int BN) const;

  int rank_ = 1;
  int bandCount_ = 1;
  std::vector<int> bandOf_;           // by category number: its band from 0
  std::vector<int> categoryFirst_;    // by category number: the first rank asking it
  std::vector<int> listFirst_ = {1};  // by list number, list 0 (none) asked by every rank
};

}  // namespace crossword
