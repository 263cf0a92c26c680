#include "dictionary/import/FieldText.h"

#include <algorithm>

#include "common/TextCodec.h"

namespace crossword {

namespace {

// U+00C0..U+017F without their accents; '*' marks letters written with two ("Æ", "ß")
// and signs that code page 932 holds as they are ("×", "÷").
constexpr std::string_view kLatinBase =
    "AAAAAA*CEEEEIIIIDNOOOOO*OUUUUY**aaaaaa*ceeeeiiiidnooooo*ouuuuy*y"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOo**RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

std::u32string_view TwoLetterBase(char32_t c) {
  switch (c) {
    case U'Æ':
      return U"AE";
    case U'æ':
      return U"ae";
    case U'Þ':
      return U"Th";
    case U'þ':
      return U"th";
    case U'ß':
      return U"ss";
    case U'Ĳ':
      return U"IJ";
    case U'ĳ':
      return U"ij";
    case U'Œ':
      return U"OE";
    case U'œ':
      return U"oe";
    default:
      return {};
  }
}

bool IsAscii(std::u32string_view text) {
  for (char32_t c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

}  // namespace

int MakeFieldSafe(std::u32string& text) {
  int changed = 0;
  for (char32_t& c : text) {
    if (c == U',') {
      c = U'，';
    } else if (c == U'\r' || c == U'\n') {
      c = U' ';
    } else {
      continue;
    }
    ++changed;
  }
  return changed;
}

std::u32string FoldAccents(std::u32string_view text) {
  std::u32string folded;
  folded.reserve(text.size());
  for (char32_t c : text) {
    const bool latin = c >= 0xC0 && c < 0xC0 + kLatinBase.size();
    const char base = latin ? kLatinBase[c - 0xC0] : 0;
    if (base != 0 && base != '*') {
      folded += static_cast<char32_t>(base);
    } else if (latin && !TwoLetterBase(c).empty()) {
      folded += TwoLetterBase(c);
    } else {
      folded += c;
    }
  }
  return folded;
}

bool CanEncodeAllCp932(std::u32string_view text) {
  if (IsAscii(text)) return true;
  try {
    EncodeCp932(text);
    return true;
  } catch (const TextEncodingError&) {
    return false;
  }
}

namespace {

// The text without its parenthesised asides ("sweetfish (Plecoglossus altivelis)").
std::u32string WithoutAsides(std::u32string_view text) {
  std::u32string kept;
  int depth = 0;
  for (char32_t c : text) {
    if (c == U'(') ++depth;
    if (depth == 0) kept += c;
    if (c == U')' && depth > 0) --depth;
  }
  while (!kept.empty() && kept.back() == U' ') kept.pop_back();
  return kept;
}

// A piece too long for the room, cut where a phrase ends; failing that at a blank, marked
// "…". Nothing when the first word alone is too long.
std::optional<std::u32string> CutToRoom(std::u32string_view piece, size_t limit) {
  std::u32string text = WithoutAsides(piece);
  if (!text.empty() && text.size() <= limit) return text;
  for (std::u32string_view boundary : {U"; ", U", ", U" - ", U": "}) {
    const size_t at = text.rfind(boundary, limit);
    if (at != std::u32string::npos && at > 0) return text.substr(0, at);
  }
  const size_t blank = text.rfind(U' ', limit - 1);
  if (blank == std::u32string::npos || blank == 0) return std::nullopt;
  return text.substr(0, blank) + U"…";
}

}  // namespace

std::optional<std::u32string> ShortClue(const std::vector<std::u32string>& pieces, size_t limit) {
  const auto fits = [limit](const std::u32string& piece) { return piece.size() <= limit; };
  const auto first = std::find_if(pieces.begin(), pieces.end(), fits);
  if (first == pieces.end()) return pieces.empty() ? std::nullopt : CutToRoom(pieces[0], limit);
  std::u32string clue = *first;
  for (auto next = first + 1; next != pieces.end(); ++next) {
    if (clue.size() + 2 + next->size() <= limit) clue += U"; " + *next;
  }
  return clue;
}

}  // namespace crossword
