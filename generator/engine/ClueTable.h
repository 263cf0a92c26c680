#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "dictionary/KeptClues.h"
#include "dictionary/WordRecord.h"
#include "generator/engine/PuzzleSetEdit.h"

// The clues of a puzzle set as a table for a spreadsheet: UTF-8, tab-separated, a header
// row, one row per question. The author rewrites clues and written forms in it; the table
// then goes back into the set, and into the dictionary if the author wants.
namespace crossword {

// "ヨコ" for an across question, "タテ" for a down one.
std::u32string_view DirectionName(const PuzzleHint& hint);

// The table of every question of the set, stage by stage, across before down; with
// `otherClues` (the dictionary's, by word ID) a last column holds the other clues of each
// question's word.
std::string ClueTableText(const PuzzleSet& set, const KeptClues* otherClues = nullptr);

// One row of a table read back: where it stood and what it asks.
struct ClueRow {
  int Line = 0;  // line of the table the row starts on
  int Stage = 0;
  int Number = 0;
  std::u32string Qst;  // the clue
  std::u32string Ast;  // the written form
};

struct ClueTable {
  std::vector<ClueRow> Rows;          // the rows that can be applied
  std::vector<std::string> Problems;  // "file:line: what is wrong", one per refused row
  std::string Encoding;               // "UTF-8", or "code page 932" as a spreadsheet saves it
};

// Reads a table and checks every row against the set: its stage, question, direction and
// reading must be the set's, its clue may not be empty, and its clue and written form
// must be writable in code page 932. A field may be quoted as spreadsheets quote it.
ClueTable ReadClueTable(const std::filesystem::path& path, const PuzzleSetEdit& set);

struct ClueChanges {
  int HintsChanged = 0;           // hint lines rewritten
  int TextsMended = 0;            // clues and written forms whose "," or line breaks were mended
  std::vector<WordRecord> Words;  // every row's word as the set now holds it
};

// Writes every row's clue and written form into the set.
ClueChanges ApplyClueTable(PuzzleSetEdit& set, const ClueTable& table);

}  // namespace crossword
