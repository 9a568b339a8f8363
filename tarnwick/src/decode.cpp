#include "decode.h"

#include "Tarnwick.h"
#include "errors.h"
#include "decoderplugins.h"
#include "picturesizes.h"
#include "settings.h"

#include <libheif/heif_items.h>

#include <memory>

namespace tarnwick {

namespace {

bool isGrid(const heif_context *context, const heif_image_handle *handle)
{
    return heif_item_get_item_type(context, heif_image_handle_get_item_id(handle)) == heif_fourcc('g', 'r', 'i', 'd');
}

// Whether the image (or, for a grid, its first tile) is JPEG-coded: libheif
// passes over a decoder id that does not take the image's codec.
bool isJpegCoded(const heif_context *context, const heif_image_handle *handle)
{
    heif_item_id id = heif_image_handle_get_item_id(handle);
    if (isGrid(context, handle)) {
        heif_item_id tile = 0;
        if (heif_image_handle_get_grid_image_tile_id(handle, 0, 0, 0, &tile).code != heif_error_Ok)
            return false;
        id = tile;
    }
    return heif_item_get_item_type(context, id) == heif_fourcc('j', 'p', 'e', 'g');
}

// libheif's grid canvas is not cleared: every cell must have been covered
// by a picture of our plugins at least the size of the cell.
void checkGridCovered(const heif_context *context, const heif_image_handle *handle, const PictureSizeLog &sizes)
{
    if (!isGrid(context, handle))
        return;
    heif_image_tiling tiling{};
    if (heif_image_handle_get_image_tiling(handle, 0, &tiling).code != heif_error_Ok)
        throw Failure{TARNWICK_ERR_CORRUPT};
    const int64_t tiles = int64_t(tiling.num_columns) * int64_t(tiling.num_rows);
    // Tiles some other decoder gave libheif (AV1) cannot be measured.
    if (sizes.count() < tiles)
        throw Failure{TARNWICK_ERR_UNSUPPORTED};
    if (int64_t(sizes.smallestWidth()) < int64_t(tiling.tile_width)
        || int64_t(sizes.smallestHeight()) < int64_t(tiling.tile_height))
        throw Failure{TARNWICK_ERR_CORRUPT};
}

} // namespace

bool alphaIsWholeImage(const heif_context *context, const heif_image_handle *handle)
{
    if (!isGrid(context, handle))
        return true;
    // An alpha image of the grid itself is decoded on its own, as a whole.
    const int auxWithAlpha =
        heif_image_handle_get_number_of_auxiliary_images(handle, LIBHEIF_AUX_IMAGE_FILTER_OMIT_DEPTH);
    const int auxWithoutAlpha = heif_image_handle_get_number_of_auxiliary_images(
        handle, LIBHEIF_AUX_IMAGE_FILTER_OMIT_DEPTH | LIBHEIF_AUX_IMAGE_FILTER_OMIT_ALPHA);
    if (auxWithAlpha > auxWithoutAlpha)
        return true;
    heif_image_tiling tiling{};
    if (heif_image_handle_get_image_tiling(handle, 0, &tiling).code != heif_error_Ok)
        return false;
    for (uint32_t y = 0; y < tiling.num_rows; ++y) {
        for (uint32_t x = 0; x < tiling.num_columns; ++x) {
            heif_item_id id = 0;
            if (heif_image_handle_get_grid_image_tile_id(handle, 0, x, y, &id).code != heif_error_Ok)
                return false;
            heif_image_handle *tile = nullptr;
            // The API takes the context as not const; nothing is changed.
            if (heif_context_get_image_handle(const_cast<heif_context *>(context), id, &tile).code != heif_error_Ok
                || !tile)
                return false;
            const bool alpha = heif_image_handle_has_alpha_channel(tile);
            heif_image_handle_release(tile);
            if (!alpha)
                return false;
        }
    }
    return true;
}

Image decode(const heif_context *context, heif_image_handle *handle, heif_colorspace colorspace, heif_chroma chroma,
             bool applyTransformations, bool fullBitDepth)
{
    std::unique_ptr<heif_decoding_options, void (*)(heif_decoding_options *)> options(
        heif_decoding_options_alloc(), heif_decoding_options_free);
    if (!options)
        throw Failure{TARNWICK_ERR_NO_MEMORY};
    options->convert_hdr_to_8bit = fullBitDepth ? 0 : 1;
    options->ignore_transformations = applyTransformations ? 0 : 1;
    const Settings &s = settings();
    options->decoder_id = isJpegCoded(context, handle) ? kJpegDecoderId : s.hevcDecoder.c_str();

    PictureSizeLog *sizes = PictureSizeLog::current();
    if (!sizes)
        throw Failure{TARNWICK_ERR_INTERNAL};
    auto attempt = [&](heif_image **out) {
        *out = nullptr;
        sizes->clear();
        const heif_error e = heif_decode_image(handle, out, colorspace, chroma, options.get());
        if (e.code != heif_error_Ok && *out) {
            heif_image_release(*out);
            *out = nullptr;
        }
        return e;
    };
    heif_image *raw = nullptr;
    heif_error e = attempt(&raw);
    if (e.code == heif_error_Plugin_loading_error) {
        // Neither HEVC nor JPEG (AV1): libheif's choice.
        options->decoder_id = nullptr;
        e = attempt(&raw);
    }
    Image image(raw);
    check(e);
    if (!image)
        throw Failure{TARNWICK_ERR_DECODE};
    checkGridCovered(context, handle, *sizes);
    return image;
}

} // namespace tarnwick
