#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/FileError.h"
#include "common/GridModel.h"
#include "dictionary/WordRecord.h"

// The word dictionary (.lxd): an SQLite database with one table per answer length,
// "L2" .. "L12". Stored order is rowid order 1..N. Both programs only read it.
namespace crossword {

// Word counts per answer length, indexed 2..12 (0 and 1 unused).
using WordCounts = std::array<int, AnswerLenMax + 1>;

// The dictionary file cannot be used: not a database, a table or field missing or of
// the wrong type. The message names the file and what is wrong.
class DictionaryError : public FileError {
 public:
  using FileError::FileError;
};

// An open dictionary with its eleven tables, kept open until destroyed.
class Dictionary {
 public:
  // Opens the file read-only and checks every table and field; throws DictionaryError.
  explicit Dictionary(const std::filesystem::path& path);
  ~Dictionary();
  Dictionary(Dictionary&&) noexcept;
  Dictionary& operator=(Dictionary&&) noexcept;

  const std::filesystem::path& Path() const;

  // Number of words of this length (2..12).
  int RecordCount(int length) const;
  // Word k (1..RecordCount) of the table in stored order.
  WordRecord Record(int length, int k) const;
  // Category and list number of word k, without the rest of the record.
  std::pair<int, int> ClassOf(int length, int k) const;  // {CN, BN}
  // Every word of the table with its position k, in stored order.
  void ScanRecords(int length, const std::function<void(int k, const WordRecord&)>& visit) const;
  // The same without decoding the texts: the quick way to read a whole table.
  void ScanStoredWords(int length,
                       const std::function<void(int k, const StoredWord&)>& visit) const;

 private:
  struct Store;
  std::unique_ptr<Store> store_;
};

// Opens the dictionary DicPath + DicFileName (the folder ends with "/").
Dictionary OpenDictionary(const std::string& DicPath, const std::string& DicFileName);

// 0 = English (the first word of length 2 begins with a full-width capital "Ａ".."Ｚ"),
// 1 = Japanese. An empty "L2" is passed over for the first table holding a word; a
// dictionary without any word counts as Japanese.
int DetectAnswerLang(const Dictionary& dictionary);

// The number of words of each length, 0 for an empty table.
WordCounts CountDicWords(const Dictionary& dictionary);
// The same for the dictionary file at `path`, open only while counting.
WordCounts CountDicWords(const std::filesystem::path& path);

}  // namespace crossword
