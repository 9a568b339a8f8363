// JPEG encoding with TurboJPEG, from 8-bit YCbCr planes or from packed
// pixels.
#pragma once

#include "tjowners.h"

#include <libheif/heif.h>
#include <turbojpeg.h>

#include <cstdint>
#include <vector>

namespace tarnwick {

// A JPEG in TurboJPEG's memory.
struct TjBuffer {
    unsigned char *data = nullptr;
    unsigned long size = 0;
    TjBuffer() = default;
    TjBuffer(const TjBuffer &) = delete;
    TjBuffer &operator=(const TjBuffer &) = delete;
    ~TjBuffer() { tjFree(data); }
};

// One plane of 8-bit samples: a decoded 8-bit plane in place, or a copy of a
// deeper one scaled to 8 bits.
struct Plane8 {
    const uint8_t *data = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> storage;
};

// The channel of a decoded image as 8-bit samples. Throws
// Failure(TARNWICK_ERR_DECODE) when the image lacks it.
Plane8 plane8(const heif_image *image, heif_channel channel);

// TurboJPEG reads each plane in whole subsampling units: the luma plane of an
// odd-sized 4:2:0 picture one column and one row beyond the picture. Planes
// that do not extend that far are copied with their last column and row
// repeated, to width x height.
void padForEncoder(Plane8 &p, int width, int height);

// The JPEG's chroma subsampling follows the photo's own (4:4:4 for others).
int subsamplingFor(heif_chroma chroma);

class Encoder {
public:
    Encoder(); // throws Failure(TARNWICK_ERR_NO_MEMORY)
    // Planes padded with padForEncoder; throws Failure(TARNWICK_ERR_ENCODE).
    void fromPlanes(const Plane8 planes[3], int width, int height, int subsampling, int quality, TjBuffer &out);
    // TJPF_ pixels; throws Failure(TARNWICK_ERR_ENCODE).
    void fromPixels(const uint8_t *pixels, int width, int stride, int height, int pixelFormat, int subsampling,
                    int quality, TjBuffer &out);

private:
    TjHandle m_tj;
};

} // namespace tarnwick
