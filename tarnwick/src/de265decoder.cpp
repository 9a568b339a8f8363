// libde265 as a libheif decoder plugin (see decoderplugins.h), used only when
// asked for (TARNWICK_HEVC_DECODER=libde265). Any decoding error or warning
// libde265 reports refuses the picture.
//
// Picture planes are allocated here and zeroed, but libde265 takes that
// allocation only for pictures it outputs as decoded: a picture it filters
// in place with sample adaptive offset (SAO, used by most encoders) lives in
// its own uncleared memory. A damaged stream that raises no warning but
// leaves coding tree blocks undecoded would then show stale memory. So such
// a picture is converted only after the same data, decoded again without
// SAO (then into planes allocated here), proves that every coding tree block
// was decoded (ctbcoverage.h): then every sample of the picture was written
// for this photo. That costs a second decode of SAO pictures. Data holding
// more than one picture is refused: a picture could be predicted from
// another one kept in libde265's memory.
//
// libde265 decodes in the calling thread (no worker threads): grid tiles are
// spread over threads by libheif.
#include "ctbcoverage.h"
#include "decoderplugin.h"
#include "decoderplugins.h"
#include "decodedpicture.h"
#include "heifowners.h"

#include <libde265/de265.h>
#include <libheif/heif_plugin.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

namespace tarnwick {
namespace {

// Room past each plane's end: libde265's SIMD code reads a little beyond.
constexpr size_t kPlanePadding = 64;

// One plane allocated here; the record says which memory the plane really
// has, so reading it never depends on the stride libde265 reports.
struct PlaneMemory {
    uint8_t *memory = nullptr;
    size_t bytes = 0; // kPlanePadding included
    size_t strideBytes = 0;
    int width = 0, height = 0; // the coded plane, in samples
    int sampleBytes = 1;
};

// What the allocation functions are handed: the byte new planes are filled
// with (zero for every picture that may be shown), and a count of the
// pictures allocated.
struct PlaneFill {
    uint8_t byte = 0;
    int pictures = 0;
};

void freePlane(PlaneMemory *plane)
{
    if (plane)
        std::free(plane->memory);
    delete plane;
}

heif_chroma chromaOf(const de265_image *image)
{
    switch (de265_get_chroma_format(image)) {
    case de265_chroma_mono:
        return heif_chroma_monochrome;
    case de265_chroma_420:
        return heif_chroma_420;
    case de265_chroma_422:
        return heif_chroma_422;
    case de265_chroma_444:
        return heif_chroma_444;
    }
    return heif_chroma_undefined;
}

int filledPlanes(de265_decoder_context *, de265_image_spec *layout, de265_image *image, void *fillData)
{
    auto *fill = static_cast<PlaneFill *>(fillData);
    if (!fill || !layout || layout->width <= 0 || layout->height <= 0 || layout->alignment <= 0
        || layout->alignment > 4096)
        return 0;
    const heif_chroma chroma = chromaOf(image);
    const int planes = planeCountOf(chroma);
    PlaneMemory *records[3] = {nullptr, nullptr, nullptr};
    int strides[3] = {0, 0, 0};
    bool ok = true;
    for (int c = 0; c < planes && ok; ++c) {
        const int width = c == 0 ? layout->width : layout->width >> chromaShiftXOf(chroma);
        const int height = c == 0 ? layout->height : layout->height >> chromaShiftYOf(chroma);
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
        records[c]->width = width;
        records[c]->height = height;
        records[c]->sampleBytes = (bits + 7) / 8;
        records[c]->strideBytes = size_t(strides[c]) * size_t(records[c]->sampleBytes);
        records[c]->bytes = records[c]->strideBytes * size_t(height) + kPlanePadding;
        void *memory = nullptr;
        const size_t align = std::max<size_t>(size_t(alignment), alignof(std::max_align_t));
        ok = posix_memalign(&memory, align, records[c]->bytes) == 0;
        if (!ok)
            break;
        records[c]->memory = static_cast<uint8_t *>(memory);
        std::memset(memory, fill->byte, records[c]->bytes);
    }
    if (!ok) {
        for (PlaneMemory *record : records)
            freePlane(record);
        return 0;
    }
    for (int c = 0; c < planes; ++c)
        de265_set_image_plane(image, c, records[c]->memory, int(records[c]->strideBytes), records[c]);
    ++fill->pictures;
    return 1;
}

void releasePlanes(de265_decoder_context *, de265_image *image, void *)
{
    for (int c = 0; c < 3; ++c)
        freePlane(static_cast<PlaneMemory *>(de265_get_image_plane_user_data(image, c)));
}

de265_image_allocation allocation = {filledPlanes, releasePlanes};

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

struct De265ContextDeleter {
    void operator()(de265_decoder_context *c) const { de265_free_decoder(c); }
};

// One decode of the pushed units. Lives where it was made: libde265 holds
// the address of `fill`.
struct Decoding {
    PlaneFill fill;
    std::unique_ptr<de265_decoder_context, De265ContextDeleter> context;
    const de265_image *picture = nullptr; // the first output picture, owned by context

