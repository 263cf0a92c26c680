#include "common/RandomSource.h"

#include <chrono>

namespace crossword {

void RandomSource::ReseedFromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  Reseed(static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

}  // namespace crossword
