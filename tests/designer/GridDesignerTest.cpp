#include <gtest/gtest.h>

#include <set>

#include "common/FileNames.h"
#include "designer/engine/GridDesigner.h"
#include "tests/designer/DesignerRecorder.h"
#include "tests/support/GridText.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::DesignerRecorder;
using testing::MarksFromRows;
using testing::TempFolder;

class GridDesignerTest : public ::testing::Test {
 protected:
  TempFolder folder;
  DesignerRecorder recorder;
  GridDesigner designer{recorder, folder.Path().string()};

  void MakeCustomGrid(int width, int height) {
    designer.MasSizePattern = MasSizePatternCustom;
    designer.MasSizeCustom = {width, height};
    designer.NewMasSize();
  }
  void TakeGrid(const std::vector<std::string>& rows) {
    const CrossMasMarks marks = MarksFromRows(rows);
    MakeCustomGrid(marks.MasMaxX(), marks.MasMaxY());
    designer.Grid().TakeLayout(marks, CountWords(marks));
    designer.Grid().ShowMasBar();
  }
};

TEST(DrawMasSize, EachSizePatternDrawsWidthAndHeightFromItsRange) {
  RandomSource random;
  const std::vector<std::set<int>> expected = {
      {5, 6, 7}, {7, 8, 9}, {9, 10, 11}, {5, 6, 7, 8, 9, 10, 11, 12}};
  for (int pattern = 1; pattern <= 4; ++pattern) {
    std::set<int> widths, heights;
    bool notSquare = false;
    for (int i = 0; i < 500; ++i) {
      const StageSize size = DrawMasSize(random, pattern, {});
      widths.insert(size.MasMaxX);
      heights.insert(size.MasMaxY);
      notSquare = notSquare || size.MasMaxX != size.MasMaxY;
    }
    EXPECT_EQ(widths, expected[pattern - 1]) << pattern;
    EXPECT_EQ(heights, expected[pattern - 1]) << pattern;
    EXPECT_TRUE(notSquare) << pattern;
  }
}

TEST(DrawMasSize, ATypedSizeIsTakenAsItStandsAndDrawsNothing) {
  RandomSource random, twin;
  EXPECT_EQ(ParseMasSize(" 12 "), 12);
  EXPECT_EQ(ParseMasSize("99"), 99);
  const StageSize size = DrawMasSize(random, MasSizePatternCustom, {4, 12});
  EXPECT_EQ(size.MasMaxX, 4);  // below 5 is allowed here
  EXPECT_EQ(size.MasMaxY, 12);
  EXPECT_EQ(random.Next(), twin.Next());
  for (const char* typed : {"", "abc", "0", "-3", "100", "9x", "9.5"}) {
    EXPECT_EQ(ParseMasSize(typed), std::nullopt) << typed;
    const TypedMasSize refused{ParseMasSize(typed), 9};
    EXPECT_THROW(DrawMasSize(random, MasSizePatternCustom, refused), MasSizeError) << typed;
    const TypedMasSize refusedHeight{9, ParseMasSize(typed)};
    EXPECT_THROW(DrawMasSize(random, MasSizePatternCustom, refusedHeight), MasSizeError) << typed;
  }
  EXPECT_THROW(DrawMasSize(random, 6, {}), MasSizeError);
}

TEST_F(GridDesignerTest, ARefusedSizeLeavesTheGridAsItWas) {
  MakeCustomGrid(6, 5);
  designer.MasSizeCustom = {6, std::nullopt};
  EXPECT_THROW(designer.NewMasSize(), MasSizeError);
  EXPECT_EQ(designer.Grid().MasMaxX(), 6);
  EXPECT_EQ(designer.Grid().MasMaxY(), 5);
}

