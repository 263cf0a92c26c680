#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "common/GridModel.h"

// The word index file (.wdx) beside a dictionary: every word of its tables laid out as the
// fill reads them, with the words of each letter at each position. It is mapped into
// memory, not parsed, so a run starts at once; it is used only while it matches the word
// tables it was made from, and made again otherwise. Its numbers are little-endian on
// every machine.
namespace crossword {

class Dictionary;

struct IndexedWord {
  std::int32_t ID, QN, AN, SN;
  std::uint32_t QstOffset, QstSize, AstOffset, AstSize;  // UTF-8, in the table's texts
};

// What a selection asks of a word, apart: a fill reads it for every word of a length.
struct IndexedClass {
  std::int32_t CN, BN;
  std::int32_t japaneseClue;  // 1 when its clue is Japanese, which the thorough search prefers
};

// The words with `letter` at one position: postings[first .. first + count), stored order.
struct LetterRange {
  std::uint32_t letter;
  std::int32_t first, count;
};

// One length's words in stored order; word k is at k - 1.
struct IndexedTable {
  int length = 0;
  int count = 0;
  const IndexedWord* words = nullptr;
  const IndexedClass* classes = nullptr;  // word k's at k - 1
  const char32_t* readings = nullptr;     // word k's reading at (k - 1) * length
  const std::int32_t* postings = nullptr;
  const LetterRange* ranges = nullptr;         // by position, each sorted by letter
  const std::uint32_t* rangeStarts = nullptr;  // position p's ranges from rangeStarts[p - 1]
  std::string_view texts;

  std::u32string_view Reading(int k) const {
    return {readings + static_cast<size_t>(k - 1) * length, static_cast<size_t>(length)};
  }
  // Checked when read, not when the file is opened: that would read every word's entry.
  std::string_view Text(std::uint32_t offset, std::uint32_t size) const {
    if (std::uint64_t{offset} + size > texts.size()) {
      throw std::out_of_range("the word index is damaged: a text lies outside its table");
    }
    return texts.substr(offset, size);
  }
  // The words with `letter` at `position` (1..length); nullptr when there are none.
  const LetterRange* Find(int position, char32_t letter) const;
};

// New texts of word k of a length's table, UTF-8.
struct WordTextChange {
  int length = 0;
  int k = 0;
  std::string Qst, Ast;
};

class WordIndexImage {
 public:
  // From the dictionary's word tables, in memory.
  static WordIndexImage Build(const Dictionary& dictionary);
  // This image with the texts of some words changed, for `dictionary`, whose word tables
  // are this image's with those changes: nothing else is read from it.
  WordIndexImage WithTexts(const Dictionary& dictionary,
                           const std::vector<WordTextChange>& changes) const;
  // The index file of the dictionary, mapped. Nothing when there is none; nothing with
  // `problem` set when it was made from other word tables or is damaged.
  static std::optional<WordIndexImage> Map(const Dictionary& dictionary, std::string& problem);

  // Writes the image to `path` through a working file, replacing an older one.
  void Write(const std::filesystem::path& path) const;
  const IndexedTable& Table(int length) const { return tables_.at(length); }

 private:
  WordIndexImage(std::shared_ptr<const void> owner, std::span<const std::byte> bytes);
  // The image of these bytes, checked as a built one is.
  static WordIndexImage Attached(const Dictionary& dictionary,
                                 std::shared_ptr<std::vector<std::byte>> bytes);
  // Empty when the image holds together, else what is wrong; its checksum is worked out
  // only when `checkSum`.
  std::string Attach(bool checkSum);

  std::shared_ptr<const void> owner_;  // the bytes: a vector or a mapping
  std::span<const std::byte> bytes_;   // as in the file: little-endian
  // On a big-endian machine, the bytes turned into its order: what the tables point into.
  std::shared_ptr<const std::vector<std::byte>> turned_;
  std::array<IndexedTable, AnswerLenMax + 1> tables_{};
};

// "NAME.lxd" -> "NAME.wdx", beside it.
std::filesystem::path WordIndexPathOf(const std::filesystem::path& dictionary);

// The dictionary's index: its file when that fits the word tables, else made from them and
// written beside it. `note` tells of a file that did not fit or could not be written.
WordIndexImage OpenWordIndex(const Dictionary& dictionary, std::string& note);

// Writes the index file of the dictionary at `dictionary`, once its tables are complete.
void WriteWordIndexFile(const std::filesystem::path& dictionary);

}  // namespace crossword
