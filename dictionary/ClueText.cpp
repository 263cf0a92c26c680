#include "dictionary/ClueText.h"

#include "common/TextCodec.h"

namespace crossword {

namespace {

bool ClosesText(char32_t c) {
  return std::u32string_view(U",;:.?!)").find(c) != std::u32string_view::npos;
}

}  // namespace

bool HasStrayBlanks(std::u32string_view text) {
  return text.starts_with(U' ') || text.ends_with(U' ') ||
         text.find(U"  ") != std::u32string_view::npos;
}

std::u32string WithoutStrayBlanks(std::u32string_view text) {
  std::u32string kept;
  kept.reserve(text.size());
  for (char32_t c : text) {
    const bool afterBlank = !kept.empty() && kept.back() == U' ';
    if (c == U' ' && (kept.empty() || afterBlank || kept.back() == U'(')) continue;
    if (afterBlank && ClosesText(c)) kept.pop_back();
    kept += c;
  }
  if (!kept.empty() && kept.back() == U' ') kept.pop_back();
  return kept;
}

bool IsControlCharacter(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

std::optional<std::string> ControlCharacterProblem(std::u32string_view text) {
  for (char32_t c : text) {
    if (IsControlCharacter(c) && c != U'\r' && c != U'\n') {
      return "holds the control character " + DescribeCharacter(c) +
             ", which a player shows as nothing or as a box";
    }
  }
  return std::nullopt;
}

}  // namespace crossword
