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

WordIndex::WordIndex(const Dictionary& dictionary) {
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    tables_[length].length = length;
    Load(tables_[length], dictionary);
  }
}

void WordIndex::Load(Table& table, const Dictionary& dictionary) {
  const int length = table.length;
  const size_t count = dictionary.RecordCount(length);
  table.words.reserve(count);
  table.classes.reserve(count);
  table.readings.reserve(count * length);
  dictionary.ScanStoredWords(length, [&](int, const StoredWord& word) { Add(table, word); });
  table.positions.resize(length);
  table.postings.reserve(count * length);
  for (int p = 1; p <= length; ++p) IndexPosition(table, p);
}

void WordIndex::Add(Table& table, const StoredWord& word) {
  table.words.push_back(
      {word.ID, word.QN, word.AN, word.SN, Keep(table, word.Qst), Keep(table, word.Ast)});
  table.classes.emplace_back(word.CN, word.BN);
  table.readings.insert(table.readings.end(), word.Yst.begin(), word.Yst.end());
}

// Texts are kept in UTF-8, a quarter of their size as letters.
std::string_view WordIndex::Keep(Table& table, std::string_view bytes) {
  constexpr size_t kBlockSize = 1 << 20;
  auto& blocks = table.textBlocks;
  if (blocks.empty() || blocks.back().size() + bytes.size() > blocks.back().capacity()) {
    blocks.emplace_back().reserve(std::max(kBlockSize, bytes.size()));
  }
  std::string& block = blocks.back();
  block += bytes;
  return std::string_view(block).substr(block.size() - bytes.size());
}

// Counts the words of each letter, then places each word number in its letter's range:
// walking the words in stored order keeps every range in stored order.
void WordIndex::IndexPosition(Table& table, int position) {
  auto& ranges = table.positions[position - 1];
  const int count = static_cast<int>(table.words.size());
  auto letterAt = [&](int k) {
    return table.readings[static_cast<size_t>(k - 1) * table.length + position - 1];
  };
  for (int k = 1; k <= count; ++k) ++ranges[letterAt(k)].second;
  int first = static_cast<int>(table.postings.size());
  for (auto& [letter, range] : ranges) {
    range.first = first;
    first += range.second;
  }
  table.postings.resize(first);
  std::unordered_map<char32_t, int> next;
  for (const auto& [letter, range] : ranges) next.emplace(letter, range.first);
  for (int k = 1; k <= count; ++k) table.postings[next[letterAt(k)]++] = k;
}

const WordIndex::Table& WordIndex::TableOf(int length) const {
  if (length < AnswerLenMin || length > AnswerLenMax) {
    throw std::out_of_range("no words of " + std::to_string(length) + " letters");
  }
  return tables_[length];
}

WordRecord WordIndex::Record(int length, int k) const {
  WordRecord word;
  ReadRecord(length, k, word);
  return word;
}

void WordIndex::ReadRecord(int length, int k, WordRecord& word) const {
  const Table& table = TableOf(length);
  const IndexedWord& stored = table.words.at(k - 1);
  word.ID = stored.ID;
  word.Yst.assign(&table.readings[static_cast<size_t>(k - 1) * length], length);
  word.Qst.clear();
  AppendFromUtf8(stored.Qst, word.Qst);
  word.Ast.clear();
  AppendFromUtf8(stored.Ast, word.Ast);
  std::tie(word.CN, word.BN) = table.classes[k - 1];
  word.QN = stored.QN;
  word.AN = stored.AN;
  word.SN = stored.SN;
}

// Walks the shortest range of words with one of the asked letters and keeps those with
// all of them.
template <typename Visit>
void WordIndex::ForEachMatch(int length, const WordQuery& query, Visit visit) const {
  const Table& table = TableOf(length);
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
    const auto& ranges = table.positions[position - 1];
    const auto found = ranges.find(letter);
    if (found == ranges.end()) return;
    if (!first || found->second.second < size) {
      first = &table.postings[found->second.first];
      size = found->second.second;
    }
  }
  for (const int* k = first; k != first + size; ++k) {
    const char32_t* reading = &table.readings[static_cast<size_t>(*k - 1) * length];
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
