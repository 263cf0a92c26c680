#include <gtest/gtest.h>

#include "common/FileError.h"
#include "common/GridSettingsFile.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::Cp932Lines;
using testing::ReadBytes;
using testing::TempFolder;
using testing::TestData;

const std::string kHeader = Cp932Lines({";DicPath", "/dic/", ";DicFileName", "標準日本語辞書.lxd",
                                        ";埋め込み文字", "1", ";マス目数", "3", ""});

// A 3 x 3 stage with one wall in the middle and four slots.
std::string Stage(const std::string& mark, const std::string& firstRow = "　　　") {
  return Cp932Lines({mark, ";MasMaxX,MasMaxY", "3,3", ";CrossMas(*,*).DispWChr", firstRow, "　■　",
                     "　　　", ";QuesNmbMax", "4", ";CrossWord(*).FlagHorV/x/y/AnswerLen",
                     " 1 , 1 , 1 , 3 ", " 1 , 1 , 3 , 3 ", " 2 , 1 , 1 , 3 ", " 2 , 3 , 1 , 3 ",
                     ""});
}

class GridSettingsReader : public ::testing::Test {
 protected:
  std::filesystem::path File(const std::string& bytes) { return folder_.Write("grid.gst", bytes); }
  TempFolder folder_;
};

TEST_F(GridSettingsReader, HeaderReadersTakeTheLinesByPosition) {
  const auto path = File(kHeader + Stage(";#1"));
  const GridSettingsFile file(path);
  EXPECT_EQ(file.ReadDicLocation().DicPath, "/dic/");
  EXPECT_EQ(file.ReadDicLocation().DicFileName, "標準日本語辞書.lxd");
  EXPECT_EQ(file.ReadEmbedChrFlag(), 1);
  EXPECT_EQ(file.ReadMasSizePattern(), 3);
}

TEST_F(GridSettingsReader, TheTwoProgramsCountStagesTheirOwnWay) {
  // Stages 1 to 3 and a stray ";#5": the designer counts 3, the generator 5.
  const auto stray =
      File(kHeader + Stage(";#1") + Stage(";#2") + Stage(";#3") + Cp932Lines({";#5"}));
  EXPECT_EQ(GridSettingsFile(stray).CountStages(), 3);
  EXPECT_EQ(GridSettingsFile(stray).ReadStageCount(), 5);

  // Marks 1, 2, 4: stage 4 is never offered by the designer.
  const auto gap = File(kHeader + Stage(";#1") + Stage(";#2") + Stage(";#4"));
  EXPECT_EQ(GridSettingsFile(gap).CountStages(), 2);
  EXPECT_FALSE(GridSettingsFile(gap).ReadStageCells(3));
  EXPECT_FALSE(GridSettingsFile(gap).ReadStageCells(4));

  const auto none = File(kHeader);
  EXPECT_EQ(GridSettingsFile(none).CountStages(), 0);
  EXPECT_EQ(GridSettingsFile(none).ReadStageCount(), 0);
}

TEST_F(GridSettingsReader, TwelveStagesCountTwelveForTheGenerator) {
  std::string bytes = kHeader;
  for (int n = 1; n <= 12; ++n) bytes += Stage(";#" + std::to_string(n));
  const auto path = File(bytes);
  const GridSettingsFile file(path);
  EXPECT_EQ(file.ReadStageCount(), 12);
  EXPECT_EQ(file.CountStages(), 12);
  EXPECT_EQ(file.NextStagePattern(11), 12);
  EXPECT_EQ(file.NextStagePattern(12), 1);  // cycles back
}

TEST_F(GridSettingsReader, StageMarksMatchWholeLinesOnly) {
  const auto path = File(kHeader + Stage(";#01") + Stage(" ;#1"));
  const GridSettingsFile file(path);
  EXPECT_EQ(file.CountStages(), 0);
  EXPECT_THROW(file.LoadStagePattern(1), FileError);
  EXPECT_EQ(file.NextStagePattern(0), 1);
}

TEST_F(GridSettingsReader, TheDesignerTurnsLettersAndMissingCellsIntoOpenCells) {
  const auto path = File(kHeader + Stage(";#1", "ア　"));
  const auto cells = GridSettingsFile(path).ReadStageCells(1);
  ASSERT_TRUE(cells);
  EXPECT_EQ((*cells)(1, 1), BlankMark);
  EXPECT_EQ((*cells)(3, 1), BlankMark);
  EXPECT_EQ((*cells)(2, 2), WallMark);
}

TEST_F(GridSettingsReader, TheGeneratorKeepsLettersButRefusesAShortRow) {
  const auto letters = File(kHeader + Stage(";#1", "アイ　"));
  const CrossGrid grid = GridSettingsFile(letters).LoadStagePattern(1);
  EXPECT_EQ(grid.CrossMas(1, 1), U'ア');
  EXPECT_EQ(grid.CrossWord[3], (CrossWordSlot{2, 3, 1, 3}));

  const auto shortRow = File(kHeader + Stage(";#1", "　　"));
  try {
    GridSettingsFile(shortRow).LoadStagePattern(1);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.LineNumber(), 14);
  }
}

