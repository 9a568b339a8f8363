// The photo's metadata carried into the JPEG: ICC profile and EXIF.
#pragma once

#include <libheif/heif.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace tarnwick {

// The raw ICC profile of the image (prof or rICC); empty when there is none.
std::vector<uint8_t> iccProfile(const heif_image_handle *handle);

struct Exif {
    std::vector<uint8_t> app1Payload; // Orientation reset to 1; empty: none usable
    int orientation = 0;              // Orientation as the file has it; 0: none
    double appleHeadroomStops = NAN;  // HDR headroom from an Apple maker note (applehdr.h); NAN: none
};

// The first usable EXIF block of the image (see exifApp1Payload).
Exif exifOf(const heif_image_handle *handle);

} // namespace tarnwick
