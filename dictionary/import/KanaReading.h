#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace crossword {

// The answer a kana reading gives, one katakana letter per grid cell: hiragana become
// katakana, small kana are written full-size (ァ -> ア, ッ -> ツ, ヵ -> カ), "ー" keeps its
// own cell and the word-break dot "・" is dropped. Nothing when the reading holds any
// other character.
std::optional<std::u32string> AnswerFromReading(std::u32string_view reading);

// A letter a Japanese answer is written in: katakana or "ー".
bool IsKatakanaLetter(char32_t c);
// Katakana letters only, words perhaps parted by "・": a loanword's reading.
bool IsKatakanaWord(std::u32string_view reading);
// Katakana written as hiragana; other letters ("ー") stay.
std::u32string Hiragana(std::u32string_view text);

// The reading in Latin letters, as English glosses write Japanese words ("しゃしん" ->
// "shashin"); long vowels as their kana spell them.
std::string Romanized(std::u32string_view reading);

}  // namespace crossword
