#pragma once

// The Windows calls of the Quillmast library, for a system that is not
// Windows. Each keeps the behaviour the library relies on; where the two
// systems differ the choice made here is written beside the call.
//
// Paths. Callers hold Windows paths; wherever a call touches the file system
// the path is mapped to a local one (LocalPath):
//   "X:\a\b"  -> <drive root>/x/a/b   (drive C: is <drive root>/c)
//   "Z:\a\b"  -> /a/b                  (drive Z: is the local root)
//   "\a\b", "/a/b" -> /a/b;  "a\b" -> a/b, relative to the current directory
// "\" and "/" both separate folders. Unlike on Windows, names keep the case
// sensitivity of the local file system (the drive letter does not). The
// drive root is, in this order: the folder given to SetDriveRoot,
// $VANTROPE_DRIVE_ROOT, $XDG_DATA_HOME/vantrope/drives,
// ~/.local/share/vantrope/drives. Local paths handed back
// (GetModuleFileNameW) take the reverse way: below the drive root they are
// "X:\...", anything else is "Z:\...".
//
// The ANSI code page (CP_ACP) is the character set of the current locale
// (nl_langinfo(CODESET)); a program that never chose a locale ("C") gets
// UTF-8, the system's own encoding here.

#include "win32types.h"

#include <cstdio>
#include <string>

namespace win32 {

typedef std::basic_string<WCHAR> WString;

// ---- Errors ----------------------------------------------------------------
DWORD GetLastError();
void SetLastError(DWORD error);

// ---- Files -----------------------------------------------------------------
// Sharing is enforced: an open conflicts with the other handles of the same
// file in this process as on Windows (access against share mode, both ways),
// and with other processes through flock (no sharing takes an exclusive lock,
// any sharing a shared one). Opening a folder fails. CREATE_ALWAYS and
// TRUNCATE_EXISTING truncate only once the file is held.
HANDLE CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD shareMode, void *securityAttributes,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
BOOL CloseHandle(HANDLE handle);
// Reads until count bytes or the end of the file; TRUE at the end with 0 read.
BOOL ReadFile(HANDLE handle, void *buffer, DWORD count, DWORD *bytesRead, void *overlapped);
BOOL WriteFile(HANDLE handle, const void *buffer, DWORD count, DWORD *bytesWritten, void *overlapped);
// A position before the start fails (ERROR_NEGATIVE_SEEK) and keeps the
// current one.
DWORD SetFilePointer(HANDLE handle, LONG distance, LONG *distanceHigh, DWORD moveMethod);
BOOL SetEndOfFile(HANDLE handle);
DWORD GetFileSize(HANDLE handle, DWORD *fileSizeHigh);
// Copies the content; the source is held with read sharing, the destination
// without sharing while it is written.
BOOL CopyFileW(LPCWSTR existingFileName, LPCWSTR newFileName, BOOL failIfExists);
// C runtime opens. They share everything, as the runtime does on Windows, so
// they fail only where a handle of this process does not share.
FILE *_wfopen(LPCWSTR fileName, LPCWSTR mode);
// fopen of a path in the ANSI code page.
FILE *fopen(LPCSTR fileName, LPCSTR mode);

// ---- Profile strings (INI files) --------------------------------------------
// Sections and keys match without regard to case; blanks around keys and
// values are ignored, a value enclosed in matching quotes loses them, lines
// starting with ';' are comments. A missing file, section or key gives the
// default (NULL: empty). The value is cut to size - 1 units; the result is the
// number of units copied. A relative file name is relative to the current
// directory. Files in UTF-16 (with its byte order mark) and in the ANSI code
// page are read; bytes that are not valid there are kept as they are.
DWORD GetPrivateProfileStringW(LPCWSTR appName, LPCWSTR keyName, LPCWSTR defaultValue,
                               LPWSTR returnedString, DWORD size, LPCWSTR fileName);
// Replaces the key's line in place, or adds the key at the end of its section,
// or adds the section at the end of the file; every other line keeps its
// bytes and line ending. A NULL value removes the key, a NULL key the whole
// section. A missing file is created (its folder must exist), in the ANSI code
// page with CR LF line endings; an existing file keeps its encoding.
BOOL WritePrivateProfileStringW(LPCWSTR appName, LPCWSTR keyName, LPCWSTR value, LPCWSTR fileName);

// ---- Process ---------------------------------------------------------------
// The running executable (/proc/self/exe) as a Windows path; module must be
// NULL. Cut to size - 1 units when longer (ERROR_INSUFFICIENT_BUFFER).
DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size);
BOOL SetCurrentDirectoryW(LPCWSTR pathName);
// Goes to the debug output sink; by default to standard error when
// $VANTROPE_DEBUG_OUTPUT is set, otherwise nowhere.
void OutputDebugStringW(LPCWSTR text);

// Starts a program the way the shell would, without a command interpreter
// parsing anything; never waits. Understood requests (verb NULL or "open"):
//   a web address or other "scheme:" text -> xdg-open <address>
//   "cmd.exe" with "/C <script> <rest>"   -> /bin/sh <script> <rest>, the script
//       looked up in the working folder (directory, else the current one);
//       a rest enclosed in double quotes is one argument without them (quotes
//       inside stay literal), any other rest is split at blanks; a drive path
//       argument is mapped to its local path
//   a document or folder path with no parameters -> xdg-open <local path>
// Returns a value above 32 when the program was started, 2 (file not found)
// when it could not be, 31 (no association) for anything else.
HINSTANCE ShellExecuteW(HWND hwnd, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, int showCommand);

