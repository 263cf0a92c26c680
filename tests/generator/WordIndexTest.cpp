#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "common/FileOps.h"
#include "common/TextCodec.h"
#include "dictionary/DictionaryContents.h"
#include "dictionary/DictionaryWriter.h"
#include "dictionary/WordIndexFile.h"
#include "generator/engine/WordIndex.h"
#include "tests/generator/GeneratorTestKit.h"

namespace crossword {
namespace {

using testing::EveryShortWord;
using testing::TempFolder;

// The words a search must find: every word of the table, read one by one, whose reading
// has each asked letter at its position.
std::vector<int> ScannedMatches(const Dictionary& dictionary, int length, const WordQuery& query) {
  std::vector<int> found;
  for (int k = 1; k <= dictionary.RecordCount(length); ++k) {
    const std::u32string reading = dictionary.Record(length, k).Yst;
    bool matches = query.Yst.empty() || query.Yst == reading;
    for (const auto& [position, letter] : query.Letters) {
      matches = matches && position >= 1 && position <= length && reading[position - 1] == letter;
    }
    if (matches) found.push_back(k);
  }
  return found;
}

// The index must answer every search and read exactly as the dictionary's tables hold them.
TEST(WordIndex, FindsWhatAScanOfTheTablesFindsInStoredOrder) {
  TempFolder folder;
  std::vector<WordRecord> words = EveryShortWord();
  words.push_back(testing::Word(900, "ア'イ", 5, 9));
  words.push_back(testing::Word(901, "アイウエオカキクケコサシ", 1, 0));
  // More letters at a position than a byte can code: those words are searched by reading.
  for (char32_t letter = U'一'; letter < U'一' + 300; ++letter) {
    words.push_back(testing::Word(static_cast<int>(words.size()) + 2000,
                                  ToUtf8(std::u32string{letter, U'ア'}), 1, 0));
  }
  // Every two of エエエ's letters occur together, but no word has all three.
  for (const char* reading : {"エエオ", "オエエ", "エオエ"}) {
    words.push_back(testing::Word(static_cast<int>(words.size()) + 1000, reading, 1, 0));
  }
  WriteDictionary(folder / "dic.lxd", words);
  const Dictionary dictionary(folder / "dic.lxd");
  const WordIndex index(dictionary);

  using Letters = std::vector<std::pair<int, char32_t>>;
  const std::vector<std::pair<int, WordQuery>> queries = {
      {3, {}},
      {3, {U"イウア", {}}},
      {3, {U"ア'イ", {}}},
      {3, {U"アアエ", {}}},
      {3, {U"イウ", {}}},  // a reading of another length
      {4, {U"", Letters{{1, U'ア'}}}},
      {5, {U"", Letters{{2, U'ウ'}, {5, U'ア'}}}},
      {5, {U"", Letters{{1, U'イ'}, {3, U'イ'}, {4, U'ウ'}}}},
      {3, {U"", Letters{{2, U'\''}}}},
      {3, {U"イウア", Letters{{1, U'イ'}}}},
      {4, {U"", Letters{{2, U'エ'}}}},
      {4, {U"", Letters{{5, U'ア'}}}},  // beyond the word
      {4, {U"", Letters{{0, U'ア'}}}},
      {12, {U"", Letters{{1, U'ア'}, {12, U'シ'}}}},
      {3, {U"", Letters{{1, U'イ'}, {2, U'\''}}}},  // letters that never meet
      {3, {U"エエエ", {}}},
      {3, {U"", Letters{{3, U'エ'}, {1, U'エ'}, {2, U'エ'}}}},
      {3, {U"", Letters{{2, U'ア'}, {2, U'イ'}}}},  // two letters in one cell
      {3, {U"", Letters{{2, U'ア'}, {2, U'ア'}}}},
      {3, {U"", Letters{{1, U'エ'}, {3, U'エ'}, {1, U'エ'}}}},
      {2, {U"", Letters{{1, U'一'}, {2, U'イ'}}}},
      {2, {U"", Letters{{2, U'ア'}, {1, U'丁'}}}},
      {2, {U"一ア", {}}},
      {6, {}},
  };
  for (const auto& [length, query] : queries) {
    const std::vector<int> expected = ScannedMatches(dictionary, length, query);
    EXPECT_EQ(index.FindAll(length, query), expected) << length << " " << ToUtf8(query.Yst);
    EXPECT_EQ(index.HasMatch(length, query), !expected.empty()) << length;
  }
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    ASSERT_EQ(index.RecordCount(length), dictionary.RecordCount(length));
    for (int k = 1; k <= index.RecordCount(length); k += 7) {
      EXPECT_EQ(index.ClassOf(length, k), dictionary.ClassOf(length, k));
      EXPECT_EQ(index.Record(length, k), dictionary.Record(length, k));
    }
  }
}

// What is done to a dictionary's word index file after both were written.
struct Tampering {
  const char* name;
  std::function<void(const std::filesystem::path& dictionary)> tamper;
  const char* noteHolds;  // empty: the file is used, or made, without a note
};

void ChangeByte(const std::filesystem::path& path, std::streamoff at) {
  std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
  file.seekg(at);
  const char byte = static_cast<char>(file.get() ^ 0x20);
  file.seekp(at);
  file.put(byte);
}

// A stale, foreign or damaged index is never used: the run gets one made from the word
// tables, the file is made again, and the next open maps it without a note.
TEST(WordIndexFile, IsUsedOnlyWhileItFitsTheWordTables) {
  const std::vector<Tampering> tamperings = {
      {"nothing", [](const auto&) {}, ""},
      {"deleted", [](const auto& dic) { std::filesystem::remove(WordIndexPathOf(dic)); }, ""},
      {"a byte changed", [](const auto& dic) { ChangeByte(WordIndexPathOf(dic), 5000); },
       "damaged"},
      {"touched",
       [](const auto& dic) {
         const auto index = WordIndexPathOf(dic);
         std::filesystem::last_write_time(
             index, std::filesystem::last_write_time(index) + std::chrono::seconds(1));
       },
       ""},
      {"cut short",
       [](const auto& dic) {
         const auto index = WordIndexPathOf(dic);
         std::filesystem::resize_file(index, std::filesystem::file_size(index) / 2);
       },
       "damaged"},
      {"not an index", [](const auto& dic) { CreateFileWith(WordIndexPathOf(dic), "words"); },
       "too short"},
      {"words changed",
       [](const auto& dic) {
         const auto index = WordIndexPathOf(dic);
         std::filesystem::copy_file(index, dic.string() + ".kept");
         std::vector<WordRecord> words = EveryShortWord();
         words[3].Qst = U"another clue";
         WriteDictionary(dic, words);
         std::filesystem::rename(dic.string() + ".kept", index);
       },
       "other word tables"},
  };
  for (const Tampering& tampering : tamperings) {
    SCOPED_TRACE(tampering.name);
    TempFolder folder;
    const std::filesystem::path path = folder / "dic.lxd";
    WriteDictionary(path, EveryShortWord());
    ASSERT_TRUE(std::filesystem::exists(WordIndexPathOf(path)));
    tampering.tamper(path);
    const Dictionary dictionary(path);
    std::string note;
    const WordIndex index(OpenWordIndex(dictionary, note));
    EXPECT_NE(note.find(tampering.noteHolds), std::string::npos) << note;
    EXPECT_EQ(note.empty(), std::string(tampering.noteHolds).empty()) << note;
    for (int length = 3; length <= 5; ++length) {
      ASSERT_EQ(index.RecordCount(length), dictionary.RecordCount(length));
      for (int k = 1; k <= index.RecordCount(length); ++k) {
        ASSERT_EQ(index.Record(length, k), dictionary.Record(length, k));
      }
    }
    std::string problem;
    EXPECT_TRUE(WordIndexImage::Map(dictionary, problem).has_value()) << problem;
  }
}

// The file is the same on every machine: its numbers are little-endian, read here byte by
// byte as a machine of either order would, at the places its layout gives them.
TEST(WordIndexFile, HoldsItsNumbersLittleEndian) {
  TempFolder folder;
  const std::filesystem::path path = folder / "dic.lxd";
  WriteDictionary(path, EveryShortWord());
  const std::string bytes = ReadWholeFile(WordIndexPathOf(path));
  auto number = [&](size_t at, int size) {
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
      value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
  };
  ASSERT_GT(bytes.size(), 1184u);
  EXPECT_EQ(bytes.substr(0, 8), "WRDINDEX");
  EXPECT_EQ(number(8, 4), 4u);            // the version
  EXPECT_EQ(number(12, 4), 0x01020304u);  // the byte order mark
  EXPECT_EQ(number(32, 8), bytes.size());
  const Dictionary dictionary(path);
  const size_t table = 144 + 3 * 80;  // the header of the 3-letter words
  EXPECT_EQ(number(table, 4), 3u);
  EXPECT_EQ(number(table + 4, 4), static_cast<std::uint64_t>(dictionary.RecordCount(3)));
  const WordRecord first = dictionary.Record(3, 1);
  EXPECT_EQ(number(number(table + 8, 8), 4), static_cast<std::uint64_t>(first.ID));
  EXPECT_EQ(number(number(table + 24, 8), 4), static_cast<std::uint64_t>(first.Yst[0]));
}

// A learnt clue moves its word's Japanese-clue mark with it, as an index made anew from the
// learnt tables has it, both ways.
TEST(WordIndexFile, LearntCluesCarryTheirJapaneseClueMark) {
  TempFolder folder;
  const std::filesystem::path path = folder / "dic.lxd";
  WriteDictionary(path, EveryShortWord());
  for (const char32_t* clue : {U"日本語の問", U"an English clue"}) {
    WordRecord word = Dictionary(path).Record(3, 1);
    word.Qst = clue;
    ASSERT_EQ(LearnWordTexts(path, {word}), 1);
    const Dictionary dictionary(path);
    std::string note;
    const WordIndex learnt(OpenWordIndex(dictionary, note));
    EXPECT_EQ(note, "");  // the learnt file was taken, not made again
    EXPECT_EQ(learnt.HasJapaneseClue(3, 1), clue[0] != U'a') << ToUtf8(clue);
    EXPECT_EQ(WordIndex(dictionary).HasJapaneseClue(3, 1), learnt.HasJapaneseClue(3, 1));
  }
}

// Made by a package build (SOURCE_DATE_EPOCH set), an index does not depend on the file it
// was made beside: the same words give the same file, and it still opens.
TEST(WordIndexFile, IsTheSameFileWhereverAPackageBuildMakesIt) {
  TempFolder first, second;
  setenv("SOURCE_DATE_EPOCH", "1765256400", 1);
  WriteDictionary(first / "dic.lxd", EveryShortWord());
  WriteDictionary(second / "dic.lxd", EveryShortWord());
  unsetenv("SOURCE_DATE_EPOCH");
  EXPECT_EQ(ReadWholeFile(first / "dic.wdx"), ReadWholeFile(second / "dic.wdx"));
  std::string problem;
  EXPECT_TRUE(WordIndexImage::Map(Dictionary(second / "dic.lxd"), problem).has_value()) << problem;
}

}  // namespace
}  // namespace crossword
