#include "generator/engine/ThoroughSearch.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace crossword {

namespace {

constexpr int kPumpEvery = 64;     // candidates tried between two pumps
constexpr int kPassOnBelow = 256;  // a slot with fewer live candidates narrows its crossings
constexpr int kStepsPerCandidate = 4;
constexpr double kJitter = 1.0;  // how far a restart may move a candidate's score

// Counting bits is most of narrowing: the processor's own instruction where it has one.
[[gnu::target_clones("popcnt", "default")]] int CountBoth(const WordBits& a,
                                                          const std::uint64_t* b) {
  int count = 0;
  for (size_t w = 0; w < a.size(); ++w) count += std::popcount(a[w] & b[w]);
  return count;
}

WordBits AllOf(int count) {
  WordBits bits((count + 63) / 64, ~std::uint64_t{0});
  if (count % 64 != 0) bits.back() = (std::uint64_t{1} << (count % 64)) - 1;
  return bits;
}

[[gnu::target_clones("popcnt", "default")]] int CountOf(const WordBits& bits) {
  int count = 0;
  for (std::uint64_t word : bits) count += std::popcount(word);
  return count;
}

// The first set bit at or after `from` and before `end`; `end` when none.
int NextSet(const WordBits& bits, int from, int end) {
  while (from < end) {
    const std::uint64_t rest = bits[from / 64] >> (from % 64);
    if (rest != 0) return std::min(end, from + std::countr_zero(rest));
    from = (from / 64 + 1) * 64;
  }
  return end;
}

}  // namespace

void CandidatePool::Append(std::span<const std::u32string_view> words,
                           std::span<const float> costs) {
  const int first = Size();
  costs_.insert(costs_.end(), costs.begin(), costs.end());
  letterSets_.resize(costs_.size() * length_);
  for (Position& position : positions_) MakeRoom(position, (costs_.size() + 63) / 64);
  // Word by word, each fetched ahead: the words lie scattered in memory. The bits of 64
  // candidates at a time are gathered in `block`, which stays in the cache, and then merged.
  constexpr int kFetchAhead = 16;
  std::vector<std::vector<std::uint64_t>> block(length_);
  for (int i = first; i < Size(); ++i) {
    if (i - first + kFetchAhead < static_cast<int>(words.size())) {
      __builtin_prefetch(words[i - first + kFetchAhead].data());
    }
    const std::u32string_view word = words[i - first];
    for (int p = 0; p < length_; ++p) {
      int set = LetterSetOf(p, word[p]);
      if (set < 0) set = AddSet(positions_[p], word[p]);
      letterSets_[i * length_ + p] = static_cast<std::uint16_t>(set);
      if (static_cast<size_t>(set) >= block[p].size()) block[p].resize(set + 1, 0);
      block[p][set] |= std::uint64_t{1} << (i % 64);
    }
    if (i % 64 == 63 || i + 1 == Size()) MergeBlock(block, i / 64);
  }
  for (Position& position : positions_) {
    for (size_t set = 0; set < position.byLetter.size(); ++set) {
      position.byLetter[set].bits = position.bits.data() + set * position.stride;
    }
  }
}

void CandidatePool::MergeBlock(std::vector<std::vector<std::uint64_t>>& block, int word) {
  for (int p = 0; p < length_; ++p) {
    Position& position = positions_[p];
    for (size_t set = 0; set < block[p].size(); ++set) {
      position.bits[set * position.stride + word] |= block[p][set];
      block[p][set] = 0;
    }
  }
}

void CandidatePool::MakeRoom(Position& position, size_t words) {
  if (words <= position.stride) return;
  const size_t stride = std::max(words, 2 * position.stride);
  std::vector<std::uint64_t> bits(position.byLetter.size() * stride, 0);
  for (size_t set = 0; set < position.byLetter.size(); ++set) {
    std::copy_n(position.bits.begin() + set * position.stride, position.stride,
                bits.begin() + set * stride);
  }
  position.bits = std::move(bits);
  position.stride = stride;
}

