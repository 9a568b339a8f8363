// From the primary image to JPEG pixels: picks the road by the image's
// colourspace, decodes, makes it upright and 8-bit, flattens alpha onto white
// and encodes. Metadata segments are added by the caller.
//
// Roads, cheapest first:
//  - grey: one-component JPEG from the grey plane;
//  - YCbCr planes encoded as they are, when they already are JPEG's YCbCr
//    (full-range BT.601), with no alpha, crop or EXIF orientation to apply;
//    libheif rotates and mirrors the planes;
//  - RGB otherwise (colour conversion by libheif). Transformations are
//    applied by libheif unless the image is cropped (see transform.h), the
//    EXIF orientation here.
#pragma once

#include "jpegencode.h"

#include <libheif/heif.h>

#include <cstdint>

namespace tarnwick {

// What the road and the memory it takes depend on, read once per image.
struct ImageFacts {
    // The coded colourspace and chroma, both undefined when libheif cannot
    // tell: the decoder then reports why (a codec with no decoder installed,
    // unsupported, or damaged data).
    heif_colorspace colorspace = heif_colorspace_undefined;
    heif_chroma chroma = heif_chroma_undefined;
    bool hasAlpha = false;
    bool cleanAperture = false; // cropped, by transformations of our own (transform.h)
};

ImageFacts imageFacts(const heif_context *context, const heif_image_handle *handle);

// The most memory encodePrimaryImage holds at one time for an image of
// storedPixels pixels (before crop and rotation), in bytes, whichever road it
// takes: what a call reserves from the memory budget before decoding.
uint64_t peakBytes(const ImageFacts &facts, const heif_image_handle *handle, uint64_t storedPixels,
                   int exifOrientation);

// facts: imageFacts of the image. exifOrientation: an EXIF Orientation still
// to apply to the pixels (2 to 8), or 0/1 for none. Throws Failure.
void encodePrimaryImage(const heif_context *context, heif_image_handle *handle, const ImageFacts &facts,
                        int quality, int exifOrientation, TjBuffer &jpeg);

} // namespace tarnwick
