#include "dictionary/DictionaryUpdate.h"

#include <map>
#include <set>
#include <utility>

#include "common/FileNames.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "dictionary/IndexFile.h"
#include "dictionary/WordTables.h"

namespace crossword {

namespace {

std::vector<WordRecord> ReadAllWords(const std::filesystem::path& path) {
  const Dictionary dictionary(path);
  std::vector<WordRecord> words;
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    dictionary.ScanRecords(length, [&](int, const WordRecord& word) { words.push_back(word); });
  }
  return words;
}

WordRecord& WordOf(const std::filesystem::path& path, std::vector<WordRecord>& words,
                   const std::map<std::pair<int, int>, size_t>& byTableAndID,
                   const WordRecord& wanted) {
  const int length = static_cast<int>(wanted.Yst.size());
  const std::string word = "word " + std::to_string(wanted.ID) + " '" + ToUtf8(wanted.Yst) + "'";
  const auto found = byTableAndID.find({length, wanted.ID});
  if (found == byTableAndID.end()) {
    throw DictionaryError(path, "has no " + word + " in table " + TableName(length));
  }
  WordRecord& stored = words[found->second];
  if (stored.Yst != wanted.Yst) {
    throw DictionaryError(path, "reads " + word + " as '" + ToUtf8(stored.Yst) +
                                    "': the puzzle set was not made from this dictionary");
  }
  return stored;
}

}  // namespace

void RewriteDictionary(const std::filesystem::path& path,
                       const std::function<bool(std::vector<WordRecord>& words)>& change) {
  std::vector<WordRecord> words = ReadAllWords(path);
  if (!change(words)) return;
  const std::filesystem::path index = path.parent_path() / IdxFileNameOf(path.filename().string());
  if (FileExists(index)) {
    WriteDictionary(path, words, ReadTextLines(index));
  } else {
    WriteDictionary(path, words);
  }
}

int LearnWordTexts(const std::filesystem::path& path, const std::vector<WordRecord>& learnt) {
  int changed = 0;
  RewriteDictionary(path, [&](std::vector<WordRecord>& words) {
    std::map<std::pair<int, int>, size_t> byTableAndID;
    for (size_t i = 0; i < words.size(); ++i) {
      byTableAndID.emplace(std::pair(static_cast<int>(words[i].Yst.size()), words[i].ID), i);
    }
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
    return changed > 0;
  });
  return changed;
}

}  // namespace crossword
