#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "common/GridModel.h"
#include "common/GridSettingsFile.h"
#include "common/RandomSource.h"
#include "common/StageViewModel.h"
#include "common/WordSlots.h"
#include "designer/engine/DesignerObserver.h"

// The grid the author edits: its cells, its counts and the part the view shows, and the
// sizes a new grid is drawn from.
namespace crossword {

constexpr int MasSizeSmallMin = 5;    // a narrower or lower grid is made anew before walls
constexpr int MasCellsWarnMax = 400;  // more cells are warned of before walls

// The size pattern whose size is typed; 1..4 are drawn.
constexpr int MasSizePatternCustom = 5;

// A size that makes no grid: a typed width or height that is no whole number in range, or
// a pattern that does not exist.
class MasSizeError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The width and height typed for the custom size pattern; nothing where the text typed is
// no whole number from 1 to MasSizeMax.
struct TypedMasSize {
  std::optional<int> MasMaxX = 9;
  std::optional<int> MasMaxY = 9;

  bool operator==(const TypedMasSize&) const = default;
};

// A typed width or height as TypedMasSize holds it.
std::optional<int> ParseMasSize(const std::string& text);

// The size of pattern 1..4 drawn at random, or the typed size of the custom pattern.
StageSize DrawMasSize(RandomSource& random, int pattern, const TypedMasSize& typed);

// Needs the observer that shows the grid and its counts. Gives the grid and its edits:
// a new size, walls cleared, a cell toggled, a layout or a stage taken, the slots counted.
class EditedGrid {
 public:
  explicit EditedGrid(DesignerObserver& observer) : observer_(observer) {}

  const CrossMasMarks& CrossMas() const { return CrossMas_; }
  const WordStatistics& WordCount() const { return WordCount_; }
  int NowBarNmb() const { return NowBarNmb_; }
  bool StageFromFile() const { return StageFromFile_; }
  int MasMaxX() const { return CrossMas_.MasMaxX(); }
  int MasMaxY() const { return CrossMas_.MasMaxY(); }
  StageViewModel& View() { return View_; }
  const StageViewModel& View() const { return View_; }

  // A grid of this size with every cell open.
  void MakeNewGrid(StageSize size);
  void ClearMasBar();
  // Wall to open or open to wall, the slots counted again.
  void ToggleCell(int x, int y);
  // Walls laid out elsewhere, with the slots counted there, shown.
  void TakeLayout(const CrossMasMarks& CrossMas, const WordStatistics& counted);
  // A stage read from a file, on a grid of its size; its walls are counted when needed.
  void TakeStage(const CrossMasMarks& CrossMas);
  // The walls shown and counted.
  void ShowMasBar();
  void CountWords();
  void ShowSlotCount();
  // After a failed placement: no slot was counted.
  void ForgetSlotCount() { WordCount_ = WordStatistics{}; }
  void ShowMasSize();

 private:
  void SetNowBarNmb(int walls);

  DesignerObserver& observer_;
  CrossMasMarks CrossMas_;      // DispWChr of every cell: a wall or an open cell
  WordStatistics WordCount_;    // QuesNmbMax, WordLenMax and WordLenNmb at the last count
  StageViewModel View_;         // the part of the grid the view shows
  int NowBarNmb_ = 0;           // the wall count shown
  bool StageFromFile_ = false;  // the grid is a stage read from a file and not yet counted
};

}  // namespace crossword
