#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "dictionary/import/Commonness.h"
#include "dictionary/import/ImportedDictionary.h"

// The default Japanese dictionary, made from the Japanese-English word list EDICT
// (EUC-JP, one entry per line: "WRITTEN [READING] /(tags) gloss/gloss/.../(P)/").
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

// Why an entry is no word to ask on its own (a suffix, a particle, a reading that begins
// with "ン", the spelling of one letter, laughter...), or nothing when it is one.
std::optional<std::string> FragmentReason(const EdictEntry& entry);

// Every entry that makes a crossword word, once per reading and meaning in its most common
// written form: categories by commonness band and subject, lists for special kinds of
// words and for rare ones; words marked rude or X-rated and fragments of words left out.
ImportedDictionary ImportEdict(const std::filesystem::path& path, const CommonnessSources& sources,
                               const ImportProgress& progress);

}  // namespace crossword
