#include "dictionary/DictionaryCheck.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <unordered_map>

#include "common/FileError.h"
#include "common/FileNames.h"
#include "common/GridModel.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "dictionary/ClueText.h"
#include "dictionary/Dictionary.h"
#include "dictionary/IndexFile.h"
#include "dictionary/SqliteDatabase.h"
#include "dictionary/WordTables.h"

namespace crossword {

namespace {

void CheckRankFields(const std::filesystem::path& path, const IndexSection& section,
                     IndexSectionKind kind, std::vector<std::string>& problems) {
  const bool list = kind == IndexSectionKind::List;
  for (const IndexRow& row : section.Rows) {
    if (row.RowKind != IndexRow::Kind::Item) continue;
    for (int k = 1; k <= DifficultRankMax; ++k) {
      const auto text = row.RankField(k);
      if (text == U"yes" || text == U"no" || (list && text == U"1")) continue;
      problems.push_back(
          path.string() + ":" + std::to_string(row.LineNumber) + ": '" + ToUtf8(row.Text) +
          "' has " + (text ? "'" + ToUtf8(*text) + "'" : std::string("nothing")) + " for rank " +
          std::to_string(k) + "; write " + (list ? "yes, no or 1" : "yes or no"));
    }
  }
}

// The numbers words may carry; nothing when the index file cannot be read.
std::optional<ClassNumbers> CheckIndexFile(const std::filesystem::path& dictionary,
                                           std::vector<std::string>& problems) {
  const std::filesystem::path path =
      dictionary.parent_path() / IdxFileNameOf(dictionary.filename().string());
  if (!FileExists(path)) {
    problems.push_back(path.string() + ": the index file is missing, so no category or list " +
                       "can be chosen and no word asked");
    return std::nullopt;
  }
  std::vector<std::u32string> lines;
  try {
    lines = ReadTextLines(path);
  } catch (const FileError& error) {
    problems.push_back(error.what());
    return std::nullopt;
  }
  const IndexSection categories = ReadIndexSection(path, lines, IndexSectionKind::Category);
  const IndexSection lists = ReadIndexSection(path, lines, IndexSectionKind::List);
  for (const auto& [section, kind] : {std::pair(&categories, IndexSectionKind::Category),
                                      std::pair(&lists, IndexSectionKind::List)}) {
    problems.insert(problems.end(), section->Problems.begin(), section->Problems.end());
    CheckRankFields(path, *section, kind, problems);
  }
  return UsableClassNumbers(categories, lists);
}

// What the check gathers from all tables.
struct Gathered {
  std::unordered_map<std::int64_t, std::string> ids;  // ID -> the word that has it
};

// Checks the rows of one table, every field of every word.
class TableCheck {
 public:
  TableCheck(const std::filesystem::path& path, int length,
             const std::optional<ClassNumbers>& numbers, Gathered& gathered,
             std::vector<std::string>& problems)
      : path_(path), length_(length), numbers_(numbers), gathered_(gathered), problems_(problems) {}

  void Run(const SqliteDatabase& db) {
    std::string columns = "rowid";
    for (const WordField& field : WordFieldsOf(length_)) columns += ", " + field.Name;
    SqliteStatement scan =
        db.Prepare("SELECT " + columns + " FROM " + TableName(length_) + " ORDER BY rowid");
    const auto fields = WordFieldsOf(length_);
    while (scan.Step()) {
      k_ = scan.Integer(0);
      values_.clear();
      bool typesHold = true;
      for (size_t i = 0; i < fields.size(); ++i) {
        typesHold = ReadField(scan, static_cast<int>(i) + 1, fields[i]) && typesHold;
      }
      if (typesHold) CheckWord();
    }
  }

 private:
  struct Value {
    std::int64_t Number = 0;
    std::u32string Text;
  };

  void Report(const std::string& field, const std::string& problem) {
    problems_.push_back(path_.string() + ": word " + std::to_string(k_) + " of table " +
                        TableName(length_) + (field.empty() ? "" : ", field " + field) + ": " +
                        problem);
  }

  bool ReadField(const SqliteStatement& scan, int column, const WordField& field) {
    Value& value = values_[field.Name];
    if (field.Kind == FieldKind::WholeNumber) {
      value.Number = scan.Integer(column);
      if (scan.ColumnType(column) == SQLITE_INTEGER &&
          value.Number >= std::numeric_limits<int>::min() &&
          value.Number <= std::numeric_limits<int>::max()) {
        return true;
      }
      Report(field.Name, "does not hold a whole number of 32 bits");
      return false;
    }
    if (scan.ColumnType(column) != SQLITE_TEXT) {
      Report(field.Name, "does not hold text");
      return false;
    }
    try {
      value.Text = FromUtf8(*scan.Text(column));
    } catch (const TextEncodingError& error) {
      Report(field.Name, error.what());
      return false;
    }
    return true;
  }

