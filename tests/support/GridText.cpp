#include "tests/support/GridText.h"

#include "common/TextCodec.h"

namespace crossword::testing {

CrossMasMarks MarksFromRows(const std::vector<std::string>& rows) {
  const int width = static_cast<int>(FromUtf8(rows.front()).size());
  CrossMasMarks marks(width, static_cast<int>(rows.size()), BlankMark);
  for (int y = 1; y <= marks.MasMaxY(); ++y) {
    const std::u32string row = FromUtf8(rows[y - 1]);
    for (int x = 1; x <= width; ++x) {
      const char32_t typed = row.at(x - 1);
      marks(x, y) = typed == U'#' ? WallMark : typed == U'.' ? BlankMark : typed;
    }
  }
  return marks;
}

}  // namespace crossword::testing
