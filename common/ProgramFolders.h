#pragma once

#include <filesystem>
#include <string>

// Where the programs keep their files. Run from the build tree, that is the folder the
// executables lie in, beside the default dictionaries. Installed, the executables lie in
// PREFIX/bin and the default dictionaries, read-only, in PREFIX/share/PACKAGE/; the program
// folder is then the user's data folder, and a dictionary of the same name there comes
// first, so a user may replace a default one without writing to PREFIX.
namespace crossword {

// Japanese answers: the dictionary both programs and wright take when none is named.
inline constexpr char kDefaultDictionaryName[] = "標準日本語辞書.lxd";

struct ProgramFolders {
  // A program folder alone, as in the build tree.
  ProgramFolders(const std::string& programFolder, const std::string& sharedFolder = "");

  std::string program;  // read and written by the programs, ending with "/"
  std::string shared;   // the installed default dictionaries ("/" at its end), or empty

  // The folder to find the file `name` in: the program folder unless only the shared
  // folder has it.
  std::string FolderHolding(const std::string& name) const;
  // The full path of the default dictionary.
  std::string DefaultDictionary() const;
};

// The folders of programs in `executableFolder`, installed when PREFIX/share/PACKAGE/ lies
// beside it. `dataHome` and `home` are the user's XDG_DATA_HOME and HOME, either of them
// possibly empty; the user's data folder is made when it does not exist yet.
ProgramFolders FindProgramFolders(const std::filesystem::path& executableFolder,
                                  const std::string& dataHome, const std::string& home);

// The folders of the running program.
ProgramFolders ThisProgramFolders();

}  // namespace crossword
