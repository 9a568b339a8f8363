#pragma once

#include <cstddef>
#include <string>

namespace PlatformText {

// Decodes the UTF-8 sequence that starts at s[0] into *c and returns its
// length (1 .. 4); returns 0 when the bytes are not a valid sequence, and -1
// when the n available bytes (n >= 1) are a valid start of a longer one.
// Rejects overlong forms, surrogates and values beyond U+10FFFF, so that a
// caller escaping invalid bytes escapes only bytes valid text never holds.
inline int utf8Sequence(const unsigned char *s, size_t n, char32_t *c)
{
    const unsigned char b = s[0];
    if (b < 0x80) {
        *c = b;
        return 1;
    }
    int length;
    char32_t value;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
        value = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        value = b & 0x0F;
        if (b == 0xE0)
            low = 0xA0;
        else if (b == 0xED)
            high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        value = b & 0x07;
        if (b == 0xF0)
            low = 0x90;
        else if (b == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    for (int k = 1; k < length; ++k) {
        if (size_t(k) >= n)
            return -1;
        const unsigned char lo = k == 1 ? low : 0x80, hi = k == 1 ? high : 0xBF;
        if (s[k] < lo || s[k] > hi)
            return 0;
        value = value << 6 | (s[k] & 0x3F);
    }
    *c = value;
    return length;
}

// Appends one Unicode code point as UTF-8. The caller has already replaced
// surrogates and values beyond U+10FFFF where that matters to it.
inline void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace PlatformText
