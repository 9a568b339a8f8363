// Rebuilding an EXIF TIFF structure that is too large for one JPEG segment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnwick {

// Rewrites the TIFF structure of an EXIF block as a compact TIFF of at most
// `limit` bytes, in the source's byte order, keeping IFD0, the Exif IFD
// (0x8769), the GPS IFD (0x8825) and the Interoperability IFD (0xA005) with
// their values. Left out: the MakerNote (its private offsets do not survive a
// move), IFD1 with the thumbnail, tags whose values are offsets into the old
// layout, entries whose values lie outside the input, and then the largest
// remaining values until the result fits. Returns an empty vector when IFD0
// cannot be read, an IFD is malformed or referenced twice, or nothing that
// fits would remain. Reads nothing outside [tiff, tiff + size).
std::vector<uint8_t> compactExifTiff(const uint8_t *tiff, size_t size, size_t limit);

} // namespace tarnwick
