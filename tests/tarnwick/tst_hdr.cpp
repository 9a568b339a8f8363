// What the decoder keeps of a photo's colour and dynamic range: profiles for
// wide gamuts told by nclx alone, gain maps, PQ and HLG photos.
#include "Tarnwick.h"
#include "craftedheic.h"
#include "heicfixture.h"
#include "jpegparts.h"

#include <QtTest>

#include <lcms2.h>
#include <libheif/heif.h>
#include <libheif/heif_items.h>

#include <algorithm>
#include <cmath>
#include <cstring>

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)
Q_DECLARE_METATYPE(HeicFixture::GainMapOptions)

namespace {

// heif2jpg_image into a buffer of ten times the input.
Bytes convert(const Bytes &heic, int32_t flags = 0, int32_t *result = nullptr, int quality = 95)
{
    Bytes out(heic.size() * 10 + 65536);
    const int32_t n =
        heif2jpg_image(heic.data(), int32_t(heic.size()), quality, 0, flags, out.data(), int32_t(out.size()));
    if (result)
        *result = n;
    if (n <= 0 || size_t(n) > out.size())
        return {};
    out.resize(size_t(n));
    return out;
}

// Linear-light sRGB of one colour given in the profile's encoding.
std::array<double, 3> inSrgbLinear(const Bytes &icc, const std::array<double, 3> &rgb)
{
    cmsHPROFILE from = cmsOpenProfileFromMem(icc.data(), cmsUInt32Number(icc.size()));
    static const cmsCIExyY d65 = {0.3127, 0.3290, 1.0};
    static const cmsCIExyYTRIPLE srgbPrimaries = {{0.64, 0.33, 1.0}, {0.30, 0.60, 1.0}, {0.15, 0.06, 1.0}};
    cmsToneCurve *linear = cmsBuildGamma(nullptr, 1.0);
    cmsToneCurve *curves[3] = {linear, linear, linear};
    cmsHPROFILE to = cmsCreateRGBProfile(&d65, &srgbPrimaries, curves);
    std::array<double, 3> out = {NAN, NAN, NAN};
    if (from && to) {
        cmsHTRANSFORM t = cmsCreateTransform(from, TYPE_RGB_DBL, to, TYPE_RGB_DBL, INTENT_RELATIVE_COLORIMETRIC,
                                             cmsFLAGS_NOCACHE | cmsFLAGS_NOOPTIMIZE);
        if (t) {
            cmsDoTransform(t, rgb.data(), out.data(), 1);
            cmsDeleteTransform(t);
        }
    }
    if (from)
        cmsCloseProfile(from);
    if (to)
        cmsCloseProfile(to);
    cmsFreeToneCurve(linear);
    return out;
}

// --- Reading a gain-map JPEG --------------------------------------------------

// The value of an hdrgm attribute in an XMP packet; NAN when absent.
double hdrgmValue(const Bytes &xmp, const std::string &name)
{
    const std::string text(xmp.begin(), xmp.end());
    const std::string key = "hdrgm:" + name + "=\"";
    const size_t at = text.find(key);
    if (at == std::string::npos)
        return NAN;
    return std::atof(text.c_str() + at + key.size());
}

struct GainMapJpeg {
    Bytes primary, gainMap;           // the two pictures, cut by the MPF index
    Bytes primaryXmp, gainMapXmp;     // XMP packets (after the signature)
    Bytes primaryIso, gainMapIso;     // ISO 21496-1 APP2 payloads
    bool valid = false;
};

uint32_t be32(const Bytes &b, size_t at)
{
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// Splits the JPEG by its MPF index (big-endian, as written) and takes each
// picture's gain map segments.
GainMapJpeg splitGainMapJpeg(const Bytes &jpeg)
{
    GainMapJpeg g;
    const auto segments = JpegParts::headerSegments(jpeg);
    const auto mpf = JpegParts::appPayloads(segments, 0xE2, "MPF");
    if (mpf.size() != 1 || mpf[0].size() < 8 + 2 + 3 * 12 + 4 + 32)
        return g;
    // Where the MPF segment's TIFF header lies in the file.
    const Bytes &m = mpf[0];
    size_t tiffAt = 0;
    for (size_t at = 0; at + 4 + m.size() <= jpeg.size(); ++at)
        if (std::equal(m.begin(), m.begin() + 16, jpeg.begin() + long(at)) && at >= 4
            && std::memcmp(&jpeg[at - 4], "MPF", 4) == 0) {
            tiffAt = at;
            break;
        }
    const size_t entries = be32(m, 10 + 2 * 12 + 8);
    if (!tiffAt || entries + 32 > m.size())
        return g;
    const uint32_t size1 = be32(m, entries + 4), offset1 = be32(m, entries + 8);
    const uint32_t size2 = be32(m, entries + 16 + 4), offset2 = be32(m, entries + 16 + 8);
    if (offset1 != 0 || size1 != JpegParts::firstPictureSize(jpeg) || tiffAt + offset2 != size1
        || size1 + size2 != jpeg.size())
        return g;
    g.primary.assign(jpeg.begin(), jpeg.begin() + size1);
    g.gainMap.assign(jpeg.begin() + size1, jpeg.end());
    const auto gainSegments = JpegParts::headerSegments(g.gainMap);
    const auto xmp1 = JpegParts::appPayloads(segments, 0xE1, "http://ns.adobe.com/xap/1.0/");
    const auto xmp2 = JpegParts::appPayloads(gainSegments, 0xE1, "http://ns.adobe.com/xap/1.0/");
    const auto iso1 = JpegParts::appPayloads(segments, 0xE2, "urn:iso:std:iso:ts:21496:-1");
    const auto iso2 = JpegParts::appPayloads(gainSegments, 0xE2, "urn:iso:std:iso:ts:21496:-1");
    if (xmp1.size() != 1 || xmp2.size() != 1 || iso1.size() != 1 || iso2.size() != 1)
        return g;
    g.primaryXmp = xmp1[0];
    g.gainMapXmp = xmp2[0];
    g.primaryIso = iso1[0];
    g.gainMapIso = iso2[0];
    g.valid = true;
    return g;
}

bool hasNote(const Bytes &jpeg, const std::string &text)
{
    for (const auto &s : JpegParts::headerSegments(jpeg))
        if (s.marker == 0xFE && std::string(s.payload.begin(), s.payload.end()).find(text) != std::string::npos)
            return true;
    return false;
}

// --- The HDR rendition by the published formula ------------------------------

struct GainMapValues {
    double min = 0, max = 0, gamma = 1, offsetSdr = 1.0 / 64, offsetHdr = 1.0 / 64;
};

double srgbToLinear(double v)
{
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// The full HDR rendition (display headroom at the gain map's maximum) of an
// SDR RGB picture and its grey gain map, sampled at the nearest gain map
// pixel.
std::vector<double> hdrRendition(const JpegParts::Pixels &sdr, const JpegParts::Pixels &gain, const GainMapValues &v)
{
    std::vector<double> out(sdr.data.size());
    for (int y = 0; y < sdr.height; ++y)
        for (int x = 0; x < sdr.width; ++x) {
            const int gx = std::min(gain.width - 1, x * gain.width / sdr.width);
            const int gy = std::min(gain.height - 1, y * gain.height / sdr.height);
            const double g = gain.data[size_t(gy) * size_t(gain.width) + size_t(gx)] / 255.0;
            const double boost = std::exp2(v.min + (v.max - v.min) * std::pow(g, 1.0 / v.gamma));
            for (int c = 0; c < 3; ++c) {
                const size_t i = (size_t(y) * size_t(sdr.width) + size_t(x)) * 3 + size_t(c);
                out[i] = (srgbToLinear(sdr.data[i] / 255.0) + v.offsetSdr) * boost - v.offsetHdr;
            }
        }
    return out;
}

// Apple's rendition (its developer documentation): linear SDR times
// 1 + (headroom - 1) * gain, the gain map BT.709-encoded.
std::vector<double> appleRendition(const JpegParts::Pixels &sdr, const JpegParts::Pixels &gain, double headroom)
{
    std::vector<double> out(sdr.data.size());
    for (int y = 0; y < sdr.height; ++y)
        for (int x = 0; x < sdr.width; ++x) {
            const int gx = std::min(gain.width - 1, x * gain.width / sdr.width);
            const int gy = std::min(gain.height - 1, y * gain.height / sdr.height);
            const double v = gain.data[size_t(gy) * size_t(gain.width) + size_t(gx)] / 255.0;
            const double g = v < 0.081 ? v / 4.5 : std::pow((v + 0.099) / 1.099, 1.0 / 0.45);
            for (int c = 0; c < 3; ++c) {
                const size_t i = (size_t(y) * size_t(sdr.width) + size_t(x)) * 3 + size_t(c);
                out[i] = srgbToLinear(sdr.data[i] / 255.0) * (1.0 + (headroom - 1.0) * g);
            }
        }
    return out;
}

// PSNR of two renditions against their common peak.
double renditionPsnr(const std::vector<double> &a, const std::vector<double> &b)
{
    if (a.size() != b.size() || a.empty())
        return 0;
    double peak = 0, error = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        peak = std::max({peak, a[i], b[i]});
        error += (a[i] - b[i]) * (a[i] - b[i]);
    }
    error /= double(a.size());
    return error == 0 ? 99 : 10 * std::log10(peak * peak / error);
}

// libheif's own decode of an image item of the HEIC (transformations
// applied), grey or RGB.
JpegParts::Pixels libheifDecode(const Bytes &heic, bool gainMap)
{
    JpegParts::Pixels p;
    heif_context *ctx = heif_context_alloc();
    if (heif_context_read_from_memory_without_copy(ctx, heic.data(), heic.size(), nullptr).code == heif_error_Ok) {
        heif_image_handle *primary = nullptr;
        heif_context_get_primary_image_handle(ctx, &primary);
        heif_image_handle *handle = primary;
        if (gainMap && primary) {
            // The second image encoded is the gain map.
            const int n = heif_context_get_number_of_items(ctx);
            std::vector<heif_item_id> ids(static_cast<size_t>(n));
            heif_context_get_list_of_item_IDs(ctx, ids.data(), n);
            handle = nullptr;
            for (heif_item_id id : ids)
                if (id != heif_image_handle_get_item_id(primary)
                    && heif_item_get_item_type(ctx, id) == heif_fourcc('h', 'v', 'c', '1')
                    && heif_context_get_image_handle(ctx, id, &handle).code == heif_error_Ok)
                    break;
        }
        heif_image *image = nullptr;
        if (handle
            && heif_decode_image(handle, &image, gainMap ? heif_colorspace_monochrome : heif_colorspace_RGB,
                                 gainMap ? heif_chroma_monochrome : heif_chroma_interleaved_RGB, nullptr)
                       .code
                == heif_error_Ok) {
            const heif_channel channel = gainMap ? heif_channel_Y : heif_channel_interleaved;
            p.channels = gainMap ? 1 : 3;
            p.width = heif_image_get_width(image, channel);
            p.height = heif_image_get_height(image, channel);
            int stride = 0;
            const uint8_t *data = heif_image_get_plane_readonly(image, channel, &stride);
            for (int y = 0; y < p.height; ++y)
                p.data.insert(p.data.end(), data + size_t(y) * size_t(stride),
                              data + size_t(y) * size_t(stride) + size_t(p.width) * size_t(p.channels));
            heif_image_release(image);
        }
        if (handle && handle != primary)
            heif_image_handle_release(handle);
        if (primary)
            heif_image_handle_release(primary);
    }
    heif_context_free(ctx);
    return p;
}

HeicFixture::Options gainMapPhoto()
{
    HeicFixture::Options o;
    o.width = 128;
    o.height = 96;
    o.quality = 90;
    o.gainMap.width = 64;
    o.gainMap.height = 48;
    return o;
}

Bytes withoutVersionByte(const Bytes &toneMapItem)
{
    return Bytes(toneMapItem.begin() + 1, toneMapItem.end());
}

} // namespace

class TestHdr : public QObject {
    Q_OBJECT

private slots:
    void nclxOnlyWideColourGetsAProfile_data();
    void nclxOnlyWideColourGetsAProfile();
    void isoGainMapIsCarried_data();
    void isoGainMapIsCarried();
    void brokenGainMapGivesTheSdrJpeg_data();
    void brokenGainMapGivesTheSdrJpeg();
    void gainMapJpegKeepsTheCapacityContract();
    void realPhotoKeepsItsIsoGainMap();
    void gridPhotoKeepsItsGainMapGrid();
    void appleGainMapBecomesIsoParameters_data();
    void appleGainMapBecomesIsoParameters();
    void pqAndHlgComeBackAsTheirSdrPhoto_data();
    void pqAndHlgComeBackAsTheirSdrPhoto();
    void pqAndHlgHighlightsRollOffAndTheGainMapRestoresThem_data();
    void pqAndHlgHighlightsRollOffAndTheGainMapRestoresThem();
    void everyTopLevelImageByIndex();
};

// --- Wide colour told by nclx alone ------------------------------------------

void TestHdr::nclxOnlyWideColourGetsAProfile_data()
{
    QTest::addColumn<int>("primaries");
    QTest::addColumn<int>("transfer");
    QTest::addColumn<bool>("embeddedIcc");
    // The photo's pure red seen in linear sRGB; NAN: no profile expected.
    QTest::addColumn<double>("redR");
    QTest::addColumn<double>("redG");
    // Display P3 red lies outside sRGB: more than full red, negative green.
    QTest::newRow("Display P3, sRGB curve") << 12 << 13 << false << 1.2249 << -0.0420;
    QTest::newRow("BT.2020, BT.709 curve") << 9 << 1 << false << 1.6605 << -0.1246;
    QTest::newRow("DCI-P3 (its own white)") << 11 << 13 << false << 1.1607 << -0.0334;
    QTest::newRow("BT.709: none, as sRGB") << 1 << 13 << false << double(NAN) << double(NAN);
    QTest::newRow("unspecified: none") << 2 << 2 << false << double(NAN) << double(NAN);
    QTest::newRow("embedded ICC wins") << 12 << 13 << true << double(NAN) << double(NAN);
}

void TestHdr::nclxOnlyWideColourGetsAProfile()
{
    QFETCH(int, primaries);
    QFETCH(int, transfer);
    QFETCH(bool, embeddedIcc);
    QFETCH(double, redR);
    QFETCH(double, redG);
    CraftedHeic::Options o;
    o.colourPrimaries = primaries;
    o.transfer = transfer;
    if (embeddedIcc)
        o.icc = HeicFixture::sampleIccProfile();
    const Bytes heic = CraftedHeic::encode(o);
    QVERIFY(!heic.empty());
    const Bytes jpeg = convert(heic);
    QVERIFY(!jpeg.empty());
    const Bytes icc = JpegParts::iccProfile(JpegParts::headerSegments(jpeg));
    if (embeddedIcc) {
        QVERIFY(icc == o.icc);
        return;
    }
    if (std::isnan(redR)) {
        QVERIFY(icc.empty());
        return;
    }
    QVERIFY(!icc.empty());
    const auto red = inSrgbLinear(icc, {1.0, 0.0, 0.0});
    QVERIFY2(std::abs(red[0] - redR) < 0.01 && std::abs(red[1] - redG) < 0.01,
             qPrintable(QString("red as sRGB %1 %2 %3").arg(red[0]).arg(red[1]).arg(red[2])));
    // White stays white, middle grey keeps its encoding's level.
    const auto white = inSrgbLinear(icc, {1.0, 1.0, 1.0});
    for (double v : white)
        QVERIFY2(std::abs(v - 1.0) < 0.01, qPrintable(QString::number(v)));
}

// --- ISO 21496-1 gain maps ----------------------------------------------------

void TestHdr::isoGainMapIsCarried_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<int>("exifOrientation");
    QTest::newRow("upright") << 0 << 1;
    QTest::newRow("irot 90 on both") << 90 << 1;
    QTest::newRow("irot 270 on both") << 270 << 6;
    QTest::newRow("EXIF orientation 6 only") << 0 << 6;
}

