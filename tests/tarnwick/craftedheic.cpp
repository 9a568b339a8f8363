#include "craftedheic.h"

#include <libheif/heif.h>

#include <memory>

namespace CraftedHeic {

namespace {

heif_error appendToVector(heif_context *, const void *data, size_t size, void *userdata)
{
    auto *out = static_cast<std::vector<uint8_t> *>(userdata);
    const auto *bytes = static_cast<const uint8_t *>(data);
    out->assign(bytes, bytes + size);
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

} // namespace

std::vector<uint8_t> encode(const Options &o)
{
    static const bool initialised = [] { heif_init(nullptr); return true; }();
    (void)initialised;

    std::unique_ptr<heif_context, void (*)(heif_context *)> ctx(heif_context_alloc(), heif_context_free);
    heif_image *rawImage = nullptr;
    if (heif_image_create(o.width, o.height, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &rawImage).code)
        return {};
    std::unique_ptr<heif_image, void (*)(const heif_image *)> image(rawImage, heif_image_release);
    if (heif_image_add_plane(image.get(), heif_channel_interleaved, o.width, o.height, 8).code)
        return {};
    int stride = 0;
    uint8_t *p = heif_image_get_plane(image.get(), heif_channel_interleaved, &stride);
    for (int y = 0; y < o.height; ++y) {
        for (int x = 0; x < o.width; ++x) {
            uint8_t *px = p + y * stride + x * 3;
            px[0] = uint8_t(40 + 180 * x / o.width);
            px[1] = uint8_t(30 + 190 * y / o.height);
            px[2] = uint8_t(200 - 150 * x / o.width);
        }
    }

    heif_encoder *rawEncoder = nullptr;
    if (heif_context_get_encoder_for_format(ctx.get(), heif_compression_HEVC, &rawEncoder).code)
        return {};
    std::unique_ptr<heif_encoder, void (*)(heif_encoder *)> encoder(rawEncoder, heif_encoder_release);
    heif_encoder_set_lossy_quality(encoder.get(), 90);

    heif_color_profile_nclx *nclx = heif_nclx_color_profile_alloc();
    nclx->matrix_coefficients = heif_matrix_coefficients(o.matrixCoefficients);
    nclx->full_range_flag = o.fullRange ? 1 : 0;
    if (o.colourPrimaries >= 0)
        heif_nclx_color_profile_set_color_primaries(nclx, uint16_t(o.colourPrimaries));
    if (o.transfer >= 0)
        heif_nclx_color_profile_set_transfer_characteristics(nclx, uint16_t(o.transfer));
    if (!o.icc.empty()
        && heif_image_set_raw_color_profile(image.get(), "prof", o.icc.data(), o.icc.size()).code != heif_error_Ok)
        return {};
    heif_encoding_options *options = heif_encoding_options_alloc();
    options->output_nclx_profile = nclx;
    heif_image_handle *rawHandle = nullptr;
    const heif_error e = heif_context_encode_image(ctx.get(), image.get(), encoder.get(), options, &rawHandle);
    heif_encoding_options_free(options);
    heif_nclx_color_profile_free(nclx);
    if (e.code)
        return {};
    std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle *)> handle(rawHandle, heif_image_handle_release);
    for (const auto &item : o.exifItems) {
        if (heif_context_add_generic_metadata(ctx.get(), handle.get(), item.data(), int(item.size()), "Exif", nullptr)
                .code)
            return {};
    }
    std::vector<uint8_t> out;
    heif_writer writer{};
    writer.writer_api_version = 1;
    writer.write = appendToVector;
    if (heif_context_write(ctx.get(), &writer, &out).code)
        return {};
    return out;
}

} // namespace CraftedHeic