TEST_F(GridDesignerTest, TheBoardWindowScrollsOnlyWhereTheGridIsLarger) {
  const std::vector<std::tuple<int, int, StageViewModel>> cases = {
      {12, 12, {2, 3, 1, 1, 3}}, {11, 10, {1, 1, 1, 1, 0}}, {13, 9, {3, 1, 1, 1, 1}},
      {5, 12, {1, 3, 1, 1, 2}},  {10, 9, {1, 1, 1, 1, 0}},
  };
  for (const auto& [width, height, view] : cases) {
    MakeCustomGrid(width, height);
    EXPECT_EQ(designer.Grid().View(), view) << width << " x " << height;
  }
}

TEST_F(GridDesignerTest, ToggleTwiceRestoresTheCellAndBothCounters) {
  MakeCustomGrid(5, 5);
  designer.ToggleCell(13);  // the centre
  EXPECT_EQ(designer.Grid().CrossMas()(3, 3), WallMark);
  EXPECT_EQ(recorder.walls, 1);
  EXPECT_EQ(recorder.slotCount, 12);  // row 3 and column 3 split in two
  EXPECT_EQ(recorder.board, designer.Grid().CrossMas());
  designer.ToggleCell(13);
  EXPECT_EQ(designer.Grid().CrossMas()(3, 3), BlankMark);
  EXPECT_EQ(recorder.walls, 0);
  EXPECT_EQ(recorder.slotCount, 10);
  designer.ToggleCell(7);  // labels run row by row: the second cell of row 2
  EXPECT_EQ(designer.Grid().CrossMas()(2, 2), WallMark);
  const CrossMasMarks before = designer.Grid().CrossMas();
  designer.ToggleCell(0);
  designer.ToggleCell(26);
  EXPECT_EQ(designer.Grid().CrossMas(), before);
}

TEST_F(GridDesignerTest, ClearingAGridReadFromAFileShowsNoWallsAndNoCount) {
  designer.Grid().TakeStage(MarksFromRows({"#.#.#", ".....", "#.#.#"}));
  designer.ClearMasBar();
  EXPECT_EQ(designer.Grid().CrossMas(), CrossMasMarks(5, 3, BlankMark));
  EXPECT_EQ(recorder.walls, 0);
  EXPECT_EQ(recorder.slotCount, std::nullopt);
  EXPECT_FALSE(designer.Grid().StageFromFile());
}

TEST_F(GridDesignerTest, LeavingPage2MakesAMissingOrTooSmallGridAndWarnsAbove400Cells) {
  EXPECT_TRUE(designer.GridIsReadyForWalls());  // no grid yet: one of the chosen pattern (中)
  for (int size : {designer.Grid().MasMaxX(), designer.Grid().MasMaxY()}) {
    EXPECT_GE(size, 7);
    EXPECT_LE(size, 9);
  }
  MakeCustomGrid(4, 9);
  designer.ToggleCell(1);
  EXPECT_TRUE(designer.GridIsReadyForWalls());
  EXPECT_EQ(CountWalls(designer.Grid().CrossMas()), 0);  // made anew, its walls lost
  EXPECT_EQ(designer.Grid().MasMaxX(), 4);
  MakeCustomGrid(20, 20);
  EXPECT_TRUE(designer.GridIsReadyForWalls());
  EXPECT_TRUE(recorder.messages.empty());
  MakeCustomGrid(20, 21);
  EXPECT_FALSE(designer.GridIsReadyForWalls());  // No is the default
  recorder.answers = {AnswerYes};
  EXPECT_TRUE(designer.GridIsReadyForWalls());
  EXPECT_EQ(recorder.messages, (std::vector<int>{21, 21}));
  EXPECT_EQ(recorder.shown.back().Lines[0], "マス目の総計が 420 になっています。");
}

TEST_F(GridDesignerTest, LeavingPage2RecountsAStageReadFromAFile) {
  designer.Grid().TakeStage(MarksFromRows({".....", ".#.#.", ".....", ".#.#.", "....."}));
  EXPECT_EQ(designer.Grid().WordCount().QuesNmbMax, 0);
  recorder.walls = recorder.slotCount = std::nullopt;
  designer.GridIsReadyForWalls();
  EXPECT_EQ(recorder.walls, 4);
  EXPECT_EQ(recorder.slotCount, 6);
  EXPECT_EQ(designer.Grid().WordCount().QuesNmbMax, 6);
}

