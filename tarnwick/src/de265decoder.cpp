// libde265 as a libheif decoder plugin (see decoderplugins.h), used only when
// asked for (TARNWICK_HEVC_DECODER=libde265). Any decoding error or warning
// libde265 reports refuses the picture. Picture planes are allocated here
// and zeroed, but libde265 takes that allocation only for streams without
// sample adaptive offset filtering: pictures it filters in place (SAO, used
// by most encoders) live in its own uncleared memory, so for those a damaged
// stream that raises no warning can still show stale memory. That is why
// this decoder is not the default. libde265 decodes in the calling thread
// (no worker threads): grid tiles are spread over threads by libheif.
#include "decoderplugin.h"
#include "decoderplugins.h"
#include "decodedpicture.h"

#include <libde265/de265.h>
#include <libheif/heif_plugin.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace tarnwick {
namespace {

struct De265Decoder {
    NalUnits nals;
    heif_error append(const void *bytes, size_t size) { return nals.append(bytes, size); }
};

// Room past each plane's end: libde265's SIMD code reads a little beyond.
constexpr size_t kPlanePadding = 64;

// One plane allocated here; the record says which memory the plane really
// has, so copying out never depends on the stride libde265 reports.
struct PlaneMemory {
    uint8_t *memory = nullptr;
    size_t bytes = 0;
    size_t strideBytes = 0;
};

void freePlane(PlaneMemory *plane)
{
    if (plane)
        std::free(plane->memory);
    delete plane;
}

int zeroedPlanes(de265_decoder_context *, de265_image_spec *layout, de265_image *image, void *)
{
    if (!layout || layout->width <= 0 || layout->height <= 0 || layout->alignment <= 0 || layout->alignment > 4096)
        return 0;
    const de265_chroma chroma = de265_get_chroma_format(image);
    int subX = 1, subY = 1;
    if (chroma == de265_chroma_420) {
        subX = subY = 2;
    } else if (chroma == de265_chroma_422) {
        subX = 2;
    }
    const int planes = chroma == de265_chroma_mono ? 1 : 3;
    PlaneMemory *records[3] = {nullptr, nullptr, nullptr};
    int strides[3] = {0, 0, 0};
    bool ok = true;
    for (int c = 0; c < planes && ok; ++c) {
        const int width = c == 0 ? layout->width : layout->width / subX;
        const int height = c == 0 ? layout->height : layout->height / subY;
        const int bits = de265_get_bits_per_pixel(image, c);
        ok = bits >= 8 && bits <= 16 && width > 0 && height > 0;
        if (!ok)
            break;
        const int alignment = layout->alignment;
        strides[c] = (width + alignment - 1) / alignment * alignment; // in samples
        // libde265 addresses rows of caller-allocated planes by the stride
        // given here in bytes.
        records[c] = new (std::nothrow) PlaneMemory;
        ok = records[c] != nullptr;
        if (!ok)
            break;
        records[c]->strideBytes = size_t(strides[c]) * size_t((bits + 7) / 8);
        records[c]->bytes = records[c]->strideBytes * size_t(height) + kPlanePadding;
        void *memory = nullptr;
        const size_t align = std::max<size_t>(size_t(alignment), alignof(std::max_align_t));
        ok = posix_memalign(&memory, align, records[c]->bytes) == 0;
        if (!ok)
            break;
        records[c]->memory = static_cast<uint8_t *>(memory);
        std::memset(memory, 0, records[c]->bytes);
    }
    if (!ok) {
        for (PlaneMemory *record : records)
            freePlane(record);
        return 0;
    }
    for (int c = 0; c < planes; ++c)
        de265_set_image_plane(image, c, records[c]->memory, int(records[c]->strideBytes), records[c]);
    return 1;
}

void releasePlanes(de265_decoder_context *, de265_image *image, void *)
{
    for (int c = 0; c < 3; ++c)
        freePlane(static_cast<PlaneMemory *>(de265_get_image_plane_user_data(image, c)));
}

de265_image_allocation allocation = {zeroedPlanes, releasePlanes};

const char *pluginName()
{
    return "Tarnwick libde265 HEVC decoder";
}

void initPlugin()
{
    de265_init();
}

void deinitPlugin()
{
    de265_free();
}

int supportsFormat(heif_compression_format format)
{
    return format == heif_compression_HEVC ? 1 : 0;
}

struct ContextDeleter {
    void operator()(de265_decoder_context *c) const { de265_free_decoder(c); }
};

heif_error decodeImage(void *decoder, heif_image **out)
{
    *out = nullptr;
    const NalUnits &nals = static_cast<De265Decoder *>(decoder)->nals;
    std::unique_ptr<de265_decoder_context, ContextDeleter> context(de265_new_decoder());
    if (!context)
        return outOfMemoryError();
    de265_set_image_allocation_functions(context.get(), &allocation, nullptr);
    for (const NalUnits::Unit &unit : nals.units()) {
        if (de265_push_NAL(context.get(), unit.data, int(unit.size), 0, nullptr) != DE265_OK)
            return decoderError("HEVC data not accepted");
    }
    de265_flush_data(context.get());

    // Decoding errors and warnings (a slice that does not fit the picture,
    // missing data) both mean parts of the picture may not be what the
    // photo holds.
    bool damaged = false;
    const de265_image *image = nullptr;
    de265_error e = DE265_OK;
    int more = 0;
    do {
        more = 0;
        e = de265_decode(context.get(), &more);
        if (e != DE265_OK && e != DE265_ERROR_WAITING_FOR_INPUT_DATA && e != DE265_ERROR_IMAGE_BUFFER_FULL)
            damaged = true;
        image = de265_peek_next_picture(context.get());
    } while (!image && more && !damaged && e != DE265_ERROR_WAITING_FOR_INPUT_DATA);
    while (de265_get_warning(context.get()) != DE265_OK)
        damaged = true;

    heif_error result = decoderError("HEVC data gave no picture");
    if (image && damaged) {
        result = decoderError("damaged HEVC picture");
    } else if (image) {
        DecodedPicture picture;
        picture.width = de265_get_image_width(image, 0);
        picture.height = de265_get_image_height(image, 0);
        switch (de265_get_chroma_format(image)) {
        case de265_chroma_mono:
            picture.chroma = heif_chroma_monochrome;
            break;
        case de265_chroma_420:
            picture.chroma = heif_chroma_420;
            break;
        case de265_chroma_422:
            picture.chroma = heif_chroma_422;
            break;
        case de265_chroma_444:
            picture.chroma = heif_chroma_444;
            break;
        }
        picture.bitDepth = de265_get_bits_per_pixel(image, 0);
        const int planes = picture.chroma == heif_chroma_monochrome ? 1 : 3;
        bool sameDepth = true;
        bool inside = true;
        const size_t sampleBytes = picture.bitDepth > 8 ? 2 : 1;
        for (int c = 0; c < planes; ++c) {
            int stride = 0;
            const uint8_t *data = de265_get_image_plane(image, c, &stride);
            const auto *record = static_cast<const PlaneMemory *>(de265_get_image_plane_user_data(image, c));
            sameDepth = sameDepth && de265_get_bits_per_pixel(image, c) == picture.bitDepth;
            const int rows = de265_get_image_height(image, c);
            const size_t rowBytes = size_t(de265_get_image_width(image, c)) * sampleBytes;
            picture.planes[c] = data;
            if (record) {
                // The visible area (after the conformance window) must lie
                // in the plane allocated for it.
                inside = inside && data >= record->memory && rows > 0
                    && size_t(data - record->memory) + record->strideBytes * size_t(rows - 1) + rowBytes
                        <= record->bytes - kPlanePadding;
                picture.strides[c] = ptrdiff_t(record->strideBytes);
            } else {
                // Pictures filtered in place (SAO) stay in libde265's own
                // memory.
                picture.strides[c] = stride;
            }
        }
        picture.colourPrimaries = de265_get_image_colour_primaries(image);
        picture.transferCharacteristics = de265_get_image_transfer_characteristics(image);
        picture.matrixCoefficients = de265_get_image_matrix_coefficients(image);
        picture.fullRange = de265_get_image_full_range_flag(image) != 0;
        try {
            if (!inside)
                result = decoderError("picture outside its planes");
            else if (!sameDepth)
                result = heif_error{heif_error_Unsupported_feature, heif_suberror_Unsupported_color_conversion,
                                    "chroma depth differs from luma depth"};
            else
                result = toHeifImage(picture, out);
        } catch (const std::bad_alloc &) {
            result = outOfMemoryError();
        }
    }
    if (image)
        de265_release_next_picture(context.get());
    return result;
}

const heif_decoder_plugin plugin =
    describeDecoderPlugin<De265Decoder>(pluginName, initPlugin, deinitPlugin, supportsFormat, decodeImage, kDe265DecoderId);

} // namespace

const heif_decoder_plugin *de265HevcPlugin()
{
    return &plugin;
}

} // namespace tarnwick
