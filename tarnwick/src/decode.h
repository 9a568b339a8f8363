// Decoding the primary image's pixels through libheif.
//
// HEVC goes to our own decoder (decoderplugins.h), never to libheif's: it
// refuses data it finds damaged and otherwise decodes into memory cleared
// for the photo, so what it leaves unwritten is never another photo's.
// JPEG-coded images go to our TurboJPEG decoder (same rules), other codecs
// (AV1) to whichever decoder libheif has for them.
#pragma once

#include "heifowners.h"

namespace tarnwick {

// Whether the image's alpha is one for the whole picture: true for an image
// that is not a grid, for a grid with an alpha image of its own, and for a
// grid whose tiles all carry alpha. libheif
// builds a grid's canvas from whichever tile is decoded first, with or without
// an alpha plane, so a grid where only some tiles carry alpha would give
// other pixels from one run to the next; it is decoded as having none.
bool alphaIsWholeImage(const heif_context *context, const heif_image_handle *handle);

// The decoded image in the colourspace and chroma asked for, 8 bits per
// sample at most unless fullBitDepth; with applyTransformations, libheif
// applies the file's rotation, mirroring and crop. Throws Failure when
// nothing decodes.
Image decode(const heif_context *context, heif_image_handle *handle, heif_colorspace colorspace, heif_chroma chroma,
             bool applyTransformations, bool fullBitDepth = false);

} // namespace tarnwick