void TestHdr::isoGainMapIsCarried()
{
    QFETCH(int, rotation);
    QFETCH(int, exifOrientation);
    HeicFixture::Options o = gainMapPhoto();
    o.rotationCcw = rotation;
    o.exifOrientation = exifOrientation;
    o.icc = HeicFixture::sampleIccProfile();
    const Bytes heic = HeicFixture::encode(o);
    QVERIFY(!heic.empty());

    const Bytes sdr = convert(heic, TARNWICK_FLAG_SDR_ONLY);
    const Bytes hdr = convert(heic);
    QVERIFY(!sdr.empty() && !hdr.empty());
    QVERIFY(JpegParts::appPayloads(JpegParts::headerSegments(sdr), 0xE2, "MPF").empty());
    const GainMapJpeg g = splitGainMapJpeg(hdr);
    QVERIFY(g.valid);

    // The primary picture is the SDR JPEG's, pixel for pixel, with its EXIF
    // (Orientation 1) and ICC.
    const JpegParts::Pixels base = JpegParts::decode(g.primary);
    QVERIFY(base.valid());
    QVERIFY(base.data == JpegParts::decode(sdr).data);
    const auto segments = JpegParts::headerSegments(g.primary);
    QVERIFY(JpegParts::iccProfile(segments) == o.icc);
    const auto exif = JpegParts::appPayloads(segments, 0xE1, "Exif");
    QCOMPARE(exif.size(), size_t(1));
    QVERIFY(exif[0] == JpegParts::appPayloads(JpegParts::headerSegments(sdr), 0xE1, "Exif").at(0));
    QCOMPARE(hdrgmValue(g.primaryXmp, "Version"), 1.0);
    QCOMPARE(g.primaryIso, (Bytes{0, 0, 0, 0}));
    // The gain map keeps the file's parameters as they were.
    QVERIFY(g.gainMapIso == withoutVersionByte(HeicFixture::sampleToneMapItem()));
    QCOMPARE(hdrgmValue(g.gainMapXmp, "GainMapMax"), 2.0);
    QCOMPARE(hdrgmValue(g.gainMapXmp, "HDRCapacityMax"), 2.0);
    QCOMPARE(hdrgmValue(g.gainMapXmp, "OffsetSDR"), 0.015625);

    // Upright like the photo, half its size.
    const JpegParts::Pixels gain = JpegParts::decode(g.gainMap, 0, true);
    QVERIFY(gain.valid());
    QCOMPARE(gain.width * 2, base.width);
    QCOMPARE(gain.height * 2, base.height);
    if (rotation == 0 && exifOrientation == 6) {
        // The stored gain map turned clockwise, as the photo was.
        const Bytes stored = HeicFixture::gainMapSource(o.gainMap);
        const int w = o.gainMap.width, h = o.gainMap.height;
        QCOMPARE(gain.width, h);
        Bytes turned(stored.size());
        for (int y = 0; y < w; ++y)
            for (int x = 0; x < h; ++x)
                turned[size_t(y) * size_t(h) + size_t(x)] = stored[size_t(h - 1 - x) * size_t(w) + size_t(y)];
        const double psnr = HeicFixture::psnr(turned, gain.data);
        QVERIFY2(psnr > 30, qPrintable(QString("gain map PSNR %1 dB").arg(psnr)));
        return;
    }
    // The HDR rendition rebuilt from our JPEG is the one the HEIC's own
    // pictures and metadata give.
    GainMapValues v;
    v.min = hdrgmValue(g.gainMapXmp, "GainMapMin");
    v.max = hdrgmValue(g.gainMapXmp, "GainMapMax");
    v.gamma = hdrgmValue(g.gainMapXmp, "Gamma");
    v.offsetSdr = hdrgmValue(g.gainMapXmp, "OffsetSDR");
    v.offsetHdr = hdrgmValue(g.gainMapXmp, "OffsetHDR");
    const JpegParts::Pixels heifBase = libheifDecode(heic, false);
    const JpegParts::Pixels heifGain = libheifDecode(heic, true);
    QCOMPARE(heifGain.width, gain.width);
    QCOMPARE(heifGain.height, gain.height);
    GainMapValues file; // sampleToneMapItem()'s
    file.max = 2;
    const double psnr = renditionPsnr(hdrRendition(base, gain, v), hdrRendition(heifBase, heifGain, file));
    QVERIFY2(psnr > 32, qPrintable(QString("HDR rendition PSNR %1 dB").arg(psnr)));
}

