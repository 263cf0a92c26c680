#pragma once

#include <optional>
#include <string>
#include <string_view>

// How numbers are written into and read from the programs' text files.
namespace crossword {

// The print form of a number in slot and hint lines: one blank before, one behind (" 12 ").
std::u32string PrintForm(int number);

// The decimal digits of a number, as a line of a text file holds it.
std::u32string DecimalText(int number);

// A whole number with optional blanks around it; nothing else may stand in the text.
std::optional<int> ParseWholeNumber(std::u32string_view text);

// The value of the digits a text starts with ("12abc" gives 12, "abc" gives 0).
int LeadingDigitsValue(std::u32string_view text);

}  // namespace crossword