    explicit Decoding(uint8_t fillByte) { fill.byte = fillByte; }
    Decoding(const Decoding &) = delete;
    Decoding &operator=(const Decoding &) = delete;
};

// Decodes up to the first picture libde265 outputs. Without SAO libde265
// keeps every picture in planes allocated here.
heif_error decode(const NalUnits &nals, bool withoutSao, Decoding &d)
{
    d.context.reset(de265_new_decoder());
    if (!d.context)
        return outOfMemoryError();
    de265_set_image_allocation_functions(d.context.get(), &allocation, &d.fill);
    if (withoutSao)
        de265_set_parameter_bool(d.context.get(), DE265_DECODER_PARAM_DISABLE_SAO, 1);
    for (const NalUnits::Unit &unit : nals.units()) {
        if (de265_push_NAL(d.context.get(), unit.data, int(unit.size), 0, nullptr) != DE265_OK)
            return decoderError("HEVC data not accepted");
    }
    de265_flush_data(d.context.get());

    // Decoding errors and warnings (a slice that does not fit the picture,
    // missing data) both mean parts of the picture may not be what the
    // photo holds.
    bool damaged = false;
    de265_error e = DE265_OK;
    int more = 0;
    do {
        more = 0;
        e = de265_decode(d.context.get(), &more);
        if (e != DE265_OK && e != DE265_ERROR_WAITING_FOR_INPUT_DATA && e != DE265_ERROR_IMAGE_BUFFER_FULL)
            damaged = true;
        d.picture = de265_peek_next_picture(d.context.get());
    } while (!d.picture && more && !damaged && e != DE265_ERROR_WAITING_FOR_INPUT_DATA);
    while (de265_get_warning(d.context.get()) != DE265_OK)
        damaged = true;

    if (!d.picture)
        return decoderError("HEVC data gave no picture");
    if (damaged)
        return decoderError("damaged HEVC picture");
    return decoderOk();
}

// The visible picture copied into a heif_image. *inOwnPlanes tells whether
// every plane lies in memory allocated (and cleared) here.
heif_error copyPicture(const de265_image *image, heif_image **out, bool *inOwnPlanes)
{
    DecodedPicture picture;
    picture.width = de265_get_image_width(image, 0);
    picture.height = de265_get_image_height(image, 0);
    picture.chroma = chromaOf(image);
    picture.bitDepth = de265_get_bits_per_pixel(image, 0);
    const int planes = planeCountOf(picture.chroma);
    bool sameDepth = true;
    bool inside = true;
    *inOwnPlanes = true;
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
            // The visible area (after the conformance window) must lie in
            // the plane allocated for it.
            inside = inside && data >= record->memory && rows > 0
                && size_t(data - record->memory) + record->strideBytes * size_t(rows - 1) + rowBytes
                    <= record->bytes - kPlanePadding;
            picture.strides[c] = ptrdiff_t(record->strideBytes);
        } else {
            // Pictures filtered in place (SAO) stay in libde265's own memory.
            picture.strides[c] = stride;
            *inOwnPlanes = false;
        }
    }
    picture.colourPrimaries = de265_get_image_colour_primaries(image);
    picture.transferCharacteristics = de265_get_image_transfer_characteristics(image);
    picture.matrixCoefficients = de265_get_image_matrix_coefficients(image);
    picture.fullRange = de265_get_image_full_range_flag(image) != 0;
    if (!inside)
        return decoderError("picture outside its planes");
    if (!sameDepth)
        return unsupportedError("chroma depth differs from luma depth");
    return toHeifImage(picture, out);
}

// What the proof compares between the decodes: the same units must give
// the same picture geometry.
struct Shape {
    heif_chroma chroma = heif_chroma_monochrome;
    int width = 0, height = 0;
    bool operator==(const Shape &o) const { return chroma == o.chroma && width == o.width && height == o.height; }
};

Shape shapeOf(const de265_image *image)
{
    return Shape{chromaOf(image), de265_get_image_width(image, 0), de265_get_image_height(image, 0)};
}