void TestHdr::brokenGainMapGivesTheSdrJpeg_data()
{
    QTest::addColumn<HeicFixture::GainMapOptions>("gainMap");
    QTest::addColumn<QString>("reason");
    HeicFixture::GainMapOptions g = gainMapPhoto().gainMap;
    HeicFixture::GainMapOptions reversed = g;
    reversed.references = {1, 0};
    QTest::newRow("references reversed") << reversed << "references";
    HeicFixture::GainMapOptions one = g;
    one.references = {0};
    QTest::newRow("one reference") << one << "references";
    HeicFixture::GainMapOptions dangling = g;
    dangling.references = {0, 999};
    QTest::newRow("reference to no item") << dangling << "picture is missing";
    HeicFixture::GainMapOptions truncated = g;
    truncated.toneMapItem = HeicFixture::sampleToneMapItem();
    truncated.toneMapItem.resize(30);
    QTest::newRow("metadata cut short") << truncated << "metadata";
    HeicFixture::GainMapOptions empty = g;
    empty.toneMapItem = {0};
    QTest::newRow("metadata empty") << empty << "metadata";
    HeicFixture::GainMapOptions version = g;
    version.toneMapItem = HeicFixture::sampleToneMapItem();
    version.toneMapItem[2] = 1; // minimum version 1
    QTest::newRow("metadata of a later version") << version << "metadata";
    HeicFixture::GainMapOptions zero = g;
    zero.toneMapItem = HeicFixture::sampleToneMapItem();
    std::fill(zero.toneMapItem.begin() + 6 + 4, zero.toneMapItem.begin() + 6 + 8, 0); // a zero denominator
    QTest::newRow("zero denominator") << zero << "metadata";
    HeicFixture::GainMapOptions larger = g;
    larger.width = 256;
    larger.height = 192;
    QTest::newRow("gain map larger than the photo") << larger << "size";
    HeicFixture::GainMapOptions shape = g;
    shape.height = 96;
    QTest::newRow("gain map of another shape") << shape << "size";
    HeicFixture::GainMapOptions turned = g;
    turned.rotationCcw = 90;
    QTest::newRow("gain map turned, photo not") << turned << "size";
}

