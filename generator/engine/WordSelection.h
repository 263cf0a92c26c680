#pragma once

#include <vector>

#include "dictionary/WordRecord.h"

// The words a run may ask, as the selection page left them when the run began.
namespace crossword {

struct WordSelection {
  // By number, 1 = asked; ListOn -1 = one word of the list per grid.
  std::vector<int> CategoryOn;  // indexed by category number 0..CategoryCount
  std::vector<int> ListOn;      // indexed by list number 0..ListCount
  int DifficultRank = 0;        // 1..5, or 0 for a selection made by hand

  // Whether a word of category CN and list BN may be asked.
  bool IsAdmitted(int CN, int BN) const;
};

// Whether a word may not share a grid with a word placed there: the same word, a second
// word of a list asked once per grid, the same clue or answer number, or each one's
// written form in the other's clue. ListOn as the selection has it.
bool ExcludedBy(const WordRecord& candidate, const WordRecord& placed,
                const std::vector<int>& ListOn);

}  // namespace crossword
