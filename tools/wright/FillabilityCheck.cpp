#include "tools/wright/FillabilityCheck.h"

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <iostream>
#include <optional>

#include "common/FileNames.h"
#include "common/WordSlots.h"
#include "dictionary/Dictionary.h"
#include "generator/engine/Generator.h"
#include "tools/wright/Command.h"
#include "tools/wright/StopSignals.h"

namespace crossword::wright {

namespace {

using Clock = std::chrono::steady_clock;

// Stops the search at the time limit, counted from Start(): counting the words of each
// slot beforehand is set-up, which must finish whatever the limit. The engine's messages
// go to stderr.
class TimedObserver : public GeneratorObserver {
 public:
  explicit TimedObserver(double seconds) : seconds_(seconds) {}

  void Attach(Generator& generator) { generator_ = &generator; }
  void Start() { start_ = Clock::now(); }
  void PumpEvents(double) override {
    if (CaughtStopSignal() != 0 ||
        (start_ && std::chrono::duration<double>(Clock::now() - *start_).count() >= seconds_)) {
      generator_->RequestStop();
    }
  }
  MessageAnswer ShowMessage(int number, const CatalogueMessage& message) override {
    std::cerr << "wright: message " << number << ": " << message.Title << '\n';
    return AnswerOk;
  }
  void EndProgram() override {}

 private:
  Generator* generator_ = nullptr;
  double seconds_;
  std::optional<Clock::time_point> start_;
};

void OpenDictionary(Generator& generator, const FillabilityOptions& options) {
  const std::filesystem::path path(options.dictionary);
  generator.DicPath = FolderOf(path);
  generator.DicFileName = path.filename().string();
  const Dictionary dictionary(path);
  std::string note;
  generator.UseWordIndex(WordIndex(OpenWordIndex(dictionary, note)));
  if (!note.empty()) std::cerr << "wright: " << note << '\n';
  QuestionSelection selection;
  LoadQuestionSelection(selection, generator.DicPath, generator.DicFileName, 0);
  if (!options.rank.empty()) selection.SelectDifficultRank(std::stoi(options.rank));
  generator.TakeSelection(selection);
}

// Returns the number of slots without any word.
int PrintSlotCounts(Generator& generator) {
  const std::vector<int> counts = generator.CountSlotCandidates();
  std::cout << "Words that fit each slot (rank " << generator.Selection().DifficultRank << "):\n";
  int empty = 0;
  for (int s = 1; s <= generator.Grid().QuesNmbMax(); ++s) {
    const GeneratorSlot& slot = generator.Grid().Slot(s);
    std::cout << "  slot " << std::setw(3) << s
              << (slot.FlagHorV == FlagAcross ? " across" : " down  ") << " (" << slot.x << ","
              << slot.y << ") " << std::setw(2) << slot.AnswerLen << " cells: " << counts[s - 1];
    if (counts[s - 1] == 0) {
      std::cout << "  <- no word fits";
      ++empty;
    }
    std::cout << '\n';
  }
  return empty;
}

}  // namespace

Fillability ReportFillability(const CrossMasMarks& marks, const FillabilityOptions& options) {
  TimedObserver observer(options.timeLimit);
  Generator generator(observer, FolderOf(std::filesystem::path(options.dictionary)));
  observer.Attach(generator);
  OpenDictionary(generator, options);
  generator.TakeStagePattern({marks, NumberWordSlots(marks)});
  if (PrintSlotCounts(generator) > 0) {
    std::cout << "No fill exists: a slot has no word\n";
    return Fillability::NoFillExists;
  }
  generator.RestartMax = RestartMaxLimit;
  const CatchStopSignals stopSignals;
  const auto start = Clock::now();
  observer.Start();
  FillResult result = FillResult::Failed;
  try {
    result = generator.FillStageThorough();
  } catch (const RunEnded&) {
    // the time limit, or Ctrl-C
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::cout << std::fixed << std::setprecision(3);
  if (result == FillResult::Filled) {
    std::cout << "A fill exists: the thorough search filled the grid in " << seconds << " s\n";
    return Fillability::Filled;
  }
  if (result == FillResult::NoFill) {
    std::cout << "No fill exists: " << generator.NoFillReason() << " (proved in " << seconds
              << " s)\n";
    return Fillability::NoFillExists;
  }
  if (CaughtStopSignal() != 0) {
    std::cout << "The search was " << StopSignalText() << " after " << seconds
              << " s, before it found a fill or proved there is none\n";
    return Fillability::Interrupted;
  }
  // The search gives up on its own after a while, which may come before the limit.
  std::cout << "No fill found within " << std::min(seconds, options.timeLimit)
            << " s; one may still exist: a longer --time-limit searches further\n";
  return Fillability::NotFoundInTime;
}

}  // namespace crossword::wright
