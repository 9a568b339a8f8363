// The library's entry points: argument checks, the conversion's stages in
// order, and the mapping of every failure to a result code.
//
// Stages, each in its own file:
//   jpeginput     a renamed JPEG, checked and passed through
//   container     the HEIF container and its primary image
//   metadata      ICC profile and EXIF (with its orientation)
//   imagetojpeg   decode (decode, decoderplugins), upright (transform),
//                 colour (colour) and JPEG encoding (jpegencode)
//   jpegsegments  metadata segments inserted, result written
#include "Tarnwick.h"

#include "container.h"
#include "errors.h"
#include "imagetojpeg.h"
#include "jpeginput.h"
#include "jpegsegments.h"
#include "metadata.h"
#include "picturesizes.h"
#include "request.h"
#include "pixelbudget.h"
#include "retrykeep.h"
#include "settings.h"
#include "thumbnail.h"
#include "transform.h"

#include <algorithm>
#include <new>
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
    return std::max(1, heif_context_get_number_of_top_level_images(container.context.get()));
}

int32_t convert(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                int32_t outputCapacity)
{
    const int32_t quality = std::clamp(request.quality, 1, 100);
    if (request.imageIndex != 0)
        return TARNWICK_ERR_NO_IMAGE;

    int32_t kept = 0;
    if (takeKeptResult(input, inputLength, quality, output, outputCapacity, &kept))
        return kept;

    if (looksLikeJpeg(input, inputLength))
        return passThroughJpeg(input, inputLength, output, outputCapacity);

    const Settings &config = settings();
    const InFlight inFlight;
    const int threads = tileThreads(config);
    const PictureSizeLog pictureSizes(threads > 0);
    Container container = openContainer(input, inputLength, threads);
    heif_image_handle *primary = container.primary.get();
    const int64_t width = heif_image_handle_get_width(primary);
    const int64_t height = heif_image_handle_get_height(primary);
    checkSize(width, height);

    const Exif exif = exifOf(primary);
    const std::vector<uint8_t> segments = metadataSegments(exif.app1Payload, iccProfile(primary));
    // Photos whose orientation lives only in EXIF (early phone firmware) are
    // turned by it; the JPEG's EXIF then says 1 like every other. A container
    // rotation or mirror wins over EXIF.
    const int exifOrientation =
        hasContainerOrientation(container.context.get(), primary) ? 0 : exif.orientation;

    // The stored picture before any crop (and before rotation) is what gets
    // decoded.
    const int64_t storedPixels = std::max<int64_t>(
        width * height,
        int64_t(heif_image_handle_get_ispe_width(primary)) * int64_t(heif_image_handle_get_ispe_height(primary)));
    if (storedPixels > TARNWICK_MAX_PIXELS)
        throw Failure{TARNWICK_ERR_TOO_LARGE};
    const ImageFacts facts = imageFacts(container.context.get(), primary);
    const MemoryReservation reservation(peakBytes(facts, primary, uint64_t(storedPixels), exifOrientation));
    TjBuffer jpeg;
    encodePrimaryImage(container.context.get(), primary, facts, quality, exifOrientation, jpeg);
    if (!jpeg.data || jpeg.size == 0)
        return TARNWICK_ERR_ENCODE;
    const int32_t result = deliver(jpeg.data, jpeg.size, segments, output, outputCapacity);
    if (result > outputCapacity) {
        std::vector<unsigned char> whole(static_cast<size_t>(result));
        deliver(jpeg.data, jpeg.size, segments, whole.data(), result);
        keepResult(input, inputLength, quality, std::move(whole));
    }
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
    return runRequest(request, input, inputLength, output, outputCapacity);
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
