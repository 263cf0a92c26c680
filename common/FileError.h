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
  // A failure the system reported with this errno value.
  FileError(const std::filesystem::path& path, const std::string& problem, int systemErrno);

  const std::filesystem::path& Path() const { return path_; }
  int LineNumber() const { return lineNumber_; }    // 0 when the problem is not on one line
  int SystemErrno() const { return systemErrno_; }  // 0 when the problem is the file's content

 private:
  std::filesystem::path path_;
  int lineNumber_ = 0;
  int systemErrno_ = 0;
};

}  // namespace crossword
