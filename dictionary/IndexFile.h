#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The index file (.idx) beside a dictionary: a category section and a list section, each
// a run of rows that name the categories or lists and say, per difficulty rank, whether a
// puzzle of that rank asks their words.
namespace crossword {

constexpr int DifficultRankMax = 5;  // ranks 1..5 have a column in the index file

enum class IndexSectionKind { Category, List };

// One row of a section, as the selection table shows it.
struct IndexRow {
  enum class Kind { Heading, Item, EmptyLine };
  Kind RowKind = Kind::EmptyLine;
  int LineNumber = 0;                  // line of the index file
  int TableLine = 0;                   // the first table line the row takes, from 1
  std::u32string Text;                 // a heading's whole first field, an item's name
  int Number = 0;                      // an item's category or list number
  std::vector<std::u32string> Fields;  // the fields after the first: rank k's at k - 1

  // The text of rank k's column; nothing when the row has no such field.
  std::optional<std::u32string> RankField(int k) const;
};

struct IndexSection {
  std::vector<IndexRow> Rows;
  int ItemCount = 0;       // CategoryCount or ListCount
  int TableLineCount = 0;  // lines of the table: one per row, two per list item
  // What makes the section unsafe to use as it stands, "file:line: what is wrong".
  std::vector<std::string> Problems;
};

// The category and list numbers a word may carry: those of the items the selection tables
// can hold (list 0, no list, is always allowed).
struct ClassNumbers {
  std::set<int> Categories;
  std::set<int> Lists;
};
ClassNumbers UsableClassNumbers(const IndexSection& categories, const IndexSection& lists);

// A dictionary's index file name: the base name of DicFileName + ".idx".
std::string IdxFileNameOf(const std::string& DicFileName);

// Reads one section from the lines of the index file at `path`, searching from its first
// line. A missing section reads as empty; a section without end line runs to the last line.
IndexSection ReadIndexSection(const std::filesystem::path& path,
                              const std::vector<std::u32string>& lines, IndexSectionKind kind);

// The numeric value of the leading characters of a text as the index file's number columns
// are read: blanks skipped, an optional sign, digits with at most one decimal point.
double LeadingValue(std::u32string_view text);

}  // namespace crossword
