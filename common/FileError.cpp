#include "common/FileError.h"

namespace crossword {

FileError::FileError(const std::filesystem::path& path, const std::string& problem)
    : std::runtime_error(path.string() + ": " + problem), path_(path) {}

FileError::FileError(const std::filesystem::path& path, int lineNumber, const std::string& problem)
    : std::runtime_error(path.string() + ":" + std::to_string(lineNumber) + ": " + problem),
      path_(path),
      lineNumber_(lineNumber) {}

FileError::FileError(const std::filesystem::path& path, const std::string& problem, int systemErrno)
    : FileError(path, problem) {
  systemErrno_ = systemErrno;
}

}  // namespace crossword
