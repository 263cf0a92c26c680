#pragma once

#include <filesystem>

#include "dictionary/import/ImportedDictionary.h"

// The default English dictionary, made from the WordNet database files: the index files
// (lemmas and their senses, most frequent first), the data files (word forms, lexicographer
// file, gloss) and the sense-tag counts.
namespace crossword {

// Every lemma of 2 to 12 letters, once per part of speech, its first sense as the clue.
ImportedDictionary ImportWordNet(const std::filesystem::path& folder,
                                 const ImportProgress& progress);

}  // namespace crossword
