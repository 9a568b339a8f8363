// Colour decisions between the decoded image and the JPEG: when decoded
// YCbCr planes can be encoded as they are, and alpha flattened onto white.
#pragma once

#include <libheif/heif.h>

#include <algorithm>
#include <cstdint>

namespace tarnwick {

// JPEG's YCbCr is full-range BT.601; planes in that form are encoded as they
// are. libheif reads an unspecified matrix as BT.601 too. Looks at the
// decoded image's colour description first, then the container's.
bool planesAreJpegYCbCr(const heif_image *image, const heif_image_handle *handle);

// False when the container's nclx box already rules out encoding the planes
// as they are, which saves decoding them first.
bool nclxBoxAllowsPlanes(const heif_image_handle *handle);

// One colour channel over white through alpha a.
inline uint8_t onWhite(uint8_t c, uint8_t a, bool premultiplied)
{
    if (premultiplied)
        return uint8_t(std::min(255, c + 255 - a));
    return uint8_t((c * a + 255 * (255 - a) + 127) / 255);
}

} // namespace tarnwick
