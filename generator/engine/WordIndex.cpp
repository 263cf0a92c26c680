#include "generator/engine/WordIndex.h"

#include <algorithm>
#include <stdexcept>

#include "common/TextCodec.h"

namespace crossword {

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

std::span<const std::int32_t> WordIndex::Postings(int length, const WordQuery& query) const {
  const IndexedTable& table = TableOf(length);
  if (!query.Yst.empty() && static_cast<int>(query.Yst.size()) != length) return {};
  const LetterRange* rarest = nullptr;
  auto ask = [&](int position, char32_t letter) {
    const LetterRange* found =
        position >= 1 && position <= length ? table.Find(position, letter) : nullptr;
    if (found && rarest && found->count >= rarest->count) return true;
    rarest = found;
    return found != nullptr;
  };
  for (const auto& [position, letter] : query.Letters) {
    if (!ask(position, letter)) return {};
  }
  for (size_t i = 0; i < query.Yst.size(); ++i) {
    if (!ask(static_cast<int>(i) + 1, query.Yst[i])) return {};
  }
  return {&table.postings[rarest->first], static_cast<size_t>(rarest->count)};
}

bool WordIndex::Matches(std::u32string_view reading, const WordQuery& query) {
  return (query.Yst.empty() || reading == query.Yst) &&
         std::all_of(query.Letters.begin(), query.Letters.end(),
                     [&](const auto& asked) { return reading[asked.first - 1] == asked.second; });
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
