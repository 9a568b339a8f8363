// The library's entry points: argument checks, the conversion's stages in
// order, and the mapping of every failure to a result code.
//
// Stages, each in its own file:
//   jpeginput     a renamed JPEG, checked and passed through
//   container     the HEIF container and its primary image
//   metadata      ICC profile and EXIF (with its orientation)
//   imagetojpeg   decode (decode, decoderplugins), upright (transform),
//                 colour (colour) and JPEG encoding (jpegencode)
//   gainmap       the HDR gain map, found, decoded and encoded
//   ultrahdr      the JPEG of two pictures that carries it
//   jpegsegments  metadata segments inserted, result written
#include "Tarnwick.h"

#include "container.h"
#include "errors.h"
#include "gainmap.h"
#include "hdrrendition.h"
#include "helperclient.h"
#include "imagetojpeg.h"
#include "jpeginput.h"
#include "jpegsegments.h"
#include "metadata.h"
#include "nclxprofile.h"
#include "picturesizes.h"
#include "request.h"
#include "pixelbudget.h"
#include "retrykeep.h"
#include "settings.h"
#include "thumbnail.h"
#include "transform.h"
#include "ultrahdr.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace tarnwick {
namespace {

// The common argument checks of every entry point; 0 when they pass.
int32_t checkArguments(const unsigned char *input, int32_t inputLength, unsigned char *output, int32_t outputCapacity)
{
    if (inputLength < 0 || outputCapacity < 0 || (!output && outputCapacity > 0))
        return TARNWICK_ERR_INVALID_ARGUMENT;
    if (inputLength == 0)
        return TARNWICK_ERR_EMPTY_INPUT;
    if (!input)
        return TARNWICK_ERR_INVALID_ARGUMENT;
    return 0;
}

int32_t imageCount(const unsigned char *input, int32_t inputLength)
{
    if (looksLikeJpeg(input, inputLength))
        return 1;
    const Container container = openContainer(input, inputLength, 1);
    return int32_t(topLevelImages(container).size());
}

// A gain map that was present but could not be used is named in a JPEG
// comment of the SDR picture, so a caller can tell the user what was lost.
void noteLeftOutGainMap(std::vector<uint8_t> &segments, const std::string &problem)
{
    const std::string text = std::string(kGainMapLeftOutNote) + problem;
    const size_t length = text.size() + 2;
    segments.push_back(0xFF);
    segments.push_back(0xFE);
    segments.push_back(uint8_t(length >> 8));
    segments.push_back(uint8_t(length));
    segments.insert(segments.end(), text.begin(), text.end());
}

// The photo's size as encoded, from the JPEG's frame header.
bool encodedSize(const TjBuffer &jpeg, int *width, int *height)
{
    tjhandle tj = tjInitDecompress();
    if (!tj)
        return false;
    int subsampling = 0, colourspace = 0;
    const bool ok = tjDecompressHeader3(tj, jpeg.data, jpeg.size, width, height, &subsampling, &colourspace) == 0;
    tjDestroy(tj);
    return ok;
}

int32_t convert(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                int32_t outputCapacity)
{
    const int32_t quality = std::clamp(request.quality, 1, 100);
    if (request.imageIndex < 0)
        return TARNWICK_ERR_NO_IMAGE;
    const CallKey key{quality, request.imageIndex, request.flags};

    int32_t kept = 0;
    if (takeKeptResult(input, inputLength, key, output, outputCapacity, &kept))
        return kept;

    if (looksLikeJpeg(input, inputLength))
        return request.imageIndex == 0 ? passThroughJpeg(input, inputLength, output, outputCapacity)
                                       : TARNWICK_ERR_NO_IMAGE;

    const Settings &config = settings();
    const InFlight inFlight;
    const int threads = tileThreads(config);
    const PictureSizeLog pictureSizes(threads > 0);
    Container container = openContainer(input, inputLength, threads);
    // The image asked for; "primary" below is that image.
    Handle other;
    if (request.imageIndex > 0) {
        const std::vector<heif_item_id> images = topLevelImages(container);
        if (size_t(request.imageIndex) >= images.size())
            return TARNWICK_ERR_NO_IMAGE;
        heif_image_handle *raw = nullptr;
        check(heif_context_get_image_handle(container.context.get(), images[size_t(request.imageIndex)], &raw));
        other.reset(raw);
        if (!other)
            return TARNWICK_ERR_NO_IMAGE;
    }
    heif_image_handle *primary = other ? other.get() : container.primary.get();
    const int64_t width = heif_image_handle_get_width(primary);
    const int64_t height = heif_image_handle_get_height(primary);
    checkSize(width, height);

    const Exif exif = exifOf(primary);
    // An embedded profile says it all; a wide gamut told by nclx alone gets
    // a profile of its own, since JPEG readers know no nclx.
    // PQ and HLG photos become SDR pictures in BT.709 primaries
    // (hdrrendition.h), which need no profile.
    const bool pqOrHlg = isPqOrHlg(primary);
    std::vector<uint8_t> icc = pqOrHlg ? std::vector<uint8_t>() : iccProfile(primary);
    if (icc.empty() && !pqOrHlg)
        icc = nclxIccProfile(primary);
    std::vector<uint8_t> segments = metadataSegments(exif.app1Payload, icc);
    // Photos whose orientation lives only in EXIF (early phone firmware) are
    // turned by it; the JPEG's EXIF then says 1 like every other. A container
    // rotation or mirror wins over EXIF.
    const int exifOrientation =
        hasContainerOrientation(container.context.get(), primary) ? 0 : exif.orientation;

    const bool sdrOnly = (request.flags & TARNWICK_FLAG_SDR_ONLY) != 0;
    const GainMapSource gainMap = sdrOnly || pqOrHlg
        ? GainMapSource()
        : findGainMap(container.context.get(), primary, exif.appleHeadroomStops);

    // The stored picture before any crop (and before rotation) is what gets
    // decoded.
    const int64_t storedPixels = std::max<int64_t>(
        width * height,
        int64_t(heif_image_handle_get_ispe_width(primary)) * int64_t(heif_image_handle_get_ispe_height(primary)));
    if (storedPixels > TARNWICK_MAX_PIXELS)
        throw Failure{TARNWICK_ERR_TOO_LARGE};
    const ImageFacts facts = imageFacts(container.context.get(), primary);
    const MemoryReservation reservation(
        pqOrHlg ? pqOrHlgPeakBytes(uint64_t(storedPixels))
                : peakBytes(facts, primary, uint64_t(storedPixels), exifOrientation)
                + gainMapPeakBytes(container.context.get(), gainMap));
    TjBuffer jpeg;
    HdrPicture hdr;
    if (pqOrHlg)
        hdr = encodePqOrHlgImage(container.context.get(), primary, quality, exifOrientation, !sdrOnly, jpeg);
    else
        encodePrimaryImage(container.context.get(), primary, facts, quality, exifOrientation, jpeg);
    if (!jpeg.data || jpeg.size == 0)
        return TARNWICK_ERR_ENCODE;

    std::vector<uint8_t> whole;
    if (!hdr.gainMapJpeg.empty())
        whole = assembleGainMapJpeg(jpeg.data, jpeg.size, segments, hdr.gainMapJpeg.data(), hdr.gainMapJpeg.size(),
                                    hdr.gainMap);
    if (gainMap.present) {
        int photoWidth = 0, photoHeight = 0;
        GainMapPicture picture;
        if (encodedSize(jpeg, &photoWidth, &photoHeight))
            picture = encodeGainMap(container.context.get(), gainMap, quality, exifOrientation, photoWidth,
                                    photoHeight);
        else
            picture.problem = "the photo's size is unknown";
        if (!picture.jpeg.empty())
            whole = assembleGainMapJpeg(jpeg.data, jpeg.size, segments, picture.jpeg.data(), picture.jpeg.size(),
                                        gainMap.metadata);
        if (whole.empty())
            noteLeftOutGainMap(segments, picture.problem.empty() ? "it does not fit into a JPEG" : picture.problem);
    }
    int32_t result = 0;
    if (!whole.empty()) {
        result = deliver(whole.data(), whole.size(), {}, output, outputCapacity);
    } else {
        result = deliver(jpeg.data, jpeg.size, segments, output, outputCapacity);
        if (result > outputCapacity) {
            whole.resize(static_cast<size_t>(result));
            deliver(jpeg.data, jpeg.size, segments, whole.data(), result);
        }
    }
    if (result > outputCapacity)
        keepResult(input, inputLength, key, std::move(whole));
    return result;
}

} // namespace