// A new letter's set at the position, empty.
int CandidatePool::AddSet(Position& position, char32_t letter) {
  if (position.byLetter.size() > std::numeric_limits<std::uint16_t>::max()) {
    throw std::length_error("a word position holds more different letters than a pool can index");
  }
  if (position.setOf.empty()) position.lowest = letter;
  if (letter < position.lowest) {
    position.setOf.insert(position.setOf.begin(), position.lowest - letter, -1);
    position.lowest = letter;
  }
  const size_t at = letter - position.lowest;
  if (at >= position.setOf.size()) position.setOf.resize(at + 1, -1);
  position.setOf[at] = static_cast<int>(position.byLetter.size());
  position.byLetter.push_back({letter, nullptr});
  position.bits.resize(position.byLetter.size() * position.stride, 0);
  return position.setOf[at];
}

ThoroughSearch::ThoroughSearch(std::vector<SearchSlot> slots, RandomSource& random, Rules rules)
    : slots_(std::move(slots)),
      crossingSets_(slots_.size()),
      random_(random),
      rules_(std::move(rules)) {
  for (size_t s = 0; s < slots_.size(); ++s) {
    for (const SlotCrossing& crossing : slots_[s].crossings) {
      const auto& own = slots_[s].pool->ByLetter(crossing.ownPosition);
      std::vector<int>& theirs = crossingSets_[s].emplace_back(own.size());
      for (size_t set = 0; set < own.size(); ++set) {
        theirs[set] =
            slots_[crossing.slot].pool->LetterSetOf(crossing.crossPosition, own[set].letter);
      }
    }
  }
}

ThoroughSearch::Result ThoroughSearch::Run(long bound, bool vary, double costWeight) {
  Reset();
  bound_ = bound;
  jitter_ = vary;
  costWeight_ = costWeight;
  switch (Descend(0)) {
    case Step::Found:
      return Result::Filled;
    case Step::Bound:
      return Result::BoundReached;
    default:
      return Result::NoFill;
  }
}

// Every slot open with all its candidates, each looked at from a new random place.
void ThoroughSearch::Reset() {
  const size_t n = slots_.size();
  tried_ = 0;
  firstSlot_ = -1;
  chosen_.assign(n, kOpen);
  depthOf_.assign(n, -1);
  start_.resize(n);
  live_.resize(n);
  liveCount_.resize(n);
  prunedBy_.assign(n, {});
  conflicts_.assign(n, std::vector<char>(n, 0));
  trailSize_ = 0;
  for (size_t s = 0; s < n; ++s) {
    const int size = slots_[s].pool->Size();
    start_[s] = size > 0 ? random_.Draw(0, size) : 0;
    live_[s] = AllOf(size);
    liveCount_[s] = size;
  }
}

// The open slot with the fewest live candidates; of those, the one crossing most slots.
int ThoroughSearch::ChooseSlot() const {
  int best = -1;
  for (int s = 0; s < static_cast<int>(slots_.size()); ++s) {
    if (chosen_[s] != kOpen) continue;
    if (best < 0 || liveCount_[s] < liveCount_[best] ||
        (liveCount_[s] == liveCount_[best] &&
         slots_[s].crossings.size() > slots_[best].crossings.size())) {
      best = s;
    }
  }
  return best;
}

// Tries the chosen slot's candidates, the most promising first. When none is left, the
// failure goes back to the deepest slot among those that narrowed this one or blocked its
// candidates: the slots between had no part in it.
ThoroughSearch::Step ThoroughSearch::Descend(int depth) {
  const int s = ChooseSlot();
  if (s < 0) return Step::Found;
  if (depth == 0) firstSlot_ = s;
  depthOf_[s] = depth;
  std::fill(conflicts_[s].begin(), conflicts_[s].end(), 0);
  for (const Choice& choice : OrderCandidates(s)) {
    const Step step = Try(s, choice.i, depth);
    if (step == Step::Back) depthOf_[s] = -1;
    if (step != Step::Next) return step;
  }
  jumpSet_ = conflicts_[s];
  AddConflicts(jumpSet_, prunedBy_[s], s);
  jumpTarget_ = DeepestOf(jumpSet_);
  depthOf_[s] = -1;
  return Step::Back;
}

