#include "framework/prefault.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

void Prefault([[maybe_unused]] void* data, [[maybe_unused]] std::size_t bytes) {
#ifdef __linux__
#ifndef MADV_POPULATE_WRITE
  constexpr int MADV_POPULATE_WRITE = 23;  // Linux 5.14
#endif
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  // Whole 2 MB pages inside the buffer are asked for as such: one fault and
  // one mapping where 512 small pages would cost one each (a 10 MB text maps
  // in about a fifth of the time, and its searches miss the TLB less). A
  // system that keeps huge pages for those who ask, or has none, ignores it.
  constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;
  const std::uintptr_t huge_first = (begin + kHugePage - 1) & ~(kHugePage - 1);
  const std::uintptr_t huge_last = (begin + bytes) & ~(kHugePage - 1);
  if (huge_last > huge_first)
    madvise(reinterpret_cast<void*>(huge_first), huge_last - huge_first, MADV_HUGEPAGE);
  // The pages wholly inside the buffer; the others are few.
  constexpr std::uintptr_t kPage = 4096;
  const std::uintptr_t first = (begin + kPage - 1) & ~(kPage - 1);
  const std::uintptr_t last = (begin + bytes) & ~(kPage - 1);
  // Only a request: an older system refuses it and faults page by page.
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#endif
}
