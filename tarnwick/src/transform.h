// Turning decoded pixels upright: the container's rotation, mirroring and
// clean-aperture crop (irot, imir, clap, in the file's order), and the EXIF
// Orientation for photos whose container carries no rotation or mirroring.
//
// libheif applies the container's transformations itself, but 1.19 crops
// subsampled chroma planes wrongly (one column or row too many and shifted by
// one), so cropped images are decoded untransformed and transformed here,
// after the colour conversion.
#pragma once

#include <libheif/heif.h>

#include <cstdint>
#include <vector>

namespace tarnwick {

// Tightly packed 8-bit pixels of 1 (grey) or 3 (RGB) channels.
struct Raster {
    int width = 0;
    int height = 0;
    int channels = 0;
    std::vector<uint8_t> pixels;
};

// Whether the image carries a clean-aperture crop (clap).
bool hasCleanAperture(const heif_context *context, const heif_image_handle *handle);

// Whether the image carries a rotation (irot) or mirroring (imir): then the
// container's orientation is the one that holds, whatever EXIF says.
bool hasContainerOrientation(const heif_context *context, const heif_image_handle *handle);

// The container's transformations applied to an untransformed decode, in the
// file's order. Throws Failure(TARNWICK_ERR_CORRUPT) for invalid ones.
Raster transformed(Raster r, const heif_context *context, const heif_image_handle *handle);

// An EXIF Orientation (2 to 8) applied, so the result is upright; 1 and
// values outside 1..8 leave the raster as it is.
Raster exifOriented(Raster r, int orientation);

} // namespace tarnwick
