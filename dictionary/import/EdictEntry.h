#pragma once

#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// One line of the Japanese-English word list EDICT (EUC-JP, one entry per line:
// "WRITTEN [READING] /(tags) gloss/gloss/.../(P)/") read into its parts.
namespace crossword {

// One entry of the word list with what the dictionary takes from it.
struct EdictEntry {
  std::u32string Written;                // the headword
  std::u32string Reading;                // its kana reading (the headword when it has none)
  bool Common = false;                   // marked "(P)": a word in everyday use
  std::set<std::string> Tags;            // every tag of every sense
  std::set<std::string> FirstSenseTags;  // the tags of the first sense
  // The English glosses of each sense without tags, the first sense at 0.
  std::vector<std::vector<std::u32string>> Senses;
  std::string SourceLanguage;  // a loanword's language as its first note names it ("fre")
};

// Nothing when the line is not an entry.
std::optional<EdictEntry> ParseEdictLine(std::u32string_view line);

// The conjugation classes of verbs are many ("v1", "v5r-i", "v2a-s"): a "v" and a digit
// mark them.
bool IsConjugationClass(std::string_view tag);

bool HasAnyTag(const std::set<std::string>& tags, std::initializer_list<const char*> wanted);

}  // namespace crossword
