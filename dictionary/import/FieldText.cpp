#include "dictionary/import/FieldText.h"

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

std::optional<std::u32string> ShortClue(const std::vector<std::u32string>& pieces, size_t limit) {
  if (pieces.empty()) return std::nullopt;
  std::u32string clue = pieces.front();
  if (clue.size() > limit) {
    const size_t blank = clue.rfind(U' ', limit - 1);
    clue = clue.substr(0, blank == std::u32string::npos || blank == 0 ? limit - 1 : blank);
    return clue + U"…";
  }
  for (size_t i = 1; i < pieces.size() && clue.size() + 2 + pieces[i].size() <= limit; ++i) {
    clue += U"; " + pieces[i];
  }
  return clue;
}

}  // namespace crossword
