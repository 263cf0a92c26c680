#include <gtest/gtest.h>

#include "common/FileError.h"
#include "common/FileOps.h"
#include "common/GridSettingsFile.h"
#include "common/WordSlots.h"
#include "tests/support/GridText.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::MarksFromRows;
using testing::ReadBytes;
using testing::TempFolder;
using testing::TestData;

const GridHeader kCustomHeader{"/home/author/crosswords/", "標準日本語辞書.lxd", 0, 0};

CrossMasMarks ExampleGrid() {
  return MarksFromRows({"....#", ".#.#.", ".....", ".#.#.", "#...."});
}

TEST(GridSettingsWriter, ReproducesTheFiveByFiveExampleByteForByte) {
  TempFolder folder;
  const auto path = folder / "example.gst";
  GridSettingsWriter writer(path);
  writer.WriteGridHeader(kCustomHeader);
  writer.WriteGridStage(1, ExampleGrid());
  writer.Commit();
  EXPECT_EQ(ReadBytes(path), ReadBytes(TestData("example5x5.gst")));
}

TEST(GridSettingsWriter, HeaderCarriesTheSizePatternAndTheEmbeddedFlag) {
  GridHeader header = kCustomHeader;
  header.MasSizePattern = 4;
  header.EmbedChrFlag = 1;
  const auto lines = GridHeaderLines(header);
  ASSERT_EQ(lines.size(), 9u);
  EXPECT_EQ(lines[5], U"1");
  EXPECT_EQ(lines[7], U"4");
  EXPECT_EQ(lines[8], U"");
}

TEST(GridSettingsWriter, SlotLinesUseThePrintFormWithTwoDigitNumbers) {
  CrossMasMarks marks(12, 12, WallMark);
  for (int y = 1; y <= 12; ++y) marks(10, y) = BlankMark;
  const auto lines = GridStageLines(27, {marks, NumberWordSlots(marks)});
  EXPECT_EQ(lines.front(), U";#27");
  EXPECT_EQ(lines[2], U"12,12");
  EXPECT_EQ(lines[lines.size() - 2], U" 2 , 10 , 1 , 12 ");
  EXPECT_EQ(lines.back(), U"");
}

TEST(GridSettingsWriter, WritesSeveralStagesInOrderAndRefusesAGap) {
  TempFolder folder;
  GridSettingsWriter writer(folder / "three.gst");
  writer.WriteGridHeader(kCustomHeader);
  writer.WriteGridStage(1, ExampleGrid());
  EXPECT_THROW(writer.WriteGridStage(3, ExampleGrid()), std::logic_error);
  writer.WriteGridStage(2, ExampleGrid());
  writer.Commit();
  EXPECT_EQ(GridSettingsFile(folder / "three.gst").CountStages(), 2);
}

TEST(GridSettingsWriter, RefusesASlotLongerThanTwelve) {
  TempFolder folder;
  GridSettingsWriter writer(folder / "wide.gst");
  writer.WriteGridHeader(kCustomHeader);
  EXPECT_THROW(writer.WriteGridStage(1, CrossMasMarks(13, 2, BlankMark)), std::invalid_argument);
}

