#include <gtest/gtest.h>

#include "common/FileError.h"
#include "designer/engine/LayoutText.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::TempFolder;

TEST(LayoutText, ReadsEveryWayOfTypingACell) {
  TempFolder folder;
  const auto path = folder.Write("layout.txt", "#■.\r\n 　ア\r\n\r\n\n");
  const CrossMasMarks marks = ReadLayoutText(path);
  ASSERT_EQ(marks.MasMaxX(), 3);
  ASSERT_EQ(marks.MasMaxY(), 2);
  EXPECT_EQ(marks(1, 1), WallMark);
  EXPECT_EQ(marks(2, 1), WallMark);
  EXPECT_EQ(marks(3, 1), BlankMark);
  EXPECT_EQ(marks(1, 2), BlankMark);
  EXPECT_EQ(marks(2, 2), BlankMark);
  EXPECT_EQ(marks(3, 2), U'ア');
}

TEST(LayoutText, RefusesLayoutsThatMakeNoGrid) {
  struct Case {
    std::string text;
    int line;
  };
  const std::vector<Case> cases = {
      {"", 0},                            // empty
      {"\n\n", 0},                        // only blank lines
      {"...\n..\n", 2},                   // rows of different widths
      {"...\n\n...\n", 2},                // a blank line inside
      {"\n...\n", 1},                     // a blank first row
      {"..€\n", 1},                       // a letter code page 932 lacks
      {std::string(100, '.') + "\n", 0},  // too wide
      {"\xFF..\n", 1},                    // not UTF-8
  };
  TempFolder folder;
  for (const auto& c : cases) {
    const auto path = folder.Write("layout.txt", c.text);
    try {
      ReadLayoutText(path);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const FileError& error) {
      EXPECT_EQ(error.LineNumber(), c.line) << error.what();
    }
  }
}

}  // namespace
}  // namespace crossword
