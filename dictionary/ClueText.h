#pragma once

#include <optional>
#include <string>
#include <string_view>

// What a clue's text may hold beyond what code page 932 and the puzzle file's lines carry:
// no blanks left behind where a part was taken out, no control characters.
namespace crossword {

// A blank at either end or two blanks together.
bool HasStrayBlanks(std::u32string_view text);

// The text without stray blanks, nor a blank before a closing mark (",", ";", ":", ".",
// "?", "!", ")") or after "(": what a part taken out of a sentence leaves behind.
std::u32string WithoutStrayBlanks(std::u32string_view text);

// A C0 or C1 control character, or DEL: shown as nothing, or as a box, by a player.
bool IsControlCharacter(char32_t c);

// "holds the control character TAB (U+0009)" for the first control character of a text
// typed into a clue or a written form; line breaks, which are written as blanks, pass.
std::optional<std::string> ControlCharacterProblem(std::u32string_view text);

}  // namespace crossword
