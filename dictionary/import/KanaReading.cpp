#include "dictionary/import/KanaReading.h"

#include <algorithm>

#include "common/TypedLetters.h"

namespace crossword {

bool IsKatakanaLetter(char32_t c) {
  return (c >= U'ァ' && c <= U'ヺ') || c == U'ー';
}

bool IsKatakanaWord(std::u32string_view reading) {
  return !reading.empty() && std::all_of(reading.begin(), reading.end(), [](char32_t c) {
    return IsKatakanaLetter(c) || c == U'・';
  });
}

std::u32string Hiragana(std::u32string_view text) {
  std::u32string hiragana(text);
  for (char32_t& c : hiragana) {
    if (c >= U'ァ' && c <= U'ヶ') c -= U'ァ' - U'ぁ';
  }
  return hiragana;
}

std::optional<std::u32string> AnswerFromReading(std::u32string_view reading) {
  std::u32string answer;
  for (char32_t c : reading) {
    if (c == U'・') continue;
    c = GridLetterOf(c);
    if (!IsKatakanaLetter(c)) return std::nullopt;
    answer += c;
  }
  return answer;
}

namespace {

// Katakana syllables and their Hepburn spelling, pairs separated by blanks.
constexpr std::u32string_view kSyllables =
    U"アa イi ウu エe オo カka キki クku ケke コko ガga ギgi グgu ゲge ゴgo サsa シshi スsu "
    U"セse ソso ザza ジji ズzu ゼze ゾzo タta チchi ツtsu テte トto ダda ヂji ヅzu デde ドdo "
    U"ナna ニni ヌnu ネne ノno ハha ヒhi フfu ヘhe ホho バba ビbi ブbu ベbe ボbo パpa ピpi "
    U"プpu ペpe ポpo マma ミmi ムmu メme モmo ヤya ユyu ヨyo ラra リri ルru レre ロro ワwa "
    U"ヰi ヱe ヲo ンn ヴvu ァa ィi ゥu ェe ォo ャya ュyu ョyo ヮwa";

std::string SpellingOf(char32_t katakana) {
  for (size_t at = 0; at < kSyllables.size();) {
    const size_t end = std::min(kSyllables.find(U' ', at), kSyllables.size());
    if (kSyllables[at] == katakana) {
      std::string spelling;
      for (size_t i = at + 1; i < end; ++i) spelling += static_cast<char>(kSyllables[i]);
      return spelling;
    }
    at = end + 1;
  }
  return {};
}

bool IsSmallKana(char32_t c) {
  return IsKatakanaLetter(c) && GridLetterOf(c) != c;
}

// A small kana joins the syllable before it: "キャ" -> "kya", "シャ" -> "sha", "フィ" -> "fi".
void JoinSmallKana(std::string& text, const std::string& small) {
  if (text.empty()) {
    text = small;
    return;
  }
  text.pop_back();  // the vowel of the syllable before
  const bool palatal = small.size() == 2 && small[0] == 'y';
  const bool softened = text.ends_with("sh") || text.ends_with("ch") || text.ends_with("j");
  text += palatal && softened ? small.substr(1) : small;
}

}  // namespace

std::string Romanized(std::u32string_view reading) {
  std::string text;
  bool doubleNext = false;
  for (char32_t c : reading) {
    if (c >= U'ぁ' && c <= U'ゖ') c += U'ア' - U'あ';
    if (c == U'ッ') {
      doubleNext = true;
      continue;
    }
    const std::string spelling = SpellingOf(c);
    if (spelling.empty()) continue;  // "ー" and signs
    if (IsSmallKana(c) && c != U'ヵ' && c != U'ヶ') {
      JoinSmallKana(text, spelling);
    } else {
      if (doubleNext) text += spelling[0];
      text += spelling;
    }
    doubleNext = false;
  }
  return text;
}

}  // namespace crossword
