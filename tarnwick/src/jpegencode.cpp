#include "jpegencode.h"

#include "Tarnwick.h"
#include "errors.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {

Plane8 plane8(const heif_image *image, heif_channel channel)
{
    Plane8 p;
    p.width = heif_image_get_width(image, channel);
    p.height = heif_image_get_height(image, channel);
    int stride = 0;
    const uint8_t *src = heif_image_get_plane_readonly(image, channel, &stride);
    const int bits = heif_image_get_bits_per_pixel_range(image, channel);
    if (!src || p.width <= 0 || p.height <= 0 || stride <= 0 || bits < 1 || bits > 16)
        throw Failure{TARNWICK_ERR_DECODE};
    if (bits <= 8) {
        p.data = src;
        p.stride = stride;
        return p;
    }
    if (size_t(stride) < size_t(p.width) * 2)
        throw Failure{TARNWICK_ERR_DECODE};
    p.storage.resize(size_t(p.width) * size_t(p.height));
    const uint32_t maxValue = (1u << bits) - 1;
    for (int y = 0; y < p.height; ++y) {
        const uint16_t *row = reinterpret_cast<const uint16_t *>(src + size_t(y) * size_t(stride));
        uint8_t *out = p.storage.data() + size_t(y) * size_t(p.width);
        for (int x = 0; x < p.width; ++x) {
            const uint32_t v = std::min<uint32_t>(row[x], maxValue);
            out[x] = uint8_t((v * 255 + maxValue / 2) / maxValue);
        }
    }
    p.data = p.storage.data();
    p.stride = p.width;
    return p;
}

void padForEncoder(Plane8 &p, int width, int height)
{
    if (width <= 0 || height <= 0 || p.width < width - 1 || p.height < height - 1)
        throw Failure{TARNWICK_ERR_DECODE};
    if (p.width >= width && p.height >= height && p.stride >= width)
        return;
    std::vector<uint8_t> padded(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        const uint8_t *src = p.data + size_t(std::min(y, p.height - 1)) * size_t(p.stride);
        uint8_t *dst = padded.data() + size_t(y) * size_t(width);
        const int copied = std::min(width, p.width);
        std::memcpy(dst, src, size_t(copied));
        std::memset(dst + copied, src[copied - 1], size_t(width - copied));
    }
    p.storage = std::move(padded);
    p.data = p.storage.data();
    p.stride = p.width = width;
    p.height = height;
}

int subsamplingFor(heif_chroma chroma)
{
    switch (chroma) {
    case heif_chroma_420:
        return TJSAMP_420;
    case heif_chroma_422:
        return TJSAMP_422;
    default:
        return TJSAMP_444;
    }
}

Encoder::Encoder() : m_tj(tjInitCompress())
{
    if (!m_tj)
        throw Failure{TARNWICK_ERR_NO_MEMORY};
}

void Encoder::fromPlanes(const Plane8 planes[3], int width, int height, int subsampling, int quality, TjBuffer &out)
{
    const unsigned char *src[3] = {planes[0].data, planes[1].data, planes[2].data};
    const int strides[3] = {planes[0].stride, planes[1].stride, planes[2].stride};
    if (tjCompressFromYUVPlanes(m_tj.get(), src, width, strides, height, subsampling, &out.data, &out.size, quality, 0)
        != 0)
        throw Failure{TARNWICK_ERR_ENCODE};
}

void Encoder::fromPixels(const uint8_t *pixels, int width, int stride, int height, int pixelFormat, int subsampling,
                         int quality, TjBuffer &out)
{
    if (tjCompress2(m_tj.get(), pixels, width, stride, height, pixelFormat, &out.data, &out.size, subsampling, quality,
                    0)
        != 0)
        throw Failure{TARNWICK_ERR_ENCODE};
}

} // namespace tarnwick
