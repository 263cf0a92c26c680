#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "common/FileError.h"
#include "common/GridSettingsFile.h"
#include "designer/engine/LayoutText.h"
#include "dictionary/Dictionary.h"
#include "dictionary/QuestionSelection.h"
#include "dictionary/import/WordListFile.h"
#include "puzzle/PuzzleFile.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

namespace fs = std::filesystem;

// What the generator reads of a grid settings file before and during a run.
void ReadLikeTheGenerator(const fs::path& path) {
  const GridSettingsFile file(path);
  file.ReadStageCount();
  file.ReadDicLocation();
  file.ReadEmbedChrFlag();
  file.ReadMasSizePattern();
  file.LoadStagePattern(file.NextStagePattern(0));
}

// The generator reads an index file when it opens the dictionary beside it.
std::vector<std::string> ReadIndexLikeTheGenerator(const fs::path& path) {
  QuestionSelection selection;
  const std::string folder = path.parent_path().string() + "/";
  if (selection.MakeIdxFileName(folder, path.stem().string() + ".lxd") != 1) {
    ADD_FAILURE() << "the index file is not found beside its dictionary: " << path;
  }
  selection.LoadIndex(folder, 0);
  return selection.Problems();
}

// Reads the file as its program does. A reader that can still use part of a file lists
// its problems instead of throwing.
std::vector<std::string> ReadByKind(const fs::path& path) {
  const std::string extension = path.extension().string();
  if (extension == ".gst") {
    ReadLikeTheGenerator(path);
  } else if (extension == ".pzs") {
    ReadPuzzleFile(path);
  } else if (extension == ".txt") {
    ReadLayoutText(path);
  } else if (extension == ".lxd") {
    Dictionary dictionary(path);
  } else if (extension == ".idx") {
    return ReadIndexLikeTheGenerator(path);
  } else if (extension == ".tsv") {
    return ReadWordList(path, ClassNumbers{{1, 2}, {0, 1}}).Problems;
  } else {
    ADD_FAILURE() << "no reader for " << path;
  }
  return {};
}

// Every message the user sees for the file, with the file's path written as its bare name
// and joined by " | "; each must begin with the path.
std::string MessagesFor(const fs::path& path) {
  std::vector<std::string> messages;
  try {
    messages = ReadByKind(path);
  } catch (const FileError& error) {
    EXPECT_EQ(error.Path(), path);
    messages = {error.what()};
  }
  if (messages.empty()) return "(no error)";
  std::string joined;
  for (std::string message : messages) {
    EXPECT_TRUE(message.starts_with(path.string())) << message;
    message.replace(0, std::min(message.size(), path.string().size()), path.filename().string());
    joined += (joined.empty() ? "" : " | ") + message;
  }
  return joined;
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
    const std::string message = MessagesFor(entry.path());
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
