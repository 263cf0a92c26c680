#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "common/FileError.h"
#include "common/GridSettingsFile.h"
#include "designer/engine/LayoutText.h"
#include "dictionary/Dictionary.h"
#include "puzzle/PuzzleFile.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

namespace fs = std::filesystem;

// What the generator reads of a grid settings file before and during a run.
void ReadLikeTheGenerator(const fs::path& path) {
  ReadStageCount(path);
  ReadDicLocation(path);
  ReadEmbedChrFlag(path);
  ReadMasSizePattern(path);
  LoadStagePattern(path, NextStagePattern(path, 0));
}

void ReadByKind(const fs::path& path) {
  const std::string extension = path.extension().string();
  if (extension == ".gst") {
    ReadLikeTheGenerator(path);
  } else if (extension == ".pzs") {
    ReadPuzzleFile(path);
  } else if (extension == ".txt") {
    ReadLayoutText(path);
  } else if (extension == ".lxd") {
    Dictionary dictionary(path);
  } else {
    FAIL() << "no reader for " << path;
  }
}

// expected.tsv: a file name, a tab, and the message the user must see, in which the
// file's own path is written as its bare name.
std::map<std::string, std::string> ExpectedMessages(const fs::path& folder) {
  std::map<std::string, std::string> expected;
  std::ifstream in(folder / "expected.tsv");
  for (std::string line; std::getline(in, line);) {
    const size_t tab = line.find('\t');
    if (tab != std::string::npos) expected[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return expected;
}

TEST(MalformedInput, EveryFileGetsTheMessageAUserCanActOn) {
  const fs::path folder = testing::TestData("malformed");
  const auto expected = ExpectedMessages(folder);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name == "expected.tsv") continue;
    ++files;
    SCOPED_TRACE(name);
    std::string message = "(no error)";
    try {
      ReadByKind(entry.path());
    } catch (const FileError& error) {
      message = error.what();
      EXPECT_EQ(error.Path(), entry.path());
      message.replace(0, entry.path().string().size(), name);
    }
    const auto found = expected.find(name);
    if (found == expected.end()) {
      ADD_FAILURE() << "no expected message for\n" << name << '\t' << message;
      continue;
    }
    EXPECT_EQ(message, found->second);
  }
  EXPECT_GE(files, 50);
  EXPECT_EQ(static_cast<int>(expected.size()), files);
}

}  // namespace
}  // namespace crossword
