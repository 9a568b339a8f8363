// The part of a libheif decoder plugin that every decoder here has alike:
// one Decoder object per image, made without throwing, the data libheif
// pushes handed to Decoder::append, the picture made by one decode function,
// and the description libheif reads.
//
// Decoder is default-constructible and has
//   heif_error append(const void *data, size_t size)
// which may throw std::bad_alloc (reported as out of memory). The decode
// function may throw std::bad_alloc too (reported the same way).
#pragma once

#include "decodedpicture.h"

#include <libheif/heif_plugin.h>

#include <cstddef>
#include <new>

namespace tarnwick {

template <class Decoder, heif_error (*decode)(Decoder &, heif_image **)>
struct DecoderPluginEntries {
    static heif_error newDecoder(void **decoder)
    {
        *decoder = new (std::nothrow) Decoder;
        return *decoder ? decoderOk() : outOfMemoryError();
    }

    static void freeDecoder(void *decoder) { delete static_cast<Decoder *>(decoder); }

    static heif_error pushData(void *decoder, const void *data, size_t size)
    {
        try {
            return static_cast<Decoder *>(decoder)->append(data, size);
        } catch (const std::bad_alloc &) {
            return outOfMemoryError();
        }
    }

    static heif_error decodeImage(void *decoder, heif_image **out)
    {
        *out = nullptr;
        try {
            return decode(*static_cast<Decoder *>(decoder), out);
        } catch (const std::bad_alloc &) {
            return outOfMemoryError();
        }
    }

    // The decoders refuse every damaged picture whatever libheif asks.
    static void setStrictDecoding(void *, int) {}
};

template <heif_compression_format Format>
int supportsOnly(heif_compression_format format)
{
    return format == Format ? 1 : 0;
}

// The plugin description (API version 3) of a decoder for Format; init and
// deinit may be null.
template <class Decoder, heif_error (*decode)(Decoder &, heif_image **), heif_compression_format Format>
heif_decoder_plugin describeDecoderPlugin(const char *(*name)(), void (*init)(), void (*deinit)(), const char *id)
{
    using Entries = DecoderPluginEntries<Decoder, decode>;
    heif_decoder_plugin plugin{};
    plugin.plugin_api_version = 3;
    plugin.get_plugin_name = name;
    plugin.init_plugin = init;
    plugin.deinit_plugin = deinit;
    plugin.does_support_format = supportsOnly<Format>;
    plugin.new_decoder = Entries::newDecoder;
    plugin.free_decoder = Entries::freeDecoder;
    plugin.push_data = Entries::pushData;
    plugin.decode_image = Entries::decodeImage;
    plugin.set_strict_decoding = Entries::setStrictDecoding;
    plugin.id_name = id;
    return plugin;
}

} // namespace tarnwick
