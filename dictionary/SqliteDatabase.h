#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// A thin owner of SQLite handles for the dictionary files. Every failure becomes a
// DictionaryError naming the file, so no caller sees a result code.
namespace crossword {

class SqliteStatement {
 public:
  SqliteStatement() = default;
  SqliteStatement(sqlite3* db, const std::filesystem::path& path, std::string_view sql);

  SqliteStatement& Bind(int index, std::int64_t value);
  SqliteStatement& Bind(int index, std::string_view text);
  // Steps once; false when there is no (further) row. Reset clears the bindings' effects.
  bool Step();
  void Reset();
  // Steps to the end of a statement that returns no rows.
  void Run();

  int ColumnType(int column) const { return sqlite3_column_type(handle_.get(), column); }
  std::int64_t Integer(int column) const { return sqlite3_column_int64(handle_.get(), column); }
  // The text of a column; nothing for NULL.
  std::optional<std::string_view> Text(int column) const;

 private:
  struct Finalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
  };
  std::unique_ptr<sqlite3_stmt, Finalizer> handle_;
  sqlite3* db_ = nullptr;
  std::filesystem::path path_;
};

class SqliteDatabase {
 public:
  enum class Mode { ReadOnly, Create, Update };  // Update: an existing file, read and written
  SqliteDatabase(const std::filesystem::path& path, Mode mode);

  SqliteStatement Prepare(std::string_view sql) const { return {handle_.get(), path_, sql}; }
  void Execute(const std::string& sql) const;
  const std::filesystem::path& Path() const { return path_; }

 private:
  struct Closer {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
  };
  std::unique_ptr<sqlite3, Closer> handle_;
  std::filesystem::path path_;
};

}  // namespace crossword
