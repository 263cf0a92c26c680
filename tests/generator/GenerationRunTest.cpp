#include <gtest/gtest.h>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/TextFile.h"
#include "tests/generator/GeneratorTestKit.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::EveryShortWord;
using testing::GeneratorSetup;
using testing::kRing;
using testing::ReadBytes;

const std::vector<std::string> kExample = {"....#", ".#.#.", ".....", ".#.#.", "#...."};
const std::vector<std::string> kOpen4 = {"....", "....", "....", "...."};
// Its down slot has two letters, and no 2-letter word is selected.
const std::vector<std::string> kUnfillable = {"...", "#.#"};

class GenerationRun : public ::testing::Test {
 protected:
  void Load(const std::vector<std::vector<std::string>>& grids, int stages) {
    setup_.WriteWords(EveryShortWord());
    setup_.WriteGrids(grids);
    setup_.Load();
    generator_.MakingNmbMax = stages;
    generator_.RestartMax = 3;
    generator_.RetryMax = 5;
  }

  // The "rows,columns" line of every stage in the puzzle file.
  std::vector<std::u32string> StageSizes() const {
    const auto lines = ReadTextLines(generator_.Output().PuzzleFile());
    std::vector<std::u32string> sizes;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
      if (lines[i] == U";行数　文字幅") sizes.push_back(lines[i + 1]);
    }
    return sizes;
  }

  void WriteOlderPuzzleFile() { CreateFileWith(generator_.Output().PuzzleFile(), "older"); }

  GeneratorSetup setup_;
  Generator& generator_ = setup_.generator;
  const testing::RecordingObserver& observer_ = setup_.observer;
};

TEST_F(GenerationRun, StagesCycleThroughThePatterns) {
  Load({kRing, kOpen4, kExample}, 5);
  EXPECT_EQ(generator_.RunGeneration(), RunOutcome::Completed);
  EXPECT_EQ(StageSizes(), (std::vector<std::u32string>{U"3,3", U"4,4", U"5,5", U"3,3", U"4,4"}));
  EXPECT_FALSE(std::filesystem::exists(generator_.Output().WorkFile()));
}

// A run reads the grid file once; the next run sees what the designer changed meanwhile.
TEST_F(GenerationRun, EachRunReadsTheGridFileAsItIsThen) {
  Load({kRing}, 2);
  EXPECT_EQ(generator_.RunGeneration(), RunOutcome::Completed);
  setup_.WriteGrids({kExample});
  EXPECT_EQ(generator_.RunGeneration(), RunOutcome::Completed);
  EXPECT_EQ(StageSizes(), (std::vector<std::u32string>{U"5,5", U"5,5"}));
}

TEST_F(GenerationRun, AFailedPatternPassesTheStageToTheNextOne) {
  Load({kRing, kUnfillable, kExample}, 5);
  EXPECT_EQ(generator_.RunGeneration(), RunOutcome::Completed);
  EXPECT_EQ(StageSizes(), (std::vector<std::u32string>{U"3,3", U"5,5", U"3,3", U"5,5", U"3,3"}));
  EXPECT_EQ(observer_.stagesFinished, (std::vector<int>{1, 2, 3, 4, 5}));  // not the failures
}

TEST_F(GenerationRun, StageOneFailingOnItsLastPatternGivesUp) {
  Load({kUnfillable}, 3);
  generator_.RestartMax = 1;
  WriteOlderPuzzleFile();
  EXPECT_EQ(generator_.RunGeneration(), RunOutcome::GivenUp);
  // RestartMax 1: two attempts, then message 10; nothing written, the old file kept.
  EXPECT_EQ(observer_.attemptsStarted, (std::vector<int>{0, 1}));
  EXPECT_EQ(observer_.runsGivenUp, 1);
  EXPECT_EQ(
      observer_.messageTitles,
      std::vector<std::string>{"チェック：Lexset辞書の単語数　または　Gridwrightでのデザイン"});
  EXPECT_FALSE(std::filesystem::exists(generator_.Output().WorkFile()));
  EXPECT_EQ(ReadBytes(generator_.Output().PuzzleFile()), "older");
}

TEST_F(GenerationRun, AStrayStageMarkDoesNotKeepStageOneGoingForEver) {
  Load({kUnfillable, kUnfillable}, 1);
  AppendToFile(setup_.folder / "grid.gst", ";#5\r\n");
  ASSERT_EQ(generator_.LoadGridSettings(false), 1);
  EXPECT_EQ(generator_.Loaded().StagePatternNmbMax, 5);
  EXPECT_EQ(generator_.RunGeneration(), RunOutcome::GivenUp);
}

TEST_F(GenerationRun, StoppingDeletesTheWorkingFileAndKeepsTheOlderPuzzle) {
  Load({kRing}, 3);
  WriteOlderPuzzleFile();
  setup_.observer.onPump = [this] {
    if (observer_.stagesStarted.back() == 2) {
      ASSERT_TRUE(std::filesystem::exists(generator_.Output().WorkFile()));
      generator_.RequestStop();
    }
  };
  EXPECT_EQ(generator_.RunGeneration(), RunOutcome::Stopped);
  EXPECT_EQ(observer_.programEnds, 1);
  EXPECT_FALSE(std::filesystem::exists(generator_.Output().WorkFile()));
  EXPECT_EQ(ReadBytes(generator_.Output().PuzzleFile()), "older");
}

