#include "generator/engine/Generator.h"

namespace crossword {

// The query for a slot's letters: the whole reading when no cell is blank, else the
// known letters by position; empty when nothing is known. Letters travel as values, so
// an apostrophe or any other letter is searched for as itself.
WordQuery Generator::MakeQueryFilter(const std::u32string& pattern, int length) {
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

// Every admitted word with the slot's letters, in stored order, however many there are:
// the shuffle works on all of them.
int Generator::FetchCandidates(int slot) {
  LetEventsRun();
  const GeneratorSlot& s = Slot(slot);
  candidateLength_ = s.AnswerLen;
  Candidate =
      patternMatches_.Candidates(*Loaded().DicDb, s.AnswerLen, s.Pattern,
                                 MakeQueryFilter(s.Pattern, s.AnswerLen), CategoryOn, ListOn);
  return static_cast<int>(Candidate.size());
}

const WordRecord& Generator::CandidateRecord(int i) {
  Loaded().DicDb->ReadRecord(candidateLength_, Candidate.at(i - 1), candidateRecord_);
  return candidateRecord_;
}

}  // namespace crossword
