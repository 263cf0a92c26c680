#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace crossword::fuzzing {

// A scratch file of this process. It lives in memory where the system offers it: a disk
// file system's journal would cost more than the reader under test.
inline std::filesystem::path ScratchPath(const char* name) {
  static const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm")
                                                  ? std::filesystem::path("/dev/shm")
                                                  : std::filesystem::temp_directory_path();
  return folder / ("fuzz-" + std::to_string(getpid()) + "-" + name);
}

// The readers take a path, so every input is written to one scratch file first.
inline std::filesystem::path InputFile(const uint8_t* data, size_t size, const char* name) {
  const std::filesystem::path path = ScratchPath(name);
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

}  // namespace crossword::fuzzing
