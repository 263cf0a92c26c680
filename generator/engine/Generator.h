#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "common/FileOps.h"
#include "common/GridModel.h"
#include "common/GridSettingsFile.h"
#include "common/RandomSource.h"
#include "dictionary/WordQuery.h"
#include "generator/engine/CandidateQueries.h"
#include "generator/engine/ExactFill.h"
#include "generator/engine/FillGrid.h"
#include "generator/engine/GeneratorMessages.h"
#include "generator/engine/GeneratorObserver.h"
#include "generator/engine/GridSettingsLoader.h"
#include "generator/engine/PuzzleSetFiles.h"
#include "generator/engine/PuzzleSetOutput.h"
#include "generator/engine/RunOutcome.h"
#include "generator/engine/RunSettings.h"
#include "generator/engine/ThoroughFill.h"
#include "generator/engine/WordSelection.h"
#include "puzzle/PuzzleFile.h"

// Cluewright's engine: from a grid settings file and a dictionary to a puzzle set.
namespace crossword {

class QuestionSelection;

// The generator's state for the life of the program, and its operations. It composes
// the parts that take what they use: the grid settings loader, the candidate queries, the
// stage's grid, the exact and the thorough fill, and the puzzle-set output. The files of
// the puzzle set and the run page's settings, which the window and wright set, are bases;
// the words asked change only through TakeSelection.
class Generator : public PuzzleSetFiles, public RunSettings {
 public:
  Generator(GeneratorObserver& observer, const std::string& programFolder);

  RandomSource Rnd;       // the run's random numbers; fixed start until reseeded
  ElapsedTime StartTime;  // started when a run begins

  const LoadedGridSettings& Loaded() const { return loader_.Loaded(); }
  const WordSelection& Selection() const { return selection_; }
  // The stage's grid, and the exact fill working on it.
  FillGrid& Grid() { return grid_; }
  const FillGrid& Grid() const { return grid_; }
  ExactFill& Exact() { return exact_; }
  const ExactFill& Exact() const { return exact_; }

  // Ends the run at the next pump of events; safe to call from PumpEvents.
  void RequestStop() { stopRequested_ = true; }

  // --- Loading, as GridSettingsLoader does it; what the run kept of the dictionary and
  // the grid file before is forgotten.
  int LoadGridSettings(bool chosenByUser);
  int ChooseGridFile(const std::filesystem::path& chosen);
  void UseWordIndex(WordIndex words);
  void CloseDictionary() { loader_.CloseDictionary(); }
  // The categories, lists and rank the boxes of `selection` ask for, as a run needs them.
  void TakeSelection(QuestionSelection& selection);
  void TakeSelection(const WordSelection& selection);
  void ChoosePuzzleFile(const std::filesystem::path& chosen) { loader_.ChoosePuzzleFile(chosen); }
  MessageAnswer ShowMessage(int selector);

  // --- Generation driver ---
  RunOutcome RunGeneration();
  // Stage pattern n of the grid file, or `grid`, as the fills start on it.
  void LoadStagePattern(int n);
  void TakeStagePattern(const CrossGrid& grid);

  // --- Thorough fill search ---
  // Fills the loaded grid as ThoroughFill does, restarting at most RestartMax times, and
  // places its words. NoFill when the search proved that the grid has no fill; the note
  // says why.
  FillResult FillStageThorough();
  // Per slot, from Slot(1): the admitted words its embedded letters leave it.
  std::vector<int> CountSlotCandidates();
  // Why FillStageThorough gave NoFill, or Failed when its time was up.
  std::string NoFillReason() const { return DescribeUnfilled(unfilled_); }

  // --- Puzzle file ---
  PuzzleSetOutput& Output() { return output_; }
  const PuzzleSetOutput& Output() const { return output_; }
  // Writes the filled stage k as the working file's next stage; stage 1 starts the file
  // with the header of a set of S stages.
  void WritePuzzleStage(int k, int S);

 private:
  std::filesystem::path GridFile() const { return loader_.GridFile(); }
  void ForgetDictionary();
  bool MakeStages();
  FillResult FillStageAttempts(int stage);
  FillResult FillHoldingKeyword(int stage, const std::u32string& keyword);
  FillResult TakeThoroughFill(const ThoroughFill::GridFill& fill);
  void NoteUnfilled(int pattern, std::set<int>& unfillable);
  void WriteFilledStage(int stage, int S);
  bool IsLastPattern(int pattern);
  const GridSettingsFile& StagePatterns();
  void LetEventsRun(double seconds = 0);

  GeneratorObserver& observer_;
  std::optional<GridSettingsFile> stagePatterns_;  // the grid file, read once per run
  bool stopRequested_ = false;
  WordSelection selection_;
  FillGrid grid_;
  GridSettingsLoader loader_{*this, observer_,
                             [this](int selector) { return ShowMessage(selector); }};
  PuzzleSetOutput output_{*this};
  CandidateQueries queries_{loader_.Loaded(), selection_};
  ExactFill exact_{grid_,
                   loader_.Loaded(),
                   queries_,
                   selection_,
                   *this,
                   Rnd,
                   observer_,
                   [this](double seconds) { LetEventsRun(seconds); },
                   [this](int selector) { return ShowMessage(selector); }};
  ThoroughFill thorough_{grid_,     loader_.Loaded(),          queries_, selection_, Rnd,
                         observer_, [this] { LetEventsRun(); }};
  UnfilledGrid unfilled_;  // set when the thorough fill leaves a grid unfilled
};

}  // namespace crossword
