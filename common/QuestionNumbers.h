#pragma once

#include "common/GridModel.h"

// The question numbers of a filled grid as the puzzle file carries them: across numbers
// run down the columns, then down numbers continue along the rows.
namespace crossword {

struct QuestionNumbers {
  MasArray<int> QuesNmbH;   // across question number starting at the cell, or 0
  MasArray<int> QuesNmbV;   // down question number starting at the cell, or 0
  int FirstDownNumber = 1;  // F: the number after the last across one
};

// `PosH`/`PosV`: each cell's position in its across/down slot, 0 when it is in none.
QuestionNumbers NumberQuestions(const MasArray<int>& PosH, const MasArray<int>& PosV);

}  // namespace crossword
