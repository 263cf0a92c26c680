#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <memory>

#include "common/FileNames.h"
#include "common/GridSettingsFile.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "dictionary/QuestionSelection.h"
#include "generator/engine/Generator.h"
#include "puzzle/KeywordChoice.h"
#include "puzzle/KeywordMarks.h"
#include "tools/wright/Command.h"
#include "tools/wright/CommandFiles.h"
#include "tools/wright/ExitStatus.h"
#include "tools/wright/SeedOption.h"
#include "tools/wright/StopSignals.h"

namespace crossword::wright {

namespace {

struct FillOptions {
  std::string grid;
  std::string out;
  std::string rank;
  std::vector<int> categories;
  std::vector<int> lists;
  int stages = 10;
  std::string seed;  // empty: from the clock
  int restartMax = 50;
  int retryMax = 25;
  int historyMax = 50;
  double giveUpAfter = 0;  // seconds; 0 = never
  std::string search = "exact";
  std::string keyword;
  std::string keywordFile;
};

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The run as a terminal sees it: a progress line on stderr, the catalogue's messages as
// errors, and Ctrl-C, SIGTERM or the time limit as the stop button.
class TerminalObserver : public GeneratorObserver {
 public:
  TerminalObserver(int stages, double giveUpAfter)
      : stages_(stages), giveUpAfter_(giveUpAfter), drawBar_(isatty(STDERR_FILENO) != 0) {}

  void Attach(Generator& generator) { generator_ = &generator; }

  void StageStarted(int stage) override { stage_ = stage; }
  void AttemptStarted(int restart) override {
    restart_ = restart;
    if (restart != 0) ++restarts_;
  }
  void RepairStarted(int retry) override { retry_ = retry; }
  void StageFinished(int stage) override { stagesDone_ = stage; }

  void PumpEvents(double) override {
    if (CaughtStopSignal() != 0) {
      interrupted_ = true;
      Stop(StopSignalText());
    }
    if (giveUpAfter_ > 0 && SecondsSince(start_) >= giveUpAfter_) {
      Stop("gave up after " + std::to_string(static_cast<int>(giveUpAfter_)) + " s");
    }
    DrawBar(false);
  }

  // The window's boxes stay in the window: a run that makes nothing is told by Report.
  MessageAnswer ShowMessage(int number, const CatalogueMessage&) override {
    if (number == GeneratorMsg::NoAdmissibleWord) {
      ShowNote("no word of the chosen categories and lists fits the first slot of the grid");
    }
    return AnswerOk;
  }
  void EndProgram() override { ClearBar(); }
  void ShowNote(const std::string& text) override {
    ClearBar();
    std::cerr << "wright: " << text << '\n';
  }
  void GridUnfilled(int pattern, const UnfilledGrid& why) override {
    const bool proved =
        why.cause != UnfilledGrid::Cause::TimeUp && why.cause != UnfilledGrid::Cause::NoKeyword;
    ShowNote("grid " + std::to_string(pattern) + (proved ? " has no fill: " : ": ") +
             DescribeUnfilled(why));
  }

  const std::string& StopReason() const { return stopReason_; }
  bool Interrupted() const { return interrupted_; }
  int Restarts() const { return restarts_; }
  double Seconds() const { return SecondsSince(start_); }
  void ClearBar() {
    if (drawn_) std::cerr << "\r\033[K" << std::flush;
    drawn_ = false;
  }

 private:
  void Stop(const std::string& reason) {
    if (stopReason_.empty()) stopReason_ = reason + " at stage " + std::to_string(stage_);
    generator_->RequestStop();
  }

  // At most ten times a second: the run pumps far more often than a terminal can show.
  void DrawBar(bool now) {
    if (!drawBar_ || (!now && Clock::now() - lastDrawn_ < std::chrono::milliseconds(100))) return;
    lastDrawn_ = Clock::now();
    constexpr int kWidth = 20;
    const int filled = stages_ > 0 ? stagesDone_ * kWidth / stages_ : 0;
    const long seconds = static_cast<long>(Seconds());
    std::cerr << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, '.')
              << "] stage " << stage_ << " of " << stages_ << ", restart " << restart_ << ", retry "
              << retry_ << ", " << seconds / 60 << ":" << (seconds % 60 < 10 ? "0" : "")
              << seconds % 60 << "\033[K" << std::flush;
    drawn_ = true;
  }

