#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/GridModel.h"

// A puzzle set file (.pzs) as the player reads it: the answer language, then per stage
// the grid, its question numbers and the hints. The reader accepts exactly what
// puzzle/PuzzleFileWriter.h writes and reports anything else with the file and line.
namespace crossword {

// What a cell of the cell-kind map is part of.
enum CellKind : int { KindWall = 1, KindAcross = 2, KindDown = 3, KindCross = 4 };

// The kind of a cell that is in an across slot or not, and in a down slot or not.
constexpr CellKind CellKindOf(bool across, bool down) {
  return across && down ? KindCross : across ? KindAcross : down ? KindDown : KindWall;
}

struct PuzzleHint {
  int Number = 0;      // question number
  std::u32string Qst;  // clue
  std::u32string Ast;  // written form of the answer
  std::u32string Yst;  // the answer as it stands in the grid
  int ID = 0, CN = 0, BN = 0, QN = 0, AN = 0, SN = 0;
  // The slot the answer fills.
  CrossWordSlot Slot;
  size_t Line = 0;  // the hint's line in the file, counted from 0
};

// A cell of a stage, by column and row from 1.
struct MasPoint {
  int x = 0;
  int y = 0;

  bool operator==(const MasPoint&) const = default;
};

// A prize keyword: the cells with a double frame, marked Ａ, Ｂ, … in order, whose
// letters spell it. Kept in a file of its own beside the set (puzzle/KeywordMarks.h).
struct StageKeyword {
  std::u32string Word;          // as the grid holds it: katakana, full-size
  std::vector<MasPoint> Cells;  // one per letter of Word, in its order

  bool operator==(const StageKeyword&) const = default;
};

struct PuzzleStage {
  int DifficultRank = 0;                // 0 (chosen by hand) or 1..5
  int FirstDownNumber = 0;              // question number of the first down hint
  MasArray<CellKind> CellKinds;         // each cell's kind, without the wall frame
  CrossMasMarks Answers;                // the filled grid: walls and letters
  MasArray<int> QuesNmbH;               // across question number starting at a cell, or 0
  MasArray<int> QuesNmbV;               // down question number starting at a cell, or 0
  std::vector<PuzzleHint> Across;       // in increasing number
  std::vector<PuzzleHint> Down;         // in increasing number
  size_t FirstAnswerLine = 0;           // the line of the first row of answers, counted from 0
  std::optional<StageKeyword> Keyword;  // the stage's prize keyword, if it has one

  int MasMaxX() const { return Answers.MasMaxX(); }
  int MasMaxY() const { return Answers.MasMaxY(); }
  int QuesNmbMax() const { return static_cast<int>(Across.size() + Down.size()); }
};

struct PuzzleSet {
  int AnswerLang = 1;  // 0 English, 1 Japanese
  std::vector<PuzzleStage> Stages;
};

// The numbers a cell shows: its across number, its down number, or both as "4/12".
std::string QuestionLabel(const PuzzleStage& stage, int x, int y);

// Reads and checks a whole puzzle file; throws FileError naming the line at fault.
PuzzleSet ReadPuzzleFile(const std::filesystem::path& path);

}  // namespace crossword
