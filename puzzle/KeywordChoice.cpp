#include "puzzle/KeywordChoice.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "common/TypedLetters.h"

namespace crossword {

namespace {

// Placements tried before the search settles for the best choices found so far.
constexpr long kStepsMax = 1'000'000;

int Steps(MasPoint a, MasPoint b) {
  return std::abs(a.x - b.x) + std::abs(a.y - b.y);
}

bool Touch(MasPoint a, MasPoint b) {
  return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
}

// Two open cells of one row or column with no wall between them lie in one answer.
bool SameAnswer(const CrossMasMarks& grid, MasPoint a, MasPoint b) {
  if (a.x != b.x && a.y != b.y) return false;
  const int dx = (b.x > a.x) - (b.x < a.x), dy = (b.y > a.y) - (b.y < a.y);
  for (MasPoint at = a; at != b; at = {at.x + dx, at.y + dy}) {
    if (IsWall(grid(at.x, at.y))) return false;
  }
  return true;
}

KeywordChoice Scored(const std::vector<MasPoint>& cells) {
  KeywordChoice choice{cells, 1 << 30, 0, 0};
  std::vector<int> rows, columns;
  for (size_t i = 0; i < cells.size(); ++i) {
    rows.push_back(cells[i].y);
    columns.push_back(cells[i].x);
    for (size_t j = i + 1; j < cells.size(); ++j) {
      choice.Closest = std::min(choice.Closest, Steps(cells[i], cells[j]));
      choice.Distances += Steps(cells[i], cells[j]);
    }
  }
  std::sort(rows.begin(), rows.end());
  std::sort(columns.begin(), columns.end());
  choice.Lines = static_cast<int>((std::unique(rows.begin(), rows.end()) - rows.begin()) +
                                  (std::unique(columns.begin(), columns.end()) - columns.begin()));
  return choice;
}

// Every cell for every letter in turn, the best choices kept as they are found.
class ChoiceSearch {
 public:
  ChoiceSearch(const CrossMasMarks& grid, std::u32string_view keyword, size_t most)
      : grid_(grid), most_(most), cellsOf_(keyword.size()) {
    for (size_t i = 0; i < keyword.size(); ++i) {
      for (int y = 1; y <= grid.MasMaxY(); ++y) {
        for (int x = 1; x <= grid.MasMaxX(); ++x) {
          if (grid(x, y) == keyword[i]) cellsOf_[i].push_back({x, y});
        }
      }
    }
  }

  std::vector<KeywordChoice> Run() {
    Place(0);
    return best_;
  }

 private:
  void Place(size_t letter) {
    if (letter == cellsOf_.size()) return Keep();
    for (const MasPoint cell : cellsOf_[letter]) {
      if (++steps_ > kStepsMax) return;
      if (!Fits(cell)) continue;
      chosen_.push_back(cell);
      Place(letter + 1);
      chosen_.pop_back();
    }
  }

  bool Fits(MasPoint cell) const {
    return std::none_of(chosen_.begin(), chosen_.end(), [&](MasPoint other) {
      return Touch(cell, other) || SameAnswer(grid_, cell, other);
    });
  }

  void Keep() {
    const auto inRow = [&](MasPoint c) { return c.y == chosen_[0].y; };
    const auto inColumn = [&](MasPoint c) { return c.x == chosen_[0].x; };
    if (std::all_of(chosen_.begin(), chosen_.end(), inRow) ||
        std::all_of(chosen_.begin(), chosen_.end(), inColumn)) {
      return;
    }
    const KeywordChoice choice = Scored(chosen_);
    const auto at = std::find_if(best_.begin(), best_.end(),
                                 [&](const KeywordChoice& kept) { return choice.Beats(kept); });
    if (static_cast<size_t>(at - best_.begin()) >= most_) return;
    best_.insert(at, choice);
    if (best_.size() > most_) best_.pop_back();
  }

  const CrossMasMarks& grid_;
  size_t most_;
  std::vector<std::vector<MasPoint>> cellsOf_;  // per letter of the keyword: the cells holding it
  std::vector<MasPoint> chosen_;
  std::vector<KeywordChoice> best_;  // best first
  long steps_ = 0;
};

}  // namespace

std::u32string KeywordLetters(std::u32string_view typed) {
  const std::u32string letters = GridLettersOf(typed);
  if (letters.size() < KeywordLengthMin || letters.size() > KeywordLengthMax) {
    throw std::invalid_argument("a keyword has " + std::to_string(KeywordLengthMin) + " to " +
                                std::to_string(KeywordLengthMax) + " letters");
  }
  for (const char32_t c : letters) {
    if (c <= U' ' || c == BlankMark || IsWall(c)) {
      throw std::invalid_argument("a keyword holds letters only, no blank or wall");
    }
  }
  return letters;
}

char32_t MarkLabel(int index) {
  return U'Ａ' + index;
}

bool KeywordChoice::Beats(const KeywordChoice& other) const {
  if (Closest != other.Closest) return Closest > other.Closest;
  if (Lines != other.Lines) return Lines > other.Lines;
  return Distances > other.Distances;
}

std::u32string MissingLetters(const CrossMasMarks& grid, std::u32string_view keyword) {
  std::map<char32_t, int> held;
  for (int y = 1; y <= grid.MasMaxY(); ++y) {
    for (int x = 1; x <= grid.MasMaxX(); ++x) ++held[grid(x, y)];
  }
  std::u32string missing;
  for (const char32_t c : keyword) {
    if (--held[c] < 0) missing += c;
  }
  return missing;
}

std::vector<KeywordChoice> ChooseKeywordCells(const CrossMasMarks& grid,
                                              std::u32string_view keyword, int most) {
  return ChoiceSearch(grid, keyword, static_cast<size_t>(most)).Run();
}

}  // namespace crossword
