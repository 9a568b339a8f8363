#pragma once

// Shared between the parts of the platform layer; not for its users.

#include "win32.h"

#include <string>

namespace win32 {

// UTF-8 decoding that keeps invalid bytes as U+DC80 + byte, and its inverse:
// a file read and written again keeps every byte.
WString DecodeUtf8(const char *s, size_t n, bool keepInvalidBytes);
std::string EncodeUtf8Lossless(const WString &text);

// Whole-file access through CreateFileW, so sharing rules apply.
bool ReadWholeFile(HANDLE handle, std::string &content);

} // namespace win32