int32_t runRequest(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                   int32_t outputCapacity) noexcept
{
    try {
        const int32_t checked =
            checkArguments(input, inputLength, output, request.operation == Operation::ImageCount ? 0 : outputCapacity);
        if (checked != 0)
            return checked;
        switch (request.operation) {
        case Operation::Convert:
            return convert(request, input, inputLength, output, outputCapacity);
        case Operation::ImageCount:
            return imageCount(input, inputLength);
        case Operation::Thumbnail:
            return thumbnail(request, input, inputLength, output, outputCapacity);
        }
        return TARNWICK_ERR_INVALID_ARGUMENT;
    } catch (const Failure &f) {
        return f.code;
    } catch (const std::bad_alloc &) {
        return TARNWICK_ERR_NO_MEMORY;
    } catch (...) {
        return TARNWICK_ERR_INTERNAL;
    }
}

int32_t dispatch(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                 int32_t outputCapacity) noexcept
{
    static const bool inProcess = [] {
        const char *env = std::getenv("TARNWICK_IN_PROCESS");
        return env && std::strcmp(env, "1") == 0;
    }();
    if (inProcess)
        return runRequest(request, input, inputLength, output, outputCapacity);
    // Calls that can be answered without the photo's bytes never start a
    // helper.
    const int32_t checked =
        checkArguments(input, inputLength, output, request.operation == Operation::ImageCount ? 0 : outputCapacity);
    if (checked != 0)
        return checked;
    return runInHelper(request, input, inputLength, output, request.operation == Operation::ImageCount ? 0 : outputCapacity);
}

} // namespace tarnwick

