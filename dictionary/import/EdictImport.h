#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

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
  std::vector<std::u32string> FirstSenseGlosses;  // its English glosses without tags
};

// Nothing when the line is not an entry.
std::optional<EdictEntry> ParseEdictLine(std::u32string_view line);

// Every entry that makes a crossword word: categories by subject and commonness, lists for
// special kinds of words, words marked rude or X-rated left out.
ImportedDictionary ImportEdict(const std::filesystem::path& path, const ImportProgress& progress);

}  // namespace crossword
