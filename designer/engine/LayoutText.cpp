#include "designer/engine/LayoutText.h"

#include <string>
#include <vector>

#include "common/FileError.h"
#include "common/GridSettingsFile.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "common/TypedLetters.h"

namespace crossword {

namespace {

char32_t CellMark(char32_t typed) {
  if (typed == U'#' || typed == WallMark) return WallMark;
  if (typed == U'.' || typed == U' ' || typed == BlankMark) return BlankMark;
  return GridLetterOf(typed);
}

std::vector<std::u32string> LayoutRows(const std::filesystem::path& path) {
  std::vector<std::u32string> rows = ReadUtf8Lines(path);
  while (!rows.empty() && rows.back().empty()) rows.pop_back();  // blank lines at the end
  return rows;
}

void CheckCell(const std::filesystem::path& path, int y, int x, char32_t typed) {
  if (typed < U' ' || !CanEncodeCp932(typed)) {
    throw FileError(path, y,
                    "column " + std::to_string(x) + ": the letter " + DescribeCharacter(typed) +
                        " cannot be written into a grid settings file (code page 932)");
  }
}

}  // namespace

CrossMasMarks ReadLayoutText(const std::filesystem::path& path) {
  const std::vector<std::u32string> rows = LayoutRows(path);
  if (rows.empty()) throw FileError(path, "the layout is empty; type one row of cells per line");
  const int width = static_cast<int>(rows.front().size());
  const int height = static_cast<int>(rows.size());
  if (width == 0) throw FileError(path, 1, "the first row is empty");
  if (width > MasSizeMax || height > MasSizeMax) {
    throw FileError(path, "the layout is " + std::to_string(width) + " x " +
                              std::to_string(height) + " cells; a grid has at most " +
                              std::to_string(MasSizeMax) + " x " + std::to_string(MasSizeMax));
  }
  CrossMasMarks marks(width, height, BlankMark);
  for (int y = 1; y <= height; ++y) {
    const std::u32string& row = rows[y - 1];
    if (static_cast<int>(row.size()) != width) {
      throw FileError(path, y,
                      "the row has " + std::to_string(row.size()) + " cells; row 1 has " +
                          std::to_string(width) + " (every row must be as wide)");
    }
    for (int x = 1; x <= width; ++x) {
      CheckCell(path, y, x, row[x - 1]);
      marks(x, y) = CellMark(row[x - 1]);
    }
  }
  return marks;
}

}  // namespace crossword
