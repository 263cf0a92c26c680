#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/RandomSource.h"

// The thorough fill: a complete backtracking search over the slots of one grid. Each slot
// draws from a pool of candidate words; every placement narrows the crossing slots through
// per-position letter bit sets, and a failure jumps straight back to the slot that caused
// it. Attempts are bounded so that a caller can restart with a larger bound.
namespace crossword {

using WordBits = std::vector<std::uint64_t>;  // bit i: candidate i of a pool

// The words one or more slots may take, in the order to try them, with the candidates
// holding each letter at each position and what each costs: the search tries a cheaper
// candidate before one that leaves its crossings as many words. A pool grows at its end, so
// that the attempts of one grid on more and more words index each word once.
class CandidatePool {
 public:
  // The candidates with one letter at one position.
  struct LetterBits {
    char32_t letter;
    const std::uint64_t* bits;
  };

  explicit CandidatePool(int length) : length_(length), positions_(length) {}
  CandidatePool(CandidatePool&&) = default;
  CandidatePool& operator=(CandidatePool&&) = default;
  CandidatePool(const CandidatePool&) = delete;
  CandidatePool& operator=(const CandidatePool&) = delete;

  // Adds candidates after the last: `words[i]` holds one's letters, `costs[i]` its cost.
  void Append(std::span<const std::u32string_view> words, std::span<const float> costs);

  int Length() const { return length_; }
  int Size() const { return static_cast<int>(costs_.size()); }
  float Cost(int i) const { return costs_[i]; }
  // Every letter at `position` with its candidates, in the order the letters came: its
  // letter sets.
  const std::vector<LetterBits>& ByLetter(int position) const {
    return positions_[position].byLetter;
  }
  // The letter set of candidate i's letter at `position`.
  int LetterSet(int i, int position) const { return letterSets_[i * length_ + position]; }
  // The candidates of letter set `set` at `position`.
  const std::uint64_t* WithLetterSet(int position, int set) const {
    return positions_[position].byLetter[set].bits;
  }
  // The letter set of `letter` at `position`; -1 when no candidate has it there.
  int LetterSetOf(int position, char32_t letter) const {
    const Position& at = positions_[position];
    return letter < at.lowest || letter - at.lowest >= at.setOf.size()
               ? -1
               : at.setOf[letter - at.lowest];
  }

 private:
  // One position's letter sets, found from a table over its range of letters, not hashed:
  // a pool of a long run holds tens of thousands of words.
  struct Position {
    char32_t lowest = 0;
    std::vector<int> setOf;  // by letter - lowest: its set, -1 for none
    // Set s's bits at s * stride, in one block: the sets grow together with the pool.
    std::vector<std::uint64_t> bits;
    size_t stride = 0;
    std::vector<LetterBits> byLetter;
  };
  int AddSet(Position& position, char32_t letter);
  // Room in every set's bits for `words` words of bits, with more to grow.
  static void MakeRoom(Position& position, size_t words);
  // ORs the gathered bits of word `word` of each set into the sets, and clears them.
  void MergeBlock(std::vector<std::vector<std::uint64_t>>& block, int word);

  int length_;
  std::vector<float> costs_;
  // LetterSet(i, position) at i * length + position: a position holds a few dozen letters.
  std::vector<std::uint16_t> letterSets_;
  std::vector<Position> positions_;
};

// A cell two slots share: position `ownPosition` of this slot is `crossPosition` of `slot`.
struct SlotCrossing {
  int ownPosition;
  int slot;
  int crossPosition;
};

struct SearchSlot {
  const CandidatePool* pool;
  std::vector<SlotCrossing> crossings;
};

class ThoroughSearch {
 public:
  enum class Result { Filled, NoFill, BoundReached };

