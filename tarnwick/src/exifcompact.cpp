#include "exifcompact.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {

namespace {

constexpr uint16_t kExifIfdTag = 0x8769;
constexpr uint16_t kGpsIfdTag = 0x8825;
constexpr uint16_t kInteropIfdTag = 0xA005;
constexpr uint16_t kMakerNoteTag = 0x927C;
// Real IFDs hold a few dozen entries; more means a corrupt or hostile block.
constexpr size_t kMaxEntries = 1024;

// Values that are offsets into the source layout (image data, thumbnails,
// further IFDs) or padding written for in-place editing: meaningless after
// the rewrite.
bool isLayoutTag(uint16_t tag)
{
    switch (tag) {
    case 0x0111: // StripOffsets
    case 0x0117: // StripByteCounts
    case 0x0144: // TileOffsets
    case 0x0145: // TileByteCounts
    case 0x014A: // SubIFDs
    case 0x0201: // JPEGInterchangeFormat
    case 0x0202: // JPEGInterchangeFormatLength
    case 0xEA1C: // Padding
    case 0xEA1D: // OffsetSchema
    case kMakerNoteTag:
        return true;
    default:
        return false;
    }
}

size_t typeSize(uint16_t type)
{
    switch (type) {
    case 1: case 2: case 6: case 7:
        return 1;
    case 3: case 8:
        return 2;
    case 4: case 9: case 11: case 13:
        return 4;
    case 5: case 10: case 12:
        return 8;
    default:
        return 0;
    }
}

struct Entry {
    uint16_t tag = 0;
    uint16_t type = 0;
    uint32_t count = 0;
    uint8_t inlineValue[4] = {};
    const uint8_t *data = nullptr; // out-of-line value in the source, or null
    size_t dataSize = 0;
    int child = -1; // index of the sub-IFD this entry points to
};

struct Ifd {
    std::vector<Entry> entries;
};

class Compactor {
public:
    Compactor(const uint8_t *tiff, size_t size)
        : m_data(tiff), m_size(size), m_little(tiff[0] == 'I')
    {
    }

    bool parseRoot()
    {
        const uint32_t offset = u32(4);
        return parseIfd(offset, /*depth=*/0) == 0;
    }

    void dropLargestValue(bool *dropped);
    size_t layoutSize() const;
    std::vector<uint8_t> write() const;

private:
    uint16_t u16(size_t at) const
    {
        return m_little ? uint16_t(m_data[at] | m_data[at + 1] << 8) : uint16_t(m_data[at] << 8 | m_data[at + 1]);
    }
    uint32_t u32(size_t at) const
    {
        return m_little ? uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16 : uint32_t(u16(at)) << 16 | u16(at + 2);
    }
    void put16(std::vector<uint8_t> &out, size_t at, uint16_t v) const
    {
        out[at] = uint8_t(m_little ? v : v >> 8);
        out[at + 1] = uint8_t(m_little ? v >> 8 : v);
    }
    void put32(std::vector<uint8_t> &out, size_t at, uint32_t v) const
    {
        put16(out, at + (m_little ? 0 : 2), uint16_t(v));
        put16(out, at + (m_little ? 2 : 0), uint16_t(v >> 16));
    }

    // Index of the parsed IFD, or -1. depth 0 is IFD0, 1 the Exif and GPS
    // IFDs, 2 the Interoperability IFD: the fixed depth bounds the recursion,
    // and every offset is accepted once, so cycles end in failure.
    int parseIfd(uint32_t offset, int depth);

