#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/Clock.h"
#include "common/RandomSource.h"
#include "dictionary/RankPreference.h"
#include "dictionary/WordRecord.h"
#include "generator/engine/CandidateQueries.h"
#include "generator/engine/FillGrid.h"
#include "generator/engine/GeneratorObserver.h"
#include "generator/engine/LoadedGridSettings.h"
#include "generator/engine/ReadingPool.h"
#include "generator/engine/ThoroughSearch.h"
#include "generator/engine/WordSelection.h"
#include "puzzle/PuzzleFile.h"

// The thorough fill: a complete search for the words of one grid, which prefers the words
// the selection's rank wants, the most wanted record of each reading, and readings the set
// has not used yet; optionally one whose letters give a keyword good cells.
//
// Needs: the grid as the generator holds it, read only (its slots' patterns brought in line
// with the cells before each fill), the loaded words and the candidate queries on them, the
// selection in use, the run's random numbers, the observer for the attempts, and a pump that
// lets events run and ends the run when it is stopped. Gives: the words of every slot, or
// why the grid is left unfilled; the keyword cells of the stages of the set.
namespace crossword {

class ThoroughFill {
 public:
  // One grid's fill.
  struct GridFill {
    FillResult result = FillResult::Failed;
    std::vector<WordRecord> words;  // per slot, from Slot(1); when Filled
    UnfilledGrid unfilled;          // why not, when not Filled
  };

  ThoroughFill(const FillGrid& grid, const LoadedGridSettings& loaded, CandidateQueries& queries,
               const WordSelection& selection, RandomSource& rnd, GeneratorObserver& observer,
               std::function<void()> pump);

  // Which admitted words the search wants most; also for another selection.
  void UsePreference(RankPreference preference);
  // For another dictionary or selection: the words grouped by reading are made anew.
  void ForgetWords() { readingGroups_.clear(); }

  // A set begins: no reading is used and no stage has a keyword.
  void StartSet();
  // Fills the grid, restarting at most `restartMax` times or until its time is up. NoFill
  // when the search proved that the grid has no fill.
  GridFill Fill(int restartMax);
  // A fill whose letters give `keyword` good cells, kept as stage `stage`'s marks.
  GridFill FillHoldingKeyword(int stage, const std::u32string& keyword, int restartMax);
  // Stage `stage` of the set holds the words now placed in the grid.
  void StageWritten(int stage);
  // Per stage written, from stage 1: the cells its keyword was given.
  const std::vector<std::optional<StageKeyword>>& KeywordMarks() const { return keywordMarks_; }

 private:
  using ReadingPools = std::map<std::u32string, ReadingPool>;
  // The search's pools of the words an attempt takes, by slot pattern.
  using SearchPools = std::map<std::u32string, CandidatePool>;

  bool FillFromPreferred(ReadingPools& readings, SearchPools& pools, GridFill& fill);
  FillResult FillFromEvery(ReadingPools& readings, SearchPools& pools, int restartMax,
                           GridFill& fill);
  static std::vector<int> WantedCosts(const ReadingPools& readings);
  ThoroughSearch::Result SearchThorough(ReadingPools& readings, SearchPools& pools, int most,
                                        long bound, int restart, GridFill& fill);
  std::vector<SearchSlot> MakeSearchSlots(ReadingPools& readings, int most, SearchPools& pools);
  ReadingPools MakeReadingPools();
  ReadingPool MakeReadingPool(int s);
  const ReadingGroups& ReadingGroupsOf(int s);
  UnfilledGrid Blame(UnfilledGrid::Cause cause, int s) const;
  CrossMasMarks FilledLetters(const std::vector<WordRecord>& words) const;

  const FillGrid& grid_;
  const LoadedGridSettings& loaded_;
  CandidateQueries& queries_;
  const WordSelection& selection_;
  RandomSource& rnd_;
  GeneratorObserver& observer_;
  std::function<void()> pump_;

  ElapsedTime clock_;      // since Fill began
  double secondsMax_ = 0;  // when it gives up
  RankPreference preference_;
  // The readings of the stages of the set so far, with the number of stages holding each.
  std::unordered_map<std::u32string, int> answersUsed_;
  // Per stage of the set, from stage 1: the cells its keyword was given.
  std::vector<std::optional<StageKeyword>> keywordMarks_;
  // Keyword letters the last fill lacked: the pools favour readings holding one of them.
  std::u32string keywordWanted_;
  // By slot pattern, for the selection and dictionary in use.
  std::unordered_map<std::u32string, ReadingGroups> readingGroups_;
};

}  // namespace crossword