TEST_F(GridDesignerTest, LeavingPage3WithoutWallsAsksAndThenCountsTheSlots) {
  MakeCustomGrid(9, 7);
  EXPECT_FALSE(designer.GridIsReadyToWrite());
  EXPECT_EQ(recorder.messages, (std::vector<int>{6}));
  recorder.answers = {AnswerYes};
  EXPECT_TRUE(designer.GridIsReadyToWrite());
  EXPECT_EQ(designer.Grid().WordCount().QuesNmbMax, 16);
  MakeCustomGrid(13, 5);
  recorder.answers = {AnswerYes};
  EXPECT_FALSE(designer.GridIsReadyToWrite());  // the 13-cell rows are longer than any word
  EXPECT_EQ(recorder.messages, (std::vector<int>{6, 6, 6, 7}));
  EXPECT_EQ(designer.Grid().WordCount().WordLenMax, 13);
}

TEST_F(GridDesignerTest, LeavingPage3WarnsOfWallsSideBySideThenOfCutOffCells) {
  TakeGrid({"##...", ".....", "....#", "...#."});
  EXPECT_FALSE(designer.GridIsReadyToWrite());
  EXPECT_EQ(recorder.messages, (std::vector<int>{1}));
  recorder.answers = {AnswerYes};
  EXPECT_FALSE(designer.GridIsReadyToWrite());  // then No to the cut-off cell
  EXPECT_EQ(recorder.messages, (std::vector<int>{1, 1, 2}));
  EXPECT_EQ(recorder.markedWhileAsking, (std::vector<MasPosition>{{5, 4}}));
  EXPECT_TRUE(recorder.marked.empty());  // the marks go when the box closes
  recorder.answers = {AnswerYes, AnswerYes};
  EXPECT_TRUE(designer.GridIsReadyToWrite());
}

TEST_F(GridDesignerTest, TwoCellSlotsAreWarnedOfLastAndOnlyWhenNotWanted) {
  TakeGrid({"..#..", ".....", "....."});
  EXPECT_TRUE(designer.GridIsReadyToWrite());
  designer.ShortestAnswer = ShortestAnswerEnglish;
  EXPECT_FALSE(designer.GridIsReadyToWrite());
  recorder.answers = {AnswerYes};
  EXPECT_TRUE(designer.GridIsReadyToWrite());
  EXPECT_EQ(recorder.messages, (std::vector<int>{3, 3}));

  recorder.messages.clear();
  TakeGrid({"##...", ".....", "....#", "...#."});  // column 5 holds a slot of two
  recorder.answers = {AnswerYes, AnswerYes};
  EXPECT_FALSE(designer.GridIsReadyToWrite());
  EXPECT_EQ(recorder.messages, (std::vector<int>{1, 2, 3}));
}

TEST_F(GridDesignerTest, ASlotOver12CellsCannotBeKeptEvenWithGoodWalls) {
  TakeGrid({"#............", ".............", "............."});
  EXPECT_FALSE(designer.GridIsReadyToWrite());
  EXPECT_EQ(recorder.messages, (std::vector<int>{7}));
}

