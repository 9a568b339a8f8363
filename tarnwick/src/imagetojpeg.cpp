#include "imagetojpeg.h"

#include "Tarnwick.h"
#include "colour.h"
#include "decode.h"
#include "errors.h"
#include "pixelbudget.h"
#include "transform.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {
namespace {

bool needsExifOrientation(int orientation)
{
    return orientation >= 2 && orientation <= 8;
}

// Grey photos keep one component. False when alpha is not delivered with the
// grey plane: the caller goes via RGB.
bool encodeMonochrome(const heif_context *context, heif_image_handle *handle, const ImageFacts &facts, int quality,
                      int exifOrientation, Encoder &encoder, TjBuffer &jpeg)
{
    Image image = decode(context, handle, heif_colorspace_monochrome, heif_chroma_monochrome, true);
    const bool hasAlpha = facts.hasAlpha;
    if (hasAlpha && !heif_image_has_channel(image.get(), heif_channel_Alpha))
        return false;
    Plane8 grey = plane8(image.get(), heif_channel_Y);
    checkSize(grey.width, grey.height);
    if (hasAlpha) {
        Plane8 alpha = plane8(image.get(), heif_channel_Alpha);
        if (alpha.width != grey.width || alpha.height != grey.height)
            throw Failure{TARNWICK_ERR_DECODE};
        const bool premultiplied = heif_image_handle_is_premultiplied_alpha(handle);
        std::vector<uint8_t> flat(size_t(grey.width) * size_t(grey.height));
        for (int y = 0; y < grey.height; ++y) {
            const uint8_t *g = grey.data + size_t(y) * size_t(grey.stride);
            const uint8_t *a = alpha.data + size_t(y) * size_t(alpha.stride);
            uint8_t *o = flat.data() + size_t(y) * size_t(grey.width);
            for (int x = 0; x < grey.width; ++x)
                o[x] = onWhite(g[x], a[x], premultiplied);
        }
        grey.storage = std::move(flat);
        grey.data = grey.storage.data();
        grey.stride = grey.width;
    }
    if (needsExifOrientation(exifOrientation)) {
        Raster r;
        r.width = grey.width;
        r.height = grey.height;
        r.channels = 1;
        r.pixels.resize(size_t(r.width) * size_t(r.height));
        for (int y = 0; y < r.height; ++y)
            std::memcpy(r.pixels.data() + size_t(y) * size_t(r.width), grey.data + size_t(y) * size_t(grey.stride),
                        size_t(r.width));
        image.reset();
        grey = Plane8();
        r = exifOriented(std::move(r), exifOrientation);
        encoder.fromPixels(r.pixels.data(), r.width, r.width, r.height, TJPF_GRAY, TJSAMP_GRAY, quality, jpeg);
        return true;
    }
    encoder.fromPixels(grey.data, grey.width, grey.stride, grey.height, TJPF_GRAY, TJSAMP_GRAY, quality, jpeg);
    return true;
}

// Straight from the decoded YCbCr planes, with no RGB round trip. False when
// the decoded planes turn out not to be JPEG's YCbCr: the caller goes via RGB.
bool encodeYCbCr(const heif_context *context, heif_image_handle *handle, heif_chroma chroma, int quality,
                 Encoder &encoder, TjBuffer &jpeg)
{
    Image image = decode(context, handle, heif_colorspace_YCbCr, chroma, true);
    if (heif_image_get_colorspace(image.get()) != heif_colorspace_YCbCr
        || heif_image_get_chroma_format(image.get()) != chroma || !planesAreJpegYCbCr(image.get(), handle))
        return false;
    Plane8 planes[3] = {plane8(image.get(), heif_channel_Y), plane8(image.get(), heif_channel_Cb),
                        plane8(image.get(), heif_channel_Cr)};
    const int width = planes[0].width;
    const int height = planes[0].height;
    checkSize(width, height);
    const int subsampling = subsamplingFor(chroma);
    for (int i = 0; i < 3; ++i)
        padForEncoder(planes[i], tjPlaneWidth(i, width, subsampling), tjPlaneHeight(i, height, subsampling));
    encoder.fromPlanes(planes, width, height, subsampling, quality, jpeg);
    return true;
}

void encodeRgb(const heif_context *context, heif_image_handle *handle, const ImageFacts &facts, int quality,
               int exifOrientation, Encoder &encoder, TjBuffer &jpeg)
{
    const bool ownTransformations = facts.cleanAperture;
    const bool hasAlpha = facts.hasAlpha;
    const heif_chroma layout = hasAlpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB;
    Image image = decode(context, handle, heif_colorspace_RGB, layout, !ownTransformations);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    checkSize(width, height);
    const int channels = hasAlpha ? 4 : 3;
    if (heif_image_get_chroma_format(image.get()) != layout
        || heif_image_get_bits_per_pixel(image.get(), heif_channel_interleaved) != channels * 8)
        throw Failure{TARNWICK_ERR_DECODE};
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (!pixels || stride <= 0 || size_t(stride) < size_t(width) * size_t(channels))
        throw Failure{TARNWICK_ERR_DECODE};
    const int subsampling = subsamplingFor(facts.chroma);

    // Nothing left to do to the pixels: encoded where they are (a 200 MP
    // photo's RGB is 600 MB; another copy would be as large).
    if (!hasAlpha && !ownTransformations && !needsExifOrientation(exifOrientation)) {
        encoder.fromPixels(pixels, width, stride, height, TJPF_RGB, subsampling, quality, jpeg);
        return;
    }

    Raster raster;
    raster.width = width;
    raster.height = height;
    raster.channels = 3;
    raster.pixels.resize(size_t(width) * size_t(height) * 3);
    const bool premultiplied = hasAlpha && heif_image_handle_is_premultiplied_alpha(handle);
    for (int y = 0; y < height; ++y) {
        const uint8_t *in = pixels + size_t(y) * size_t(stride);
        uint8_t *out = raster.pixels.data() + size_t(y) * size_t(width) * 3;
        if (!hasAlpha) {
            std::memcpy(out, in, size_t(width) * 3);
            continue;
        }
        for (int x = 0; x < width; ++x, in += 4, out += 3) {
            out[0] = onWhite(in[0], in[3], premultiplied);
            out[1] = onWhite(in[1], in[3], premultiplied);
            out[2] = onWhite(in[2], in[3], premultiplied);
        }
    }
    image.reset();
    if (ownTransformations)
        raster = transformed(std::move(raster), context, handle);
    raster = exifOriented(std::move(raster), exifOrientation);
    checkSize(raster.width, raster.height);
    encoder.fromPixels(raster.pixels.data(), raster.width, raster.width * 3, raster.height, TJPF_RGB, subsampling,
                       quality, jpeg);
}

} // namespace

