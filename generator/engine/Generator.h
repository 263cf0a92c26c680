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
#include "generator/engine/FillState.h"
#include "generator/engine/GeneratorMessages.h"
#include "generator/engine/GeneratorObserver.h"
#include "generator/engine/GridSettingsLoader.h"
#include "generator/engine/PuzzleSetFiles.h"
#include "generator/engine/PuzzleSetOutput.h"
#include "generator/engine/RunSettings.h"
#include "generator/engine/ThoroughFill.h"
#include "generator/engine/WordSelection.h"
#include "puzzle/PuzzleFile.h"

// Cluewright's engine: from a grid settings file and a dictionary to a puzzle set.
namespace crossword {

class QuestionSelection;

// How a run ended.
enum class RunOutcome {
  Completed,     // every stage made and the puzzle file in place
  GivenUp,       // stage 1 could not be made with any pattern; message 10 was shown
  Stopped,       // the user stopped the run
  ProgramEnded,  // no admissible first word; message 101 was shown
};

// Thrown from a pump or a message that ends the run; RunGeneration turns it into its
// outcome after deleting the working file.
struct RunEnded {
  RunOutcome Outcome;
};

// The generator's state for the life of the program, and its operations. It composes
// the parts that take what they use: the grid settings loader, the candidate queries, the
// thorough fill and the puzzle-set output. The files of the puzzle set and the run page's
// settings, which the window and wright set, and the fill search's state, which the tests
// drive, are bases, so that the search reads them by the names it has always used; the
// words asked change only through TakeSelection.
class Generator : public PuzzleSetFiles,
                  public RunSettings,
                  public FillState,
                  private WordSelection {
 public:
  Generator(GeneratorObserver& observer, const std::string& programFolder);

  RandomSource Rnd;       // the run's random numbers; fixed start until reseeded
  ElapsedTime StartTime;  // started when a run begins

  const LoadedGridSettings& Loaded() const { return loader_.Loaded(); }
  const WordSelection& Selection() const { return *this; }

  // Resizes the history to 0..limit, keeping the entries that still fit.
  void SetHistoryMax(int limit);  // 1..HistoryMaxLimit

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
  void LoadStagePattern(int n);
  void TakeStagePattern(const CrossGrid& grid);
  void IndexCells();
  void SaveBaseGrid();
  void RestoreBaseGrid();

  // --- Slot fill search ---
  FillResult FillStage();
  void PlaceFirstWord();
  void WriteSlotWord(int s);
  void RefreshPatterns();
  void RefreshPatternsAround(int s);
  int ChooseSlot() const;
  void ShuffleCandidates(int n);
  int CollectCrossings(int s);
  bool IsExcluded(const WordRecord& candidate) const;
  int PickFreeCandidate(int n);
  int PickCrossedCandidate(int s, int n, int k);
  bool CheckCrossings(std::u32string_view reading, int k);
  void PlaceWord(int s, const WordRecord& word);
  void PushHistory();
  bool FindRepeat();
  void ClearCrossingWords(int s);

  // --- Thorough fill search ---
  // Fills the loaded grid as ThoroughFill does, restarting at most RestartMax times, and
  // places its words. NoFill when the search proved that the grid has no fill; the note
  // says why.
  FillResult FillStageThorough();
  // Per slot, from Slot(1): the admitted words its embedded letters leave it.
  std::vector<int> CountSlotCandidates();
  // Why FillStageThorough gave NoFill, or Failed when its time was up.
  std::string NoFillReason() const { return DescribeUnfilled(unfilled_); }

  // --- Candidate queries ---
  using WordSelection::IsAdmitted;
  int FetchCandidates(int slot);
  // Candidate i, 1..n; valid until the next call.
  const WordRecord& CandidateRecord(int i);

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
  int FillSlots();
  bool FillOneSlot(int s);
  void LetEventsRun(double seconds = 0);
  std::u32string SlotLetters(const GeneratorSlot& slot) const;
  void ReadSlotLetters(const GeneratorSlot& slot, std::u32string& letters) const;
  void RefreshPattern(GeneratorSlot& slot);
  std::u32string Snapshot() const;
  void PutBackBaseLetters(bool blanksToo);

  GeneratorObserver& observer_;
  std::optional<GridSettingsFile> stagePatterns_;  // the grid file, read once per run
  bool stopRequested_ = false;
  GridSettingsLoader loader_{*this, observer_,
                             [this](int selector) { return ShowMessage(selector); }};
  PuzzleSetOutput output_{*this};
  CandidateQueries queries_{loader_.Loaded(), *this};
  std::u32string refreshedLetters_;  // the slot letters read last, their storage reused
  ThoroughFill thorough_{*this,     loader_.Loaded(),          queries_, *this, Rnd,
                         observer_, [this] { LetEventsRun(); }};
  UnfilledGrid unfilled_;  // set when the thorough fill leaves a grid unfilled
};

}  // namespace crossword
