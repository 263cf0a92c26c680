#include "common/LargePageHeap.h"

#include <malloc.h>
#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

namespace crossword {

namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;
constexpr std::size_t kHeapMarked = std::size_t{30} << 20;
// Below the allocator's own limit, so that the marked block comes from the heap.
constexpr int kMapAbove = 32 << 20;
constexpr int kKeepFreed = 64 << 20;

}  // namespace

// Grows the heap by one block, marks its whole large pages and frees it again: the freed
// block stays at the heap's top, kept rather than returned, and later allocations are carved
// from it. Allocations up to kMapAbove come from the heap instead of mappings of their own.
void UseLargePagesForHeap() {
  mallopt(M_MMAP_THRESHOLD, kMapAbove);
  mallopt(M_TRIM_THRESHOLD, kKeepFreed);
  char* block = static_cast<char*>(std::malloc(kHeapMarked));
  if (block == nullptr) return;
  const auto first = (reinterpret_cast<std::uintptr_t>(block) + kLargePage - 1) & ~(kLargePage - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(block) + kHeapMarked) & ~(kLargePage - 1);
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  std::free(block);
}

}  // namespace crossword
