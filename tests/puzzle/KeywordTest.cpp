#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "common/FileError.h"
#include "common/TextCodec.h"
#include "puzzle/KeywordChoice.h"
#include "puzzle/KeywordMarks.h"
#include "puzzle/PuzzleExport.h"
#include "puzzle/TerminalView.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using nlohmann::json;
using testing::TempFolder;
using testing::TestData;

// The stored set:  カラオケ■ / メ■ト■ア / ランナアサ / マ■シ■ガ / ■スイトオ
// with the keyword カサイ marked beside it at (1,1), (5,3), (3,5).
class Keyword : public ::testing::Test {
 protected:
  PuzzleSet set_ = ReadPuzzleSetWithMarks(TestData("filled5x5.pzs"));
  const CrossMasMarks& grid_ = set_.Stages[0].Answers;
};

TEST_F(Keyword, TypedKeywordsAreSpelledOrRefusedWithTheLettersTheyLack) {
  const struct {
    std::u32string typed;
    std::u32string lacking;
    bool placed;  // whether good cells exist
  } cases[] = {
      {U"カサイ", U"", true},
      {U"かさい", U"", true},  // hiragana as katakana
      {U"ヵサ", U"", true},    // small kana full-size
      {U"ォォ", U"", true},    // two オ, far apart
      {U"ナミ", U"ミ", false},
      {U"アアア", U"ア", false},  // the grid holds two ア
      {U"ミミイ", U"ミミ", false},
      {U"らんな", U"", false},  // ン and ナ share an answer wherever they stand
      {U"ケア", U"", false},    // corners touch, or both lie in column 4
  };
  for (const auto& c : cases) {
    const std::u32string keyword = KeywordLetters(c.typed);
    EXPECT_EQ(MissingLetters(grid_, keyword), c.lacking) << ToUtf8(c.typed);
    EXPECT_EQ(!ChooseKeywordCells(grid_, keyword, 5).empty(), c.placed) << ToUtf8(c.typed);
  }
  for (const std::u32string typed : {U"カ", U"カ サ", U"アイウエオカキクケコサ", U"カ■"}) {
    EXPECT_THROW(KeywordLetters(typed), std::invalid_argument);
  }
}

// Every choice listed keeps the rules, and none is spread worse than the one after it.
TEST_F(Keyword, ChoicesKeepTheRulesBestFirst) {
  const auto choices = ChooseKeywordCells(grid_, U"アオ", 5);
  ASSERT_EQ(choices.size(), 3u);  // (5,2) and (5,5) share the down answer of column 5
  for (size_t n = 0; n < choices.size(); ++n) {
    const auto& cells = choices[n].Cells;
    EXPECT_EQ(grid_(cells[0].x, cells[0].y), U'ア');
    EXPECT_EQ(grid_(cells[1].x, cells[1].y), U'オ');
    EXPECT_FALSE(cells[0].x == cells[1].x && cells[0].x == 5);
    if (n + 1 < choices.size()) {
      EXPECT_FALSE(choices[n + 1].Beats(choices[n]));
    }
  }
  EXPECT_EQ(ChooseKeywordCells(grid_, U"アオ", 1).size(), 1u);
  const auto kasai = ChooseKeywordCells(grid_, U"カサイ", 5);
  ASSERT_EQ(kasai.size(), 1u);
  EXPECT_EQ(kasai[0].Cells, (std::vector<MasPoint>{{1, 1}, {5, 3}, {3, 5}}));
  EXPECT_EQ(kasai[0].Closest, 4);
}

