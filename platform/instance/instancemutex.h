#pragma once

// Named, per-user instance locks with the calling convention of the Windows
// kernel's named mutexes, so the single-instance guard reads as it would on
// Windows.
//
// A name is a lock file in the user's runtime folder ($XDG_RUNTIME_DIR, or a
// private folder /tmp/vantrope-<uid> when that is not usable) held with
// flock() on an open descriptor. The lock belongs to the process: it is held
// until the handle is closed or the process ends, and the kernel frees it when
// the process dies, so a crash leaves no stale lock. The descriptor is not
// inherited by child processes (a browser started from the program must not
// keep the lock alive after the program has ended).

namespace PlatformInstance {

using HANDLE = void *;
using DWORD = unsigned long;

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_NAME = 123;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;

// Creates or opens the named lock. Returns a handle in both cases; the
// calling thread's last error is ERROR_ALREADY_EXISTS when another process
// (or another handle of this process) holds the name already, and
// ERROR_SUCCESS when this handle now holds it. Returns null, with another
// error code, when no lock file can be made. Security attributes are ignored;
// initialOwner is accepted for the sake of the calling convention (the lock
// is always taken when it is free).
HANDLE CreateMutexW(const void *securityAttributes, bool initialOwner, const wchar_t *name);

// The error code of the calling thread's last CreateMutexW.
DWORD GetLastError();

// Releases the lock (when this handle holds it) and frees the handle.
bool CloseHandle(HANDLE handle);

// The lock file a name maps to, for diagnostics and tests; empty when no
// usable folder exists.
const char *lockFilePath(const wchar_t *name);

// Where the copy holding a name listens for later starts (a local socket
// beside the lock file, "<name>.socket"); empty when no usable folder exists.
// Only the holder of the lock may create or remove it.
const char *channelPath(const wchar_t *name);

} // namespace PlatformInstance
