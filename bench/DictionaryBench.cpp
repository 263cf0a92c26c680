// The dictionary store on the default Japanese dictionary: opening it, reading word k and
// the finds the fill makes. Targets: opening within 100 ms, a record or a find within 50 µs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
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

// Patterns the fill would ask: letters of real words at random positions, so most match.
std::vector<WordQuery> SamplePatterns(int length, int known, int count) {
  std::mt19937 random(length * 100 + known);
  std::vector<WordQuery> patterns;
  const Dictionary& dictionary = Opened();
  for (int i = 0; i < count; ++i) {
    const int k = std::uniform_int_distribution<int>(1, dictionary.RecordCount(length))(random);
    const std::u32string reading = dictionary.Record(length, k).Yst;
    std::vector<int> positions(length);
    for (int p = 0; p < length; ++p) positions[p] = p + 1;
    std::shuffle(positions.begin(), positions.end(), random);
    WordQuery query;
    for (int j = 0; j < known; ++j)
      query.Letters.emplace_back(positions[j], reading[positions[j] - 1]);
    patterns.push_back(query);
  }
  return patterns;
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

// args: length, known letters
void FindFirstMatch(benchmark::State& state) {
  const int length = static_cast<int>(state.range(0));
  const auto patterns = SamplePatterns(length, static_cast<int>(state.range(1)), 1000);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Opened().FindFirst(length, patterns[i++ % patterns.size()]));
  }
}
BENCHMARK(FindFirstMatch)
    ->Args({3, 1})
    ->Args({5, 1})
    ->Args({5, 2})
    ->Args({7, 3})
    ->Args({12, 2})
    ->Unit(benchmark::kMicrosecond);

// The first find of each letter in a freshly opened dictionary reads its letter index: the
// time of one such find, from a run of finds with different letters on a fresh dictionary.
void FindFirstMatchCold(benchmark::State& state) {
  const int length = static_cast<int>(state.range(0));
  const auto patterns = SamplePatterns(length, static_cast<int>(state.range(1)), 50);
  for (auto _ : state) {
    const Dictionary fresh(DefaultDictionary());
    const auto start = std::chrono::steady_clock::now();
    for (const WordQuery& pattern : patterns)
      benchmark::DoNotOptimize(fresh.FindFirst(length, pattern));
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count() / patterns.size());
  }
}
BENCHMARK(FindFirstMatchCold)
    ->Args({3, 1})
    ->Args({5, 2})
    ->Args({7, 3})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// A look-ahead on a crossing: one letter more than a real word has, often without a match.
void HasMatchAfterChange(benchmark::State& state) {
  const int length = static_cast<int>(state.range(0));
  auto patterns = SamplePatterns(length, 2, 1000);
  for (WordQuery& query : patterns) query.Letters[0].second = U'ヌ';
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Opened().HasMatch(length, patterns[i++ % patterns.size()]));
  }
}
BENCHMARK(HasMatchAfterChange)->Arg(4)->Arg(6)->Unit(benchmark::kMicrosecond);

void FindAllMatches(benchmark::State& state) {
  const int length = static_cast<int>(state.range(0));
  const auto patterns = SamplePatterns(length, 1, 200);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Opened().FindAll(length, patterns[i++ % patterns.size()]));
  }
}
BENCHMARK(FindAllMatches)->Arg(4)->Arg(8)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace crossword

BENCHMARK_MAIN();
