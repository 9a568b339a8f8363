#include "jpeginput.h"

#include "Tarnwick.h"
#include "errors.h"
#include "pixelbudget.h"
#include "tjowners.h"

#include <cstring>
#include <vector>

namespace tarnwick {

bool looksLikeJpeg(const unsigned char *input, int32_t length)
{
    return length >= 3 && input[0] == 0xFF && input[1] == 0xD8 && input[2] == 0xFF;
}

int32_t passThroughJpeg(const unsigned char *input, int32_t length, unsigned char *output, int32_t capacity)
{
    TjHandle tj(tjInitDecompress());
    if (!tj)
        return TARNWICK_ERR_NO_MEMORY;
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(tj.get(), input, static_cast<unsigned long>(length), &width, &height, &subsampling,
                            &colorspace)
        != 0)
        return TARNWICK_ERR_CORRUPT;
    checkSize(width, height);

    // Grey output skips the chroma transforms yet reads every component's
    // data; CMYK cannot be turned grey by the library and is decoded as it is.
    const bool cmyk = colorspace == TJCS_CMYK || colorspace == TJCS_YCCK;
    const int pixelFormat = cmyk ? TJPF_CMYK : TJPF_GRAY;
    const size_t bytesPerPixel = cmyk ? 4 : 1;
    {
        const MemoryReservation reservation(uint64_t(width) * uint64_t(height) * bytesPerPixel);
        std::vector<unsigned char> pixels(size_t(width) * size_t(height) * bytesPerPixel);
        if (tjDecompress2(tj.get(), input, static_cast<unsigned long>(length), pixels.data(), width, 0, height,
                          pixelFormat, TJFLAG_STOPONWARNING)
            != 0) {
            // libjpeg's warning for a stream that ends before its image does.
            const char *message = tjGetErrorStr2(tj.get());
            if (message && std::strstr(message, "Premature end"))
                return TARNWICK_ERR_TRUNCATED;
            return TARNWICK_ERR_CORRUPT;
        }
    }
    if (length > capacity)
        return length;
    std::memcpy(output, input, size_t(length));
    return length;
}

} // namespace tarnwick
