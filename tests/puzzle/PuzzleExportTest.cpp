#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "puzzle/PuzzleExport.h"
#include "puzzle/TerminalView.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using nlohmann::json;
using testing::TempFolder;
using testing::TestData;

class PuzzleExport : public ::testing::Test {
 protected:
  PuzzleSet set_ = ReadPuzzleFile(TestData("filled5x5.pzs"));
};

TEST_F(PuzzleExport, IpuzCarriesTheGridTheNumbersAndTheClues) {
  const json ipuz = json::parse(StageToIpuz(set_, 1, "sample"));
  EXPECT_EQ(ipuz["version"], "http://ipuz.org/v2");
  EXPECT_EQ(ipuz["kind"][0], "http://ipuz.org/crossword#1");
  EXPECT_EQ(ipuz["dimensions"]["width"], 5);
  EXPECT_EQ(ipuz["puzzle"][0][0], 1);  // starts across 1 and down 4
  EXPECT_EQ(ipuz["puzzle"][0][4], "#");
  EXPECT_EQ(ipuz["puzzle"][1][4], 6);
  EXPECT_EQ(ipuz["puzzle"][1][0], 0);
  EXPECT_EQ(ipuz["solution"][4][1], "ス");
  EXPECT_EQ(ipuz["solution"][4][0], "#");

  // Every clue's answer is what its cells hold in the solution.
  for (const char* direction : {"Across", "Down"}) {
    for (const json& clue : ipuz["clues"][direction]) {
      std::string inGrid;
      for (const json& cell : clue["cells"]) {
        inGrid += ipuz["solution"][cell[1].get<int>()][cell[0].get<int>()].get<std::string>();
      }
      EXPECT_EQ(inGrid, clue["answer"]) << clue.dump();
    }
  }
  const json& down4 = ipuz["clues"]["Down"][0];
  EXPECT_EQ(down4["number"], 4);
  EXPECT_EQ(down4["clue"], "写真を撮る人");
  EXPECT_EQ(down4["explanation"], "カメラマン");
}

TEST_F(PuzzleExport, IpuzFilesAreWrittenPerStage) {
  TempFolder folder;
  const auto files = ExportIpuz(set_, "sample", folder.Path());
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].filename(), "sample-1.ipuz");
  EXPECT_NO_THROW(json::parse(testing::ReadBytes(files[0])));
}

TEST_F(PuzzleExport, TerminalViewAlignsFullWidthLettersAndWraps) {
  const std::string grid = RenderStage(set_, 1, true, 80);
  EXPECT_NE(grid.find("|1/4  |"), std::string::npos) << grid;
  EXPECT_NE(grid.find("| カ  | ラ  | オ  | ケ  |#####|"), std::string::npos) << grid;
  const std::string view = RenderStage(set_, 1, true, 30);
  EXPECT_NE(view.find("2. 走る人たち (5) = ランナアサ\n    [ランナー朝]"), std::string::npos)
      << view;
  EXPECT_EQ(RenderStage(set_, 1, false, 80).find("カ "), std::string::npos);
  EXPECT_EQ(DisplayWidth(U"アA■"), 4);
}

// Words stay whole; the grid's cells narrow before a line outgrows the terminal.
TEST_F(PuzzleExport, TerminalViewBreaksAtBlanksAndFitsTheWidth) {
  set_.Stages[0].Across[0].Qst = U"a clue of several plain words";
  const std::string view = RenderStage(set_, 1, false, 24);
  EXPECT_NE(view.find("1. a clue of several\n    plain words (4)\n"), std::string::npos) << view;
  const auto gridWidth = [&](int columns) {
    const std::string shown = RenderStage(set_, 1, false, columns);
    const size_t border = shown.find('+');
    return static_cast<int>(shown.find('\n', border) - border);
  };
  EXPECT_EQ(gridWidth(80), 31);  // "1/4" and a blank either side, five cells
  EXPECT_EQ(gridWidth(26), 26);
}

TEST_F(PuzzleExport, HtmlPageIsSelfContainedAndCannotBeBrokenByAClue) {
  set_.Stages[0].Across[0].Qst = U"</script><b>";
  const std::string page = PuzzleSetToHtml(set_, "a <b> title");
  EXPECT_EQ(page.find("<!--PUZZLE-DATA-->"), std::string::npos);
  EXPECT_NE(page.find("<title>a &lt;b&gt; title</title>"), std::string::npos);
  EXPECT_EQ(page.find("</script><b>"), std::string::npos);
  EXPECT_EQ(page.find("src=\"http"), std::string::npos);
  EXPECT_EQ(page.find("href=\"http"), std::string::npos);
}

}  // namespace
}  // namespace crossword
