#pragma once

#include <string>
#include <utility>
#include <vector>

namespace crossword {

// What a search asks of a word table: the whole reading ("Yst" equal), or some letters
// at known positions ("Yk" equal, all of them). Letters are compared exactly, as values,
// never as query text.
struct WordQuery {
  std::u32string Yst;                             // non-empty: the whole reading
  std::vector<std::pair<int, char32_t>> Letters;  // (position 1..12, letter)

  // A query without any letter matches every word of the table.
  bool IsEmpty() const { return Yst.empty() && Letters.empty(); }
  bool operator==(const WordQuery&) const = default;
};

}  // namespace crossword