void TestHdr::brokenGainMapGivesTheSdrJpeg()
{
    QFETCH(HeicFixture::GainMapOptions, gainMap);
    QFETCH(QString, reason);
    HeicFixture::Options o = gainMapPhoto();
    o.gainMap = gainMap;
    const Bytes heic = HeicFixture::encode(o);
    QVERIFY(!heic.empty());
    int32_t result = 0;
    const Bytes jpeg = convert(heic, 0, &result);
    QVERIFY2(result > 0, tarnwick_error_text(result));
    QVERIFY(JpegParts::appPayloads(JpegParts::headerSegments(jpeg), 0xE2, "MPF").empty());
    QCOMPARE(JpegParts::firstPictureSize(jpeg), jpeg.size());
    QVERIFY(hasNote(jpeg, "gain map left out"));
    QVERIFY2(hasNote(jpeg, reason.toStdString()), qPrintable(reason));
    QVERIFY(JpegParts::decode(jpeg).data == JpegParts::decode(convert(heic, TARNWICK_FLAG_SDR_ONLY)).data);
}

// Too small a buffer: nothing written, the whole length told, and the retry
// answered with the same bytes; a retry asking for the SDR JPEG gets that.
void TestHdr::gainMapJpegKeepsTheCapacityContract()
{
    const Bytes heic = HeicFixture::encode(gainMapPhoto());
    const Bytes whole = convert(heic);
    QVERIFY(splitGainMapJpeg(whole).valid);
    const int32_t n = int32_t(heic.size());
    for (const int32_t capacity : {0, int32_t(JpegParts::firstPictureSize(whole)), int32_t(whole.size()) - 1}) {
        Bytes small(size_t(capacity) + 64, 0xA5);
        QCOMPARE(heif2jpg_image(heic.data(), n, 95, 0, 0, capacity ? small.data() : nullptr, capacity),
                 int32_t(whole.size()));
        QVERIFY(std::all_of(small.begin(), small.end(), [](uint8_t b) { return b == 0xA5; }));
    }
    Bytes out(whole.size());
    QCOMPARE(heif2jpg_image(heic.data(), n, 95, 0, 0, out.data(), int32_t(out.size())), int32_t(whole.size()));
    QVERIFY(out == whole);

    QVERIFY(heif2jpg_image(heic.data(), n, 95, 0, 0, nullptr, 0) > 0);
    const Bytes sdr = convert(heic, TARNWICK_FLAG_SDR_ONLY);
    Bytes sdrOut(sdr.size());
    QCOMPARE(heif2jpg_image(heic.data(), n, 95, 0, TARNWICK_FLAG_SDR_ONLY, sdrOut.data(), int32_t(sdrOut.size())),
             int32_t(sdr.size()));
    QVERIFY(sdrOut == sdr);
}