TEST_F(GridDesignerTest, TheGridFileFollowsTheDictionaryButKeepsItsOwnExtension) {
  EXPECT_EQ(designer.Files.DicPath, AsFolder(folder.Path().string()));
  EXPECT_EQ(designer.Files.MakeFileName, "標準日本語辞書.gst");
  const auto counts = testing::WordsOfEveryLength(7);
  designer.ChooseDictionary((folder / "words/abc.lxd").string(), counts);
  EXPECT_EQ(designer.Files.DicFileName, "abc.lxd");
  EXPECT_EQ(designer.Files.DicPath, (folder / "words").string() + "/");
  EXPECT_EQ(designer.Files.MakeFileName, "abc.gst");
  EXPECT_EQ(designer.Files.MakeFileDir, designer.Files.DicPath);
  EXPECT_EQ(designer.Files.DicWordNmb, counts);
  EXPECT_EQ(recorder.messages, (std::vector<int>{11}));
  EXPECT_EQ(recorder.shown[0].Lines[1], "マス設定ファイル名(abc.gst)も変更されました。");
  EXPECT_EQ(recorder.gridFileName, "abc.gst");
  designer.ChooseMakeFile((folder / "out/grid1.txt").string());
  EXPECT_EQ(designer.Files.MakeFileName, "grid1.gst");
  EXPECT_EQ(designer.Files.MakeFileDir, (folder / "out").string() + "/");
  EXPECT_EQ(recorder.gridFileFolder, designer.Files.MakeFileDir);
}

TEST_F(GridDesignerTest, TheFileToWriteIsOfferedForReadingOnlyWhenItExists) {
  designer.Reader().PresetReadFile();
  EXPECT_EQ(designer.Reader().ReadFile().ReadFileName, "(未)?.gst");
  folder.Write("標準日本語辞書.gst", "");
  designer.Reader().PresetReadFile();
  EXPECT_EQ(designer.Reader().ReadFile().ReadFileName, "標準日本語辞書.gst");
  EXPECT_EQ(designer.Reader().ReadFile().ReadFileDir, designer.Files.MakeFileDir);
}

TEST(CheckHDD, AWritableFolderPassesAndKeepsNoProbe) {
  TempFolder folder;
  const std::string path = AsFolder(folder.Path().string());
  EXPECT_EQ(CheckHDD(path), 1);
  EXPECT_FALSE(std::filesystem::exists(path + "dummy.$$$"));
  EXPECT_EQ(CheckHDD(path + "missing/"), 0);
}

class StageReadingTest : public GridDesignerTest {
 protected:
  std::string WriteStages(const std::vector<std::vector<std::string>>& stages) {
    const auto path = folder / "three.gst";
    GridSettingsWriter writer(path);
    writer.WriteGridHeader({"/d/", "d.lxd", 0, 0});
    for (size_t i = 0; i < stages.size(); ++i) {
      writer.WriteGridStage(static_cast<int>(i) + 1, MarksFromRows(stages[i]));
    }
    writer.Commit();
    return path.string();
  }
};

TEST_F(StageReadingTest, AFileOfThreeStagesShowsTheFirstAndBrowsesTheOthers) {
  const std::string path =
      WriteStages({{".....", ".#.#.", "....."}, {"....", "...."}, {"..ア..", "#...#", "....."}});
  designer.Reader().ChooseReadFile(path);
  EXPECT_EQ(recorder.stage, 1);
  EXPECT_EQ(recorder.stageCount, 3);
  EXPECT_EQ(designer.Grid().CrossMas(), MarksFromRows({".....", ".#.#.", "....."}));
  EXPECT_TRUE(recorder.gridFromFile);
  EXPECT_TRUE(designer.Grid().StageFromFile());
  const int boards = recorder.gridsMade;
  designer.Reader().ChangeStage(1);
  EXPECT_EQ(recorder.gridsMade, boards);  // the stage shown is not read again
  designer.Reader().ChangeStage(3);
  EXPECT_EQ(designer.Grid().CrossMas(),
            MarksFromRows({".....", "#...#", "....."}));  // letter opened
  EXPECT_EQ(recorder.width, 5);
  EXPECT_EQ(recorder.stage, 3);
}

TEST_F(StageReadingTest, AFileWithoutStagesIsNamedAndLeavesTheGridShown) {
  MakeCustomGrid(6, 6);
  const auto path = folder.Write("empty.gst", testing::Cp932Lines({";DicPath", "/d/"}));
  designer.Reader().ChooseReadFile(path.string());
  EXPECT_EQ(recorder.messages, (std::vector<int>{4}));
  EXPECT_EQ(recorder.shown[0].Lines[0],
            "このマス設定ファイル(empty.gst)ではクロスワードが作れません。");
  EXPECT_EQ(designer.Reader().ReadFile().ReadFileName, "不明(*.gst)");
  EXPECT_EQ(designer.Grid().MasMaxX(), 6);
}