// No admissible first word at stage 2: message 101 ends the program, and the stage
// already written goes with the working file.
TEST_F(GenerationRun, NoAdmissibleWordEndsTheRunWithoutLeavingTheWorkingFile) {
  Load({kRing, {".."}}, 2);
  WriteOlderPuzzleFile();
  EXPECT_EQ(generator_.RunGeneration(), RunOutcome::ProgramEnded);
  EXPECT_EQ(observer_.messageTitles.back(), "着手不可能：該当する単語が皆無");
  EXPECT_EQ(observer_.programEnds, 1);
  EXPECT_FALSE(std::filesystem::exists(generator_.Output().WorkFile()));
  EXPECT_EQ(ReadBytes(generator_.Output().PuzzleFile()), "older");
}

TEST_F(GenerationRun, TheNewPuzzleReplacesTheOldOneAndItsSolveStatus) {
  Load({kRing}, 1);
  WriteOlderPuzzleFile();
  CreateFileWith(generator_.Output().LogFile(), "1");
  EXPECT_EQ(generator_.RunGeneration(), RunOutcome::Completed);
  EXPECT_FALSE(std::filesystem::exists(generator_.Output().LogFile()));
  EXPECT_NE(ReadBytes(generator_.Output().PuzzleFile()), "older");
  // Without a solve-status file none is made.
  EXPECT_EQ(generator_.RunGeneration(), RunOutcome::Completed);
  EXPECT_FALSE(std::filesystem::exists(generator_.Output().LogFile()));
}

TEST(GridSettingsLoading, ReportsWhatIsMissingBeforeAnyRun) {
  GeneratorSetup setup;
  setup.folder.Write("grid.gst", testing::Cp932Lines({";DicPath", "/", ";DicFileName", "dic.lxd",
                                                      ";", "0", ";", "0", ""}));
  setup.generator.MakeFile = "grid.gst";
  EXPECT_THROW(setup.generator.LoadGridSettings(false), FileError);  // no grid in it

  setup.WriteGrids({kRing});
  EXPECT_EQ(setup.generator.LoadGridSettings(false), 0);  // no dictionary
  EXPECT_EQ(setup.observer.messageTitles.front(), "チェック：辞書ファイルのフォルダ");
  EXPECT_EQ(setup.observer.programEnds, 1);
}

TEST(GridSettingsLoading, AMissingFolderFallsBackToTheDictionaryBesideTheGridFile) {
  GeneratorSetup setup;
  setup.WriteWords(EveryShortWord());
  setup.WriteGrids({kRing}, "C:\\Lexset\\");
  ASSERT_EQ(setup.generator.LoadGridSettings(false), 1);
  EXPECT_EQ(setup.generator.DicPath, setup.generator.MakeDir);
  EXPECT_EQ(setup.generator.Loaded().AnswerLang, AnswerJapanese);
}

// A grid file that cannot be used, or whose dictionary cannot, changes nothing: the
// earlier files and words stay in use and a run still works.
TEST(GridSettingsLoading, AFileThatCannotBeUsedLeavesTheEarlierOneInUse) {
  GeneratorSetup setup;
  setup.WriteWords(EveryShortWord());
  setup.WriteGrids({kRing});
  setup.Load();
  Generator& generator = setup.generator;
  const std::string dir = generator.MakeDir, dicPath = generator.DicPath;
  setup.folder.Write("broken.gst", testing::Cp932Lines({";DicPath", "/", ";DicFileName"}));
  setup.folder.Write("foreign.lxd", "not a database");
  setup.folder.Write("foreign.gst",
                     testing::Cp932Lines({";DicPath", dicPath, ";DicFileName", "foreign.lxd", ";",
                                          "0", ";", "0", ";#1", "1,1", "　", ";#2"}));
  for (const char* file : {"broken.gst", "foreign.gst"}) {
    EXPECT_THROW(generator.ChooseGridFile(setup.folder / file), FileError) << file;
    EXPECT_EQ(generator.MakeFile, "grid.gst");
    EXPECT_EQ(generator.MakeDir, dir);
    EXPECT_EQ(generator.DicFileName, "dic.lxd");
    EXPECT_EQ(generator.PlayFile, "grid.pzs");
    ASSERT_TRUE(generator.Loaded().DicDb.has_value());
  }
  generator.MakingNmbMax = 1;
  EXPECT_EQ(generator.RunGeneration(), RunOutcome::Completed);
}

TEST(GridSettingsLoading, ChosenFilesNameThePuzzleFile) {
  GeneratorSetup setup;
  setup.WriteWords(EveryShortWord());
  setup.WriteGrids({kRing});
  std::filesystem::create_directory(setup.folder / "other");
  std::filesystem::copy_file(setup.folder / "grid.gst", setup.folder / "other" / "abc.gst");
  Generator& generator = setup.generator;
  ASSERT_EQ(generator.ChooseGridFile(setup.folder / "other" / "abc.gst"), 1);
  EXPECT_EQ(generator.MakeDir, (setup.folder / "other").string() + "/");
  EXPECT_EQ(generator.PlayFile, "abc.pzs");
  EXPECT_EQ(generator.PlayDir, generator.MakeDir);
  EXPECT_EQ(setup.observer.messageTitles.back(), "ご注意：Puzsetファイルの変更");

  generator.ChoosePuzzleFile(setup.folder / "out.txt");
  EXPECT_EQ(generator.PlayFile, "out.pzs");
  EXPECT_EQ(generator.Output().LogFile(), setup.folder / "out.log");
  generator.PlayFile = "a.b.pzs";
  EXPECT_EQ(generator.Output().LogFile().filename(), "a.log");
  generator.PlayFile = "nodot";
  EXPECT_EQ(generator.Output().LogFile().filename(), "log");
}

}  // namespace
}  // namespace crossword