void TestHdr::realPhotoKeepsItsIsoGainMap()
{
    const QString path = qEnvironmentVariable("VANTROPE_TESTDATA") + "/iphone-15pro_ios18_tmap-gainmap.heic";
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("the shared test photos are not here");
    const QByteArray data = file.readAll();
    const Bytes heic(data.begin(), data.end());
    const Bytes jpeg = convert(heic);
    const GainMapJpeg g = splitGainMapJpeg(jpeg);
    QVERIFY(g.valid);
    const JpegParts::Pixels base = JpegParts::decode(g.primary);
    const JpegParts::Pixels gain = JpegParts::decode(g.gainMap, 0, true);
    QCOMPARE(base.width, 3024);
    QCOMPARE(base.height, 4032);
    QCOMPARE(gain.width, 1512);
    QCOMPARE(gain.height, 2016);
    // The phone's own metadata, byte for byte (its tmap item after the
    // version byte): headroom 1.69 stops, gamma 0.716.
    const Bytes phone = {0x00, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0f, 0x42, 0x40, 0x00, 0x19,
                         0xcb, 0x3e, 0x00, 0x0f, 0x42, 0x40, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0f, 0x42, 0x40, 0x00,
                         0x19, 0xcb, 0x3e, 0x00, 0x0f, 0x42, 0x40, 0x00, 0x0a, 0xec, 0x2c, 0x00, 0x0f, 0x42, 0x40,
                         0x00, 0x00, 0x00, 0x0a, 0x00, 0x0f, 0x42, 0x40, 0x00, 0x00, 0x00, 0x0a, 0x00, 0x0f, 0x42,
                         0x40};
    QVERIFY(g.gainMapIso == phone);
    QVERIFY(JpegParts::decode(g.primary).data == JpegParts::decode(convert(heic, TARNWICK_FLAG_SDR_ONLY)).data);
}