// Each live candidate scores the logarithms of the words it leaves its open crossings,
// summed, less its cost: the best first, equal scores from the slot's random start. A candidate
// that leaves a crossing nothing is not tried; what narrowed that crossing is to blame.
std::vector<ThoroughSearch::Choice> ThoroughSearch::OrderCandidates(int s) {
  const SearchSlot& slot = slots_[s];
  const CandidatePool& pool = *slot.pool;
  // Per crossing and own letter set: the words it leaves there, -1 until counted.
  std::vector<std::vector<int>> left(slot.crossings.size());
  for (size_t c = 0; c < left.size(); ++c) {
    left[c].assign(pool.ByLetter(slot.crossings[c].ownPosition).size(), -1);
  }
  auto leftWith = [&](size_t c, int set) {
    int& count = left[c][set];
    if (count < 0) {
      const SlotCrossing& crossing = slot.crossings[c];
      const int theirs = crossingSets_[s][c][set];
      count = theirs < 0
                  ? 0
                  : CountBoth(live_[crossing.slot], slots_[crossing.slot].pool->WithLetterSet(
                                                        crossing.crossPosition, theirs));
    }
    return count;
  };
  std::vector<Choice> choices;
  const int size = pool.Size();
  for (const auto& [from, end] : {std::pair(start_[s], size), std::pair(0, start_[s])}) {
    for (int i = NextSet(live_[s], from, end); i < end; i = NextSet(live_[s], i + 1, end)) {
      double score = (jitter_ ? random_.Next() * kJitter : 0) - costWeight_ * pool.Cost(i);
      int emptied = -1;
      for (size_t c = 0; c < slot.crossings.size() && emptied < 0; ++c) {
        const SlotCrossing& crossing = slot.crossings[c];
        if (chosen_[crossing.slot] != kOpen) continue;
        const int n = leftWith(c, pool.LetterSet(i, crossing.ownPosition));
        if (n == 0) emptied = crossing.slot;
        score += std::log(static_cast<double>(n));
      }
      if (emptied >= 0) {
        AddConflicts(conflicts_[s], prunedBy_[emptied], s);
      } else {
        choices.push_back({score, i});
      }
    }
  }
  std::stable_sort(choices.begin(), choices.end(),
                   [](const Choice& a, const Choice& b) { return a.score > b.score; });
  return choices;
}

ThoroughSearch::Step ThoroughSearch::Try(int s, int i, int depth) {
  if (++tried_ > bound_) return Step::Bound;
  if (tried_ % kPumpEvery == 0 && rules_.pump()) return Step::Bound;
  blockers_.clear();
  if (rules_.excludedBy(s, i, chosen_, blockers_)) {
    AddConflicts(conflicts_[s], blockers_, s);
    return Step::Next;
  }
  const size_t mark = trailSize_;
  chosen_[s] = i;
  const int emptied = Propagate(s);
  if (emptied >= 0) {
    AddConflicts(conflicts_[s], prunedBy_[emptied], s);
    Undo(mark);
    chosen_[s] = kOpen;
    return Step::Next;
  }
  rules_.placed(s, i);
  const Step step = Descend(depth + 1);
  if (step == Step::Found || step == Step::Bound) return step;
  Undo(mark);
  chosen_[s] = kOpen;
  if (jumpTarget_ != s) return Step::Back;
  for (size_t t = 0; t < jumpSet_.size(); ++t) {
    if (jumpSet_[t] && static_cast<int>(t) != s) conflicts_[s][t] = 1;
  }
  return Step::Next;
}

