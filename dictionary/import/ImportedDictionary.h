#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dictionary/IndexFile.h"
#include "dictionary/KeptClues.h"
#include "dictionary/WordRecord.h"

// A dictionary made from another word list, ready to be written as a dictionary file with
// its index file.
namespace crossword {

// Reports the share of an import's work done, 0..1.
using ImportProgress = std::function<void(double done)>;

// A category or list as its index row names it, with its five rank columns.
struct IndexItem {
  std::u32string Heading;  // when not empty, a heading row written before the item
  std::u32string Name;
  std::array<std::u32string_view, DifficultRankMax> Ranks;  // "yes", "no" or "1"
};

struct ImportedDictionary {
  std::u32string Title;               // the first comment line of the index file
  std::vector<IndexItem> Categories;  // category k at k - 1
  std::vector<IndexItem> Lists;       // list k at k - 1
  std::vector<WordRecord> Words;      // in stored order; ID, QN and AN are given on writing
  // Every clue made for each word, at the word's place; empty when it has only its own.
  std::vector<std::vector<StyledClue>> Clues;
  int FieldsMadeSafe = 0;              // characters MakeFieldSafe changed
  std::map<std::string, int> Skipped;  // entries left out, by reason
};

// The lines of the index file that names these categories and lists.
std::vector<std::u32string> IndexFileLines(const ImportedDictionary& dictionary);

// Numbers the words (ID 1..N in stored order; AN the same for every word of one reading,
// QN for every word of one clue) and writes the dictionary file and its index file.
void WriteImportedDictionary(ImportedDictionary& dictionary, const std::filesystem::path& path);

}  // namespace crossword
