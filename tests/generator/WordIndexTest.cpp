#include <gtest/gtest.h>

#include "dictionary/DictionaryWriter.h"
#include "generator/engine/WordIndex.h"
#include "tests/generator/GeneratorTestKit.h"

namespace crossword {
namespace {

using testing::EveryShortWord;
using testing::TempFolder;

// The index must answer every search and read exactly as the dictionary does.
TEST(WordIndex, FindsWhatTheDictionaryFindsInStoredOrder) {
  TempFolder folder;
  std::vector<WordRecord> words = EveryShortWord();
  words.push_back(testing::Word(900, "ア'イ", 5, 9));
  WriteDictionary(folder / "dic.lxd", words);
  const Dictionary dictionary(folder / "dic.lxd");
  const WordIndex index(dictionary);

  using Letters = std::vector<std::pair<int, char32_t>>;
  const std::vector<std::pair<int, WordQuery>> queries = {
      {3, {}},
      {3, {U"イウア", {}}},
      {3, {U"ア'イ", {}}},
      {3, {U"アアエ", {}}},
      {4, {U"", Letters{{1, U'ア'}}}},
      {5, {U"", Letters{{2, U'ウ'}, {5, U'ア'}}}},
      {5, {U"", Letters{{1, U'イ'}, {3, U'イ'}, {4, U'ウ'}}}},
      {3, {U"", Letters{{2, U'\''}}}},
      {4, {U"", Letters{{2, U'エ'}}}},
      {6, {}},
  };
  for (const auto& [length, query] : queries) {
    EXPECT_EQ(index.FindAll(length, query), dictionary.FindAll(length, query)) << length;
    EXPECT_EQ(index.HasMatch(length, query), dictionary.HasMatch(length, query)) << length;
  }
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    ASSERT_EQ(index.RecordCount(length), dictionary.RecordCount(length));
    for (int k = 1; k <= index.RecordCount(length); k += 7) {
      EXPECT_EQ(index.ClassOf(length, k), dictionary.ClassOf(length, k));
      EXPECT_EQ(index.Record(length, k), dictionary.Record(length, k));
    }
  }
}

}  // namespace
}  // namespace crossword
