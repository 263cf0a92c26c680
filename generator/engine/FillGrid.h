#pragma once

#include <string>
#include <vector>

#include "generator/engine/GeneratorGrid.h"

// The stage being filled, and how a fill of it ended.
namespace crossword {

// How one fill attempt of a stage ended.
enum class FillResult {
  Failed = 10,  // the attempt was given up
  Filled = 11,  // every slot holds a confirmed word
  NoFill = 12,  // the thorough search proved that the grid has no fill
};

// Why the thorough search left a grid without a fill.
struct UnfilledGrid {
  enum class Cause {
    None,           // filled, or not yet searched
    NoCandidate,    // a slot has no admitted word that fits its letters
    NoCombination,  // proved: no words of the slot fit with their crossings together
    TimeUp,         // given up after `seconds` without a fill
    NoKeyword,      // `attempts` fills held no good place for the stage's keyword
  };
  Cause cause = Cause::None;
  int slot = 0;                    // the slot to blame, from 1; 0 for TimeUp
  int FlagHorV = 0, x = 0, y = 0;  // its direction and first cell
  int AnswerLen = 0;               // its length
  int seconds = 0;
  int attempts = 0;
};

// In English, for the terminal: "slot 3 (across from column 1, row 2, 3 letters) has no
// candidate".
std::string DescribeUnfilled(const UnfilledGrid& grid);

// The stage's grid as the fills work on it. Takes a grid pattern; gives its cells and slots,
// the words placed in them, and snapshots of the letters to go back to.
class FillGrid {
 public:
  GeneratorMas CrossMas;                 // the cells, (x, y) from 1
  std::vector<GeneratorSlot> CrossWord;  // the word slots in slot order, Slot(1) first

  // The grid's walls and letters, its slots unconfirmed, each cell knowing its slots.
  void Take(const CrossGrid& grid);

  int QuesNmbMax() const { return static_cast<int>(CrossWord.size()); }
  GeneratorSlot& Slot(int i) { return CrossWord.at(i - 1); }
  const GeneratorSlot& Slot(int i) const { return CrossWord.at(i - 1); }
  // The slot crossing `slot` at its cell `position`, 0 for none; where that cell lies in it.
  int CrossingSlotAt(const GeneratorSlot& slot, int position) const {
    const GeneratorCell& cell = CrossMas(slot.CellX(position), slot.CellY(position));
    return slot.FlagHorV == FlagAcross ? cell.WordNmbV : cell.WordNmbH;
  }
  int CrossingPositionAt(const GeneratorSlot& slot, int position) const {
    const GeneratorCell& cell = CrossMas(slot.CellX(position), slot.CellY(position));
    return slot.FlagHorV == FlagAcross ? cell.PosV : cell.PosH;
  }

  // Slot s holds `word`, confirmed; its cells are written by WriteSlotWord.
  void PlaceWord(int s, const WordRecord& word);
  void WriteSlotWord(int s);
  // Brings every slot in line with its cells.
  void RefreshPatterns();
  // After slot s got its word: s and the slots crossing it.
  void RefreshPatternsAround(int s);
  std::u32string SlotLetters(const GeneratorSlot& slot) const;

  // Every cell's mark, row by row.
  std::u32string Snapshot() const;
  // Copies a snapshot into the cells; without `blanksToo` only its walls and letters.
  void PutBack(const std::u32string& snapshot, bool blanksToo);

 private:
  void IndexCells();
  void ReadSlotLetters(const GeneratorSlot& slot, std::u32string& letters) const;
  void RefreshPattern(GeneratorSlot& slot);

  std::u32string refreshedLetters_;  // the slot letters read last, their storage reused
};

}  // namespace crossword
