#include "dictionary/DictionaryContents.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "common/GridModel.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "dictionary/IndexFile.h"
#include "dictionary/WordTables.h"

namespace crossword {

namespace {

WordRecord& WordOf(const std::filesystem::path& path, std::vector<WordRecord>& words,
                   const std::map<std::pair<int, int>, size_t>& byTableAndID,
                   const WordRecord& wanted) {
  const int length = static_cast<int>(wanted.Yst.size());
  const std::string word = "word " + std::to_string(wanted.ID) + " '" + ToUtf8(wanted.Yst) + "'";
  const auto found = byTableAndID.find({length, wanted.ID});
  if (found == byTableAndID.end()) {
    throw DictionaryError(path, "has no " + word + " in table " + TableName(length) +
                                    ": the dictionary does not match the set");
  }
  WordRecord& stored = words[found->second];
  if (stored.Yst != wanted.Yst) {
    throw DictionaryError(path, "reads " + word + " as '" + ToUtf8(stored.Yst) +
                                    "': the puzzle set was not made from this dictionary");
  }
  return stored;
}

// Takes the texts of `learnt` into `words`; how many words changed.
int TakeLearntTexts(const std::filesystem::path& path, std::vector<WordRecord>& words,
                    const std::vector<WordRecord>& learnt) {
  std::map<std::pair<int, int>, size_t> byTableAndID;
  for (size_t i = 0; i < words.size(); ++i) {
    byTableAndID.emplace(std::pair(static_cast<int>(words[i].Yst.size()), words[i].ID), i);
  }
  int changed = 0;
  std::set<const WordRecord*> learntHere;
  for (const WordRecord& wanted : learnt) {
    WordRecord& stored = WordOf(path, words, byTableAndID, wanted);
    const bool differs = stored.Qst != wanted.Qst || stored.Ast != wanted.Ast;
    if (!learntHere.insert(&stored).second) {
      // One word asked twice in a set, each time with its own clue: which is meant?
      if (differs) {
        throw DictionaryError(path, "word " + std::to_string(wanted.ID) + " '" +
                                        ToUtf8(wanted.Yst) +
                                        "' is given two different clues or written forms");
      }
      continue;
    }
    if (!differs) continue;
    stored.Qst = wanted.Qst;
    stored.Ast = wanted.Ast;
    ++changed;
  }
  return changed;
}

}  // namespace

void TextNumbering::Take(const std::u32string& text, int number) {
  if (number != 0) numbers_.emplace(text, number);
  highest_ = std::max(highest_, number);
}

int TextNumbering::NumberOf(const std::u32string& text) {
  const auto [found, added] = numbers_.try_emplace(text, highest_ + 1);
  if (added) ++highest_;
  return found->second;
}

DictionaryContents ReadDictionaryContents(const std::filesystem::path& path) {
  DictionaryContents contents;
  {
    const Dictionary dictionary(path);
    for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
      dictionary.ScanRecords(length,
                             [&](int, const WordRecord& word) { contents.Words.push_back(word); });
    }
  }
  std::stable_sort(contents.Words.begin(), contents.Words.end(),
                   [](const WordRecord& a, const WordRecord& b) { return a.ID < b.ID; });
  const auto index = path.parent_path() / IdxFileNameOf(path.filename().string());
  if (std::filesystem::exists(index)) contents.IndexLines = ReadTextLines(index);
  contents.Clues = ReadKeptClues(path);
  return contents;
}

void RewriteDictionary(const std::filesystem::path& path, const DictionaryContents& contents) {
  if (contents.IndexLines) {
    WriteDictionary(path, contents.Words, *contents.IndexLines, contents.Clues);
  } else {
    WriteDictionary(path, contents.Words, contents.Clues);
  }
}

AddedWords AddWords(DictionaryContents& contents, const std::vector<WordRecord>& words) {
  std::map<std::pair<std::u32string, std::u32string>, int> present;  // reading, written -> ID
  TextNumbering readings;
  TextNumbering clues;
  int highestId = 0;
  for (const WordRecord& word : contents.Words) {
    present.emplace(std::pair(word.Yst, word.Ast), word.ID);
    readings.Take(word.Yst, word.AN);
    clues.Take(word.Qst, word.QN);
    highestId = std::max(highestId, word.ID);
  }
  AddedWords added;
  for (WordRecord word : words) {
    const auto [found, isNew] = present.emplace(std::pair(word.Yst, word.Ast), highestId + 1);
    if (!isNew) {
      added.AlreadyPresent.push_back(ToUtf8(word.Yst) + " " + ToUtf8(word.Ast) + " is word " +
                                     std::to_string(found->second));
      continue;
    }
    word.ID = ++highestId;
    word.AN = word.AN == 0 ? readings.NumberOf(word.Yst) : word.AN;
    word.QN = word.QN == 0 ? clues.NumberOf(word.Qst) : word.QN;
    readings.Take(word.Yst, word.AN);
    clues.Take(word.Qst, word.QN);
    contents.Words.push_back(std::move(word));
    ++added.Added;
  }
  return added;
}

int LearnWordTexts(const std::filesystem::path& path, const std::vector<WordRecord>& learnt) {
  DictionaryContents contents = ReadDictionaryContents(path);
  const int changed = TakeLearntTexts(path, contents.Words, learnt);
  if (changed > 0) RewriteDictionary(path, contents);
  return changed;
}

}  // namespace crossword
