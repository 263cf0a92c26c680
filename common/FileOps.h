#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Every write, rename and delete of the programs' files goes through here, so that each
// is checked and reported with the file's name and the system's reason.
namespace crossword {

std::string ReadWholeFile(const std::filesystem::path& path);
void CreateFileWith(const std::filesystem::path& path, std::string_view bytes);
void AppendToFile(const std::filesystem::path& path, std::string_view bytes);
// Replaces `to` by `from` in one step. A link is written through to its target, whose
// mode is kept; a device or pipe (/dev/stdout) gets the bytes directly; any other target
// that is not a plain file is refused.
void ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
void DeleteFile(const std::filesystem::path& path);

// Where a write to `path` lands: links followed to the file they name.
std::filesystem::path WriteTarget(const std::filesystem::path& path);

// The name to stage a new `path` under before ReplaceFile puts it in place: beside the
// link's target, or in the temporary folder for a device. A FileError, before any work,
// for a target that cannot be written at all (a folder, a socket).
std::filesystem::path StagingPathFor(const std::filesystem::path& path, const std::string& suffix);

// Whether `output` names the very file `input` is (by identity, not by name), so that
// writing it would destroy what is being read.
bool IsSameFile(const std::filesystem::path& input, const std::filesystem::path& output);

// Held while a run writes a working file, so that two runs never write one file: a
// second run is refused with a FileError of EWOULDBLOCK. The lock lives in a file beside
// the working file, gone when the lock is let go; one left by a killed run is taken over.
class WorkingFileLock {
 public:
  explicit WorkingFileLock(const std::filesystem::path& workingFile);
  ~WorkingFileLock();
  WorkingFileLock(const WorkingFileLock&) = delete;
  WorkingFileLock& operator=(const WorkingFileLock&) = delete;

 private:
  std::filesystem::path lockPath_;
  int descriptor_ = -1;
};

// For tests: makes coming file operations fail as a full disk or a locked file would, to
// prove that no failure leaves a half file under a final name or harms an older file.
struct FileFaultPlan {
  int failingWrite = 0;     // the n-th write from now stops halfway with "disk full" (0: none)
  bool failRename = false;  // every ReplaceFile fails
  bool failDelete = false;  // every DeleteFile of an existing file fails
};
void InjectFileFaults(const FileFaultPlan& plan);

}  // namespace crossword
