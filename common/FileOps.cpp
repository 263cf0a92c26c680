#include "common/FileOps.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/FileError.h"

namespace crossword {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileFaultPlan faults;  // set by tests only
int writesSincePlan = 0;

[[noreturn]] void ThrowSystemError(const std::filesystem::path& path, const std::string& action) {
  const int error = errno;
  throw FileError(path, "cannot " + action + ": " + std::strerror(error), error);
}

void WriteBytes(const std::filesystem::path& path, const char* mode, std::string_view bytes) {
  std::FILE* raw = std::fopen(path.c_str(), mode);
  if (raw == nullptr) ThrowSystemError(path, "open for writing");
  FileHandle file(raw);
  if (faults.failingWrite > 0 && ++writesSincePlan == faults.failingWrite) {
    std::fwrite(bytes.data(), 1, bytes.size() / 2, raw);
    errno = ENOSPC;
    ThrowSystemError(path, "write");
  }
  if (std::fwrite(bytes.data(), 1, bytes.size(), raw) != bytes.size()) {
    ThrowSystemError(path, "write");
  }
  if (std::fclose(file.release()) != 0) ThrowSystemError(path, "write");
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
  FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) ThrowSystemError(path, "open for reading");
  std::string bytes;
  char buffer[1 << 16];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
  if (std::ferror(file.get())) ThrowSystemError(path, "read");
  return bytes;
}

void CreateFileWith(const std::filesystem::path& path, std::string_view bytes) {
  WriteBytes(path, "wb", bytes);
}

void AppendToFile(const std::filesystem::path& path, std::string_view bytes) {
  WriteBytes(path, "ab", bytes);
}

void ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (faults.failRename) errno = EBUSY;
  if (faults.failRename || std::rename(from.c_str(), to.c_str()) != 0) {
    ThrowSystemError(to, "be replaced by " + from.filename().string());
  }
}

void DeleteFile(const std::filesystem::path& path) {
  if (faults.failDelete && std::filesystem::exists(path)) {
    errno = EBUSY;
    ThrowSystemError(path, "delete");
  }
  if (std::remove(path.c_str()) != 0 && errno != ENOENT) ThrowSystemError(path, "delete");
}

void InjectFileFaults(const FileFaultPlan& plan) {
  faults = plan;
  writesSincePlan = 0;
}

}  // namespace crossword