TEST(GridSettingsWriter, AFailedWriteLeavesTheOlderFileAndNoHalfFile) {
  TempFolder folder;
  const auto path = folder.Write("grid.gst", "older grid");
  {
    GridSettingsWriter writer(path);
    writer.WriteGridHeader(kCustomHeader);
    auto marks = ExampleGrid();
    marks(2, 1) = U'€';  // code page 932 has no euro sign
    EXPECT_THROW(writer.WriteGridStage(1, marks), FileError);
  }
  EXPECT_EQ(ReadBytes(path), "older grid");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(GridSettingsWriter, WrittenFileReadsBackTheSameThroughEveryReader) {
  TempFolder folder;
  const auto path = folder / "round.gst";
  const auto first = MarksFromRows({"ア...#", ".#.#.", ".....", ".#.#.", "#...イ"});
  const auto second = MarksFromRows({"......", ".#..#.", "......"});
  GridHeader header = kCustomHeader;
  header.EmbedChrFlag = EmbedChrFlagOf(first);
  header.MasSizePattern = 2;
  GridSettingsWriter writer(path);
  writer.WriteGridHeader(header);
  const auto firstSlots = writer.WriteGridStage(1, first);
  const auto secondSlots = writer.WriteGridStage(2, second);
  writer.Commit();

  const GridSettingsFile file(path);
  EXPECT_EQ(file.ReadStageCount(), 2);
  EXPECT_EQ(file.CountStages(), 2);
  const DicLocation location = file.ReadDicLocation();
  EXPECT_EQ(location.DicPath, header.DicPath);
  EXPECT_EQ(location.DicFileName, header.DicFileName);
  EXPECT_EQ(file.ReadEmbedChrFlag(), 1);
  EXPECT_EQ(file.ReadMasSizePattern(), 2);

  const CrossGrid loaded = file.LoadStagePattern(1);
  EXPECT_EQ(loaded.CrossMas, first);
  EXPECT_EQ(loaded.CrossWord, firstSlots);
  EXPECT_EQ(file.LoadStagePattern(2).CrossWord, secondSlots);
  EXPECT_EQ(file.ReadStageCells(2), second);
}

}  // namespace
}  // namespace crossword

namespace crossword {
namespace {

class GridSettingsWriterFaults : public ::testing::Test {
 protected:
  void TearDown() override { InjectFileFaults({}); }

  // Writes a header and three stages; true when the file was committed.
  bool WriteThreeStages(const std::filesystem::path& path) {
    GridSettingsWriter writer(path);
    try {
      writer.WriteGridHeader(kCustomHeader);
      for (int n = 1; n <= 3; ++n) writer.WriteGridStage(n, ExampleGrid());
      writer.Commit();
      return true;
    } catch (const FileError& error) {
      message_ = error.what();
      failedFile_ = error.Path();
      return false;
    }
  }

  std::string message_;
  std::filesystem::path failedFile_;
};

struct GridSettingsFault {
  const char* point;
  FileFaultPlan plan;
  const char* namedFile;  // the file the message must begin with
};

void PrintTo(const GridSettingsFault& fault, std::ostream* out) {
  *out << fault.point;
}

const GridSettingsFault kGridSettingsFaults[] = {
    {"HeaderWrite", {1, false, false}, "grid.gst.part"},
    {"Stage1Write", {2, false, false}, "grid.gst.part"},
    {"Stage2Write", {3, false, false}, "grid.gst.part"},
    {"Stage3Write", {4, false, false}, "grid.gst.part"},
    {"FinalRename", {0, true, false}, "grid.gst"},
};

class GridSettingsFaultPoint : public GridSettingsWriterFaults,
                               public ::testing::WithParamInterface<GridSettingsFault> {};

TEST_P(GridSettingsFaultPoint, NamesTheFileAndLeavesOnlyTheOlderFile) {
  TempFolder folder;
  const auto path = folder.Write("grid.gst", "older grid");
  InjectFileFaults(GetParam().plan);
  EXPECT_FALSE(WriteThreeStages(path));
  EXPECT_EQ(failedFile_, folder / GetParam().namedFile) << message_;
  EXPECT_EQ(ReadBytes(path), "older grid");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryWritePoint, GridSettingsFaultPoint,
                         ::testing::ValuesIn(kGridSettingsFaults),
                         [](const auto& info) { return std::string(info.param.point); });

TEST_F(GridSettingsWriterFaults, AFailureBeforeTheFirstFileLeavesNoFileAtAll) {
  TempFolder folder;
  InjectFileFaults({2, false, false});
  EXPECT_FALSE(WriteThreeStages(folder / "new.gst"));
  EXPECT_NE(message_.find("No space left"), std::string::npos) << message_;
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

}  // namespace
}  // namespace crossword
