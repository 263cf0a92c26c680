#pragma once

#include <cstdint>
#include <span>
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
  // Calls visit(k) for each matching word in stored order until it returns false.
  template <typename Visit>
  void ForEachMatch(int length, const WordQuery& query, Visit visit) const;

 private:
  const IndexedTable& TableOf(int length) const;
  // The words to walk for `query`: those of the rarest letter it asks; an empty range when
  // no word can match. Each word walked is checked against the other letters asked.
  std::span<const std::int32_t> Postings(int length, const WordQuery& query) const;
  static bool Matches(std::u32string_view reading, const WordQuery& query);

  WordIndexImage image_;
};

// Walks the shortest list of words with one of the asked letters and keeps those with all
// of them.
template <typename Visit>
void WordIndex::ForEachMatch(int length, const WordQuery& query, Visit visit) const {
  const IndexedTable& table = TableOf(length);
  if (query.IsEmpty()) {
    for (int k = 1; k <= table.count && visit(k); ++k) {
    }
    return;
  }
  // The words of the one letter asked are all matches: their readings need no look.
  const bool oneLetter = query.Yst.empty() && query.Letters.size() == 1;
  for (const int k : Postings(length, query)) {
    const bool matches = oneLetter || Matches(table.Reading(k), query);
    if (matches && !visit(k)) return;
  }
}

}  // namespace crossword
