#include "generator/engine/WordSelection.h"

namespace crossword {

// A word may be asked when its category is on and its list is not off. Numbers beyond
// the index file's tables belong to nothing the user could select.
bool WordSelection::IsAdmitted(int CN, int BN) const {
  const bool categoryKnown = CN >= 0 && CN < static_cast<int>(CategoryOn.size());
  const bool listKnown = BN >= 0 && BN < static_cast<int>(ListOn.size());
  return categoryKnown && listKnown && CategoryOn[CN] == 1 && ListOn[BN] != 0;
}

}  // namespace crossword
