// The photo's HDR gain map: found in the file, decoded, made upright like the
// photo and encoded as the JPEG picture that follows the primary one
// (ultrahdr.h).
//
// ISO 21496-1 gain maps live in a tmap derived image item whose dimg inputs
// are the base image (the primary) and the gain map image, and whose item
// data is the metadata. libheif has no gain map calls; the items are read
// through its generic item calls.
//
// A gain map that cannot be used (references to nothing, metadata cut short
// or out of range, a picture larger than the photo or of another shape, a
// gain map that does not decode) is left out with a reason: the photo is
// converted without it, never refused for it.
#pragma once

#include "gainmapmetadata.h"
#include "heifowners.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

// The text that starts the JPEG comment of an SDR picture whose gain map was
// left out; the reason follows.
constexpr const char kGainMapLeftOutNote[] = "Tarnwick: gain map left out: ";

struct GainMapSource {
    bool present = false;  // the file has a gain map for the image
    heif_item_id item = 0; // the gain map image; 0 when it cannot be used
    GainMapMetadata metadata;
    std::string problem;   // why a gain map that is present cannot be used
    bool usable() const { return present && item != 0 && problem.empty(); }
};

// The gain map of the image (by its item id), from its tmap item.
GainMapSource findGainMap(heif_context *context, heif_item_id image);

// Memory the gain map's decode and encode hold at most (for the budget).
uint64_t gainMapPeakBytes(heif_context *context, const GainMapSource &source);

struct GainMapPicture {
    std::vector<uint8_t> jpeg; // empty when left out
    std::string problem;       // why it was left out
};

// Decodes the gain map with its own transformations, turns it by the EXIF
// orientation the photo was turned by, checks it against the photo's final
// size and encodes it. Throws nothing: every failure becomes `problem`.
GainMapPicture encodeGainMap(heif_context *context, const GainMapSource &source, int quality, int exifOrientation,
                             int photoWidth, int photoHeight);

} // namespace tarnwick
