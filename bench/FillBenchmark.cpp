// The fill on the default dictionaries: opening each, time per filled stage of full-auto
// small, medium and large grids, a whole 99-stage large set including opening the
// dictionary, how many medium grids each difficulty rank fills within the default limits
// with either search, how many answers of a 20-stage set of each rank are everyday words
// and how often it repeats one, and how many small and medium grids English 初級 fills.
// bench/fill-process-times.sh times whole wright processes.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "common/FileOps.h"
#include "common/GridSettingsFile.h"
#include "common/TextCodec.h"
#include "designer/engine/GridDesigner.h"
#include "dictionary/KeptClues.h"
#include "dictionary/QuestionSelection.h"
#include "dictionary/import/EdictEntry.h"
#include "dictionary/import/KanaReading.h"
#include "generator/engine/Generator.h"
#include "puzzle/KeywordChoice.h"
#include "puzzle/KeywordMarks.h"

namespace crossword {
namespace {

const std::string kProgramFolder = PROGRAM_FOLDER;
const std::string kDictionaryName = "標準日本語辞書.lxd";
const std::string kEnglishDictionaryName = "標準英語辞書.lxd";
constexpr int kSmall = 1, kMedium = 2, kLarge = 3;  // the designer's size patterns

class QuietDesigner : public DesignerObserver {
 public:
  MessageAnswer ShowMessage(int number, const CatalogueMessage&) override {
    throw std::runtime_error("the designer asked message " + std::to_string(number));
  }
};

class QuietGenerator : public GeneratorObserver {
 public:
  MessageAnswer ShowMessage(int number, const CatalogueMessage&) override {
    throw std::runtime_error("the generator showed message " + std::to_string(number));
  }
  void EndProgram() override {}
};

// Stages laid out by the designer's full-auto mode, written once per size, count, random
// seed (0: the designer's fixed start) and dictionary.
std::string FullAutoGridFile(int sizePattern, int stages, int seed = 0,
                             const std::string& dictionaryName = kDictionaryName,
                             int shortestAnswer = AnswerLenMin) {
  const std::string language = dictionaryName == kDictionaryName ? "" : "en-";
  const auto path =
      std::filesystem::temp_directory_path() /
      ("fill-bench-" + language + std::to_string(sizePattern) + "-" + std::to_string(stages) + "-" +
       std::to_string(seed) + "-" + std::to_string(shortestAnswer) + ".gst");
  if (std::filesystem::exists(path)) return path.string();
  QuietDesigner observer;
  GridDesigner designer(observer, kProgramFolder);
  designer.UseDictionary(kProgramFolder + dictionaryName,
                         CountDicWords(Dictionary(kProgramFolder + dictionaryName)));
  AutoSettings& settings = designer.FileRun().Auto;
  settings.MasSizePatternAuto = sizePattern;
  settings.MakeStageNmbAuto = 4;
  settings.CrossStageNmbAuto = stages;
  settings.ShortestAnswerAuto = shortestAnswer;
  if (seed != 0) designer.Random.Reseed(seed);
  designer.ChooseMakeFile(path.string());
  if (designer.RunMakeFile() != 1) throw std::runtime_error("no full-auto layout");
  return path.string();
}

// Loads a grid file with the rank its size suggests, or `rank` 1..5.
void Prepare(Generator& generator, const std::string& gridFile, int rank = 0) {
  generator.MakeDir = std::filesystem::path(gridFile).parent_path().string() + "/";
  generator.MakeFile = std::filesystem::path(gridFile).filename().string();
  if (generator.LoadGridSettings(false) == 0) throw std::runtime_error("no dictionary");
  QuestionSelection selection;
  selection.MakeIdxFileName(generator.DicPath, generator.DicFileName);
  selection.LoadIndex(generator.DicPath, GridSettingsFile(gridFile).ReadMasSizePattern());
  if (rank > 0) selection.SelectDifficultRank(rank);
  generator.TakeSelection(selection);
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

// Attempts as a run makes them, at most RestartMax + 1: Filled, Failed, or NoFill when
// the thorough search proved there is none.
FillResult FillWithLimits(Generator& generator, int pattern, long& attempts) {
  generator.LoadStagePattern(pattern);
  if (generator.Search == FillSearch::Thorough) {
    ++attempts;
    return generator.FillStageThorough();
  }
  for (int restart = 0;; ++restart) {
    ++attempts;
    if (generator.Exact().FillStage() == FillResult::Filled) return FillResult::Filled;
    if (restart >= generator.RestartMax) return FillResult::Failed;
    generator.Exact().RestoreBaseGrid();
  }
}

bool FillWithinLimits(Generator& generator, int pattern, long& attempts) {
  return FillWithLimits(generator, pattern, attempts) == FillResult::Filled;
}

void FillStage(benchmark::State& state, int sizePattern) {
  QuietGenerator observer;
  Generator generator(observer, kProgramFolder);
  Prepare(generator, FullAutoGridFile(sizePattern, StageNmbMax));
  long attempts = 0, failed = 0;
  int pattern = 0;
  for (auto _ : state) {
    pattern = pattern % StageNmbMax + 1;
    if (!FillWithinLimits(generator, pattern, attempts)) ++failed;
  }
  state.counters["attempts_per_stage"] = static_cast<double>(attempts) / state.iterations();
  state.counters["failed_stages"] = static_cast<double>(failed);
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK_CAPTURE(FillStage, small, kSmall)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FillStage, medium, kMedium)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FillStage, large, kLarge)->Unit(benchmark::kMicrosecond);

// Opening a dictionary as a run does, its word index file mapped.
void OpenWordIndex(benchmark::State& state, const std::string& name) {
  std::string note;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WordIndex(OpenWordIndex(Dictionary(kProgramFolder + name), note)));
  }
  if (!note.empty()) state.SkipWithError(note.c_str());
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK_CAPTURE(OpenWordIndex, japanese, kDictionaryName)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(OpenWordIndex, english, kEnglishDictionaryName)->Unit(benchmark::kMillisecond);

// The same, every word read from the word tables into memory, as without the file.
void BuildWordIndex(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(WordIndex(Dictionary(kProgramFolder + kDictionaryName)));
  }
}
BENCHMARK(BuildWordIndex)->Unit(benchmark::kMillisecond);

