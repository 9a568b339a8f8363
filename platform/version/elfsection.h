#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads the contents of one named section of an ELF file (32 or 64 bit, either
// byte order). Returns false when the file cannot be read, is not ELF, is
// malformed, has no such section or the section is larger than maxSize.
bool readElfSection(const std::string &filePath, const std::string &sectionName,
                    std::vector<uint8_t> *contents, uint64_t maxSize);
