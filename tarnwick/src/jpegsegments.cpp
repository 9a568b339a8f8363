#include "jpegsegments.h"

#include "exifcompact.h"

#include "Tarnwick.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {

namespace {

const uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
const uint8_t kIccHeader[12] = {'I', 'C', 'C', '_', 'P', 'R', 'O', 'F', 'I', 'L', 'E', 0};
// One APP2 chunk: 12 bytes of signature, sequence number, chunk count.
constexpr size_t kIccChunkData = kMaxSegmentPayload - sizeof(kIccHeader) - 2;

bool isTiffHeader(const uint8_t *p, size_t size)
{
    if (size < 8)
        return false;
    return (p[0] == 'I' && p[1] == 'I' && p[2] == 42 && p[3] == 0)
        || (p[0] == 'M' && p[1] == 'M' && p[2] == 0 && p[3] == 42);
}

struct TiffReader {
    const uint8_t *data;
    size_t size;
    bool little;

    uint16_t u16(size_t at) const
    {
        return little ? uint16_t(data[at] | data[at + 1] << 8) : uint16_t(data[at] << 8 | data[at + 1]);
    }
    uint32_t u32(size_t at) const
    {
        return little ? uint32_t(data[at]) | uint32_t(data[at + 1]) << 8 | uint32_t(data[at + 2]) << 16
                            | uint32_t(data[at + 3]) << 24
                      : uint32_t(data[at]) << 24 | uint32_t(data[at + 1]) << 16 | uint32_t(data[at + 2]) << 8
                            | uint32_t(data[at + 3]);
    }
};

void putSegmentHeader(std::vector<uint8_t> &out, uint8_t marker, size_t payload)
{
    const size_t length = payload + 2;
    out.push_back(0xFF);
    out.push_back(marker);
    out.push_back(uint8_t(length >> 8));
    out.push_back(uint8_t(length & 0xFF));
}

// Offset of IFD0's Orientation entry (0x0112, SHORT, one value), or 0.
size_t orientationEntry(const uint8_t *tiff, size_t size)
{
    if (!isTiffHeader(tiff, size))
        return 0;
    TiffReader r{tiff, size, tiff[0] == 'I'};
    const uint32_t ifd = r.u32(4);
    if (ifd < 8 || ifd > size || size - ifd < 2)
        return 0;
    const uint16_t count = r.u16(ifd);
    const size_t entries = size_t(ifd) + 2;
    if ((size - entries) / 12 < count)
        return 0;
    for (size_t i = 0; i < count; ++i) {
        const size_t e = entries + i * 12;
        if (r.u16(e) != 0x0112)
            continue;
        // SHORT, one value, stored left-aligned in the value field.
        if (r.u16(e + 2) != 3 || r.u32(e + 4) != 1)
            return 0;
        return e;
    }
    return 0;
}

} // namespace

int tiffOrientation(const uint8_t *tiff, size_t size)
{
    const size_t e = orientationEntry(tiff, size);
    return e ? TiffReader{tiff, size, tiff[0] == 'I'}.u16(e + 8) : 0;
}

bool resetTiffOrientation(uint8_t *tiff, size_t size)
{
    const size_t e = orientationEntry(tiff, size);
    if (!e)
        return false;
    const bool little = tiff[0] == 'I';
    tiff[e + 8] = little ? 1 : 0;
    tiff[e + 9] = little ? 0 : 1;
    return true;
}

const uint8_t *tiffOfExifItem(const uint8_t *item, size_t size, size_t *tiffSize)
{
    *tiffSize = 0;
    if (!item || size == 0)
        return nullptr;
    const uint8_t *tiff = nullptr;
    size_t length = 0;
    if (size >= 4) {
        // Standard HEIF layout: a 32-bit big-endian offset from the end of
        // the prefix to the TIFF header (usually 6, skipping "Exif\0\0").
        const uint32_t offset = uint32_t(item[0]) << 24 | uint32_t(item[1]) << 16 | uint32_t(item[2]) << 8 | item[3];
        if (offset <= size - 4 && isTiffHeader(item + 4 + offset, size - 4 - offset)) {
            tiff = item + 4 + offset;
            length = size - 4 - offset;
        }
    }
    if (!tiff && size > sizeof(kExifHeader) && std::memcmp(item, kExifHeader, sizeof(kExifHeader)) == 0
        && isTiffHeader(item + sizeof(kExifHeader), size - sizeof(kExifHeader))) {
        tiff = item + sizeof(kExifHeader);
        length = size - sizeof(kExifHeader);
    }
    if (!tiff && isTiffHeader(item, size)) {
        tiff = item;
        length = size;
    }
    *tiffSize = tiff ? length : 0;
    return tiff;
}