TEST_F(Keyword, MarksFileIsReadBackAndRefusedWithItsLine) {
  ASSERT_TRUE(set_.Stages[0].Keyword);
  EXPECT_EQ(set_.Stages[0].Keyword->Word, U"カサイ");
  TempFolder folder;
  const auto copy = folder / "set.pzs";
  std::filesystem::copy_file(TestData("filled5x5.pzs"), copy);
  WriteKeywordMarks(set_, copy);
  EXPECT_EQ(testing::ReadBytes(folder / "set.kwd"), testing::ReadBytes(TestData("filled5x5.kwd")));

  const struct {
    std::string text;
    std::string problem;
  } refused[] = {
      {"wright-keywords 2\n", "set.kwd:1: not a keyword file"},
      {"wright-keywords 1\n1\tカサ\t1,1\t5,2\n", "set.kwd:2: stage 1: the cell (5, 2) holds ア"},
      {"wright-keywords 1\n#\n\n1\tカサ\t1,1\t6,3\n",
       "set.kwd:4: stage 1: the cell (6, 3) lies outside"},
      {"wright-keywords 1\n1\tカカ\t1,1\t1,1\n", "is marked twice"},
      {"wright-keywords 1\n1\tカサ\t1,1\n", "カサ has 2 letters and 1 marked cells"},
      {"wright-keywords 1\n1\tカサ\t1;1\t5,3\n", "\"1;1\" is not column,row"},
      {"wright-keywords 1\n2\tカサ\t1,1\t5,3\n", "\"2\" is not a stage of the set"},
      {"wright-keywords 1\n1\tカサ\t1,1\t5,3\n1\tカサ\t1,1\t5,3\n",
       "set.kwd:3: stage 1 is named twice"},
  };
  for (const auto& c : refused) {
    folder.Write("set.kwd", c.text);
    try {
      ReadPuzzleSetWithMarks(copy);
      ADD_FAILURE() << c.text;
    } catch (const FileError& error) {
      EXPECT_NE(std::string(error.what()).find(c.problem), std::string::npos) << error.what();
    }
  }
  // A stage about to be marked again may hold stale marks.
  PuzzleSet stale = ReadPuzzleFile(copy);
  folder.Write("set.kwd", "wright-keywords 1\n1\tカサ\t1,1\t5,2\n");
  EXPECT_NO_THROW(ReadKeywordMarks(stale, copy, 1));

  stale.Stages[0].Keyword.reset();
  WriteKeywordMarks(stale, copy);
  EXPECT_FALSE(std::filesystem::exists(folder / "set.kwd"));
  EXPECT_FALSE(ReadPuzzleSetWithMarks(copy).Stages[0].Keyword);
}

TEST_F(Keyword, IpuzCirclesTheCellsAndCarriesTheKeyword) {
  const json ipuz = json::parse(StageToIpuz(set_, 1, "sample"));
  const json& first = ipuz["puzzle"][0][0];
  EXPECT_EQ(first["cell"], 1);
  EXPECT_EQ(first["style"]["shapebg"], "circle");
  EXPECT_EQ(first["style"]["mark"]["BR"], "Ａ");
  EXPECT_EQ(ipuz["puzzle"][2][4]["cell"], 0);
  EXPECT_EQ(ipuz["puzzle"][4][2]["style"]["mark"]["BR"], "Ｃ");
  EXPECT_EQ(ipuz["puzzle"][0][1], 0);  // an unmarked cell stays a plain number
  EXPECT_NE(ipuz["notes"].get<std::string>().find("ＡＢＣ"), std::string::npos);
  const json& keyword = ipuz["http://wright.example.org/ipuz/keyword"];
  EXPECT_EQ(keyword["answer"], "カサイ");
  EXPECT_EQ(keyword["cells"], json::parse("[[0,0],[4,2],[2,4]]"));
}

TEST_F(Keyword, PageAndTerminalShowTheMarks) {
  const std::string page = PuzzleSetToHtml(set_, "sample");
  EXPECT_NE(page.find(R"("keyword":{"answer":"カサイ","cells":[[0,0],[4,2],[2,4]],)"
                      R"("labels":["Ａ","Ｂ","Ｃ"]})"),
            std::string::npos);
  const std::string puzzle = RenderStage(set_, 1, false, 80);
  EXPECT_NE(puzzle.find("| Ａ  |"), std::string::npos) << puzzle;
  EXPECT_NE(puzzle.find("\nキーワード (Keyword): ＡＢＣ\n"), std::string::npos) << puzzle;
  EXPECT_NE(RenderStage(set_, 1, true, 80).find("ＡＢＣ = カサイ\n"), std::string::npos);
}

}  // namespace
}  // namespace crossword