TEST_F(GridSettingsReader, SlotNumbersMaySpreadOverLinesAndKeepTheirBlanks) {
  const auto path = File(
      kHeader + Cp932Lines({";#1", ";MasMaxX,MasMaxY", "2,2", ";CrossMas", "　　", "　　",
                            ";QuesNmbMax", "2", ";CrossWord", " 1 , 1 , 1", " 2 ", "2,2,1,2", ""}));
  const auto slots = GridSettingsFile(path).LoadStagePattern(1).CrossWord;
  ASSERT_EQ(slots.size(), 2u);
  EXPECT_EQ(slots[0], (CrossWordSlot{1, 1, 1, 2}));
  EXPECT_EQ(slots[1], (CrossWordSlot{2, 2, 1, 2}));
}

// Every prefix of a valid file, cut at any line, gives a FileError or a sound result,
// never a crash or a read past the end.
TEST_F(GridSettingsReader, AFileCutAtAnyLineIsReportedNotMisread) {
  const std::string whole = ReadBytes(TestData("example5x5.gst"));
  for (size_t end = whole.find("\r\n"); end != std::string::npos;
       end = whole.find("\r\n", end + 2)) {
    const auto path = File(whole.substr(0, end + 2));
    const int lines = static_cast<int>(std::count(whole.begin(), whole.begin() + end + 2, '\n'));
    SCOPED_TRACE("cut after line " + std::to_string(lines));
    if (lines < 4) {
      EXPECT_THROW(GridSettingsFile(path).ReadDicLocation(), FileError);
    }
    if (lines < 8) {
      EXPECT_THROW(GridSettingsFile(path).ReadMasSizePattern(), FileError);
    }
    if (lines >= 10 && lines < 27) {
      EXPECT_THROW(GridSettingsFile(path).LoadStagePattern(1), FileError);
    }
    if (lines >= 27) {
      EXPECT_EQ(GridSettingsFile(path).LoadStagePattern(1).CrossWord.size(), 6u);
    }
    if (lines >= 10 && lines < 12) {
      EXPECT_THROW(GridSettingsFile(path).ReadStageCells(1), FileError);
    }
    if (lines >= 18) {
      EXPECT_TRUE(GridSettingsFile(path).ReadStageCells(1));
    }
  }
}

TEST_F(GridSettingsReader, MalformedNumbersAreNamedWithTheirLine) {
  struct Case {
    std::string bytes;
    int line;
    std::string says;
  };
  const std::vector<Case> cases = {
      {Cp932Lines({";DicPath", "/d/", ";DicFileName", "d.lxd", ";flag", "yes", ";p", "0", ""}), 6,
       "embedded-character flag"},
      {kHeader + Cp932Lines({";#1", ";MasMaxX,MasMaxY", "3;3"}), 12, "two numbers"},
      {kHeader + Cp932Lines({";#1", ";MasMaxX,MasMaxY", "0,3"}), 12, "1 to 99"},
      {kHeader + Cp932Lines({";#1", ";MasMaxX,MasMaxY", "100,3"}), 12, "1 to 99"},
      {kHeader + Cp932Lines({";#1", ";S", "1,2", ";C", "　", "　", ";Q", "many"}), 17,
       "number of word slots"},
      {kHeader +
           Cp932Lines({";#1", ";S", "1,2", ";C", "　", "　", ";Q", "1", ";W", " 2 , 1 , x , 2 "}),
       19, "four numbers"},
  };
  for (const auto& c : cases) {
    const auto path = File(c.bytes);
    try {
      if (c.line == 6) {
        GridSettingsFile(path).ReadEmbedChrFlag();
      } else {
        GridSettingsFile(path).LoadStagePattern(1);
      }
      ADD_FAILURE() << "no error for line " << c.line;
    } catch (const FileError& error) {
      EXPECT_EQ(error.LineNumber(), c.line) << error.what();
      EXPECT_NE(std::string(error.what()).find(c.says), std::string::npos) << error.what();
    }
  }
}

TEST_F(GridSettingsReader, SlotsThatDoNotFitTheGridAreRefused) {
  const std::vector<std::string> badSlots = {" 3 , 1 , 1 , 3 ", " 1 , 1 , 1 , 1 ",
                                             " 1 , 2 , 1 , 3 ", " 1 , 1 , 2 , 3 "};
  for (const auto& slot : badSlots) {
    const auto path = File(kHeader + Cp932Lines({";#1", ";S", "3,3", ";C", "　　　", "　■　",
                                                 "　　　", ";Q", "1", ";W", slot, ""}));
    EXPECT_THROW(GridSettingsFile(path).LoadStagePattern(1), FileError) << slot;
  }
}

TEST_F(GridSettingsReader, AUtf8FileIsRefusedWithAClearMessage) {
  const auto path = File(";DicPath\r\n/d/\r\n;DicFileName\r\n標準日本語辞書.lxd\r\n");
  EXPECT_THROW(GridSettingsFile(path).ReadDicLocation(), FileError);
  EXPECT_THROW(GridSettingsFile(path).CountStages(), FileError);
}

}  // namespace
}  // namespace crossword
