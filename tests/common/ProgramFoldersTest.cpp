#include <gtest/gtest.h>

#include "common/ProgramFolders.h"
#include "tests/support/TempFolder.h"

namespace crossword {
namespace {

using testing::TempFolder;

std::string Folder(const std::filesystem::path& path) {
  return path.string() + "/";
}

TEST(ProgramFoldersTest, InTheBuildTreeTheExecutablesFolderIsTheProgramFolder) {
  TempFolder tree;
  std::filesystem::create_directories(tree / "bin");
  const ProgramFolders folders = FindProgramFolders(tree / "bin", Folder(tree / "data"), "/home");
  EXPECT_EQ(folders.program, Folder(tree / "bin"));
  EXPECT_EQ(folders.shared, "");
  EXPECT_EQ(folders.DefaultDictionary(), Folder(tree / "bin") + "標準日本語辞書.lxd");
  EXPECT_FALSE(std::filesystem::exists(tree / "data"));
}

// Installed: the user's data folder is made, and a default dictionary there comes before
// the shared one.
TEST(ProgramFoldersTest, InstalledTheUsersDataFolderComesBeforeTheSharedOne) {
  TempFolder prefix;
  std::filesystem::create_directories(prefix / "bin");
  std::filesystem::create_directories(prefix / "share/wright");
  const ProgramFolders folders = FindProgramFolders(prefix / "bin", "", prefix.Path().string());
  const std::string data = Folder(prefix / ".local/share/wright");
  EXPECT_EQ(folders.program, data);
  EXPECT_EQ(folders.shared, Folder(prefix / "share/wright"));
  EXPECT_TRUE(std::filesystem::is_directory(data));
  EXPECT_EQ(folders.FolderHolding("mine.lxd"), data);  // nowhere: where it would be written
  prefix.Write("share/wright/標準日本語辞書.lxd", "shared");
  EXPECT_EQ(folders.DefaultDictionary(), folders.shared + "標準日本語辞書.lxd");
  prefix.Write(".local/share/wright/標準日本語辞書.lxd", "the user's own");
  EXPECT_EQ(folders.DefaultDictionary(), data + "標準日本語辞書.lxd");

  EXPECT_EQ(FindProgramFolders(prefix / "bin", Folder(prefix / "xdg"), "/nowhere").program,
            Folder(prefix / "xdg/wright"));
  EXPECT_EQ(FindProgramFolders(prefix / "bin", "relative/xdg", prefix.Path().string()).program,
            data);
  EXPECT_THROW(FindProgramFolders(prefix / "bin", "", ""), std::runtime_error);
}

}  // namespace
}  // namespace crossword
