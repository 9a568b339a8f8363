// PQ and HLG photos (nclx transfer 16 or 18, usually BT.2020 primaries):
// an SDR picture as their makers meant it, and the gain map that restores
// the HDR rendition.
//
// The picture is decoded at its full bit depth and turned into light:
//  - PQ: the SMPTE ST 2084 EOTF gives display light in cd/m2;
//  - HLG: the BT.2100 inverse OETF gives scene light, its OOTF for a display
//    of 1000 cd/m2 (system gamma 1.2) display light.
// HDR reference white (203 cd/m2, BT.2408) becomes SDR white. Highlights
// above it are rolled off with the BT.2390 EETF, applied in the PQ domain to
// the largest of R, G and B and the pixel scaled by the same ratio, so hue
// and saturation stay. BT.2390 rather than BT.2446 method A because its knee
// follows the photo's own peak: a photo whose brightest pixel is at
// reference white passes unchanged (content at or below white comes back as
// it was), and a brighter one is compressed only above the knee; method A
// reshapes every tone on a fixed curve made for 1000 cd/m2 video.
// Colours are converted to the output gamut (BT.709, what a JPEG without a
// profile means) in linear light; those outside it are moved toward the grey
// of their own luminance until they fit, never clipped per channel, so no
// hue turns.
// The gain map holds log2 of the HDR luminance over the SDR luminance (one
// channel, offsets 1/64), at half the picture's width and height.
#pragma once

#include "gainmapmetadata.h"
#include "heifowners.h"
#include "jpegencode.h"

#include <cstdint>
#include <vector>

namespace tarnwick {

// Whether the image's nclx box names PQ or HLG.
bool isPqOrHlg(const heif_image_handle *handle);

struct HdrPicture {
    std::vector<uint8_t> gainMapJpeg; // empty: no gain map (nothing above white, or not asked for)
    GainMapMetadata gainMap;
};

// Decodes, renders and encodes the SDR picture into jpeg, upright like every
// other photo (the container's transformations and the EXIF orientation
// given), with the gain map when withGainMap. Throws Failure.
HdrPicture encodePqOrHlgImage(const heif_context *context, heif_image_handle *handle, int quality,
                              int exifOrientation, bool withGainMap, TjBuffer &jpeg);

// The most memory encodePqOrHlgImage holds for an image of that many pixels.
uint64_t pqOrHlgPeakBytes(uint64_t storedPixels);

} // namespace tarnwick
