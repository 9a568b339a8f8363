// Text conversion and the wide-string helpers.

#include "win32.h"
#include "win32_internal.h"
#include "utf8.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <strings.h>

namespace win32 {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Next code point of UTF-16 text; unpaired surrogates become U+FFFD.
char32_t nextCodePoint(const WCHAR *text, size_t length, size_t &i)
{
    char32_t c = static_cast<uint16_t>(text[i++]);
    if (c >= 0xD800 && c <= 0xDBFF) {
        if (i < length) {
            char32_t low = static_cast<uint16_t>(text[i]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                ++i;
                return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            }
        }
        return kReplacement;
    }
    if (c >= 0xDC00 && c <= 0xDFFF)
        return kReplacement;
    return c;
}

void appendUtf16(WString &out, char32_t c)
{
    if (c < 0x10000) {
        out += static_cast<WCHAR>(c);
    } else {
        c -= 0x10000;
        out += static_cast<WCHAR>(0xD800 + (c >> 10));
        out += static_cast<WCHAR>(0xDC00 + (c & 0x3FF));
    }
}

bool localeIsUtf8()
{
    const char *codeset = nl_langinfo(CODESET);
    if (!codeset || !*codeset)
        return true;
    return strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0
        || strcmp(codeset, "ANSI_X3.4-1968") == 0;
}

// Converts one code point to the locale's character set; '?' when it has none.
std::string toLocaleCharset(char32_t c)
{
    std::string utf8;
    PlatformText::appendUtf8(utf8, c);
    iconv_t cd = iconv_open(nl_langinfo(CODESET), "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return c < 0x80 ? utf8 : std::string("?");
    char out[16];
    char *in = &utf8[0];
    size_t inLeft = utf8.size();
    char *outPtr = out;
    size_t outLeft = sizeof out;
    size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1) || inLeft != 0)
        return "?";
    return std::string(out, outPtr);
}

} // namespace

// Decodes UTF-8; an invalid byte becomes U+DC80 + byte when keepInvalidBytes
// (so EncodeUtf8Lossless gives the bytes back), else U+FFFD.
WString DecodeUtf8(const char *s, size_t n, bool keepInvalidBytes)
{
    WString out;
    out.reserve(n);
    size_t i = 0;
    auto bad = [&](unsigned char b) {
        appendUtf16(out, keepInvalidBytes ? char32_t(0xDC00 + b) : kReplacement);
        ++i;
    };
    while (i < n) {
        char32_t c;
        const int length = PlatformText::utf8Sequence(reinterpret_cast<const unsigned char *>(s + i), n - i, &c);
        if (length <= 0) { // invalid, or cut off at the end
            bad(static_cast<unsigned char>(s[i]));
            continue;
        }
        appendUtf16(out, c);
        i += size_t(length);
    }
    return out;
}

std::string EncodeUtf8Lossless(const WString &text)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        char32_t unit = static_cast<uint16_t>(text[i]);
        if (unit >= 0xDC80 && unit <= 0xDCFF) {
            out += static_cast<char>(unit - 0xDC00);
            ++i;
            continue;
        }
        PlatformText::appendUtf8(out, nextCodePoint(text.data(), text.size(), i));
    }
    return out;
}

std::string ToUtf8(const WString &text)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size())
        PlatformText::appendUtf8(out, nextCodePoint(text.data(), text.size(), i));
    return out;
}

WString FromUtf8(const std::string &text)
{
    return DecodeUtf8(text.data(), text.size(), false);
}

