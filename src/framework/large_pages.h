#pragma once
// Large buffers are first written page by page, and each fresh page of 4 KB
// costs a fault of its own: a 10 MB text costs thousands. Where the system
// can back memory by pages of 2 MB on request, a buffer about to be filled
// asks for them, and a whole 2 MB costs one fault.

#include <cstddef>

// Asks for large pages for the whole 2 MB stretches of `bytes` bytes at
// `data`, memory this program allocated and has not written yet. Nothing
// where the system has no such request; the memory is the same either way.
void AdviseLargePages(void* data, std::size_t bytes);
