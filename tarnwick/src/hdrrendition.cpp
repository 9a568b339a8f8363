#include "hdrrendition.h"

#include "Tarnwick.h"
#include "decode.h"
#include "errors.h"
#include "pixelbudget.h"
#include "transform.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace tarnwick {
namespace {

constexpr double kReferenceWhite = 203.0; // cd/m2, BT.2408
constexpr double kHlgDisplayPeak = 1000.0;
constexpr double kHlgSystemGamma = 1.2;   // BT.2100 for a 1000 cd/m2 display
constexpr double kGainMapOffset = 1.0 / 64;
constexpr double kMinimumHeadroom = 1.1; // times reference white

// SMPTE ST 2084.
constexpr double kM1 = 2610.0 / 16384, kM2 = 2523.0 / 4096 * 128, kC1 = 3424.0 / 4096, kC2 = 2413.0 / 4096 * 32,
                 kC3 = 2392.0 / 4096 * 32;

double pqToNits(double e)
{
    const double p = std::pow(std::clamp(e, 0.0, 1.0), 1.0 / kM2);
    return 10000.0 * std::pow(std::max(p - kC1, 0.0) / (kC2 - kC3 * p), 1.0 / kM1);
}

double nitsToPq(double nits)
{
    const double y = std::pow(std::clamp(nits / 10000.0, 0.0, 1.0), kM1);
    return std::pow((kC1 + kC2 * y) / (1 + kC3 * y), kM2);
}

// BT.2100 HLG inverse OETF: scene light 0..1.
double hlgToScene(double e)
{
    constexpr double a = 0.17883277, b = 0.28466892, c = 0.55991073; // b = 1 - 4a, c = 0.5 - a ln(4a)
    e = std::clamp(e, 0.0, 1.0);
    return e <= 0.5 ? e * e / 3.0 : (std::exp((e - c) / a) + b) / 12.0;
}

double linearToSrgb(double v)
{
    return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

using Matrix = std::array<double, 9>;

Matrix multiply(const Matrix &a, const Matrix &b)
{
    Matrix m{};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            for (int k = 0; k < 3; ++k)
                m[size_t(r * 3 + c)] += a[size_t(r * 3 + k)] * b[size_t(k * 3 + c)];
    return m;
}

bool invert(const Matrix &m, Matrix *out)
{
    const double det = m[0] * (m[4] * m[8] - m[5] * m[7]) - m[1] * (m[3] * m[8] - m[5] * m[6])
        + m[2] * (m[3] * m[7] - m[4] * m[6]);
    if (!std::isfinite(det) || std::abs(det) < 1e-12)
        return false;
    const Matrix i = {(m[4] * m[8] - m[5] * m[7]) / det, (m[2] * m[7] - m[1] * m[8]) / det,
                      (m[1] * m[5] - m[2] * m[4]) / det, (m[5] * m[6] - m[3] * m[8]) / det,
                      (m[0] * m[8] - m[2] * m[6]) / det, (m[2] * m[3] - m[0] * m[5]) / det,
                      (m[3] * m[7] - m[4] * m[6]) / det, (m[1] * m[6] - m[0] * m[7]) / det,
                      (m[0] * m[4] - m[1] * m[3]) / det};
    *out = i;
    return true;
}

// RGB to XYZ for the chromaticities (x, y of red, green, blue, white).
bool rgbToXyz(const float xy[8], Matrix *out)
{
    for (int i = 0; i < 8; i += 2)
        if (!(xy[i + 1] > 0))
            return false;
    auto column = [&](int i) { return std::array<double, 3>{xy[i] / xy[i + 1], 1.0, (1 - xy[i] - xy[i + 1]) / xy[i + 1]}; };
    const auto r = column(0), g = column(2), b = column(4), w = column(6);
    const Matrix p = {r[0], g[0], b[0], r[1], g[1], b[1], r[2], g[2], b[2]};
    Matrix pi;
    if (!invert(p, &pi))
        return false;
    const double s[3] = {pi[0] * w[0] + pi[1] * w[1] + pi[2] * w[2], pi[3] * w[0] + pi[4] * w[1] + pi[5] * w[2],
                         pi[6] * w[0] + pi[7] * w[1] + pi[8] * w[2]};
    Matrix m = p;
    for (int row = 0; row < 3; ++row)
        for (int c = 0; c < 3; ++c)
            m[size_t(row * 3 + c)] *= s[c];
    *out = m;
    return true;
}

// The photo's primaries to BT.709 ones, white to white (both D65 in
// practice; a different white is taken as is, without adaptation).
Matrix toBt709(const heif_color_profile_nclx *nclx)
{
    const Matrix identity = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    if (!nclx || nclx->color_primaries == heif_color_primaries_ITU_R_BT_709_5
        || nclx->color_primaries == heif_color_primaries_unspecified)
        return identity;
    const float source[8] = {nclx->color_primary_red_x,   nclx->color_primary_red_y,  nclx->color_primary_green_x,
                             nclx->color_primary_green_y, nclx->color_primary_blue_x, nclx->color_primary_blue_y,
                             nclx->color_primary_white_x, nclx->color_primary_white_y};
    const float bt709[8] = {0.64f, 0.33f, 0.30f, 0.60f, 0.15f, 0.06f, 0.3127f, 0.3290f};
    Matrix from, to, toInverse;
    if (!rgbToXyz(source, &from) || !rgbToXyz(bt709, &to) || !invert(to, &toInverse))
        return identity;
    return multiply(toInverse, from);
}

// The BT.2390 EETF from [0, sourcePeak] to [0, targetPeak] (cd/m2), as a
// table over the source range (linear in light) for speed.
class Eetf {
public:
    Eetf(double sourcePeak, double targetPeak) : m_sourcePeak(sourcePeak)
    {
        const double sourcePq = nitsToPq(sourcePeak);
        const double maxLum = nitsToPq(targetPeak) / sourcePq;
        const double ks = std::max(0.0, 1.5 * maxLum - 0.5);
        for (size_t i = 0; i < m_table.size(); ++i) {
            const double nits = sourcePeak * double(i) / double(m_table.size() - 1);
            const double e1 = nitsToPq(nits) / sourcePq;
            double e2 = e1;
            if (maxLum < 1 && e1 > ks) {
                const double t = (e1 - ks) / (1 - ks);
                const double t2 = t * t, t3 = t2 * t;
                e2 = (2 * t3 - 3 * t2 + 1) * ks + (t3 - 2 * t2 + t) * (1 - ks) + (-2 * t3 + 3 * t2) * maxLum;
            }
            m_table[i] = std::min(targetPeak, pqToNits(e2 * sourcePq));
        }
    }
    double operator()(double nits) const
    {
        const double at = std::clamp(nits / m_sourcePeak, 0.0, 1.0) * double(m_table.size() - 1);
        const size_t i = std::min(size_t(at), m_table.size() - 2);
        const double f = at - double(i);
        return m_table[i] * (1 - f) + m_table[i + 1] * f;
    }

private:
    double m_sourcePeak;
    std::array<double, 4097> m_table{};
};

double luminance709(const double c[3])
{
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
}

// A colour brought into [0, 1] by moving it toward the grey of its own
// luminance.
void intoGamut(double c[3])
{
    const double y = std::clamp(luminance709(c), 0.0, 1.0);
    double t = 1.0;
    for (int i = 0; i < 3; ++i) {
        const double d = c[i] - y;
        if (c[i] < 0 && d < 0)
            t = std::min(t, -y / d);
        else if (c[i] > 1 && d > 0)
            t = std::min(t, (1 - y) / d);
    }
    for (int i = 0; i < 3; ++i)
        c[i] = std::clamp(y + t * (c[i] - y), 0.0, 1.0);
}

bool needsExifOrientation(int orientation)
{
    return orientation >= 2 && orientation <= 8;
}

} // namespace

bool isPqOrHlg(const heif_image_handle *handle)
{
    heif_color_profile_nclx *raw = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &raw).code != heif_error_Ok || !raw)
        return false;
    const Nclx nclx(raw);
    return nclx->transfer_characteristics == heif_transfer_characteristic_ITU_R_BT_2100_0_PQ
        || nclx->transfer_characteristics == heif_transfer_characteristic_ITU_R_BT_2100_0_HLG;
}