  Generator* generator_ = nullptr;
  int stages_;
  double giveUpAfter_;
  bool drawBar_;
  bool drawn_ = false;
  Clock::time_point start_ = Clock::now();
  Clock::time_point lastDrawn_{};
  int stage_ = 1, restart_ = 0, retry_ = 0;
  int stagesDone_ = 0;
  int restarts_ = 0;
  std::string stopReason_;
  bool interrupted_ = false;  // by a signal, not by the time limit
};

// The item numbers of a section in file order, to find the box of a category or list.
std::vector<int> ItemNumbers(const IndexSection& section) {
  std::vector<int> numbers;
  for (const IndexRow& row : section.Rows) {
    if (row.RowKind == IndexRow::Kind::Item) numbers.push_back(row.Number);
  }
  return numbers;
}

bool Contains(const std::vector<int>& numbers, int number) {
  return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

void CheckNumbersExist(const std::vector<int>& asked, const std::vector<int>& known,
                       const std::string& what, const std::string& idx) {
  for (int number : asked) {
    if (!Contains(known, number)) {
      throw std::runtime_error(idx + " has no " + what + " " + std::to_string(number));
    }
  }
}

// Boxes set by hand: only the categories asked for; lists not named give one word per
// grid, as unchecking them in the window does.
void SelectByHand(QuestionSelection& selection, const FillOptions& options,
                  const std::string& idx) {
  const auto categories = ItemNumbers(selection.CategoryTable());
  const auto lists = ItemNumbers(selection.ListTable());
  CheckNumbersExist(options.categories, categories, "category", idx);
  CheckNumbersExist(options.lists, lists, "list", idx);
  if (!options.categories.empty()) {
    for (size_t i = 1; i <= categories.size(); ++i) {
      selection.SetCategoryAsked(static_cast<int>(i),
                                 Contains(options.categories, categories[i - 1]));
    }
  }
  if (!options.lists.empty()) {
    for (size_t i = 1; i <= lists.size(); ++i) {
      selection.SetListAsked(static_cast<int>(i), Contains(options.lists, lists[i - 1]));
    }
  }
}

// Categories or lists named choose the words by hand, which no rank 1..5 does.
bool ChoosesByHand(const FillOptions& options) {
  const bool named = !options.categories.empty() || !options.lists.empty();
  if (named && !options.rank.empty() && options.rank != "custom") {
    throw std::runtime_error("--categories and --lists set the choice by hand: use --rank custom");
  }
  return named || options.rank == "custom";
}

void SelectQuestions(Generator& generator, const FillOptions& options) {
  QuestionSelection selection;
  LoadQuestionSelection(
      selection, generator.DicPath, generator.DicFileName,
      GridSettingsFile(generator.MakeDir + generator.MakeFile).ReadMasSizePattern());
  const std::string idx = generator.DicPath + selection.IdxFileName();
  if (ChoosesByHand(options)) {
    selection.SelectDifficultRank(RankByHand);
    SelectByHand(selection, options, idx);
  } else if (!options.rank.empty()) {
    selection.SelectDifficultRank(std::stoi(options.rank));
  }
  generator.TakeSelection(selection);
}

// The keyword of every stage, or one per line of the keyword file, one line per stage.
std::vector<std::u32string> Keywords(const FillOptions& options) {
  std::vector<std::u32string> typed;
  if (!options.keyword.empty()) typed.push_back(FromUtf8(options.keyword));
  if (!options.keywordFile.empty()) {
    typed = ReadUtf8Lines(options.keywordFile);
    if (static_cast<int>(typed.size()) != options.stages) {
      throw std::runtime_error(options.keywordFile + " holds " + Counted(typed.size(), "line") +
                               " for " + Counted(options.stages, "stage") +
                               ": give one keyword per stage");
    }
  }
  if (!typed.empty() && options.search != "thorough") {
    throw std::runtime_error("keywords are placed by the thorough search: add --search thorough");
  }
  std::vector<std::u32string> keywords;
  for (size_t k = 0; k < typed.size(); ++k) {
    try {
      keywords.push_back(KeywordLetters(typed[k]));
    } catch (const std::invalid_argument& problem) {
      throw std::runtime_error("keyword " + std::to_string(k + 1) + " (" + ToUtf8(typed[k]) +
                               "): " + problem.what());
    }
  }
  return keywords;
}

void ApplySettings(Generator& generator, const FillOptions& options) {
  generator.MakingNmbMax = options.stages;
  generator.RestartMax = options.restartMax;
  generator.RetryMax = options.retryMax;
  generator.Exact().SetHistoryMax(options.historyMax);
  generator.Search = options.search == "thorough" ? FillSearch::Thorough : FillSearch::Exact;
  generator.Keywords = Keywords(options);
  SeedRandom(options.seed, generator.Rnd);
  if (!options.out.empty()) generator.ChoosePuzzleFile(options.out);
}

// Why stage 1 could not be made, and what may help.
std::string GivenUpText(const Generator& generator) {
  if (generator.Search == FillSearch::Thorough) {
    return "no grid of the grid file can be filled with the words of this rank (each is named "
           "above): choose another --rank, or other grids";
  }
  return "stage 1 could not be filled from any grid of the grid file within " +
         Counted(generator.RestartMax, "restart") +
         " each: --search thorough finds a fill where one exists, or choose another --rank";
}

void Report(RunOutcome outcome, const Generator& generator, const TerminalObserver& observer) {
  const std::string puzzle = generator.Output().PuzzleFile().string();
  switch (outcome) {
    case RunOutcome::Completed:
      std::cout << "Wrote " << puzzle << ": " << Counted(generator.MakingNmbMax, "stage") << ", "
                << Counted(observer.Restarts(), "restart") << ", " << std::fixed
                << std::setprecision(2) << observer.Seconds() << " s\n";
      if (!generator.Keywords.empty()) {
        std::cout << "Wrote " << KeywordMarksPath(puzzle).string()
                  << ": every stage's keyword marked\n";
      }
      return;
    case RunOutcome::Stopped:
      throw CommandEnded(
          observer.Interrupted() ? ExitStatus::Interrupted : ExitStatus::NotFoundInTime,
          observer.StopReason() + "; the working file was deleted and " + puzzle +
              " was left as it was");
    case RunOutcome::GivenUp:
    case RunOutcome::ProgramEnded:
      throw std::runtime_error(GivenUpText(generator) + "; no puzzle set was made and " + puzzle +
                               " was left as it was");
  }
}

void Fill(const FillOptions& options) {
  ChoosesByHand(options);  // refuses a contradiction before the dictionary is read
  TerminalObserver observer(options.stages, options.giveUpAfter);
  const std::filesystem::path grid(options.grid);
  Generator generator(observer, FolderOf(grid));
  observer.Attach(generator);
  generator.MakeFile = grid.filename().string();
  if (generator.LoadGridSettings(false) == 0) {
    throw std::runtime_error("the dictionary " + generator.DicPath + generator.DicFileName +
                             " named by " + options.grid + " does not exist");
  }
  SelectQuestions(generator, options);
  ApplySettings(generator, options);
  RefuseOutputOverInput(generator.Output().PuzzleFile(),
                        {options.grid, generator.DicPath + generator.DicFileName});
  const CatchStopSignals stopSignals;
  const RunOutcome outcome = generator.RunGeneration();
  observer.ClearBar();
  Report(outcome, generator, observer);
}

}  // namespace

void LoadQuestionSelection(QuestionSelection& selection, const std::string& DicPath,
                           const std::string& DicFileName, int sizePattern) {
  if (selection.MakeIdxFileName(DicPath, DicFileName) == 0) {
    throw std::runtime_error(DicPath + DicFileName + ": the dictionary has no index file " +
                             selection.IdxFileName() +
                             " beside it, so no category or list can be asked");
  }
  selection.LoadIndex(DicPath, sizePattern);
  for (const auto& problem : selection.Problems())
    std::cerr << "wright: warning: " << problem << '\n';
}

void AddFillCommand(CLI::App& app) {
  auto options = std::make_shared<FillOptions>();
  CLI::App* fill = app.add_subcommand(
      "fill",
      "Fill the grids of a grid settings file (.gst) with dictionary words and write a\n"
      "puzzle set (.pzs), as Cluewright's run page does.\n"
      "  wright fill --grid GRID.gst [--out PUZZLES.pzs] [--rank 1-5|custom]\n"
      "The dictionary is the one the grid file names; its index file (.idx) says which\n"
      "categories and lists each difficulty rank asks. The puzzle file of that name is\n"
      "replaced only when every stage is made; Ctrl-C or SIGTERM stops the run and keeps it.");
  fill->add_option("--grid", options->grid, "Grid settings file to fill")
      ->required()
      ->check(CLI::ExistingFile);
  fill->add_option("--out", options->out,
                   "Puzzle set to write; its extension is always .pzs (default: the grid "
                   "file's name with .pzs, beside it)");
  fill->add_option("--rank", options->rank,
                   "Difficulty: 1 初級 .. 5 スーパーおたく級, or custom (default: the rank the "
                   "grid file's size suggests)")
      ->check(CLI::IsMember({"1", "2", "3", "4", "5", "custom"}));
  fill->add_option("--categories", options->categories, "With --rank custom: the categories asked")
      ->delimiter(',');
  fill->add_option("--lists", options->lists,
                   "With --rank custom: the lists asked freely; the others give one word per grid")
      ->delimiter(',');
  fill->add_option("--stages", options->stages, "Stages to make (default 10)")
      ->check(WholeNumberIn(1, StageNmbMax));
  AddSeedOption(*fill, options->seed);
  fill->add_option("--restart-max", options->restartMax, "Restarts per grid pattern (default 50)")
      ->check(WholeNumberIn(1, RestartMaxLimit));
  fill->add_option("--retry-max", options->retryMax, "Repairs per attempt (default 25)")
      ->check(WholeNumberIn(1, RestartMaxLimit));
  fill->add_option("--history-max", options->historyMax,
                   "Failed grids remembered to notice repeats (default 50)")
      ->check(WholeNumberIn(1, HistoryMaxLimit));
  fill->add_option("--search", options->search,
                   "exact: the default search, which repairs a grid a few words at a time and\n"
                   "restarts; thorough: a complete search that fills dense grids the exact one\n"
                   "gives up on, prefers the words the rank asks first and the common ones,\n"
                   "avoids repeating a reading across the set, and says which slot makes a grid\n"
                   "impossible (--restart-max bounds its restarts, a grid is given up after 10 s\n"
                   "per 81 cells; --retry-max and --history-max do not apply)")
      ->check(CLI::IsMember({"exact", "thorough"}));
  auto* keyword = fill->add_option(
      "--keyword", options->keyword,
      "With --search thorough: a prize keyword (2 to 10 letters, hiragana read as\n"
      "katakana) every stage's letters must hold in good cells; they are marked in\n"
      "PUZZLES.kwd beside the set (see wright keyword)");
  fill->add_option(
          "--keyword-file", options->keywordFile,
          "With --search thorough: a UTF-8 file of one keyword per line, line k for stage k")
      ->check(CLI::ExistingFile)
      ->excludes(keyword);
  fill->add_option("--give-up-after", options->giveUpAfter,
                   "Stop after this many seconds; a later stage is otherwise retried for ever")
      ->check(SecondsAbove0(1e9));
  fill->callback([options] { Fill(*options); });
}

}  // namespace crossword::wright
