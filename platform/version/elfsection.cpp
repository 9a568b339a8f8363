#include "elfsection.h"

#include <cstring>
#include <fstream>

namespace {

// Reads little- or big-endian integers out of a byte buffer, failing softly
// when a field would lie beyond the buffer.
struct Fields {
    const std::vector<uint8_t> &bytes;
    bool bigEndian;

    bool get(uint64_t offset, unsigned size, uint64_t *value) const
    {
        if (offset > bytes.size() || size > bytes.size() - offset)
            return false;
        uint64_t v = 0;
        for (unsigned i = 0; i < size; ++i) {
            const unsigned shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
            v |= uint64_t(bytes[offset + i]) << shift;
        }
        *value = v;
        return true;
    }
};

bool readAt(std::ifstream &in, uint64_t fileSize, uint64_t offset, uint64_t size,
            std::vector<uint8_t> *out)
{
    if (offset > fileSize || size > fileSize - offset)
        return false;
    out->resize(size_t(size));
    if (size == 0)
        return true;
    in.seekg(std::streamoff(offset));
    in.read(reinterpret_cast<char *>(out->data()), std::streamsize(size));
    return bool(in);
}

} // namespace

bool readElfSection(const std::string &filePath, const std::string &sectionName,
                    std::vector<uint8_t> *contents, uint64_t maxSize)
{
    std::ifstream in(filePath, std::ios::binary);
    if (!in)
        return false;
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    if (end <= 0)
        return false;
    const uint64_t fileSize = uint64_t(end);

    std::vector<uint8_t> header;
    if (!readAt(in, fileSize, 0, fileSize < 64 ? fileSize : 64, &header) || header.size() < 52)
        return false;
    if (std::memcmp(header.data(), "\x7f" "ELF", 4) != 0)
        return false;
    const bool is64 = header[4] == 2;
    if (header[4] != 1 && header[4] != 2)
        return false;
    if (header[5] != 1 && header[5] != 2)
        return false;
    const Fields h{header, header[5] == 2};

    uint64_t shoff = 0, shentsize = 0, shnum = 0, shstrndx = 0;
    const bool ok = is64 ? (h.get(0x28, 8, &shoff) && h.get(0x3a, 2, &shentsize)
                            && h.get(0x3c, 2, &shnum) && h.get(0x3e, 2, &shstrndx))
                         : (h.get(0x20, 4, &shoff) && h.get(0x2e, 2, &shentsize)
                            && h.get(0x30, 2, &shnum) && h.get(0x32, 2, &shstrndx));
    if (!ok || shoff == 0)
        return false;
    const uint64_t minEntry = is64 ? 64 : 40;
    if (shentsize < minEntry)
        return false;

    // Section 0 carries the real count and string-table index when they do not
    // fit the header fields.
    std::vector<uint8_t> entry;
    if (!readAt(in, fileSize, shoff, shentsize, &entry))
        return false;
    const Fields e0{entry, h.bigEndian};
    if (shnum == 0) {
        if (!e0.get(is64 ? 0x20 : 0x14, is64 ? 8 : 4, &shnum))
            return false;
    }
    if (shstrndx == 0xffff) {
        if (!e0.get(is64 ? 0x28 : 0x18, 4, &shstrndx))
            return false;
    }
    if (shnum == 0 || shnum > (fileSize - shoff) / shentsize || shstrndx >= shnum)
        return false;

    std::vector<uint8_t> table;
    if (!readAt(in, fileSize, shoff, shnum * shentsize, &table))
        return false;
    const Fields t{table, h.bigEndian};

    auto sectionField = [&](uint64_t index, unsigned off32, unsigned off64, uint64_t *value) {
        const uint64_t base = index * shentsize;
        return is64 ? t.get(base + off64, off64 >= 0x18 ? 8 : 4, value)
                    : t.get(base + off32, 4, value);
    };
    // Field offsets (32-bit / 64-bit): sh_name 0/0, sh_type 4/4,
    // sh_offset 0x10/0x18, sh_size 0x14/0x20.
    uint64_t strOffset = 0, strSize = 0;
    if (!sectionField(shstrndx, 0x10, 0x18, &strOffset) || !sectionField(shstrndx, 0x14, 0x20, &strSize))
        return false;
    std::vector<uint8_t> names;
    if (strSize > (1u << 24) || !readAt(in, fileSize, strOffset, strSize, &names))
        return false;

    for (uint64_t i = 1; i < shnum; ++i) {
        uint64_t nameOffset = 0, type = 0, offset = 0, size = 0;
        if (!sectionField(i, 0, 0, &nameOffset) || !sectionField(i, 4, 4, &type)
            || !sectionField(i, 0x10, 0x18, &offset) || !sectionField(i, 0x14, 0x20, &size))
            return false;
        if (nameOffset >= names.size())
            continue;
        const char *name = reinterpret_cast<const char *>(names.data() + nameOffset);
        const size_t room = names.size() - size_t(nameOffset);
        if (strnlen(name, room) != sectionName.size() || sectionName.compare(0, std::string::npos, name, sectionName.size()) != 0)
            continue;
        const uint64_t SHT_NOBITS = 8;
        if (type == SHT_NOBITS || size > maxSize)
            return false;
        return readAt(in, fileSize, offset, size, contents);
    }
    return false;
}
