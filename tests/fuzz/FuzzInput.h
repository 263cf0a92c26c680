#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace crossword::fuzzing {

// The readers take a path, so every input is written to one scratch file first.
inline std::filesystem::path InputFile(const uint8_t* data, size_t size, const char* name) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("fuzz-" + std::to_string(getpid()) + "-" + name);
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

}  // namespace crossword::fuzzing
