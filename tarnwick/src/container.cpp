#include "container.h"

#include "Tarnwick.h"
#include "errors.h"

#include <algorithm>

namespace tarnwick {

Container openContainer(const unsigned char *input, int32_t length, int tileThreads)
{
    const heif_filetype_result type = heif_check_filetype(input, length);
    // Fewer than 12 bytes cannot hold the file type box HEIF starts with.
    if (type == heif_filetype_no || length < 12)
        throw Failure{TARNWICK_ERR_NOT_HEIF};

    Container c;
    c.context.reset(heif_context_alloc());
    if (!c.context)
        throw Failure{TARNWICK_ERR_NO_MEMORY};
    if (heif_security_limits *limits = heif_context_get_security_limits(c.context.get())) {
        if (limits->max_image_size_pixels == 0 || limits->max_image_size_pixels > TARNWICK_MAX_PIXELS)
            limits->max_image_size_pixels = TARNWICK_MAX_PIXELS;
        const uint64_t wholeImage = uint64_t(TARNWICK_MAX_PIXELS) * 4;
        if (limits->max_memory_block_size != 0)
            limits->max_memory_block_size = std::max<uint64_t>(limits->max_memory_block_size, wholeImage);
    }
    heif_context_set_max_decoding_threads(c.context.get(), tileThreads);
    // Always from memory: reading from a file, libheif aborts on some broken
    // files where the same bytes in memory give an error.
    const heif_error read = heif_context_read_from_memory_without_copy(c.context.get(), input, size_t(length), nullptr);
    if (read.code != heif_error_Ok) {
        // Brands libheif knows but does not read as images.
        if (type == heif_filetype_yes_unsupported && read.subcode != heif_suberror_End_of_data)
            throw Failure{TARNWICK_ERR_UNSUPPORTED};
        check(read);
    }
    heif_image_handle *primary = nullptr;
    check(heif_context_get_primary_image_handle(c.context.get(), &primary));
    c.primary.reset(primary);
    if (!c.primary)
        throw Failure{TARNWICK_ERR_CORRUPT};
    return c;
}

} // namespace tarnwick
