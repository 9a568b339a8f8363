#pragma once

// The Windows types and constants that the Quillmast library is written
// against, for a system that is not Windows.

#include "win32char.h"

#include <cstddef>
#include <cstdint>

namespace win32 {

typedef int BOOL;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef WCHAR *LPWSTR;
typedef const WCHAR *LPCWSTR;
typedef char *LPSTR;
typedef const char *LPCSTR;
typedef void *HANDLE;
typedef void *HWND;
typedef void *HMODULE;
typedef void *HINSTANCE;
typedef long HRESULT;
typedef unsigned int UINT;

enum : BOOL { FALSE = 0, TRUE = 1 };

constexpr DWORD MAX_PATH = 260;

// Access rights, sharing, creation dispositions (CreateFileW).
enum : DWORD {
    GENERIC_READ = 0x80000000u,
    GENERIC_WRITE = 0x40000000u,
    GENERIC_ALL = 0x10000000u,
    FILE_SHARE_READ = 0x1,
    FILE_SHARE_WRITE = 0x2,
    FILE_SHARE_DELETE = 0x4,
    CREATE_NEW = 1,
    CREATE_ALWAYS = 2,
    OPEN_EXISTING = 3,
    OPEN_ALWAYS = 4,
    TRUNCATE_EXISTING = 5,
    FILE_ATTRIBUTE_NORMAL = 0x80,
};

// File pointer origins (SetFilePointer).
enum : DWORD { FILE_BEGIN = 0, FILE_CURRENT = 1, FILE_END = 2 };
enum : DWORD { INVALID_SET_FILE_POINTER = 0xFFFFFFFFu };

static HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

// GetLastError codes this layer sets.
enum : DWORD {
    ERROR_SUCCESS = 0,
    ERROR_FILE_NOT_FOUND = 2,
    ERROR_PATH_NOT_FOUND = 3,
    ERROR_ACCESS_DENIED = 5,
    ERROR_INVALID_HANDLE = 6,
    ERROR_INVALID_PARAMETER = 87,
    ERROR_SHARING_VIOLATION = 32,
    ERROR_HANDLE_EOF = 38,
    ERROR_FILE_EXISTS = 80,
    ERROR_NEGATIVE_SEEK = 131,
    ERROR_INSUFFICIENT_BUFFER = 122,
    ERROR_ALREADY_EXISTS = 183,
};

// Show commands (ShellExecuteW).
enum : int { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOW = 5 };

// Code pages (WideCharToMultiByte).
enum : UINT { CP_ACP = 0, CP_UTF8 = 65001 };

// COM.
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOINTERFACE = static_cast<int32_t>(0x80004002u);
constexpr HRESULT E_FAIL = static_cast<int32_t>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<int32_t>(0x80070057u);
constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<int32_t>(0x80040154u);
inline bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline bool FAILED(HRESULT hr) { return hr < 0; }
enum : DWORD { CLSCTX_INPROC_SERVER = 1 };

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
typedef GUID IID;
typedef GUID CLSID;
typedef const GUID &REFIID;
typedef const GUID &REFCLSID;

inline bool operator==(const GUID &a, const GUID &b)
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;
    return true;
}

} // namespace win32
