#include "generator/engine/ExactFill.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "generator/engine/GeneratorMessages.h"
#include "generator/engine/RunOutcome.h"

namespace crossword {

namespace {

constexpr int kFirstWordDrawsMax = 1000;
constexpr int kHistoryMaxAtStart = 50;

bool Contains(const std::u32string& letters, char32_t letter) {
  return letters.find(letter) != std::u32string::npos;
}

}  // namespace

ExactFill::ExactFill(FillGrid& grid, const LoadedGridSettings& loaded, CandidateQueries& queries,
                     WordSelection& selection, const RunSettings& settings, RandomSource& rnd,
                     GeneratorObserver& observer, Pump pump, AskMessage showMessage)
    : grid_(grid),
      loaded_(loaded),
      queries_(queries),
      selection_(selection),
      settings_(settings),
      rnd_(rnd),
      observer_(observer),
      pump_(std::move(pump)),
      showMessage_(std::move(showMessage)) {
  history_.resize(kHistoryMaxAtStart + 1);
}

void ExactFill::SetHistoryMax(int limit) {
  if (limit < 1 || limit > HistoryMaxLimit) {
    throw std::invalid_argument("HistoryMax must be 1 to " + std::to_string(HistoryMaxLimit));
  }
  history_.resize(static_cast<size_t>(limit) + 1);
}

void ExactFill::SaveBaseGrid() {
  history_[0] = grid_.Snapshot();
}

void ExactFill::RestoreBaseGrid() {
  grid_.PutBack(history_[0], true);
}

FillResult ExactFill::Fill(int restartMax) {
  for (int restart = 0;; ++restart) {
    observer_.AttemptStarted(restart);
    const FillResult result = FillStage();
    if (result == FillResult::Filled || restart >= restartMax) return result;
    RestoreBaseGrid();
  }
}

FillResult ExactFill::FillStage() {
  if (!loaded_.EmbedChrFlag) {
    PlaceFirstWord();
    grid_.WriteSlotWord(1);
  }
  for (int retry = 0;; ++retry) {
    observer_.RepairStarted(retry);
    observer_.ShowGrid(grid_.CrossMas);
    grid_.RefreshPatterns();
    const int s = FillSlots();
    if (s == 0) return FillResult::Filled;
    if (retry >= settings_.RetryMax) return FillResult::Failed;
    PushHistory();
    if (FindRepeat()) return FillResult::Failed;
    ClearCrossingWords(s);
  }
}

// Fills slot after slot; 0 when every slot is confirmed, else the slot left without a
// usable candidate.
int ExactFill::FillSlots() {
  for (int s = ChooseSlot(); s != 0; s = ChooseSlot()) {
    pump_(0);
    if (!FillOneSlot(s)) return s;
  }
  return 0;
}

bool ExactFill::FillOneSlot(int s) {
  const int n = FetchCandidates(s);
  if (n == 0) return false;
  ShuffleCandidates(n);
  const int k = CollectCrossings(s);
  const int c = k == 0 ? PickFreeCandidate(n) : PickCrossedCandidate(s, n, k);
  if (c == 0) return false;
  grid_.PlaceWord(s, CandidateRecord(c));
  grid_.WriteSlotWord(s);
  observer_.ShowGrid(grid_.CrossMas);
  grid_.RefreshPatternsAround(s);
  return true;
}

// A random admitted word for slot 1; no exclusion applies to the first word. An empty
// table has no admissible word either.
void ExactFill::PlaceFirstWord() {
  const int length = grid_.Slot(1).AnswerLen;
  const int N = loaded_.DicDb->RecordCount(length);
  if (!selection_.CategoryOn.empty()) selection_.CategoryOn[0] = 0;
  for (int draw = 1; draw <= kFirstWordDrawsMax && N > 0; ++draw) {
    const int r = rnd_.Draw(1, N);
    const auto [CN, BN] = loaded_.DicDb->ClassOf(length, r);
    if (selection_.IsAdmitted(CN, BN)) {
      grid_.PlaceWord(1, loaded_.DicDb->Record(length, r));
      return;
    }
  }
  showMessage_(GeneratorMsg::NoAdmissibleWord);
  throw RunEnded{RunOutcome::ProgramEnded};
}

// Most constrained first: a complete but unconfirmed slot at once, else the lowest-
// numbered slot with the most letters. The patterns are those of the last refresh.
int ExactFill::ChooseSlot() const {
  int best = 0;
  for (int i = 1; i <= grid_.QuesNmbMax(); ++i) {
    const GeneratorSlot& slot = grid_.Slot(i);
    if (slot.FlagFixed) continue;
    if (slot.KnownCnt == slot.AnswerLen) return i;
    best = std::max(best, slot.KnownCnt);
  }
  for (int i = 1; i <= grid_.QuesNmbMax(); ++i) {
    if (!grid_.Slot(i).FlagFixed && grid_.Slot(i).KnownCnt == best) return i;
  }
  return 0;
}

// Every admitted word with the slot's letters: the shuffle works on all of them.
int ExactFill::FetchCandidates(int slot) {
  pump_(0);
  candidates_ = queries_.Fetch(grid_.Slot(slot));
  return static_cast<int>(candidates_.size());
}

const WordRecord& ExactFill::CandidateRecord(int i) {
  return queries_.Record(candidates_.at(i - 1));
}

void ExactFill::ShuffleCandidates(int n) {
  for (int i = 1; i <= n; ++i) {
    const int r1 = rnd_.Draw(1, n);
    const int r2 = rnd_.Draw(1, n);
    std::swap(candidates_[r1 - 1], candidates_[r2 - 1]);
  }
}

// Only blank positions are crossings to look ahead on: a letter already there is part of
// the slot's own query.
int ExactFill::CollectCrossings(int s) {
  const GeneratorSlot& slot = grid_.Slot(s);
  crossings_.clear();
  for (int j = 1; j <= slot.AnswerLen; ++j) {
    const int c = grid_.CrossingSlotAt(slot, j);
    if (slot.Pattern[j - 1] != BlankMark || c == 0) continue;
    const GeneratorSlot& crossing = grid_.Slot(c);
    crossings_.push_back(
        {crossing.AnswerLen, c, grid_.CrossingPositionAt(slot, j), j, grid_.SlotLetters(crossing)});
  }
  return static_cast<int>(crossings_.size());
}

bool ExactFill::IsExcluded(const WordRecord& candidate) const {
  return std::any_of(grid_.CrossWord.begin(), grid_.CrossWord.end(), [&](const GeneratorSlot& t) {
    return t.FlagFixed && ExcludedBy(candidate, t.Word, selection_.ListOn);
  });
}

int ExactFill::PickFreeCandidate(int n) {
  for (int i = 1; i <= n; ++i) {
    pump_(0);
    if (!IsExcluded(CandidateRecord(i))) return i;
  }
  return 0;
}

// The crossings are asked before the exclusions: both are fixed for the slot, so the
// candidate chosen is the same, and most candidates fail on a crossing letter without
// their clue being read.
int ExactFill::PickCrossedCandidate(int s, int n, int k) {
  letterCache_.assign(k, LetterCacheEntry());
  for (int i = 1; i <= n; ++i) {
    pump_(0);
    const std::u32string_view reading = queries_.Reading(candidates_.at(i - 1));
    observer_.ShowCandidate(grid_.Slot(s), reading);
    if (settings_.ShowSpeed > 0) pump_(settings_.ShowSpeed);
    if (CheckCrossings(reading, k) && !IsExcluded(CandidateRecord(i))) return i;
  }
  return 0;
}

// Whether every open crossing keeps some word of its length with the candidate's letter
// in it. Category, list and exclusions are not asked here: a quick necessary test.
bool ExactFill::CheckCrossings(std::u32string_view reading, int k) {
  for (int m = 1; m <= k; ++m) {
    const CrossingEntry& crossing = crossings_[m - 1];
    LetterCacheEntry& cache = letterCache_[m - 1];
    const char32_t ch = reading[crossing.OwnPos - 1];
    if (Contains(cache.BadChr, ch)) return false;
    if (Contains(cache.GoodChr, ch)) continue;
    std::u32string pattern = crossing.CrossPattern;
    pattern[crossing.CrossPos - 1] = ch;
    if (!loaded_.DicDb->HasMatch(crossing.CrossLen,
                                 CandidateQueries::MakeQueryFilter(pattern, crossing.CrossLen))) {
      cache.BadChr += ch;
      return false;
    }
    cache.GoodChr += ch;
  }
  return true;
}

void ExactFill::PushHistory() {
  std::move_backward(history_.begin() + 1, history_.end() - 1, history_.end());
  history_[1] = grid_.Snapshot();
}

bool ExactFill::FindRepeat() {
  for (int a = 2; a <= HistoryMax(); ++a) {
    if (history_[a] == history_[1]) {
      observer_.RepeatFound(a);
      return true;
    }
  }
  return false;
}

// Erases every word crossing the slot, then puts back the walls and embedded letters.
void ExactFill::ClearCrossingWords(int s) {
  const GeneratorSlot& slot = grid_.Slot(s);
  for (int j = 1; j <= slot.AnswerLen; ++j) {
    const int c = grid_.CrossingSlotAt(slot, j);
    if (c == 0) continue;
    const GeneratorSlot& crossing = grid_.Slot(c);
    for (int i = 1; i <= crossing.AnswerLen; ++i) {
      grid_.CrossMas(crossing.CellX(i), crossing.CellY(i)).DispWChr = BlankMark;
    }
  }
  grid_.PutBack(history_[0], false);
}

}  // namespace crossword
