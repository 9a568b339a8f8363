#include "container.h"

#include "gainmap.h"

#include "Tarnwick.h"
#include "errors.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {

namespace {

void limit(heif_context *context)
{
    if (heif_security_limits *limits = heif_context_get_security_limits(context)) {
        if (limits->max_image_size_pixels == 0 || limits->max_image_size_pixels > TARNWICK_MAX_PIXELS)
            limits->max_image_size_pixels = TARNWICK_MAX_PIXELS;
        const uint64_t wholeImage = uint64_t(TARNWICK_MAX_PIXELS) * 4;
        if (limits->max_memory_block_size != 0)
            limits->max_memory_block_size = std::max<uint64_t>(limits->max_memory_block_size, wholeImage);
    }
}

Context limitedContext(int tileThreads)
{
    Context context(heif_context_alloc());
    if (!context)
        throw Failure{TARNWICK_ERR_NO_MEMORY};
    limit(context.get());
    heif_context_set_max_decoding_threads(context.get(), tileThreads);
    return context;
}

} // namespace

Container openContainer(const unsigned char *input, int32_t length, int tileThreads)
{
    // Every HEIF file starts with its file type box. Its brands decide
    // nothing: libheif reads what it can.
    if (length < 12 || std::memcmp(input + 4, "ftyp", 4) != 0)
        throw Failure{TARNWICK_ERR_NOT_HEIF};

    Container c;
    c.context = limitedContext(tileThreads);
    // Always from memory: reading from a file, libheif aborts on some broken
    // files where the same bytes in memory give an error.
    heif_error read = heif_context_read_from_memory_without_copy(c.context.get(), input, size_t(length), nullptr);
    if (read.code == heif_error_Unsupported_filetype && length >= 20) {
        // libheif wants a brand it knows before it looks further (image
        // sequences, "mif2"): a copy that names "mif1" lets it find out
        // whether a still image is there.
        c.relabelled.assign(input, input + length);
        std::memcpy(c.relabelled.data() + 8, "mif1", 4);
        std::memcpy(c.relabelled.data() + 16, "mif1", 4);
        c.context = limitedContext(tileThreads);
        read = heif_context_read_from_memory_without_copy(c.context.get(), c.relabelled.data(), c.relabelled.size(),
                                                          nullptr);
    }
    check(read);
    heif_image_handle *primary = nullptr;
    check(heif_context_get_primary_image_handle(c.context.get(), &primary));
    c.primary.reset(primary);
    if (!c.primary)
        throw Failure{TARNWICK_ERR_CORRUPT};
    return c;
}


std::vector<heif_item_id> topLevelImages(const Container &container)
{
    heif_context *context = container.context.get();
    const heif_item_id primary = heif_image_handle_get_item_id(container.primary.get());
    std::vector<heif_item_id> images{primary};
    const int count = heif_context_get_number_of_top_level_images(context);
    if (count <= 1)
        return images;
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    const int n = std::min(count, heif_context_get_list_of_top_level_image_IDs(context, ids.data(), count));
    ids.resize(size_t(std::max(0, n)));
    std::sort(ids.begin(), ids.end());
    const std::vector<heif_item_id> gainMaps = gainMapPictures(context);
    for (heif_item_id id : ids)
        if (id != primary && std::find(gainMaps.begin(), gainMaps.end(), id) == gainMaps.end())
            images.push_back(id);
    return images;
}

} // namespace tarnwick