// The units decoded once more without SAO into planes filled with fillByte;
// blocks as findUnwrittenBlocks (ctbcoverage.h) gives them. The picture must
// have been decoded without SAO: libde265 keeps a picture filtered with SAO
// in memory of its own, which was never filled. It must be the only one
// decoded: a picture it is predicted from would otherwise lie in libde265's
// uncleared memory, unchecked.
heif_error unwrittenBlocksWithoutSao(const NalUnits &nals, const Shape &shown, uint8_t fillByte,
                                     std::vector<uint8_t> &blocks)
{
    Decoding d(fillByte);
    const heif_error decoded = decode(nals, true, d);
    if (decoded.code != heif_error_Ok)
        return decoded;
    if (d.fill.pictures != 1)
        return decoderError("more than one picture in HEVC data");
    if (!(shapeOf(d.picture) == shown))
        return decoderError("HEVC data decoded twice differently");
    FilledPicture filled;
    filled.planeCount = planeCountOf(shown.chroma);
    filled.chromaShiftX = chromaShiftXOf(shown.chroma);
    filled.chromaShiftY = chromaShiftYOf(shown.chroma);
    for (int c = 0; c < filled.planeCount; ++c) {
        const auto *record = static_cast<const PlaneMemory *>(de265_get_image_plane_user_data(d.picture, c));
        if (!record)
            return decoderError("picture outside its planes");
        filled.planes[c] = FilledPlane{record->memory, record->bytes - kPlanePadding, record->strideBytes,
                                       record->width, record->height, record->sampleBytes};
    }
    if (!findUnwrittenBlocks(filled, fillByte, blocks))
        return decoderError("picture outside its planes");
    return decoderOk();
}

// Succeeds when every coding tree block of the picture was decoded: then
// every sample SAO read or wrote in libde265's own memory was written for
// this photo. Any one fill can be real content (zero is: black monochrome
// and alpha pictures, the zero padding some phones give grid tiles past the
// photo's edge), but a block that keeps one fill and then another was never
// written (ctbcoverage.h).
heif_error proveEveryBlockWritten(const NalUnits &nals, const Shape &shown)
{
    std::vector<uint8_t> underFirst;
    heif_error e = unwrittenBlocksWithoutSao(nals, shown, kFirstFill, underFirst);
    if (e.code != heif_error_Ok || !anyUnwritten(underFirst))
        return e;
    std::vector<uint8_t> underSecond;
    e = unwrittenBlocksWithoutSao(nals, shown, kSecondFill, underSecond);
    if (e.code != heif_error_Ok)
        return e;
    if (unwrittenUnderBoth(underFirst, underSecond))
        return decoderError("damaged HEVC picture");
    return decoderOk();
}

// Slice segments that begin a picture (first_slice_segment_in_pic_flag, the
// first bit after the two-byte NAL unit header of a VCL unit).
int picturesBegun(const NalUnits &nals)
{
    int pictures = 0;
    for (const NalUnits::Unit &unit : nals.units()) {
        if (unit.size >= 3 && (unit.data[0] >> 1 & 0x3F) < 32 && (unit.data[2] & 0x80))
            ++pictures;
    }
    return pictures;
}

heif_error decodeImage(NalUnits &nals, heif_image **out)
{
    // An image item holds one picture. A second one could be predicted from
    // (or be) a picture libde265 keeps in its own memory, which nothing here
    // checks.
    if (picturesBegun(nals) > 1)
        return decoderError("more than one picture in HEVC data");
    Image image;
    bool inOwnPlanes = false;
    Shape shown;
    {
        Decoding d(0x00);
        heif_error e = decode(nals, false, d);
        if (e.code != heif_error_Ok)
            return e;
        heif_image *raw = nullptr;
        e = copyPicture(d.picture, &raw, &inOwnPlanes);
        if (e.code != heif_error_Ok)
            return e;
        image.reset(raw);
        shown = shapeOf(d.picture);
    } // its memory is freed before any second decode
    if (!inOwnPlanes) {
        const heif_error e = proveEveryBlockWritten(nals, shown);
        if (e.code != heif_error_Ok)
            return e;
    }
    *out = image.release();
    return decoderOk();
}

const heif_decoder_plugin plugin =
    describeDecoderPlugin<NalUnits, decodeImage, heif_compression_HEVC>(pluginName, initPlugin, deinitPlugin,
                                                                         kDe265DecoderId);

} // namespace

const heif_decoder_plugin *de265HevcPlugin()
{
    return &plugin;
}

} // namespace tarnwick
