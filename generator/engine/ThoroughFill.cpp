#include "generator/engine/ThoroughFill.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <set>
#include <utility>

#include "dictionary/KeptClues.h"

namespace crossword {

namespace {

constexpr long kFirstBound = 500;  // candidates the first attempt on every word may try
// Candidates an attempt on the wanted words may try: the first most, as most grids fill from
// the words wanted most; a later attempt takes larger pools, where each try costs more.
constexpr long kFirstPhaseBound = 500;
constexpr long kPhaseBound = 250;
constexpr int kWantedPhases = 3;   // attempts on the wanted words before all are allowed
constexpr int kFewestWanted = 20;  // wanted words a slot needs for an attempt on them
constexpr int kRepeatCost = 3;     // for each earlier stage holding a reading
// A reading in this many stages of the set is taken again only where nothing else fills.
constexpr int kStagesEnough = 3;
constexpr int kUsedEnoughCost = 1000;
constexpr int kAllButUsedEnough = kUsedEnoughCost - 1;  // the most cost that leaves those out
constexpr double kSecondsPer81Cells = 10;  // a search gives up after this, for a 9 x 9 grid
constexpr int kEveryCost = std::numeric_limits<int>::max();
constexpr int kKeywordLackedCost = 1;  // for a reading without a letter the keyword needs
// The weight of a candidate's cost in the order the search tries them: in the attempts on
// the wanted words, and in the last ones, which must above all find a fill.
constexpr double kWantedCostWeight = 1.5;
constexpr double kLastCostWeight = 0.25;

// Each attempt may try half as many again as the one before: the bound soon outgrows any
// grid, so that a long run is a complete search.
long NextBound(long bound) {
  return bound + bound / 2;
}

}  // namespace

ThoroughFill::ThoroughFill(const FillGrid& grid, const LoadedGridSettings& loaded,
                           CandidateQueries& queries, const WordSelection& selection,
                           RandomSource& rnd, GeneratorObserver& observer,
                           std::function<void()> pump)
    : grid_(grid),
      loaded_(loaded),
      queries_(queries),
      selection_(selection),
      rnd_(rnd),
      observer_(observer),
      pump_(std::move(pump)) {}

void ThoroughFill::UsePreference(RankPreference preference) {
  preference_ = std::move(preference);
  readingGroups_.clear();
}

void ThoroughFill::StartSet() {
  answersUsed_.clear();
  keywordMarks_.clear();
}

void ThoroughFill::StageWritten(int stage) {
  keywordMarks_.resize(stage);  // the marks FillHoldingKeyword found, if any
  for (int i = 1; i <= grid_.QuesNmbMax(); ++i) ++answersUsed_[grid_.Slot(i).Word.Yst];
}

// First from the words the puzzle wants most, then with more and more of the others, at
// last from every admitted word with restarts until the fill is found, proved impossible or
// given up.
ThoroughFill::GridFill ThoroughFill::Fill(int restartMax) {
  GridFill fill;
  ReadingPools readings = MakeReadingPools();
  for (int s = 1; s <= grid_.QuesNmbMax(); ++s) {
    if (readings.at(grid_.Slot(s).Pattern).Size() == 0) {
      fill.result = FillResult::NoFill;
      fill.unfilled = Blame(UnfilledGrid::Cause::NoCandidate, s);
      return fill;
    }
  }
  clock_.Start();
  const GeneratorMas& cells = grid_.CrossMas;
  secondsMax_ = kSecondsPer81Cells * std::max(1.0, cells.MasMaxX() * cells.MasMaxY() / 81.0);
  SearchPools pools;  // grown by each attempt on more words
  fill.result = FillFromPreferred(readings, pools, fill)
                    ? FillResult::Filled
                    : FillFromEvery(readings, pools, restartMax, fill);
  return fill;
}

// Single attempts on the words the puzzle wants most, fewer to more, then on every word but
// the readings the set has used enough, if there are any.
bool ThoroughFill::FillFromPreferred(ReadingPools& readings, SearchPools& pools, GridFill& fill) {
  using Result = ThoroughSearch::Result;
  // A grid that one attempt on the wanted words could not settle is hard: more words
  // rarely make it easy.
  long bound = kFirstPhaseBound;
  for (const int most : WantedCosts(readings)) {
    const Result result = SearchThorough(readings, pools, most, bound, 0, fill);
    bound = kPhaseBound;
    if (result == Result::Filled) return true;
    if (result == Result::BoundReached) break;
  }
  const bool usedEnough = std::any_of(readings.begin(), readings.end(), [](const auto& entry) {
    return entry.second.CountWithin(kAllButUsedEnough) < entry.second.Size();
  });
  return usedEnough &&
         SearchThorough(readings, pools, kAllButUsedEnough, kPhaseBound, 0, fill) == Result::Filled;
}

// Attempts on every word, each bound larger, until a fill is found or proved impossible or
// the search gives up.
FillResult ThoroughFill::FillFromEvery(ReadingPools& readings, SearchPools& pools, int restartMax,
                                       GridFill& fill) {
  using Result = ThoroughSearch::Result;
  long bound = kFirstBound;
  for (int restart = 0;; ++restart) {
    observer_.AttemptStarted(restart);
    switch (SearchThorough(readings, pools, kEveryCost, bound, restart, fill)) {
      case Result::Filled:
        return FillResult::Filled;
      case Result::NoFill:
        return FillResult::NoFill;
      case Result::BoundReached:
        break;
    }
    if (restart >= restartMax) return FillResult::Failed;
    if (clock_.Seconds() > secondsMax_) {
      fill.unfilled.cause = UnfilledGrid::Cause::TimeUp;
      fill.unfilled.seconds = static_cast<int>(secondsMax_);
      return FillResult::Failed;
    }
    bound = NextBound(bound);
  }
}

UnfilledGrid ThoroughFill::Blame(UnfilledGrid::Cause cause, int s) const {
  const GeneratorSlot& slot = grid_.Slot(s);
  return {cause, s, slot.FlagHorV, slot.x, slot.y, slot.AnswerLen, 0};
}

// The costs up to which the first attempts take words: the lowest few that leave out some
// words and still leave every slot enough to choose from.
std::vector<int> ThoroughFill::WantedCosts(const ReadingPools& readings) {
  std::set<int> costs;
  for (const auto& [pattern, pool] : readings) {
    const std::vector<int>& poolCosts = pool.Costs();
    std::unique_copy(poolCosts.begin(), poolCosts.end(), std::inserter(costs, costs.end()));
  }
  std::vector<int> wanted;
  for (auto cost = costs.begin(); cost != costs.end() && std::next(cost) != costs.end() &&
                                  static_cast<int>(wanted.size()) < kWantedPhases;
       ++cost) {
    const bool enough = std::all_of(readings.begin(), readings.end(), [&](const auto& entry) {
      return entry.second.CountWithin(*cost) >= kFewestWanted;
    });
    if (enough) wanted.push_back(*cost);
  }
  return wanted;
}

// One attempt with the candidates that cost at most `most`, from `pools` grown to them; a
// fill found is placed.
ThoroughSearch::Result ThoroughFill::SearchThorough(ReadingPools& readings, SearchPools& pools,
                                                    int most, long bound, int restart,
                                                    GridFill& fill) {
  std::vector<SearchSlot> slots = MakeSearchSlots(readings, most, pools);
  std::vector<WordRecord> placed(slots.size());
  WordRecord candidate, allowed;
  ThoroughSearch::Rules rules;
  // The most wanted record of the reading that the placed words allow.
  rules.excludedBy = [&](int s, int i, const std::vector<int>& chosen, std::vector<int>& blockers) {
    const ReadingPool& pool = readings.at(grid_.Slot(s + 1).Pattern);
    for (const int k : pool.Records(i)) {
      loaded_.DicDb->ReadRecord(pool.Length(), k, candidate);
      const size_t blamed = blockers.size();
      for (size_t t = 0; t < chosen.size(); ++t) {
        if (chosen[t] != ThoroughSearch::kOpen &&
            ExcludedBy(candidate, placed[t], selection_.ListOn)) {
          blockers.push_back(static_cast<int>(t));
        }
      }
      if (blockers.size() == blamed) {
        std::swap(allowed, candidate);
        return false;
      }
    }
    return true;
  };
  rules.placed = [&](int s, int) { placed[s] = allowed; };
  rules.pump = [this] {
    pump_();
    return clock_.Seconds() > secondsMax_;
  };
  ThoroughSearch search(std::move(slots), rnd_, std::move(rules));
  const ThoroughSearch::Result result = search.Run(
      bound, restart > 0, most >= kAllButUsedEnough ? kLastCostWeight : kWantedCostWeight);
  if (result == ThoroughSearch::Result::Filled) fill.words = std::move(placed);
  if (result == ThoroughSearch::Result::NoFill && most == kEveryCost) {
    fill.unfilled = Blame(UnfilledGrid::Cause::NoCombination, search.FirstSlot() + 1);
  }
  return result;
}

// Slots with the same letters share one pool: a grid without embedded letters needs one
// pool per length. A pool holding dearer words than the attempt takes is made anew.
std::vector<SearchSlot> ThoroughFill::MakeSearchSlots(ReadingPools& readings, int most,
                                                      SearchPools& pools) {
  std::vector<SearchSlot> slots;
  for (int s = 1; s <= grid_.QuesNmbMax(); ++s) {
    const GeneratorSlot& slot = grid_.Slot(s);
    ReadingPool& reading = readings.at(slot.Pattern);
    CandidatePool& pool = pools.try_emplace(slot.Pattern, slot.AnswerLen).first->second;
    if (pool.Size() > reading.CountWithin(most)) pool = CandidatePool(slot.AnswerLen);
    reading.ExtendWithin(pool, most, rnd_);
    SearchSlot& searchSlot = slots.emplace_back(SearchSlot{&pool, {}});
    for (int j = 1; j <= slot.AnswerLen; ++j) {
      const int c = grid_.CrossingSlotAt(slot, j);
      if (c != 0) {
        searchSlot.crossings.push_back({j - 1, c - 1, grid_.CrossingPositionAt(slot, j) - 1});
      }
    }
  }
  return slots;
}

ThoroughFill::ReadingPools ThoroughFill::MakeReadingPools() {
  ReadingPools readings;
  for (int s = 1; s <= grid_.QuesNmbMax(); ++s) {
    const std::u32string& pattern = grid_.Slot(s).Pattern;
    if (!readings.contains(pattern)) readings.emplace(pattern, MakeReadingPool(s));
  }
  return readings;
}

// The admitted words that fit the slot's letters by reading, each reading costing more
// for each earlier stage of the set that holds it, and while a keyword lacks letters, for
// holding none of them.
ReadingPool ThoroughFill::MakeReadingPool(int s) {
  const ReadingGroups& groups = ReadingGroupsOf(s);
  std::vector<int> costs(groups.groups.size());
  for (size_t g = 0; g < costs.size(); ++g) {
    costs[g] = groups.groups[g].cost;
    const bool lacks = groups.ReadingOf(static_cast<int>(g)).find_first_of(keywordWanted_) ==
                       std::u32string_view::npos;
    if (!keywordWanted_.empty() && lacks) costs[g] += kKeywordLackedCost;
  }
  for (const auto& [reading, stages] : answersUsed_) {
    const int g = groups.Find(reading);
    if (g >= 0) costs[g] += stages >= kStagesEnough ? kUsedEnoughCost : kRepeatCost * stages;
  }
  return ReadingPool(groups, costs);
}

// The slot's words grouped by reading, once per pattern while the selection and the
// dictionary stay: each record costs its tier, one more with a clue in English.
const ReadingGroups& ThoroughFill::ReadingGroupsOf(int s) {
  const GeneratorSlot& slot = grid_.Slot(s);
  const auto cached = readingGroups_.find(slot.Pattern);
  if (cached != readingGroups_.end()) return cached->second;
  const int length = slot.AnswerLen;
  ReadingGroups& groups = readingGroups_[slot.Pattern];
  pump_();
  const std::vector<int>& candidates = queries_.Fetch(slot);
  groups.Begin(length, static_cast<int>(candidates.size()));
  for (const int k : candidates) {
    const auto [CN, BN] = loaded_.DicDb->ClassOf(length, k);
    const int cost = kCostsPerTier * preference_.Tier(CN, BN) +
                     (loaded_.DicDb->HasJapaneseClue(length, k) ? 0 : 1);
    groups.Add(loaded_.DicDb->Reading(length, k), cost, k);
  }
  groups.Close();
  return groups;
}

std::string DescribeUnfilled(const UnfilledGrid& grid) {
  const std::string slot = "slot " + std::to_string(grid.slot) + " (" +
                           (grid.FlagHorV == FlagAcross ? "across" : "down") + " from column " +
                           std::to_string(grid.x) + ", row " + std::to_string(grid.y) + ", " +
                           std::to_string(grid.AnswerLen) + " letters)";
  switch (grid.cause) {
    case UnfilledGrid::Cause::NoCandidate:
      return slot + " has no candidate";
    case UnfilledGrid::Cause::NoCombination:
      return "no combination of the candidates fits: no word of " + slot +
             " goes with its crossings";
    case UnfilledGrid::Cause::TimeUp:
      return "no fill found in " + std::to_string(grid.seconds) + " s; given up";
    case UnfilledGrid::Cause::NoKeyword:
      return "none of its " + std::to_string(grid.attempts) +
             " fills gives the stage's keyword good cells";
    case UnfilledGrid::Cause::None:
      break;
  }
  return "";
}

}  // namespace crossword
