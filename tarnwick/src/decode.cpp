#include "decode.h"

#include "Tarnwick.h"
#include "errors.h"
#include "settings.h"

#include <memory>

namespace tarnwick {

Image decode(heif_image_handle *handle, heif_colorspace colorspace, heif_chroma chroma, bool applyTransformations)
{
    std::unique_ptr<heif_decoding_options, void (*)(heif_decoding_options *)> options(
        heif_decoding_options_alloc(), heif_decoding_options_free);
    if (!options)
        throw Failure{TARNWICK_ERR_NO_MEMORY};
    options->convert_hdr_to_8bit = 1;
    options->ignore_transformations = applyTransformations ? 0 : 1;
    const Settings &s = settings();
    options->decoder_id = s.hevcDecoder.c_str();

    auto attempt = [&](heif_image **out) {
        *out = nullptr;
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
        // Our decoders take HEVC only: another codec in a HEIF container.
        options->decoder_id = nullptr;
        e = attempt(&raw);
    }
    Image image(raw);
    check(e);
    if (!image)
        throw Failure{TARNWICK_ERR_DECODE};
    return image;
}

} // namespace tarnwick
