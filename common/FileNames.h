#pragma once

#include <filesystem>
#include <string>

// Paths the way both programs use them: a folder always ends with "/", a full path is
// folder + name, and derived names are a base name plus a fixed extension.
namespace crossword {

// 1 when the path names an existing file, else 0.
int FileExists(const std::filesystem::path& path);

// The text of a file name before its first "." ("puzzle.v2.gst" gives "puzzle").
std::string BaseName(const std::string& fileName);

// The folder of a path as an absolute path ending with "/".
std::string FolderOf(const std::filesystem::path& path);

// The folder text with a "/" at its end.
std::string AsFolder(const std::string& folder);

}  // namespace crossword
