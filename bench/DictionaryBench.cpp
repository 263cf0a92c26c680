// The dictionary store on the default Japanese dictionary: opening it and reading word k.
// Targets: opening within 100 ms, a record within 50 µs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "dictionary/Dictionary.h"

namespace crossword {
namespace {

std::filesystem::path DefaultDictionary() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "標準日本語辞書.lxd";
}

const Dictionary& Opened() {
  static const Dictionary dictionary(DefaultDictionary());
  return dictionary;
}

void OpenDictionary(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Dictionary(DefaultDictionary()).RecordCount(5));
}
BENCHMARK(OpenDictionary)->Unit(benchmark::kMillisecond);

void RecordK(benchmark::State& state) {
  const Dictionary& dictionary = Opened();
  const int length = static_cast<int>(state.range(0));
  std::mt19937 random(1);
  std::uniform_int_distribution<int> position(1, dictionary.RecordCount(length));
  for (auto _ : state) benchmark::DoNotOptimize(dictionary.Record(length, position(random)));
}
BENCHMARK(RecordK)->Arg(4)->Arg(12)->Unit(benchmark::kMicrosecond);

void ClassOfK(benchmark::State& state) {
  const Dictionary& dictionary = Opened();
  std::mt19937 random(2);
  std::uniform_int_distribution<int> position(1, dictionary.RecordCount(5));
  for (auto _ : state) benchmark::DoNotOptimize(dictionary.ClassOf(5, position(random)));
}
BENCHMARK(ClassOfK)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace crossword

BENCHMARK_MAIN();
