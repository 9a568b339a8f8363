#pragma once

// Writes Windows shortcut (".lnk") files by the published layout of the
// format: a ShellLinkHeader (0x4C bytes, LinkCLSID
// 00021401-0000-0000-C000-000000000046), an optional LinkInfo with VolumeID,
// LocalBasePath and CommonPathSuffix, optional StringData, and the terminal
// extra-data block.

#include <cstdint>
#include <string>
#include <vector>

namespace ShortcutFile {

struct Options {
    std::string localBasePath;       // ANSI (UTF-8 here); empty: no LinkInfo
    std::string commonPathSuffix;    // appended to the base path
    bool unicodeLinkInfo = false;    // also carry the Unicode base path and suffix
    std::u16string relativePath;     // StringData RELATIVE_PATH; empty: none
    std::u16string name;             // StringData NAME_STRING; empty: none
    bool withIdList = false;         // an (empty) LinkTargetIDList before the LinkInfo
};

std::vector<uint8_t> build(const Options &o);
bool write(const std::string &localPath, const std::vector<uint8_t> &bytes);

// Offsets inside a file built without IDList, for tests that damage it.
constexpr size_t kLinkInfoStart = 0x4C;

} // namespace ShortcutFile