// Passes the placement in slot s on: each crossing keeps only the candidates that agree
// with it, and a crossing left with few candidates passes its own narrowing on. A slot with
// many candidates almost always allows every letter, so it is not asked. Returns a slot
// left without any candidate, else -1.
int ThoroughSearch::Propagate(int s) {
  queue_.assign(1, s);
  while (!queue_.empty()) {
    const int u = queue_.back();
    queue_.pop_back();
    if (chosen_[u] == kOpen && liveCount_[u] > kPassOnBelow) continue;
    MarkOwnLetters(u);
    const std::vector<SlotCrossing>& crossings = slots_[u].crossings;
    for (size_t c = 0; c < crossings.size(); ++c) {
      if (chosen_[crossings[c].slot] != kOpen) continue;
      const int emptied = NarrowFrom(u, c);
      if (emptied >= 0) return emptied;
    }
  }
  return -1;
}

// Into ownSets_, for each crossing of u: the letter sets of u's pool at the shared cell that
// u's placed word or some live candidate of u has there. One pass over the candidates, each
// one's letters side by side.
void ThoroughSearch::MarkOwnLetters(int u) {
  const CandidatePool& pool = *slots_[u].pool;
  const std::vector<SlotCrossing>& crossings = slots_[u].crossings;
  ownSets_.resize(crossings.size());
  for (size_t c = 0; c < crossings.size(); ++c) {
    ownSets_[c].assign((pool.ByLetter(crossings[c].ownPosition).size() + 63) / 64, 0);
  }
  auto mark = [&](int i) {
    for (size_t c = 0; c < crossings.size(); ++c) {
      const int set = pool.LetterSet(i, crossings[c].ownPosition);
      ownSets_[c][set / 64] |= std::uint64_t{1} << (set % 64);
    }
  };
  if (chosen_[u] != kOpen) {
    mark(chosen_[u]);
  } else {
    const int size = pool.Size();
    for (int i = NextSet(live_[u], 0, size); i < size; i = NextSet(live_[u], i + 1, size)) mark(i);
  }
}

// Keeps in the slot of u's crossing c the candidates whose letter in the shared cell u
// allows there.
int ThoroughSearch::NarrowFrom(int u, size_t c) {
  const SlotCrossing& crossing = slots_[u].crossings[c];
  const int t = crossing.slot;
  const CandidatePool& pool = *slots_[t].pool;
  const int kept = AllowedLetters(u, c);
  const int dropped = static_cast<int>(pool.ByLetter(crossing.crossPosition).size()) - kept;
  if (dropped == 0) return -1;
  // Looking at each live candidate costs a few steps; a letter's bit set, a step per 64.
  if (liveCount_[t] * kStepsPerCandidate < std::min(kept, dropped) * (pool.Size() / 64)) {
    KeepLiveOnly(t, crossing.crossPosition);
  } else {
    KeepOnly(pool, crossing.crossPosition, kept);
  }
  if (!Narrow(t, keep_, u)) return -1;
  if (liveCount_[t] == 0) return t;
  if (liveCount_[t] <= kPassOnBelow && std::find(queue_.begin(), queue_.end(), t) == queue_.end()) {
    queue_.push_back(t);
  }
  return -1;
}

// Into allowed_: the letter sets of the position of u's crossing c in the crossing slot
// whose letters ownSets_ marks for c. Returns how many.
int ThoroughSearch::AllowedLetters(int u, size_t c) {
  const SlotCrossing& crossing = slots_[u].crossings[c];
  const CandidatePool& to = *slots_[crossing.slot].pool;
  allowed_.assign((to.ByLetter(crossing.crossPosition).size() + 63) / 64, 0);
  const std::vector<int>& translate = crossingSets_[u][c];
  const WordBits& own = ownSets_[c];
  int kept = 0;
  const int ownCount = static_cast<int>(translate.size());
  for (int set = NextSet(own, 0, ownCount); set < ownCount; set = NextSet(own, set + 1, ownCount)) {
    const int theirs = translate[set];
    if (theirs < 0) continue;
    allowed_[theirs / 64] |= std::uint64_t{1} << (theirs % 64);
    ++kept;
  }
  return kept;
}

