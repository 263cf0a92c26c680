#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/KeptClues.h"
#include "dictionary/WordRecord.h"

namespace crossword {

// Writes a dictionary file holding these words: each goes to the table of its reading's
// length, tables keep the order given, IDs are kept as given; `clues` beside them. Replaces
// an older file of that name only when the new one is complete.
void WriteDictionary(const std::filesystem::path& path, const std::vector<WordRecord>& words,
                     const KeptClues& clues = {});
// The same, with the index file of these lines beside it; both replace older ones only
// when both are complete.
void WriteDictionary(const std::filesystem::path& path, const std::vector<WordRecord>& words,
                     const std::vector<std::u32string>& indexLines, const KeptClues& clues = {});

}  // namespace crossword
