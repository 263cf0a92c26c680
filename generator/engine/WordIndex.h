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
  std::pair<int, int> ClassOf(int length, int k) const;  // {CN, BN} of word k
  std::vector<int> FindAll(int length, const WordQuery& query) const;
  bool HasMatch(int length, const WordQuery& query) const;

 private:
  struct StoredWord {
    int ID, CN, BN, QN, AN, SN;
    std::string_view Qst, Ast;  // UTF-8, in one of the text blocks
  };
  struct Table {
    int length = 0;
    std::vector<StoredWord> words;   // word k at k - 1
    std::vector<char32_t> readings;  // word k's reading at (k - 1) * length
    std::vector<int> postings;       // per position, the word numbers grouped by letter
    // [position - 1]: letter -> {first, count} of its words in `postings`
    std::vector<std::unordered_map<char32_t, std::pair<int, int>>> positions;
  };

  const Table& TableOf(int length) const;
  void Add(Table& table, const WordRecord& word);
  std::string_view Keep(const std::u32string& text);
  void IndexPosition(Table& table, int position);
  // Calls visit(k) for each matching word in stored order until it returns false.
  template <typename Visit>
  void ForEachMatch(int length, const WordQuery& query, Visit visit) const;

  std::array<Table, AnswerLenMax + 1> tables_;
  std::vector<std::string> textBlocks_;  // clues and written forms; blocks never move
};

}  // namespace crossword
