// ICC profiles for photos whose colour is told by an nclx box alone.
//
// A JPEG has no place for nclx code points: a viewer that finds no ICC
// profile takes the pixels as sRGB. Photos in wider gamuts (Display P3,
// BT.2020, DCI-P3 ...) therefore get a matrix/TRC profile of their primaries
// and transfer, built in memory with Little CMS. Photos in BT.709 primaries
// (or unspecified ones) get none: sRGB is what viewers assume anyway.
#pragma once

#include <libheif/heif.h>

#include <cstdint>
#include <vector>

namespace tarnwick {

// The profile for an nclx colour description; empty when none is needed
// (BT.709 or unspecified primaries) or the description is unusable.
std::vector<uint8_t> nclxIccProfile(const heif_color_profile_nclx &nclx);

// The same for the image's nclx box (the container's, else none).
std::vector<uint8_t> nclxIccProfile(const heif_image_handle *handle);

} // namespace tarnwick
