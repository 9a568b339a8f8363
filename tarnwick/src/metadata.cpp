#include "metadata.h"

#include "applehdr.h"
#include "jpegsegments.h"

namespace tarnwick {
namespace {

// Largest EXIF item read: phones write a few hundred KB at most. Larger
// blocks are compacted to one segment; beyond this bound a block is not EXIF
// worth reading.
constexpr size_t kMaxExifItemSize = 16u << 20;

} // namespace

std::vector<uint8_t> iccProfile(const heif_image_handle *handle)
{
    const auto type = heif_image_handle_get_color_profile_type(handle);
    if (type != heif_color_profile_type_prof && type != heif_color_profile_type_rICC)
        return {};
    const size_t size = heif_image_handle_get_raw_color_profile_size(handle);
    if (size == 0)
        return {};
    std::vector<uint8_t> icc(size);
    if (heif_image_handle_get_raw_color_profile(handle, icc.data()).code != heif_error_Ok)
        return {};
    return icc;
}

Exif exifOf(const heif_image_handle *handle)
{
    Exif exif;
    const int count = heif_image_handle_get_number_of_metadata_blocks(handle, "Exif");
    if (count <= 0)
        return exif;
    std::vector<heif_item_id> ids(static_cast<size_t>(count));
    const int n = heif_image_handle_get_list_of_metadata_block_IDs(handle, "Exif", ids.data(), count);
    for (int i = 0; i < n && i < count; ++i) {
        const size_t size = heif_image_handle_get_metadata_size(handle, ids[size_t(i)]);
        if (size == 0 || size > kMaxExifItemSize)
            continue;
        std::vector<uint8_t> item(size);
        if (heif_image_handle_get_metadata(handle, ids[size_t(i)], item.data()).code != heif_error_Ok)
            continue;
        int orientation = 0;
        std::vector<uint8_t> payload = exifApp1Payload(item.data(), item.size(), &orientation);
        if (!payload.empty()) {
            exif.app1Payload = std::move(payload);
            exif.orientation = orientation;
            // From the whole block: a compacted one has no maker note.
            size_t tiffSize = 0;
            const uint8_t *tiff = tiffOfExifItem(item.data(), item.size(), &tiffSize);
            exif.appleHeadroomStops = appleHeadroomStops(tiff, tiffSize);
            return exif;
        }
    }
    return exif;
}

} // namespace tarnwick
