#pragma once

// Text is UTF-16 in 16-bit units on every platform: where wchar_t is 16 bits
// wide it is used as on Windows, elsewhere (Linux: 32 bits) char16_t takes its
// place. WCHAR is that one choice; WIDE("...") spells a literal of it.

#include <cwchar>

namespace win32 {

#if WCHAR_MAX <= 0xFFFF
typedef wchar_t WCHAR;
#define WIDE(s) L##s
#else
typedef char16_t WCHAR;
#define WIDE(s) u##s
#endif

static_assert(sizeof(WCHAR) == 2, "text is stored in 16-bit units");

} // namespace win32
