#include "tests/dictionary/DictionaryFixture.h"

#include <sqlite3.h>

#include <stdexcept>

namespace crossword::testing {

WordRecord Word(int id, const std::u32string& Yst, int CN, int BN) {
  return {id, Yst, U"clue of " + Yst, U"written " + Yst, CN, BN, id * 10, id * 100, id * 1000};
}

void ExecuteSql(const std::filesystem::path& path, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  char* message = nullptr;
  const int code = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
  const std::string text = message != nullptr ? message : "";
  sqlite3_free(message);
  sqlite3_close(db);
  if (code != SQLITE_OK) throw std::runtime_error(sql + ": " + text);
}

}  // namespace crossword::testing
