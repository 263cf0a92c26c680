#include <gtest/gtest.h>

#include "common/FileError.h"
#include "common/GridSettingsFile.h"
#include "designer/engine/GridDesigner.h"
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
  GridDesigner designer{recorder, folder.Path().string()};

  MakeFileRunTest() {
    designer.UseDictionary((folder / "words.lxd").string(), WordsOfEveryLength(5000));
  }
  std::filesystem::path GridFile() const { return designer.MakeFileDir + designer.MakeFileName; }
  void AskStages(int count) {
    designer.Auto.MakeStageNmbAuto = 4;
    designer.Auto.CrossStageNmbAuto = count;
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
    recorder.onCaption = [&](DesignerLabel label, const std::string& caption) {
      if (label != DesignerLabel::lblNowMakingStageNmbAuto || caption != "2") return;
      runsBefore = recorder.placementRuns;
      designer.DicWordNmb = WordCounts{};
    };
    EXPECT_EQ(designer.RunMakeFile(), 0);
    return recorder.placementRuns - runsBefore;
  }
};

TEST_F(MakeFileRunTest, TheDefaultsMakeTwentySmallStagesThatPassEveryCheck) {
  ASSERT_EQ(designer.RunMakeFile(), 1);
  EXPECT_EQ(recorder.Caption(DesignerLabel::lblInfoNowMakingStage), "作成総数　# 20");
  EXPECT_EQ(recorder.Caption(DesignerLabel::lblNowMakingStageNmbAuto), "20");
  EXPECT_FALSE(recorder.stageLabels);
  EXPECT_EQ(recorder.progress, (std::vector<std::pair<int, bool>>{{4, true}, {4, false}}));
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
  designer.Auto.ResetMasSize = false;
  designer.Auto.ResetMasBarPattern = false;
  ASSERT_EQ(designer.RunMakeFile(), 1);
  const auto stages = ReadBack();
  ASSERT_EQ(stages.size(), 10u);
  for (const CrossGrid& stage : stages) EXPECT_EQ(stage.CrossMas, stages[0].CrossMas);
  EXPECT_EQ(recorder.placementRuns, 1);
}

TEST_F(MakeFileRunTest, ANewSizeForEveryStageBringsNewWallsWithIt) {
  AskStages(5);
  designer.Auto.ResetMasBarPattern = false;
  ASSERT_EQ(designer.RunMakeFile(), 1);
  EXPECT_TRUE(designer.Auto.ResetMasBarPattern);
  EXPECT_EQ(recorder.placementRuns, 5);
}

TEST_F(MakeFileRunTest, TheFirstStageHasAsManyRunsAsStagesAndAFailureWritesNothing) {
  designer.DicWordNmb = WordCounts{};
  const auto older = folder.Write("words.gst", "older grid file");
  AskStages(3);
  EXPECT_EQ(designer.RunMakeFile(), 0);
  EXPECT_EQ(recorder.placementRuns, 3);
  EXPECT_EQ(testing::ReadBytes(older), "older grid file");
  EXPECT_FALSE(recorder.stageLabels);
  designer.Auto.MakeStageNmbAuto = 1;
  recorder.placementRuns = 0;
  EXPECT_EQ(designer.RunMakeFile(), 0);
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
      if (recorder.Caption(DesignerLabel::lblNowMakingStageNmbAuto) == std::to_string(stoppedAt))
        throw RunStopped();
    };
    EXPECT_THROW(designer.RunMakeFile(), RunStopped);
    EXPECT_FALSE(std::filesystem::exists(part));
    EXPECT_FALSE(recorder.stageLabels);
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
  designer.Auto.ResetMasSize = false;
  designer.Auto.ResetMasBarPattern = false;
  designer.DicWordNmb = WordCounts{};
  EXPECT_EQ(designer.RunMakeFile(), 0);
  EXPECT_EQ(recorder.placementRuns, 1);
}

TEST_F(MakeFileRunTest, TheHeaderNamesTheAutoSizePatternOnlyInTheFullAutoMode) {
  designer.Auto.MasSizePatternAuto = 4;
  designer.Auto.MakeStageNmbAuto = 1;
  ASSERT_EQ(designer.RunMakeFile(), 1);
  EXPECT_EQ(GridSettingsFile(GridFile()).ReadMasSizePattern(), 4);
  designer.MakeMode = MakeModeCustom;
  designer.CrossMas = testing::MarksFromRows({"....#", ".#.#.", ".....", ".#.#.", "#...."});
  ASSERT_EQ(designer.RunMakeFile(), 1);
  EXPECT_EQ(GridSettingsFile(GridFile()).ReadMasSizePattern(), 0);
  const auto stages = ReadBack();
  ASSERT_EQ(stages.size(), 1u);
  EXPECT_EQ(stages[0].CrossMas, designer.CrossMas);
  EXPECT_EQ(stages[0].CrossWord.size(), 6u);
}

TEST_F(MakeFileRunTest, ACustomStageCountAndItsReset) {
  AskStages(37);
  ASSERT_EQ(designer.RunMakeFile(), 1);
  EXPECT_EQ(GridSettingsFile(GridFile()).CountStages(), 37);
  designer.Auto.InitAuto(2);
  EXPECT_EQ(designer.Auto.CrossStageNmbAuto, 25);
  EXPECT_EQ(designer.Auto.StageNmbAuto(), 20);
  designer.Auto.MasSizePatternAuto = 5;
  designer.Auto.ResetMasSize = false;
  designer.Auto.ShortestAnswerAuto = ShortestAnswerEnglish;
  designer.Auto.InitAuto(2);
  EXPECT_EQ(designer.Auto.ShortestAnswerAuto, ShortestAnswerEnglish);  // the first page's
  designer.Auto.InitAuto(1);
  EXPECT_EQ(designer.Auto.MasSizePatternAuto, 1);
  EXPECT_TRUE(designer.Auto.ResetMasSize);
  EXPECT_EQ(designer.Auto.ShortestAnswerAuto, AnswerLenMin);
}

TEST_F(MakeFileRunTest, EnglishStagesHaveNoSlotOfTwoCells) {
  designer.Auto.MasSizePatternAuto = 2;
  designer.Auto.ShortestAnswerAuto = ShortestAnswerEnglish;
  ASSERT_EQ(designer.RunMakeFile(), 1);
  const auto stages = ReadBack();
  ASSERT_EQ(stages.size(), 20u);
  for (const CrossGrid& stage : stages) {
    EXPECT_FALSE(FindShortSlot(stage.CrossMas, ShortestAnswerEnglish));
    EXPECT_FALSE(FindIsolated(stage.CrossMas));
  }
}

TEST_F(MakeFileRunTest, AFolderThatCannotBeWrittenIsAnErrorAndTheRunStopsShowing) {
  designer.MakeFileDir = (folder / "missing").string() + "/";
  EXPECT_THROW(designer.RunMakeFile(), FileError);
  EXPECT_FALSE(recorder.stageLabels);
  EXPECT_EQ(recorder.progress.back(), (std::pair<int, bool>{4, false}));
}

}  // namespace
}  // namespace crossword
