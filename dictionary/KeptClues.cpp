#include "dictionary/KeptClues.h"

#include <algorithm>

#include "common/TextCodec.h"
#include "dictionary/Dictionary.h"
#include "dictionary/SqliteDatabase.h"

namespace crossword {

namespace {

constexpr const char* kTable = "WordClues";

}  // namespace

std::u32string_view ClueStyleName(ClueStyle style) {
  switch (style) {
    case ClueStyle::Blank:
      return U"穴埋め（複合語）";
    case ClueStyle::Antonym:
      return U"対義語";
    case ClueStyle::Phrase:
      return U"穴埋め（慣用句・ことわざ）";
    case ClueStyle::OtherReading:
      return U"別の読み";
    case ClueStyle::KanjiReading:
      return U"一字の言葉（字の別の読み）";
    case ClueStyle::Loanword:
      return U"外来語（元の言語）";
    case ClueStyle::Synonym:
      return U"同義語";
    case ClueStyle::English:
      break;
  }
  return U"英語の意味";
}

bool IsJapaneseClue(std::string_view clue) {
  const bool asciiLetter = std::any_of(clue.begin(), clue.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
  });
  if (asciiLetter) return false;
  // Full-width Ａ..Ｚ are EF BC A1..BA in UTF-8, ａ..ｚ EF BD 81..9A.
  for (size_t at = clue.find("\xEF"); at != std::string_view::npos && at + 2 < clue.size();
       at = clue.find("\xEF", at + 1)) {
    const auto second = static_cast<unsigned char>(clue[at + 1]);
    const auto third = static_cast<unsigned char>(clue[at + 2]);
    if ((second == 0xBC && third >= 0xA1 && third <= 0xBA) ||
        (second == 0xBD && third >= 0x81 && third <= 0x9A)) {
      return false;
    }
  }
  return true;
}

void WriteKeptClues(const SqliteDatabase& db, const KeptClues& clues) {
  db.Execute(std::string("CREATE TABLE ") + kTable +
             " (ID INTEGER NOT NULL, Style INTEGER NOT NULL, Clue TEXT NOT NULL) STRICT");
  SqliteStatement insert =
      db.Prepare(std::string("INSERT INTO ") + kTable + " VALUES (?1, ?2, ?3)");
  for (const auto& [id, styled] : clues) {
    for (const StyledClue& clue : styled) {
      insert.Bind(1, id).Bind(2, static_cast<int>(clue.Style)).Bind(3, ToUtf8(clue.Text));
      insert.Run();
    }
  }
}

KeptClues ReadKeptClues(const std::filesystem::path& dictionary) {
  const SqliteDatabase db(dictionary, SqliteDatabase::Mode::ReadOnly);
  SqliteStatement exists =
      db.Prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
  if (!exists.Bind(1, kTable).Step()) return {};
  SqliteStatement select =
      db.Prepare(std::string("SELECT ID, Style, Clue FROM ") + kTable + " ORDER BY rowid");
  KeptClues clues;
  while (select.Step()) {
    const auto style = select.Integer(1);
    if (style < 1 || style > ClueStyleCount) continue;  // a style this program does not know
    clues[static_cast<int>(select.Integer(0))].push_back(
        {static_cast<ClueStyle>(style), FromUtf8(std::string(select.Text(2).value_or("")))});
  }
  return clues;
}

}  // namespace crossword
