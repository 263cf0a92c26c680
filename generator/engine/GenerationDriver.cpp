#include <set>

#include "common/FileError.h"
#include "common/OnScopeExit.h"
#include "generator/engine/Generator.h"
#include "puzzle/KeywordMarks.h"

namespace crossword {

RunOutcome Generator::RunGeneration() {
  stopRequested_ = false;
  output_.LockForRun();
  const OnScopeExit unlock([this] { output_.Unlock(); });
  try {
    return MakeStages() ? RunOutcome::Completed : RunOutcome::GivenUp;
  } catch (const RunEnded& ended) {
    output_.DeleteWorkFile();
    observer_.EndProgram();
    return ended.Outcome;
  }
}

// Every stage in turn. A failed stage is made again with the next pattern; only stage 1
// failing on the last pattern gives up, because a later stage has a header to go with.
bool Generator::MakeStages() {
  StartTime.Start();
  stagePatterns_.reset();  // the file may have changed since the last run
  thorough_.StartSet();
  const int S = MakingNmbMax;
  int pattern = 0;
  // Patterns the thorough search proved to have no fill, or gave up, are not tried again.
  std::set<int> unfillable;
  for (int stage = 1; stage <= S; ++stage) {
    observer_.StageStarted(stage);
    pattern = StagePatterns().NextStagePattern(pattern);
    LoadStagePattern(pattern);
    observer_.BuildGridView(grid_.CrossMas);
    const FillResult result =
        unfillable.contains(pattern) ? FillResult::NoFill : FillStageAttempts(stage);
    if (result == FillResult::Filled) {
      WriteFilledStage(stage, S);
      continue;
    }
    NoteUnfilled(pattern, unfillable);
    if (stage == 1 && IsLastPattern(pattern)) {
      observer_.RunGivenUp();
      ShowMessage(GeneratorMsg::NothingMade);
      return false;
    }
    --stage;
  }
  output_.FinishPuzzleFile();
  WriteKeywordMarks(thorough_.KeywordMarks(), output_.PuzzleFile());
  return true;
}

// A grid proved to have no fill, or given up, is not tried again; one whose fills held no
// place for the keyword may be tried again, as every other stage is.
void Generator::NoteUnfilled(int pattern, std::set<int>& unfillable) {
  if (unfilled_.cause == UnfilledGrid::Cause::None) return;
  if (unfilled_.cause == UnfilledGrid::Cause::NoKeyword || unfillable.insert(pattern).second) {
    observer_.GridUnfilled(pattern, unfilled_);
  }
}

// One pattern gets at most RestartMax + 1 attempts, each from the clean grid; the thorough
// search restarts by itself.
FillResult Generator::FillStageAttempts(int stage) {
  unfilled_ = {};
  if (Search == FillSearch::Thorough) {
    const std::u32string keyword = KeywordOf(stage);
    return keyword.empty() ? FillStageThorough() : FillHoldingKeyword(stage, keyword);
  }
  return exact_.Fill(RestartMax);
}

void Generator::WriteFilledStage(int stage, int S) {
  observer_.StageWriting(stage);
  WritePuzzleStage(stage, S);
  thorough_.StageWritten(stage);
  observer_.StageFinished(stage);
}

void Generator::WritePuzzleStage(int k, int S) {
  if (k == 1) output_.WritePuzzleHeader(Loaded().AnswerLang, S);
  output_.WritePuzzleStage(k, grid_, selection_.DifficultRank);
}

// The last pattern by number, or the one after which the patterns start over: a file
// whose marks skip a number must not cycle through stage 1 for ever.
bool Generator::IsLastPattern(int pattern) {
  return Loaded().StagePatternNmbMax <= 1 || pattern == Loaded().StagePatternNmbMax ||
         StagePatterns().NextStagePattern(pattern) == 1;
}

// The grid file is read once per run, not once per stage. Every pattern is read then, so
// that a file cut short or broken further on is reported before any stage is made from it.
const GridSettingsFile& Generator::StagePatterns() {
  if (stagePatterns_) return *stagePatterns_;
  const GridSettingsFile& file = stagePatterns_.emplace(GridFile());
  try {
    for (int pattern = 1;; pattern = file.NextStagePattern(pattern)) {
      file.LoadStagePattern(pattern);
      if (file.NextStagePattern(pattern) == 1) break;
    }
  } catch (...) {
    stagePatterns_.reset();
    throw;
  }
  return file;
}

void Generator::LoadStagePattern(int n) {
  const CrossGrid grid = StagePatterns().LoadStagePattern(n);
  if (grid.CrossWord.empty()) {
    throw FileError(GridFile(), "grid " + std::to_string(n) + " has no word slot to fill");
  }
  TakeStagePattern(grid);
}

// A grid as the fills start on it: cells indexed, slots unconfirmed, History(0) stored.
void Generator::TakeStagePattern(const CrossGrid& grid) {
  grid_.Take(grid);
  exact_.SaveBaseGrid();
}

void Generator::LetEventsRun(double seconds) {
  observer_.PumpEvents(seconds);
  if (stopRequested_) throw RunEnded{RunOutcome::Stopped};
}

}  // namespace crossword
