#include "generator/engine/WordSelection.h"

#include <string_view>

#include "dictionary/QuestionSelection.h"

namespace crossword {

namespace {

// An empty text occurs in no clue: an answer without a written form excludes nothing.
bool Occurs(std::u32string_view text, std::u32string_view in) {
  return !text.empty() && in.find(text) != std::u32string::npos;
}

}  // namespace

bool WordSelection::IsAdmitted(int CN, int BN) const {
  return SelectionAdmits(CategoryOn, ListOn, CN, BN);
}

bool ExcludedBy(const WordRecord& candidate, const WordRecord& placed,
                const std::vector<int>& ListOn) {
  const bool sameOnceAskedList =
      placed.BN == candidate.BN && candidate.BN > 0 && ListOn.at(candidate.BN) == -1;
  return placed.ID == candidate.ID || sameOnceAskedList ||
         (placed.QN > 0 && placed.QN == candidate.QN) ||
         (placed.AN > 0 && placed.AN == candidate.AN) ||
         (Occurs(candidate.Ast, placed.Qst) && Occurs(placed.Ast, candidate.Qst));
}

}  // namespace crossword
