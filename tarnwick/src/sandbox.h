// The decoder helper's lock-down, done once after its libraries and plugins
// are loaded and before it reads the first byte of a photo.
#pragma once

namespace tarnwick {

struct LockDown {
    // The system call filter is in force (false where the kernel or a
    // container does not allow seccomp: the helper then runs with its
    // descriptors closed and its limits only).
    bool filtered = false;
};

// Closes every descriptor but the channel's three (and stderr when
// keepStderr), forbids core dumps, tracing by other processes, new
// descriptors and gaining privileges, then installs the allow-list: memory,
// threads, futexes, time, reading and writing the descriptors it has, and
// exit. Anything else ends the process with SIGSYS: opening or creating a
// file, sockets, starting programs or processes, ptrace, signals to other
// processes, changing its own limits. clone3 fails with ENOSYS so that the C
// library creates threads with clone, whose flags the filter can read.
// Without installFilter (a test's stand-in for a system without seccomp),
// everything but the filter is done.
LockDown lockDown(bool keepStderr, bool installFilter = true);

// Closes every descriptor numbered `first` or above.
void closeDescriptorsFrom(int first);

} // namespace tarnwick
