// Writes a 200 MP phone-like photo for the decoder benchmark: a 32 x 24 grid
// of 512 x 512 HEVC tiles shown 16320 x 12240, turned upright by irot 270,
// with a BT.709 colour description (so it is converted through RGB). Every
// tile is the same real picture: a 512 x 512 cut from the middle of a photo.
// With --gain-map, the photo also carries an ISO 21496-1 gain map of a
// quarter of its size (a grid of half the columns and rows whose tiles are
// the cut's luma).
//
//   tarnwick-make-grid-photo [--gain-map] <source.heic> <output.heic>
#include "heicfixture.h"

#include <libheif/heif.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

heif_error toVector(heif_context *, const void *data, size_t size, void *userdata)
{
    auto *out = static_cast<std::vector<uint8_t> *>(userdata);
    out->assign(static_cast<const uint8_t *>(data), static_cast<const uint8_t *>(data) + size);
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

} // namespace

int main(int argc, char **argv)
{
    const bool gainMap = argc == 4 && std::strcmp(argv[1], "--gain-map") == 0;
    if (gainMap) {
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s [--gain-map] <source.heic> <output.heic>\n", argv[0]);
        return 2;
    }
    heif_init(nullptr);
    heif_context *source = heif_context_alloc();
    heif_image_handle *handle = nullptr;
    heif_image *decoded = nullptr;
    if (heif_context_read_from_file(source, argv[1], nullptr).code
        || heif_context_get_primary_image_handle(source, &handle).code
        || heif_decode_image(handle, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr).code) {
        std::fprintf(stderr, "%s: cannot decode\n", argv[1]);
        return 1;
    }
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    if (width < 512 || height < 512)
        return 1;
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);

    heif_image *tile = nullptr;
    heif_image_create(512, 512, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &tile);
    heif_image_add_plane(tile, heif_channel_interleaved, 512, 512, 8);
    int tileStride = 0;
    uint8_t *tilePixels = heif_image_get_plane(tile, heif_channel_interleaved, &tileStride);
    const int left = (width - 512) / 2, top = (height - 512) / 2;
    for (int y = 0; y < 512; ++y)
        std::memcpy(tilePixels + size_t(y) * tileStride, pixels + size_t(top + y) * stride + size_t(left) * 3, 512 * 3);

    heif_context *tileContext = heif_context_alloc();
    heif_encoder *encoder = nullptr;
    heif_context_get_encoder_for_format(tileContext, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, 80);
    if (heif_context_encode_image(tileContext, tile, encoder, nullptr, nullptr).code)
        return 1;
    std::vector<uint8_t> tileHeic;
    heif_writer writer{};
    writer.writer_api_version = 1;
    writer.write = toVector;
    heif_context_write(tileContext, &writer, &tileHeic);
    HeicFixture::GridOptions layout = HeicFixture::twoHundredMegapixelLayout(std::move(tileHeic));
    if (gainMap) {
        heif_image *grey = nullptr;
        heif_image_create(512, 512, heif_colorspace_monochrome, heif_chroma_monochrome, &grey);
        heif_image_add_plane(grey, heif_channel_Y, 512, 512, 8);
        int greyStride = 0;
        uint8_t *greyPixels = heif_image_get_plane(grey, heif_channel_Y, &greyStride);
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x) {
                const uint8_t *p = tilePixels + size_t(y) * tileStride + size_t(x) * 3;
                greyPixels[size_t(y) * greyStride + x] = uint8_t((p[0] * 77 + p[1] * 150 + p[2] * 29) >> 8);
            }
        heif_context *greyContext = heif_context_alloc();
        if (heif_context_encode_image(greyContext, grey, encoder, nullptr, nullptr).code)
            return 1;
        heif_context_write(greyContext, &writer, &layout.gainMapTileHeic);
    }
    const std::vector<uint8_t> grid = HeicFixture::gridOfOneTile(layout);
    FILE *out = std::fopen(argv[2], "wb");
    if (grid.empty() || !out || std::fwrite(grid.data(), 1, grid.size(), out) != grid.size())
        return 1;
    std::fclose(out);
    return 0;
}
