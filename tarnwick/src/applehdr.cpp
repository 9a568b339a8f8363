#include "applehdr.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarnwick {
namespace {

// Bounds-checked TIFF reads in one byte order.
struct Tiff {
    const uint8_t *data;
    size_t size;
    bool little;

    bool has(size_t at, size_t bytes) const { return at <= size && size - at >= bytes; }
    uint16_t u16(size_t at) const
    {
        return little ? uint16_t(data[at] | data[at + 1] << 8) : uint16_t(data[at] << 8 | data[at + 1]);
    }
    uint32_t u32(size_t at) const
    {
        return little ? uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16 : uint32_t(u16(at)) << 16 | u16(at + 2);
    }
};

struct Entry {
    uint16_t type = 0;
    uint32_t count = 0;
    size_t valueAt = 0; // offset of the value in the structure
    bool found = false;
};

const size_t kTypeSize[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

// The entry of `tag` in the IFD at ifdAt; offsets of values larger than four
// bytes count from `base`.
Entry findEntry(const Tiff &t, size_t ifdAt, size_t base, uint16_t tag)
{
    Entry e;
    if (!t.has(ifdAt, 2))
        return e;
    const size_t count = t.u16(ifdAt);
    if ((t.size - ifdAt - 2) / 12 < count)
        return e;
    for (size_t i = 0; i < count; ++i) {
        const size_t at = ifdAt + 2 + 12 * i;
        if (t.u16(at) != tag)
            continue;
        e.type = t.u16(at + 2);
        e.count = t.u32(at + 4);
        if (e.type == 0 || e.type > 12 || e.count == 0 || e.count > t.size)
            return e;
        const uint64_t bytes = uint64_t(kTypeSize[e.type]) * e.count;
        e.valueAt = bytes <= 4 ? at + 8 : base + t.u32(at + 8);
        if (e.valueAt < base || !t.has(e.valueAt, size_t(bytes)))
            return e;
        e.found = true;
        return e;
    }
    return e;
}

// The first value of a numeric entry as a double; false for other types.
bool numberOf(const Tiff &t, const Entry &e, double *v)
{
    if (!e.found)
        return false;
    switch (e.type) {
    case 3:
        *v = t.u16(e.valueAt);
        return true;
    case 4:
        *v = t.u32(e.valueAt);
        return true;
    case 9:
        *v = int32_t(t.u32(e.valueAt));
        return true;
    case 5:
    case 10: {
        const double n = e.type == 5 ? double(t.u32(e.valueAt)) : double(int32_t(t.u32(e.valueAt)));
        const double d = e.type == 5 ? double(t.u32(e.valueAt + 4)) : double(int32_t(t.u32(e.valueAt + 4)));
        if (d == 0)
            return false;
        *v = n / d;
        return true;
    }
    case 11: {
        const uint32_t bits = t.u32(e.valueAt);
        float f;
        std::memcpy(&f, &bits, 4);
        *v = f;
        return std::isfinite(*v);
    }
    default:
        return false;
    }
}

// The inverse of the BT.709 OETF.
double bt709ToLinear(double v)
{
    return v < 0.081 ? v / 4.5 : std::pow((v + 0.099) / 1.099, 1.0 / 0.45);
}

} // namespace

double appleHeadroomStops(const uint8_t *tiffData, size_t size)
{
    if (!tiffData || size < 8)
        return NAN;
    const bool little = tiffData[0] == 'I' && tiffData[1] == 'I';
    if (!little && !(tiffData[0] == 'M' && tiffData[1] == 'M'))
        return NAN;
    const Tiff tiff{tiffData, size, little};
    const Entry exifPointer = findEntry(tiff, tiff.u32(4), 0, 0x8769);
    if (!exifPointer.found || exifPointer.type != 4)
        return NAN;
    const Entry makerNote = findEntry(tiff, tiff.u32(exifPointer.valueAt), 0, 0x927C);
    if (!makerNote.found || makerNote.type != 7)
        return NAN;
    // "Apple iOS\0", a 16-bit version, the byte order, then an IFD whose
    // offsets count from the maker note's start.
    const uint8_t *note = tiffData + makerNote.valueAt;
    const size_t noteSize = makerNote.count;
    if (noteSize < 16 || std::memcmp(note, "Apple iOS", 10) != 0)
        return NAN;
    const bool noteLittle = note[12] == 'I' && note[13] == 'I';
    if (!noteLittle && !(note[12] == 'M' && note[13] == 'M'))
        return NAN;
    const Tiff apple{note, noteSize, noteLittle};
    double maker33 = 0, maker48 = 0;
    if (!numberOf(apple, findEntry(apple, 14, 0, 33), &maker33)
        || !numberOf(apple, findEntry(apple, 14, 0, 48), &maker48))
        return NAN;
    double stops;
    if (maker33 < 1.0)
        stops = maker48 <= 0.01 ? -20.0 * maker48 + 1.8 : -0.101 * maker48 + 1.601;
    else
        stops = maker48 <= 0.01 ? -70.0 * maker48 + 3.0 : -0.303 * maker48 + 2.303;
    if (!std::isfinite(stops) || stops <= 0)
        return 0;
    return std::min(stops, 16.0);
}

GainMapMetadata appleGainMapMetadata(double stops)
{
    GainMapMetadata m;
    m.channels = 1;
    m.useBaseColourSpace = true;
    m.baseHeadroom = 0;
    m.alternateHeadroom = stops;
    for (int c = 0; c < 3; ++c) {
        m.gainMapMin[c] = 0;
        m.gainMapMax[c] = stops;
        m.gamma[c] = 1;
        m.baseOffset[c] = 0;
        m.alternateOffset[c] = 0;
    }
    return m;
}

std::array<uint8_t, 256> appleGainMapRemap(double stops)
{
    std::array<uint8_t, 256> lut{};
    const double headroom = std::exp2(stops);
    for (int g = 0; g < 256; ++g) {
        const double boost = std::log2(1.0 + (headroom - 1.0) * bt709ToLinear(g / 255.0));
        lut[size_t(g)] = uint8_t(std::lround(std::clamp(255.0 * boost / stops, 0.0, 255.0)));
    }
    return lut;
}

} // namespace tarnwick
