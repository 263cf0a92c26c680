#include "common/ProgramFolders.h"

#include <cstdlib>
#include <stdexcept>

#include "common/FileNames.h"

namespace crossword {

namespace {

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The user's data folder as the XDG base directories define it: a relative XDG_DATA_HOME
// is ignored.
std::filesystem::path UserDataFolder(const std::string& dataHome, const std::string& home) {
  if (std::filesystem::path(dataHome).is_absolute())
    return std::filesystem::path(dataHome) / PACKAGE_NAME;
  if (home.empty()) {
    throw std::runtime_error(
        "neither XDG_DATA_HOME nor HOME is set: there is no folder for this user's files");
  }
  return std::filesystem::path(home) / ".local/share" / PACKAGE_NAME;
}

}  // namespace

ProgramFolders::ProgramFolders(const std::string& programFolder, const std::string& sharedFolder)
    : program(AsFolder(programFolder)),
      shared(sharedFolder.empty() ? "" : AsFolder(sharedFolder)) {}

std::string ProgramFolders::FolderHolding(const std::string& name) const {
  if (!shared.empty() && !FileExists(program + name) && FileExists(shared + name)) return shared;
  return program;
}

std::string ProgramFolders::DefaultDictionary() const {
  return FolderHolding(kDefaultDictionaryName) + kDefaultDictionaryName;
}

ProgramFolders FindProgramFolders(const std::filesystem::path& executableFolder,
                                  const std::string& dataHome, const std::string& home) {
  const std::filesystem::path shared = executableFolder.parent_path() / "share" / PACKAGE_NAME;
  if (!std::filesystem::is_directory(shared)) return ProgramFolders(executableFolder.string());
  const std::filesystem::path data = UserDataFolder(dataHome, home);
  // A folder that cannot be made is reported where the programs first write into it.
  std::error_code ignored;
  std::filesystem::create_directories(data, ignored);
  return ProgramFolders(data.string(), shared.string());
}

ProgramFolders ThisProgramFolders() {
  return FindProgramFolders(std::filesystem::read_symlink("/proc/self/exe").parent_path(),
                            EnvironmentText("XDG_DATA_HOME"), EnvironmentText("HOME"));
}

}  // namespace crossword
