#include "common/RandomSource.h"

#include <chrono>

namespace crossword {

double RandomSource::Next() {
  // The top 53 bits make every double in [0, 1) equally likely and never reach 1.
  return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

int RandomSource::Draw(int first, int count) {
  return static_cast<int>(Next() * count) + first;
}

void RandomSource::ReseedFromClock() {
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  Reseed(static_cast<std::uint64_t>(
      std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
}

}  // namespace crossword
