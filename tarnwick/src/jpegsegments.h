// Metadata segments written into the JPEG: EXIF (APP1) and ICC (APP2).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnwick {

// Largest payload of one JPEG marker segment: the 16-bit length field counts
// itself.
constexpr size_t kMaxSegmentPayload = 65535 - 2;

// Turns the content of a HEIF "Exif" item into the payload of a JPEG APP1
// segment ("Exif\0\0" followed by the TIFF structure) with IFD0's Orientation
// set to 1. Accepts the item with its 4-byte offset prefix (the standard
// layout) and also without it (starting at "Exif\0\0" or at the TIFF header).
// A TIFF structure too large for one segment (split APP1 segments are not
// readable) is rebuilt by compactExifTiff without MakerNote and thumbnail.
// Returns an empty vector when the block is empty, has no recognisable TIFF
// header, or is too large and cannot be compacted into one segment.
// *orientation (when given) receives IFD0's Orientation as the block had it,
// 0 when absent or unreadable.
std::vector<uint8_t> exifApp1Payload(const uint8_t *item, size_t size, int *orientation = nullptr);

// Where the TIFF structure lies in the content of a HEIF "Exif" item (the
// layouts exifApp1Payload accepts); null when there is none.
const uint8_t *tiffOfExifItem(const uint8_t *item, size_t size, size_t *tiffSize);

// IFD0's Orientation tag (0x0112) of a TIFF structure; 0 when absent or not
// readable.
int tiffOrientation(const uint8_t *tiff, size_t size);

// Sets the Orientation tag (0x0112) of IFD0 to 1 in a TIFF structure; leaves
// anything it cannot parse safely as it is. Returns whether the tag was found.
bool resetTiffOrientation(uint8_t *tiff, size_t size);

// The marker segments (each starting with 0xFF 0xE1 / 0xE2 and its length)
// to insert after the JFIF header: one APP1 with the EXIF payload when it is
// not empty, then the ICC profile as numbered "ICC_PROFILE" APP2 chunks when
// the profile is not empty and needs at most 255 chunks.
std::vector<uint8_t> metadataSegments(const std::vector<uint8_t> &exifPayload,
                                      const std::vector<uint8_t> &icc);

// Where inserted segments go in a JPEG stream: after SOI and, when the stream
// starts with one, after its JFIF APP0 segment. 0 when the stream is not a
// JPEG that can take them.
size_t segmentInsertOffset(const uint8_t *jpeg, size_t size);

// Writes the JPEG with the segments inserted at segmentInsertOffset into
// output, in the manner of heif2jpg's result: the length when it fits into
// capacity; the length needed, writing nothing, when it does not;
// TARNWICK_ERR_OUTPUT_TOO_LARGE beyond INT32_MAX.
int32_t deliver(const uint8_t *jpeg, size_t jpegSize, const std::vector<uint8_t> &segments, unsigned char *output,
                int32_t capacity);

} // namespace tarnwick
