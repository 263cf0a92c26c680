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

int Generator::FetchCandidates(int slot) {
  const GeneratorSlot& s = Slot(slot);
  const WordQuery filter = MakeQueryFilter(s.Pattern, s.AnswerLen);
  return filter.IsEmpty() ? FetchAllCandidates(slot) : FetchMatchingCandidates(slot, filter);
}

// Every candidate is kept, however many there are: the shuffle works on all of them.
int Generator::FetchAllCandidates(int slot) {
  candidateLength_ = Slot(slot).AnswerLen;
  Candidate.clear();
  const int N = DicDb->RecordCount(candidateLength_);
  for (int k = 1; k <= N; ++k) AddIfAdmitted(candidateLength_, k);
  return static_cast<int>(Candidate.size());
}

int Generator::FetchMatchingCandidates(int slot, const WordQuery& filter) {
  candidateLength_ = Slot(slot).AnswerLen;
  Candidate.clear();
  for (int k : DicDb->FindAll(candidateLength_, filter)) AddIfAdmitted(candidateLength_, k);
  return static_cast<int>(Candidate.size());
}

void Generator::AddIfAdmitted(int length, int k) {
  LetEventsRun();
  const auto [CN, BN] = DicDb->ClassOf(length, k);
  if (IsAdmitted(CN, BN)) Candidate.push_back(k);
}

const WordRecord& Generator::CandidateRecord(int i) {
  DicDb->ReadRecord(candidateLength_, Candidate.at(i - 1), candidateRecord_);
  return candidateRecord_;
}

}  // namespace crossword