uint64_t pqOrHlgPeakBytes(uint64_t n)
{
    // Decoded planes (16-bit) with their 16-bit RGB; that RGB with the SDR
    // picture and the gain map's logarithms; at the end the SDR picture and
    // the gain map with their turned copies.
    return std::max(n * 3 + n * 6, n * 6 + n * 3 + n * 4 + n) + n * 4 + (uint64_t(16) << 20);
}

HdrPicture encodePqOrHlgImage(const heif_context *context, heif_image_handle *handle, int quality,
                              int exifOrientation, bool withGainMap, TjBuffer &jpeg)
{
    heif_color_profile_nclx *rawNclx = nullptr;
    heif_image_handle_get_nclx_color_profile(handle, &rawNclx);
    const Nclx nclx(rawNclx);
    if (!nclx)
        throw Failure{TARNWICK_ERR_INTERNAL};
    const bool hlg = nclx->transfer_characteristics == heif_transfer_characteristic_ITU_R_BT_2100_0_HLG;
    const Matrix m = toBt709(nclx.get());
    // Luminance weights of the photo's own primaries (for the HLG OOTF).
    Matrix toXyz;
    const float xy[8] = {nclx->color_primary_red_x,   nclx->color_primary_red_y,  nclx->color_primary_green_x,
                         nclx->color_primary_green_y, nclx->color_primary_blue_x, nclx->color_primary_blue_y,
                         nclx->color_primary_white_x, nclx->color_primary_white_y};
    double weights[3] = {0.2627, 0.6780, 0.0593};
    if (rgbToXyz(xy, &toXyz))
        for (int i = 0; i < 3; ++i)
            weights[i] = toXyz[size_t(3 + i)];

    Image image = decode(context, handle, heif_colorspace_RGB, heif_chroma_interleaved_RRGGBB_LE, false, true);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    checkSize(width, height);
    const int bits = heif_image_get_bits_per_pixel_range(image.get(), heif_channel_interleaved);
    int stride = 0;
    const uint8_t *pixels = heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    if (heif_image_get_chroma_format(image.get()) != heif_chroma_interleaved_RRGGBB_LE || bits < 8 || bits > 16
        || !pixels || stride <= 0 || size_t(stride) < size_t(width) * 6)
        throw Failure{TARNWICK_ERR_DECODE};
    const int maxCode = (1 << bits) - 1;

    // Code values to light, per channel: display light for PQ, scene light
    // for HLG (its OOTF needs the pixel's luminance).
    std::vector<double> light(size_t(maxCode) + 1);
    for (int v = 0; v <= maxCode; ++v)
        light[size_t(v)] = hlg ? hlgToScene(double(v) / maxCode) : pqToNits(double(v) / maxCode);
    const size_t n = size_t(width) * size_t(height);

    // The light of the pixel at (x, y) in BT.709 primaries, relative to
    // reference white. Computed twice rather than kept: three floats a
    // pixel would be the largest buffer of the conversion.
    auto lightAt = [&](int x, int y, double o[3]) {
        const auto *row = reinterpret_cast<const uint16_t *>(pixels + size_t(y) * size_t(stride));
        double c[3];
        for (int i = 0; i < 3; ++i) {
            uint16_t v;
            std::memcpy(&v, row + 3 * x + i, 2);
            c[i] = light[std::min<size_t>(v, size_t(maxCode))];
        }
        if (hlg) {
            const double ys = weights[0] * c[0] + weights[1] * c[1] + weights[2] * c[2];
            const double gain = kHlgDisplayPeak * std::pow(std::max(ys, 1e-9), kHlgSystemGamma - 1);
            for (double &v : c)
                v *= gain;
        }
        for (int i = 0; i < 3; ++i)
            o[i] = (m[size_t(i * 3)] * c[0] + m[size_t(i * 3 + 1)] * c[1] + m[size_t(i * 3 + 2)] * c[2])
                / kReferenceWhite;
    };

    // Pass 1: the peak, which decides the EETF's knee.
    double peak = kReferenceWhite;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double o[3];
            lightAt(x, y, o);
            peak = std::max(peak, std::max({o[0], o[1], o[2]}) * kReferenceWhite);
        }

    // Pass 2: roll-off, gamut, sRGB encoding; the gain map at full size. A
    // peak within coding noise of white is white: nothing to roll off, and
    // no HDR rendition worth a gain map.
    if (peak < kReferenceWhite * kMinimumHeadroom)
        peak = kReferenceWhite;
    const Eetf eetf(peak, kReferenceWhite);
    std::array<uint8_t, 4097> encode8{};
    for (size_t i = 0; i < encode8.size(); ++i)
        encode8[i] = uint8_t(std::lround(255 * linearToSrgb(double(i) / double(encode8.size() - 1))));
    Raster sdr;
    sdr.width = width;
    sdr.height = height;
    sdr.channels = 3;
    sdr.pixels.resize(n * 3);
    Raster gain;
    std::vector<float> logGain;
    if (withGainMap)
        logGain.resize(n);
    double minGain = 0, maxGain = 0;
    for (size_t p = 0; p < n; ++p) {
        double c[3];
        lightAt(int(p % size_t(width)), int(p / size_t(width)), c);
        const double hdrLuminance = std::max(0.0, luminance709(c));
        const double largest = std::max({c[0], c[1], c[2], 0.0});
        if (largest > 0) {
            const double scale = eetf(largest * kReferenceWhite) / kReferenceWhite / largest;
            for (double &v : c)
                v *= scale;
        }
        intoGamut(c);
        for (int i = 0; i < 3; ++i)
            sdr.pixels[3 * p + size_t(i)] = encode8[size_t(std::lround(c[i] * double(encode8.size() - 1)))];
        if (withGainMap) {
            const double g = std::log2((hdrLuminance + kGainMapOffset) / (luminance709(c) + kGainMapOffset));
            logGain[p] = float(g);
            minGain = std::min(minGain, g);
            maxGain = std::max(maxGain, g);
        }
    }
    image.reset();

    HdrPicture result;
    // A gain map only when the HDR rendition differs from the SDR one.
    const bool gainMap = withGainMap && peak > kReferenceWhite && maxGain > 1.0 / 64;
    if (gainMap) {
        gain.width = width;
        gain.height = height;
        gain.channels = 1;
        gain.pixels.resize(n);
        const double range = maxGain - minGain;
        for (size_t p = 0; p < n; ++p)
            gain.pixels[p] = uint8_t(std::lround(255 * std::clamp((logGain[p] - minGain) / range, 0.0, 1.0)));
        GainMapMetadata &meta = result.gainMap;
        meta.channels = 1;
        meta.baseHeadroom = 0;
        meta.alternateHeadroom = std::min(16.0, std::log2(peak / kReferenceWhite));
        for (int i = 0; i < 3; ++i) {
            meta.gainMapMin[i] = minGain;
            meta.gainMapMax[i] = maxGain;
            meta.gamma[i] = 1;
            meta.baseOffset[i] = meta.alternateOffset[i] = kGainMapOffset;
        }
        if (!(meta.alternateHeadroom > 0) || !meta.isUsable())
            gain = Raster();
    }
    logGain.clear();
    logGain.shrink_to_fit();

    sdr = transformed(std::move(sdr), context, handle);
    if (!gain.pixels.empty())
        gain = transformed(std::move(gain), context, handle);
    if (needsExifOrientation(exifOrientation)) {
        sdr = exifOriented(std::move(sdr), exifOrientation);
        if (!gain.pixels.empty())
            gain = exifOriented(std::move(gain), exifOrientation);
    }
    checkSize(sdr.width, sdr.height);
    Encoder encoder;
    encoder.fromPixels(sdr.pixels.data(), sdr.width, sdr.width * 3, sdr.height, TJPF_RGB,
                       subsamplingFor(heif_chroma_420), quality, jpeg);
    if (gain.pixels.empty())
        return result;

    // Half the width and height, each sample the mean of its 2 x 2 block.
    const int gw = std::max(1, gain.width / 2), gh = std::max(1, gain.height / 2);
    std::vector<uint8_t> half(size_t(gw) * size_t(gh));
    for (int y = 0; y < gh; ++y)
        for (int x = 0; x < gw; ++x) {
            int sum = 0, count = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const int sx = std::min(gain.width - 1, 2 * x + dx), sy = std::min(gain.height - 1, 2 * y + dy);
                    sum += gain.pixels[size_t(sy) * size_t(gain.width) + size_t(sx)];
                    ++count;
                }
            half[size_t(y) * size_t(gw) + size_t(x)] = uint8_t((sum + count / 2) / count);
        }
    TjBuffer gainJpeg;
    encoder.fromPixels(half.data(), gw, gw, gh, TJPF_GRAY, TJSAMP_GRAY, quality, gainJpeg);
    if (gainJpeg.data && gainJpeg.size)
        result.gainMapJpeg.assign(gainJpeg.data, gainJpeg.data + gainJpeg.size);
    return result;
}

} // namespace tarnwick
