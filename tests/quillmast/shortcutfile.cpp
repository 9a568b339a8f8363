#include "shortcutfile.h"

#include <cstdio>

namespace ShortcutFile {

namespace {

void put16(std::vector<uint8_t> &b, uint16_t v)
{
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t> &b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void set32(std::vector<uint8_t> &b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

void putAnsi(std::vector<uint8_t> &b, const std::string &s)
{
    b.insert(b.end(), s.begin(), s.end());
    b.push_back(0);
}

void putUnicode(std::vector<uint8_t> &b, const std::u16string &s)
{
    for (char16_t c : s)
        put16(b, static_cast<uint16_t>(c));
    put16(b, 0);
}

std::u16string widen(const std::string &s)
{
    std::u16string out;
    for (unsigned char c : s)
        out += static_cast<char16_t>(c); // the tests keep these paths ASCII
    return out;
}

void putStringData(std::vector<uint8_t> &b, const std::u16string &s)
{
    put16(b, static_cast<uint16_t>(s.size()));
    for (char16_t c : s)
        put16(b, static_cast<uint16_t>(c));
}

} // namespace

std::vector<uint8_t> build(const Options &o)
{
    enum : uint32_t { HasLinkTargetIDList = 0x1, HasLinkInfo = 0x2, HasName = 0x4, HasRelativePath = 0x8,
                      IsUnicode = 0x80 };
    uint32_t flags = IsUnicode;
    if (o.withIdList)
        flags |= HasLinkTargetIDList;
    if (!o.localBasePath.empty())
        flags |= HasLinkInfo;
    if (!o.name.empty())
        flags |= HasName;
    if (!o.relativePath.empty())
        flags |= HasRelativePath;

    std::vector<uint8_t> b;
    // ShellLinkHeader
    put32(b, 0x4C);
    const uint8_t clsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                               0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    b.insert(b.end(), clsid, clsid + 16);
    put32(b, flags);
    put32(b, 0x20);                  // FileAttributes: archive
    for (int i = 0; i < 6; ++i)
        put32(b, 0);                 // creation, access, write times
    put32(b, 0);                     // FileSize
    put32(b, 0);                     // IconIndex
    put32(b, 1);                     // ShowCommand: SW_SHOWNORMAL
    put16(b, 0);                     // HotKey
    put16(b, 0);                     // Reserved1
    put32(b, 0);                     // Reserved2
    put32(b, 0);                     // Reserved3

    if (o.withIdList)
        put16(b, 2), put16(b, 0);    // IDListSize, then the terminal ID

    if (!o.localBasePath.empty()) {
        const size_t start = b.size();
        const uint32_t headerSize = o.unicodeLinkInfo ? 0x24 : 0x1C;
        put32(b, 0);                 // LinkInfoSize, set below
        put32(b, headerSize);
        put32(b, 0x1);               // VolumeIDAndLocalBasePath
        put32(b, headerSize);        // VolumeIDOffset
        put32(b, 0);                 // LocalBasePathOffset, set below
        put32(b, 0);                 // CommonNetworkRelativeLinkOffset
        put32(b, 0);                 // CommonPathSuffixOffset, set below
        if (o.unicodeLinkInfo) {
            put32(b, 0);             // LocalBasePathOffsetUnicode
            put32(b, 0);             // CommonPathSuffixOffsetUnicode
        }
        // VolumeID: fixed drive, empty label
        put32(b, 0x11);
        put32(b, 3);
        put32(b, 0x1234ABCD);
        put32(b, 0x10);
        b.push_back(0);
        set32(b, start + 16, static_cast<uint32_t>(b.size() - start));
        putAnsi(b, o.localBasePath);
        set32(b, start + 24, static_cast<uint32_t>(b.size() - start));
        putAnsi(b, o.commonPathSuffix);
        if (o.unicodeLinkInfo) {
            set32(b, start + 28, static_cast<uint32_t>(b.size() - start));
            putUnicode(b, widen(o.localBasePath));
            set32(b, start + 32, static_cast<uint32_t>(b.size() - start));
            putUnicode(b, widen(o.commonPathSuffix));
        }
        set32(b, start, static_cast<uint32_t>(b.size() - start));
    }
    if (!o.name.empty())
        putStringData(b, o.name);
    if (!o.relativePath.empty())
        putStringData(b, o.relativePath);
    put32(b, 0);                     // TerminalBlock
    return b;
}

bool write(const std::string &localPath, const std::vector<uint8_t> &bytes)
{
    FILE *f = std::fopen(localPath.c_str(), "wb");
    if (!f)
        return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

} // namespace ShortcutFile
