#include "common/NumberText.h"

#include <limits>

namespace crossword {

namespace {

bool IsDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

constexpr int kLargest = std::numeric_limits<int>::max();

}  // namespace

std::u32string DecimalText(int number) {
  const std::string digits = std::to_string(number);
  return std::u32string(digits.begin(), digits.end());
}

std::u32string PrintForm(int number) {
  // Negative numbers take the blank in front for their sign.
  return (number < 0 ? U"" : U" ") + DecimalText(number) + U" ";
}

std::optional<int> ParseWholeNumber(std::u32string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == U' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == U'-' || text[i] == U'+')) negative = text[i++] == U'-';
  const size_t firstDigit = i;
  long long value = 0;
  while (i < text.size() && IsDigit(text[i])) {
    value = value * 10 + (text[i++] - U'0');
    if (value > kLargest) return std::nullopt;
  }
  if (i == firstDigit) return std::nullopt;
  while (i < text.size() && text[i] == U' ') ++i;
  if (i != text.size()) return std::nullopt;
  return static_cast<int>(negative ? -value : value);
}

int LeadingDigitsValue(std::u32string_view text) {
  long long value = 0;
  for (size_t i = 0; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - U'0');
    if (value > kLargest) return kLargest;
  }
  return static_cast<int>(value);
}

}  // namespace crossword
