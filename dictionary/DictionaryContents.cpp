#include "dictionary/DictionaryContents.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "common/FileOps.h"
#include "common/GridModel.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "dictionary/Dictionary.h"
#include "dictionary/DictionaryWriter.h"
#include "dictionary/IndexFile.h"
#include "dictionary/SqliteDatabase.h"
#include "dictionary/WordIndexFile.h"
#include "dictionary/WordTables.h"

namespace crossword {

namespace {

// The texts `learnt` gives words of the dictionary at `path`, as changes of its word
// index, which matches its word tables: only those that differ from what it holds.
std::vector<WordTextChange> LearntChanges(const std::filesystem::path& path,
                                          const WordIndexImage& index,
                                          const std::vector<WordRecord>& learnt) {
  std::map<std::pair<int, int>, int> positionOf;  // (length, ID) -> k, for the lengths learnt
  std::set<int> lengths;
  for (const WordRecord& wanted : learnt) {
    const int length = static_cast<int>(wanted.Yst.size());
    if (length < AnswerLenMin || length > AnswerLenMax || !lengths.insert(length).second) continue;
    const IndexedTable& table = index.Table(length);
    for (int k = 1; k <= table.count; ++k) {
      positionOf.emplace(std::pair(length, table.words[k - 1].ID), k);
    }
  }
  std::vector<WordTextChange> changes;
  std::map<std::pair<int, int>, const WordRecord*> learntHere;
  for (const WordRecord& wanted : learnt) {
    const int length = static_cast<int>(wanted.Yst.size());
    const std::string word = "word " + std::to_string(wanted.ID) + " '" + ToUtf8(wanted.Yst) + "'";
    const auto found = positionOf.find({length, wanted.ID});
    if (found == positionOf.end()) {
      throw DictionaryError(path, "has no " + word + " in table " + TableName(length) +
                                      ": the dictionary does not match the set");
    }
    const IndexedTable& table = index.Table(length);
    const int k = found->second;
    if (table.Reading(k) != wanted.Yst) {
      throw DictionaryError(path, "reads " + word + " as '" + ToUtf8(table.Reading(k)) +
                                      "': the puzzle set was not made from this dictionary");
    }
    const auto [first, isFirst] = learntHere.emplace(found->first, &wanted);
    if (!isFirst) {
      // One word asked twice in a set, each time with its own clue: which is meant?
      if (first->second->Qst != wanted.Qst || first->second->Ast != wanted.Ast) {
        throw DictionaryError(path, word + " is given two different clues or written forms");
      }
      continue;
    }
    const IndexedWord& stored = table.words[k - 1];
    WordTextChange change{length, k, ToUtf8(wanted.Qst), ToUtf8(wanted.Ast)};
    if (table.Text(stored.QstOffset, stored.QstSize) != change.Qst ||
        table.Text(stored.AstOffset, stored.AstSize) != change.Ast) {
      changes.push_back(std::move(change));
    }
  }
  return changes;
}

// Changes the words' texts in a copy of the dictionary file that then takes its place, so
// that a program reading the dictionary meanwhile keeps reading the file it opened.
void UpdateWordTexts(const std::filesystem::path& path,
                     const std::vector<WordTextChange>& changes) {
  const std::filesystem::path working = path.string() + ".learn.part";
  try {
    std::error_code error;
    std::filesystem::copy_file(path, working, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (error) throw FileError(path, "cannot be copied: " + error.message(), error.value());
    {
      const SqliteDatabase db(working, SqliteDatabase::Mode::Update);
      db.Execute("BEGIN");
      for (const WordTextChange& change : changes) {
        SqliteStatement update = db.Prepare("UPDATE " + TableName(change.length) +
                                            " SET Qst = ?1, Ast = ?2 WHERE rowid = ?3");
        update.Bind(1, change.Qst).Bind(2, change.Ast).Bind(3, change.k).Run();
      }
      db.Execute("COMMIT");
    }
    ReplaceFile(working, path);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(working, ignored);
    throw;
  }
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
  std::vector<WordTextChange> changes;
  std::optional<WordIndexImage> index;
  {
    const Dictionary dictionary(path);
    std::string note;
    index.emplace(OpenWordIndex(dictionary, note));
    changes = LearntChanges(path, *index, learnt);
  }
  if (changes.empty()) return 0;
  UpdateWordTexts(path, changes);
  // The word index follows the new file; were it not written, the next opening would find
  // it made from other word tables and make it again.
  index->WithTexts(Dictionary(path), changes).Write(WordIndexPathOf(path));
  return static_cast<int>(changes.size());
}

}  // namespace crossword
