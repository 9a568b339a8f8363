// Apple's own HDR gain map (iOS 14 and later): an auxiliary image of type
// "urn:com:apple:photo:2020:aux:hdrgainmap" beside the photo, whose strength
// (the HDR headroom) lives in the Apple maker note of the photo's EXIF, tags
// 33 and 48, as Apple's developer documentation on applying the Apple HDR
// effect describes:
//   stops = maker33 < 1 ? (maker48 <= 0.01 ? -20 * maker48 + 1.8 : -0.101 * maker48 + 1.601)
//                       : (maker48 <= 0.01 ? -70 * maker48 + 3.0 : -0.303 * maker48 + 2.303)
//   headroom = 2^max(stops, 0)
//   HDR = SDR * (1 + (headroom - 1) * gain)   (SDR and gain in linear light;
//                                               the gain map is encoded with
//                                               the BT.709 transfer function)
// Both tags must be there; without them the gain map is not to be used.
#pragma once

#include "gainmapmetadata.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tarnwick {

constexpr const char kAppleGainMapType[] = "urn:com:apple:photo:2020:aux:hdrgainmap";

// The headroom in stops (log2) from the Apple maker note of a TIFF (EXIF)
// structure: NAN when there is no Apple maker note with both tags, 0 when it
// says the photo has no headroom.
double appleHeadroomStops(const uint8_t *tiff, size_t size);

// The ISO 21496-1 values that give Apple's rendition for a gain map of that
// headroom, once its samples are remapped by appleGainMapRemap: one channel,
// boosts from 0 to `stops`, gamma 1, offsets 0, headrooms 0 and `stops`.
GainMapMetadata appleGainMapMetadata(double stops);

// The sample of the ISO gain map for each sample of Apple's:
// round(255 * log2(1 + (headroom - 1) * bt709ToLinear(g)) / stops).
std::array<uint8_t, 256> appleGainMapRemap(double stops);

} // namespace tarnwick