    const uint8_t *m_data;
    size_t m_size;
    bool m_little;
    std::vector<uint32_t> m_seenOffsets;
    std::vector<Ifd> m_ifds;
};

int Compactor::parseIfd(uint32_t offset, int depth)
{
    if (offset < 8 || offset > m_size || m_size - offset < 2)
        return -1;
    if (std::find(m_seenOffsets.begin(), m_seenOffsets.end(), offset) != m_seenOffsets.end())
        return -1;
    m_seenOffsets.push_back(offset);
    const size_t count = u16(offset);
    const size_t table = size_t(offset) + 2;
    if (count > kMaxEntries || (m_size - table) / 12 < count)
        return -1;

    const int index = int(m_ifds.size());
    m_ifds.emplace_back();
    for (size_t i = 0; i < count; ++i) {
        const size_t at = table + i * 12;
        Entry e;
        e.tag = u16(at);
        e.type = u16(at + 2);
        e.count = u32(at + 4);
        if (isLayoutTag(e.tag))
            continue;
        const bool pointer = (depth == 0 && (e.tag == kExifIfdTag || e.tag == kGpsIfdTag))
            || (depth == 1 && e.tag == kInteropIfdTag);
        if (pointer) {
            if ((e.type != 4 && e.type != 13) || e.count != 1)
                continue;
            const int child = parseIfd(u32(at + 8), depth + 1);
            if (child < 0)
                return -1;
            e.type = 4;
            e.child = child;
            m_ifds[size_t(index)].entries.push_back(e);
            continue;
        }
        const size_t unit = typeSize(e.type);
        if (unit == 0 || e.count == 0 || e.count > m_size / unit)
            continue; // unknown type, or a value larger than the whole block
        const size_t bytes = unit * e.count;
        if (bytes <= 4) {
            std::memcpy(e.inlineValue, m_data + at + 8, 4);
        } else {
            const uint32_t valueOffset = u32(at + 8);
            if (valueOffset > m_size || m_size - valueOffset < bytes)
                continue;
            e.data = m_data + valueOffset;
            e.dataSize = bytes;
        }
        m_ifds[size_t(index)].entries.push_back(e);
    }
    std::stable_sort(m_ifds[size_t(index)].entries.begin(), m_ifds[size_t(index)].entries.end(),
                     [](const Entry &a, const Entry &b) { return a.tag < b.tag; });
    return index;
}

void Compactor::dropLargestValue(bool *dropped)
{
    Ifd *ifd = nullptr;
    size_t which = 0, largest = 0;
    for (Ifd &candidate : m_ifds) {
        for (size_t i = 0; i < candidate.entries.size(); ++i) {
            if (candidate.entries[i].dataSize > largest) {
                largest = candidate.entries[i].dataSize;
                ifd = &candidate;
                which = i;
            }
        }
    }
    *dropped = ifd != nullptr;
    if (ifd)
        ifd->entries.erase(ifd->entries.begin() + std::ptrdiff_t(which));
}

size_t evenSize(size_t n) { return n + (n & 1); }

size_t Compactor::layoutSize() const
{
    size_t total = 8;
    for (const Ifd &ifd : m_ifds) {
        total += 2 + 12 * ifd.entries.size() + 4;
        for (const Entry &e : ifd.entries)
            total += evenSize(e.dataSize);
    }
    return total;
}

// Layout: header, then each IFD in parse order (IFD0 first) followed by its
// out-of-line values, each starting on an even offset.
std::vector<uint8_t> Compactor::write() const
{
    std::vector<uint8_t> out(layoutSize(), 0);
    std::vector<size_t> ifdOffsets(m_ifds.size());
    size_t at = 8;
    for (size_t i = 0; i < m_ifds.size(); ++i) {
        ifdOffsets[i] = at;
        at += 2 + 12 * m_ifds[i].entries.size() + 4;
        for (const Entry &e : m_ifds[i].entries)
            at += evenSize(e.dataSize);
    }

    out[0] = out[1] = m_little ? 'I' : 'M';
    put16(out, 2, 42);
    put32(out, 4, 8);
    for (size_t i = 0; i < m_ifds.size(); ++i) {
        const std::vector<Entry> &entries = m_ifds[i].entries;
        const size_t table = ifdOffsets[i];
        size_t data = table + 2 + 12 * entries.size() + 4;
        put16(out, table, uint16_t(entries.size()));
        for (size_t k = 0; k < entries.size(); ++k) {
            const Entry &e = entries[k];
            const size_t slot = table + 2 + 12 * k;
            put16(out, slot, e.tag);
            put16(out, slot + 2, e.type);
            put32(out, slot + 4, e.count);
            if (e.child >= 0) {
                put32(out, slot + 8, uint32_t(ifdOffsets[size_t(e.child)]));
            } else if (e.data) {
                put32(out, slot + 8, uint32_t(data));
                std::memcpy(out.data() + data, e.data, e.dataSize);
                data += evenSize(e.dataSize);
            } else {
                std::memcpy(out.data() + slot + 8, e.inlineValue, 4);
            }
        }
        // Next-IFD offset stays 0: IFD1 and anything chained after it is gone.
    }
    return out;
}

} // namespace

std::vector<uint8_t> compactExifTiff(const uint8_t *tiff, size_t size, size_t limit)
{
    if (!tiff || size < 8)
        return {};
    if (!((tiff[0] == 'I' && tiff[1] == 'I' && tiff[2] == 42 && tiff[3] == 0)
          || (tiff[0] == 'M' && tiff[1] == 'M' && tiff[2] == 0 && tiff[3] == 42)))
        return {};
    Compactor compactor(tiff, size);
    if (!compactor.parseRoot())
        return {};
    while (compactor.layoutSize() > limit) {
        bool dropped = false;
        compactor.dropLargestValue(&dropped);
        if (!dropped)
            return {};
    }
    return compactor.write();
}

} // namespace tarnwick
