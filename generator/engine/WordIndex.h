#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dictionary/Dictionary.h"
#include "dictionary/WordIndexFile.h"
#include "dictionary/WordQuery.h"
#include "generator/engine/LetterCodes.h"

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
    const IndexedClass& word = TableOf(length).classes[k - 1];
    return {word.CN, word.BN};
  }
  bool HasJapaneseClue(int length, int k) const {
    return TableOf(length).classes[k - 1].japaneseClue != 0;
  }
  std::vector<int> FindAll(int length, const WordQuery& query) const;
  bool HasMatch(int length, const WordQuery& query) const;
  // Calls visit(k) for each matching word in stored order until it returns false.
  template <typename Visit>
  void ForEachMatch(int length, const WordQuery& query, Visit visit) const;

 private:
  // The word list of the letter asked at each position; nullptr where none is asked.
  using AskedRanges = std::array<const LetterRange*, AnswerLenMax + 1>;

  // The words of the rarest letter asked, each kept when it has the other letters asked.
  struct Walk {
    std::span<const std::int32_t> postings;
    bool coded = false;  // else the readings are read
    // The codes at each other asked position, from word 1, and the code asked there.
    std::array<std::pair<const std::uint8_t*, std::uint8_t>, AnswerLenMax> others;
    int otherCount = 0;

    bool Keeps(const IndexedTable& table, int k, const WordQuery& query) const;
  };

  const IndexedTable& TableOf(int length) const;
  // False when no word can match: a letter that no word has at its position, a position
  // outside the word, two letters at one position, a whole reading of another length.
  static bool Ask(const IndexedTable& table, const WordQuery& query, AskedRanges& asked);
  Walk PlanWalk(const IndexedTable& table, const AskedRanges& asked) const;
  static bool Matches(std::u32string_view reading, const WordQuery& query);

  WordIndexImage image_;
  mutable LetterCodes codes_;  // worked out as searches ask for them
};

inline bool WordIndex::Walk::Keeps(const IndexedTable& table, int k, const WordQuery& query) const {
  if (otherCount == 0) return true;
  if (!coded) return Matches(table.Reading(k), query);
  for (int i = 0; i < otherCount; ++i) {
    if (others[i].first[k - 1] != others[i].second) return false;
  }
  return true;
}

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
  AskedRanges asked{};
  if (!Ask(table, query, asked)) return;
  const Walk walk = PlanWalk(table, asked);
  for (const int k : walk.postings) {
    if (walk.Keeps(table, k, query) && !visit(k)) return;
  }
}

}  // namespace crossword
