#include "thumbnail.h"

#include "Tarnwick.h"
#include "container.h"
#include "errors.h"
#include "imagetojpeg.h"
#include "jpegsegments.h"
#include "metadata.h"
#include "picturesizes.h"
#include "pixelbudget.h"
#include "settings.h"
#include "transform.h"

#include <algorithm>
#include <vector>

namespace tarnwick {

namespace {

// The largest of the primary image's thumbnails, null when it has none.
Handle largestThumbnail(heif_image_handle *primary)
{
    const int count = heif_image_handle_get_number_of_thumbnails(primary);
    if (count <= 0)
        return nullptr;
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    const int listed = heif_image_handle_get_list_of_thumbnail_IDs(primary, ids.data(), count);
    Handle best;
    int64_t bestPixels = -1;
    for (int i = 0; i < listed && i < count; ++i) {
        heif_image_handle *raw = nullptr;
        if (heif_image_handle_get_thumbnail(primary, ids[size_t(i)], &raw).code != heif_error_Ok || !raw)
            continue;
        Handle candidate(raw);
        const int64_t pixels = int64_t(heif_image_handle_get_width(raw)) * heif_image_handle_get_height(raw);
        if (pixels > bestPixels) {
            bestPixels = pixels;
            best = std::move(candidate);
        }
    }
    return best;
}

} // namespace

int32_t thumbnail(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                  int32_t outputCapacity)
{
    const InFlight inFlight;
    // One small picture: no tile threads.
    const PictureSizeLog pictureSizes(false);
    Container container = openContainer(input, inputLength, 0);
    heif_image_handle *primary = container.primary.get();
    Handle thumb = largestThumbnail(primary);
    if (!thumb)
        return TARNWICK_ERR_NO_IMAGE;
    const int64_t width = heif_image_handle_get_width(thumb.get());
    const int64_t height = heif_image_handle_get_height(thumb.get());
    checkSize(width, height);
    const int64_t storedPixels = std::max<int64_t>(
        width * height,
        int64_t(heif_image_handle_get_ispe_width(thumb.get())) * int64_t(heif_image_handle_get_ispe_height(thumb.get())));
    if (storedPixels > TARNWICK_MAX_PIXELS)
        throw Failure{TARNWICK_ERR_TOO_LARGE};

    // The thumbnail's own rotation or mirror wins; without one it is turned
    // like the photo whose orientation lives only in EXIF.
    const int exifOrientation =
        hasContainerOrientation(container.context.get(), thumb.get()) ? 0 : exifOf(primary).orientation;
    const ImageFacts facts = imageFacts(container.context.get(), thumb.get());
    const MemoryReservation reservation(peakBytes(facts, thumb.get(), uint64_t(storedPixels), exifOrientation));
    TjBuffer jpeg;
    encodePrimaryImage(container.context.get(), thumb.get(), facts, request.quality, exifOrientation, jpeg);
    if (!jpeg.data || jpeg.size == 0)
        return TARNWICK_ERR_ENCODE;
    return deliver(jpeg.data, jpeg.size, std::vector<uint8_t>(), output, outputCapacity);
}

} // namespace tarnwick
