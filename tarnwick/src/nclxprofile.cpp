#include "nclxprofile.h"

#include "heifowners.h"

#include <algorithm>
#include <lcms2.h>

#include <cmath>
#include <memory>

namespace tarnwick {
namespace {

struct ProfileCloser {
    void operator()(void *p) const { cmsCloseProfile(p); }
};
struct CurveFreer {
    void operator()(cmsToneCurve *c) const { cmsFreeToneCurve(c); }
};
struct MluFreer {
    void operator()(cmsMLU *m) const { cmsMLUfree(m); }
};

// The ICC curve that decodes the nclx transfer to linear light. Transfers
// without an SDR curve of their own (PQ, HLG: their pictures are SDR
// renditions by the time they are encoded) are written with the sRGB curve.
std::unique_ptr<cmsToneCurve, CurveFreer> transferCurve(int transfer)
{
    // Parametric type 4: Y = (aX + b)^g for X >= d, else cX.
    static const cmsFloat64Number kSrgb[5] = {2.4, 1.0 / 1.055, 0.055 / 1.055, 1.0 / 12.92, 0.04045};
    static const cmsFloat64Number kBt709[5] = {1.0 / 0.45, 1.0 / 1.099, 0.099 / 1.099, 1.0 / 4.5, 0.081};
    cmsFloat64Number gamma = 0;
    switch (transfer) {
    case heif_transfer_characteristic_ITU_R_BT_709_5:
    case heif_transfer_characteristic_ITU_R_BT_601_6:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_10bit:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_12bit:
        return std::unique_ptr<cmsToneCurve, CurveFreer>(cmsBuildParametricToneCurve(nullptr, 4, kBt709));
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
        gamma = 2.2;
        break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
        gamma = 2.8;
        break;
    case heif_transfer_characteristic_linear:
        gamma = 1.0;
        break;
    default:
        return std::unique_ptr<cmsToneCurve, CurveFreer>(cmsBuildParametricToneCurve(nullptr, 4, kSrgb));
    }
    return std::unique_ptr<cmsToneCurve, CurveFreer>(cmsBuildGamma(nullptr, gamma));
}

bool isChromaticity(float x, float y)
{
    return std::isfinite(x) && std::isfinite(y) && x >= 0 && x <= 1 && y > 0 && y <= 1 && x + y <= 1.0001f;
}

const char *descriptionOf(int primaries)
{
    switch (primaries) {
    case heif_color_primaries_SMPTE_EG_432_1:
        return "Display P3";
    case heif_color_primaries_ITU_R_BT_2020_2_and_2100_0:
        return "BT.2020";
    case heif_color_primaries_SMPTE_RP_431_2:
        return "DCI-P3";
    default:
        return "RGB";
    }
}

} // namespace

std::vector<uint8_t> nclxIccProfile(const heif_color_profile_nclx &nclx)
{
    const int primaries = nclx.color_primaries;
    if (primaries == heif_color_primaries_ITU_R_BT_709_5 || primaries == heif_color_primaries_unspecified)
        return {};
    const float xy[8] = {nclx.color_primary_red_x,   nclx.color_primary_red_y,  nclx.color_primary_green_x,
                         nclx.color_primary_green_y, nclx.color_primary_blue_x, nclx.color_primary_blue_y,
                         nclx.color_primary_white_x, nclx.color_primary_white_y};
    for (int i = 0; i < 8; i += 2)
        if (!isChromaticity(xy[i], xy[i + 1]))
            return {};
    const cmsCIExyY white = {xy[6], xy[7], 1.0};
    const cmsCIExyYTRIPLE rgb = {{xy[0], xy[1], 1.0}, {xy[2], xy[3], 1.0}, {xy[4], xy[5], 1.0}};
    const auto curve = transferCurve(nclx.transfer_characteristics);
    if (!curve)
        return {};
    cmsToneCurve *curves[3] = {curve.get(), curve.get(), curve.get()};
    std::unique_ptr<void, ProfileCloser> profile(cmsCreateRGBProfile(&white, &rgb, curves));
    if (!profile)
        return {};
    std::unique_ptr<cmsMLU, MluFreer> description(cmsMLUalloc(nullptr, 1));
    if (!description || !cmsMLUsetASCII(description.get(), "en", "US", descriptionOf(primaries))
        || !cmsWriteTag(profile.get(), cmsSigProfileDescriptionTag, description.get()))
        return {};
    cmsUInt32Number size = 0;
    if (!cmsSaveProfileToMem(profile.get(), nullptr, &size) || size == 0)
        return {};
    std::vector<uint8_t> bytes(size);
    if (!cmsSaveProfileToMem(profile.get(), bytes.data(), &size))
        return {};
    bytes.resize(size);
    // Little CMS stamps the header with the time of the call (bytes 24..35,
    // six big-endian 16-bit fields); a fixed stamp keeps one photo's JPEG
    // the same from run to run.
    static const uint8_t kFixedDate[12] = {0x07, 0xE8, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0}; // 2024-01-01 00:00:00
    if (bytes.size() >= 36)
        std::copy(kFixedDate, kFixedDate + 12, bytes.begin() + 24);
    return bytes;
}

std::vector<uint8_t> nclxIccProfile(const heif_image_handle *handle)
{
    if (heif_image_handle_get_color_profile_type(handle) != heif_color_profile_type_nclx)
        return {};
    heif_color_profile_nclx *raw = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &raw).code != heif_error_Ok || !raw)
        return {};
    const Nclx nclx(raw);
    return nclxIccProfile(*nclx);
}

} // namespace tarnwick