// ---- Text ------------------------------------------------------------------
// srcLength -1: the text up to and including its terminator. dstSize 0: the
// size needed. A destination that is too small gives 0 and
// ERROR_INSUFFICIENT_BUFFER. Characters the code page lacks become '?';
// unpaired surrogates U+FFFD.
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR src, int srcLength, LPSTR dst,
                        int dstSize, LPCSTR defaultChar, BOOL *usedDefaultChar);
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR src, int srcLength, LPWSTR dst,
                        int dstSize);
// Bounded formatting: %s (WCHAR text), %d, %i, %u, %x, %X, %c, %%. Writes at
// most size units, terminator included. Returns the units written without the
// terminator, or -1 when the text was cut.
int wnsprintfW(LPWSTR buffer, int size, LPCWSTR format, ...);
size_t wcslen(LPCWSTR text);
int wcscmp(LPCWSTR a, LPCWSTR b);
LPCWSTR wcsrchr(LPCWSTR text, WCHAR c);
// Copies at most size - 1 units and terminates (size > 0).
LPWSTR lstrcpynW(LPWSTR dst, LPCWSTR src, int size);
// Decimal to int: leading blanks, a sign, digits; anything else stops it,
// no digits give 0, overflow saturates.
int _wtoi(LPCWSTR text);

// ---- COM and the shell link object ------------------------------------------
// Per thread, counted. CoCreateInstance knows one class, CLSID_ShellLink.
HRESULT CoInitialize(void *reserved);
void CoUninitialize();
HRESULT CoCreateInstance(REFCLSID clsid, void *outer, DWORD context, REFIID iid, void **object);

constexpr HRESULT CO_E_NOTINITIALIZED = static_cast<int32_t>(0x800401F0u);
constexpr HRESULT E_NOT_SUFFICIENT_BUFFER = static_cast<int32_t>(0x8007007Au);
constexpr HRESULT STG_E_FILENOTFOUND = static_cast<int32_t>(0x80030002u);
constexpr HRESULT E_UNEXPECTED = static_cast<int32_t>(0x8000FFFFu);

extern const CLSID CLSID_ShellLink;  // {00021401-0000-0000-C000-000000000046}
extern const IID IID_IUnknown;       // {00000000-0000-0000-C000-000000000046}
extern const IID IID_IShellLinkW;    // {000214F9-0000-0000-C000-000000000046}
extern const IID IID_IPersistFile;   // {0000010B-0000-0000-C000-000000000046}

struct WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    WCHAR cFileName[MAX_PATH];
};

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID iid, void **object) = 0;
    virtual unsigned long AddRef() = 0;
    virtual unsigned long Release() = 0;

protected:
    ~IUnknown() = default;
};

// A shortcut (".lnk") loaded through IPersistFile::Load gives its target path:
// the LinkInfo's local base path (or network share name) with its common path
// suffix, else the relative path of its string data resolved against the
// shortcut's own folder. The file is read by the [MS-SHLLINK] layout and every
// size and offset is checked against it.
struct IShellLinkW : IUnknown {
    // S_OK with the path; S_FALSE and an empty path when the shortcut names
    // none; E_NOT_SUFFICIENT_BUFFER (empty path) when it does not fit.
    virtual HRESULT GetPath(LPWSTR file, int size, WIN32_FIND_DATAW *findData, DWORD flags) = 0;

protected:
    ~IShellLinkW() = default;
};

struct IPersistFile : IUnknown {
    virtual HRESULT GetClassID(CLSID *clsid) = 0;
    // S_OK, or STG_E_FILENOTFOUND / E_FAIL for a missing or malformed file.
    virtual HRESULT Load(LPCWSTR fileName, DWORD mode) = 0;

protected:
    ~IPersistFile() = default;
};

// ---- Seams -----------------------------------------------------------------
// Starts argv (NULL-terminated; argv[0] looked up in PATH) in the working
// folder (NULL: the current one) without waiting; returns 0 or an errno value.
typedef int (*ProcessSpawner)(const char *const *argv, const char *workingDirectory);
// Replaces the spawner used by ShellExecuteW (NULL: the default, posix_spawnp);
// returns the previous one.
ProcessSpawner SetProcessSpawner(ProcessSpawner spawner);

typedef void (*DebugOutputSink)(LPCWSTR text);
DebugOutputSink SetDebugOutputSink(DebugOutputSink sink);

// The local path GetModuleFileNameW reports (NULL: the running executable).
// For tests and hosts that keep "Version.ini" somewhere else.
void SetModulePath(const char *localPath);

// ---- Path mapping ----------------------------------------------------------
// NULL: back to the environment and default.
void SetDriveRoot(const char *folder);
std::string DriveRoot();
std::string LocalPath(LPCWSTR windowsPath);
WString WindowsPathFromLocal(const std::string &localPath);

// UTF-8 <-> UTF-16 (invalid input becomes U+FFFD).
std::string ToUtf8(const WString &text);
WString FromUtf8(const std::string &text);

} // namespace win32
