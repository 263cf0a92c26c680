#include <benchmark/benchmark.h>

#include <filesystem>

#include "designer/engine/GridDesigner.h"

// Full-auto runs as `wright grid` makes them, the grid settings file written each time.
namespace crossword {
namespace {

class SilentView : public DesignerObserver {
 public:
  MessageAnswer ShowMessage(int, const CatalogueMessage& message) override {
    return message.DefaultAnswer;
  }
};

// A dictionary of the default one's order of size.
WordCounts LargeDictionary() {
  WordCounts counts{};
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) counts[length] = 20000;
  return counts;
}

void RunStages(benchmark::State& state, int pattern, int typedSize,
               int shortestAnswer = AnswerLenMin) {
  const auto folder = std::filesystem::temp_directory_path() / "designer-bench";
  std::filesystem::create_directories(folder);
  SilentView view;
  GridDesigner designer(view, folder.string());
  designer.UseDictionary((folder / "words.lxd").string(), LargeDictionary());
  AutoSettings& settings = designer.FileRun().Auto;
  settings.MasSizePatternAuto = pattern;
  settings.MasSizeCustomAuto = {typedSize, typedSize};
  settings.MakeStageNmbAuto = 4;
  settings.CrossStageNmbAuto = static_cast<int>(state.range(0));
  settings.ShortestAnswerAuto = shortestAnswer;
  int failures = 0;
  for (auto _ : state) failures += designer.RunMakeFile() == 0 ? 1 : 0;
  state.counters["failed runs"] = failures;
  std::filesystem::remove_all(folder);
}

// 99 stages of the large pattern (9x9 to 11x11): wanted within half a second.
void LargeStages(benchmark::State& state) {
  RunStages(state, 3, 0);
}
BENCHMARK(LargeStages)->Arg(99)->Unit(benchmark::kMillisecond);

// 99 stages of the medium pattern (7x7 to 9x9), with two-letter answers (2) and in the
// English convention without them (3): the second should take about the first's time.
void MediumStages(benchmark::State& state) {
  RunStages(state, 2, 0, static_cast<int>(state.range(1)));
}
BENCHMARK(MediumStages)
    ->Args({99, AnswerLenMin})
    ->Args({99, ShortestAnswerEnglish})
    ->Unit(benchmark::kMillisecond);

// Typed 20x20 stages, the largest size page 2 accepts without a warning.
void TypedTwentyByTwentyStages(benchmark::State& state) {
  RunStages(state, MasSizePatternCustom, 20);
}
BENCHMARK(TypedTwentyByTwentyStages)->Arg(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace crossword
