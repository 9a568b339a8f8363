#pragma once

// Reading back what the decoder wrote: the marker segments in front of each
// picture's scan, the pictures of a multi-picture JPEG, their pixels.

#include <cstdint>
#include <string>
#include <vector>

namespace JpegParts {

using Bytes = std::vector<uint8_t>;

struct Segment {
    uint8_t marker = 0;
    Bytes payload;
};

// The segments before the first scan; empty for a stream without SOI.
std::vector<Segment> headerSegments(const Bytes &jpeg, size_t from = 0);

// The payloads of APPn segments starting with the signature (bytes up to and
// including its terminating zero when it has one), signature removed.
std::vector<Bytes> appPayloads(const std::vector<Segment> &segments, uint8_t marker, const std::string &signature);

// The ICC profile from the ICC_PROFILE chunks, in order; empty when none.
Bytes iccProfile(const std::vector<Segment> &segments);

// Where the first picture's EOI ends: the size of the primary picture.
size_t firstPictureSize(const Bytes &jpeg);

struct Pixels {
    int width = 0, height = 0, channels = 0;
    Bytes data;
    bool valid() const { return !data.empty(); }
};

// TurboJPEG's decode of the picture starting at `from`, as RGB (channels 3)
// or grey (channels 1).
Pixels decode(const Bytes &jpeg, size_t from = 0, bool grey = false);

} // namespace JpegParts
