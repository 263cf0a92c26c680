#pragma once

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "dictionary/import/Commonness.h"
#include "dictionary/import/EdictEntry.h"
#include "dictionary/import/ImportedDictionary.h"

// Where the words of EDICT go in the Japanese dictionary's index: categories by commonness
// band and subject, lists for special kinds of words and for rare ones; and which entries
// make no word to ask on its own.
namespace crossword {

// The categories and the lists of the index file, in their numbers' order.
std::vector<IndexItem> EdictCategoryItems();
std::vector<IndexItem> EdictListItems();

// Why an entry is no word to ask on its own (a suffix, a particle, a reading that begins
// with "ン", the spelling of one letter, laughter...), or nothing when it is one.
std::optional<std::string> FragmentReason(const EdictEntry& entry);

// Written forms that EDICT marks as everyday words.
using EverydayForms = std::unordered_set<std::u32string>;
EverydayForms EverydayWrittenForms(const std::vector<EdictEntry>& entries);

// The category (CN) and list (BN, 0 for none) of the word an entry makes.
struct IndexPlace {
  int Category = 0;
  int List = 0;
};
IndexPlace PlaceInIndex(const EdictEntry& entry, size_t answerLength,
                        const CommonnessSources& sources, const EverydayForms& everyday);

// Ranks the written forms of one word: everyday, regular, general-use kanji, known.
int FormPreference(const EdictEntry& entry, const CommonnessSources& sources);

}  // namespace crossword
