#pragma once

// Allocator settings for a process that converts photos.
//
// One 12 MP conversion allocates a handful of buffers of 2 to 50 MB one after
// the other (file bytes, decoder output, decoded planes, the pixmap, the JPEG
// being written). By default each of them is a fresh memory mapping, returned
// to the system when freed, so every one is faulted in page by page again:
// on this kind of machine that costs about a quarter of the conversion's CPU
// time. With these settings freed buffers are kept in one heap and reused by
// the next buffer of the same job and the next file; the peak stays about the
// same.
//
// Call once, first thing in main, before any thread starts.
namespace EngineMemory {
void tuneAllocator();
}
