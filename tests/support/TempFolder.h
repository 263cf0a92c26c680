#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace crossword::testing {

// A fresh folder for one test, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // Writes bytes as they stand and returns the file's path.
  std::filesystem::path Write(const std::string& name, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
std::filesystem::path TestData(const std::string& name);

// Lines given in UTF-8, joined with CR LF and encoded in code page 932.
std::string Cp932Lines(std::initializer_list<std::string_view> lines);

}  // namespace crossword::testing
