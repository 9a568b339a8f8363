#include "jpegparts.h"

#include <turbojpeg.h>

#include <cstring>

namespace JpegParts {

std::vector<Segment> headerSegments(const Bytes &jpeg, size_t from)
{
    std::vector<Segment> out;
    if (from + 4 > jpeg.size() || jpeg[from] != 0xFF || jpeg[from + 1] != 0xD8)
        return out;
    size_t at = from + 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        const uint8_t marker = jpeg[at + 1];
        if (marker == 0xDA || marker == 0xD9)
            break;
        const size_t length = size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
        if (length < 2 || at + 2 + length > jpeg.size())
            break;
        out.push_back({marker, Bytes(jpeg.begin() + long(at + 4), jpeg.begin() + long(at + 2 + length))});
        at += 2 + length;
    }
    return out;
}

std::vector<Bytes> appPayloads(const std::vector<Segment> &segments, uint8_t marker, const std::string &signature)
{
    std::vector<Bytes> out;
    const size_t n = signature.size() + 1; // with its zero
    for (const Segment &s : segments)
        if (s.marker == marker && s.payload.size() >= n && std::memcmp(s.payload.data(), signature.c_str(), n) == 0)
            out.emplace_back(s.payload.begin() + long(n), s.payload.end());
    return out;
}

Bytes iccProfile(const std::vector<Segment> &segments)
{
    Bytes icc;
    for (const Bytes &chunk : appPayloads(segments, 0xE2, "ICC_PROFILE"))
        if (chunk.size() > 2)
            icc.insert(icc.end(), chunk.begin() + 2, chunk.end());
    return icc;
}

size_t firstPictureSize(const Bytes &jpeg)
{
    if (jpeg.size() < 4)
        return 0;
    size_t at = 2;
    // Marker segments up to the scan, then entropy-coded data up to EOI.
    while (at + 4 <= jpeg.size()) {
        if (jpeg[at] != 0xFF)
            return 0;
        const uint8_t marker = jpeg[at + 1];
        const size_t length = size_t(jpeg[at + 2]) << 8 | jpeg[at + 3];
        at += 2 + length;
        if (marker != 0xDA)
            continue;
        while (at + 1 < jpeg.size()) {
            if (jpeg[at] == 0xFF && jpeg[at + 1] != 0 && !(jpeg[at + 1] >= 0xD0 && jpeg[at + 1] <= 0xD7)) {
                if (jpeg[at + 1] == 0xD9)
                    return at + 2;
                break; // another marker segment (progressive scans, DHT ...)
            }
            ++at;
        }
    }
    return 0;
}

Pixels decode(const Bytes &jpeg, size_t from, bool grey)
{
    Pixels p;
    if (from >= jpeg.size())
        return p;
    tjhandle tj = tjInitDecompress();
    int subsampling = 0, colorspace = 0;
    const unsigned long size = jpeg.size() - from;
    if (tjDecompressHeader3(tj, jpeg.data() + from, size, &p.width, &p.height, &subsampling, &colorspace) == 0) {
        p.channels = grey ? 1 : 3;
        p.data.resize(size_t(p.width) * size_t(p.height) * size_t(p.channels));
        if (tjDecompress2(tj, jpeg.data() + from, size, p.data.data(), p.width, 0, p.height,
                          grey ? TJPF_GRAY : TJPF_RGB, 0)
            != 0)
            p.data.clear();
    }
    tjDestroy(tj);
    return p;
}

} // namespace JpegParts
