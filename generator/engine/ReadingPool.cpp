#include "generator/engine/ReadingPool.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace crossword {

namespace {

std::size_t HashOf(std::u32string_view reading) {
  std::uint64_t hash = 0;
  for (const char32_t letter : reading) hash = (hash ^ letter) * 0x9E3779B97F4A7C15u;
  return static_cast<std::size_t>(hash ^ (hash >> 32));
}

}  // namespace

void ReadingGroups::Begin(int wordLength, int words) {
  length = wordLength;
  added_.reserve(words);
  // Room for every word a reading of its own: growing would copy and leave holes behind.
  groups.reserve(words);
  letters.reserve(static_cast<size_t>(words) * wordLength);
  table_.assign(std::bit_ceil(2 * static_cast<size_t>(words) + 1), -1);
}

size_t ReadingGroups::EntryOf(std::u32string_view reading) const {
  const size_t mask = table_.size() - 1;
  for (size_t entry = HashOf(reading) & mask;; entry = (entry + 1) & mask) {
    const int g = table_[entry];
    if (g < 0 || ReadingOf(g) == reading) return entry;
  }
}

int ReadingGroups::Find(std::u32string_view reading) const {
  return table_.empty() ? -1 : table_[EntryOf(reading)];
}

void ReadingGroups::Add(std::u32string_view reading, int cost, int k) {
  int& group = table_[EntryOf(reading)];
  if (group < 0) {
    group = static_cast<int>(groups.size());
    groups.push_back({0, 0, 0});
    letters += reading;
  }
  added_.push_back({group, cost, k});
  ++groups[group].recordCount;
}

// Group by group in stored order, then each group's cheapest first.
void ReadingGroups::Close() {
  int first = 0;
  std::vector<int> next(groups.size());
  for (size_t g = 0; g < groups.size(); ++g) {
    next[g] = groups[g].firstRecord = first;
    first += groups[g].recordCount;
  }
  std::vector<Added> grouped(added_.size());
  for (const Added& word : added_) grouped[next[word.group]++] = word;
  const auto cheaper = [](const Added& a, const Added& b) { return a.cost < b.cost; };
  records.reserve(grouped.size());
  for (ReadingGroup& group : groups) {
    const auto begin = grouped.begin() + group.firstRecord;
    const auto end = begin + group.recordCount;
    std::stable_sort(begin, end, cheaper);
    group.cost = begin->cost;
    for (auto word = begin; word != end; ++word) records.push_back(word->k);
  }
  added_ = {};
}

// Sorted by cost through counts: the costs are small numbers.
ReadingPool::ReadingPool(const ReadingGroups& groups, const std::vector<int>& costs)
    : groups_(&groups), order_(costs.size()), costs_(costs.size()) {
  const int highest = costs.empty() ? 0 : *std::max_element(costs.begin(), costs.end());
  std::vector<int> start(highest + 2, 0);
  for (const int cost : costs) ++start[cost + 1];
  for (size_t c = 1; c < start.size(); ++c) start[c] += start[c - 1];
  for (size_t g = 0; g < costs.size(); ++g) {
    const int i = start[costs[g]]++;
    order_[i] = static_cast<int>(g);
    costs_[i] = costs[g];
  }
}

int ReadingPool::CountWithin(int most) const {
  return static_cast<int>(std::upper_bound(costs_.begin(), costs_.end(), most) - costs_.begin());
}

void ReadingPool::ExtendWithin(CandidatePool& pool, int most, RandomSource& random) {
  const int first = pool.Size();
  const int count = CountWithin(most);
  if (count <= first) return;
  ShuffleUpTo(count, random);
  std::vector<std::u32string_view> words(count - first);
  std::vector<float> searchCosts(count - first);
  for (int i = first; i < count; ++i) {
    words[i - first] = groups_->ReadingOf(order_[i]);
    searchCosts[i - first] = static_cast<float>(costs_[i]) / kCostsPerTier;
  }
  pool.Append(words, searchCosts);
}

// Shuffles each cost's candidates not yet shuffled before `count`, which ends a cost's run.
void ReadingPool::ShuffleUpTo(int count, RandomSource& random) {
  while (shuffled_ < count) {
    const int first = shuffled_;
    const int end = static_cast<int>(
        std::upper_bound(costs_.begin() + first, costs_.end(), costs_[first]) - costs_.begin());
    for (int i = end; i > first + 1; --i) {
      std::swap(order_[i - 1], order_[first + random.Draw(0, i - first)]);
    }
    shuffled_ = end;
  }
}

}  // namespace crossword
