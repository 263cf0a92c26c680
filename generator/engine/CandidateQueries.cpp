#include "generator/engine/CandidateQueries.h"

namespace crossword {

// The query for a slot's letters: the whole reading when no cell is blank, else the
// known letters by position; empty when nothing is known. Letters travel as values, so
// an apostrophe or any other letter is searched for as itself.
WordQuery CandidateQueries::MakeQueryFilter(const std::u32string& pattern, int length) {
  WordQuery query;
  if (pattern.find(BlankMark) == std::u32string::npos) {
    query.Yst = pattern;
    return query;
  }
  for (int i = 1; i <= length; ++i) {
    if (pattern[i - 1] != BlankMark) query.Letters.emplace_back(i, pattern[i - 1]);
  }
  return query;
}

const std::vector<int>& CandidateQueries::Fetch(const GeneratorSlot& slot) {
  length_ = slot.AnswerLen;
  return patternMatches_.Candidates(*loaded_.DicDb, slot.AnswerLen, slot.Pattern,
                                    MakeQueryFilter(slot.Pattern, slot.AnswerLen),
                                    selection_.CategoryOn, selection_.ListOn);
}

const WordRecord& CandidateQueries::Record(int position) {
  loaded_.DicDb->ReadRecord(length_, position, record_);
  return record_;
}

}  // namespace crossword
