#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "common/GridModel.h"
#include "dictionary/Dictionary.h"
#include "dictionary/WordQuery.h"

namespace crossword {

// Every word of a dictionary held in memory, read once when the dictionary opens, with
// the words of each letter at each position: a run then searches and reads words in
// microseconds instead of database reads. Every answer is the dictionary's own, the same
// words in the same stored order.
class WordIndex {
 public:
  explicit WordIndex(const Dictionary& dictionary);

  int RecordCount(int length) const { return static_cast<int>(TableOf(length).words.size()); }
  WordRecord Record(int length, int k) const;
  // Word k into `word`, whose strings keep their storage: no allocation once warm.
  void ReadRecord(int length, int k, WordRecord& word) const;
  std::pair<int, int> ClassOf(int length, int k) const { return TableOf(length).classes[k - 1]; }
  std::vector<int> FindAll(int length, const WordQuery& query) const;
  bool HasMatch(int length, const WordQuery& query) const;

 private:
  struct IndexedWord {
    int ID, QN, AN, SN;
    std::string_view Qst, Ast;  // UTF-8, in one of the text blocks
  };
  struct Table {
    int length = 0;
    std::vector<IndexedWord> words;            // word k at k - 1
    std::vector<std::pair<int, int>> classes;  // word k's {CN, BN} at k - 1, read most often
    std::vector<char32_t> readings;            // word k's reading at (k - 1) * length
    std::vector<int> postings;                 // per position, the word numbers grouped by letter
    // [position - 1]: letter -> {first, count} of its words in `postings`
    std::vector<std::unordered_map<char32_t, std::pair<int, int>>> positions;
    std::vector<std::string> textBlocks;  // clues and written forms; blocks never move
  };

  const Table& TableOf(int length) const;
  static void Load(Table& table, const Dictionary& dictionary);
  static void Add(Table& table, const StoredWord& word);
  static std::string_view Keep(Table& table, std::string_view bytes);
  static void IndexPosition(Table& table, int position);
  // Calls visit(k) for each matching word in stored order until it returns false.
  template <typename Visit>
  void ForEachMatch(int length, const WordQuery& query, Visit visit) const;

  std::array<Table, AnswerLenMax + 1> tables_;
};

}  // namespace crossword
