#pragma once

#include "common/GridModel.h"

// The automatic wall placement of page 3 and of every full-auto stage.
namespace crossword {

constexpr int MakeMasBarAttempts = 10;  // attempts of one automatic placement run
constexpr int WordsPerSlotMin = 10;     // dictionary words a slot of each length needs

// Wall placement kinds (optMasBarPattern); the option "either" draws one of the two.
constexpr int MasBarPatternKind = 1;
constexpr int MasBarRandomKind = 2;
constexpr int MasBarEitherOption = 3;

// English crosswords ask no answer shorter than three letters.
constexpr int ShortestAnswerEnglish = 3;
// Without two-letter answers walls stand far apart; an open block of 4 x 4 or 3 x 6 cells
// interlocks more long words than a grid can be filled with.
constexpr int OpenBlockSideEnglish = 3;
constexpr int OpenBlockCellsEnglish = 16;

struct WallPlacement {
  int MasBarPattern = MasBarPatternKind;  // page 3: wall placement option 1..3
  int ShortestAnswer = AnswerLenMin;      // page 3: the shortest slot a layout may have
  CrossMasMarks SaveWChr;                 // every mark at the last accepted placement step
  int ShortestPlaced = AnswerLenMin;      // the shortest slot the running placement makes
};

}  // namespace crossword
