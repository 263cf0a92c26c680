#include "generator/engine/WordSelection.h"

#include "dictionary/QuestionSelection.h"

namespace crossword {

bool WordSelection::IsAdmitted(int CN, int BN) const {
  return SelectionAdmits(CategoryOn, ListOn, CN, BN);
}

}  // namespace crossword
