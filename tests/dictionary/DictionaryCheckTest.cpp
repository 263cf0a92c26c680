#include <gtest/gtest.h>

#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryCheck.h"
#include "dictionary/DictionaryWriter.h"
#include "tests/dictionary/DictionaryFixture.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::Cp932Lines;
using testing::ExecuteSql;
using testing::TempFolder;
using testing::Word;

const std::string kIndex = Cp932Lines({
    ";次行より「分野」",
    "01名詞,yes,yes,yes,yes,yes",
    "02動詞,no,yes,yes,yes,yes",
    ";ここまで",
    ";次行より「リスト」",
    "01略語,no,no,1,yes,yes",
    ";ここまで",
});

class Check : public ::testing::Test {
 protected:
  // The problems after changing a fresh dictionary; each must name the file it is in.
  std::vector<std::string> ProblemsAfter(const std::string& sql,
                                         const std::string& index = kIndex) {
    WriteDictionary(path_, {Word(1, U"アイ"), Word(2, U"カサ", 2, 1), Word(3, U"アイウ")});
    folder_.Write("dic.idx", index);
    if (!sql.empty()) ExecuteSql(path_, sql);
    const auto problems = CheckDictionary(path_);
    for (const auto& problem : problems) {
      EXPECT_NE(problem.find(folder_.Path().string()), std::string::npos) << problem;
    }
    return problems;
  }

  // The single problem the change makes.
  std::string ProblemAfter(const std::string& sql, const std::string& index = kIndex) {
    const auto problems = ProblemsAfter(sql, index);
    EXPECT_EQ(problems.size(), 1u) << ::testing::PrintToString(problems);
    return problems.empty() ? "" : problems.front();
  }

  TempFolder folder_;
  std::filesystem::path path_ = folder_ / "dic.lxd";
};

TEST_F(Check, AWellMadeDictionaryHasNoProblem) {
  EXPECT_EQ(ProblemsAfter(""), std::vector<std::string>{});
}

// Files made by older builds carry a letter index table that nothing reads any more.
TEST_F(Check, AnOlderFileWithALetterIndexTableReadsAsBefore) {
  EXPECT_EQ(ProblemsAfter("CREATE TABLE LetterIndex (Length INTEGER, Position INTEGER, "
                          "Letter TEXT, Positions BLOB);"
                          "INSERT INTO LetterIndex VALUES (2, 1, 'ア', x'0200')"),
            std::vector<std::string>{});
  EXPECT_EQ(Dictionary(path_).Record(2, 2), Word(2, U"カサ", 2, 1));
}

TEST_F(Check, EachBrokenWordRuleIsNamedWithItsWord) {
  EXPECT_NE(ProblemAfter("UPDATE L2 SET ID = 1 WHERE rowid = 2")
                .find("word 2 of table L2, field ID: 1 is already the identifier of L2 word 1"),
            std::string::npos);
  EXPECT_NE(
      ProblemAfter("UPDATE L3 SET Y2 = 'カ'").find("field Y2: 'カ' is not letter 2 of 'アイウ'"),
      std::string::npos);
  EXPECT_NE(ProblemAfter("UPDATE L3 SET Qst = 'one, two'").find("field Qst: holds ','"),
            std::string::npos);
  EXPECT_NE(ProblemAfter("UPDATE L3 SET Ast = '😀'").find("field Ast: the character '😀'"),
            std::string::npos);
  EXPECT_NE(ProblemAfter("UPDATE L2 SET CN = 3 WHERE rowid = 1").find("CN: 3 is no category"),
            std::string::npos);
  EXPECT_NE(ProblemAfter("UPDATE L2 SET BN = 2 WHERE rowid = 1").find("BN: 2 is no list"),
            std::string::npos);
  EXPECT_NE(ProblemAfter("UPDATE L3 SET ID = 0").find("0 is not a word identifier"),
            std::string::npos);
}

// What a part taken out of a clue leaves, and characters a player cannot show.
TEST_F(Check, StrayBlanksAndControlCharactersInAClueAreProblems) {
  const std::pair<std::string, std::string> cases[] = {
      {"UPDATE L3 SET Qst = ' the angular distance'", "begins or ends with a blank"},
      {"UPDATE L3 SET Qst = 'ductile  metallic'", "holds two together"},
      {"UPDATE L3 SET Qst = 'element '", "' begins or ends"},
      {"UPDATE L3 SET Qst = 'tab' || char(9) || 'bed'", "Qst: holds the control character U+0009"},
      {"UPDATE L3 SET Ast = 'del' || char(127)", "Ast: holds the control character U+007F"},
      // A line break is a line break, not a second problem.
      {"UPDATE L3 SET Qst = 'one' || char(10) || 'two'", "field Qst: holds U+000A"},
  };
  for (const auto& [sql, expected] : cases) {
    EXPECT_NE(ProblemAfter(sql).find(expected), std::string::npos) << sql;
  }
  EXPECT_EQ(ProblemsAfter("UPDATE L3 SET Qst = 'a ; b (c) - d'"), std::vector<std::string>{});
}

TEST_F(Check, AGridMarkInAReadingIsAProblem) {
  const auto problems = ProblemsAfter("UPDATE L2 SET Yst = 'ア　', Y2 = '　' WHERE rowid = 1");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("letter 2 is '　' (U+3000), which cannot stand in a grid cell"),
            std::string::npos)
      << problems[0];
}

TEST_F(Check, ValuesOfTheWrongKindInALooseTableAreFound) {
  const std::string problem = ProblemAfter(
      "DROP TABLE L4; CREATE TABLE L4 (ID INTEGER, Yst TEXT, Y1 TEXT, Y2 TEXT, Y3 TEXT, Y4 TEXT,"
      " Qst TEXT, Ast TEXT, CN INTEGER, BN INTEGER, QN INTEGER, AN INTEGER, SN INTEGER);"
      "INSERT INTO L4 VALUES (9, 'アイウエ', 'ア', 'イ', 'ウ', 'エ', 'q', 'a', 1, 0, 0, 0, 1.5)");
  EXPECT_NE(problem.find("word 1 of table L4, field SN: does not hold a whole number"),
            std::string::npos)
      << problem;
}

TEST_F(Check, TheIndexFileIsCheckedToo) {
  const auto problems = ProblemsAfter(
      "",
      Cp932Lines({";次行より「分野」", "01名詞,yes,yes,yes,Yes,yes", "02動詞,no,yes,yes,yes,yes",
                  ";ここまで", ";次行より「リスト」", "01略語,no,no,1,yes", ";ここまで"}));
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_NE(problems[0].find("dic.idx:2: '名詞' has 'Yes' for rank 4; write yes or no"),
            std::string::npos)
      << problems[0];
  EXPECT_NE(problems[1].find("'略語' has nothing for rank 5; write yes, no or 1"),
            std::string::npos)
      << problems[1];
  std::filesystem::remove(folder_ / "dic.idx");
  EXPECT_NE(CheckDictionary(path_).at(0).find("dic.idx: the index file is missing"),
            std::string::npos);
}

TEST_F(Check, AFileThatCannotBeOpenedIsOneProblem) {
  const auto problems = ProblemsAfter("DROP TABLE L9");
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_NE(problems[0].find("no table \"L9\""), std::string::npos);
}

}  // namespace
}  // namespace crossword
