#include <gtest/gtest.h>

#include "common/FileError.h"
#include "common/GridSettingsFile.h"
#include "designer/engine/MakeFileRun.h"
#include "tests/designer/DesignerRecorder.h"
#include "tests/support/GridText.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::DesignerRecorder;
using testing::TempFolder;
using testing::WordsOfEveryLength;

class MakeFileRunTest : public ::testing::Test {
 protected:
  TempFolder folder;
  DesignerRecorder recorder;
  RandomSource random;
  DesignerFiles files{"words.lxd", folder.Path().string() + "/", "words.gst",
                      folder.Path().string() + "/", WordsOfEveryLength(5000)};
  EditedGrid grid{recorder};
  WallPlacement placement{random, files.DicWordNmb, recorder};
  MakeFileRun run{files, grid, placement, random, recorder};

  std::filesystem::path GridFile() const { return files.MakeFileDir + files.MakeFileName; }
  void AskStages(int count) {
    run.Auto.MakeStageNmbAuto = 4;
    run.Auto.CrossStageNmbAuto = count;
  }
  std::vector<CrossGrid> ReadBack() const {
    std::vector<CrossGrid> stages;
    const GridSettingsFile file(GridFile());
    for (int n = 1; n <= file.CountStages(); ++n) {
      stages.push_back(file.LoadStagePattern(n));
    }
    return stages;
  }
  // Placement runs from the moment the run shows stage 2 on.
  int RunsFromStage2WithoutWords() {
    int runsBefore = -1;
    recorder.onStageStarted = [&](int stage) {
      if (stage != 2) return;
      runsBefore = recorder.placementRuns;
      files.DicWordNmb = WordCounts{};
    };
    EXPECT_EQ(run.RunMakeFile(), 0);
    return recorder.placementRuns - runsBefore;
  }
};

TEST_F(MakeFileRunTest, TheDefaultsMakeTwentySmallStagesThatPassEveryCheck) {
  ASSERT_EQ(run.RunMakeFile(), 1);
  EXPECT_EQ(recorder.fullAutoStages, 20);
  EXPECT_EQ(recorder.stageStarted, 20);
  EXPECT_FALSE(recorder.fullAutoRunning);
  EXPECT_EQ(recorder.progress, (std::vector<std::pair<LongWork, bool>>{
                                   {LongWork::MakeFile, true}, {LongWork::MakeFile, false}}));
  EXPECT_EQ(GridSettingsFile(GridFile()).ReadMasSizePattern(), 1);
  EXPECT_EQ(GridSettingsFile(GridFile()).ReadDicLocation().DicFileName, "words.lxd");
  const auto stages = ReadBack();
  ASSERT_EQ(stages.size(), 20u);
  for (size_t i = 0; i < stages.size(); ++i) {
    const CrossMasMarks& marks = stages[i].CrossMas;
    SCOPED_TRACE("stage " + std::to_string(i + 1));
    EXPECT_GE(marks.MasMaxX(), 5);
    EXPECT_LE(marks.MasMaxX(), 7);
    EXPECT_GE(marks.MasMaxY(), 5);
    EXPECT_LE(marks.MasMaxY(), 7);
    EXPECT_FALSE(FindBarPair(marks));
    EXPECT_FALSE(FindIsolated(marks));
    EXPECT_EQ(stages[i].CrossWord, NumberWordSlots(marks));
  }
}

TEST_F(MakeFileRunTest, WithBothBoxesClearOneGridIsWrittenAsEveryStage) {
  AskStages(10);
  run.Auto.ResetMasSize = false;
  run.Auto.ResetMasBarPattern = false;
  ASSERT_EQ(run.RunMakeFile(), 1);
  const auto stages = ReadBack();
  ASSERT_EQ(stages.size(), 10u);
  for (const CrossGrid& stage : stages) EXPECT_EQ(stage.CrossMas, stages[0].CrossMas);
  EXPECT_EQ(recorder.placementRuns, 1);
}

TEST_F(MakeFileRunTest, ANewSizeForEveryStageBringsNewWallsWithIt) {
  AskStages(5);
  run.Auto.ResetMasBarPattern = false;
  ASSERT_EQ(run.RunMakeFile(), 1);
  EXPECT_TRUE(run.Auto.ResetMasBarPattern);
  EXPECT_EQ(recorder.placementRuns, 5);
}

TEST_F(MakeFileRunTest, TheFirstStageHasAsManyRunsAsStagesAndAFailureWritesNothing) {
  files.DicWordNmb = WordCounts{};
  const auto older = folder.Write("words.gst", "older grid file");
  AskStages(3);
  EXPECT_EQ(run.RunMakeFile(), 0);
  EXPECT_EQ(recorder.placementRuns, 3);
  EXPECT_EQ(testing::ReadBytes(older), "older grid file");
  EXPECT_FALSE(recorder.fullAutoRunning);
  run.Auto.MakeStageNmbAuto = 1;
  recorder.placementRuns = 0;
  EXPECT_EQ(run.RunMakeFile(), 0);
  EXPECT_EQ(recorder.placementRuns, 1);  // a single stage has no retry
  EXPECT_EQ(testing::ReadBytes(older), "older grid file");
}

TEST_F(MakeFileRunTest, LaterStagesHaveOneRunFewerAndTheStagesMadeStay) {
  AskStages(5);
  EXPECT_EQ(RunsFromStage2WithoutWords(), 4);
  EXPECT_EQ(GridSettingsFile(GridFile()).CountStages(), 1);
}

