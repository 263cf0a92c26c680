#include "common/MersenneTwister64.h"

#include <algorithm>
#include <cstring>

namespace crossword {

namespace {

constexpr int kWords = MersenneTwister64::kWords;
constexpr int kCopied = MersenneTwister64::kCopied;
constexpr int kFar = 156;  // word k is renewed from word k + 156, or k - 156 once that is new
constexpr int kLanes = 8;  // words renewed in one step
constexpr std::uint64_t kUpper = ~std::uint64_t{0} << 31;
constexpr std::uint64_t kTwist = 0xB5026F5AA96619E9;

using Lanes = std::uint64_t __attribute__((vector_size(kLanes * sizeof(std::uint64_t))));

// Words k to k + 7 become words `far` on, xored with the top 33 bits of word k and the low
// 31 of word k + 1 shifted right by one, and with kTwist where the bit shifted out was set.
[[gnu::always_inline]] inline void Renew(std::uint64_t* words, int k, int far) {
  Lanes low, high, away;
  std::memcpy(&low, words + k, sizeof low);
  std::memcpy(&high, words + k + 1, sizeof high);
  std::memcpy(&away, words + far, sizeof away);
  const Lanes y = (low & kUpper) | (high & ~kUpper);
  const Lanes renewed = away ^ (y >> 1) ^ (-(y & 1) & kTwist);
  std::memcpy(words + k, &renewed, sizeof renewed);
}

// All the words, from the state laid out as MersenneTwister64 keeps it. The step over words
// 152 to 159 reads words 308 to 315: the last four old ones and the copies of the first four
// new ones.
[[gnu::target_clones("avx512f", "avx2", "default")]] void RenewAll(std::uint64_t* words) {
  static_assert(kWords % kLanes == 0 && kFar % kLanes == kCopied);
  Renew(words, 0, kFar);
  std::copy_n(words, kCopied, words + kWords);
  int k = kLanes;
  for (; k < kWords - kFar + kCopied; k += kLanes) Renew(words, k, k + kFar);
  for (; k < kWords; k += kLanes) Renew(words, k, k + kFar - kWords);
}

}  // namespace

void MersenneTwister64::Seed(std::uint64_t seed) {
  state_[0] = seed;
  for (int i = 1; i < kWords; ++i) {
    state_[i] = 6364136223846793005 * (state_[i - 1] ^ (state_[i - 1] >> 62)) + i;
  }
  next_ = kWords;
}

void MersenneTwister64::Refill() {
  RenewAll(state_.data());
  next_ = 0;
}

}  // namespace crossword
