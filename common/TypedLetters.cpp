#include "common/TypedLetters.h"

namespace crossword {

namespace {

char32_t FullSize(char32_t c) {
  switch (c) {
    case U'ァ':
    case U'ィ':
    case U'ゥ':
    case U'ェ':
    case U'ォ':
    case U'ッ':
    case U'ャ':
    case U'ュ':
    case U'ョ':
    case U'ヮ':
      return c + 1;  // the full-size letter follows its small one
    case U'ヵ':
      return U'カ';
    case U'ヶ':
      return U'ケ';
    default:
      return c;
  }
}

}  // namespace

char32_t GridLetterOf(char32_t typed) {
  if (typed >= U'ぁ' && typed <= U'ゖ') typed += U'ア' - U'あ';
  if (typed >= U'a' && typed <= U'z') typed -= U'a' - U'A';
  if (typed >= U'A' && typed <= U'Z') typed += U'Ａ' - U'A';
  if (typed >= U'ａ' && typed <= U'ｚ') typed -= U'ａ' - U'Ａ';
  return FullSize(typed);
}

std::u32string GridLettersOf(std::u32string_view typed) {
  std::u32string letters(typed);
  for (char32_t& c : letters) c = GridLetterOf(c);
  return letters;
}

}  // namespace crossword
