#pragma once

#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/GridModel.h"

// Every clue made for a word, of which the word's own clue field holds the first. They are
// kept in a table of their own beside the word tables, so that a finishing step can offer
// the others while the word tables stay as every program reads them.
namespace crossword {

class SqliteDatabase;

// The kinds of clue, in the order one word prefers them.
enum class ClueStyle {
  Blank = 1,     // the answer blanked in compounds of the dictionary
  Antonym,       // the word of opposite meaning
  Phrase,        // the answer blanked in a set phrase or proverb
  OtherReading,  // another reading of the same written form
  KanjiReading,  // a one-kanji word told by the kanji's other reading
  Loanword,      // a loanword's source language and its Japanese meaning
  Synonym,       // a word of the same meaning
  English,       // the English gloss
};
constexpr int ClueStyleCount = static_cast<int>(ClueStyle::English);

// The style's name as `wright dict info` shows it.
std::u32string_view ClueStyleName(ClueStyle style);

struct StyledClue {
  ClueStyle Style = ClueStyle::English;
  std::u32string Text;

  bool operator==(const StyledClue&) const = default;
};

// The clues of each word by its ID; words without kept clues are absent.
using KeptClues = std::map<int, std::vector<StyledClue>>;

// A clue without Latin letters, half- or full-width (UTF-8).
bool IsJapaneseClue(std::string_view clue);

void WriteKeptClues(const SqliteDatabase& db, const KeptClues& clues);
// Nothing when the dictionary has no such table (a dictionary built from a word list).
KeptClues ReadKeptClues(const std::filesystem::path& dictionary);

}  // namespace crossword
