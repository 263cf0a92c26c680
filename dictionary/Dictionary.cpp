#include "dictionary/Dictionary.h"

#include <cctype>
#include <limits>
#include <stdexcept>
#include <unordered_map>

#include "common/TextCodec.h"
#include "dictionary/SqliteDatabase.h"
#include "dictionary/WordTables.h"

namespace crossword {

namespace {

constexpr char kRecordColumns[] = "ID, Yst, Qst, Ast, CN, BN, QN, AN, SN";

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// SQLite's own rule for the kind of value a declared column type keeps.
bool DeclaredTypeHolds(const std::string& declared, FieldKind kind) {
  const std::string type = Upper(declared);
  if (kind == FieldKind::WholeNumber) return type.find("INT") != std::string::npos;
  for (const char* text : {"CHAR", "CLOB", "TEXT"}) {
    if (type.find(text) != std::string::npos) return true;
  }
  return false;
}

// `info` lists a table's fields: "SELECT name, type FROM pragma_table_info(?1)".
void CheckFields(const SqliteDatabase& db, SqliteStatement& info, int length) {
  const std::string table = TableName(length);
  info.Reset();
  info.Bind(1, table);
  std::unordered_map<std::string, std::string> declared;  // upper-case name -> type
  while (info.Step()) declared[Upper(std::string(*info.Text(0)))] = info.Text(1).value_or("");
  if (declared.empty()) {
    throw DictionaryError(db.Path(), "not a usable dictionary: it has no table \"" + table +
                                         "\" (a dictionary holds the tables L2 to L12)");
  }
  for (const WordField& field : WordFieldsOf(length)) {
    const auto found = declared.find(Upper(field.Name));
    if (found == declared.end()) {
      throw DictionaryError(db.Path(),
                            "table \"" + table + "\" has no field \"" + field.Name + "\"");
    }
    if (!DeclaredTypeHolds(found->second, field.Kind)) {
      throw DictionaryError(
          db.Path(), "field \"" + field.Name + "\" of table \"" + table + "\" is declared as '" +
                         found->second + "'; it must hold " +
                         (field.Kind == FieldKind::Text ? "text" : "whole numbers"));
    }
  }
}

std::int64_t SingleNumber(const SqliteDatabase& db, const std::string& sql) {
  SqliteStatement statement = db.Prepare(sql);
  statement.Step();
  return statement.Integer(0);
}

// The number of words: positions 1..count are the stored order, the rowids from 1 on.
// Counting the rows would read the whole table at every open; a row missing between the
// first and the last is reported when it is read, and no word index is made past it.
int CountStoredWords(const SqliteDatabase& db, int length) {
  const std::string table = TableName(length);
  // Two subqueries: each finds its end of the rowids at once, where min and max together
  // would scan the table.
  SqliteStatement ends = db.Prepare("SELECT (SELECT ifnull(min(rowid), 1) FROM " + table +
                                    "), (SELECT ifnull(max(rowid), 0) FROM " + table + ")");
  ends.Step();
  const std::int64_t first = ends.Integer(0);
  const std::int64_t last = ends.Integer(1);
  if (first != 1 || last > std::numeric_limits<int>::max()) {
    const std::int64_t count = SingleNumber(db, "SELECT count(*) FROM " + table);
    throw DictionaryError(db.Path(), "the words of table \"" + table + "\" are not numbered 1.." +
                                         std::to_string(count) + " in stored order (rowid " +
                                         std::to_string(first) + ".." + std::to_string(last) + ")");
  }
  return static_cast<int>(last);
}

void CheckLength(int length) {
  if (length < AnswerLenMin || length > AnswerLenMax) {
    throw std::out_of_range("no dictionary table for words of " + std::to_string(length) +
                            " letters");
  }
}

}  // namespace

struct Dictionary::Store {
  explicit Store(const std::filesystem::path& file) : db(file, SqliteDatabase::Mode::ReadOnly) {}

  // A statement of the given text, prepared on first use and kept for later scans.
  SqliteStatement& Query(const std::string& sql) {
    auto found = queries.find(sql);
    if (found == queries.end()) found = queries.emplace(sql, db.Prepare(sql)).first;
    found->second.Reset();
    return found->second;
  }

  int CountOf(int length) {
    CheckLength(length);
    return counts[length];
  }

  // Reads columns of word k through a statement Query keeps; the statement is reset after it, so
  // no read stays open between calls.
  template <typename Read>
  auto ReadAt(int length, int k, const char* columns, Read read) {
    const int count = CountOf(length);
    if (k < 1 || k > count) {
      throw std::out_of_range("word " + std::to_string(k) + " of table " + TableName(length) +
                              ", which holds " + std::to_string(count));
    }
    SqliteStatement& positioned = Query(std::string("SELECT ") + columns + " FROM " +
                                        TableName(length) + " WHERE rowid = ?1");
    positioned.Bind(1, k);
    if (!positioned.Step()) {
      throw DictionaryError(db.Path(), "word " + std::to_string(k) + " of table \"" +
                                           TableName(length) + "\" is missing");
    }
    auto result = read(positioned);
    positioned.Reset();
    return result;
  }

  SqliteDatabase db;
  std::array<int, AnswerLenMax + 1> counts{};                // words per table
  std::unordered_map<std::string, SqliteStatement> queries;  // by their text
};

namespace {

// Reads one column of the current row and says exactly where a foreign file goes wrong.
class RowReader {
 public:
  RowReader(const SqliteStatement& statement, const std::filesystem::path& path, int length, int k)
      : statement_(statement), path_(path), length_(length), k_(k) {}

