#include <gtest/gtest.h>

#include "common/FileNames.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "tests/dictionary/DictionaryFixture.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::ExecuteSql;
using testing::ReadBytes;
using testing::TempFolder;
using testing::Word;

class DictionaryStore : public ::testing::Test {
 protected:
  std::filesystem::path Write(const std::vector<WordRecord>& words) {
    const auto path = folder_ / "test.lxd";
    WriteDictionary(path, words);
    return path;
  }

  TempFolder folder_;
};

TEST_F(DictionaryStore, ReadsBackEveryFieldInTheOrderWritten) {
  const std::vector<WordRecord> words = {Word(7, U"カサ", 2, 1), Word(3, U"アイ"),
                                         Word(9, U"アイウエオカキクケコサシ", 4, 2)};
  const Dictionary dictionary(Write(words));
  EXPECT_EQ(dictionary.RecordCount(2), 2);
  EXPECT_EQ(dictionary.RecordCount(3), 0);
  EXPECT_EQ(dictionary.RecordCount(12), 1);
  EXPECT_EQ(dictionary.Record(2, 1), words[0]);  // stored order, not ID order
  EXPECT_EQ(dictionary.Record(2, 2), words[1]);
  EXPECT_EQ(dictionary.Record(12, 1), words[2]);
  EXPECT_EQ(dictionary.ClassOf(2, 1), std::pair(2, 1));
  std::vector<int> scanned;
  dictionary.ScanRecords(2, [&](int k, const WordRecord& word) {
    EXPECT_EQ(word, words[k - 1]);
    scanned.push_back(k);
  });
  EXPECT_EQ(scanned, (std::vector<int>{1, 2}));
}

TEST_F(DictionaryStore, RefusesPositionsAndLengthsOutsideItsTables) {
  const Dictionary dictionary(Write({Word(1, U"アイ")}));
  EXPECT_THROW(dictionary.Record(2, 0), std::out_of_range);
  EXPECT_THROW(dictionary.Record(2, 2), std::out_of_range);
  EXPECT_THROW(dictionary.Record(3, 1), std::out_of_range);  // an empty table
  EXPECT_THROW(dictionary.RecordCount(1), std::out_of_range);
  EXPECT_THROW(dictionary.RecordCount(13), std::out_of_range);
}

TEST_F(DictionaryStore, AFailedWriteLeavesTheOlderFileAsItWas) {
  const auto path = Write({Word(1, U"アイ")});
  const std::string before = ReadBytes(path);
  EXPECT_THROW(WriteDictionary(path, {Word(1, U"アイ"), Word(2, U"ア")}), DictionaryError);
  EXPECT_THROW(WriteDictionary(path, {Word(1, U"アイウエオカキクケコサシス")}), DictionaryError);
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_FALSE(std::filesystem::exists(path.string() + ".part"));
}

TEST_F(DictionaryStore, OpenDictionaryJoinsFolderAndName) {
  Write({Word(1, U"アイ")});
  const Dictionary dictionary = OpenDictionary(FolderOf(folder_ / "test.lxd"), "test.lxd");
  EXPECT_EQ(dictionary.RecordCount(2), 1);
}

TEST_F(DictionaryStore, CountsTheWordsOfEachLength) {
  const auto path = Write({Word(1, U"アイ"), Word(2, U"カサ"), Word(3, U"アイウエオ")});
  WordCounts expected{};
  expected[2] = 2;
  expected[5] = 1;
  EXPECT_EQ(CountDicWords(path), expected);
  EXPECT_EQ(CountDicWords(Write({})), WordCounts{});
}

struct LanguageCase {
  std::string name;
  std::vector<std::u32string> readings;
  int expected;
};

