#pragma once
// Large buffers are first written page by page, and each fresh page costs a
// fault of its own: a 10 MB text costs thousands. Where the system can map a
// whole range on request, a buffer about to be filled asks for it at once.

#include <cstddef>

// Maps the pages of `bytes` bytes at `data`, memory this program allocated
// and has not written yet, ready for writing. Nothing where the system has
// no such request; the memory reads the same either way.
void Prefault(void* data, std::size_t bytes);
