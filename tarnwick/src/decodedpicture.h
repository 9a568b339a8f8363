// What the decoder plugins share: the coded data libheif pushes, and the
// decoded planes copied into a heif_image.
#pragma once

#include <libheif/heif.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnwick {

// NAL units as libheif pushes them: each preceded by its length in four
// big-endian bytes (the hvcC parameter sets first, then the image data).
class NalUnits {
public:
    // Appends one pushed block; an error when a length runs past its block.
    heif_error append(const void *data, size_t size);

    struct Unit {
        const uint8_t *data;
        size_t size;
    };
    const std::vector<Unit> &units() const { return m_units; }
    size_t totalSize() const { return m_total; }

private:
    std::vector<std::vector<uint8_t>> m_blocks;
    std::vector<Unit> m_units;
    size_t m_total = 0;
};

// A decoded picture's planes as the decoder holds them.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    heif_chroma chroma = heif_chroma_undefined; // monochrome, 420, 422 or 444
    int bitDepth = 8;                           // 8 to 16; > 8: two bytes per sample
    const uint8_t *planes[3] = {nullptr, nullptr, nullptr};
    ptrdiff_t strides[3] = {0, 0, 0}; // bytes
    // Colour description from the stream (ISO/IEC 23091-2 code points).
    int colourPrimaries = 2, transferCharacteristics = 2, matrixCoefficients = 2;
    bool fullRange = false;
};

// How the chroma formats a decoded picture may have lay out their planes:
// one plane (monochrome) or three, chroma planes with 1 << shift times fewer
// columns or rows than luma (rounded up).
inline int planeCountOf(heif_chroma chroma)
{
    return chroma == heif_chroma_monochrome ? 1 : 3;
}
inline int chromaShiftXOf(heif_chroma chroma)
{
    return chroma == heif_chroma_420 || chroma == heif_chroma_422 ? 1 : 0;
}
inline int chromaShiftYOf(heif_chroma chroma)
{
    return chroma == heif_chroma_420 ? 1 : 0;
}
// The format with that layout; heif_chroma_undefined for any other.
heif_chroma chromaOfLayout(int planeCount, int chromaShiftX, int chromaShiftY);

// A heif_image holding a copy of the picture's visible area; *out is NULL on
// error.
heif_error toHeifImage(const DecodedPicture &picture, heif_image **out);

heif_error decoderOk();
heif_error outOfMemoryError();
// A refusal: heif_error_Decoder_plugin_error with the static text given.
heif_error decoderError(const char *staticText);
// A picture format the decoders do not convert: heif_error_Unsupported_feature
// (unsupported colour conversion) with the static text given.
heif_error unsupportedError(const char *staticText);

} // namespace tarnwick