class AnswerLanguage : public DictionaryStore,
                       public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(AnswerLanguage, FollowsTheFirstLetterOfTheFirstWord) {
  std::vector<WordRecord> words;
  for (const auto& reading : GetParam().readings) {
    words.push_back(Word(static_cast<int>(words.size()) + 1, reading));
  }
  EXPECT_EQ(DetectAnswerLang(Dictionary(Write(words))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FirstLetters, AnswerLanguage,
    ::testing::Values(LanguageCase{"FullWidthCapitalFirst", {U"ＡＢ", U"アイ"}, 0},
                      LanguageCase{"CapitalZ", {U"ＺＡ"}, 0},
                      LanguageCase{"KanaFirst", {U"アイ", U"ＡＢ"}, 1},
                      LanguageCase{"HalfWidthLetters", {U"AB"}, 1},
                      LanguageCase{"FullWidthSmallLetters", {U"ａｂ"}, 1},
                      // An empty L2: the first table holding a word decides.
                      LanguageCase{"EmptyL2ThenCapitals", {U"ＣＡＴ"}, 0},
                      LanguageCase{"EmptyL2ThenKana", {U"ネコネ"}, 1},
                      LanguageCase{"NoWordAtAll", {}, 1}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) { return info.param.name; });

// A dictionary file changed behind the writer's back.
class ForeignFile : public DictionaryStore {
 protected:
  std::string OpeningError(const std::filesystem::path& path) {
    try {
      Dictionary opened(path);
    } catch (const DictionaryError& error) {
      EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos) << error.what();
      return error.what();
    }
    ADD_FAILURE() << "opened " << path;
    return "";
  }

  std::string ErrorAfter(const std::string& sql) {
    const auto path = Write({Word(1, U"アイ"), Word(2, U"アイウ"), Word(3, U"カキク")});
    ExecuteSql(path, sql);
    return OpeningError(path);
  }
};

TEST_F(ForeignFile, EachStructuralFaultIsNamed) {
  EXPECT_NE(OpeningError(folder_ / "none.lxd").find("does not exist"), std::string::npos);
  const auto text = folder_.Write("text.lxd", "ID,Yst\r\n1,アイ\r\n");
  EXPECT_NE(OpeningError(text).find("not an SQLite database"), std::string::npos);
  const auto empty = folder_.Write("empty.lxd", "");
  EXPECT_NE(OpeningError(empty).find("\"L2\""), std::string::npos);
  EXPECT_NE(ErrorAfter("DROP TABLE L7").find("no table \"L7\""), std::string::npos);
  EXPECT_NE(ErrorAfter("ALTER TABLE L4 DROP COLUMN Y3").find("table \"L4\" has no field \"Y3\""),
            std::string::npos);
  const std::string retyped = ErrorAfter(
      "DROP TABLE L5; CREATE TABLE L5 (ID INTEGER, Yst TEXT, Y1 TEXT, Y2 TEXT, Y3 TEXT, Y4 TEXT,"
      " Y5 TEXT, Qst TEXT, Ast TEXT, CN TEXT, BN INTEGER, QN INTEGER, AN INTEGER, SN INTEGER)");
  EXPECT_NE(retyped.find("field \"CN\" of table \"L5\""), std::string::npos) << retyped;
  EXPECT_NE(ErrorAfter("DELETE FROM L3 WHERE rowid = 1").find("not numbered 1..1"),
            std::string::npos);
}

TEST_F(ForeignFile, AWrongValueIsNamedWhenItsWordIsRead) {
  const auto path = Write({Word(1, U"アイ")});
  ExecuteSql(path,
             "DROP TABLE L2; CREATE TABLE L2 (ID INTEGER, Yst TEXT, Y1 TEXT, Y2 TEXT, Qst TEXT,"
             " Ast TEXT, CN INTEGER, BN INTEGER, QN INTEGER, AN INTEGER, SN INTEGER);"
             "INSERT INTO L2 VALUES (1, 'アイ', 'ア', 'イ', 'q', 'a', 'many', 0, 0, 0, 0);"
             "INSERT INTO L2 VALUES (2, 'アイウ', 'ア', 'イ', 'q', 'a', 1, 0, 0, 0, 0);"
             "INSERT INTO L2 VALUES (3, 'アイ', 'ア', 'イ', NULL, 'a', 1, 0, 0, 0, 0);");
  const Dictionary dictionary(path);
  auto problemOf = [&](int k) {
    try {
      dictionary.Record(2, k);
    } catch (const DictionaryError& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_NE(problemOf(1).find("word 1 of table \"L2\": field \"CN\""), std::string::npos);
  EXPECT_THROW(dictionary.ClassOf(2, 1), DictionaryError);
  EXPECT_NE(problemOf(2).find("field \"Yst\" has 3 letters"), std::string::npos);
  EXPECT_NE(problemOf(3).find("field \"Qst\" does not hold text"), std::string::npos);
}

}  // namespace
}  // namespace crossword
