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
namespace EngineMemory {

// Call once, first thing in main, before any thread starts.
void tuneAllocator();

// Large photos still fault in hundreds of megabytes of fresh memory (a 200 MP
// photo: the decoded planes, 600 MB of RGB, an 800 MB pixmap), 4 KiB at a
// time. Where the kernel gives transparent huge pages to the memory that asks
// for them ("madvise" mode, the usual default), glibc's allocator asks for
// them when its tunable glibc.malloc.hugetlb=1 is set, which cuts those faults
// 512-fold: the 200 MP photo converts in about two thirds of the time, at the
// same peak. glibc reads its tunables only when a process starts, so this
// starts the program once more, in place (same process, arguments, standard
// streams, process name), with the tunable added to GLIBC_TUNABLES. The restarted process
// puts GLIBC_TUNABLES back as it was, so programs it starts inherit the
// user's environment, not ours.
//
// Returns when the process goes on as it is: it is the restarted one, the
// kernel's mode makes the tunable useless ("always" or "never"), the user's
// GLIBC_TUNABLES already says what glibc.malloc.hugetlb is, or the restart
// failed. Call first thing in main, before anything else is set up.
void useTransparentHugePages(char *argv[]);

} // namespace EngineMemory
