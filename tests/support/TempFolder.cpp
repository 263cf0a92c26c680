#include "tests/support/TempFolder.h"

#include <fstream>
#include <random>
#include <sstream>

#include "common/TextCodec.h"

namespace crossword::testing {

TempFolder::TempFolder() {
  std::random_device seed;
  path_ = std::filesystem::temp_directory_path() /
          ("crossword-test-" + std::to_string(seed()) + std::to_string(seed()));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path TempFolder::Write(const std::string& name, std::string_view bytes) const {
  const auto path = path_ / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::filesystem::path TestData(const std::string& name) {
  return std::filesystem::path(TEST_DATA_DIR) / name;
}

std::string Cp932Lines(std::initializer_list<std::string_view> lines) {
  std::string bytes;
  for (auto line : lines) bytes += EncodeCp932(FromUtf8(line)) + "\r\n";
  return bytes;
}

}  // namespace crossword::testing
