#include "EngineMemory.h"

#include <malloc.h>

namespace EngineMemory {

void tuneAllocator()
{
#if defined(__GLIBC__)
    // Large blocks come from the heap (up to 64 MB: a 16 MP pixmap), freed
    // memory stays for reuse up to 128 MB, and all threads share one arena so
    // that the buffers one worker frees serve the next job of any worker.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
    mallopt(M_ARENA_MAX, 1);
#endif
}

} // namespace EngineMemory
