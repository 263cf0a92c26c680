#include <algorithm>
#include <utility>

#include "generator/engine/Generator.h"

namespace crossword {

namespace {

constexpr int kFirstWordDrawsMax = 1000;

bool Contains(const std::u32string& letters, char32_t letter) {
  return letters.find(letter) != std::u32string::npos;
}

// An empty text occurs in no clue: an answer without a written form excludes nothing.
bool Occurs(std::u32string_view text, std::u32string_view in) {
  return !text.empty() && in.find(text) != std::u32string::npos;
}

}  // namespace

FillResult Generator::FillStage() {
  if (!Loaded().EmbedChrFlag) {
    PlaceFirstWord();
    WriteSlotWord(1);
  }
  for (int retry = 0;; ++retry) {
    observer_.RepairStarted(retry);
    observer_.ShowGrid(CrossMas);
    RefreshPatterns();
    const int s = FillSlots();
    if (s == 0) return FillResult::Filled;
    if (retry >= RetryMax) return FillResult::Failed;
    PushHistory();
    if (FindRepeat()) return FillResult::Failed;
    ClearCrossingWords(s);
  }
}

// Fills slot after slot; 0 when every slot is confirmed, else the slot left without a
// usable candidate.
int Generator::FillSlots() {
  for (int s = ChooseSlot(); s != 0; s = ChooseSlot()) {
    LetEventsRun();
    if (!FillOneSlot(s)) return s;
  }
  return 0;
}

bool Generator::FillOneSlot(int s) {
  const int n = FetchCandidates(s);
  if (n == 0) return false;
  ShuffleCandidates(n);
  const int k = CollectCrossings(s);
  const int c = k == 0 ? PickFreeCandidate(n) : PickCrossedCandidate(s, n, k);
  if (c == 0) return false;
  PlaceWord(s, CandidateRecord(c));
  WriteSlotWord(s);
  observer_.ShowGrid(CrossMas);
  RefreshPatternsAround(s);
  return true;
}

// A random admitted word for slot 1; no exclusion applies to the first word. An empty
// table has no admissible word either.
void Generator::PlaceFirstWord() {
  const int length = Slot(1).AnswerLen;
  const int N = Loaded().DicDb->RecordCount(length);
  if (!CategoryOn.empty()) CategoryOn[0] = 0;
  for (int draw = 1; draw <= kFirstWordDrawsMax && N > 0; ++draw) {
    const int r = Rnd.Draw(1, N);
    const auto [CN, BN] = Loaded().DicDb->ClassOf(length, r);
    if (IsAdmitted(CN, BN)) {
      PlaceWord(1, Loaded().DicDb->Record(length, r));
      return;
    }
  }
  ShowMessage(GeneratorMsg::NoAdmissibleWord);
  throw RunEnded{RunOutcome::ProgramEnded};
}

void Generator::WriteSlotWord(int s) {
  const GeneratorSlot& slot = Slot(s);
  for (int i = 1; i <= slot.AnswerLen; ++i) {
    CrossMas(slot.CellX(i), slot.CellY(i)).DispWChr = slot.Pattern[i - 1];
  }
}

std::u32string Generator::SlotLetters(const GeneratorSlot& slot) const {
  std::u32string letters;
  ReadSlotLetters(slot, letters);
  return letters;
}

// Into a string that keeps its storage: the fill reads every slot's letters at each step.
void Generator::ReadSlotLetters(const GeneratorSlot& slot, std::u32string& letters) const {
  letters.clear();
  for (int i = 1; i <= slot.AnswerLen; ++i) {
    letters += CrossMas(slot.CellX(i), slot.CellY(i)).DispWChr;
  }
}

// Brings every slot in line with its cells.
void Generator::RefreshPatterns() {
  for (GeneratorSlot& slot : CrossWord) RefreshPattern(slot);
}

// After slot s got its word only s and the slots crossing it have new letters.
void Generator::RefreshPatternsAround(int s) {
  GeneratorSlot& slot = Slot(s);
  RefreshPattern(slot);
  for (int j = 1; j <= slot.AnswerLen; ++j) {
    if (const int c = CrossingSlotAt(slot, j); c != 0) RefreshPattern(Slot(c));
  }
}

// A slot that lost a letter loses its word, and a slot completed only by crossing letters
// stays unconfirmed.
void Generator::RefreshPattern(GeneratorSlot& slot) {
  ReadSlotLetters(slot, refreshedLetters_);
  const auto blanks = std::count(refreshedLetters_.begin(), refreshedLetters_.end(), BlankMark);
  if (blanks == 0 && slot.Word.ID > 0) {
    slot.FlagFixed = true;
    return;
  }
  slot.FlagFixed = false;
  slot.Pattern = refreshedLetters_;
  slot.KnownCnt = slot.AnswerLen - static_cast<int>(blanks);
  if (blanks > 0) slot.Word.ID = 0;
  slot.Word.CN = slot.Word.BN = slot.Word.QN = slot.Word.AN = slot.Word.SN = 0;
}

// Most constrained first: a complete but unconfirmed slot at once, else the lowest-
// numbered slot with the most letters. The patterns are those of the last refresh.
int Generator::ChooseSlot() const {
  int best = 0;
  for (int i = 1; i <= QuesNmbMax(); ++i) {
    const GeneratorSlot& slot = Slot(i);
    if (slot.FlagFixed) continue;
    if (slot.KnownCnt == slot.AnswerLen) return i;
    best = std::max(best, slot.KnownCnt);
  }
  for (int i = 1; i <= QuesNmbMax(); ++i) {
    if (!Slot(i).FlagFixed && Slot(i).KnownCnt == best) return i;
  }
  return 0;
}

void Generator::ShuffleCandidates(int n) {
  for (int i = 1; i <= n; ++i) {
    const int r1 = Rnd.Draw(1, n);
    const int r2 = Rnd.Draw(1, n);
    std::swap(Candidate[r1 - 1], Candidate[r2 - 1]);
  }
}

// Only blank positions are crossings to look ahead on: a letter already there is part of
// the slot's own query.
int Generator::CollectCrossings(int s) {
  const GeneratorSlot& slot = Slot(s);
  Crossing.clear();
  for (int j = 1; j <= slot.AnswerLen; ++j) {
    const int c = CrossingSlotAt(slot, j);
    if (slot.Pattern[j - 1] != BlankMark || c == 0) continue;
    Crossing.push_back(
        {Slot(c).AnswerLen, c, CrossingPositionAt(slot, j), j, SlotLetters(Slot(c))});
  }
  return static_cast<int>(Crossing.size());
}

bool ExcludedBy(const WordRecord& candidate, const WordRecord& placed,
                const std::vector<int>& ListOn) {
  const bool sameOnceAskedList =
      placed.BN == candidate.BN && candidate.BN > 0 && ListOn.at(candidate.BN) == -1;
  return placed.ID == candidate.ID || sameOnceAskedList ||
         (placed.QN > 0 && placed.QN == candidate.QN) ||
         (placed.AN > 0 && placed.AN == candidate.AN) ||
         (Occurs(candidate.Ast, placed.Qst) && Occurs(placed.Ast, candidate.Qst));
}

bool Generator::IsExcluded(const WordRecord& candidate) const {
  return std::any_of(CrossWord.begin(), CrossWord.end(), [&](const GeneratorSlot& t) {
    return t.FlagFixed && ExcludedBy(candidate, t.Word, ListOn);
  });
}

int Generator::PickFreeCandidate(int n) {
  for (int i = 1; i <= n; ++i) {
    LetEventsRun();
    if (!IsExcluded(CandidateRecord(i))) return i;
  }
  return 0;
}

// The crossings are asked before the exclusions: both are fixed for the slot, so the
// candidate chosen is the same, and most candidates fail on a crossing letter without
// their clue being read.
int Generator::PickCrossedCandidate(int s, int n, int k) {
  LetterCache.assign(k, LetterCacheEntry());
  for (int i = 1; i <= n; ++i) {
    LetEventsRun();
    const std::u32string_view reading = queries_.Reading(Candidate.at(i - 1));
    observer_.ShowCandidate(Slot(s), reading);
    if (ShowSpeed > 0) LetEventsRun(ShowSpeed);
    if (CheckCrossings(reading, k) && !IsExcluded(CandidateRecord(i))) return i;
  }
  return 0;
}

// Whether every open crossing keeps some word of its length with the candidate's letter
// in it. Category, list and exclusions are not asked here: a quick necessary test.
bool Generator::CheckCrossings(std::u32string_view reading, int k) {
  for (int m = 1; m <= k; ++m) {
    const CrossingEntry& crossing = Crossing[m - 1];
    LetterCacheEntry& cache = LetterCache[m - 1];
    const char32_t ch = reading[crossing.OwnPos - 1];
    if (Contains(cache.BadChr, ch)) return false;
    if (Contains(cache.GoodChr, ch)) continue;
    std::u32string pattern = crossing.CrossPattern;
    pattern[crossing.CrossPos - 1] = ch;
    if (!Loaded().DicDb->HasMatch(crossing.CrossLen,
                                  CandidateQueries::MakeQueryFilter(pattern, crossing.CrossLen))) {
      cache.BadChr += ch;
      return false;
    }
    cache.GoodChr += ch;
  }
  return true;
}

void Generator::PlaceWord(int s, const WordRecord& word) {
  GeneratorSlot& slot = Slot(s);
  slot.FlagFixed = true;
  slot.Pattern = word.Yst;
  slot.Word = word;
}

void Generator::PushHistory() {
  std::move_backward(History.begin() + 1, History.end() - 1, History.end());
  History[1] = Snapshot();
}

bool Generator::FindRepeat() {
  for (int a = 2; a <= HistoryMax(); ++a) {
    if (History[a] == History[1]) {
      observer_.RepeatFound(a);
      return true;
    }
  }
  return false;
}

// Erases every word crossing the slot, then puts back the walls and embedded letters.
void Generator::ClearCrossingWords(int s) {
  const GeneratorSlot& slot = Slot(s);
  for (int j = 1; j <= slot.AnswerLen; ++j) {
    const int c = CrossingSlotAt(slot, j);
    if (c == 0) continue;
    const GeneratorSlot& crossing = Slot(c);
    for (int i = 1; i <= crossing.AnswerLen; ++i) {
      CrossMas(crossing.CellX(i), crossing.CellY(i)).DispWChr = BlankMark;
    }
  }
  PutBackBaseLetters(false);
}

void Generator::LetEventsRun(double seconds) {
  observer_.PumpEvents(seconds);
  if (stopRequested_) throw RunEnded{RunOutcome::Stopped};
}

}  // namespace crossword
