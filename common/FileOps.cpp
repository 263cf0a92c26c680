#include "common/FileOps.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

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

namespace {

// The target's kind, or nothing when there is none yet.
std::optional<struct stat> StatusOf(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return status;
}

bool IsWrittenDirectly(const struct stat& status) {
  return S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode);
}

void RefuseUnwritableTarget(const std::filesystem::path& target, const struct stat& status) {
  if (S_ISREG(status.st_mode) || IsWrittenDirectly(status)) return;
  const bool folder = S_ISDIR(status.st_mode);
  throw FileError(target, folder ? "is a folder, not a file" : "is not a plain file; not replaced",
                  folder ? EISDIR : EINVAL);
}

void MoveInPlace(const std::filesystem::path& from, const std::filesystem::path& target) {
  if (faults.failRename) errno = EBUSY;
  if (faults.failRename || std::rename(from.c_str(), target.c_str()) != 0) {
    ThrowSystemError(target, "be replaced by " + from.filename().string());
  }
}

}  // namespace

void ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
  const std::filesystem::path target = WriteTarget(to);
  if (const auto status = StatusOf(target)) {
    RefuseUnwritableTarget(target, *status);
    if (IsWrittenDirectly(*status)) {
      WriteBytes(target, "wb", ReadWholeFile(from));
      DeleteFile(from);
      return;
    }
    // A new file gets the umask's mode; the one it replaces may have been kept private.
    if (::chmod(from.c_str(), status->st_mode & 07777) != 0) ThrowSystemError(from, "set mode");
  }
  MoveInPlace(from, target);
}

std::filesystem::path WriteTarget(const std::filesystem::path& path) {
  std::filesystem::path target = path;
  std::error_code error;
  // As the system does, a chain of links ends somewhere or is given up on.
  for (int hop = 0; hop < 40 && std::filesystem::is_symlink(target, error); ++hop) {
    const std::filesystem::path next = std::filesystem::read_symlink(target, error);
    if (error) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

std::filesystem::path StagingPathFor(const std::filesystem::path& path, const std::string& suffix) {
  const std::filesystem::path target = WriteTarget(path);
  const auto status = StatusOf(target);
  if (!status) return target.string() + suffix;
  RefuseUnwritableTarget(target, *status);
  if (!IsWrittenDirectly(*status)) return target.string() + suffix;
  return std::filesystem::temp_directory_path() /
         ("wright-" + std::to_string(::getpid()) + "-" + target.filename().string() + suffix);
}

bool IsSameFile(const std::filesystem::path& input, const std::filesystem::path& output) {
  std::error_code error;
  return std::filesystem::equivalent(input, output, error) && !error;
}

WorkingFileLock::WorkingFileLock(const std::filesystem::path& workingFile)
    : lockPath_(workingFile.string() + ".lock") {
  // The lock file may be deleted by its holder between our open and our lock: then the
  // lock is on a file no one else sees, and it is taken again.
  for (;;) {
    descriptor_ = ::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor_ < 0) ThrowSystemError(lockPath_, "be created");
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(descriptor_);
      if (error == EWOULDBLOCK) {
        throw FileError(workingFile,
                        "another run is writing in this folder now; wait until it ends",
                        EWOULDBLOCK);
      }
      errno = error;
      ThrowSystemError(lockPath_, "be locked");
    }
    struct stat held {
    }, named{};
    if (::fstat(descriptor_, &held) == 0 && ::stat(lockPath_.c_str(), &named) == 0 &&
        held.st_ino == named.st_ino && held.st_dev == named.st_dev) {
      return;
    }
    ::close(descriptor_);
  }
}

WorkingFileLock::~WorkingFileLock() {
  ::unlink(lockPath_.c_str());
  ::close(descriptor_);
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
