#include "colour.h"

#include "heifowners.h"

namespace tarnwick {
namespace {

bool isJpegYCbCr(const heif_color_profile_nclx &nclx)
{
    const auto m = nclx.matrix_coefficients;
    const bool bt601 = m == heif_matrix_coefficients_ITU_R_BT_601_6
        || m == heif_matrix_coefficients_ITU_R_BT_470_6_System_B_G || m == heif_matrix_coefficients_unspecified;
    return bt601 && nclx.full_range_flag;
}

} // namespace

bool planesAreJpegYCbCr(const heif_image *image, const heif_image_handle *handle)
{
    heif_color_profile_nclx *raw = nullptr;
    if (heif_image_get_nclx_color_profile(image, &raw).code != heif_error_Ok || !raw)
        heif_image_handle_get_nclx_color_profile(handle, &raw);
    Nclx nclx(raw);
    if (!nclx)
        return true; // libheif's default: BT.601, full range
    return isJpegYCbCr(*nclx);
}

bool nclxBoxAllowsPlanes(const heif_image_handle *handle)
{
    heif_color_profile_nclx *raw = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &raw).code != heif_error_Ok || !raw)
        return true;
    Nclx nclx(raw);
    return isJpegYCbCr(*nclx);
}

} // namespace tarnwick