// A grid photo whose gain map is a grid too (as phones write them), turned
// by irot like the photo.
void TestHdr::gridPhotoKeepsItsGainMapGrid()
{
    HeicFixture::Options tile;
    tile.exif = false;
    HeicFixture::Options greyTile = tile;
    greyTile.chroma = HeicFixture::Chroma::Mono;
    HeicFixture::GridOptions g;
    g.tileHeic = HeicFixture::encode(tile);
    g.gainMapTileHeic = HeicFixture::encode(greyTile);
    g.tileWidth = tile.width;
    g.tileHeight = tile.height;
    g.columns = 4;
    g.rows = 4;
    g.rotationCcw = 90;
    const Bytes heic = HeicFixture::gridOfOneTile(g);
    QVERIFY(!heic.empty());
    QCOMPARE(tarnwick_image_count(heic.data(), int32_t(heic.size())), 1);
    const GainMapJpeg jpeg = splitGainMapJpeg(convert(heic));
    QVERIFY(jpeg.valid);
    const JpegParts::Pixels base = JpegParts::decode(jpeg.primary);
    const JpegParts::Pixels gain = JpegParts::decode(jpeg.gainMap, 0, true);
    QCOMPARE(QSize(base.width, base.height), QSize(4 * tile.height, 4 * tile.width)); // upright
    QCOMPARE(QSize(gain.width, gain.height), QSize(2 * tile.height, 2 * tile.width));
    QVERIFY(jpeg.gainMapIso == withoutVersionByte(HeicFixture::sampleToneMapItem()));
}

void TestHdr::appleGainMapBecomesIsoParameters_data()
{
    QTest::addColumn<double>("maker33");
    QTest::addColumn<double>("maker48");
    QTest::addColumn<bool>("iso");
    QTest::addColumn<double>("stops"); // NAN: left out
    QTest::newRow("33 >= 1, 48 <= 0.01") << 1.0 << 0.0 << false << 3.0;
    QTest::newRow("33 >= 1, 48 > 0.01") << 1.2 << 1.0 << false << 2.0;
    QTest::newRow("33 < 1, 48 <= 0.01") << 0.5 << 0.005 << false << 1.7;
    QTest::newRow("33 < 1, 48 > 0.01") << 0.8 << 0.5 << false << 1.5505;
    QTest::newRow("with an ISO one too: ISO wins") << 1.0 << 0.0 << true << 2.0;
    QTest::newRow("no tag 48") << 1.0 << double(NAN) << false << double(NAN);
    QTest::newRow("no headroom") << 0.5 << 20.0 << false << double(NAN);
}

