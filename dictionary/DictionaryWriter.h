#pragma once

#include <filesystem>
#include <vector>

#include "dictionary/WordRecord.h"

namespace crossword {

// Writes a dictionary file holding these words: each goes to the table of its reading's
// length, tables keep the order given, IDs are kept as given. Replaces an older file of
// that name only when the new one is complete.
void WriteDictionary(const std::filesystem::path& path, const std::vector<WordRecord>& words);

}  // namespace crossword
