#include "dictionary/SqliteDatabase.h"

#include <cctype>

#include "common/FileKind.h"
#include "dictionary/Dictionary.h"

namespace crossword {

namespace {

[[noreturn]] void ThrowSqliteError(const std::filesystem::path& path, const std::string& message,
                                   int code) {
  if ((code & 0xFF) == SQLITE_NOTADB) {
    const FileKind kind = RecogniseFileKind(path);
    throw DictionaryError(path, kind == FileKind::Unknown
                                    ? "not a dictionary: the file is not an SQLite database"
                                    : "this is " + FileKindName(kind) + ", not a dictionary");
  }
  throw DictionaryError(path, message);
}

[[noreturn]] void ThrowSqliteError(const std::filesystem::path& path, sqlite3* db, int code) {
  ThrowSqliteError(path, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code), code);
}

// A read-only file is opened as immutable: dictionaries are replaced whole, never changed in
// place, so SQLite may skip the file locks and change checks of every read.
std::string ImmutableUri(const std::filesystem::path& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string uri = "file:";
  for (unsigned char c : path.string()) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 0xF];
    }
  }
  return uri + "?immutable=1";
}

}  // namespace

SqliteStatement::SqliteStatement(sqlite3* db, const std::filesystem::path& path,
                                 std::string_view sql)
    : db_(db), path_(path) {
  sqlite3_stmt* raw = nullptr;
  const int code = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()),
                                      SQLITE_PREPARE_PERSISTENT, &raw, nullptr);
  handle_.reset(raw);
  if (code != SQLITE_OK) ThrowSqliteError(path_, db_, code);
}

SqliteStatement& SqliteStatement::Bind(int index, std::int64_t value) {
  const int code = sqlite3_bind_int64(handle_.get(), index, value);
  if (code != SQLITE_OK) ThrowSqliteError(path_, db_, code);
  return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
  const int code = sqlite3_bind_text(handle_.get(), index, text.data(),
                                     static_cast<int>(text.size()), SQLITE_TRANSIENT);
  if (code != SQLITE_OK) ThrowSqliteError(path_, db_, code);
  return *this;
}

bool SqliteStatement::Step() {
  const int code = sqlite3_step(handle_.get());
  if (code == SQLITE_ROW) return true;
  if (code == SQLITE_DONE) return false;
  const std::string message = sqlite3_errmsg(db_);
  sqlite3_reset(handle_.get());
  ThrowSqliteError(path_, message, code);
}

void SqliteStatement::Reset() {
  sqlite3_reset(handle_.get());
}

void SqliteStatement::Run() {
  while (Step()) {
  }
  Reset();
}

std::optional<std::string_view> SqliteStatement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(handle_.get(), column));
  if (text == nullptr) return std::nullopt;
  return std::string_view(text, sqlite3_column_bytes(handle_.get(), column));
}

SqliteDatabase::SqliteDatabase(const std::filesystem::path& path, Mode mode) : path_(path) {
  const bool readOnly = mode == Mode::ReadOnly;
  const int flags = readOnly               ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI
                    : mode == Mode::Update ? SQLITE_OPEN_READWRITE
                                           : SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  const std::string name = readOnly ? ImmutableUri(path) : path.string();
  sqlite3* raw = nullptr;
  const int code = sqlite3_open_v2(name.c_str(), &raw, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  handle_.reset(raw);
  if (code != SQLITE_OK) ThrowSqliteError(path_, raw, code);
  sqlite3_extended_result_codes(raw, 1);
}

void SqliteDatabase::Execute(const std::string& sql) const {
  char* message = nullptr;
  const int code = sqlite3_exec(handle_.get(), sql.c_str(), nullptr, nullptr, &message);
  if (code != SQLITE_OK) {
    const std::string text = message != nullptr ? message : sqlite3_errstr(code);
    sqlite3_free(message);
    ThrowSqliteError(path_, text, code);
  }
}

}  // namespace crossword
