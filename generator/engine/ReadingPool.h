#pragma once

#include <span>
#include <string>
#include <vector>

#include "common/RandomSource.h"
#include "generator/engine/ThoroughSearch.h"

namespace crossword {

// A candidate's cost: this much for each band of commonness it lies from what the rank
// wants and for each earlier stage of the set that holds its reading, one more for a clue
// in English.
constexpr int kCostsPerTier = 2;

// The words of one reading that a slot pattern admits.
struct ReadingGroup {
  int cost;         // its cheapest record's
  int firstRecord;  // its records in ReadingGroups::records, the cheapest first
  int recordCount;
};

// A slot pattern's words by reading, in stored order of their first words.
struct ReadingGroups {
  int length = 0;
  std::vector<ReadingGroup> groups;
  std::u32string letters;    // group g's reading at g * length
  std::vector<int> records;  // stored positions, group by group

  std::span<const int> RecordsOf(int g) const {
    return {records.data() + groups[g].firstRecord, static_cast<size_t>(groups[g].recordCount)};
  }
  std::u32string_view ReadingOf(int g) const {
    return std::u32string_view(letters).substr(static_cast<size_t>(g) * length, length);
  }
  int Find(std::u32string_view reading) const;  // the reading's group; -1 when none
  // Made from the words in stored order: Begin, Add each, then Close.
  void Begin(int wordLength, int words);
  void Add(std::u32string_view reading, int cost, int k);
  void Close();

 private:
  struct Added {
    int group, cost, k;
  };
  size_t EntryOf(std::u32string_view reading) const;

  std::vector<Added> added_;
  // Each group's number at a place found from its reading, -1 where none is: a table of its
  // own, as a pattern of a long run has tens of thousands of readings.
  std::vector<int> table_;
};

// The words a slot pattern offers the thorough search, one candidate per reading: the
// records of one reading differ only in how much the puzzle wants them, so the search
// decides on letters and the most wanted record that the placed words allow is written.
// Candidates go the cheapest first, in a random order within each cost that is drawn only
// when an attempt first reaches that cost: most fills never look past the cheap ones.
class ReadingPool {
 public:
  // `costs`: each group's, for this stage.
  ReadingPool(const ReadingGroups& groups, const std::vector<int>& costs);

  int Size() const { return static_cast<int>(costs_.size()); }
  const std::vector<int>& Costs() const { return costs_; }  // per candidate, ascending
  std::span<const int> Records(int i) const { return groups_->RecordsOf(order_[i]); }
  int Length() const { return groups_->length; }
  int CountWithin(int most) const;  // the candidates that cost at most `most`
  // Grows the search's `pool` of this pool's first candidates to those that cost at most
  // `most`: candidate i is this pool's candidate i.
  void ExtendWithin(CandidatePool& pool, int most, RandomSource& random);

 private:
  void ShuffleUpTo(int count, RandomSource& random);

  const ReadingGroups* groups_;
  std::vector<int> order_;  // per candidate: its group
  std::vector<int> costs_;
  int shuffled_ = 0;  // candidates before this one are in their final order
};

}  // namespace crossword
