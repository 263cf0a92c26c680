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
  word.CN = table.classes[k - 1].CN;
  word.BN = table.classes[k - 1].BN;
  word.QN = stored.QN;
  word.AN = stored.AN;
  word.SN = stored.SN;
}

bool WordIndex::Ask(const IndexedTable& table, const WordQuery& query, AskedRanges& asked) {
  if (!query.Yst.empty() && static_cast<int>(query.Yst.size()) != table.length) return false;
  auto ask = [&](int position, char32_t letter) {
    if (position < 1 || position > table.length) return false;
    const LetterRange* found = table.Find(position, letter);
    if (!found || (asked[position] && asked[position] != found)) return false;
    asked[position] = found;
    return true;
  };
  for (const auto& [position, letter] : query.Letters) {
    if (!ask(position, letter)) return false;
  }
  for (size_t i = 0; i < query.Yst.size(); ++i) {
    if (!ask(static_cast<int>(i) + 1, query.Yst[i])) return false;
  }
  return true;
}

WordIndex::Walk WordIndex::PlanWalk(const IndexedTable& table, const AskedRanges& asked) const {
  int rarest = 0;
  for (int p = 1; p <= table.length; ++p) {
    if (asked[p] && (rarest == 0 || asked[p]->count < asked[rarest]->count)) rarest = p;
  }
  Walk walk;
  walk.postings = {&table.postings[asked[rarest]->first],
                   static_cast<size_t>(asked[rarest]->count)};
  for (int p = 1; p <= table.length; ++p) {
    if (!asked[p] || p == rarest) continue;
    walk.others[walk.otherCount++] = {codes_.At(table, p), LetterCodes::CodeOf(table, p, asked[p])};
  }
  walk.coded = walk.otherCount == 0 || walk.others[0].first != nullptr;
  return walk;
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

// Two letters that no word has together rule a search out at once; with two letters asked,
// the pair is the whole answer.
bool WordIndex::HasMatch(int length, const WordQuery& query) const {
  const IndexedTable& table = TableOf(length);
  if (query.IsEmpty()) return table.count > 0;
  AskedRanges asked{};
  if (!Ask(table, query, asked)) return false;
  int letters = 0;
  for (int p = 1; p <= length; ++p) {
    if (!asked[p]) continue;
    ++letters;
    for (int q = p + 1; q <= length; ++q) {
      if (asked[q] && !codes_.Together(table, p, asked[p], q, asked[q])) return false;
    }
  }
  // Pairs decide two letters only where the table could be coded.
  if (letters == 1 || (letters == 2 && codes_.At(table, 1) != nullptr)) return true;
  const Walk walk = PlanWalk(table, asked);
  return std::any_of(walk.postings.begin(), walk.postings.end(),
                     [&](int k) { return walk.Keeps(table, k, query); });
}

}  // namespace crossword
