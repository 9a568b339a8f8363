#pragma once

// HEIC files with what the shared fixtures cannot express: a chosen nclx
// colour description and raw metadata items exactly as given.

#include <cstdint>
#include <vector>

namespace CraftedHeic {

struct Options {
    int width = 64, height = 48;
    int matrixCoefficients = 6; // nclx matrix_coefficients written with the image
    bool fullRange = true;
    int colourPrimaries = -1;   // >= 0: nclx colour_primaries written with the image
    int transfer = -1;          // >= 0: nclx transfer_characteristics
    std::vector<uint8_t> icc;   // not empty: an ICC profile (prof) instead of the nclx box
    std::vector<std::vector<uint8_t>> exifItems; // stored as "Exif" items, byte for byte
};

// A gradient picture; empty on failure.
std::vector<uint8_t> encode(const Options &o);

} // namespace CraftedHeic