std::vector<uint8_t> exifApp1Payload(const uint8_t *item, size_t size, int *orientation)
{
    if (orientation)
        *orientation = 0;
    size_t tiffSize = 0;
    const uint8_t *tiff = tiffOfExifItem(item, size, &tiffSize);
    if (!tiff)
        return {};
    if (orientation)
        *orientation = tiffOrientation(tiff, tiffSize);
    std::vector<uint8_t> compacted;
    if (tiffSize > kMaxSegmentPayload - sizeof(kExifHeader)) {
        compacted = compactExifTiff(tiff, tiffSize, kMaxSegmentPayload - sizeof(kExifHeader));
        if (compacted.empty())
            return {};
        tiff = compacted.data();
        tiffSize = compacted.size();
    }

    std::vector<uint8_t> payload(sizeof(kExifHeader) + tiffSize);
    std::memcpy(payload.data(), kExifHeader, sizeof(kExifHeader));
    std::memcpy(payload.data() + sizeof(kExifHeader), tiff, tiffSize);
    resetTiffOrientation(payload.data() + sizeof(kExifHeader), tiffSize);
    return payload;
}

std::vector<uint8_t> metadataSegments(const std::vector<uint8_t> &exifPayload, const std::vector<uint8_t> &icc)
{
    std::vector<uint8_t> out;
    if (!exifPayload.empty() && exifPayload.size() <= kMaxSegmentPayload) {
        putSegmentHeader(out, 0xE1, exifPayload.size());
        out.insert(out.end(), exifPayload.begin(), exifPayload.end());
    }
    const size_t chunks = (icc.size() + kIccChunkData - 1) / kIccChunkData;
    if (chunks >= 1 && chunks <= 255) {
        for (size_t i = 0; i < chunks; ++i) {
            const size_t begin = i * kIccChunkData;
            const size_t length = std::min(kIccChunkData, icc.size() - begin);
            putSegmentHeader(out, 0xE2, sizeof(kIccHeader) + 2 + length);
            out.insert(out.end(), kIccHeader, kIccHeader + sizeof(kIccHeader));
            out.push_back(uint8_t(i + 1));
            out.push_back(uint8_t(chunks));
            out.insert(out.end(), icc.begin() + begin, icc.begin() + begin + length);
        }
    }
    return out;
}

int32_t deliver(const uint8_t *jpeg, size_t jpegSize, const std::vector<uint8_t> &segments, unsigned char *output,
                int32_t capacity)
{
    const size_t insertAt = segments.empty() ? 0 : segmentInsertOffset(jpeg, jpegSize);
    const std::vector<uint8_t> none;
    const std::vector<uint8_t> &inserted = insertAt ? segments : none;
    const uint64_t total = uint64_t(jpegSize) + inserted.size();
    if (total > uint64_t(INT32_MAX))
        return TARNWICK_ERR_OUTPUT_TOO_LARGE;
    if (total > uint64_t(capacity))
        return int32_t(total);
    std::memcpy(output, jpeg, insertAt);
    if (!inserted.empty())
        std::memcpy(output + insertAt, inserted.data(), inserted.size());
    std::memcpy(output + insertAt + inserted.size(), jpeg + insertAt, jpegSize - insertAt);
    return int32_t(total);
}

size_t segmentInsertOffset(const uint8_t *jpeg, size_t size)
{
    if (size < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return 0;
    if (jpeg[2] == 0xFF && jpeg[3] == 0xE0 && size >= 6) {
        const size_t app0 = 2 + (size_t(jpeg[4]) << 8 | jpeg[5]);
        if (app0 + 2 <= size)
            return app0 + 2;
    }
    return 2;
}

} // namespace tarnwick
