#include "gainmap.h"

#include "Tarnwick.h"
#include "applehdr.h"
#include "decode.h"
#include "errors.h"
#include "imagetojpeg.h"
#include "jpegencode.h"
#include "pixelbudget.h"
#include "transform.h"

#include <libheif/heif_items.h>

#include <cmath>
#include <cstring>
#include <new>

namespace tarnwick {
namespace {

// Largest tmap item read: the metadata of three channels is about 130 bytes.
constexpr size_t kMaxToneMapItemSize = 4096;

struct ItemData {
    const heif_context *context;
    uint8_t *data = nullptr;
    size_t size = 0;
    ~ItemData()
    {
        if (data)
            heif_release_item_data(context, &data);
    }
};

// The dimg references of an item, in their order.
std::vector<heif_item_id> derivationInputs(const heif_context *context, heif_item_id item)
{
    std::vector<heif_item_id> inputs;
    for (int index = 0;; ++index) {
        uint32_t type = 0;
        heif_item_id *refs = nullptr;
        const size_t n = heif_context_get_item_references(context, item, index, &type, &refs);
        if (n == 0) {
            if (refs)
                heif_release_item_references(context, &refs);
            break;
        }
        if (type == heif_fourcc('d', 'i', 'm', 'g'))
            inputs.assign(refs, refs + n);
        heif_release_item_references(context, &refs);
        if (type == heif_fourcc('d', 'i', 'm', 'g'))
            break;
    }
    return inputs;
}

bool isImageItem(heif_context *context, heif_item_id item)
{
    heif_image_handle *raw = nullptr;
    if (heif_context_get_image_handle(context, item, &raw).code != heif_error_Ok || !raw)
        return false;
    Handle handle(raw);
    return true;
}

// Whether a gain map of gw x gh suits a photo of pw x ph: not larger, and of
// the same shape within a gain map pixel and a half (or 2 %).
bool fitsPhoto(int gw, int gh, int pw, int ph)
{
    if (gw <= 0 || gh <= 0 || gw > pw || gh > ph)
        return false;
    const double expectedHeight = double(gw) * ph / pw;
    return std::abs(gh - expectedHeight) <= std::max(1.5, 0.02 * gh);
}

bool needsExifOrientation(int orientation)
{
    return orientation >= 2 && orientation <= 8;
}

// Apple's auxiliary gain map of the image; 0 when it has none.
heif_item_id appleGainMap(const heif_image_handle *image)
{
    const int count = heif_image_handle_get_number_of_auxiliary_images(image, 0);
    if (count <= 0)
        return 0;
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    const int n = heif_image_handle_get_list_of_auxiliary_image_IDs(image, 0, ids.data(), count);
    for (int i = 0; i < n && i < count; ++i) {
        heif_image_handle *raw = nullptr;
        if (heif_image_handle_get_auxiliary_image_handle(image, ids[size_t(i)], &raw).code != heif_error_Ok || !raw)
            continue;
        const Handle aux(raw);
        const char *type = nullptr;
        if (heif_image_handle_get_auxiliary_type(raw, &type).code != heif_error_Ok || !type)
            continue;
        const bool isGainMap = std::strcmp(type, kAppleGainMapType) == 0;
        heif_image_handle_release_auxiliary_type(raw, &type);
        if (isGainMap)
            return ids[size_t(i)];
    }
    return 0;
}

GainMapSource isoGainMap(heif_context *context, heif_item_id image)
{
    GainMapSource source;
    const int count = heif_context_get_number_of_items(context);
    if (count <= 0)
        return source;
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    const int n = heif_context_get_list_of_item_IDs(context, ids.data(), count);
    for (int i = 0; i < n && i < count; ++i) {
        const heif_item_id id = ids[size_t(i)];
        if (heif_item_get_item_type(context, id) != heif_fourcc('t', 'm', 'a', 'p'))
            continue;
        const std::vector<heif_item_id> inputs = derivationInputs(context, id);
        // Another image's gain map; a tmap that names none of ours at all
        // is not ours to judge.
        if (inputs.empty() || (inputs[0] != image && (inputs.size() < 2 || inputs[1] != image)))
            continue;
        source.present = true;
        if (inputs.size() != 2 || inputs[0] != image || inputs[1] == image) {
            source.problem = "its references are invalid";
            return source;
        }
        if (!isImageItem(context, inputs[1])) {
            source.problem = "its picture is missing";
            return source;
        }
        ItemData data{context};
        if (heif_item_get_item_data(context, id, nullptr, &data.data, &data.size).code != heif_error_Ok
            || !data.data) {
            source.problem = "its metadata cannot be read";
            return source;
        }
        if (data.size > kMaxToneMapItemSize || !parseToneMapItem(data.data, data.size, &source.metadata)) {
            source.problem = "its metadata is invalid";
            return source;
        }
        source.item = inputs[1];
        return source;
    }
    return source;
}

} // namespace

GainMapSource findGainMap(heif_context *context, const heif_image_handle *image, double appleStops)
{
    GainMapSource iso = isoGainMap(context, heif_image_handle_get_item_id(image));
    if (iso.present)
        return iso;
    GainMapSource apple;
    const heif_item_id item = appleGainMap(image);
    if (!item)
        return apple;
    if (appleStops <= 0)
        return apple;
    apple.present = true;
    if (!(appleStops > 0)) {
        apple.problem = "its headroom is not in the photo's maker note";
        return apple;
    }
    apple.item = item;
    apple.appleStops = appleStops;
    apple.metadata = appleGainMapMetadata(appleStops);
    return apple;
}

std::vector<heif_item_id> gainMapPictures(const heif_context *context)
{
    std::vector<heif_item_id> pictures;
    const int count = heif_context_get_number_of_items(context);
    if (count <= 0)
        return pictures;
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    const int n = heif_context_get_list_of_item_IDs(context, ids.data(), count);
    for (int i = 0; i < n && i < count; ++i) {
        if (heif_item_get_item_type(context, ids[size_t(i)]) != heif_fourcc('t', 'm', 'a', 'p'))
            continue;
        const std::vector<heif_item_id> inputs = derivationInputs(context, ids[size_t(i)]);
        if (inputs.size() >= 2)
            pictures.insert(pictures.end(), inputs.begin() + 1, inputs.end());
    }
    return pictures;
}

uint64_t gainMapPeakBytes(heif_context *context, const GainMapSource &source)
{
    if (!source.usable())
        return 0;
    heif_image_handle *raw = nullptr;
    if (heif_context_get_image_handle(context, source.item, &raw).code != heif_error_Ok || !raw)
        return 0;
    const Handle handle(raw);
    const uint64_t pixels = uint64_t(std::max(0, heif_image_handle_get_ispe_width(raw)))
        * uint64_t(std::max(0, heif_image_handle_get_ispe_height(raw)));
    // Planes at up to 16 bits, RGB, a turned copy and the JPEG.
    return std::min<uint64_t>(pixels, TARNWICK_MAX_PIXELS) * 12;
}

GainMapPicture encodeGainMap(heif_context *context, const GainMapSource &source, int quality, int exifOrientation,
                             int photoWidth, int photoHeight)
{
    GainMapPicture picture;
    if (!source.usable()) {
        picture.problem = source.problem;
        return picture;
    }
    try {
        heif_image_handle *raw = nullptr;
        if (heif_context_get_image_handle(context, source.item, &raw).code != heif_error_Ok || !raw)
            throw Failure{TARNWICK_ERR_CORRUPT};
        Handle handle(raw);
        if (!withinSizeLimits(heif_image_handle_get_ispe_width(raw), heif_image_handle_get_ispe_height(raw)))
            throw Failure{TARNWICK_ERR_TOO_LARGE};
        const ImageFacts facts = imageFacts(context, raw);
        const bool grey = facts.colorspace == heif_colorspace_monochrome || facts.chroma == heif_chroma_monochrome;
        Raster r;
        {
            Image image = decode(context, raw, grey ? heif_colorspace_monochrome : heif_colorspace_RGB,
                                 grey ? heif_chroma_monochrome : heif_chroma_interleaved_RGB, true);
            const heif_channel channel = grey ? heif_channel_Y : heif_channel_interleaved;
            r.channels = grey ? 1 : 3;
            r.width = heif_image_get_width(image.get(), channel);
            r.height = heif_image_get_height(image.get(), channel);
            checkSize(r.width, r.height);
            int stride = 0;
            const uint8_t *pixels = heif_image_get_plane_readonly(image.get(), channel, &stride);
            const size_t rowBytes = size_t(r.width) * size_t(r.channels);
            if (!pixels || stride <= 0 || size_t(stride) < rowBytes
                || heif_image_get_bits_per_pixel(image.get(), channel) != r.channels * 8)
                throw Failure{TARNWICK_ERR_DECODE};
            r.pixels.resize(rowBytes * size_t(r.height));
            for (int y = 0; y < r.height; ++y)
                std::memcpy(r.pixels.data() + size_t(y) * rowBytes, pixels + size_t(y) * size_t(stride), rowBytes);
        }
        if (source.appleStops > 0) {
            // Apple's samples remapped to the ISO formula's, every channel
            // alike.
            const std::array<uint8_t, 256> remap = appleGainMapRemap(source.appleStops);
            for (uint8_t &v : r.pixels)
                v = remap[v];
        }
        if (needsExifOrientation(exifOrientation))
            r = exifOriented(std::move(r), exifOrientation);
        if (!fitsPhoto(r.width, r.height, photoWidth, photoHeight)) {
            picture.problem = "its picture does not match the photo's size";
            return picture;
        }
        Encoder encoder;
        TjBuffer jpeg;
        encoder.fromPixels(r.pixels.data(), r.width, r.width * r.channels, r.height, grey ? TJPF_GRAY : TJPF_RGB,
                           grey ? TJSAMP_GRAY : TJSAMP_444, quality, jpeg);
        if (!jpeg.data || jpeg.size == 0)
            throw Failure{TARNWICK_ERR_ENCODE};
        picture.jpeg.assign(jpeg.data, jpeg.data + jpeg.size);
    } catch (const Failure &) {
        picture.jpeg.clear();
        picture.problem = "its picture does not decode";
    } catch (const std::bad_alloc &) {
        picture.jpeg.clear();
        picture.problem = "out of memory";
    }
    return picture;
}

} // namespace tarnwick