int WideCharToMultiByte(UINT codePage, DWORD, LPCWSTR src, int srcLength, LPSTR dst, int dstSize,
                        LPCSTR defaultChar, BOOL *usedDefaultChar)
{
    if (!src || dstSize < 0 || (dstSize > 0 && !dst)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t length = srcLength < 0 ? wcslen(src) + 1 : static_cast<size_t>(srcLength);
    const bool utf8 = codePage == CP_UTF8 || localeIsUtf8();
    std::string out;
    bool usedDefault = false;
    size_t i = 0;
    while (i < length) {
        char32_t c = nextCodePoint(src, length, i);
        if (utf8 || c < 0x80) {
            PlatformText::appendUtf8(out, c);
        } else {
            std::string converted = toLocaleCharset(c);
            if (converted == "?" && defaultChar)
                converted = defaultChar;
            if (converted == "?")
                usedDefault = true;
            out += converted;
        }
    }
    if (usedDefaultChar)
        *usedDefaultChar = usedDefault ? TRUE : FALSE;
    if (out.size() > static_cast<size_t>(INT_MAX)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (dstSize == 0)
        return static_cast<int>(out.size());
    if (out.size() > static_cast<size_t>(dstSize)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    memcpy(dst, out.data(), out.size());
    return static_cast<int>(out.size());
}

int MultiByteToWideChar(UINT codePage, DWORD, LPCSTR src, int srcLength, LPWSTR dst, int dstSize)
{
    if (!src || dstSize < 0 || (dstSize > 0 && !dst)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t length = srcLength < 0 ? strlen(src) + 1 : static_cast<size_t>(srcLength);
    WString out;
    if (codePage == CP_UTF8 || localeIsUtf8()) {
        out = DecodeUtf8(src, length, false);
    } else {
        iconv_t cd = iconv_open("UTF-8", nl_langinfo(CODESET));
        std::string utf8;
        if (cd != reinterpret_cast<iconv_t>(-1)) {
            std::string input(src, length);
            char *in = &input[0];
            size_t inLeft = input.size();
            while (inLeft > 0) {
                char buf[256];
                char *o = buf;
                size_t oLeft = sizeof buf;
                size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
                utf8.append(buf, o);
                if (r == static_cast<size_t>(-1) && errno != E2BIG) {
                    utf8 += "\xEF\xBF\xBD";
                    ++in;
                    --inLeft;
                }
            }
            iconv_close(cd);
        } else {
            utf8.assign(src, length);
        }
        out = FromUtf8(utf8);
    }
    if (dstSize == 0)
        return static_cast<int>(out.size());
    if (out.size() > static_cast<size_t>(dstSize)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::copy(out.begin(), out.end(), dst);
    return static_cast<int>(out.size());
}

size_t wcslen(LPCWSTR text)
{
    size_t n = 0;
    while (text[n])
        ++n;
    return n;
}

int wcscmp(LPCWSTR a, LPCWSTR b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    uint16_t ua = static_cast<uint16_t>(*a), ub = static_cast<uint16_t>(*b);
    return ua < ub ? -1 : (ua > ub ? 1 : 0);
}

LPCWSTR wcsrchr(LPCWSTR text, WCHAR c)
{
    LPCWSTR found = nullptr;
    for (; *text; ++text)
        if (*text == c)
            found = text;
    return c == 0 ? text : found;
}

LPWSTR lstrcpynW(LPWSTR dst, LPCWSTR src, int size)
{
    if (!dst || size <= 0)
        return dst;
    int i = 0;
    if (src)
        for (; i < size - 1 && src[i]; ++i)
            dst[i] = src[i];
    dst[i] = 0;
    return dst;
}

int _wtoi(LPCWSTR text)
{
    if (!text)
        return 0;
    while (*text == ' ' || (*text >= '\t' && *text <= '\r'))
        ++text;
    bool negative = false;
    if (*text == '-' || *text == '+')
        negative = *text++ == '-';
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

int wnsprintfW(LPWSTR buffer, int size, LPCWSTR format, ...)
{
    if (!buffer || size <= 0 || !format)
        return -1;
    va_list args;
    va_start(args, format);
    int used = 0;
    bool cut = false;
    auto put = [&](WCHAR c) {
        if (used < size - 1)
            buffer[used++] = c;
        else
            cut = true;
    };
    auto putAscii = [&](const char *s) {
        for (; *s; ++s)
            put(static_cast<WCHAR>(*s));
    };
    for (LPCWSTR f = format; *f; ++f) {
        if (*f != '%') {
            put(*f);
            continue;
        }
        ++f;
        if (*f == 'l')
            ++f;
        char number[32];
        switch (*f) {
        case 's': {
            LPCWSTR s = va_arg(args, LPCWSTR);
            for (; s && *s; ++s)
                put(*s);
            break;
        }
        case 'd':
        case 'i':
            snprintf(number, sizeof number, "%d", va_arg(args, int));
            putAscii(number);
            break;
        case 'u':
            snprintf(number, sizeof number, "%u", va_arg(args, unsigned));
            putAscii(number);
            break;
        case 'x':
            snprintf(number, sizeof number, "%x", va_arg(args, unsigned));
            putAscii(number);
            break;
        case 'X':
            snprintf(number, sizeof number, "%X", va_arg(args, unsigned));
            putAscii(number);
            break;
        case 'c':
            put(static_cast<WCHAR>(va_arg(args, int)));
            break;
        case '%':
            put('%');
            break;
        case 0:
            --f;
            break;
        default:
            put('%');
            put(*f);
            break;
        }
    }
    va_end(args);
    buffer[used] = 0;
    return cut ? -1 : used;
}

} // namespace win32
