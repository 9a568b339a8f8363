#pragma once

// Loading a shared library at run time and looking up one of its exports, in
// the shape of the Windows loader calls the engine is written against.
//
// LoadLibraryW takes a Windows module name such as L"Tarnwick.dll" and maps it
// to the name of the shared object on this system ("libTarnwick.so"). A plain
// name is searched like the Windows loader does: first the folder of the
// running executable, then the system's own search order (LD_LIBRARY_PATH,
// the cache, the default folders). A name with a slash is loaded as given.
//
// A module, once loaded, stays loaded for the life of the process; there is
// no FreeLibrary. Failures return null and leave no message.

#include <string>

namespace Dynlib {

using HMODULE = void *;
using FARPROC = void (*)();

HMODULE LoadLibraryW(const wchar_t *moduleName);
FARPROC GetProcAddress(HMODULE module, const char *procName);

// The shared object name LoadLibraryW looks for: "Tarnwick.dll" gives
// "libTarnwick.so"; a name that is not a ".dll" is kept, a path keeps its
// folder. Exposed for tests.
std::string sharedObjectNameFor(const wchar_t *moduleName);

} // namespace Dynlib
