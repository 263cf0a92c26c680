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

}  // namespace crossword
