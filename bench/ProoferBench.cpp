// Finishing a set of 99 large stages made from the default Japanese dictionary. Targets:
// the window usable within 300 ms of opening it, a slot's replacements listed within 50 ms,
// a save that teaches the dictionary a few clues within 500 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "dictionary/WordIndexFile.h"
#include "proofer/engine/ProofSession.h"
#include "proofer/ui/ProofWindow.h"
#include "puzzle/PuzzleFileWriter.h"

namespace crossword {
namespace {

namespace fs = std::filesystem;

const fs::path kProgramFolder = PROGRAM_FOLDER;
const fs::path kDictionary = kProgramFolder / "標準日本語辞書.lxd";
constexpr int kStages = 99;
constexpr int kFilledStages = 3;  // filled once; the set repeats them

fs::path BenchFolder() {
  return fs::temp_directory_path() / "proofer-bench";
}

void RunWright(const std::string& arguments) {
  const std::string command = "'" + (kProgramFolder / "wright").string() + "' " + arguments;
  if (std::system((command + " > /dev/null").c_str()) != 0) {
    throw std::runtime_error("failed: " + command);
  }
}

// large.pzs of 99 stages beside large.gst, which names the default dictionary: a few
// large grids filled by wright, each written again until the set has 99 stages.
fs::path LargeSet() {
  const fs::path folder = BenchFolder();
  const fs::path set = folder / "large.pzs";
  if (fs::exists(set)) return set;
  fs::create_directories(folder);
  const fs::path grid = folder / "large.gst";
  RunWright("grid --size large --stages " + std::to_string(kFilledStages) + " --dictionary '" +
            kDictionary.string() + "' --out '" + grid.string() + "'");
  RunWright("fill --search thorough --stages " + std::to_string(kFilledStages) + " --grid '" +
            grid.string() + "' --out '" + (folder / "filled.pzs").string() + "'");
  const PuzzleSet filled = ReadPuzzleFile(folder / "filled.pzs");
  std::vector<std::u32string> lines = PuzzleHeaderLines(filled.AnswerLang, kStages);
  for (int k = 1; k <= kStages; ++k) {
    const auto block = PuzzleStageLines(k, filled.Stages[(k - 1) % filled.Stages.size()]);
    lines.insert(lines.end(), block.begin(), block.end());
  }
  StagedTextFile file(set);
  file.Create(lines);
  file.Commit();
  return set;
}

void OpenLargeSetInWindow(benchmark::State& state) {
  const fs::path set = LargeSet();
  for (auto _ : state) {
    ui::ProofWindow window(BenchFolder().string() + "/");
    if (!window.OpenSet(set) || !window.Session()->HasDictionary()) {
      state.SkipWithError("the set or its dictionary did not open");
    }
    window.ShowStage(kStages);
    benchmark::DoNotOptimize(window.QuestionChosen());
  }
}
BENCHMARK(OpenLargeSetInWindow)->Unit(benchmark::kMillisecond);

void ListReplacements(benchmark::State& state) {
  ProofSession session(LargeSet());
  session.UseDictionary(kDictionary);
  const PuzzleStage& stage = session.Set().Stages.front();
  size_t listed = 0;
  int question = 0;
  for (auto _ : state) {
    question = question % stage.QuesNmbMax() + 1;
    listed += session.Replacements({1, question}).size();
  }
  state.counters["words"] =
      benchmark::Counter(static_cast<double>(listed), benchmark::Counter::kAvgIterations);
}
BENCHMARK(ListReplacements)->Unit(benchmark::kMillisecond);

// Three rewritten clues, saved with learning into a copy of the default dictionary.
void SaveWithLearning(benchmark::State& state) {
  const fs::path set = LargeSet();
  const fs::path folder = BenchFolder() / "learn";
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* extension : {".lxd", ".idx"}) {
      fs::copy_file(fs::path(kDictionary).replace_extension(extension),
                    (folder / "dic").replace_extension(extension));
    }
    // As the build leaves it: the word index made for this very file.
    WriteWordIndexFile(folder / "dic.lxd");
    fs::copy_file(set, folder / "set.pzs");
    ProofSession session(folder / "set.pzs");
    session.UseDictionary(folder / "dic.lxd");
    for (int number = 1; number <= 3; ++number) {
      session.SetClue({1, number}, U"書き換え" + FromUtf8(std::to_string(++round)),
                      session.Hint({1, number}).Ast);
    }
    state.ResumeTiming();
    benchmark::DoNotOptimize(session.Save(folder / "set.pzs", true));
  }
}
BENCHMARK(SaveWithLearning)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace crossword

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
