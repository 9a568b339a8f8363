// Profile strings: INI files read and written the way the Windows profile
// functions do, keeping every line they do not change byte for byte.

#include "win32.h"
#include "win32_internal.h"

#include <cwctype>
#include <vector>

namespace win32 {

namespace {

enum class Encoding { Ansi, Utf8Bom, Utf16Le };

struct Line {
    WString text;
    WString end; // the line's own ending: "\r\n", "\n" or none (last line)
};

struct IniText {
    Encoding encoding = Encoding::Ansi;
    std::vector<Line> lines;
    WString newline = WIDE("\r\n");
};

WCHAR folded(WCHAR c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<WCHAR>(c - 'A' + 'a');
    if (c < 0x80)
        return c;
    return static_cast<WCHAR>(towlower(static_cast<wint_t>(c)));
}

bool sameIgnoringCase(const WString &a, const WString &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (folded(a[i]) != folded(b[i]))
            return false;
    return true;
}

bool isBlank(WCHAR c) { return c == ' ' || c == '\t'; }

WString trimmed(const WString &s)
{
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

IniText parse(const std::string &bytes)
{
    IniText ini;
    WString text;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF
        && static_cast<unsigned char>(bytes[1]) == 0xFE) {
        ini.encoding = Encoding::Utf16Le;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text += static_cast<WCHAR>(static_cast<unsigned char>(bytes[i])
                                       | (static_cast<unsigned char>(bytes[i + 1]) << 8));
    } else if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        ini.encoding = Encoding::Utf8Bom;
        text = DecodeUtf8(bytes.data() + 3, bytes.size() - 3, true);
    } else {
        text = DecodeUtf8(bytes.data(), bytes.size(), true);
    }
    size_t pos = 0;
    bool sawCrLf = false, sawLf = false;
    while (pos < text.size()) {
        size_t lf = text.find('\n', pos);
        Line line;
        if (lf == WString::npos) {
            line.text = text.substr(pos);
            pos = text.size();
        } else {
            size_t end = lf;
            if (end > pos && text[end - 1] == '\r') {
                --end;
                sawCrLf = true;
            } else {
                sawLf = true;
            }
            line.text = text.substr(pos, end - pos);
            line.end = text.substr(end, lf + 1 - end);
            pos = lf + 1;
        }
        ini.lines.push_back(line);
    }
    if (!sawCrLf && sawLf)
        ini.newline = WIDE("\n");
    return ini;
}

std::string serialise(const IniText &ini)
{
    WString text;
    for (const Line &line : ini.lines)
        text += line.text + line.end;
    std::string bytes;
    switch (ini.encoding) {
    case Encoding::Utf16Le:
        bytes = "\xFF\xFE";
        for (WCHAR c : text) {
            bytes += static_cast<char>(static_cast<uint16_t>(c) & 0xFF);
            bytes += static_cast<char>(static_cast<uint16_t>(c) >> 8);
        }
        break;
    case Encoding::Utf8Bom:
        bytes = "\xEF\xBB\xBF" + EncodeUtf8Lossless(text);
        break;
    case Encoding::Ansi:
        bytes = EncodeUtf8Lossless(text);
        break;
    }
    return bytes;
}

// The section name of a "[name]" line.
bool sectionName(const WString &line, WString &name)
{
    WString t = trimmed(line);
    if (t.empty() || t[0] != '[')
        return false;
    size_t close = t.find(']');
    if (close == WString::npos)
        return false;
    name = trimmed(t.substr(1, close - 1));
    return true;
}

// Key and value of a "key=value" line; comments and other lines give false.
bool keyValue(const WString &line, WString &key, WString &value)
{
    WString t = trimmed(line);
    if (t.empty() || t[0] == ';' || t[0] == '[')
        return false;
    size_t eq = t.find('=');
    if (eq == WString::npos)
        return false;
    key = trimmed(t.substr(0, eq));
    value = trimmed(t.substr(eq + 1));
    return true;
}

// Index of the section's header line, or -1.
long findSection(const IniText &ini, const WString &section)
{
    WString name;
    for (size_t i = 0; i < ini.lines.size(); ++i)
        if (sectionName(ini.lines[i].text, name) && sameIgnoringCase(name, section))
            return static_cast<long>(i);
    return -1;
}

// One past the section's last line.
size_t sectionEnd(const IniText &ini, size_t header)
{
    WString name;
    size_t i = header + 1;
    while (i < ini.lines.size() && !sectionName(ini.lines[i].text, name))
        ++i;
    return i;
}

long findKey(const IniText &ini, size_t header, const WString &key)
{
    WString k, v;
    size_t end = sectionEnd(ini, header);
    for (size_t i = header + 1; i < end; ++i)
        if (keyValue(ini.lines[i].text, k, v) && sameIgnoringCase(k, key))
            return static_cast<long>(i);
    return -1;
}

bool readIni(LPCWSTR fileName, IniText &ini)
{
    HANDLE file = CreateFileW(fileName, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string bytes;
    bool ok = ReadWholeFile(file, bytes);
    CloseHandle(file);
    if (ok)
        ini = parse(bytes);
    return ok;
}

void insertLine(IniText &ini, size_t at, const WString &text)
{
    // The line before the new one needs an ending of its own.
    if (at > 0 && ini.lines[at - 1].end.empty())
        ini.lines[at - 1].end = ini.newline;
    ini.lines.insert(ini.lines.begin() + static_cast<long>(at), Line{text, ini.newline});
}

} // namespace

DWORD GetPrivateProfileStringW(LPCWSTR appName, LPCWSTR keyName, LPCWSTR defaultValue, LPWSTR returnedString,
                               DWORD size, LPCWSTR fileName)
{
    if (!returnedString || size == 0)
        return 0;
    WString value = defaultValue ? WString(defaultValue) : WString();
    IniText ini;
    if (appName && keyName && fileName && readIni(fileName, ini)) {
        long header = findSection(ini, appName);
        if (header >= 0) {
            long line = findKey(ini, static_cast<size_t>(header), keyName);
            if (line >= 0) {
                WString k;
                keyValue(ini.lines[static_cast<size_t>(line)].text, k, value);
                if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
                    && value.back() == value.front())
                    value = value.substr(1, value.size() - 2);
            }
        }
    }
    size_t n = std::min<size_t>(value.size(), size - 1);
    std::copy(value.begin(), value.begin() + static_cast<long>(n), returnedString);
    returnedString[n] = 0;
    return static_cast<DWORD>(n);
}

