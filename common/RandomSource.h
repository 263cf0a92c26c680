#pragma once

#include <cstdint>

#include "common/MersenneTwister64.h"

namespace crossword {

// The random generator of one program object. It starts from a fixed state, so that a
// program start with the same files and settings repeats its results, until Reseed.
class RandomSource {
 public:
  // A value r with 0 <= r < 1: the top 53 bits make every double in [0, 1) equally
  // likely and never reach 1.
  double Next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
  // A whole number from first to first + count - 1: Int(r * count) + first.
  int Draw(int first, int count) { return static_cast<int>(Next() * count) + first; }
  // Starts a new sequence from the clock (seconds since midnight and finer).
  void ReseedFromClock();
  void Reseed(std::uint64_t seed) { engine_.Seed(seed); }

 private:
  static constexpr std::uint64_t kInitialSeed = 20061;
  MersenneTwister64 engine_{kInitialSeed};
};

}  // namespace crossword