void PuzzleSet99Large(benchmark::State& state) {
  const std::string gridFile = FullAutoGridFile(kLarge, StageNmbMax);
  for (auto _ : state) {
    QuietGenerator observer;
    Generator generator(observer, kProgramFolder);
    Prepare(generator, gridFile);
    generator.MakingNmbMax = StageNmbMax;
    generator.ChoosePuzzleFile(std::filesystem::temp_directory_path() / "fill-bench.pzs");
    if (generator.RunGeneration() != RunOutcome::Completed) state.SkipWithError("run failed");
  }
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(PuzzleSet99Large)->Unit(benchmark::kMillisecond)->UseRealTime();

// The share of 200 different full-auto medium grids filled within the default limits, per
// rank (first argument) and search (second: 0 exact, 1 thorough): four files of 50 stages
// laid out from four random seeds.
// The thorough search proves a grid has no fill only after a long search; a few restarts
// keep 200 grids within minutes.
constexpr int kThoroughRestarts = 3;

void FillSuccess(benchmark::State& state, const std::string& dictionary) {
  const int rank = static_cast<int>(state.range(0));
  const bool thorough = state.range(1) == 1;
  constexpr int kFiles = 4, kStagesPerFile = 50;
  long filled = 0, withoutFill = 0, attempts = 0, missed = 0, exactAttempts = 0;
  for (auto _ : state) {
    for (int file = 1; file <= kFiles; ++file) {
      const std::string grids = FullAutoGridFile(kMedium, kStagesPerFile, file, dictionary);
      QuietGenerator observer;
      Generator generator(observer, kProgramFolder), exact(observer, kProgramFolder);
      Prepare(generator, grids, rank);
      Prepare(exact, grids, rank);
      if (thorough) {
        generator.Search = FillSearch::Thorough;
        generator.RestartMax = kThoroughRestarts;
      }
      for (int pattern = 1; pattern <= kStagesPerFile; ++pattern) {
        const FillResult result = FillWithLimits(generator, pattern, attempts);
        const bool done = result == FillResult::Filled;
        filled += done ? 1 : 0;
        withoutFill += result == FillResult::NoFill ? 1 : 0;
        // Grids the exact search fills that the thorough one does not.
        if (thorough && !done && FillWithinLimits(exact, pattern, exactAttempts)) ++missed;
      }
    }
  }
  state.counters["filled_percent"] = 100.0 * filled / (kFiles * kStagesPerFile);
  state.counters["attempts_per_grid"] = static_cast<double>(attempts) / (kFiles * kStagesPerFile);
  if (thorough) {
    state.counters["missed_that_exact_fills"] = static_cast<double>(missed);
    state.counters["proved_without_fill"] = static_cast<double>(withoutFill);
  }
}
BENCHMARK_CAPTURE(FillSuccess, japanese, kDictionaryName)
    ->ArgsProduct({{1, 2, 3, 4, 5}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(FillSuccess, english, kEnglishDictionaryName)
    ->ArgsProduct({{1, 2, 3}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// The lines of EDICT, the word list the Japanese dictionary's serial numbers point into.
const std::vector<std::string>& EdictLines() {
  static const std::vector<std::string> lines = [] {
    std::vector<std::string> all;
    std::istringstream text(ReadWholeFile("/usr/share/edict/edict"));
    for (std::string line; std::getline(text, line);) all.push_back(line);
    return all;
  }();
  return lines;
}

// What EDICT marks as everyday "(P)": readings (katakana) and (written form, reading) pairs.
struct EverydayWords {
  std::set<std::u32string> Readings;
  std::set<std::pair<std::u32string, std::u32string>> Pairs;
};

const EverydayWords& EdictEveryday() {
  static const EverydayWords words = [] {
    EverydayWords everyday;
    for (const std::string& line : EdictLines()) {
      const auto entry = ParseEdictLine(DecodeEucJp(line));
      if (!entry || !entry->Common) continue;
      const auto reading = AnswerFromReading(entry->Reading);
      if (!reading) continue;
      everyday.Readings.insert(*reading);
      everyday.Pairs.emplace(entry->Written, *reading);
      everyday.Pairs.emplace(entry->Reading, *reading);  // a word written in kana
    }
    return everyday;
  }();
  return words;
}

// The 20,000 most frequent words of spoken English (SUBTLEX, from the npm registry: see
// bench/package.json), in full-width capitals. The English dictionary's bands come from
// WordNet's sense-tagged texts instead, so this list judges them from outside.
const std::set<std::u32string>& FrequentEnglish() {
  static const std::set<std::u32string> words = [] {
    const auto list = nlohmann::json::parse(ReadWholeFile(SUBTLEX_LIST));
    std::set<std::u32string> frequent;
    for (size_t i = 0; i < list.size() && i < 20000; ++i) {
      std::u32string word;
      for (char c : list[i]["word"].get<std::string>()) {
        if (std::isalpha(static_cast<unsigned char>(c))) {
          word += U'Ａ' + (std::toupper(static_cast<unsigned char>(c)) - 'A');
        }
      }
      frequent.insert(word);
    }
    return frequent;
  }();
  return words;
}

// Records each finished stage's answers.
class StageAnswers : public QuietGenerator {
 public:
  void StageFinished(int) override {
    std::vector<WordRecord>& stage = Stages.emplace_back();
    for (int i = 1; i <= generator->Grid().QuesNmbMax(); ++i)
      stage.push_back(generator->Grid().Slot(i).Word);
  }
  const Generator* generator = nullptr;
  std::vector<std::vector<WordRecord>> Stages;
};

// A set of 20 full-auto medium stages made as a run makes it, at one rank (first argument)
// with either search (second: 0 exact, 1 thorough), its layouts without answers shorter
// than the third argument: how many answers are everyday words, by reading and as
// written, how many clues are in Japanese, how often the set repeats an answer, and the
// run's seconds.
void SetQuality(benchmark::State& state, const std::string& dictionary) {
  const int rank = static_cast<int>(state.range(0));
  const bool english = dictionary == kEnglishDictionaryName;
  constexpr int kStages = 20;
  std::vector<std::vector<WordRecord>> stages;
  for (auto _ : state) {
    StageAnswers observer;
    Generator generator(observer, kProgramFolder);
    observer.generator = &generator;
    Prepare(generator,
            FullAutoGridFile(kMedium, kStages, 7, dictionary, static_cast<int>(state.range(2))),
            rank);
    generator.Search = state.range(1) == 1 ? FillSearch::Thorough : FillSearch::Exact;
    generator.MakingNmbMax = kStages;
    generator.ChoosePuzzleFile(std::filesystem::temp_directory_path() / "fill-bench-set.pzs");
    if (generator.RunGeneration() != RunOutcome::Completed) state.SkipWithError("run failed");
    stages = std::move(observer.Stages);
  }
  long answers = 0, byReading = 0, asWritten = 0, japaneseClues = 0;
  std::map<std::u32string, int> stagesOf;
  for (const auto& stage : stages) {
    std::set<std::u32string> readings;
    for (const WordRecord& word : stage) {
      ++answers;
      if (english) {
        byReading += FrequentEnglish().contains(word.Yst) ? 1 : 0;
      } else {
        byReading += EdictEveryday().Readings.contains(word.Yst) ? 1 : 0;
        asWritten += EdictEveryday().Pairs.contains({word.Ast, word.Yst}) ? 1 : 0;
      }
      japaneseClues += IsJapaneseClue(ToUtf8(word.Qst)) ? 1 : 0;
      readings.insert(word.Yst);
    }
    for (const auto& reading : readings) ++stagesOf[reading];
  }
  int mostStages = 0;
  for (const auto& [reading, count] : stagesOf) mostStages = std::max(mostStages, count);
  state.counters["everyday_percent"] = answers == 0 ? 0 : 100.0 * byReading / answers;
  if (!english)
    state.counters["written_everyday_percent"] = answers == 0 ? 0 : 100.0 * asWritten / answers;
  state.counters["japanese_clue_percent"] = answers == 0 ? 0 : 100.0 * japaneseClues / answers;
  state.counters["distinct_percent"] = answers == 0 ? 0 : 100.0 * stagesOf.size() / answers;
  state.counters["most_stages_of_one_answer"] = mostStages;
}
BENCHMARK_CAPTURE(SetQuality, japanese, kDictionaryName)
    ->ArgsProduct({{1, 2, 3, 4, 5}, {0, 1}, {2}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(SetQuality, english, kEnglishDictionaryName)
    ->ArgsProduct({{1}, {0, 1}, {2, 3}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The share of 40 full-auto medium grids that the thorough search fills at 初級 within a
// run's limits, each alone as a one-grid file is.
void ThoroughFillsEveryGrid(benchmark::State& state) {
  constexpr int kStages = 40;
  long filled = 0, attempts = 0;
  for (auto _ : state) {
    QuietGenerator observer;
    Generator generator(observer, kProgramFolder);
    Prepare(generator, FullAutoGridFile(kMedium, kStages, 3), 1);
    generator.Search = FillSearch::Thorough;
    for (int pattern = 1; pattern <= kStages; ++pattern) {
      filled += FillWithinLimits(generator, pattern, attempts) ? 1 : 0;
    }
  }
  state.counters["filled_percent"] = 100.0 * filled / kStages;
}
BENCHMARK(ThoroughFillsEveryGrid)->Iterations(1)->Unit(benchmark::kSecond);

// The share of 50 full-auto small and 50 medium English grids that 初級 fills.
void EnglishFillSuccess(benchmark::State& state) {
  const int sizePattern = static_cast<int>(state.range(0));
  constexpr int kStages = 50;
  long filled = 0, attempts = 0;
  for (auto _ : state) {
    QuietGenerator observer;
    Generator generator(observer, kProgramFolder);
    Prepare(generator, FullAutoGridFile(sizePattern, kStages, 1, kEnglishDictionaryName), 1);
    for (int pattern = 1; pattern <= kStages; ++pattern) {
      filled += FillWithinLimits(generator, pattern, attempts) ? 1 : 0;
    }
  }
  state.counters["filled_percent"] = 100.0 * filled / kStages;
  state.counters["attempts_per_grid"] = static_cast<double>(attempts) / kStages;
}
BENCHMARK(EnglishFillSuccess)->Arg(kSmall)->Arg(kMedium)->Iterations(1)->Unit(benchmark::kSecond);

// Keywords of everyday words, three to five letters.
const std::u32string kKeywords[] = {U"ハナミ", U"サクラ", U"ユキダルマ"};

// Counts the grids whose fills held no place for the keyword.
class KeywordRun : public StageAnswers {
 public:
  void GridUnfilled(int, const UnfilledGrid& why) override {
    refused += why.cause == UnfilledGrid::Cause::NoKeyword ? 1 : 0;
  }
  int refused = 0;
};

// A 20-stage set of full-auto medium grids made by the thorough search at the rank their
// size suggests, for keyword kKeywords[first argument]: the share of stages that can hold
// it in good cells when it is not asked for (second argument 0) or when the search is asked
// to make them hold it (1), the share that holds its letters at all, the grids refused for
// it, and the set's everyday answers by reading.
void KeywordPlacement(benchmark::State& state) {
  const std::u32string& keyword = kKeywords[state.range(0)];
  const bool asked = state.range(1) == 1;
  constexpr int kStages = 20;
  const auto set = std::filesystem::temp_directory_path() / "fill-bench-keyword.pzs";
  KeywordRun observer;
  for (auto _ : state) {
    Generator generator(observer, kProgramFolder);
    observer.generator = &generator;
    Prepare(generator, FullAutoGridFile(kMedium, kStages, 7));
    generator.Search = FillSearch::Thorough;
    generator.MakingNmbMax = kStages;
    if (asked) generator.Keywords = {keyword};
    generator.ChoosePuzzleFile(set);
    if (generator.RunGeneration() != RunOutcome::Completed) state.SkipWithError("run failed");
  }
  int placed = 0, spelled = 0;
  for (const PuzzleStage& stage : ReadPuzzleSetWithMarks(set).Stages) {
    const bool holds =
        asked ? stage.Keyword.has_value() : !ChooseKeywordCells(stage.Answers, keyword, 1).empty();
    placed += holds ? 1 : 0;
    spelled += MissingLetters(stage.Answers, keyword).empty() ? 1 : 0;
  }
  long answers = 0, everyday = 0;
  for (const auto& stage : observer.Stages) {
    for (const WordRecord& word : stage) {
      ++answers;
      everyday += EdictEveryday().Readings.contains(word.Yst) ? 1 : 0;
    }
  }
  state.counters["placed_percent"] = 100.0 * placed / kStages;
  state.counters["letters_held_percent"] = 100.0 * spelled / kStages;
  state.counters["grids_refused"] = observer.refused;
  state.counters["everyday_percent"] = answers == 0 ? 0 : 100.0 * everyday / answers;
}
BENCHMARK(KeywordPlacement)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace
}  // namespace crossword

BENCHMARK_MAIN();
