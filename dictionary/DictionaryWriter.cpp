#include "dictionary/DictionaryWriter.h"

#include "common/FileOps.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "dictionary/Dictionary.h"
#include "dictionary/IndexFile.h"
#include "dictionary/SqliteDatabase.h"
#include "dictionary/WordIndexFile.h"
#include "dictionary/WordTables.h"

namespace crossword {

namespace {

std::string CreateTableSql(int length) {
  std::string sql = "CREATE TABLE " + TableName(length) + " (";
  const char* separator = "";
  for (const WordField& field : WordFieldsOf(length)) {
    sql += separator + field.Name +
           (field.Kind == FieldKind::Text ? " TEXT NOT NULL" : " INTEGER NOT NULL");
    separator = ", ";
  }
  return sql + ") STRICT";
}

std::string InsertSql(int length) {
  std::string sql = "INSERT INTO " + TableName(length) + " VALUES (";
  for (size_t i = 1; i <= WordFieldsOf(length).size(); ++i) {
    sql += (i > 1 ? ", ?" : "?") + std::to_string(i);
  }
  return sql + ")";
}

void InsertWord(SqliteStatement& insert, const WordRecord& word) {
  int parameter = 0;
  insert.Bind(++parameter, word.ID);
  insert.Bind(++parameter, ToUtf8(word.Yst));
  for (char32_t letter : word.Yst) insert.Bind(++parameter, ToUtf8(letter));
  insert.Bind(++parameter, ToUtf8(word.Qst));
  insert.Bind(++parameter, ToUtf8(word.Ast));
  for (int number : {word.CN, word.BN, word.QN, word.AN, word.SN}) insert.Bind(++parameter, number);
  insert.Run();
}

void CheckReadingLength(const std::filesystem::path& path, const WordRecord& word) {
  const auto length = static_cast<int>(word.Yst.size());
  if (length < AnswerLenMin || length > AnswerLenMax) {
    throw DictionaryError(path, "word " + std::to_string(word.ID) + " '" + ToUtf8(word.Yst) +
                                    "' has " + std::to_string(length) +
                                    " letters; a dictionary holds words of 2 to 12");
  }
}

void FillDatabase(const SqliteDatabase& db, const std::vector<WordRecord>& words,
                  const KeptClues& clues) {
  // The file is new and replaces nothing until it is complete, so no journal is needed.
  db.Execute("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; BEGIN");
  std::array<SqliteStatement, AnswerLenMax + 1> inserts;
  for (int length = AnswerLenMin; length <= AnswerLenMax; ++length) {
    db.Execute(CreateTableSql(length));
    inserts[length] = db.Prepare(InsertSql(length));
  }
  for (const WordRecord& word : words) {
    InsertWord(inserts[static_cast<int>(word.Yst.size())], word);
  }
  if (!clues.empty()) WriteKeptClues(db, clues);
  db.Execute("COMMIT");
}

}  // namespace

void WriteDictionary(const std::filesystem::path& path, const std::vector<WordRecord>& words,
                     const KeptClues& clues) {
  for (const WordRecord& word : words) CheckReadingLength(path, word);
  const std::filesystem::path working = StagingPathFor(path, ".part");
  DeleteFile(working);
  try {
    {
      const SqliteDatabase db(working, SqliteDatabase::Mode::Create);
      FillDatabase(db, words, clues);
    }
    ReplaceFile(working, path);
    WriteWordIndexFile(path);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(working, ignored);
    throw;
  }
}

void WriteDictionary(const std::filesystem::path& path, const std::vector<WordRecord>& words,
                     const std::vector<std::u32string>& indexLines, const KeptClues& clues) {
  StagedTextFile index(path.parent_path() / IdxFileNameOf(path.filename().string()));
  index.Create(indexLines);
  WriteDictionary(path, words, clues);
  index.Commit();
}

}  // namespace crossword
