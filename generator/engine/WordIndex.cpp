#include "generator/engine/WordIndex.h"

#include <algorithm>
#include <stdexcept>

#include "common/TextCodec.h"

namespace crossword {

namespace {

using Letters = std::vector<std::pair<int, char32_t>>;

// A whole reading asked for is a letter asked at every position.
Letters LettersOf(const WordQuery& query) {
  Letters letters = query.Letters;
  for (size_t i = 0; i < query.Yst.size(); ++i) {
    letters.emplace_back(static_cast<int>(i) + 1, query.Yst[i]);
  }
  return letters;
}

}  // namespace

const IndexedTable& WordIndex::TableOf(int length) const {
  if (length < AnswerLenMin || length > AnswerLenMax) {
    throw std::out_of_range("no words of " + std::to_string(length) + " letters");
  }
  return image_.Table(length);
}

WordRecord WordIndex::Record(int length, int k) const {
  WordRecord word;
  ReadRecord(length, k, word);
  return word;
}

void WordIndex::ReadRecord(int length, int k, WordRecord& word) const {
  const IndexedTable& table = TableOf(length);
  if (k < 1 || k > table.count) {
    throw std::out_of_range("word " + std::to_string(k) + " of " + std::to_string(table.count) +
                            " with " + std::to_string(length) + " letters");
  }
  const IndexedWord& stored = table.words[k - 1];
  word.ID = stored.ID;
  word.Yst.assign(table.Reading(k));
  word.Qst.clear();
  AppendFromUtf8(table.Text(stored.QstOffset, stored.QstSize), word.Qst);
  word.Ast.clear();
  AppendFromUtf8(table.Text(stored.AstOffset, stored.AstSize), word.Ast);
  word.CN = stored.CN;
  word.BN = stored.BN;
  word.QN = stored.QN;
  word.AN = stored.AN;
  word.SN = stored.SN;
}

// Walks the shortest range of words with one of the asked letters and keeps those with
// all of them.
template <typename Visit>
void WordIndex::ForEachMatch(int length, const WordQuery& query, Visit visit) const {
  const IndexedTable& table = TableOf(length);
  const Letters letters = LettersOf(query);
  if (!query.Yst.empty() && static_cast<int>(query.Yst.size()) != length) return;
  if (letters.empty()) {
    for (int k = 1; k <= RecordCount(length) && visit(k); ++k) {
    }
    return;
  }
  const int* first = nullptr;
  int size = 0;
  for (const auto& [position, letter] : letters) {
    if (position < 1 || position > length) return;
    const LetterRange* found = table.Find(position, letter);
    if (!found) return;
    if (!first || found->count < size) {
      first = &table.postings[found->first];
      size = found->count;
    }
  }
  for (const int* k = first; k != first + size; ++k) {
    const char32_t* reading = table.Reading(*k).data();
    const bool matches = std::all_of(letters.begin(), letters.end(), [&](const auto& asked) {
      return reading[asked.first - 1] == asked.second;
    });
    if (matches && !visit(*k)) return;
  }
}

std::vector<int> WordIndex::FindAll(int length, const WordQuery& query) const {
  std::vector<int> found;
  ForEachMatch(length, query, [&](int k) {
    found.push_back(k);
    return true;
  });
  return found;
}

bool WordIndex::HasMatch(int length, const WordQuery& query) const {
  bool found = false;
  ForEachMatch(length, query, [&](int) {
    found = true;
    return false;
  });
  return found;
}

}  // namespace crossword
