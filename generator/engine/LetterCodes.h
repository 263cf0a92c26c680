#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "common/GridModel.h"
#include "dictionary/WordIndexFile.h"

namespace crossword {

// Each word's letters as one byte each, a quarter of the readings to read while checking
// the words of a list, stored position by position; and which letters occur together in a
// word, for each two positions: that answers a two-letter search without reading a word
// and rules out most searches of more letters that no word fits. Worked out for a length,
// and for two positions, when first asked for.
class LetterCodes {
 public:
  // The letters at `position` of words 1..count, in stored order, each as the number of its
  // range among the ranges there. Nothing when a position holds too many letters for a byte.
  const std::uint8_t* At(const IndexedTable& table, int position);
  // The number of `range` among the ranges at `position`.
  static std::uint8_t CodeOf(const IndexedTable& table, int position, const LetterRange* range);
  // Whether some word of `table` has the letter of range `a` at position p and that of
  // range `b` at position q, p != q. The ranges are the table's own, found at p and q.
  bool Together(const IndexedTable& table, int p, const LetterRange* a, int q,
                const LetterRange* b);

 private:
  struct PerLength {
    bool coded = false;
    std::vector<std::uint8_t> codes;                // empty when a position holds too many letters
    std::vector<std::vector<std::uint64_t>> pairs;  // by (p - 1) * length + q - 1, p < q
  };
  static constexpr int kCodesMax = 256;

  PerLength& Coded(const IndexedTable& table);
  std::vector<std::uint64_t> PairBits(const IndexedTable& table, int p, int q);

  std::array<PerLength, AnswerLenMax + 1> lengths_;
};

}  // namespace crossword
