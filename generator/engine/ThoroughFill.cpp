#include <algorithm>

#include "generator/engine/Generator.h"

namespace crossword {

namespace {

constexpr long kFirstBound = 2000;  // candidates the first attempt may try

// Each attempt may try half as many again as the one before: the bound soon outgrows any
// grid, so that a long run is a complete search.
long NextBound(long bound) {
  return bound + bound / 2;
}

}  // namespace

FillResult Generator::FillStageThorough() {
  noFillReason_.clear();
  RefreshPatterns();
  std::map<std::u32string, CandidatePool> pools;
  const std::vector<SearchSlot> slots = MakeSearchSlots(pools);
  for (size_t s = 0; s < slots.size(); ++s) {
    if (slots[s].pool->Size() == 0) {
      noFillReason_ = DescribeSlot(static_cast<int>(s) + 1) + " has no candidate";
      return FillResult::NoFill;
    }
  }
  std::vector<WordRecord> placed(slots.size());
  WordRecord candidate;
  ThoroughSearch::Rules rules;
  rules.excludedBy = [&](int s, int i, const std::vector<int>& chosen) {
    const CandidatePool& pool = *slots[s].pool;
    DicDb->ReadRecord(pool.Length(), pool.Word(i), candidate);
    for (size_t t = 0; t < chosen.size(); ++t) {
      if (chosen[t] != ThoroughSearch::kOpen && ExcludedBy(candidate, placed[t], ListOn)) {
        return static_cast<int>(t);
      }
    }
    return -1;
  };
  rules.placed = [&](int s, int i) {
    DicDb->ReadRecord(slots[s].pool->Length(), slots[s].pool->Word(i), placed[s]);
  };
  rules.pump = [this] { LetEventsRun(); };
  ThoroughSearch search(slots, Rnd, std::move(rules));
  long bound = kFirstBound;
  for (int restart = 0;; ++restart) {
    Show(GeneratorLabel::lblRestart, std::to_string(restart));
    switch (search.Run(bound, restart > 0)) {
      case ThoroughSearch::Result::Filled:
        PlaceSearchResult(slots, search.Chosen());
        return FillResult::Filled;
      case ThoroughSearch::Result::NoFill:
        noFillReason_ = "no combination of the candidates fits";
        return FillResult::NoFill;
      case ThoroughSearch::Result::BoundReached:
        if (restart >= RestartMax) return FillResult::Failed;
        bound = NextBound(bound);
    }
  }
}

// Slots with the same letters share one pool: a grid without embedded letters needs one
// pool per length.
std::vector<SearchSlot> Generator::MakeSearchSlots(std::map<std::u32string, CandidatePool>& pools) {
  std::vector<SearchSlot> slots;
  for (int s = 1; s <= QuesNmbMax(); ++s) {
    const GeneratorSlot& slot = Slot(s);
    auto pool = pools.find(slot.Pattern);
    if (pool == pools.end()) pool = pools.emplace(slot.Pattern, MakeCandidatePool(s)).first;
    SearchSlot& searchSlot = slots.emplace_back(SearchSlot{&pool->second, {}});
    for (int j = 1; j <= slot.AnswerLen; ++j) {
      const int c = CrossingSlotAt(slot, j);
      if (c != 0) searchSlot.crossings.push_back({j - 1, c - 1, CrossingPositionAt(slot, j) - 1});
    }
  }
  return slots;
}

// The admitted words that fit the slot's letters, in an order of the run's random numbers,
// those with a clue in Japanese first.
CandidatePool Generator::MakeCandidatePool(int s) {
  const int n = FetchCandidates(s);
  for (int i = n; i > 1; --i) std::swap(Candidate[i - 1], Candidate[Rnd.Draw(0, i)]);
  const int length = Slot(s).AnswerLen;
  const int preferred = PutJapaneseCluesFirst(length);
  std::u32string letters;
  letters.reserve(static_cast<size_t>(n) * length);
  for (int k : Candidate) letters += DicDb->Reading(length, k);
  return CandidatePool(length, Candidate, std::move(letters), preferred);
}

// A Japanese solver is asked in Japanese wherever the dictionary can; an English
// dictionary's clues all have Latin letters, so its order stays. Returns how many
// candidates have a Japanese clue.
int Generator::PutJapaneseCluesFirst(int length) {
  if (!japaneseClues_) {
    const std::filesystem::path dictionary = DicPath + DicFileName;
    japaneseClues_ = std::filesystem::is_regular_file(dictionary)
                         ? WordsWithJapaneseClue(dictionary)
                         : JapaneseClueFlags{};
  }
  const std::vector<bool>& japanese = (*japaneseClues_)[length];
  const auto others = std::stable_partition(Candidate.begin(), Candidate.end(), [&](int k) {
    return k >= 1 && static_cast<size_t>(k) <= japanese.size() && japanese[k - 1];
  });
  return static_cast<int>(others - Candidate.begin());
}

void Generator::PlaceSearchResult(const std::vector<SearchSlot>& slots,
                                  const std::vector<int>& chosen) {
  for (int s = 1; s <= QuesNmbMax(); ++s) {
    const CandidatePool& pool = *slots[s - 1].pool;
    PlaceWord(s, DicDb->Record(pool.Length(), pool.Word(chosen[s - 1])));
    WriteSlotWord(s);
  }
  observer_.ShowGrid(CrossMas);
}

std::vector<int> Generator::CountSlotCandidates() {
  RefreshPatterns();
  std::vector<int> counts;
  for (int s = 1; s <= QuesNmbMax(); ++s) counts.push_back(FetchCandidates(s));
  return counts;
}

std::string Generator::DescribeSlot(int s) const {
  const GeneratorSlot& slot = Slot(s);
  return "slot " + std::to_string(s) + " (" + (slot.FlagHorV == FlagAcross ? "across" : "down") +
         " from column " + std::to_string(slot.x) + ", row " + std::to_string(slot.y) + ", " +
         std::to_string(slot.AnswerLen) + " letters)";
}

}  // namespace crossword
