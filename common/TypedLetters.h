#pragma once

#include <string>
#include <string_view>

// Letters as people type them, made the letters a grid holds, by the rule the player page
// applies to every key: hiragana become katakana, small kana full-size (ァ -> ア, ッ -> ツ,
// ヵ -> カ), and Latin letters full-width capitals (o -> Ｏ). Anything else stays.
namespace crossword {

char32_t GridLetterOf(char32_t typed);
std::u32string GridLettersOf(std::u32string_view typed);

}  // namespace crossword
