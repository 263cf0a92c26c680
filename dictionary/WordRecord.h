#pragma once

#include <string>
#include <string_view>

namespace crossword {

// One word of the dictionary with every field the programs read. A placed word carries
// these values through the fill and into the puzzle file.
struct WordRecord {
  int ID = 0;          // identifier; one word is never used twice in a grid
  std::u32string Yst;  // the reading, one letter per cell
  std::u32string Qst;  // the clue
  std::u32string Ast;  // the written form of the answer
  int CN = 0;          // category number (index file); 0 is never asked
  int BN = 0;          // list number (index file); 0 = in no list
  int QN = 0;          // clue number: equal non-zero numbers never share a grid
  int AN = 0;          // answer number: equal non-zero numbers never share a grid
  int SN = 0;          // carried into the puzzle file

  bool operator==(const WordRecord&) const = default;
};

// A word as a scan of the store passes it on: the reading decoded, the clue and the
// written form in the store's UTF-8 (checked). The views last until the next word.
struct StoredWord {
  int ID = 0;
  std::u32string_view Yst;
  std::string_view Qst, Ast;
  int CN = 0, BN = 0, QN = 0, AN = 0, SN = 0;
};

}  // namespace crossword
