#include "generator/engine/FillGrid.h"

#include <algorithm>

namespace crossword {

void FillGrid::Take(const CrossGrid& grid) {
  CrossMas = GeneratorMas(grid.CrossMas.MasMaxX(), grid.CrossMas.MasMaxY());
  for (int y = 1; y <= CrossMas.MasMaxY(); ++y) {
    for (int x = 1; x <= CrossMas.MasMaxX(); ++x) CrossMas(x, y).DispWChr = grid.CrossMas(x, y);
  }
  CrossWord.assign(grid.CrossWord.size(), GeneratorSlot());
  for (int i = 1; i <= QuesNmbMax(); ++i) {
    static_cast<CrossWordSlot&>(Slot(i)) = grid.CrossWord[i - 1];
  }
  IndexCells();
}

void FillGrid::IndexCells() {
  for (int i = 1; i <= QuesNmbMax(); ++i) {
    const GeneratorSlot& slot = Slot(i);
    for (int j = 1; j <= slot.AnswerLen; ++j) {
      GeneratorCell& cell = CrossMas(slot.CellX(j), slot.CellY(j));
      if (slot.FlagHorV == FlagAcross) {
        cell.WordNmbH = i;
        cell.PosH = j;
      } else {
        cell.WordNmbV = i;
        cell.PosV = j;
      }
    }
  }
}

void FillGrid::PlaceWord(int s, const WordRecord& word) {
  GeneratorSlot& slot = Slot(s);
  slot.FlagFixed = true;
  slot.Pattern = word.Yst;
  slot.Word = word;
}

void FillGrid::WriteSlotWord(int s) {
  const GeneratorSlot& slot = Slot(s);
  for (int i = 1; i <= slot.AnswerLen; ++i) {
    CrossMas(slot.CellX(i), slot.CellY(i)).DispWChr = slot.Pattern[i - 1];
  }
}

std::u32string FillGrid::SlotLetters(const GeneratorSlot& slot) const {
  std::u32string letters;
  ReadSlotLetters(slot, letters);
  return letters;
}

// Into a string that keeps its storage: the fill reads every slot's letters at each step.
void FillGrid::ReadSlotLetters(const GeneratorSlot& slot, std::u32string& letters) const {
  letters.clear();
  for (int i = 1; i <= slot.AnswerLen; ++i) {
    letters += CrossMas(slot.CellX(i), slot.CellY(i)).DispWChr;
  }
}

void FillGrid::RefreshPatterns() {
  for (GeneratorSlot& slot : CrossWord) RefreshPattern(slot);
}

// Only s and the slots crossing it have new letters.
void FillGrid::RefreshPatternsAround(int s) {
  GeneratorSlot& slot = Slot(s);
  RefreshPattern(slot);
  for (int j = 1; j <= slot.AnswerLen; ++j) {
    if (const int c = CrossingSlotAt(slot, j); c != 0) RefreshPattern(Slot(c));
  }
}

// A slot that lost a letter loses its word, and a slot completed only by crossing letters
// stays unconfirmed.
void FillGrid::RefreshPattern(GeneratorSlot& slot) {
  ReadSlotLetters(slot, refreshedLetters_);
  const auto blanks = std::count(refreshedLetters_.begin(), refreshedLetters_.end(), BlankMark);
  if (blanks == 0 && slot.Word.ID > 0) {
    slot.FlagFixed = true;
    return;
  }
  slot.FlagFixed = false;
  slot.Pattern = refreshedLetters_;
  slot.KnownCnt = slot.AnswerLen - static_cast<int>(blanks);
  if (blanks > 0) slot.Word.ID = 0;
  slot.Word.CN = slot.Word.BN = slot.Word.QN = slot.Word.AN = slot.Word.SN = 0;
}

std::u32string FillGrid::Snapshot() const {
  std::u32string snapshot;
  snapshot.reserve(static_cast<size_t>(CrossMas.MasMaxX()) * CrossMas.MasMaxY());
  for (int y = 1; y <= CrossMas.MasMaxY(); ++y) {
    for (int x = 1; x <= CrossMas.MasMaxX(); ++x) snapshot += CrossMas(x, y).DispWChr;
  }
  return snapshot;
}

void FillGrid::PutBack(const std::u32string& snapshot, bool blanksToo) {
  size_t i = 0;
  for (int y = 1; y <= CrossMas.MasMaxY(); ++y) {
    for (int x = 1; x <= CrossMas.MasMaxX(); ++x) {
      const char32_t mark = snapshot[i++];
      if (blanksToo || mark != BlankMark) CrossMas(x, y).DispWChr = mark;
    }
  }
}

}  // namespace crossword
