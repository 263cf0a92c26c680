#include "generator/engine/ReadingPool.h"

#include <algorithm>

namespace crossword {

CandidatePool ReadingPool::Within(int most) const {
  const int count =
      static_cast<int>(std::upper_bound(costs.begin(), costs.end(), most) - costs.begin());
  std::vector<float> searchCosts(count);
  for (int i = 0; i < count; ++i) searchCosts[i] = static_cast<float>(costs[i]) / kCostsPerTier;
  return CandidatePool(length, letters.substr(0, count * length), std::move(searchCosts));
}

}  // namespace crossword
