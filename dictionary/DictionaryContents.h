#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "dictionary/KeptClues.h"
#include "dictionary/WordRecord.h"

// A dictionary read whole, to be changed and written back: its words and the lines of its
// index file. Exporting, adding an author's words and learning edited clues share it.
namespace crossword {

struct DictionaryContents {
  std::vector<WordRecord> Words;  // in ID order
  // Nothing when the dictionary has no index file beside it.
  std::optional<std::vector<std::u32string>> IndexLines;
  KeptClues Clues;  // every clue made for a word, kept through a rewrite
};

DictionaryContents ReadDictionaryContents(const std::filesystem::path& path);

// Writes the words (IDs as they are) and the index file; the dictionary and its index are
// replaced together or, on any failure, not at all.
void RewriteDictionary(const std::filesystem::path& path, const DictionaryContents& contents);

// Gives equal texts (readings, clues) equal numbers: the number a text was first given, or
// the next after the highest taken so far, from 1.
class TextNumbering {
 public:
  void Take(const std::u32string& text, int number);
  int NumberOf(const std::u32string& text);

 private:
  std::unordered_map<std::u32string, int> numbers_;
  int highest_ = 0;
};

// What adding words to a dictionary did.
struct AddedWords {
  int Added = 0;
  // Each word left out because a word of the same reading and written form is there,
  // "READING WRITTEN is word ID", in the order given.
  std::vector<std::string> AlreadyPresent;
};

// Appends the words with IDs after the highest one. A word whose reading and written form
// are already present is reported, not added. AN and QN of 0 are given as the dictionary
// numbers them: the number every word of that reading (clue) has, or a new one.
AddedWords AddWords(DictionaryContents& contents, const std::vector<WordRecord>& words);

// Gives each word of `learnt` the clue and written form `learnt` holds for it, in the
// dictionary at `path`; a word is found by its reading's table and its ID. A word not
// found, found with another reading, or given two different texts is a DictionaryError
// and nothing is written. Only the changed words are written, into a copy of the file that
// then replaces it, and the word index follows. Returns how many words changed.
int LearnWordTexts(const std::filesystem::path& path, const std::vector<WordRecord>& learnt);

}  // namespace crossword
