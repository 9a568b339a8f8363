// The primary image's own thumbnail as an upright JPEG, for a first picture
// while the full image decodes.
#pragma once

#include "request.h"

#include <cstdint>

namespace tarnwick {

// Only a thumbnail item that refers to the primary image is taken (the
// largest when there are several); a file without one gives
// TARNWICK_ERR_NO_IMAGE. The thumbnail is turned by its own rotation and
// mirror, else by the photo's EXIF orientation, and carries no metadata.
// Results as heif2jpg (the JPEG's length, possibly more than outputCapacity,
// or a TARNWICK_ERR_ code); the arguments are checked by the caller. Works on
// the bytes given only. Throws Failure.
int32_t thumbnail(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                  int32_t outputCapacity);

} // namespace tarnwick
