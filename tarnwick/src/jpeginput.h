// Input that already is a JPEG stream (a renamed .jpg): passed through
// unchanged, byte for byte, but only after it has proven to be a whole, clean
// JPEG within the size limits. It is decoded once under the memory budget,
// stopping at the first warning, so a stream that is truncated or damaged, or
// declares more pixels than TARNWICK_MAX_PIXELS, is refused rather than
// handed on for the caller's image loader to fill with grey or to allocate
// gigabytes for.
#pragma once

#include <cstdint>

namespace tarnwick {

// Whether the bytes start like a JPEG stream (SOI and a marker).
bool looksLikeJpeg(const unsigned char *input, int32_t length);

// heif2jpg's result for a JPEG input: the input's length (copied when it
// fits), or TARNWICK_ERR_CORRUPT (unreadable or damaged), TARNWICK_ERR_TRUNCATED,
// TARNWICK_ERR_TOO_LARGE, TARNWICK_ERR_NO_MEMORY. Throws Failure.
int32_t passThroughJpeg(const unsigned char *input, int32_t length, unsigned char *output, int32_t capacity);

} // namespace tarnwick
