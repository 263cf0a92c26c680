#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/LargePageHeap.h"

namespace crossword {
namespace {

// Whether the mapping holding `address` is marked for large pages ("hg" in its flags).
bool MarkedForLargePages(const void* address) {
  const auto at = reinterpret_cast<std::uintptr_t>(address);
  std::ifstream maps("/proc/self/smaps");
  bool inside = false;
  for (std::string line; std::getline(maps, line);) {
    std::uintptr_t start = 0, end = 0;
    char dash = 0;
    if (std::istringstream(line) >> std::hex >> start >> dash >> end && dash == '-') {
      inside = start <= at && at < end;
    } else if (inside && line.starts_with("VmFlags:")) {
      return (line + " ").find(" hg ") != std::string::npos;
    }
  }
  return false;
}

// A fill's tables of a few megabytes are carved from the marked heap, not mapped apart.
TEST(LargePageHeap, ServesLargeBlocksFromTheMarkedHeap) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  GTEST_SKIP() << "the sanitizers bring an allocator of their own";
#endif
  if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage")) {
    GTEST_SKIP() << "this system has no large pages to ask for";
  }
  UseLargePagesForHeap();
  std::vector<char> table(std::size_t{4} << 20);
  EXPECT_TRUE(MarkedForLargePages(table.data() + table.size() / 2));
}

}  // namespace
}  // namespace crossword