ImageFacts imageFacts(const heif_context *context, const heif_image_handle *handle)
{
    ImageFacts facts;
    if (heif_image_handle_get_preferred_decoding_colorspace(handle, &facts.colorspace, &facts.chroma).code
        != heif_error_Ok) {
        facts.colorspace = heif_colorspace_undefined;
        facts.chroma = heif_chroma_undefined;
    }
    facts.hasAlpha = heif_image_handle_has_alpha_channel(handle) && alphaIsWholeImage(context, handle);
    facts.cleanAperture = hasCleanAperture(context, handle);
    return facts;
}

uint64_t peakBytes(const ImageFacts &facts, const heif_image_handle *handle, uint64_t storedPixels,
                   int exifOrientation)
{
    const heif_colorspace colorspace = facts.colorspace;
    const heif_chroma chroma = facts.chroma;
    const bool hasAlpha = facts.hasAlpha;
    const int lumaBits = heif_image_handle_get_luma_bits_per_pixel(handle);
    const int chromaBits = heif_image_handle_get_chroma_bits_per_pixel(handle);
    const uint64_t sampleBytes = lumaBits > 0 && lumaBits <= 8 && chromaBits <= 8 ? 1 : 2;
    // Decoded samples per pixel, in quarters: 4:2:0 has one and a half.
    uint64_t quarters = 12;
    if (colorspace == heif_colorspace_monochrome || chroma == heif_chroma_monochrome)
        quarters = 4;
    else if (chroma == heif_chroma_420)
        quarters = 6;
    else if (chroma == heif_chroma_422)
        quarters = 8;
    if (hasAlpha)
        quarters += 4;
    const uint64_t n = storedPixels;
    const uint64_t planes = n * quarters * sampleBytes / 4;
    const uint64_t rgb = n * (hasAlpha ? 4 : 3);
    // A JPEG of a photo at quality 100 stays under a byte per pixel.
    const uint64_t jpeg = n;
    // libheif holds the decoded planes with their rotated or mirrored copy,
    // then the planes with their 8-bit or RGB conversion; the encoder holds
    // the pixels and the JPEG growing beside them.
    uint64_t peak = std::max({2 * planes, planes + rgb, rgb + jpeg});
    // Alpha, a crop or an EXIF orientation done here: the decoded pixels with
    // their RGB copy, then that copy with its turned, mirrored or cut one.
    if (hasAlpha || facts.cleanAperture || needsExifOrientation(exifOrientation))
        peak = std::max({peak, rgb + 3 * n, 6 * n});
    // Tiles in flight, codec state and the encoder's tables.
    const uint64_t perCall = uint64_t(16) << 20;
    return peak + perCall;
}

void encodePrimaryImage(const heif_context *context, heif_image_handle *handle, const ImageFacts &facts,
                        int quality, int exifOrientation, TjBuffer &jpeg)
{
    const heif_chroma chroma = facts.chroma;
    Encoder encoder;
    if (facts.colorspace == heif_colorspace_monochrome
        && encodeMonochrome(context, handle, facts, quality, exifOrientation, encoder, jpeg))
        return;
    if (facts.colorspace == heif_colorspace_YCbCr && !facts.hasAlpha
        && (chroma == heif_chroma_420 || chroma == heif_chroma_422 || chroma == heif_chroma_444)
        && !needsExifOrientation(exifOrientation) && !facts.cleanAperture && nclxBoxAllowsPlanes(handle)
        && encodeYCbCr(context, handle, chroma, quality, encoder, jpeg))
        return;
    encodeRgb(context, handle, facts, quality, exifOrientation, encoder, jpeg);
}

} // namespace tarnwick