BOOL WritePrivateProfileStringW(LPCWSTR appName, LPCWSTR keyName, LPCWSTR value, LPCWSTR fileName)
{
    if (!appName || !fileName || !*fileName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    HANDLE file = CreateFileW(fileName, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return FALSE;
    std::string bytes;
    if (!ReadWholeFile(file, bytes)) {
        CloseHandle(file);
        return FALSE;
    }
    IniText ini = parse(bytes);
    const WString section(appName);
    long header = findSection(ini, section);
    if (!keyName) {
        if (header >= 0) {
            size_t end = sectionEnd(ini, static_cast<size_t>(header));
            ini.lines.erase(ini.lines.begin() + header, ini.lines.begin() + static_cast<long>(end));
        }
    } else {
        const WString key(keyName);
        const WString entry = key + WIDE("=") + (value ? WString(value) : WString());
        long line = header >= 0 ? findKey(ini, static_cast<size_t>(header), key) : -1;
        if (!value) {
            if (line >= 0)
                ini.lines.erase(ini.lines.begin() + line);
        } else if (line >= 0) {
            ini.lines[static_cast<size_t>(line)].text = entry;
        } else if (header >= 0) {
            // After the section's last non-blank line, so blank lines that
            // separate it from the next section stay where they are.
            size_t at = sectionEnd(ini, static_cast<size_t>(header));
            while (at > static_cast<size_t>(header) + 1 && trimmed(ini.lines[at - 1].text).empty())
                --at;
            insertLine(ini, at, entry);
        } else {
            insertLine(ini, ini.lines.size(), WIDE("[") + section + WIDE("]"));
            insertLine(ini, ini.lines.size(), entry);
        }
    }
    const std::string out = serialise(ini);
    bool ok = out == bytes;
    if (!ok) {
        DWORD written = 0;
        ok = SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0
            && WriteFile(file, out.data(), static_cast<DWORD>(out.size()), &written, nullptr)
            && written == out.size() && SetEndOfFile(file);
    }
    CloseHandle(file);
    return ok ? TRUE : FALSE;
}

} // namespace win32
