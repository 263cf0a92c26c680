#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Message.h"
#include "common/RandomSource.h"
#include "dictionary/WordRecord.h"
#include "generator/engine/CandidateQueries.h"
#include "generator/engine/FillGrid.h"
#include "generator/engine/GeneratorObserver.h"
#include "generator/engine/LoadedGridSettings.h"
#include "generator/engine/RunSettings.h"
#include "generator/engine/WordSelection.h"

// The exact fill: slot after slot, the most constrained first, a random admitted candidate
// whose letters leave every open crossing some word; a slot left without one clears its
// crossings and the attempt repairs, until a grid repeats or the repairs run out.
//
// Needs: the grid it fills, the loaded words and the candidate queries on them, the
// selection in use (the first word of a grid turns category 0 off), the run's limits, the
// run's random numbers, the observer, a pump that lets events run for some seconds and ends
// the run when it is stopped, and the message box. Gives: the grid filled, or Failed; a run
// ends with RunEnded when no first word is admissible.
namespace crossword {

// An open crossing of the slot being filled.
struct CrossingEntry {
  int CrossLen = 0;             // length of the crossing slot
  int CrossWordNmb = 0;         // number of the crossing slot
  int CrossPos = 0;             // position of the shared cell in the crossing slot
  int OwnPos = 0;               // position of the shared cell in the slot being filled
  std::u32string CrossPattern;  // the crossing slot's current letters
};

// What one candidate scan has learnt about the letters of one crossing.
struct LetterCacheEntry {
  std::u32string BadChr;   // letters that leave the crossing without any word
  std::u32string GoodChr;  // letters that leave it at least one
};

class ExactFill {
 public:
  using Pump = std::function<void(double seconds)>;

  ExactFill(FillGrid& grid, const LoadedGridSettings& loaded, CandidateQueries& queries,
            WordSelection& selection, const RunSettings& settings, RandomSource& rnd,
            GeneratorObserver& observer, Pump pump, AskMessage showMessage);

  // The grid as it is now is the stage's start, History(0); Restore puts it back.
  void SaveBaseGrid();
  void RestoreBaseGrid();
  // At most `restartMax` + 1 attempts, each from the stage's start.
  FillResult Fill(int restartMax);
  // One attempt with its repairs.
  FillResult FillStage();

  // Resizes the history to 0..limit, keeping the entries that still fit.
  void SetHistoryMax(int limit);  // 1..HistoryMaxLimit
  // 0: the stage's start; 1..: the grids failures left, newest first.
  const std::vector<std::u32string>& History() const { return history_; }
  int HistoryMax() const { return static_cast<int>(history_.size()) - 1; }

  // The steps of an attempt.
  void PlaceFirstWord();
  int ChooseSlot() const;
  // Every admitted word with the slot's letters, in the order the queries give them.
  int FetchCandidates(int slot);
  // Candidate i, 1..n; valid until the next call.
  const WordRecord& CandidateRecord(int i);
  int CollectCrossings(int s);
  bool IsExcluded(const WordRecord& candidate) const;
  int PickCrossedCandidate(int s, int n, int k);
  // What the last scan learnt, per open crossing.
  const std::vector<LetterCacheEntry>& LetterCache() const { return letterCache_; }
  void PushHistory();
  bool FindRepeat();
  void ClearCrossingWords(int s);

 private:
  int FillSlots();
  bool FillOneSlot(int s);
  void ShuffleCandidates(int n);
  int PickFreeCandidate(int n);
  bool CheckCrossings(std::u32string_view reading, int k);

  FillGrid& grid_;
  const LoadedGridSettings& loaded_;
  CandidateQueries& queries_;
  WordSelection& selection_;
  const RunSettings& settings_;
  RandomSource& rnd_;
  GeneratorObserver& observer_;
  Pump pump_;
  AskMessage showMessage_;

  std::vector<int> candidates_;                // stored positions of the admitted words
  std::vector<CrossingEntry> crossings_;       // open crossings of the slot being filled
  std::vector<LetterCacheEntry> letterCache_;  // one per crossing
  std::vector<std::u32string> history_;
};

}  // namespace crossword
