#include "dictionary/import/FieldText.h"

#include <algorithm>

#include "common/TextCodec.h"
#include "dictionary/ClueText.h"

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

// The text without its parenthesised asides ("sweetfish (Plecoglossus altivelis)"), nor the
// blanks and the mark that stood beside one at its start ("(of wine), sparkling").
std::u32string WithoutAsides(std::u32string_view text) {
  std::u32string kept;
  int depth = 0;
  for (char32_t c : text) {
    if (c == U'(') ++depth;
    if (depth == 0) kept += c;
    if (c == U')' && depth > 0) --depth;
  }
  kept = WithoutStrayBlanks(kept);
  const size_t start = kept.find_first_not_of(U",;: ");
  return start == std::u32string::npos ? U"" : kept.substr(start);
}

// Words after a comma that begin a phrase of their own ("to rise, to go up", "a fish,
// especially ..."); a comma between adjectives or in a list ("wet, pulpy material") ends
// no phrase.
constexpr std::u32string_view kOpenAfterComma[] = {
    U"to",    U"a",         U"an",        U"the",     U"especially", U"esp.",   U"usually",
    U"often", U"typically", U"sometimes", U"mainly",  U"chiefly",    U"mostly", U"also",
    U"as",    U"such",      U"e.g.",      U"i.e.",    U"which",      U"who",    U"whose",
    U"where", U"when",      U"that",      U"in",      U"on",         U"at",     U"of",
    U"for",   U"from",      U"with",      U"without", U"by",         U"having", U"being",
    U"used",  U"including", U"like",      U"not",     U"etc."};

// Words that begin a clause or a modifier even without a comma ("feline of Africa having a
// tawny coat"): what stands before them is a whole noun or verb phrase.
constexpr std::u32string_view kOpenAfterBlank[] = {
    U"that",    U"which",  U"who",        U"whose",   U"where", U"having",
    U"with",    U"used",   U"especially", U"usually", U"often", U"typically",
    U"chiefly", U"mainly", U"formerly",   U"found",   U"native"};

// The last `separator` within `limit` followed by one of `openers`, with at least
// `wordsBefore` words before it.
template <size_t Count>
std::optional<size_t> LastBefore(std::u32string_view text, size_t limit,
                                 std::u32string_view separator,
                                 const std::u32string_view (&openers)[Count], int wordsBefore) {
  for (size_t at = text.rfind(separator, limit); at != std::u32string_view::npos && at > 0;
       at = text.rfind(separator, at - 1)) {
    if (std::count(text.begin(), text.begin() + at, U' ') + 1 < wordsBefore) break;
    const std::u32string_view rest = text.substr(at + separator.size());
    const std::u32string_view word = rest.substr(0, rest.find(U' '));
    if (std::find(std::begin(openers), std::end(openers), word) != std::end(openers)) return at;
  }
  return std::nullopt;
}

// Where the last phrase that fits within `limit` ends: at "; ", else at ": " or " - ", else
// at a comma before a word that opens a phrase, else before a clause or a modifier.
std::optional<size_t> PhraseEnd(std::u32string_view text, size_t limit) {
  for (std::u32string_view boundary : {U"; ", U": ", U" - "}) {
    const size_t at = text.rfind(boundary, limit);
    if (at != std::u32string_view::npos && at > 0) return at;
  }
  if (const auto at = LastBefore(text, limit, U", ", kOpenAfterComma, 1)) return at;
  // "a root", "English poet": a phrase cut before its clause says too little.
  return LastBefore(text, limit, U" ", kOpenAfterBlank, 3);
}

// The piece whole without its asides, or up to the end of a phrase; nothing when no
// phrase ends within the room.
std::optional<std::u32string> CutAtPhrase(std::u32string_view piece, size_t limit) {
  const std::u32string text = WithoutAsides(piece);
  if (text.empty()) return std::nullopt;
  if (text.size() <= limit) return text;
  const auto end = PhraseEnd(text, limit);
  if (!end) return std::nullopt;
  return text.substr(0, *end);
}

// The piece without its asides cut at a blank, marked "…"; nothing when its first word
// alone is too long.
std::optional<std::u32string> CutAtBlank(std::u32string_view piece, size_t limit) {
  const std::u32string text = WithoutAsides(piece);
  const size_t blank = text.rfind(U' ', limit - 1);
  if (blank == std::u32string::npos || blank == 0) return std::nullopt;
  return text.substr(0, blank) + U"…";
}

}  // namespace

std::optional<std::u32string> WholeClue(const std::vector<std::u32string>& pieces, size_t limit) {
  std::vector<std::u32string> cleaned;
  for (const std::u32string& piece : pieces) {
    if (std::u32string text = WithoutStrayBlanks(piece); !text.empty()) {
      cleaned.push_back(std::move(text));
    }
  }
  const auto fits = [limit](const std::u32string& piece) { return piece.size() <= limit; };
  const auto first = std::find_if(cleaned.begin(), cleaned.end(), fits);
  if (first == cleaned.end()) {
    for (const std::u32string& piece : cleaned) {
      if (auto cut = CutAtPhrase(piece, limit)) return cut;
    }
    return std::nullopt;
  }
  std::u32string clue = *first;
  for (auto next = first + 1; next != cleaned.end(); ++next) {
    if (clue.size() + 2 + next->size() <= limit) clue += U"; " + *next;
  }
  return clue;
}

std::optional<std::u32string> ShortClue(const std::vector<std::u32string>& pieces, size_t limit) {
  if (auto clue = WholeClue(pieces, limit)) return clue;
  return pieces.empty() ? std::nullopt : CutAtBlank(pieces[0], limit);
}

}  // namespace crossword
