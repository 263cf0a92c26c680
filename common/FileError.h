#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace crossword {

// A problem with a file the user can act on: which file, where in it, and what is wrong.
class FileError : public std::runtime_error {
 public:
  FileError(const std::filesystem::path& path, const std::string& problem);
  FileError(const std::filesystem::path& path, int lineNumber, const std::string& problem);

  const std::filesystem::path& Path() const { return path_; }
  int LineNumber() const { return lineNumber_; }  // 0 when the problem is not on one line

 private:
  std::filesystem::path path_;
  int lineNumber_ = 0;
};

}  // namespace crossword
