#include <gtest/gtest.h>

#include <regex>

#include "common/FileError.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "puzzle/PuzzleFile.h"
#include "puzzle/PuzzleFileWriter.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::TestData;

TEST(PuzzleFile, ReadsEveryPartOfAStage) {
  const PuzzleSet set = ReadPuzzleFile(TestData("filled5x5.pzs"));
  EXPECT_EQ(set.AnswerLang, 1);
  ASSERT_EQ(set.Stages.size(), 1u);
  const PuzzleStage& stage = set.Stages[0];
  EXPECT_EQ(stage.MasMaxX(), 5);
  EXPECT_EQ(stage.DifficultRank, 2);
  EXPECT_EQ(stage.FirstDownNumber, 4);
  EXPECT_EQ(stage.QuesNmbMax(), 6);
  EXPECT_EQ(stage.CellKinds(1, 1), KindCross);
  EXPECT_EQ(stage.CellKinds(2, 3), KindAcross);
  EXPECT_EQ(stage.CellKinds(5, 2), KindDown);
  EXPECT_EQ(stage.Answers(3, 5), U'イ');
  EXPECT_EQ(stage.QuesNmbH(2, 5), 3);
  EXPECT_EQ(stage.QuesNmbV(5, 2), 6);
  EXPECT_EQ(QuestionLabel(stage, 1, 1), "1/4");

  ASSERT_EQ(stage.Across.size(), 3u);
  const PuzzleHint& second = stage.Across[1];
  EXPECT_EQ(second.Number, 2);
  EXPECT_EQ(second.Ast, U"ランナー朝");
  EXPECT_EQ(second.Yst, U"ランナアサ");
  EXPECT_EQ(second.BN, 2);
  EXPECT_EQ(second.Slot, (CrossWordSlot{FlagAcross, 1, 3, 5}));
  const PuzzleHint& last = stage.Down[2];
  EXPECT_EQ(last.ID, 106);
  EXPECT_EQ(last.SN, 3);
  EXPECT_EQ(last.Slot, (CrossWordSlot{FlagDown, 5, 2, 4}));
}

// One line of the fixture replaced, and the line the reader must name.
struct Damage {
  int line;
  std::string replacement;  // UTF-8; "<cut>" ends the file before the line
  int reportedLine;         // 0: the problem is named without a line
  std::string says;
};

void PrintTo(const Damage& damage, std::ostream* out) {
  *out << "line " << damage.line;
}

class DamagedPuzzleFile : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedPuzzleFile, IsRefusedWithAClearMessage) {
  const Damage& damage = GetParam();
  std::string text = ToUtf8(DecodeCp932(ReadBytes(TestData("filled5x5.pzs"))));
  std::vector<std::string> lines;
  for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (damage.replacement == "<cut>") {
    lines.resize(damage.line - 1);
  } else {
    lines[damage.line - 1] = damage.replacement;
  }
  std::string bytes;
  for (const auto& line : lines) bytes += EncodeCp932(FromUtf8(line)) + "\r\n";
  TempFolder folder;
  const auto path = folder.Write("damaged.pzs", bytes);
  try {
    ReadPuzzleFile(path);
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(error.LineNumber(), damage.reportedLine) << error.what();
    EXPECT_NE(std::string(error.what()).find(damage.says), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfDamage, DamagedPuzzleFile,
    ::testing::Values(
        Damage{2, "2", 2, "answer language"}, Damage{4, "0", 4, "number of stages"},
        Damage{6, "0,0", 6, "solve status"}, Damage{8, ";#2", 8, "\";#1\""},
        Damage{10, "5;5", 10, "rows and columns"}, Damage{12, "6,6,4", 12, "level"},
        Damage{14, "1,1,1,1,1,1,2", 14, "frame"}, Damage{16, "1,3,1,3,1,2,1", 0, "cell-kind map"},
        Damage{23, "ランナア", 23, "5 wide"}, Damage{28, "01,0,0,0,0", 28, "1 digits wide"},
        Damage{29, "0,0,0,0,1", 0, "question numbers"},
        Damage{41, "2,走る人たち,ランナー朝,ランナイサ,102,1,2,12,22,0", 41,
               "differs from the grid"},
        Damage{41, "2,走る,人たち,ランナー朝,ランナアサ,102,1,2,12,22,0", 41, "10 fields"},
        Damage{43, "4,写真を撮る人,カメラマン,カメラマ,104,2,0,14,24,0", 43, "blank on each side"},
        Damage{42, "3,すいと,水筒,スイトオ, 103 , 3 , 0 , 0 , 0 , 7 ", 42, "plain digits"},
        Damage{44, "6,静か,大人しい,オトナシイ, 105 , 2 , 1 , 15 , 25 , 0 ", 44, "question 5"},
        Damage{46, "<cut>", 0, "expected an empty line"},
        Damage{30, "<cut>", 0, "row of question numbers"}),
    [](const auto& info) {
      return "Line" + std::to_string(info.param.line) + "_" + std::to_string(info.index);
    });

// Whatever the reader takes in, the writer gives back to the byte: both follow one format.
TEST(PuzzleFile, ReadAndWrittenAgainToTheByte) {
  for (const char* name :
       {"filled5x5.pzs", "stored/expected/large-rank5.pzs",
        "stored/expected/english-medium-rank1.pzs", "stored/expected/embedded-letters.pzs"}) {
    const PuzzleSet set = ReadPuzzleFile(TestData(name));
    const int S = static_cast<int>(set.Stages.size());
    std::vector<std::u32string> lines = PuzzleHeaderLines(set.AnswerLang, S);
    for (int k = 1; k <= S; ++k) {
      const auto stage = PuzzleStageLines(k, set.Stages[k - 1]);
      lines.insert(lines.end(), stage.begin(), stage.end());
    }
    EXPECT_EQ(EncodeTextLines(name, lines), ReadBytes(TestData(name))) << name;
  }
}

TEST(PuzzleFile, RefusesAGridSettingsFile) {
  EXPECT_THROW(ReadPuzzleFile(TestData("example5x5.gst")), FileError);
}

}  // namespace
}  // namespace crossword