// Apple's gain map, converted, gives by the ISO formula what Apple's own
// formula gives on the HEIC's pictures.
void TestHdr::appleGainMapBecomesIsoParameters()
{
    QFETCH(double, maker33);
    QFETCH(double, maker48);
    QFETCH(bool, iso);
    QFETCH(double, stops);
    HeicFixture::Options o = gainMapPhoto();
    o.gainMap.apple = true;
    o.gainMap.iso = iso;
    o.gainMap.maker33 = maker33;
    o.gainMap.maker48 = maker48;
    const Bytes heic = HeicFixture::encode(o);
    QVERIFY(!heic.empty());
    const Bytes jpeg = convert(heic);
    QVERIFY(!jpeg.empty());
    if (std::isnan(stops) && maker48 > 1) {
        // Headroom of none: no HDR rendition to keep, nothing to report.
        QVERIFY(!splitGainMapJpeg(jpeg).valid);
        QVERIFY(!hasNote(jpeg, "gain map"));
        return;
    }
    if (std::isnan(stops)) {
        QVERIFY(!splitGainMapJpeg(jpeg).valid);
        QVERIFY(hasNote(jpeg, "gain map left out: its headroom is not in the photo's maker note"));
        return;
    }
    const GainMapJpeg g = splitGainMapJpeg(jpeg);
    QVERIFY(g.valid);
    QVERIFY(std::abs(hdrgmValue(g.gainMapXmp, "GainMapMax") - stops) < 1e-4);
    QVERIFY(std::abs(hdrgmValue(g.gainMapXmp, "HDRCapacityMax") - stops) < 1e-4);
    if (iso) {
        QVERIFY(g.gainMapIso == withoutVersionByte(HeicFixture::sampleToneMapItem()));
        return;
    }
    QCOMPARE(hdrgmValue(g.gainMapXmp, "Gamma"), 1.0);
    QCOMPARE(hdrgmValue(g.gainMapXmp, "OffsetSDR"), 0.0);
    QCOMPARE(hdrgmValue(g.gainMapXmp, "OffsetHDR"), 0.0);
    GainMapValues v;
    v.min = hdrgmValue(g.gainMapXmp, "GainMapMin");
    v.max = hdrgmValue(g.gainMapXmp, "GainMapMax");
    v.gamma = 1;
    v.offsetSdr = v.offsetHdr = 0;
    const JpegParts::Pixels base = JpegParts::decode(g.primary);
    const JpegParts::Pixels gain = JpegParts::decode(g.gainMap, 0, true);
    const double psnr = renditionPsnr(hdrRendition(base, gain, v),
                                      appleRendition(libheifDecode(heic, false), libheifDecode(heic, true),
                                                     std::exp2(stops)));
    QVERIFY2(psnr > 32, qPrintable(QString("HDR rendition PSNR %1 dB").arg(psnr)));
}

// --- PQ and HLG ------------------------------------------------------------------

HeicFixture::Options hdrPhoto(int transfer, double highlight)
{
    HeicFixture::Options o;
    o.width = 128;
    o.height = 96;
    o.bitDepth = 10;
    o.quality = 95;
    o.exif = false;
    o.hdrTransfer = transfer;
    o.highlight = highlight;
    return o;
}

void TestHdr::pqAndHlgComeBackAsTheirSdrPhoto_data()
{
    QTest::addColumn<int>("transfer");
    QTest::newRow("PQ") << 16;
    QTest::newRow("HLG") << 18;
}

// An SDR photo stored as PQ or HLG with its white at reference white comes
// back as that photo, with nothing above white to keep in a gain map.
void TestHdr::pqAndHlgComeBackAsTheirSdrPhoto()
{
    QFETCH(int, transfer);
    const HeicFixture::Options o = hdrPhoto(transfer, 1.0);
    const Bytes heic = HeicFixture::encode(o);
    QVERIFY(!heic.empty());
    const Bytes jpeg = convert(heic);
    QVERIFY(!jpeg.empty());
    QVERIFY(JpegParts::appPayloads(JpegParts::headerSegments(jpeg), 0xE2, "MPF").empty());
    QVERIFY(JpegParts::iccProfile(JpegParts::headerSegments(jpeg)).empty());
    const JpegParts::Pixels sdr = JpegParts::decode(jpeg);
    const double psnr = HeicFixture::psnr(sdr.data, HeicFixture::sourceRgb(o));
    QVERIFY2(psnr >= 30, qPrintable(QString("PSNR %1 dB").arg(psnr)));
}

void TestHdr::pqAndHlgHighlightsRollOffAndTheGainMapRestoresThem_data()
{
    QTest::addColumn<int>("transfer");
    QTest::newRow("PQ, highlights at 4x white") << 16;
    QTest::newRow("HLG, highlights at 4x white") << 18;
}

