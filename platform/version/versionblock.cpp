#include "versionblock.h"

#include <cstdio>

namespace VersionBlock {

namespace {

std::u16string utf16(const std::string &utf8)
{
    std::u16string out;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = utf8[i];
        uint32_t cp = c;
        int extra = 0;
        if (c >= 0xf0) { cp = c & 0x07; extra = 3; }
        else if (c >= 0xe0) { cp = c & 0x0f; extra = 2; }
        else if (c >= 0xc0) { cp = c & 0x1f; extra = 1; }
        ++i;
        for (int k = 0; k < extra && i < utf8.size(); ++k, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3f);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(char16_t(0xd800 + (cp >> 10)));
            out.push_back(char16_t(0xdc00 + (cp & 0x3ff)));
        } else {
            out.push_back(char16_t(cp));
        }
    }
    return out;
}

void put16(std::vector<uint8_t> &b, uint16_t v)
{
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t> &b, uint32_t v)
{
    put16(b, uint16_t(v));
    put16(b, uint16_t(v >> 16));
}

void align4(std::vector<uint8_t> &b)
{
    while (b.size() % 4)
        b.push_back(0);
}

// One node of the resource tree: header, key, value, children. Lengths are
// patched in once the node is complete. Offsets are relative to the block
// start, which is what the DWORD alignment refers to.
struct Node {
    std::vector<uint8_t> &b;
    size_t start;

    Node(std::vector<uint8_t> &bytes, const std::string &key, uint16_t valueLength, bool text)
        : b(bytes), start(bytes.size())
    {
        put16(b, 0);
        put16(b, valueLength);
        put16(b, text ? 1 : 0);
        for (char16_t c : utf16(key))
            put16(b, uint16_t(c));
        put16(b, 0);
        align4(b);
    }
    void finish()
    {
        const size_t length = b.size() - start;
        b[start] = uint8_t(length);
        b[start + 1] = uint8_t(length >> 8);
        align4(b);
    }
};

} // namespace

Contents programContents(const std::string &dottedVersion)
{
    Contents contents;
    unsigned parts[4] = {0, 0, 0, 0};
    std::sscanf(dottedVersion.c_str(), "%u.%u.%u.%u", &parts[0], &parts[1], &parts[2], &parts[3]);
    for (int i = 0; i < 4; ++i)
        contents.version[i] = uint16_t(parts[i]);
    contents.strings = {
        {"CompanyName", "Quorvix"},
        {"FileDescription", "Vantrope HEIC to JPG converter"},
        {"FileVersion", dottedVersion},
        {"InternalName", "Vantrope"},
        {"LegalCopyright", "Copyright (C) Quorvix. All rights reserved."},
        {"OriginalFilename", "Vantrope"},
        {"ProductName", "Quorvix Vantrope"},
        {"ProductVersion", dottedVersion},
    };
    return contents;
}

std::vector<uint8_t> build(const Contents &contents)
{
    std::vector<uint8_t> b;
    Node root(b, "VS_VERSION_INFO", 52, false);
    // VS_FIXEDFILEINFO
    const uint32_t ms = (uint32_t(contents.version[0]) << 16) | contents.version[1];
    const uint32_t ls = (uint32_t(contents.version[2]) << 16) | contents.version[3];
    put32(b, 0xfeef04bd);   // signature
    put32(b, 0x00010000);   // structure version 1.0
    put32(b, ms); put32(b, ls);     // file version
    put32(b, ms); put32(b, ls);     // product version
    put32(b, 0x3f);         // flags mask
    put32(b, 0);            // flags
    put32(b, 0x00040004);   // VOS_NT_WINDOWS32
    put32(b, 1);            // VFT_APP
    put32(b, 0);            // subtype
    put32(b, 0); put32(b, 0);       // date
    align4(b);

    const Translation first = contents.translations.empty() ? Translation() : contents.translations.front();
    char code[9];
    std::snprintf(code, sizeof code, "%04x%04x", first.language, first.codePage);

    Node stringInfo(b, "StringFileInfo", 0, true);
    Node table(b, code, 0, true);
    for (const auto &entry : contents.strings) {
        const std::u16string value = utf16(entry.second);
        Node str(b, entry.first, uint16_t(value.size() + 1), true);
        for (char16_t c : value)
            put16(b, uint16_t(c));
        put16(b, 0);
        str.finish();
    }
    table.finish();
    stringInfo.finish();

    Node varInfo(b, "VarFileInfo", 0, true);
    Node var(b, "Translation", uint16_t(4 * contents.translations.size()), false);
    for (const Translation &t : contents.translations) {
        put16(b, t.language);
        put16(b, t.codePage);
    }
    var.finish();
    varInfo.finish();

    root.finish();
    return b;
}

} // namespace VersionBlock
