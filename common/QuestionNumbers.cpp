#include "common/QuestionNumbers.h"

namespace crossword {

QuestionNumbers NumberQuestions(const MasArray<int>& PosH, const MasArray<int>& PosV) {
  const int width = PosH.MasMaxX();
  const int height = PosH.MasMaxY();
  QuestionNumbers numbers{MasArray<int>(width, height), MasArray<int>(width, height)};
  int counter = 1;
  // The last column cannot start an across slot, nor the last row a down slot.
  for (int x = 1; x <= width - 1; ++x) {
    for (int y = 1; y <= height; ++y) {
      if (PosH(x, y) == 1) numbers.QuesNmbH(x, y) = counter++;
    }
  }
  numbers.FirstDownNumber = counter;
  for (int y = 1; y <= height - 1; ++y) {
    for (int x = 1; x <= width; ++x) {
      if (PosV(x, y) == 1) numbers.QuesNmbV(x, y) = counter++;
    }
  }
  return numbers;
}

}  // namespace crossword
