#pragma once

#include <filesystem>
#include <functional>
#include <vector>

#include "dictionary/WordRecord.h"

// Changing a dictionary that exists: it is read whole and written again, so that the
// dictionary and its index file are replaced together and only when both are complete.
namespace crossword {

// Reads every word of the dictionary at `path`, table L2 to L12 in stored order, and
// passes them to `change`. When it returns true the dictionary is written again with those
// words and its index file as it stands; when false nothing is written.
void RewriteDictionary(const std::filesystem::path& path,
                       const std::function<bool(std::vector<WordRecord>& words)>& change);

// Gives each word of `learnt` the clue and written form `learnt` holds for it; a word is
// found by its reading's table and its ID. A word not found, or found with another
// reading, is a DictionaryError and nothing is written. Returns how many words changed.
int LearnWordTexts(const std::filesystem::path& path, const std::vector<WordRecord>& learnt);

}  // namespace crossword
