#include "generator/engine/ThoroughSearch.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace crossword {

namespace {

constexpr int kPumpEvery = 64;     // candidates tried between two pumps
constexpr int kPassOnBelow = 256;  // a slot with fewer live candidates narrows its crossings
constexpr double kJitter = 1.0;    // how far a restart may move a candidate's score

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

// Letters are looked up in a table over the pool's range of letters, not hashed: a pool
// of a long run holds tens of thousands of words.
CandidatePool::CandidatePool(int length, std::vector<int> words, std::u32string letters,
                             int preferred)
    : length_(length),
      words_(std::move(words)),
      preferred_(preferred),
      letters_(std::move(letters)),
      byLetter_(length),
      blocks_(length) {
  if (letters_.empty()) return;
  const auto [low, high] = std::minmax_element(letters_.begin(), letters_.end());
  std::vector<int> setOf(*high - *low + 1, -1);  // by letter - *low: its set at a position
  for (int p = 0; p < length_; ++p) IndexPosition(p, setOf, *low);
}

// Gives each letter at `position` a bit set and marks its candidates there; `setOf` is
// all -1 before and after.
void CandidatePool::IndexPosition(int position, std::vector<int>& setOf, char32_t first) {
  const size_t bitWords = (words_.size() + 63) / 64;
  std::vector<char32_t> seen;
  for (int i = 0; i < Size(); ++i) {
    int& set = setOf[Letter(i, position) - first];
    if (set < 0) {
      set = static_cast<int>(seen.size());
      seen.push_back(Letter(i, position));
    }
  }
  std::vector<std::uint64_t>& block = blocks_[position];
  block.assign(bitWords * seen.size(), 0);
  for (int i = 0; i < Size(); ++i) {
    block[setOf[Letter(i, position) - first] * bitWords + i / 64] |= std::uint64_t{1} << (i % 64);
  }
  for (size_t set = 0; set < seen.size(); ++set) {
    byLetter_[position].push_back({seen[set], block.data() + set * bitWords});
    setOf[seen[set] - first] = -1;
  }
  std::sort(byLetter_[position].begin(), byLetter_[position].end(),
            [](const LetterBits& a, const LetterBits& b) { return a.letter < b.letter; });
}

const std::uint64_t* CandidatePool::WithLetter(int position, char32_t letter) const {
  const auto& entries = byLetter_[position];
  const auto found = std::lower_bound(
      entries.begin(), entries.end(), letter,
      [](const LetterBits& entry, char32_t wanted) { return entry.letter < wanted; });
  return found == entries.end() || found->letter != letter ? nullptr : found->bits;
}

ThoroughSearch::ThoroughSearch(std::vector<SearchSlot> slots, RandomSource& random, Rules rules)
    : slots_(std::move(slots)), random_(random), rules_(std::move(rules)) {}

ThoroughSearch::Result ThoroughSearch::Run(long bound, bool vary) {
  Reset();
  bound_ = bound;
  jitter_ = vary;
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
// summed: the pool's preferred candidates first, the best of each first, equal scores from
// the slot's random start. A candidate that
// leaves a crossing nothing is not tried; what narrowed that crossing is to blame.
std::vector<ThoroughSearch::Choice> ThoroughSearch::OrderCandidates(int s) {
  const SearchSlot& slot = slots_[s];
  const CandidatePool& pool = *slot.pool;
  std::vector<std::unordered_map<char32_t, int>> left(slot.crossings.size());
  auto leftWith = [&](size_t c, char32_t letter) {
    const SlotCrossing& crossing = slot.crossings[c];
    const auto [found, fresh] = left[c].try_emplace(letter, 0);
    if (fresh) {
      const std::uint64_t* with =
          slots_[crossing.slot].pool->WithLetter(crossing.crossPosition, letter);
      found->second = with ? CountBoth(live_[crossing.slot], with) : 0;
    }
    return found->second;
  };
  std::vector<Choice> choices;
  const int size = pool.Size();
  for (const auto& [from, end] : {std::pair(start_[s], size), std::pair(0, start_[s])}) {
    for (int i = NextSet(live_[s], from, end); i < end; i = NextSet(live_[s], i + 1, end)) {
      double score = jitter_ ? random_.Next() * kJitter : 0;
      int emptied = -1;
      for (size_t c = 0; c < slot.crossings.size() && emptied < 0; ++c) {
        const SlotCrossing& crossing = slot.crossings[c];
        if (chosen_[crossing.slot] != kOpen) continue;
        const int n = leftWith(c, pool.Letter(i, crossing.ownPosition));
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
  std::stable_sort(choices.begin(), choices.end(), [&](const Choice& a, const Choice& b) {
    if (pool.Preferred(a.i) != pool.Preferred(b.i)) return pool.Preferred(a.i);
    return a.score > b.score;
  });
  return choices;
}

ThoroughSearch::Step ThoroughSearch::Try(int s, int i, int depth) {
  if (++tried_ > bound_) return Step::Bound;
  if (tried_ % kPumpEvery == 0) rules_.pump();
  const int blocker = rules_.excludedBy(s, i, chosen_);
  if (blocker >= 0) {
    conflicts_[s][blocker] = 1;
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
// with it, and a crossing left with few candidates passes its own narrowing on. Returns a
// slot left without any candidate, else -1.
int ThoroughSearch::Propagate(int s) {
  queue_.assign(1, s);
  while (!queue_.empty()) {
    const int u = queue_.back();
    queue_.pop_back();
    for (const SlotCrossing& crossing : slots_[u].crossings) {
      if (chosen_[crossing.slot] != kOpen) continue;
      const int emptied = NarrowFrom(u, crossing);
      if (emptied >= 0) return emptied;
    }
  }
  return -1;
}

// Keeps in the crossing slot the candidates whose letter in the shared cell some live
// candidate of u has there. A slot with many candidates almost always allows every
// letter, so it is not asked.
int ThoroughSearch::NarrowFrom(int u, const SlotCrossing& crossing) {
  const CandidatePool& from = *slots_[u].pool;
  letters_.clear();
  if (chosen_[u] != kOpen) {
    letters_ += from.Letter(chosen_[u], crossing.ownPosition);
  } else if (liveCount_[u] <= kPassOnBelow) {
    const int size = from.Size();
    for (int i = NextSet(live_[u], 0, size); i < size; i = NextSet(live_[u], i + 1, size)) {
      const char32_t letter = from.Letter(i, crossing.ownPosition);
      if (letters_.find(letter) == std::u32string::npos) letters_ += letter;
    }
  } else {
    return -1;
  }
  const int t = crossing.slot;
  if (!KeepOnly(*slots_[t].pool, crossing.crossPosition) || !Narrow(t, keep_, u)) return -1;
  if (liveCount_[t] == 0) return t;
  if (liveCount_[t] <= kPassOnBelow && std::find(queue_.begin(), queue_.end(), t) == queue_.end()) {
    queue_.push_back(t);
  }
  return -1;
}

// Into keep_: the candidates of `pool` with one of letters_ at `position`, found from the
// fewer bit sets: the letters kept, or those dropped. False when no letter is dropped.
bool ThoroughSearch::KeepOnly(const CandidatePool& pool, int position) {
  const auto& byLetter = pool.ByLetter(position);
  const bool keepsFewer = letters_.size() * 2 < byLetter.size();
  keep_.assign((pool.Size() + 63) / 64, keepsFewer ? 0 : ~std::uint64_t{0});
  bool drops = false;
  for (const auto& [letter, with] : byLetter) {
    const bool kept = letters_.find(letter) != std::u32string::npos;
    drops = drops || !kept;
    if (kept && keepsFewer) {
      for (size_t w = 0; w < keep_.size(); ++w) keep_[w] |= with[w];
    } else if (!kept && !keepsFewer) {
      for (size_t w = 0; w < keep_.size(); ++w) keep_[w] &= ~with[w];
    }
  }
  return drops;
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
