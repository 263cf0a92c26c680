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
// Replaces `to` by `from` in one step (both in the same folder).
void ReplaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
void DeleteFile(const std::filesystem::path& path);

// For tests: makes coming file operations fail as a full disk or a locked file would, to
// prove that no failure leaves a half file under a final name or harms an older file.
struct FileFaultPlan {
  int failingWrite = 0;     // the n-th write from now stops halfway with "disk full" (0: none)
  bool failRename = false;  // every ReplaceFile fails
  bool failDelete = false;  // every DeleteFile of an existing file fails
};
void InjectFileFaults(const FileFaultPlan& plan);

}  // namespace crossword
