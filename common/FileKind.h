#pragma once

#include <filesystem>
#include <string>

// The kinds of file the suite writes, told apart by how each begins, so that a file given
// where another kind belongs is named for what it is rather than read as a broken one.
namespace crossword {

enum class FileKind {
  Unknown,
  GridSettings,  // .gst, begins ";DicPath"
  PuzzleSet,     // .pzs, begins ";解答言語"
  Dictionary,    // .lxd, an SQLite database
  WordIndex,     // .wdx
  IndexFile,     // .idx, begins with the category section
};

FileKind RecogniseFileKind(const std::filesystem::path& path);

// "a grid settings file", "a puzzle set", ...
std::string FileKindName(FileKind kind);

// Returns `path` when it may be of the kind `expected` (or is of no kind the suite knows);
// a FileError "this is a grid settings file, not a puzzle set" when it is of another kind.
const std::filesystem::path& ExpectFileKind(const std::filesystem::path& path, FileKind expected);

}  // namespace crossword
