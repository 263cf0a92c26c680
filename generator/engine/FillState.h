#pragma once

#include <string>
#include <vector>

#include "generator/engine/GeneratorGrid.h"

// The stage being filled and what the fill search keeps while it works on it.
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

struct FillState {
  GeneratorMas CrossMas;                 // the cells, (x, y) from 1
  std::vector<GeneratorSlot> CrossWord;  // the word slots in slot order, Slot(1) first

  std::vector<int> Candidate;                 // stored positions of the admitted words
  std::vector<CrossingEntry> Crossing;        // open crossings of the slot being filled
  std::vector<LetterCacheEntry> LetterCache;  // one per Crossing entry
  std::vector<std::u32string> History;        // 0: the stage's start; 1..: failures, newest first

  int QuesNmbMax() const { return static_cast<int>(CrossWord.size()); }
  GeneratorSlot& Slot(int i) { return CrossWord.at(i - 1); }
  const GeneratorSlot& Slot(int i) const { return CrossWord.at(i - 1); }
  int HistoryMax() const { return static_cast<int>(History.size()) - 1; }
  // The slot crossing `slot` at its cell `position`, 0 for none; where that cell lies in it.
  int CrossingSlotAt(const GeneratorSlot& slot, int position) const {
    const GeneratorCell& cell = CrossMas(slot.CellX(position), slot.CellY(position));
    return slot.FlagHorV == FlagAcross ? cell.WordNmbV : cell.WordNmbH;
  }
  int CrossingPositionAt(const GeneratorSlot& slot, int position) const {
    const GeneratorCell& cell = CrossMas(slot.CellX(position), slot.CellY(position));
    return slot.FlagHorV == FlagAcross ? cell.PosV : cell.PosH;
  }
};

}  // namespace crossword