// A stop arrives while a stage's layout is made: the stages before it are whole and kept
// under the file's name; before the first one the older file stays. A part left by a
// killed run is never read into the file and never left behind.
TEST_F(MakeFileRunTest, AStoppedRunKeepsItsFinishedStages) {
  const std::filesystem::path part = GridFile().string() + ".part";
  for (const int stoppedAt : {1, 2, 4}) {
    SCOPED_TRACE("stopped while making stage " + std::to_string(stoppedAt));
    const auto older = folder.Write("words.gst", "older grid file");
    folder.Write("words.gst.part", "left by a killed run\r\n");
    AskStages(5);
    recorder.onPump = [&] {
      if (recorder.stageStarted == stoppedAt) throw RunStopped();
    };
    EXPECT_THROW(run.RunMakeFile(), RunStopped);
    EXPECT_FALSE(std::filesystem::exists(part));
    EXPECT_FALSE(recorder.fullAutoRunning);
    if (stoppedAt == 1) {
      EXPECT_EQ(testing::ReadBytes(older), "older grid file");
      continue;
    }
    const auto stages = ReadBack();
    EXPECT_EQ(stages.size(), static_cast<size_t>(stoppedAt - 1));
    EXPECT_EQ(GridSettingsFile(GridFile()).ReadStageCount(), stoppedAt - 1);
    EXPECT_EQ(GridSettingsFile(GridFile()).ReadMasSizePattern(), 1);
    EXPECT_EQ(testing::ReadBytes(GridFile()).find("killed"), std::string::npos);
  }
}

TEST_F(MakeFileRunTest, KeptWallsAreNeverRetried) {
  AskStages(5);
  run.Auto.ResetMasSize = false;
  run.Auto.ResetMasBarPattern = false;
  files.DicWordNmb = WordCounts{};
  EXPECT_EQ(run.RunMakeFile(), 0);
  EXPECT_EQ(recorder.placementRuns, 1);
}

TEST_F(MakeFileRunTest, TheHeaderNamesTheAutoSizePatternOnlyInTheFullAutoMode) {
  run.Auto.MasSizePatternAuto = 4;
  run.Auto.MakeStageNmbAuto = 1;
  ASSERT_EQ(run.RunMakeFile(), 1);
  EXPECT_EQ(GridSettingsFile(GridFile()).ReadMasSizePattern(), 4);
  run.MakeMode = MakeModeCustom;
  const CrossMasMarks marks = testing::MarksFromRows({"....#", ".#.#.", ".....", ".#.#.", "#...."});
  grid.TakeLayout(marks, CountWords(marks));
  ASSERT_EQ(run.RunMakeFile(), 1);
  EXPECT_EQ(GridSettingsFile(GridFile()).ReadMasSizePattern(), 0);
  const auto stages = ReadBack();
  ASSERT_EQ(stages.size(), 1u);
  EXPECT_EQ(stages[0].CrossMas, marks);
  EXPECT_EQ(stages[0].CrossWord.size(), 6u);
}

TEST_F(MakeFileRunTest, ACustomStageCountAndItsReset) {
  AskStages(37);
  ASSERT_EQ(run.RunMakeFile(), 1);
  EXPECT_EQ(GridSettingsFile(GridFile()).CountStages(), 37);
  run.Auto.InitAuto(2);
  EXPECT_EQ(run.Auto.CrossStageNmbAuto, 25);
  EXPECT_EQ(run.Auto.StageNmbAuto(), 20);
  run.Auto.MasSizePatternAuto = 5;
  run.Auto.ResetMasSize = false;
  run.Auto.ShortestAnswerAuto = ShortestAnswerEnglish;
  run.Auto.InitAuto(2);
  EXPECT_EQ(run.Auto.ShortestAnswerAuto, ShortestAnswerEnglish);  // the first page's
  run.Auto.InitAuto(1);
  EXPECT_EQ(run.Auto.MasSizePatternAuto, 1);
  EXPECT_TRUE(run.Auto.ResetMasSize);
  EXPECT_EQ(run.Auto.ShortestAnswerAuto, AnswerLenMin);
}

TEST_F(MakeFileRunTest, EnglishStagesHaveNoSlotOfTwoCells) {
  run.Auto.MasSizePatternAuto = 2;
  run.Auto.ShortestAnswerAuto = ShortestAnswerEnglish;
  ASSERT_EQ(run.RunMakeFile(), 1);
  const auto stages = ReadBack();
  ASSERT_EQ(stages.size(), 20u);
  for (const CrossGrid& stage : stages) {
    EXPECT_FALSE(FindShortSlot(stage.CrossMas, ShortestAnswerEnglish));
    EXPECT_FALSE(FindIsolated(stage.CrossMas));
  }
}

TEST_F(MakeFileRunTest, AFolderThatCannotBeWrittenIsAnErrorAndTheRunStopsShowing) {
  files.MakeFileDir = (folder / "missing").string() + "/";
  EXPECT_THROW(run.RunMakeFile(), FileError);
  EXPECT_FALSE(recorder.fullAutoRunning);
  EXPECT_EQ(recorder.progress.back(), (std::pair<LongWork, bool>{LongWork::MakeFile, false}));
}

}  // namespace
}  // namespace crossword
