#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Builds a version block in the binary layout of a Windows version resource
// (VS_VERSIONINFO, 32-bit, UTF-16 keys and strings, DWORD aligned):
//   VS_VERSIONINFO { VS_FIXEDFILEINFO }
//     StringFileInfo / StringTable "<language><codepage>" / String entries
//     VarFileInfo / Var "Translation" { language, codepage pairs }
// The string table is keyed by the first translation.
namespace VersionBlock {

struct Translation {
    uint16_t language = 0x0409;   // U.S. English
    uint16_t codePage = 0x04b0;   // Unicode
};

struct Contents {
    uint16_t version[4] = {0, 0, 0, 0};      // numeric file and product version
    std::vector<std::pair<std::string, std::string>> strings; // UTF-8 key, value
    std::vector<Translation> translations = {Translation()};
};

// The contents for a program of the given dotted version ("1.0.0"): the numeric
// version and the strings FileVersion, ProductVersion, ProductName,
// CompanyName, FileDescription, LegalCopyright.
Contents programContents(const std::string &dottedVersion);

std::vector<uint8_t> build(const Contents &contents);

// The name of the ELF section that holds the block.
constexpr const char *sectionName = ".vantrope_version";

} // namespace VersionBlock
