#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "dictionary/IndexFile.h"
#include "dictionary/WordRecord.h"

// A word list typed by hand to build a dictionary from: UTF-8 text, tab-separated, a header
// line naming the columns Yst Ast Qst CN BN QN AN SN in any order, one word per line.
namespace crossword {

struct WordList {
  std::vector<WordRecord> Words;      // in file order, IDs 1..N
  std::vector<std::string> Problems;  // "file:line: what is wrong" for each refused row
  int FieldsMadeSafe = 0;             // characters MakeFieldSafe changed
};

// Reads the list; with `numbers`, a word whose CN or BN has no category or list is refused.
WordList ReadWordList(const std::filesystem::path& path,
                      const std::optional<ClassNumbers>& numbers);

// Writes the words as a list ReadWordList reads back the same, in the order given. A field
// holding a tab or a line break could not be read back: a FileError names the word.
void WriteWordList(const std::filesystem::path& path, const std::vector<WordRecord>& words);

}  // namespace crossword
