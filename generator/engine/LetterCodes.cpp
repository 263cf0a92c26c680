#include "generator/engine/LetterCodes.h"

#include <utility>

namespace crossword {

namespace {

int LettersAt(const IndexedTable& table, int position) {
  return static_cast<int>(table.rangeStarts[position] - table.rangeStarts[position - 1]);
}

}  // namespace

const std::uint8_t* LetterCodes::At(const IndexedTable& table, int position) {
  const PerLength& length = Coded(table);
  if (length.codes.empty()) return nullptr;
  return length.codes.data() + static_cast<size_t>(position - 1) * table.count;
}

std::uint8_t LetterCodes::CodeOf(const IndexedTable& table, int position,
                                 const LetterRange* range) {
  return static_cast<std::uint8_t>(range - (table.ranges + table.rangeStarts[position - 1]));
}

bool LetterCodes::Together(const IndexedTable& table, int p, const LetterRange* a, int q,
                           const LetterRange* b) {
  if (p > q) {
    std::swap(p, q);
    std::swap(a, b);
  }
  PerLength& length = Coded(table);
  if (length.codes.empty()) return true;
  std::vector<std::uint64_t>& bits = length.pairs[(p - 1) * table.length + q - 1];
  if (bits.empty()) bits = PairBits(table, p, q);
  const size_t bit = size_t{CodeOf(table, p, a)} * LettersAt(table, q) + CodeOf(table, q, b);
  return bits[bit / 64] >> (bit % 64) & 1;
}

// The codes, written from the word lists of each position.
LetterCodes::PerLength& LetterCodes::Coded(const IndexedTable& table) {
  PerLength& length = lengths_.at(table.length);
  if (length.coded) return length;
  length.coded = true;
  for (int p = 1; p <= table.length; ++p) {
    if (LettersAt(table, p) > kCodesMax) return length;
  }
  length.codes.assign(static_cast<size_t>(table.count) * table.length, 0);
  length.pairs.resize(static_cast<size_t>(table.length) * table.length);
  for (int p = 1; p <= table.length; ++p) {
    for (int r = 0; r < LettersAt(table, p); ++r) {
      const LetterRange& range = table.ranges[table.rangeStarts[p - 1] + r];
      for (int i = range.first; i < range.first + range.count; ++i) {
        const size_t word = static_cast<size_t>(table.postings[i]) - 1;
        length.codes[static_cast<size_t>(p - 1) * table.count + word] =
            static_cast<std::uint8_t>(r);
      }
    }
  }
  return length;
}

// One bit for each two letters at p and q, set when a word has both.
std::vector<std::uint64_t> LetterCodes::PairBits(const IndexedTable& table, int p, int q) {
  const std::uint8_t* atP = At(table, p);
  const std::uint8_t* atQ = At(table, q);
  const size_t lettersAtQ = LettersAt(table, q);
  // A word more than the bits need: a set worked out is never empty.
  std::vector<std::uint64_t> bits(LettersAt(table, p) * lettersAtQ / 64 + 1);
  for (int word = 0; word < table.count; ++word) {
    const size_t bit = atP[word] * lettersAtQ + atQ[word];
    bits[bit / 64] |= std::uint64_t{1} << (bit % 64);
  }
  return bits;
}

}  // namespace crossword
