#pragma once

#include <cstdint>

// The version-resource calls of the Windows API, for this platform.
//
// A file carries a version block when it has an ELF section named
// ".vantrope_version" holding the block in the layout of a Windows version
// resource (VS_VERSIONINFO with its VS_FIXEDFILEINFO, StringFileInfo and
// VarFileInfo). Files without one, or that are not ELF files, have none.
// Strings inside the block are UTF-16, as on Windows.

// Size in bytes of the file's version block, 0 when it has none. *handle is set
// to 0 (it exists only for the Windows signature).
uint32_t GetFileVersionInfoSizeW(const wchar_t *filePath, uint32_t *handle);

// Copies the version block into data (at most length bytes). Returns non-zero on
// success; 0 when the file has no block, the block is malformed or does not fit.
int GetFileVersionInfoW(const wchar_t *filePath, uint32_t handle, uint32_t length, void *data);

// Looks up a value in a block filled by GetFileVersionInfoW:
//   "\"                                  the VS_FIXEDFILEINFO, *length in bytes
//   "\VarFileInfo\Translation"           pairs of 16-bit language and code page
//   "\StringFileInfo\<code>\<Name>"      a UTF-16 string, *length in characters
//                                        including the terminating zero
// Keys compare case-insensitively. *buffer points into block. Returns non-zero
// when the value exists.
int VerQueryValueW(const void *block, const wchar_t *subBlock, void **buffer, uint32_t *length);
