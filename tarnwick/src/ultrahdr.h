// The multi-picture JPEG that carries a gain map (the Ultra HDR 1.1 layout):
//
//   primary picture: SOI, [APP0], the photo's EXIF and ICC segments, an XMP
//     packet (hdrgm Version 1.0 and a container directory naming the gain
//     map and its length), an ISO 21496-1 APP2 with the versions only, an MPF
//     APP2 indexing both pictures, then the picture itself up to its EOI;
//   gain map picture: SOI, [APP0], an XMP packet with the hdrgm values, the
//     ISO 21496-1 APP2 with the whole metadata, then the picture.
//
// Readers that know none of this show the primary picture, the SDR photo.
#pragma once

#include "gainmapmetadata.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnwick {

// The whole JPEG: the encoded primary picture with the metadata segments
// (metadataSegments) and the gain map segments inserted, followed by the
// encoded gain map picture with its own segments. Empty when either picture
// is not a JPEG stream that can take segments, or when the result would not
// fit into 32 bits.
std::vector<uint8_t> assembleGainMapJpeg(const uint8_t *primary, size_t primarySize,
                                         const std::vector<uint8_t> &metadataSegments, const uint8_t *gainMap,
                                         size_t gainMapSize, const GainMapMetadata &metadata);

// The APP2 signature of ISO 21496-1 gain map metadata, with its zero.
extern const char kIsoGainMapSignature[28];

} // namespace tarnwick
