// TurboJPEG as a libheif decoder plugin for JPEG-coded images, in place of
// libheif's own JPEG plugin, whose libjpeg prints its warnings to stderr and
// hands on pictures of damaged streams. Like the HEVC decoders
// (decoderplugins.h): the picture is decoded into memory allocated and cleared
// here, and the first warning (a stream cut short, damaged data) refuses it.
#include "decoderplugin.h"
#include "decoderplugins.h"
#include "decodedpicture.h"
#include "pixelbudget.h"
#include "tjowners.h"

#include <libheif/heif_plugin.h>
#include <turbojpeg.h>

#include <vector>

namespace tarnwick {
namespace {

struct JpegDecoder {
    std::vector<uint8_t> data;
    // libheif pushes the stream as it is (any jpgC tables first).
    heif_error append(const void *bytes, size_t size)
    {
        const auto *first = static_cast<const uint8_t *>(bytes);
        if (size > 0 && first)
            data.insert(data.end(), first, first + size);
        return decoderOk();
    }
};

const char *pluginName()
{
    return "Tarnwick TurboJPEG decoder";
}

heif_error decodeImage(JpegDecoder &decoder, heif_image **out)
{
    const std::vector<uint8_t> &stream = decoder.data;
    TjHandle tj(tjInitDecompress());
    if (!tj)
        return outOfMemoryError();
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (stream.empty()
        || tjDecompressHeader3(tj.get(), stream.data(), static_cast<unsigned long>(stream.size()), &width, &height,
                               &subsampling, &colorspace)
            != 0
        || width <= 0 || height <= 0)
        return decoderError("unreadable JPEG header");
    // The stream's own size, which need not be the one the container states.
    if (!withinSizeLimits(width, height))
        return heif_error{heif_error_Memory_allocation_error, heif_suberror_Security_limit_exceeded,
                          "JPEG larger than the limits"};
    DecodedPicture picture;
    switch (subsampling) {
    case TJSAMP_GRAY:
        picture.chroma = heif_chroma_monochrome;
        break;
    case TJSAMP_420:
        picture.chroma = heif_chroma_420;
        break;
    case TJSAMP_422:
        picture.chroma = heif_chroma_422;
        break;
    case TJSAMP_444:
        picture.chroma = heif_chroma_444;
        break;
    default:
        return unsupportedError("unsupported JPEG subsampling");
    }
    if (colorspace != TJCS_YCbCr && colorspace != TJCS_GRAY)
        return unsupportedError("unsupported JPEG colour space");
    const int planes = planeCountOf(picture.chroma);
    std::vector<uint8_t> memory[3];
    unsigned char *dst[3] = {nullptr, nullptr, nullptr};
    int strides[3] = {0, 0, 0};
    for (int c = 0; c < planes; ++c) {
        strides[c] = tjPlaneWidth(c, width, subsampling);
        const int rows = tjPlaneHeight(c, height, subsampling);
        if (strides[c] <= 0 || rows <= 0)
            return decoderError("JPEG plane size");
        memory[c].assign(size_t(strides[c]) * size_t(rows), 0);
        dst[c] = memory[c].data();
        picture.planes[c] = memory[c].data();
        picture.strides[c] = strides[c];
    }
    if (tjDecompressToYUVPlanes(tj.get(), stream.data(), static_cast<unsigned long>(stream.size()), dst, width,
                                strides, height, TJFLAG_STOPONWARNING)
        != 0)
        return decoderError("damaged JPEG data");
    picture.width = width;
    picture.height = height;
    picture.bitDepth = 8;
    // JPEG's own YCbCr: BT.601 matrix, full range.
    picture.matrixCoefficients = 6;
    picture.fullRange = true;
    return toHeifImage(picture, out);
}

const heif_decoder_plugin plugin =
    describeDecoderPlugin<JpegDecoder, decodeImage, heif_compression_JPEG>(pluginName, nullptr, nullptr,
                                                                           kJpegDecoderId);

} // namespace

const heif_decoder_plugin *jpegPlugin()
{
    return &plugin;
}

} // namespace tarnwick