void TestHdr::pqAndHlgHighlightsRollOffAndTheGainMapRestoresThem()
{
    QFETCH(int, transfer);
    const HeicFixture::Options o = hdrPhoto(transfer, 4.0);
    const Bytes heic = HeicFixture::encode(o);
    QVERIFY(!heic.empty());
    const Bytes jpeg = convert(heic);
    const GainMapJpeg g = splitGainMapJpeg(jpeg);
    QVERIFY(g.valid);
    const JpegParts::Pixels base = JpegParts::decode(g.primary);
    const JpegParts::Pixels gain = JpegParts::decode(g.gainMap, 0, true);
    QCOMPARE(base.width, o.width);
    QCOMPARE(gain.width, o.width / 2);
    QVERIFY(JpegParts::decode(convert(heic, TARNWICK_FLAG_SDR_ONLY)).data == base.data);
    QVERIFY2(std::abs(hdrgmValue(g.gainMapXmp, "HDRCapacityMax") - 2.0) < 0.05,
             qPrintable(QString::number(hdrgmValue(g.gainMapXmp, "HDRCapacityMax"))));

    // The SDR picture keeps the highlights' gradient (rolled off, not cut
    // flat) and stays darker than... nothing: white is its ceiling.
    const std::vector<double> light = HeicFixture::hdrSourceLight(o);
    auto lum = [](const double *c) { return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]; };
    int ordered = 0, pairs = 0;
    for (int x = o.width * 3 / 4 + 1; x < o.width; ++x) {
        const size_t a = (size_t(4) * size_t(o.width) + size_t(x - 1)) * 3, b = a + 3;
        const double la = lum(&light[a]), lb = lum(&light[b]);
        if (std::abs(la - lb) < 0.05)
            continue;
        ++pairs;
        const int sa = base.data[a] + base.data[a + 1] + base.data[a + 2];
        const int sb = base.data[b] + base.data[b + 1] + base.data[b + 2];
        ordered += (la < lb) == (sa <= sb);
    }
    QVERIFY2(pairs == 0 || ordered * 10 >= pairs * 8, qPrintable(QString("%1 of %2").arg(ordered).arg(pairs)));

    // The HDR rendition rebuilt from the JPEG is the photo's own light.
    GainMapValues v;
    v.min = hdrgmValue(g.gainMapXmp, "GainMapMin");
    v.max = hdrgmValue(g.gainMapXmp, "GainMapMax");
    v.gamma = hdrgmValue(g.gainMapXmp, "Gamma");
    v.offsetSdr = hdrgmValue(g.gainMapXmp, "OffsetSDR");
    v.offsetHdr = hdrgmValue(g.gainMapXmp, "OffsetHDR");
    const double psnr = renditionPsnr(hdrRendition(base, gain, v), light);
    QVERIFY2(psnr > 30, qPrintable(QString("HDR rendition PSNR %1 dB").arg(psnr)));
}

// --- Every image of a photo ------------------------------------------------------

// A collection: the primary at index 0, the others by item id; gain map
// pictures (here left visible) are no image of their own; past the last,
// TARNWICK_ERR_NO_IMAGE.
void TestHdr::everyTopLevelImageByIndex()
{
    HeicFixture::Options o = gainMapPhoto();
    o.extraImages = 2;
    o.gainMap.hidden = false;
    const Bytes heic = HeicFixture::encode(o);
    QVERIFY(!heic.empty());
    const int32_t n = int32_t(heic.size());
    QCOMPARE(tarnwick_image_count(heic.data(), n), 3);
    for (int32_t index = 0; index < 3; ++index) {
        Bytes out(heic.size() * 10 + 65536);
        const int32_t result = heif2jpg_image(heic.data(), n, 95, index, 0, out.data(), int32_t(out.size()));
        QVERIFY2(result > 0, tarnwick_error_text(result));
        out.resize(size_t(result));
        const JpegParts::Pixels p = JpegParts::decode(out);
        QCOMPARE(p.width, o.width + 16 * index);
        // The primary keeps its gain map and EXIF; the others have neither.
        QCOMPARE(splitGainMapJpeg(out).valid, index == 0);
        QCOMPARE(JpegParts::appPayloads(JpegParts::headerSegments(out), 0xE1, "Exif").size(), size_t(index == 0));
        if (index > 0)
            QVERIFY(std::abs(int(p.data[p.data.size() / 2]) - 60 * index) < 6);
    }
    Bytes out(1024);
    QCOMPARE(heif2jpg_image(heic.data(), n, 95, 3, 0, out.data(), int32_t(out.size())), int32_t(TARNWICK_ERR_NO_IMAGE));
    QCOMPARE(heif2jpg_image(heic.data(), n, 95, -1, 0, out.data(), int32_t(out.size())), int32_t(TARNWICK_ERR_NO_IMAGE));
    const Bytes single = HeicFixture::encode(HeicFixture::Options());
    QCOMPARE(tarnwick_image_count(single.data(), int32_t(single.size())), 1);
    QCOMPARE(heif2jpg_image(single.data(), int32_t(single.size()), 95, 1, 0, out.data(), int32_t(out.size())),
             int32_t(TARNWICK_ERR_NO_IMAGE));
}

QTEST_GUILESS_MAIN(TestHdr)
#include "tst_hdr.moc"