// Lines before a stage mark are skipped unread, whatever bytes they hold.
TEST_F(StageReadingTest, BytesOutsideTheCodePageMatterOnlyInLinesRead) {
  const std::string bad = "\x81\x20";  // a lead byte without its trail byte
  const std::string stage = testing::Cp932Lines({";MasMaxX,MasMaxY", "2,1", ";CrossMas", "■　"});
  const auto path = folder.Write("skipped.gst", testing::Cp932Lines({";DicPath"}) + "/d" + bad +
                                                    "/\r\n;#1\r\n" + stage + ";QuesNmbMax" + bad +
                                                    "\r\n;#2\r\n;MasMaxX,MasMaxY\r\n2,1\r\n;C\r\n" +
                                                    bad + "\r\n");
  designer.Reader().ChooseReadFile(path.string());
  EXPECT_TRUE(recorder.messages.empty());
  EXPECT_EQ(recorder.stageCount, 2);
  EXPECT_EQ(designer.Grid().CrossMas(), MarksFromRows({"#."}));
  // Stage 2's row cannot be read: message 4, and the stage shown stays with its number.
  designer.Reader().ChangeStage(2);
  EXPECT_EQ(recorder.messages, (std::vector<int>{4}));
  EXPECT_EQ(designer.Reader().ReadFile().CrossStageNmb, 1);
  EXPECT_EQ(recorder.stage, 1);
  EXPECT_EQ(designer.Grid().CrossMas(), MarksFromRows({"#."}));
  EXPECT_EQ(designer.Reader().ReadFile().ReadFileName, "skipped.gst");
}

// A file that cannot be read, or whose first stage cannot, is message 4 and "不明(*.gst)";
// the stage shown, its number and the count stay those of the file read before.
TEST_F(StageReadingTest, AFileThatCannotBeReadChangesNothingShown) {
  designer.Reader().ChooseReadFile(WriteStages({{"....", "...."}, {"....."}}));
  const std::vector<std::pair<std::string, std::string>> files = {
      {"size.gst", testing::Cp932Lines({";#1", ";MasMaxX,MasMaxY", "5,x"})},
      {"cut.gst", testing::Cp932Lines({";#1", ";MasMaxX,MasMaxY", "2,2", ";CrossMas", "　　"})},
      {"row.gst", testing::Cp932Lines({";#1", ";MasMaxX,MasMaxY", "2,1", ";C"}) + "\x81\x20\r\n"},
      {"utf8.gst", ";#1\r\n;MasMaxX,MasMaxY\r\n2,1\r\n;C\r\n\xE2\x96\xA0.\r\n"},
      {"missing.gst", ""},
  };
  for (const auto& [name, bytes] : files) {
    SCOPED_TRACE(name);
    recorder.messages.clear();
    const auto path = name == "missing.gst" ? folder / name : folder.Write(name, bytes);
    designer.Reader().ChooseReadFile(path.string());
    EXPECT_EQ(recorder.messages, (std::vector<int>{4}));
    EXPECT_EQ(recorder.shown.back().Lines[0],
              "このマス設定ファイル(" + name + ")ではクロスワードが作れません。");
    EXPECT_EQ(designer.Reader().ReadFile().ReadFileName, "不明(*.gst)");
    EXPECT_EQ(designer.Grid().CrossMas(), MarksFromRows({"....", "...."}));
    EXPECT_EQ(designer.Reader().ReadFile().CrossStageNmbMax, 2);
    EXPECT_EQ(recorder.stageCount, 2);
    EXPECT_EQ(recorder.stage, 1);
    EXPECT_EQ(recorder.width, 4);
  }
}

}  // namespace
}  // namespace crossword