  void CheckText(const std::string& field) {
    const std::u32string& text = values_[field].Text;
    for (char32_t c : text) {
      if (c == U',' || c == U'\r' || c == U'\n') {
        Report(field, "holds " + DescribeCharacter(c) + ", which would break a puzzle file line");
        break;
      }
    }
    try {
      EncodeCp932(text);
    } catch (const TextEncodingError& error) {
      Report(field, error.what());
    }
  }

  void CheckReading() {
    const std::u32string& Yst = values_["Yst"].Text;
    if (static_cast<int>(Yst.size()) != length_) {
      Report("Yst", "'" + ToUtf8(Yst) + "' has " + std::to_string(Yst.size()) + " letters");
      return;
    }
    for (int k = 1; k <= length_; ++k) {
      const char32_t letter = Yst[k - 1];
      if (letter == WallMark || letter == BlankMark || letter < U' ') {
        Report("Yst", "letter " + std::to_string(k) + " is " + DescribeCharacter(letter) +
                          ", which cannot stand in a grid cell");
      }
      const std::u32string& field = values_[YFieldName(k)].Text;
      if (field != std::u32string(1, letter)) {
        Report(YFieldName(k), "'" + ToUtf8(field) + "' is not letter " + std::to_string(k) +
                                  " of '" + ToUtf8(Yst) + "'");
      }
    }
  }

  void CheckNumbers() {
    const std::int64_t id = values_["ID"].Number;
    const std::string here = TableName(length_) + " word " + std::to_string(k_);
    if (id < 1) Report("ID", std::to_string(id) + " is not a word identifier (1 or more)");
    if (auto [found, added] = gathered_.ids.emplace(id, here); !added) {
      Report("ID", std::to_string(id) + " is already the identifier of " + found->second);
    }
    if (!numbers_) return;
    const std::int64_t CN = values_["CN"].Number;
    const std::int64_t BN = values_["BN"].Number;
    if (!numbers_->Categories.contains(static_cast<int>(CN))) {
      Report("CN", std::to_string(CN) + " is no category of the index file");
    }
    if (!numbers_->Lists.contains(static_cast<int>(BN))) {
      Report("BN", std::to_string(BN) + " is no list of the index file");
    }
  }

  // A reading's letters are checked as grid cells, and line breaks as breaking a line.
  void CheckPrintable(const std::string& field) {
    if (auto problem = ControlCharacterProblem(values_[field].Text)) Report(field, *problem);
  }

  // A word a fill would ask as "1.  (3)": without a clue, or without a written form.
  void CheckFilledIn() {
    for (const char* field : {"Qst", "Ast"}) {
      if (values_[field].Text.empty()) Report(field, "is empty");
    }
    for (const char* field : {"AN", "SN"}) {
      if (values_[field].Number < 0)
        Report(field, std::to_string(values_[field].Number) + " is below 0");
    }
  }

  // Blanks left where a part of the text was taken out.
  void CheckClueBlanks() {
    const std::u32string& Qst = values_["Qst"].Text;
    if (HasStrayBlanks(Qst)) {
      Report("Qst", "'" + ToUtf8(Qst) + "' begins or ends with a blank or holds two together");
    }
  }

  void CheckWord() {
    CheckReading();
    for (const char* field : {"Yst", "Qst", "Ast"}) CheckText(field);
    for (const char* field : {"Qst", "Ast"}) CheckPrintable(field);
    CheckFilledIn();
    CheckClueBlanks();
    CheckNumbers();
  }

  const std::filesystem::path& path_;
  int length_;
  const std::optional<ClassNumbers>& numbers_;
  Gathered& gathered_;
  std::vector<std::string>& problems_;
  std::int64_t k_ = 0;                             // the word being checked
  std::unordered_map<std::string, Value> values_;  // its fields by name
};

}  // namespace

std::vector<std::string> CheckDictionary(const std::filesystem::path& path) {
  try {
    Dictionary opened(path);  // tables, fields, declared types and stored order
  } catch (const DictionaryError& error) {
    return {error.what()};
  }
  std::vector<std::string> problems;
  const std::optional<ClassNumbers> numbers = CheckIndexFile(path, problems);
  const SqliteDatabase db(path, SqliteDatabase::Mode::ReadOnly);
  Gathered gathered;
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    TableCheck(path, length, numbers, gathered, problems).Run(db);
  }
  return problems;
}

}  // namespace crossword
