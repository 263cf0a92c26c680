#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dictionary/WordQuery.h"
#include "dictionary/WordRecord.h"
#include "generator/engine/GeneratorGrid.h"
#include "generator/engine/LoadedGridSettings.h"
#include "generator/engine/PatternMatches.h"
#include "generator/engine/WordSelection.h"

// The admitted words that fit a slot's letters.
//
// Needs: the loaded dictionary's words and the selection in use, both read when asked
// (another grid file may bring another dictionary, a run another selection). Gives: a
// slot's candidates as stored positions, their records and readings, and the query for
// a pattern.
namespace crossword {

class CandidateQueries {
 public:
  CandidateQueries(const LoadedGridSettings& loaded, const WordSelection& selection)
      : loaded_(loaded), selection_(selection) {}

  static WordQuery MakeQueryFilter(const std::u32string& pattern, int length);

  // Every admitted word with the slot's letters, in stored order, however many there are.
  // Valid until the next call.
  const std::vector<int>& Fetch(const GeneratorSlot& slot);
  // The word at stored position `position` of the length fetched last; valid until the
  // next call.
  const WordRecord& Record(int position);
  std::u32string_view Reading(int position) const {
    return loaded_.DicDb->Reading(length_, position);
  }
  // For another dictionary.
  void Forget() { patternMatches_.Forget(); }

 private:
  const LoadedGridSettings& loaded_;
  const WordSelection& selection_;
  int length_ = 0;                 // answer length of the words fetched last
  WordRecord record_;              // the record read last, its strings reused
  PatternMatches patternMatches_;  // in the loaded words
};

}  // namespace crossword
