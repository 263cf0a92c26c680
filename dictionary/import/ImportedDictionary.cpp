#include "dictionary/import/ImportedDictionary.h"

#include "common/NumberText.h"
#include "dictionary/DictionaryContents.h"
#include "dictionary/DictionaryWriter.h"

namespace crossword {

namespace {

std::u32string TwoDigits(int number) {
  return (number < 10 ? U"0" : U"") + DecimalText(number);
}

void AddSection(std::vector<std::u32string>& lines, std::u32string_view start,
                const std::vector<IndexItem>& items) {
  lines.emplace_back(start);
  for (size_t i = 0; i < items.size(); ++i) {
    const IndexItem& item = items[i];
    if (!item.Heading.empty()) lines.push_back(item.Heading);
    std::u32string row = TwoDigits(static_cast<int>(i) + 1) + item.Name;
    for (std::u32string_view rank : item.Ranks) row += U"," + std::u32string(rank);
    lines.push_back(row);
  }
  lines.emplace_back(U";ここまで");
}

}  // namespace

std::vector<std::u32string> IndexFileLines(const ImportedDictionary& dictionary) {
  std::vector<std::u32string> lines = {U";" + dictionary.Title,
                                       U";行の形：番号２けたと名前,初級,中級,上級,ウルトラ上級,"
                                       U"スーパーおたく級（yes/no、一覧は１問だけなら1）"};
  AddSection(lines, U";次行より「分野」の指定", dictionary.Categories);
  AddSection(lines, U";次行より「リスト」（一覧データ）の指定", dictionary.Lists);
  return lines;
}

void WriteImportedDictionary(ImportedDictionary& dictionary, const std::filesystem::path& path) {
  TextNumbering readings;
  TextNumbering clues;
  KeptClues kept;
  int id = 0;
  for (size_t k = 0; k < dictionary.Words.size(); ++k) {
    WordRecord& word = dictionary.Words[k];
    word.ID = ++id;
    word.AN = readings.NumberOf(word.Yst);
    word.QN = clues.NumberOf(word.Qst);
    if (k < dictionary.Clues.size() && !dictionary.Clues[k].empty()) {
      kept[word.ID] = dictionary.Clues[k];
    }
  }
  WriteDictionary(path, dictionary.Words, IndexFileLines(dictionary), kept);
}

}  // namespace crossword
