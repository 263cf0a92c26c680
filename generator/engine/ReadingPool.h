#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "generator/engine/ThoroughSearch.h"

namespace crossword {

// A candidate's cost: this much for each band of commonness it lies from what the rank
// wants and for each earlier stage of the set that holds its reading, one more for a clue
// in English.
constexpr int kCostsPerTier = 2;

// The words of one reading that a slot pattern admits.
struct ReadingGroup {
  std::u32string_view reading;
  int cost;                  // its cheapest record's
  std::vector<int> records;  // stored positions, the cheapest first
};

// A slot pattern's words by reading, in stored order of their first words.
struct ReadingGroups {
  std::vector<ReadingGroup> groups;
  std::unordered_map<std::u32string_view, int> byReading;  // each group's place
};

// The words a slot pattern offers the thorough search, one candidate per reading: the
// records of one reading differ only in how much the puzzle wants them, so the search
// decides on letters and the most wanted record that the placed words allow is written.
struct ReadingPool {
  int length = 0;
  std::vector<int> costs;                        // per candidate, the cheapest first
  std::vector<const std::vector<int>*> records;  // per candidate: its group's records
  std::u32string letters;                        // candidate i's reading at i * length

  int Size() const { return static_cast<int>(costs.size()); }
  // The search's pool of the candidates that cost at most `most`: candidate i is this
  // pool's candidate i.
  CandidatePool Within(int most) const;
};

}  // namespace crossword