  int Number(int column, const char* field) const {
    const std::int64_t value = statement_.Integer(column);
    if (statement_.ColumnType(column) != SQLITE_INTEGER ||
        value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
      Fail(field, "does not hold a whole number");
    }
    return static_cast<int>(value);
  }

  // The text of a column, checked to be UTF-8 but not decoded.
  std::string_view Utf8Text(int column, const char* field) const {
    const auto text = statement_.Text(column);
    if (statement_.ColumnType(column) != SQLITE_TEXT || !text) Fail(field, "does not hold text");
    try {
      CheckUtf8(*text);
    } catch (const TextEncodingError& error) {
      Fail(field, error.what());
    }
    return *text;
  }

  // The columns of kRecordColumns, starting at column `first`; the reading is decoded
  // into `reading`, which the result points into.
  StoredWord Stored(int first, std::u32string& reading) const {
    StoredWord word;
    word.ID = Number(first, "ID");
    reading.clear();
    AppendFromUtf8(Utf8Text(first + 1, "Yst"), reading);  // checked: cannot throw
    if (static_cast<int>(reading.size()) != length_) {
      Fail("Yst", "has " + std::to_string(reading.size()) + " letters");
    }
    word.Yst = reading;
    word.Qst = Utf8Text(first + 2, "Qst");
    word.Ast = Utf8Text(first + 3, "Ast");
    word.CN = Number(first + 4, "CN");
    word.BN = Number(first + 5, "BN");
    word.QN = Number(first + 6, "QN");
    word.AN = Number(first + 7, "AN");
    word.SN = Number(first + 8, "SN");
    return word;
  }

  WordRecord Record(int first) const {
    std::u32string reading;
    return Decoded(Stored(first, reading));
  }

  static WordRecord Decoded(const StoredWord& word) {
    return {word.ID,
            std::u32string(word.Yst),
            FromUtf8(word.Qst),
            FromUtf8(word.Ast),
            word.CN,
            word.BN,
            word.QN,
            word.AN,
            word.SN};
  }

 private:
  [[noreturn]] void Fail(const char* field, const std::string& problem) const {
    throw DictionaryError(path_, "word " + std::to_string(k_) + " of table \"" +
                                     TableName(length_) + "\": field \"" + field + "\" " + problem);
  }

  const SqliteStatement& statement_;
  const std::filesystem::path& path_;
  int length_;
  int k_;
};

}  // namespace

Dictionary::Dictionary(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) {
    throw DictionaryError(path, "the dictionary file does not exist");
  }
  store_ = std::make_unique<Store>(path);
  SqliteStatement info = store_->db.Prepare("SELECT name, type FROM pragma_table_info(?1)");
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    CheckFields(store_->db, info, length);
    store_->counts[length] = CountStoredWords(store_->db, length);
  }
}

Dictionary::~Dictionary() = default;
Dictionary::Dictionary(Dictionary&&) noexcept = default;
Dictionary& Dictionary::operator=(Dictionary&&) noexcept = default;

const std::filesystem::path& Dictionary::Path() const {
  return store_->db.Path();
}

int Dictionary::RecordCount(int length) const {
  return store_->CountOf(length);
}

WordRecord Dictionary::Record(int length, int k) const {
  return store_->ReadAt(length, k, kRecordColumns, [&](const SqliteStatement& row) {
    return RowReader(row, Path(), length, k).Record(0);
  });
}

std::pair<int, int> Dictionary::ClassOf(int length, int k) const {
  return store_->ReadAt(length, k, "CN, BN", [&](const SqliteStatement& row) {
    const RowReader reader(row, Path(), length, k);
    return std::pair(reader.Number(0, "CN"), reader.Number(1, "BN"));
  });
}

void Dictionary::ScanRecords(int length,
                             const std::function<void(int k, const WordRecord&)>& visit) const {
  ScanStoredWords(length,
                  [&](int k, const StoredWord& word) { visit(k, RowReader::Decoded(word)); });
}

void Dictionary::ScanStoredWords(int length,
                                 const std::function<void(int k, const StoredWord&)>& visit) const {
  CheckLength(length);
  SqliteStatement& scan = store_->Query(std::string("SELECT rowid, ") + kRecordColumns + " FROM " +
                                        TableName(length) + " ORDER BY rowid");
  std::u32string reading;
  while (scan.Step()) {
    const int k = static_cast<int>(scan.Integer(0));
    visit(k, RowReader(scan, Path(), length, k).Stored(1, reading));
  }
}

Dictionary OpenDictionary(const std::string& DicPath, const std::string& DicFileName) {
  return Dictionary(DicPath + DicFileName);
}

int DetectAnswerLang(const Dictionary& dictionary) {
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    if (dictionary.RecordCount(length) == 0) continue;
    const char32_t first = dictionary.Record(length, 1).Yst.front();
    return first >= U'Ａ' && first <= U'Ｚ' ? 0 : 1;
  }
  return 1;
}

WordCounts CountDicWords(const Dictionary& dictionary) {
  WordCounts counts{};
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    counts[length] = dictionary.RecordCount(length);
  }
  return counts;
}

WordCounts CountDicWords(const std::filesystem::path& path) {
  return CountDicWords(Dictionary(path));
}

}  // namespace crossword
