#include "dictionary/import/KanaReading.h"

namespace crossword {

namespace {

constexpr char32_t kHiraganaToKatakana = U'ア' - U'あ';

bool IsHiragana(char32_t c) {
  return c >= U'ぁ' && c <= U'ゖ';
}

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

bool IsKatakanaLetter(char32_t c) {
  return (c >= U'ァ' && c <= U'ヺ') || c == U'ー';
}

std::optional<std::u32string> AnswerFromReading(std::u32string_view reading) {
  std::u32string answer;
  for (char32_t c : reading) {
    if (c == U'・') continue;
    if (IsHiragana(c)) c += kHiraganaToKatakana;
    if (!IsKatakanaLetter(c)) return std::nullopt;
    answer += FullSize(c);
  }
  return answer;
}

}  // namespace crossword
