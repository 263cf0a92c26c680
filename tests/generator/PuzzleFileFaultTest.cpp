#include <gtest/gtest.h>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "tests/generator/GeneratorTestKit.h"
#include "tests/support/TempFolder.h"

// A three-stage run over an older puzzle file and its solve status, with one file
// operation of the run failing at a time.
namespace crossword {
namespace {

using testing::EveryShortWord;
using testing::GeneratorSetup;
using testing::ReadBytes;

constexpr int kStages = 3;
constexpr char kDiskFull[] = "No space left on device";
constexpr char kInUse[] = "Device or resource busy";

struct PuzzleFileFault {
  const char* point;
  FileFaultPlan plan;
  bool stopInStage2;      // the user stops the run while stage 2 is being filled
  const char* namedFile;  // the file the message must begin with
  const char* reason;     // the system's reason the message must give
  int blocksKept;         // complete blocks of the working file: the header, then stages
  bool solveStatusKept;   // the older solve-status file is still there
};

void PrintTo(const PuzzleFileFault& fault, std::ostream* out) {
  *out << fault.point;
}

const PuzzleFileFault kPuzzleFileFaults[] = {
    {"HeaderWrite", {1, false, false}, false, "Puzset.$$$", kDiskFull, 0, true},
    {"Stage1Write", {2, false, false}, false, "Puzset.$$$", kDiskFull, 1, true},
    {"Stage2Write", {3, false, false}, false, "Puzset.$$$", kDiskFull, 2, true},
    {"Stage3Write", {4, false, false}, false, "Puzset.$$$", kDiskFull, 3, true},
    {"SolveStatusDelete", {0, false, true}, false, "grid.log", kInUse, 4, true},
    // The solve status goes first, so that no new puzzle meets an old status; a failed
    // rename leaves the older puzzle without its status.
    {"FinalRename", {0, true, false}, false, "grid.pzs", kInUse, 4, false},
    {"WorkFileDeleteOnStop", {0, false, true}, true, "Puzset.$$$", kInUse, 2, true},
};

class PuzzleFileFaults : public ::testing::TestWithParam<PuzzleFileFault> {
 protected:
  void TearDown() override { InjectFileFaults({}); }

  static void Prepare(GeneratorSetup& setup) {
    setup.WriteWords(EveryShortWord());
    setup.WriteGrids({{"...", ".#.", "..."}, {"....", "....", "....", "...."}});
    setup.Load();
    setup.generator.MakingNmbMax = kStages;
  }

  // The puzzle file a run without faults writes from the same start.
  static std::string CleanRunResult() {
    GeneratorSetup setup;
    Prepare(setup);
    EXPECT_EQ(setup.generator.RunGeneration(), RunOutcome::Completed);
    return ReadBytes(setup.generator.Output().PuzzleFile());
  }

  // The bytes of the first n blocks of a puzzle file: the header, then stage 1, 2, ...
  static size_t BlockBytes(const std::string& puzzle, int n) {
    if (n == 0) return 0;
    const size_t end = puzzle.find(";#" + std::to_string(n) + "\r\n");
    return end == std::string::npos ? puzzle.size() : end;
  }
};

TEST_P(PuzzleFileFaults, NameTheFileAndKeepTheOlderPuzzleAndEveryStageWritten) {
  const PuzzleFileFault& fault = GetParam();
  const std::string clean = CleanRunResult();
  GeneratorSetup setup;
  Prepare(setup);
  Generator& generator = setup.generator;
  CreateFileWith(generator.Output().PuzzleFile(), "older");
  CreateFileWith(generator.Output().LogFile(), "1");
  if (fault.stopInStage2) {
    setup.observer.onPump = [&] {
      if (setup.observer.stagesStarted.back() == 2) {
        generator.RequestStop();
      }
    };
  }
  InjectFileFaults(fault.plan);
  try {
    generator.RunGeneration();
    ADD_FAILURE() << "the run reported success";
  } catch (const FileError& error) {
    EXPECT_EQ(error.Path(), setup.folder / fault.namedFile);
    EXPECT_NE(std::string(error.what()).find(fault.reason), std::string::npos) << error.what();
  }
  InjectFileFaults({});

  EXPECT_EQ(ReadBytes(generator.Output().PuzzleFile()), "older");
  EXPECT_EQ(std::filesystem::exists(generator.Output().LogFile()), fault.solveStatusKept);
  const std::string work = ReadBytes(generator.Output().WorkFile());
  EXPECT_TRUE(clean.starts_with(work)) << "the working file holds what no clean run writes";
  EXPECT_GE(work.size(), BlockBytes(clean, fault.blocksKept));
}

INSTANTIATE_TEST_SUITE_P(EveryWritePoint, PuzzleFileFaults, ::testing::ValuesIn(kPuzzleFileFaults),
                         [](const auto& info) { return std::string(info.param.point); });

}  // namespace
}  // namespace crossword
