#include "common/FileNames.h"

namespace crossword {

int FileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) ? 1 : 0;
}

std::string BaseName(const std::string& fileName) {
  return fileName.substr(0, fileName.find('.'));
}

std::string AsFolder(const std::string& folder) {
  if (folder.empty() || folder.back() == '/') return folder;
  return folder + "/";
}

std::string FolderOf(const std::filesystem::path& path) {
  return AsFolder(std::filesystem::absolute(path).parent_path().lexically_normal().string());
}

}  // namespace crossword
