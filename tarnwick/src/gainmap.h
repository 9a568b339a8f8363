// The photo's HDR gain map: found in the file, decoded, made upright like the
// photo and encoded as the JPEG picture that follows the primary one
// (ultrahdr.h).
//
// ISO 21496-1 gain maps live in a tmap derived image item whose dimg inputs
// are the base image (the primary) and the gain map image, and whose item
// data is the metadata. libheif has no gain map calls; the items are read
// through its generic item calls.
//
// Apple's gain map (applehdr.h), an auxiliary image of the photo, is taken
// when there is no ISO one; its samples are remapped so that the ISO formula
// gives Apple's rendition.
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
    double appleStops = 0; // > 0: Apple's gain map of that headroom, to be remapped
    bool usable() const { return present && item != 0 && problem.empty(); }
};

// The gain map of the image: from its tmap item, else Apple's auxiliary
// gain map with the headroom of the photo's maker note (appleStops: NAN when
// the maker note does not tell it, which leaves the gain map out; 0 when it
// says there is none, which is no gain map at all).
GainMapSource findGainMap(heif_context *context, const heif_image_handle *image, double appleStops);

// The gain map pictures named by the file's tmap items (not images of their
// own for anyone converting the file's images).
std::vector<heif_item_id> gainMapPictures(const heif_context *context);

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