  struct Rules {
    // Whether the placed words keep candidate `i` out of `slot`; if so, the slots whose
    // words do go into `blockers`. `chosen` holds each slot's candidate, kOpen for a slot
    // not placed.
    std::function<bool(int slot, int i, const std::vector<int>& chosen, std::vector<int>& blockers)>
        excludedBy;
    // Candidate `i` was placed in `slot`; called before the search goes deeper.
    std::function<void(int slot, int i)> placed;
    // Called now and then, to let a stop through.
    // True when the attempt is to end as if its bound were reached.
    std::function<bool()> pump;
  };

  ThoroughSearch(std::vector<SearchSlot> slots, RandomSource& random, Rules rules);

  // One attempt from the empty grid, giving up after `bound` candidates tried. Filled:
  // Chosen() holds each slot's candidate. NoFill: the grid has no fill at all. `vary`
  // shuffles candidates of about equal promise, so that a restart takes another path.
  // `costWeight`: how many words left to the crossings, as a logarithm, a unit of a
  // candidate's cost outweighs.
  Result Run(long bound, bool vary, double costWeight);
  const std::vector<int>& Chosen() const { return chosen_; }
  // The slot the last attempt began with: the one with the fewest candidates. After NoFill,
  // none of its candidates could be completed.
  int FirstSlot() const { return firstSlot_; }
  // The candidate number a slot is not yet placed with.
  static constexpr int kOpen = -1;

 private:
  enum class Step { Next, Found, Back, Bound };
  struct TrailEntry {
    int slot;
    WordBits live;
    int liveCount;
    size_t prunedBySize;
  };
  struct Choice {
    double score;
    int i;
  };

  void Reset();
  int ChooseSlot() const;
  Step Descend(int depth);
  std::vector<Choice> OrderCandidates(int s);
  Step Try(int s, int i, int depth);
  int Propagate(int s);
  void MarkOwnLetters(int u);
  int NarrowFrom(int u, size_t c);
  int AllowedLetters(int u, size_t c);
  void KeepOnly(const CandidatePool& pool, int position, int kept);
  void KeepLiveOnly(int t, int position);
  bool Narrow(int t, const WordBits& keep, int u);
  void Undo(size_t mark);
  void AddConflicts(std::vector<char>& into, const std::vector<int>& slots, int except);
  int DeepestOf(const std::vector<char>& set) const;

  std::vector<SearchSlot> slots_;
  // Per slot and crossing: each letter set of the slot's pool at the shared cell as the
  // crossing slot's pool numbers it there, -1 where that pool lacks the letter.
  std::vector<std::vector<std::vector<int>>> crossingSets_;
  RandomSource& random_;
  Rules rules_;
  long tried_ = 0;
  long bound_ = 0;
  bool jitter_ = false;  // later attempts vary the order of equal choices
  double costWeight_ = 0;
  std::vector<int> chosen_;                   // per slot: its candidate, or kOpen
  std::vector<int> depthOf_;                  // per slot: its depth while placed, else -1
  std::vector<int> start_;                    // per slot: the candidate to try first
  std::vector<WordBits> live_;                // per slot: candidates still possible
  std::vector<int> liveCount_;                // per slot: how many
  std::vector<std::vector<int>> prunedBy_;    // per slot: placed slots its narrowing rests on
  std::vector<std::vector<char>> conflicts_;  // per slot: slots to blame for its failures
  std::vector<TrailEntry> trail_;             // narrowings to undo, the newest last
  size_t trailSize_ = 0;                      // entries of trail_ in use
  std::vector<char> jumpSet_;                 // the failure passed back to jumpTarget_
  int jumpTarget_ = -1;
  int firstSlot_ = -1;
  std::vector<int> blockers_;      // scratch for Try
  std::vector<int> queue_;         // slots whose narrowing is still to pass on
  WordBits keep_;                  // scratch for NarrowFrom: the crossing's candidates kept
  std::vector<WordBits> ownSets_;  // per crossing of the narrowing slot: its letter sets there
  WordBits allowed_;               // scratch for NarrowFrom: letter sets of the crossing kept
};

}  // namespace crossword
