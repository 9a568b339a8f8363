#include "decodedpicture.h"

#include "picturesizes.h"

#include <cstring>
#include <memory>

namespace tarnwick {

heif_error decoderOk()
{
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "Success"};
}

heif_error outOfMemoryError()
{
    return heif_error{heif_error_Memory_allocation_error, heif_suberror_Unspecified, "out of memory"};
}

heif_error decoderError(const char *staticText)
{
    return heif_error{heif_error_Decoder_plugin_error, heif_suberror_Unspecified, staticText};
}

heif_error unsupportedError(const char *staticText)
{
    return heif_error{heif_error_Unsupported_feature, heif_suberror_Unsupported_color_conversion, staticText};
}

heif_chroma chromaOfLayout(int planeCount, int chromaShiftX, int chromaShiftY)
{
    if (planeCount == 1)
        return heif_chroma_monochrome;
    if (planeCount != 3)
        return heif_chroma_undefined;
    if (chromaShiftX == 1 && chromaShiftY == 1)
        return heif_chroma_420;
    if (chromaShiftX == 1 && chromaShiftY == 0)
        return heif_chroma_422;
    if (chromaShiftX == 0 && chromaShiftY == 0)
        return heif_chroma_444;
    return heif_chroma_undefined;
}

heif_error NalUnits::append(const void *data, size_t size)
{
    if (size == 0)
        return decoderOk();
    if (!data)
        return decoderError("no data");
    const auto *bytes = static_cast<const uint8_t *>(data);
    m_blocks.emplace_back(bytes, bytes + size);
    const std::vector<uint8_t> &block = m_blocks.back();
    // Units found so far point into earlier blocks, which never move.
    size_t at = 0;
    while (at < block.size()) {
        if (block.size() - at < 4)
            return heif_error{heif_error_Decoder_plugin_error, heif_suberror_End_of_data, "NAL length cut off"};
        const size_t length = size_t(block[at]) << 24 | size_t(block[at + 1]) << 16 | size_t(block[at + 2]) << 8
            | size_t(block[at + 3]);
        at += 4;
        if (length > block.size() - at)
            return heif_error{heif_error_Decoder_plugin_error, heif_suberror_End_of_data, "NAL unit cut off"};
        if (length > 0) {
            m_units.push_back(Unit{block.data() + at, length});
            m_total += length;
        }
        at += length;
    }
    return decoderOk();
}

heif_error toHeifImage(const DecodedPicture &p, heif_image **out)
{
    *out = nullptr;
    const bool mono = p.chroma == heif_chroma_monochrome;
    if (p.width <= 0 || p.height <= 0 || p.bitDepth < 1 || p.bitDepth > 16
        || !(mono || p.chroma == heif_chroma_420 || p.chroma == heif_chroma_422 || p.chroma == heif_chroma_444))
        return decoderError("unsupported picture format");
    heif_image *raw = nullptr;
    heif_error e = heif_image_create(p.width, p.height, mono ? heif_colorspace_monochrome : heif_colorspace_YCbCr,
                                     p.chroma, &raw);
    if (e.code != heif_error_Ok)
        return e;
    std::unique_ptr<heif_image, void (*)(const heif_image *)> image(raw, heif_image_release);

    static const heif_channel channels[3] = {heif_channel_Y, heif_channel_Cb, heif_channel_Cr};
    const size_t sampleBytes = p.bitDepth > 8 ? 2 : 1;
    for (int c = 0; c < planeCountOf(p.chroma); ++c) {
        const int shiftX = c == 0 ? 0 : chromaShiftXOf(p.chroma);
        const int shiftY = c == 0 ? 0 : chromaShiftYOf(p.chroma);
        const int width = int((int64_t(p.width) + (1 << shiftX) - 1) >> shiftX);
        const int height = int((int64_t(p.height) + (1 << shiftY) - 1) >> shiftY);
        const size_t rowBytes = size_t(width) * sampleBytes;
        if (!p.planes[c] || p.strides[c] < ptrdiff_t(rowBytes))
            return decoderError("picture plane missing");
        e = heif_image_add_plane(image.get(), channels[c], width, height, p.bitDepth);
        if (e.code != heif_error_Ok)
            return e;
        int stride = 0;
        uint8_t *dst = heif_image_get_plane(image.get(), channels[c], &stride);
        if (!dst || size_t(stride) < rowBytes)
            return decoderError("picture plane not allocated");
        for (int y = 0; y < height; ++y)
            std::memcpy(dst + size_t(y) * size_t(stride), p.planes[c] + ptrdiff_t(y) * p.strides[c], rowBytes);
    }

    heif_color_profile_nclx *nclx = heif_nclx_color_profile_alloc();
    if (nclx) {
        heif_nclx_color_profile_set_color_primaries(nclx, uint16_t(p.colourPrimaries));
        heif_nclx_color_profile_set_transfer_characteristics(nclx, uint16_t(p.transferCharacteristics));
        heif_nclx_color_profile_set_matrix_coefficients(nclx, uint16_t(p.matrixCoefficients));
        nclx->full_range_flag = p.fullRange ? 1 : 0;
        heif_image_set_nclx_color_profile(image.get(), nclx);
        heif_nclx_color_profile_free(nclx);
    }
    recordDecodedPicture(p.width, p.height);
    *out = image.release();
    return decoderOk();
}

} // namespace tarnwick
