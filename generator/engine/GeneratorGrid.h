#pragma once

#include <string>

#include "common/GridModel.h"
#include "dictionary/WordRecord.h"

// The grid as the fill engine works on it: each cell knows its slots, each slot its
// letters and the word placed in it.
namespace crossword {

struct GeneratorCell {
  char32_t DispWChr = BlankMark;  // the cell's letter, BlankMark, or WallMark
  int WordNmbH = 0;               // across slot through the cell, 0 if none
  int WordNmbV = 0;               // down slot through the cell, 0 if none
  int PosH = 0;                   // position of the cell in its across slot, 0 if none
  int PosV = 0;                   // position of the cell in its down slot, 0 if none
  int QuesNmbH = 0;               // across question number starting here, 0 if none
  int QuesNmbV = 0;               // down question number starting here, 0 if none
};

struct GeneratorSlot : CrossWordSlot {
  int KnownCnt = 0;        // cells holding a letter at the last refresh of its pattern
  bool FlagFixed = false;  // the slot holds a confirmed dictionary word
  std::u32string Pattern;  // the slot's letters, BlankMark where empty
  WordRecord Word;         // the placed word's fields; Word.ID = 0 means no word
};

using GeneratorMas = MasArray<GeneratorCell>;

}  // namespace crossword
