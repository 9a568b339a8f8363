// Opening the HEIF container held in memory and finding its primary image.
//
// Any file whose meta box libheif reads is taken, whatever its brands say
// (image sequences with a still primary image, "mif2" files); only files
// without a still image are refused. libheif's security limits are tightened
// to TARNWICK_MAX_PIXELS per image and widened where our own budget already
// bounds memory: one block may hold a whole 8-bit RGBA image of that size
// (libheif's default of 512 MB refuses the RGB of a 200 MP photo).
#pragma once

#include "heifowners.h"

#include <cstdint>
#include <vector>

namespace tarnwick {

struct Container {
    std::vector<uint8_t> relabelled; // the input with brands libheif reads, when it needed them
    Context context;
    Handle primary;
};

// The file's top-level images as a caller numbers them: the primary first,
// then the others in the order of their item ids. Thumbnails, auxiliary
// images and gain map pictures are not among them.
std::vector<heif_item_id> topLevelImages(const Container &container);

// Reads from memory without copying (except to relabel the brands): input
// must outlive the result. Throws Failure.
Container openContainer(const unsigned char *input, int32_t length, int tileThreads);

} // namespace tarnwick