// Into keep_: the candidates of `pool` with an allowed letter at `position`, found from the
// fewer bit sets: the `kept` letters' or the dropped ones'.
void ThoroughSearch::KeepOnly(const CandidatePool& pool, int position, int kept) {
  const auto& byLetter = pool.ByLetter(position);
  const bool keepsFewer = kept * 2 < static_cast<int>(byLetter.size());
  keep_.assign((pool.Size() + 63) / 64, keepsFewer ? 0 : ~std::uint64_t{0});
  for (size_t set = 0; set < byLetter.size(); ++set) {
    const bool allowed = (allowed_[set / 64] >> (set % 64)) & 1;
    const std::uint64_t* with = byLetter[set].bits;
    if (allowed && keepsFewer) {
      for (size_t w = 0; w < keep_.size(); ++w) keep_[w] |= with[w];
    } else if (!allowed && !keepsFewer) {
      for (size_t w = 0; w < keep_.size(); ++w) keep_[w] &= ~with[w];
    }
  }
}

// Into keep_: the live candidates of slot t with an allowed letter at `position`, each
// looked at: for a slot with few left of a large pool.
void ThoroughSearch::KeepLiveOnly(int t, int position) {
  const CandidatePool& pool = *slots_[t].pool;
  keep_ = live_[t];
  const int size = pool.Size();
  for (int i = NextSet(keep_, 0, size); i < size; i = NextSet(keep_, i + 1, size)) {
    const int set = pool.LetterSet(i, position);
    if (!((allowed_[set / 64] >> (set % 64)) & 1)) keep_[i / 64] &= ~(std::uint64_t{1} << (i % 64));
  }
}

// Keeps only the candidates of slot t in `keep`, remembering what it had and the placed
// slots the narrowing rests on: u itself when placed, else what narrowed u. False when
// nothing changed.
bool ThoroughSearch::Narrow(int t, const WordBits& keep, int u) {
  WordBits& live = live_[t];
  bool changed = false;
  for (size_t w = 0; w < live.size() && !changed; ++w) changed = (live[w] & ~keep[w]) != 0;
  if (!changed) return false;
  if (trailSize_ == trail_.size()) trail_.emplace_back();
  TrailEntry& entry = trail_[trailSize_++];
  entry.slot = t;
  entry.live = live;
  entry.liveCount = liveCount_[t];
  entry.prunedBySize = prunedBy_[t].size();
  for (size_t w = 0; w < live.size(); ++w) live[w] &= keep[w];
  liveCount_[t] = CountOf(live);
  auto blame = [&](int placed) {
    auto& by = prunedBy_[t];
    if (std::find(by.begin(), by.end(), placed) == by.end()) by.push_back(placed);
  };
  if (chosen_[u] != kOpen) {
    blame(u);
  } else {
    for (size_t k = 0; k < prunedBy_[u].size(); ++k) blame(prunedBy_[u][k]);
  }
  return true;
}

void ThoroughSearch::Undo(size_t mark) {
  while (trailSize_ > mark) {
    TrailEntry& entry = trail_[--trailSize_];
    std::swap(live_[entry.slot], entry.live);
    liveCount_[entry.slot] = entry.liveCount;
    prunedBy_[entry.slot].resize(entry.prunedBySize);
  }
}

void ThoroughSearch::AddConflicts(std::vector<char>& into, const std::vector<int>& slots,
                                  int except) {
  for (int t : slots) {
    if (t != except) into[t] = 1;
  }
}

// The slot placed last among the set; -1 for an empty set, which nothing placed caused.
int ThoroughSearch::DeepestOf(const std::vector<char>& set) const {
  int deepest = -1;
  for (size_t t = 0; t < set.size(); ++t) {
    if (set[t] && (deepest < 0 || depthOf_[t] > depthOf_[deepest])) deepest = static_cast<int>(t);
  }
  return deepest;
}

}  // namespace crossword