extern "C" int32_t heif2jpg(const unsigned char *input, int32_t inputLength, int32_t quality, unsigned char *output,
                            int32_t outputCapacity, const char * /*tempFileName: decoding is in memory*/)
{
    return heif2jpg_image(input, inputLength, quality, 0, 0, output, outputCapacity);
}

extern "C" int32_t heif2jpg_image(const unsigned char *input, int32_t inputLength, int32_t quality, int32_t imageIndex,
                                  int32_t flags, unsigned char *output, int32_t outputCapacity)
{
    tarnwick::Request request;
    request.operation = tarnwick::Operation::Convert;
    request.quality = quality;
    request.imageIndex = imageIndex;
    request.flags = uint32_t(flags);
    return tarnwick::dispatch(request, input, inputLength, output, outputCapacity);
}

extern "C" int32_t tarnwick_image_count(const unsigned char *input, int32_t inputLength)
{
    tarnwick::Request request;
    request.operation = tarnwick::Operation::ImageCount;
    return tarnwick::dispatch(request, input, inputLength, nullptr, 0);
}

extern "C" int32_t tarnwick_thumbnail(const unsigned char *input, int32_t inputLength, int32_t quality,
                                      unsigned char *output, int32_t outputCapacity)
{
    tarnwick::Request request;
    request.operation = tarnwick::Operation::Thumbnail;
    request.quality = quality;
    return tarnwick::dispatch(request, input, inputLength, output, outputCapacity);
}

extern "C" const char *tarnwick_error_text(int32_t code)
{
    if (code >= 0)
        return "success";
    switch (code) {
    case TARNWICK_ERR_INVALID_ARGUMENT:
        return "invalid argument";
    case TARNWICK_ERR_EMPTY_INPUT:
        return "empty input";
    case TARNWICK_ERR_NOT_HEIF:
        return "not a HEIF or JPEG file";
    case TARNWICK_ERR_TRUNCATED:
        return "file is truncated";
    case TARNWICK_ERR_CORRUPT:
        return "file is corrupt";
    case TARNWICK_ERR_UNSUPPORTED:
        return "unsupported codec or feature";
    case TARNWICK_ERR_TOO_LARGE:
        return "image too large";
    case TARNWICK_ERR_DECODE:
        return "image could not be decoded";
    case TARNWICK_ERR_NO_MEMORY:
        return "out of memory";
    case TARNWICK_ERR_ENCODE:
        return "JPEG encoding failed";
    case TARNWICK_ERR_OUTPUT_TOO_LARGE:
        return "JPEG output too large";
    case TARNWICK_ERR_INTERNAL:
        return "internal error";
    case TARNWICK_ERR_DECODER_CRASHED:
        return "the decoder stopped on this file";
    case TARNWICK_ERR_TIMEOUT:
        return "decoding took too long";
    case TARNWICK_ERR_NO_IMAGE:
        return "the file holds no such image";
    default:
        return "unknown error";
    }
}
