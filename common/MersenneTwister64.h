#pragma once

#include <array>
#include <cstdint>

namespace crossword {

// The 64-bit Mersenne Twister: from the same seed, the same numbers as std::mt19937_64,
// with the state renewed eight words at a time.
class MersenneTwister64 {
 public:
  static constexpr int kWords = 312;  // of state
  static constexpr int kCopied = 4;   // words kept twice: see state_

  explicit MersenneTwister64(std::uint64_t seed = 5489) { Seed(seed); }

  void Seed(std::uint64_t seed);
  std::uint64_t operator()() {
    if (next_ == kWords) Refill();
    std::uint64_t z = state_[next_++];
    z ^= (z >> 29) & 0x5555555555555555;
    z ^= (z << 17) & 0x71D67FFFEDA60000;
    z ^= (z << 37) & 0xFFF7EEE000000000;
    return z ^ (z >> 43);
  }

 private:
  void Refill();

  // The words, then the first kCopied of them once renewed: the last steps read past the end.
  std::array<std::uint64_t, kWords + kCopied> state_{};
  int next_ = kWords;
};

}  // namespace crossword
