#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/WordIndexFile.h"
#include "dictionary/WordQuery.h"

namespace crossword {

// Every word of a dictionary with the words of each letter at each position, from its
// word index file: a run searches and reads words in microseconds instead of database
// reads. Every answer is the dictionary's own, the same words in the same stored order.
class WordIndex {
 public:
  explicit WordIndex(WordIndexImage image) : image_(std::move(image)) {}
  // Made from the word tables in memory, the file beside them left alone.
  explicit WordIndex(const Dictionary& dictionary) : image_(WordIndexImage::Build(dictionary)) {}

  int RecordCount(int length) const { return TableOf(length).count; }
  WordRecord Record(int length, int k) const;
  // Word k into `word`, whose strings keep their storage: no allocation once warm.
  void ReadRecord(int length, int k, WordRecord& word) const;
  std::u32string_view Reading(int length, int k) const { return TableOf(length).Reading(k); }
  std::pair<int, int> ClassOf(int length, int k) const {
    const IndexedWord& word = TableOf(length).words[k - 1];
    return {word.CN, word.BN};
  }
  std::vector<int> FindAll(int length, const WordQuery& query) const;
  bool HasMatch(int length, const WordQuery& query) const;

 private:
  const IndexedTable& TableOf(int length) const;
  // Calls visit(k) for each matching word in stored order until it returns false.
  template <typename Visit>
  void ForEachMatch(int length, const WordQuery& query, Visit visit) const;

  WordIndexImage image_;
};

}  // namespace crossword
