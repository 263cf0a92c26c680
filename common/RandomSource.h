#pragma once

#include <cstdint>
#include <random>

namespace crossword {

// The random generator of one program object. It starts from a fixed state, so that a
// program start with the same files and settings repeats its results, until Reseed.
class RandomSource {
 public:
  // A value r with 0 <= r < 1.
  double Next();
  // A whole number from first to first + count - 1: Int(r * count) + first.
  int Draw(int first, int count);
  // Starts a new sequence from the clock (seconds since midnight and finer).
  void ReseedFromClock();
  void Reseed(std::uint64_t seed) { engine_.seed(seed); }

 private:
  static constexpr std::uint64_t kInitialSeed = 20061;
  std::mt19937_64 engine_{kInitialSeed};
};

}  // namespace crossword
