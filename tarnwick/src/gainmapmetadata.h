// Gain map metadata (ISO 21496-1): how a gain map turns the SDR picture into
// its HDR rendition, read from untrusted bytes and written for JPEG readers.
//
// The rendition, per channel, with the gain map sample G in 0..1 and the SDR
// picture's linear value S:
//   L = lerp(gainMapMin, gainMapMax, G^(1/gamma))       (log2 of the boost)
//   w = clamp((log2(display headroom) - baseHeadroom) / (alternateHeadroom - baseHeadroom), 0, 1)
//   HDR = (S + baseOffset) * 2^(L * w) - alternateOffset
// Headrooms and the min/max boosts are log2 values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

struct GainMapMetadata {
    int channels = 1; // 1: one gain for all of R, G and B; 3: one each
    bool useBaseColourSpace = true;
    double baseHeadroom = 0;      // log2; 0: the base picture is SDR
    double alternateHeadroom = 0; // log2 of the HDR rendition's headroom
    double gainMapMin[3] = {0, 0, 0};
    double gainMapMax[3] = {0, 0, 0};
    double gamma[3] = {1, 1, 1};
    double baseOffset[3] = {1.0 / 64, 1.0 / 64, 1.0 / 64};
    double alternateOffset[3] = {1.0 / 64, 1.0 / 64, 1.0 / 64};

    // Values a reader can apply: finite, gamma > 0, min <= max, offsets
    // above -1, headrooms in 0 .. 16 stops and not equal.
    bool isUsable() const;
};

// Parses the ISO 21496-1 GainMapMetadata structure (minimum_version onwards,
// as in a JPEG's APP2 segment; a HEIF tmap item puts a version byte, 0, in
// front: see parseToneMapItem). False for anything but a complete structure
// of version 0 with usable values.
bool parseGainMapMetadata(const uint8_t *data, size_t size, GainMapMetadata *out);

// The content of a HEIF tmap item: version 0, then the structure above.
bool parseToneMapItem(const uint8_t *data, size_t size, GainMapMetadata *out);

// The structure as parseGainMapMetadata reads it, with every value as a
// fraction of its own (denominators of 10^6, or of 1 for whole numbers that
// do not fit).
std::vector<uint8_t> serializeGainMapMetadata(const GainMapMetadata &m);

// The same values in the hdrgm XMP namespace (gain map version 1.0), for the
// gain map picture's own XMP packet.
std::string gainMapXmp(const GainMapMetadata &m);

} // namespace tarnwick
