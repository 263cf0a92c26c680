#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <vector>

// The crossword grid both programs share: cells addressed by 1-based column x and row y,
// and the word slots that follow from its walls.
namespace crossword {

constexpr char32_t WallMark = U'■';    // a black cell
constexpr char32_t BlankMark = U'　';  // an open cell without a letter (U+3000)

// Every wall test compares with the wall mark; any other mark is an open cell.
constexpr bool IsWall(char32_t mark) {
  return mark == WallMark;
}
// An open cell whose letter is fixed in advance.
constexpr bool IsEmbedded(char32_t mark) {
  return mark != WallMark && mark != BlankMark;
}

constexpr int AnswerLenMin = 2;   // the shortest word slot
constexpr int AnswerLenMax = 12;  // the longest word the dictionaries hold
constexpr int FlagAcross = 1;     // FlagHorV of a slot read left to right
constexpr int FlagDown = 2;       // FlagHorV of a slot read top to bottom

// A two-dimensional array indexed (x, y), both from 1.
template <typename Cell>
class MasArray {
 public:
  MasArray() = default;
  MasArray(int width, int height, const Cell& fill = Cell())
      : width_(width), height_(height), cells_(static_cast<std::size_t>(width) * height, fill) {}

  int MasMaxX() const { return width_; }
  int MasMaxY() const { return height_; }
  bool Contains(int x, int y) const { return x >= 1 && x <= width_ && y >= 1 && y <= height_; }

  Cell& operator()(int x, int y) { return cells_[Index(x, y)]; }
  const Cell& operator()(int x, int y) const { return cells_[Index(x, y)]; }

  bool operator==(const MasArray&) const = default;

 private:
  std::size_t Index(int x, int y) const {
    assert(Contains(x, y));
    return static_cast<std::size_t>(y - 1) * width_ + (x - 1);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Cell> cells_;  // row by row
};

// The marks (DispWChr) of every cell.
using CrossMasMarks = MasArray<char32_t>;

// One word slot: its direction, its first cell and its length.
struct CrossWordSlot {
  int FlagHorV = 0;   // FlagAcross or FlagDown
  int x = 0;          // column of the first cell
  int y = 0;          // row of the first cell
  int AnswerLen = 0;  // number of cells

  // The column and row of the slot's cell at 1-based position.
  int CellX(int position) const { return FlagHorV == FlagAcross ? x + position - 1 : x; }
  int CellY(int position) const { return FlagHorV == FlagAcross ? y : y + position - 1; }

  bool operator==(const CrossWordSlot&) const = default;
};

// A grid with all its slots in slot order, as one stage of a grid settings file holds it.
struct CrossGrid {
  CrossMasMarks CrossMas;
  std::vector<CrossWordSlot> CrossWord;
};

// 1 when some cell holds a letter of its own, else 0.
int EmbedChrFlagOf(const CrossMasMarks& marks);

int CountWalls(const CrossMasMarks& marks);

}  // namespace crossword
