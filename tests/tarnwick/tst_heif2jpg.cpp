#include "Tarnwick.h"
#include "craftedheic.h"
#include "heicfixture.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <turbojpeg.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>
#include <utility>

#include <unistd.h>

Q_DECLARE_METATYPE(std::vector<uint8_t>)
Q_DECLARE_METATYPE(HeicFixture::Chroma)

namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t kUnwritten = 0xA5;
constexpr size_t kGuard = 4096;

// One heif2jpg call into a buffer of `capacity` bytes followed by a guard
// region, both prefilled; `touchedPastCapacity` tells whether any byte at or
// beyond the capacity changed.
struct Call {
    int32_t result = 0;
    Bytes buffer; // capacity + guard bytes
    int32_t capacity = 0;
    bool touchedPastCapacity = false;

    Bytes jpeg() const { return result > 0 && result <= capacity ? Bytes(buffer.begin(), buffer.begin() + result) : Bytes(); }
    bool untouched() const
    {
        return std::all_of(buffer.begin(), buffer.end(), [](uint8_t b) { return b == kUnwritten; });
    }
};

Call convert(const Bytes &input, int32_t capacity = -1, int quality = 90)
{
    Call c;
    if (capacity < 0)
        capacity = int32_t(std::max<size_t>(input.size(), 1) * 10);
    c.capacity = capacity;
    c.buffer.assign(size_t(capacity) + kGuard, kUnwritten);
    c.result = heif2jpg(input.data(), int32_t(input.size()), quality, c.buffer.data(), capacity, "temp1.hevc");
    c.touchedPastCapacity = std::any_of(c.buffer.begin() + capacity, c.buffer.end(), [](uint8_t b) { return b != kUnwritten; });
    return c;
}

Bytes readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = f.readAll();
    return Bytes(data.begin(), data.end());
}

// --- What the JPEG carries -------------------------------------------------

struct JpegInfo {
    bool valid = false;
    int width = 0, height = 0, components = 0;
    std::vector<Bytes> app1Exif; // payloads after "Exif\0\0"
    Bytes icc;                   // reassembled ICC_PROFILE chunks
    int iccChunks = 0;
    bool iccChunksConsistent = true;
    Bytes rgb;                   // decoded pixels, 3 bytes each
};

uint16_t be16(const uint8_t *p) { return uint16_t(p[0] << 8 | p[1]); }

JpegInfo inspect(const Bytes &jpeg)
{
    JpegInfo info;
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        return info;
    size_t at = 2;
    std::vector<std::pair<int, Bytes>> iccParts;
    int declaredChunks = -1;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        const uint8_t marker = jpeg[at + 1];
        const size_t length = be16(&jpeg[at + 2]);
        if (length < 2 || at + 2 + length > jpeg.size())
            return info;
        const uint8_t *payload = &jpeg[at + 4];
        const size_t size = length - 2;
        if (marker == 0xE1 && size >= 6 && std::memcmp(payload, "Exif\0\0", 6) == 0)
            info.app1Exif.emplace_back(payload + 6, payload + size);
        if (marker == 0xE2 && size >= 14 && std::memcmp(payload, "ICC_PROFILE\0", 12) == 0) {
            iccParts.emplace_back(payload[12], Bytes(payload + 14, payload + size));
            if (declaredChunks >= 0 && declaredChunks != payload[13])
                info.iccChunksConsistent = false;
            declaredChunks = payload[13];
        }
        if (marker == 0xC0 || marker == 0xC2) {
            info.components = payload[5];
        }
        if (marker == 0xDA)
            break;
        at += 2 + length;
    }
    for (size_t i = 0; i < iccParts.size(); ++i) {
        if (iccParts[i].first != int(i + 1))
            info.iccChunksConsistent = false;
        info.icc.insert(info.icc.end(), iccParts[i].second.begin(), iccParts[i].second.end());
    }
    info.iccChunks = int(iccParts.size());
    if (declaredChunks >= 0 && declaredChunks != info.iccChunks)
        info.iccChunksConsistent = false;

    tjhandle tj = tjInitDecompress();
    int subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(tj, jpeg.data(), jpeg.size(), &info.width, &info.height, &subsampling, &colorspace) == 0) {
        info.rgb.resize(size_t(info.width) * size_t(info.height) * 3);
        info.valid = tjDecompress2(tj, jpeg.data(), jpeg.size(), info.rgb.data(), info.width, 0, info.height,
                                   TJPF_RGB, 0)
            == 0;
    }
    tjDestroy(tj);
    return info;
}

// IFD0 Orientation of a TIFF structure; 0 when absent.
int tiffOrientation(const Bytes &tiff)
{
    if (tiff.size() < 8)
        return -1;
    const bool little = tiff[0] == 'I';
    auto u16 = [&](size_t at) { return little ? tiff[at] | tiff[at + 1] << 8 : tiff[at] << 8 | tiff[at + 1]; };
    auto u32 = [&](size_t at) {
        return little ? uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16 : uint32_t(u16(at)) << 16 | u16(at + 2);
    };
    const uint32_t ifd = u32(4);
    if (ifd + 2 > tiff.size())
        return -1;
    const int count = u16(ifd);
    for (int i = 0; i < count && ifd + 2 + 12 * (i + 1) <= tiff.size(); ++i) {
        const size_t e = ifd + 2 + 12 * i;
        if (u16(e) == 0x0112)
            return u16(e + 8);
    }
    return 0;
}

// A TIFF structure with Make and Orientation, optionally padded to `size`.
Bytes tiffWithOrientation(int orientation, size_t size = 0)
{
    Bytes t = {'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, uint8_t(orientation), 0, 0,
               0, 0, 0, 0};
    if (t.size() < size)
        t.resize(size, 0);
    return t;
}

Bytes withOffsetPrefix(const Bytes &tiff)
{
    Bytes item = {0, 0, 0, 6, 'E', 'x', 'i', 'f', 0, 0};
    item.insert(item.end(), tiff.begin(), tiff.end());
    return item;
}

Bytes makeJpeg(int width, int height)
{
    Bytes rgb(size_t(width) * height * 3);
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = uint8_t(i * 7);
    tjhandle tj = tjInitCompress();
    unsigned char *buf = nullptr;
    unsigned long size = 0;
    tjCompress2(tj, rgb.data(), width, 0, height, TJPF_RGB, &buf, &size, TJSAMP_420, 85, 0);
    Bytes out(buf, buf + size);
    tjFree(buf);
    tjDestroy(tj);
    return out;
}

void putBe32(Bytes &v, size_t at, uint32_t value)
{
    v[at] = uint8_t(value >> 24);
    v[at + 1] = uint8_t(value >> 16);
    v[at + 2] = uint8_t(value >> 8);
    v[at + 3] = uint8_t(value);
}

// The big-endian number of `bytes` bytes at `at`.
uint64_t beAt(const Bytes &v, size_t at, int bytes)
{
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = value << 8 | v[at + size_t(i)];
    return value;
}

// Offset of the first occurrence of a four-character code, or npos.
size_t find4cc(const Bytes &data, const char *code)
{
    for (size_t i = 0; i + 4 <= data.size(); ++i) {
        if (std::memcmp(&data[i], code, 4) == 0)
            return i;
    }
    return std::string::npos;
}

HeicFixture::Options fixture()
{
    return HeicFixture::Options();
}

const Bytes &plainFixture()
{
    static const Bytes bytes = HeicFixture::encode(fixture());
    return bytes;
}


// --- TIFF structures built and read by the tests -----------------------------

struct TiffEntry {
    uint16_t tag = 0, type = 0;
    uint32_t count = 0;
    Bytes value;     // raw, in the structure's byte order
    int child = -1;  // LONG pointing at that IFD instead of `value`
};
struct TiffIfd {
    std::vector<TiffEntry> entries;
    int next = -1;
};

struct TiffBytes {
    bool little;
    Bytes &b;
    void put16(size_t at, uint16_t v)
    {
        b[at] = uint8_t(little ? v : v >> 8);
        b[at + 1] = uint8_t(little ? v >> 8 : v);
    }
    void put32(size_t at, uint32_t v)
    {
        put16(at + (little ? 0 : 2), uint16_t(v));
        put16(at + (little ? 2 : 0), uint16_t(v >> 16));
    }
    uint16_t u16(size_t at) const { return little ? uint16_t(b[at] | b[at + 1] << 8) : uint16_t(b[at] << 8 | b[at + 1]); }
    uint32_t u32(size_t at) const
    {
        return little ? uint32_t(u16(at)) | uint32_t(u16(at + 2)) << 16 : uint32_t(u16(at)) << 16 | u16(at + 2);
    }
};

// IFD 0 comes first and is IFD0; each IFD is followed by its long values.
Bytes buildTiff(bool little, const std::vector<TiffIfd> &ifds)
{
    std::vector<size_t> offsets;
    size_t size = 8;
    for (const TiffIfd &ifd : ifds) {
        offsets.push_back(size);
        size += 2 + 12 * ifd.entries.size() + 4;
        for (const TiffEntry &e : ifd.entries)
            size += e.value.size() > 4 ? e.value.size() + (e.value.size() & 1) : 0;
    }
    Bytes out(size, 0);
    TiffBytes t{little, out};
    out[0] = out[1] = little ? 'I' : 'M';
    t.put16(2, 42);
    t.put32(4, 8);
    for (size_t i = 0; i < ifds.size(); ++i) {
        const auto &entries = ifds[i].entries;
        size_t data = offsets[i] + 2 + 12 * entries.size() + 4;
        t.put16(offsets[i], uint16_t(entries.size()));
        for (size_t k = 0; k < entries.size(); ++k) {
            const TiffEntry &e = entries[k];
            const size_t slot = offsets[i] + 2 + 12 * k;
            t.put16(slot, e.tag);
            t.put16(slot + 2, e.child >= 0 ? 4 : e.type);
            t.put32(slot + 4, e.child >= 0 ? 1 : e.count);
            if (e.child >= 0) {
                t.put32(slot + 8, uint32_t(offsets[size_t(e.child)]));
            } else if (e.value.size() > 4) {
                t.put32(slot + 8, uint32_t(data));
                std::copy(e.value.begin(), e.value.end(), out.begin() + std::ptrdiff_t(data));
                data += e.value.size() + (e.value.size() & 1);
            } else {
                std::copy(e.value.begin(), e.value.end(), out.begin() + std::ptrdiff_t(slot + 8));
            }
        }
        if (ifds[i].next >= 0)
            t.put32(offsets[i] + 2 + 12 * entries.size(), uint32_t(offsets[size_t(ifds[i].next)]));
    }
    return out;
}

TiffEntry asciiEntry(uint16_t tag, const char *text)
{
    Bytes v(text, text + std::strlen(text) + 1);
    return TiffEntry{tag, 2, uint32_t(v.size()), v};
}

TiffEntry shortEntry(bool little, uint16_t tag, uint16_t value)
{
    return TiffEntry{tag, 3, 1, little ? Bytes{uint8_t(value), uint8_t(value >> 8), 0, 0}
                                       : Bytes{uint8_t(value >> 8), uint8_t(value), 0, 0}};
}

TiffEntry pointerEntry(uint16_t tag, int child)
{
    TiffEntry e{tag, 4, 1, {}};
    e.child = child;
    return e;
}

// The EXIF of a phone photo, but with a 100 KB MakerNote and a 20 KB
// thumbnail in IFD1: IFD0, Exif IFD, GPS IFD, IFD1, Interoperability IFD.
std::vector<TiffIfd> oversizedExifIfds(bool little)
{
    std::vector<TiffIfd> ifds(5);
    ifds[0].entries = {asciiEntry(0x010F, "TestMaker"), shortEntry(little, 0x0112, 6),
                       asciiEntry(0x0132, "2024:05:01 10:20:30"), pointerEntry(0x8769, 1), pointerEntry(0x8825, 2)};
    ifds[0].next = 3;
    Bytes makerNote(100 * 1024);
    for (size_t i = 0; i < makerNote.size(); ++i)
        makerNote[i] = uint8_t(i * 31);
    ifds[1].entries = {asciiEntry(0x9003, "2024:05:01 10:20:30"),
                       TiffEntry{0x927C, 7, uint32_t(makerNote.size()), makerNote}, pointerEntry(0xA005, 4)};
    Bytes latitude(24);
    for (size_t i = 0; i < latitude.size(); ++i)
        latitude[i] = uint8_t(i + 1);
    ifds[2].entries = {asciiEntry(0x0001, "N"), TiffEntry{0x0002, 5, 3, latitude}};
    ifds[3].entries = {TiffEntry{0x0103, 3, 1, shortEntry(little, 0, 6).value},
                       TiffEntry{0x9999, 7, 20 * 1024, Bytes(20 * 1024, 0xD8)}};
    ifds[4].entries = {asciiEntry(0x0001, "R98")};
    return ifds;
}

// A TIFF structure read back: entry values by tag, sub-IFDs (0 when absent)
// and the next-IFD link.
struct TiffView {
    Bytes tiff;
    bool little() const { return tiff.size() >= 2 && tiff[0] == 'I'; }
    uint16_t u16(size_t at) const { return TiffBytes{little(), const_cast<Bytes &>(tiff)}.u16(at); }
    uint32_t u32(size_t at) const { return TiffBytes{little(), const_cast<Bytes &>(tiff)}.u32(at); }
    uint32_t ifd0() const { return tiff.size() >= 8 ? u32(4) : 0; }
    // The entry's value bytes; false when the IFD or the tag is not there.
    bool value(uint32_t ifd, uint16_t tag, Bytes *out = nullptr) const
    {
        if (ifd == 0 || ifd + 2 > tiff.size())
            return false;
        const size_t count = u16(ifd);
        for (size_t i = 0; i < count && ifd + 2 + 12 * (i + 1) <= tiff.size(); ++i) {
            const size_t e = ifd + 2 + 12 * i;
            if (u16(e) != tag)
                continue;
            static const size_t unit[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8, 4};
            const uint16_t type = u16(e + 2);
            const size_t bytes = (type < 14 ? unit[type] : 0) * u32(e + 4);
            const size_t at = bytes <= 4 ? e + 8 : u32(e + 8);
            if (at + bytes > tiff.size())
                return false;
            if (out)
                out->assign(tiff.begin() + std::ptrdiff_t(at), tiff.begin() + std::ptrdiff_t(at + bytes));
            return true;
        }
        return false;
    }
    uint32_t subIfd(uint32_t ifd, uint16_t tag) const
    {
        Bytes v;
        return value(ifd, tag, &v) && v.size() == 4 ? TiffBytes{little(), v}.u32(0) : 0;
    }
    uint32_t nextIfd(uint32_t ifd) const
    {
        const size_t at = ifd + 2 + 12 * size_t(u16(ifd));
        return at + 4 <= tiff.size() ? u32(at) : 0;
    }
    std::string text(uint32_t ifd, uint16_t tag) const
    {
        Bytes v;
        return value(ifd, tag, &v) ? std::string(v.begin(), std::find(v.begin(), v.end(), 0)) : std::string();
    }
};

// The EXIF segments of the JPEG converted from a HEIC carrying `item`.
std::vector<Bytes> exifAfterConversion(const Bytes &item)
{
    CraftedHeic::Options o;
    o.exifItems.push_back(item);
    const Bytes heic = CraftedHeic::encode(o);
    if (heic.empty())
        return {Bytes(1, 0xEE)}; // never a valid result: fails the caller's checks
    const Call c = convert(heic);
    if (c.result <= 0)
        return {Bytes(1, 0xEE)};
    return inspect(c.jpeg()).app1Exif;
}

} // namespace

class TestHeif2Jpg : public QObject {
    Q_OBJECT

private slots:
    void realPhotos_data();
    void realPhotos();
    void matchesReferenceDecode_data();
    void matchesReferenceDecode();
    void alphaIsFlattenedOntoWhite_data();
    void alphaIsFlattenedOntoWhite();
    void colourDescriptionsOtherThanJpegs_data();
    void colourDescriptionsOtherThanJpegs();
    void iccAndExifCarriedWithOrientationReset();
    void largeIccIsSplitIntoNumberedChunks();
    void exifItemLayouts_data();
    void exifItemLayouts();
    void oversizedExifIsCompactedIntoOneSegment_data();
    void oversizedExifIsCompactedIntoOneSegment();
    void malformedOversizedExifIsLeftOut_data();
    void malformedOversizedExifIsLeftOut();
    void realPhotoWithOversizedExifKeepsItsTags();
    void tooSmallBufferGivesNeededLengthAndRetryFits();
    void retryAfterTooSmallIsAnsweredOnlyForTheSameCall();
    void renamedJpegComesOutUnchanged();
    void badInputGivesErrorAndWritesNothing_data();
    void badInputGivesErrorAndWritesNothing();
    void concurrentCallsGiveTheSameResult();
    void everyCodeHasItsOwnText();
    void savedCrashInputsAreHandled();
    void exifOrientationTurnsPhotosWithoutContainerRotation_data();
    void exifOrientationTurnsPhotosWithoutContainerRotation();
    void stillImageIsTakenWhateverTheBrands_data();
    void stillImageIsTakenWhateverTheBrands();
    void jpegCodedImageConverts();
    void thumbnail_data();
    void thumbnail();
    void twoHundredMegapixelGridConverts();
    void gridTilesSmallerThanTheirCellsAreRefused_data();
    void gridTilesSmallerThanTheirCellsAreRefused();
    void damagedStreamsGiveOneResultWhateverMemoryHeld();
    void codecMessagesStayOffStderr();
    void pictureMissingASliceIsRefused_data();
    void pictureMissingASliceIsRefused();
    void itemOfTwoPicturesIsRefusedByLibde265_data();
    void itemOfTwoPicturesIsRefusedByLibde265();
};

// --- Real photos -------------------------------------------------------------

void TestHeif2Jpg::realPhotos_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("expected"); // > 0: converts; < 0: that error code
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("components");
    QTest::addColumn<bool>("icc");
    QTest::addColumn<bool>("exif");
    QTest::addColumn<double>("minPsnr"); // against libheif's own decode

    auto ok = [](const char *file, int w, int h, int comps, bool icc, bool exif, double minPsnr = 40) {
        QTest::newRow(file) << file << 1 << w << h << comps << icc << exif << minPsnr;
    };
    auto fails = [](const char *file, int code) {
        QTest::newRow(file) << file << code << 0 << 0 << 0 << false << false << 0.0;
    };
    ok("iphone-8plus_portrait_irot270.heic", 3024, 4032, 3, true, true);
    ok("iphone-13pro_depth_gainmap.heic", 4032, 3024, 3, true, true);
    ok("iphone-15pro_ios18_tmap-gainmap.heic", 3024, 4032, 3, true, true);
    ok("iphone-xs_empty-icc_zero-len-exif.heic", 4032, 3024, 3, false, false);
    // 192 KB of EXIF, compacted to fit one APP1 segment.
    ok("xiaomi_no-icc_exif192k.heic", 2592, 1944, 3, false, true);
    ok("sony-a7s3_10bit422.hif", 4240, 2832, 3, false, true);
    ok("nikon-d5300_300x200_small.heic", 300, 200, 3, false, true);
    ok("rainbow_451x461_odd.heic", 451, 461, 3, true, false);
    ok("rgba10_29x100_odd-alpha.heif", 29, 100, 3, false, false);
    ok("mono8_29x100.heif", 29, 100, 1, false, false);
    ok("ispe-says-100x29_is-29x100.heif", 29, 100, 1, false, false);
    ok("rgb10_639x480_3thumbs.heic", 639, 480, 3, false, false);
    ok("mono_64x64_exif-xmp-iptc.heic", 64, 64, 1, false, true);
    ok("blue_grid2x2-alpha_320x240.heic", 320, 240, 3, false, false);
    ok("blue_444_320x240.heic", 320, 240, 3, false, false);
    // 32x32 of fine detail: 4:2:0 JPEG costs more here.
    ok("avif-in-heif_32x32.heif", 32, 32, 3, false, false, 37);
    // Only the second, non-primary image lies past the end of the file.
    // Its 16x16 crop of a 64x64 picture is where libheif's chroma crop is off.
    ok("truncated_3657-bytes.heic", 16, 16, 3, false, false, 30);
    fails("empty_0-bytes.heic", TARNWICK_ERR_EMPTY_INPUT);
    fails("canon-1dx3_truncated.hif", TARNWICK_ERR_TRUNCATED);
    fails("no-meta-box.heic", TARNWICK_ERR_CORRUPT);
    fails("fuzz_hvcc-nal-zero-length.heic", TARNWICK_ERR_DECODE);
}

void TestHeif2Jpg::realPhotos()
{
    QFETCH(QString, file);
    QFETCH(int, expected);
    const QString path = TestSupport::sharedTestFile(file);
    if (path.isEmpty())
        QSKIP("real photos not available");
    const Bytes input = readFile(path);
    const Call c = convert(input, -1, 100);
    QVERIFY(!c.touchedPastCapacity);
    if (expected < 0) {
        QCOMPARE(c.result, expected);
        QVERIFY(c.untouched());
        return;
    }
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    const JpegInfo info = inspect(c.jpeg());
    QVERIFY(info.valid);
    QTEST(info.width, "width");
    QTEST(info.height, "height");
    QTEST(info.components, "components");
    QFETCH(bool, icc);
    QFETCH(bool, exif);
    QCOMPARE(!info.icc.empty(), icc);
    QVERIFY(info.iccChunksConsistent);
    QCOMPARE(info.app1Exif.size(), size_t(exif ? 1 : 0));
    if (exif)
        QVERIFY(tiffOrientation(info.app1Exif[0]) <= 1); // 1, or no tag at all
    // Colours as libheif's own RGB decode gives them (catches a matrix or
    // range taken wrongly when the planes are encoded directly).
    int refWidth = 0, refHeight = 0;
    const Bytes rgba = HeicFixture::referenceRgba(input, &refWidth, &refHeight);
    Bytes reference;
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
        for (int k = 0; k < 3; ++k)
            reference.push_back(uint8_t((rgba[i + k] * rgba[i + 3] + 255 * (255 - rgba[i + 3]) + 127) / 255));
    }
    const double psnr = HeicFixture::psnr(info.rgb, reference);
    QFETCH(double, minPsnr);
    QVERIFY2(psnr > minPsnr, qPrintable(QString("PSNR %1 dB").arg(psnr)));
}

// --- Generated fixtures ------------------------------------------------------

void TestHeif2Jpg::matchesReferenceDecode_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bitDepth");
    QTest::addColumn<int>("chroma");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("mirror");
    QTest::addColumn<int>("components");

    // Sizes other than multiples of 64 are stored with a clean-aperture crop.
    using C = HeicFixture::Chroma;
    QTest::newRow("8-bit 4:2:0") << 64 << 48 << 8 << int(C::C420) << 0 << false << 3;
    QTest::newRow("8-bit 4:2:2") << 64 << 48 << 8 << int(C::C422) << 0 << false << 3;
    QTest::newRow("8-bit 4:4:4") << 64 << 48 << 8 << int(C::C444) << 0 << false << 3;
    QTest::newRow("10-bit 4:2:0") << 64 << 48 << 10 << int(C::C420) << 0 << false << 3;
    QTest::newRow("10-bit 4:4:4") << 64 << 48 << 10 << int(C::C444) << 0 << false << 3;
    QTest::newRow("odd size 4:2:0") << 63 << 47 << 8 << int(C::C420) << 0 << false << 3;
    QTest::newRow("rotated 90, uncropped") << 128 << 64 << 8 << int(C::C420) << 90 << false << 3;
    QTest::newRow("rotated 270, uncropped") << 64 << 64 << 8 << int(C::C420) << 270 << false << 3;
    QTest::newRow("mirrored, uncropped") << 64 << 64 << 8 << int(C::C420) << 0 << true << 3;
    QTest::newRow("rotated 90, 10-bit 4:2:2") << 64 << 64 << 10 << int(C::C422) << 90 << false << 3;
    QTest::newRow("rotated 90, cropped") << 64 << 48 << 8 << int(C::C420) << 90 << false << 3;
    QTest::newRow("rotated 180, cropped") << 64 << 48 << 8 << int(C::C420) << 180 << false << 3;
    QTest::newRow("rotated 270, odd size") << 63 << 47 << 8 << int(C::C420) << 270 << false << 3;
    QTest::newRow("mirrored, cropped") << 64 << 48 << 8 << int(C::C420) << 0 << true << 3;
    QTest::newRow("mono 8-bit") << 64 << 48 << 8 << int(C::Mono) << 0 << false << 1;
    QTest::newRow("mono 10-bit rotated") << 64 << 48 << 10 << int(C::Mono) << 90 << false << 1;
}

namespace {

// Where an EXIF Orientation says the stored pixel of each upright pixel is.
Bytes exifUpright(const Bytes &src, int w, int h, int orientation, int *outWidth, int *outHeight)
{
    const bool swapped = orientation >= 5;
    const int ow = swapped ? h : w;
    const int oh = swapped ? w : h;
    Bytes out(src.size());
    for (int y = 0; y < oh; ++y) {
        for (int x = 0; x < ow; ++x) {
            int sx = x, sy = y;
            switch (orientation) {
            case 2: sx = w - 1 - x; break;
            case 3: sx = w - 1 - x; sy = h - 1 - y; break;
            case 4: sy = h - 1 - y; break;
            case 5: sx = y; sy = x; break;
            case 6: sx = y; sy = h - 1 - x; break;
            case 7: sx = w - 1 - y; sy = h - 1 - x; break;
            case 8: sx = w - 1 - y; sy = x; break;
            default: break;
            }
            std::memcpy(&out[(size_t(y) * ow + x) * 3], &src[(size_t(sy) * w + sx) * 3], 3);
        }
    }
    *outWidth = ow;
    *outHeight = oh;
    return out;
}

// The fixture's source pixels as they should appear: turned counter-clockwise
// by the stored rotation, or (without one) mirrored left to right; that is
// the EXIF orientation showing stored pixels the same way.
Bytes uprightSource(const HeicFixture::Options &o, int *width, int *height)
{
    int orientation = 1;
    if (o.rotationCcw == 90)
        orientation = 8;
    else if (o.rotationCcw == 180)
        orientation = 3;
    else if (o.rotationCcw == 270)
        orientation = 6;
    else if (o.mirror)
        orientation = 2;
    return exifUpright(HeicFixture::sourceRgb(o), o.width, o.height, orientation, width, height);
}

} // namespace

void TestHeif2Jpg::matchesReferenceDecode()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bitDepth);
    QFETCH(int, chroma);
    QFETCH(int, rotation);
    QFETCH(bool, mirror);
    HeicFixture::Options o;
    o.width = width;
    o.height = height;
    o.bitDepth = bitDepth;
    o.chroma = HeicFixture::Chroma(chroma);
    o.rotationCcw = rotation;
    o.mirror = mirror;
    o.quality = 90;
    const Bytes heic = HeicFixture::encode(o);
    QVERIFY(!heic.empty());
    int expectedWidth = 0, expectedHeight = 0;
    const Bytes expected = uprightSource(o, &expectedWidth, &expectedHeight);

    const Call c = convert(heic, -1, 100);
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    QVERIFY(!c.touchedPastCapacity);
    const JpegInfo info = inspect(c.jpeg());
    QVERIFY(info.valid);
    QCOMPARE(info.width, expectedWidth);
    QCOMPARE(info.height, expectedHeight);
    QTEST(info.components, "components");
    // A wrong rotation, mirror, crop, matrix or range lands far below this.
    const double psnr = HeicFixture::psnr(info.rgb, expected);
    QVERIFY2(psnr > 32, qPrintable(QString("PSNR %1 dB against the source").arg(psnr)));

    // libheif's own decode agrees wherever it crops nothing (its crop of
    // subsampled chroma is off by one).
    if (width % 64 == 0 && height % 64 == 0) {
        int refWidth = 0, refHeight = 0;
        const Bytes reference = HeicFixture::referenceRgb(heic, &refWidth, &refHeight);
        const double refPsnr = HeicFixture::psnr(info.rgb, reference);
        QVERIFY2(refPsnr > 38, qPrintable(QString("PSNR %1 dB against libheif").arg(refPsnr)));
    }
}

void TestHeif2Jpg::alphaIsFlattenedOntoWhite_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<bool>("mirror");
    QTest::newRow("upright") << 0 << false;
    QTest::newRow("rotated 90") << 90 << false;
    QTest::newRow("rotated 270") << 270 << false;
    QTest::newRow("mirrored") << 0 << true;
}

// Photos with alpha take the RGB road, where the transformations are applied
// by the decoder library itself: they must agree with libheif's.
void TestHeif2Jpg::alphaIsFlattenedOntoWhite()
{
    QFETCH(int, rotation);
    QFETCH(bool, mirror);
    HeicFixture::Options o; // left half opaque, right half transparent
    o.alpha = true;
    o.width = 128;
    o.height = 64;
    o.rotationCcw = rotation;
    o.mirror = mirror;
    o.quality = 90;
    const Bytes heic = HeicFixture::encode(o);
    int w = 0, h = 0;
    const Bytes rgba = HeicFixture::referenceRgba(heic, &w, &h);
    QVERIFY(!rgba.empty());
    Bytes expected;
    int transparent = 0;
    for (size_t i = 0; i < rgba.size(); i += 4) {
        const int a = rgba[i + 3];
        transparent += a == 0;
        for (int k = 0; k < 3; ++k)
            expected.push_back(uint8_t((rgba[i + k] * a + 255 * (255 - a) + 127) / 255));
    }
    QVERIFY(transparent > w * h / 3);
    const Call c = convert(heic, -1, 100);
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    const JpegInfo info = inspect(c.jpeg());
    QVERIFY(info.valid);
    QCOMPARE(info.width, w);
    QCOMPARE(info.height, h);
    const double psnr = HeicFixture::psnr(info.rgb, expected);
    QVERIFY2(psnr > 35, qPrintable(QString("PSNR %1 dB").arg(psnr)));
}

void TestHeif2Jpg::colourDescriptionsOtherThanJpegs_data()
{
    QTest::addColumn<int>("matrix");
    QTest::addColumn<bool>("fullRange");
    QTest::newRow("BT.601 limited range") << 6 << false;
    QTest::newRow("BT.709 full range") << 1 << true;
    QTest::newRow("BT.709 limited range") << 1 << false;
    QTest::newRow("BT.2020 full range") << 9 << true;
}

// JPEG means full-range BT.601; other YCbCr must be converted, not copied.
void TestHeif2Jpg::colourDescriptionsOtherThanJpegs()
{
    QFETCH(int, matrix);
    QFETCH(bool, fullRange);
    CraftedHeic::Options o;
    o.matrixCoefficients = matrix;
    o.fullRange = fullRange;
    const Bytes heic = CraftedHeic::encode(o);
    QVERIFY(!heic.empty());
    int w = 0, h = 0;
    const Bytes reference = HeicFixture::referenceRgb(heic, &w, &h);
    const Call c = convert(heic, -1, 100);
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    const JpegInfo info = inspect(c.jpeg());
    QVERIFY(info.valid);
    const double psnr = HeicFixture::psnr(info.rgb, reference);
    QVERIFY2(psnr > 38, qPrintable(QString("PSNR %1 dB").arg(psnr)));
}

void TestHeif2Jpg::iccAndExifCarriedWithOrientationReset()
{
    HeicFixture::Options o;
    o.icc = HeicFixture::sampleIccProfile();
    o.rotationCcw = 270;
    o.exifOrientation = 6;
    const Call c = convert(HeicFixture::encode(o));
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    const JpegInfo info = inspect(c.jpeg());
    QVERIFY(info.valid);
    QCOMPARE(info.width, 48); // upright
    QCOMPARE(info.height, 64);
    QVERIFY(info.icc == o.icc);
    QCOMPARE(info.iccChunks, 1);
    QCOMPARE(info.app1Exif.size(), size_t(1));
    QCOMPARE(tiffOrientation(info.app1Exif[0]), 1);
    // Everything but the orientation value is the photo's own EXIF.
    QVERIFY(info.app1Exif[0] == HeicFixture::sampleExif(1));
}

void TestHeif2Jpg::largeIccIsSplitIntoNumberedChunks()
{
    HeicFixture::Options o;
    Bytes icc = HeicFixture::sampleIccProfile();
    icc.resize(150000, 0x5A); // tag data past the table is never read
    putBe32(icc, 0, uint32_t(icc.size()));
    o.icc = icc;
    const Bytes heic = HeicFixture::encode(o);
    QVERIFY(!heic.empty());
    const Call c = convert(heic);
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    const JpegInfo info = inspect(c.jpeg());
    QVERIFY(info.valid);
    QCOMPARE(info.iccChunks, 3);
    QVERIFY(info.iccChunksConsistent);
    QVERIFY(info.icc == icc);
}

void TestHeif2Jpg::exifItemLayouts_data()
{
    QTest::addColumn<Bytes>("item");
    QTest::addColumn<int>("segments");
    QTest::addColumn<int>("orientation");

    const Bytes tiff = tiffWithOrientation(8);
    Bytes exifHeaderThenTiff = {'E', 'x', 'i', 'f', 0, 0};
    exifHeaderThenTiff.insert(exifHeaderThenTiff.end(), tiff.begin(), tiff.end());
    Bytes offsetPastEnd = withOffsetPrefix(tiff);
    putBe32(offsetPastEnd, 0, 0xFFFFFFF0u);
    Bytes littleEndian = {'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0, 0x12, 0x01, 3, 0, 1, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0};

    QTest::newRow("standard, with offset prefix") << withOffsetPrefix(tiff) << 1 << 1;
    QTest::newRow("little-endian TIFF") << withOffsetPrefix(littleEndian) << 1 << 1;
    QTest::newRow("no prefix, TIFF header first") << tiff << 1 << 1;
    QTest::newRow("no prefix, Exif header first") << exifHeaderThenTiff << 1 << 1;
    QTest::newRow("largest that fits one segment") << withOffsetPrefix(tiffWithOrientation(6, 65533 - 6)) << 1 << 1;
    // Larger blocks are rebuilt without what does not fit (here: padding).
    QTest::newRow("one byte too large") << withOffsetPrefix(tiffWithOrientation(6, 65533 - 5)) << 1 << 1;
    QTest::newRow("192 KB") << withOffsetPrefix(tiffWithOrientation(6, 192 * 1024)) << 1 << 1;
    QTest::newRow("empty item") << Bytes() << 0 << 0;
    QTest::newRow("offset prefix only") << Bytes{0, 0, 0, 0} << 0 << 0;
    QTest::newRow("offset past the end") << offsetPastEnd << 0 << 0;
    QTest::newRow("not TIFF") << Bytes(40, 0x33) << 0 << 0;
    QTest::newRow("IFD offset past the end")
        << withOffsetPrefix(Bytes{'M', 'M', 0, 42, 0x7F, 0xFF, 0xFF, 0xFF}) << 1 << -1;
}

void TestHeif2Jpg::exifItemLayouts()
{
    QFETCH(Bytes, item);
    QFETCH(int, segments);
    CraftedHeic::Options o;
    o.exifItems.push_back(item);
    const Bytes heic = CraftedHeic::encode(o);
    if (heic.empty() && item.empty())
        QSKIP("libheif does not store an empty item");
    QVERIFY(!heic.empty());
    const Call c = convert(heic);
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    const JpegInfo info = inspect(c.jpeg());
    QVERIFY(info.valid);
    QCOMPARE(int(info.app1Exif.size()), segments);
    if (segments)
        QTEST(tiffOrientation(info.app1Exif[0]), "orientation");
}

void TestHeif2Jpg::oversizedExifIsCompactedIntoOneSegment_data()
{
    QTest::addColumn<bool>("little");
    QTest::newRow("big-endian") << false;
    QTest::newRow("little-endian") << true;
}

void TestHeif2Jpg::oversizedExifIsCompactedIntoOneSegment()
{
    QFETCH(bool, little);
    const Bytes source = buildTiff(little, oversizedExifIfds(little));
    QVERIFY(source.size() > 120 * 1024);
    const std::vector<Bytes> exif = exifAfterConversion(withOffsetPrefix(source));
    QCOMPARE(exif.size(), size_t(1));
    const TiffView out{exif[0]};
    QVERIFY(out.tiff.size() <= 65533 - 6);
    QCOMPARE(out.little(), little);
    QCOMPARE(tiffOrientation(out.tiff), 1);

    const uint32_t ifd0 = out.ifd0();
    QCOMPARE(out.text(ifd0, 0x010F), std::string("TestMaker"));
    QCOMPARE(out.text(ifd0, 0x0132), std::string("2024:05:01 10:20:30"));
    QCOMPARE(out.nextIfd(ifd0), 0u); // no IFD1, no thumbnail

    const uint32_t exifIfd = out.subIfd(ifd0, 0x8769);
    QVERIFY(exifIfd != 0);
    QCOMPARE(out.text(exifIfd, 0x9003), std::string("2024:05:01 10:20:30"));
    QVERIFY(!out.value(exifIfd, 0x927C));
    QCOMPARE(out.text(out.subIfd(exifIfd, 0xA005), 0x0001), std::string("R98"));

    const uint32_t gps = out.subIfd(ifd0, 0x8825);
    QCOMPARE(out.text(gps, 0x0001), std::string("N"));
    Bytes latitude;
    QVERIFY(out.value(gps, 0x0002, &latitude));
    QCOMPARE(latitude, oversizedExifIfds(little)[2].entries[1].value);
}

void TestHeif2Jpg::malformedOversizedExifIsLeftOut_data()
{
    QTest::addColumn<Bytes>("tiff");

    const Bytes valid = buildTiff(false, oversizedExifIfds(false));
    auto patched = [&](size_t at, uint32_t value) {
        Bytes t = valid;
        putBe32(t, at, value);
        return t;
    };
    // IFD0 sits at 8 with five entries; its fourth is the Exif IFD pointer.
    const size_t exifPointerValue = 8 + 2 + 12 * 3 + 8;
    QTest::newRow("IFD0 runs past the end") << patched(4, uint32_t(valid.size() - 20));
    QTest::newRow("IFD0 offset past the end") << patched(4, 0xFFFFFFF0u);
    QTest::newRow("no IFD0") << patched(4, 0);
    QTest::newRow("Exif IFD past the end") << patched(exifPointerValue, 0xFFFFFF00u);

    std::vector<TiffIfd> selfCycle = oversizedExifIfds(false);
    selfCycle[0].entries[3].child = 0;
    QTest::newRow("Exif IFD is IFD0") << buildTiff(false, selfCycle);
    std::vector<TiffIfd> interopCycle = oversizedExifIfds(false);
    interopCycle[1].entries[2].child = 1;
    QTest::newRow("Interoperability IFD is the Exif IFD") << buildTiff(false, interopCycle);

    std::vector<TiffIfd> crowded = oversizedExifIfds(false);
    for (uint16_t tag = 0x1000; crowded[0].entries.size() < 2000; ++tag)
        crowded[0].entries.push_back(TiffEntry{tag, 3, 1, Bytes(4, 0)});
    QTest::newRow("2000 entries in IFD0") << buildTiff(false, crowded);
}

void TestHeif2Jpg::malformedOversizedExifIsLeftOut()
{
    QFETCH(Bytes, tiff);
    QVERIFY(tiff.size() > 65533);
    QCOMPARE(exifAfterConversion(withOffsetPrefix(tiff)).size(), size_t(0));
}

void TestHeif2Jpg::realPhotoWithOversizedExifKeepsItsTags()
{
    const QString path = TestSupport::sharedTestFile("xiaomi_no-icc_exif192k.heic");
    if (path.isEmpty())
        QSKIP("real photos not available");
    const Call c = convert(readFile(path));
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    const JpegInfo info = inspect(c.jpeg());
    QCOMPARE(info.app1Exif.size(), size_t(1));
    const TiffView exif{info.app1Exif[0]};
    qInfo("EXIF carried: %zu bytes", exif.tiff.size());
    QCOMPARE(exif.text(exif.ifd0(), 0x010F), std::string("Xiaomi"));
    QCOMPARE(tiffOrientation(exif.tiff), 1);
    const uint32_t exifIfd = exif.subIfd(exif.ifd0(), 0x8769);
    QVERIFY(exifIfd != 0);
    QVERIFY(!exif.text(exifIfd, 0x9003).empty()); // date taken
    QVERIFY(!exif.value(exifIfd, 0x927C));
    QVERIFY(exif.value(exif.subIfd(exif.ifd0(), 0x8825), 0x0002)); // GPS latitude
    QCOMPARE(exif.nextIfd(exif.ifd0()), 0u); // the 190 KB thumbnail is gone
}

void TestHeif2Jpg::tooSmallBufferGivesNeededLengthAndRetryFits()
{
    const Call full = convert(plainFixture());
    QVERIFY2(full.result > 0, tarnwick_error_text(full.result));
    const int32_t needed = full.result;

    const Call query = convert(plainFixture(), 0);
    QCOMPARE(query.result, needed);
    QCOMPARE(heif2jpg(plainFixture().data(), int32_t(plainFixture().size()), 90, nullptr, 0, nullptr), needed);

    const Call oneShort = convert(plainFixture(), needed - 1);
    QCOMPARE(oneShort.result, needed);
    QVERIFY(oneShort.untouched());

    const Call exact = convert(plainFixture(), needed);
    QCOMPARE(exact.result, needed);
    QVERIFY(!exact.touchedPastCapacity);
    QVERIFY(exact.jpeg() == full.jpeg());
}

// The JPEG of a call that did not fit is kept for the retry; a following call
// with other bytes or another quality must get its own picture, never that one.
void TestHeif2Jpg::retryAfterTooSmallIsAnsweredOnlyForTheSameCall()
{
    const Bytes &a = plainFixture();
    HeicFixture::Options other;
    other.pattern = HeicFixture::Pattern::Noise;
    const Bytes b = HeicFixture::encode(other);
    QVERIFY(!b.empty() && b != a);
    const Call freshA50 = convert(a, -1, 50);
    const Call freshB = convert(b);
    QVERIFY(freshA50.result > 0 && freshB.result > 0);

    QVERIFY(convert(a, 1).result > 1);
    const Call otherInput = convert(b);
    QCOMPARE(otherInput.result, freshB.result);
    QVERIFY(otherInput.jpeg() == freshB.jpeg());

    QVERIFY(convert(a, 1).result > 1);
    const Call otherQuality = convert(a, -1, 50);
    QCOMPARE(otherQuality.result, freshA50.result);
    QVERIFY(otherQuality.jpeg() == freshA50.jpeg());

    // Still too small the second time: the length again, nothing written,
    // and the retry after that still gets the picture.
    const int32_t needed = convert(a, 1).result;
    const Call again = convert(a, needed - 1);
    QCOMPARE(again.result, needed);
    QVERIFY(again.untouched());
    const Call fits = convert(a, needed);
    QCOMPARE(fits.result, needed);
    QVERIFY(fits.jpeg() == convert(a).jpeg());
}

void TestHeif2Jpg::renamedJpegComesOutUnchanged()
{
    const Bytes jpeg = makeJpeg(40, 30);
    const Call c = convert(jpeg);
    QCOMPARE(c.result, int32_t(jpeg.size()));
    QVERIFY(c.jpeg() == jpeg);
    QVERIFY(!c.touchedPastCapacity);

    const Call small = convert(jpeg, int32_t(jpeg.size()) - 1);
    QCOMPARE(small.result, int32_t(jpeg.size()));
    QVERIFY(small.untouched());
}

void TestHeif2Jpg::badInputGivesErrorAndWritesNothing_data()
{
    QTest::addColumn<Bytes>("input");
    QTest::addColumn<int>("expected");

    const Bytes &heic = plainFixture();
    // An H.264 item: libheif knows the codec, but no decoder for it is
    // installed here.
    Bytes unknownCodec = heic;
    for (size_t at = find4cc(unknownCodec, "hvc1"); at != std::string::npos; at = find4cc(unknownCodec, "hvc1"))
        std::memcpy(&unknownCodec[at], "avc1", 4);
    for (size_t at = find4cc(unknownCodec, "hvcC"); at != std::string::npos; at = find4cc(unknownCodec, "hvcC"))
        std::memcpy(&unknownCodec[at], "avcC", 4);
    Bytes unknownItem = heic;
    for (size_t at = find4cc(unknownItem, "hvc1"); at != std::string::npos; at = find4cc(unknownItem, "hvc1"))
        std::memcpy(&unknownItem[at], "zzz1", 4);
    // No clean aperture at 64x64, so the image size is the ispe's.
    HeicFixture::Options square;
    square.height = 64;
    const Bytes squareHeic = HeicFixture::encode(square);
    const size_t ispe = find4cc(squareHeic, "ispe");
    Bytes hugeSize = squareHeic;
    putBe32(hugeSize, ispe + 8, 60000);
    putBe32(hugeSize, ispe + 12, 60000);
    Bytes tooWide = squareHeic;
    putBe32(tooWide, ispe + 8, 70000);
    putBe32(tooWide, ispe + 12, 16);
    Bytes brokenJpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 2, 0xFF, 0xD9};
    // A JPEG header that declares 23000 x 23000 pixels and no data: a
    // renamed "photo" of 2 GB once loaded.
    Bytes hugeJpeg = makeJpeg(16, 16);
    const size_t sof = find4cc(hugeJpeg, "\xFF\xC0\x00\x11");
    hugeJpeg[sof + 5] = hugeJpeg[sof + 7] = 23000 >> 8;
    hugeJpeg[sof + 6] = hugeJpeg[sof + 8] = 23000 & 0xFF;
    hugeJpeg.resize(find4cc(hugeJpeg, "\xFF\xDA\x00\x0C") + 14);
    Bytes cutJpeg = makeJpeg(160, 120);
    cutJpeg.resize(cutJpeg.size() * 6 / 10);
    // A restart marker where the entropy-coded data has none.
    Bytes markedJpeg = makeJpeg(160, 120);
    markedJpeg[markedJpeg.size() / 2] = 0xFF;
    markedJpeg[markedJpeg.size() / 2 + 1] = 0xD3;
    Bytes noise(3000);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = uint8_t(i * 2654435761u >> 13);
    Bytes ftypThenNoise(heic.begin(), heic.begin() + 32);
    ftypThenNoise.insert(ftypThenNoise.end(), noise.begin(), noise.end());
    Bytes corruptBitstream = heic;
    const size_t mdat = find4cc(corruptBitstream, "mdat");
    for (size_t i = mdat + 8; i < corruptBitstream.size(); ++i)
        corruptBitstream[i] ^= 0xFF;

    QTest::newRow("one byte") << Bytes{0x00} << int(TARNWICK_ERR_NOT_HEIF);
    QTest::newRow("PNG signature") << Bytes{0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13} << int(TARNWICK_ERR_NOT_HEIF);
    QTest::newRow("noise") << noise << int(TARNWICK_ERR_NOT_HEIF);
    QTest::newRow("HEIF header, then noise") << ftypThenNoise << int(TARNWICK_ERR_CORRUPT);
    QTest::newRow("cut after the header") << Bytes(heic.begin(), heic.begin() + 40) << int(TARNWICK_ERR_CORRUPT);
    QTest::newRow("cut in the image data") << Bytes(heic.begin(), heic.end() - 200) << int(TARNWICK_ERR_TRUNCATED);
    QTest::newRow("codec without decoder") << unknownCodec << int(TARNWICK_ERR_UNSUPPORTED);
    QTest::newRow("unknown item type") << unknownItem << int(TARNWICK_ERR_CORRUPT);
    QTest::newRow("3.6 gigapixels") << hugeSize << int(TARNWICK_ERR_TOO_LARGE);
    QTest::newRow("wider than JPEG allows") << tooWide << int(TARNWICK_ERR_TOO_LARGE);
    QTest::newRow("scrambled bitstream") << corruptBitstream << int(TARNWICK_ERR_DECODE);
    QTest::newRow("JPEG marker, broken header") << brokenJpeg << int(TARNWICK_ERR_CORRUPT);
    QTest::newRow("JPEG of 23000 x 23000 pixels") << hugeJpeg << int(TARNWICK_ERR_TOO_LARGE);
    QTest::newRow("JPEG cut short") << cutJpeg << int(TARNWICK_ERR_TRUNCATED);
    QTest::newRow("JPEG with a stray marker in its data") << markedJpeg << int(TARNWICK_ERR_CORRUPT);
}

void TestHeif2Jpg::badInputGivesErrorAndWritesNothing()
{
    QFETCH(Bytes, input);
    QFETCH(int, expected);
    const Call c = convert(input);
    QCOMPARE(c.result, int32_t(expected));
    QVERIFY(c.untouched());
}

void TestHeif2Jpg::concurrentCallsGiveTheSameResult()
{
    std::vector<Bytes> inputs;
    for (int i = 0; i < 5; ++i) {
        HeicFixture::Options o;
        o.width = 96 + 16 * i;
        o.height = 64;
        o.rotationCcw = 90 * (i % 4);
        o.chroma = i == 4 ? HeicFixture::Chroma::Mono : HeicFixture::Chroma::C420;
        inputs.push_back(HeicFixture::encode(o));
    }
    std::vector<Bytes> expected;
    for (const Bytes &in : inputs)
        expected.push_back(convert(in).jpeg());

    std::atomic<int> mismatches{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 5; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 8; ++round) {
                const size_t i = size_t(t + round) % inputs.size();
                const Call c = convert(inputs[i]);
                if (c.touchedPastCapacity || c.jpeg().empty() || c.jpeg() != expected[i])
                    ++mismatches;
            }
        });
    }
    for (std::thread &t : threads)
        t.join();
    QCOMPARE(mismatches.load(), 0);
}

void TestHeif2Jpg::everyCodeHasItsOwnText()
{
    QSet<QString> texts;
    for (int32_t code = TARNWICK_ERR_INVALID_ARGUMENT; code >= TARNWICK_ERR_NO_IMAGE; --code) {
        const QString text = tarnwick_error_text(code);
        QVERIFY(!text.isEmpty() && text != "unknown error");
        texts.insert(text);
    }
    QCOMPARE(texts.size(), -TARNWICK_ERR_NO_IMAGE);
    QCOMPARE(QString(tarnwick_error_text(1234)), QString("success"));
    QCOMPARE(QString(tarnwick_error_text(-999)), QString("unknown error"));

    // Arguments the caller got wrong.
    const Bytes &heic = plainFixture();
    Bytes out(16);
    QCOMPARE(heif2jpg(nullptr, 10, 90, out.data(), 16, nullptr), int32_t(TARNWICK_ERR_INVALID_ARGUMENT));
    QCOMPARE(heif2jpg(heic.data(), -1, 90, out.data(), 16, nullptr), int32_t(TARNWICK_ERR_INVALID_ARGUMENT));
    QCOMPARE(heif2jpg(heic.data(), int32_t(heic.size()), 90, out.data(), -5, nullptr), int32_t(TARNWICK_ERR_INVALID_ARGUMENT));
    QCOMPARE(heif2jpg(heic.data(), int32_t(heic.size()), 90, nullptr, 16, nullptr), int32_t(TARNWICK_ERR_INVALID_ARGUMENT));
    QCOMPARE(heif2jpg(nullptr, 0, 90, nullptr, 0, nullptr), int32_t(TARNWICK_ERR_EMPTY_INPUT));
    // Out-of-range quality is clamped, not refused.
    QVERIFY(inspect(convert(heic, -1, 0).jpeg()).valid);
    QVERIFY(inspect(convert(heic, -1, 1000).jpeg()).valid);
}

namespace {

// The saved crash inputs (the notes beside them left out), by file name.
// Those that crash libheif itself ("libheif-*") are safe only in the decoder
// helper, and left out when the test decodes in its own process.
std::vector<std::pair<QString, Bytes>> savedCrashInputs()
{
    const bool inProcess = qgetenv("TARNWICK_IN_PROCESS") == "1";
    std::vector<std::pair<QString, Bytes>> out;
    const QDir dir(QStringLiteral(TARNWICK_CRASHERS_DIR));
    for (const QString &name : dir.entryList(QDir::Files)) {
        if (!name.endsWith(".md") && !(inProcess && name.startsWith("libheif-")))
            out.emplace_back(name, readFile(dir.filePath(name)));
    }
    return out;
}

} // namespace

// Inputs that once made the decoder misbehave (found by fuzzing: reads past
// a plane, damaged streams whose pictures came out with unwritten parts). Any
// result is fine as long as the call returns and keeps to its buffer (that
// it is the same every time: damagedStreamsGiveOneResultWhateverMemoryHeld).
void TestHeif2Jpg::savedCrashInputsAreHandled()
{
    const std::vector<std::pair<QString, Bytes>> saved = savedCrashInputs();
    for (const auto &[name, input] : saved) {
        const int32_t whole = int32_t(input.size() * 10);
        const Call first = convert(input, whole);
        for (int32_t capacity : {whole, 0, 100, whole, whole, whole, whole}) {
            const Call c = convert(input, capacity);
            QVERIFY2(!c.touchedPastCapacity, qPrintable(name));
            if (c.result <= 0 || c.result > capacity)
                QVERIFY2(c.untouched(), qPrintable(name));
            else
                QVERIFY2(inspect(c.jpeg()).valid, qPrintable(name));
            // One input, one result (grids whose tiles do not all carry
            // alpha once gave two JPEGs, by which tile libheif decoded first).
            if (capacity == whole)
                QVERIFY2(c.result == first.result && c.jpeg() == first.jpeg(), qPrintable(name));
        }
    }
    if (saved.empty())
        QSKIP("no saved crash inputs");
}

namespace {

// The ftyp box's brands replaced: major brand first, then the compatible
// ones (the box keeps its size, so as many as it had).
Bytes withBrands(const Bytes &heic, const char *major, const std::vector<const char *> &compatible)
{
    Bytes out = heic;
    const size_t ftyp = find4cc(out, "ftyp");
    const size_t size = size_t(beAt(out, ftyp - 4, 4));
    std::memcpy(&out[ftyp + 4], major, 4);
    for (size_t i = 0, at = ftyp + 12; at + 4 <= ftyp - 4 + size; ++i, at += 4)
        std::memcpy(&out[at], compatible[std::min(i, compatible.size() - 1)], 4);
    return out;
}

// Leaves freed heap blocks of many sizes filled with `fill`, so that memory
// a decoder takes without writing shows that value.
void dirtyHeap(uint8_t fill)
{
    std::vector<std::vector<uint8_t>> blocks;
    for (size_t size = 4096; size <= (8u << 20); size *= 2) {
        for (int i = 0; i < 3; ++i)
            blocks.emplace_back(size, fill);
    }
}

// HEIC fixtures with their coded data damaged in different ways.
std::vector<Bytes> damagedFixtures()
{
    std::vector<Bytes> out;
    for (int bitDepth : {8, 10}) {
        HeicFixture::Options o;
        o.width = 256;
        o.height = 192;
        o.bitDepth = bitDepth;
        o.pattern = HeicFixture::Pattern::Noise;
        o.exif = false;
        const Bytes heic = HeicFixture::encode(o);
        const size_t mdat = find4cc(heic, "mdat");
        if (mdat == std::string::npos)
            continue;
        const size_t data = mdat + 4, length = heic.size() - data;
        for (double where : {0.2, 0.5, 0.8}) {
            Bytes flipped = heic; // a few bytes flipped inside the slice
            for (size_t i = 0; i < 6; ++i)
                flipped[data + size_t(double(length) * where) + i] ^= 0x5A;
            out.push_back(flipped);
            Bytes zeroed = heic; // the rest of the slice lost
            std::fill(zeroed.begin() + std::ptrdiff_t(data + size_t(double(length) * where)), zeroed.end(), 0);
            out.push_back(zeroed);
        }
    }
    // Grid tiles whose coded pictures are smaller than the cells their item
    // properties promise: the canvas around each one is never written.
    HeicFixture::Options tile;
    tile.width = tile.height = 64;
    tile.pattern = HeicFixture::Pattern::Noise;
    tile.exif = false;
    HeicFixture::GridOptions grid;
    grid.tileHeic = HeicFixture::encode(tile);
    grid.tileWidth = grid.tileHeight = 128;
    out.push_back(HeicFixture::gridOfOneTile(grid));
    return out;
}

// The damaged fixtures and the saved crash inputs.
std::vector<Bytes> damagedInputs()
{
    std::vector<Bytes> out = damagedFixtures();
    for (auto &saved : savedCrashInputs())
        out.push_back(std::move(saved.second));
    return out;
}

// A picture of three slices (runs of CTU rows).
Bytes threeSliceFixture(int bitDepth, HeicFixture::Chroma chroma)
{
    HeicFixture::Options o;
    o.width = 256;
    o.height = 192;
    o.bitDepth = bitDepth;
    o.chroma = chroma;
    o.exif = false;
    o.slices = 3;
    return HeicFixture::encode(o);
}

// The second slice of a HEIC holding one HEVC image and nothing else in its
// mdat turned into a NAL unit of an unspecified type, which decoders skip:
// its rows are never decoded, and nothing else in the stream tells. Empty
// when there is no second slice.
Bytes secondSliceSkipped(Bytes heic)
{
    const size_t mdat = find4cc(heic, "mdat");
    if (mdat == std::string::npos)
        return {};
    int slices = 0;
    for (size_t at = mdat + 4; heic.size() - at > 6;) {
        const size_t length = size_t(beAt(heic, at, 4));
        const size_t unit = at + 4;
        if (length < 2 || length > heic.size() - unit)
            return {};
        if ((heic[unit] >> 1 & 0x3F) < 32 && ++slices == 2) {
            heic[unit] = uint8_t(48 << 1 | (heic[unit] & 1));
            return heic;
        }
        at = unit + length;
    }
    return {};
}

// The coded data of a HEIC's only item (one extent, ending the file inside
// the last box, mdat) written twice in a row: an item holding two pictures.
// Empty when the file is not laid out so.
Bytes pictureRepeated(const Bytes &heic)
{
    const size_t iloc = find4cc(heic, "iloc"), mdat = find4cc(heic, "mdat");
    if (iloc == std::string::npos || mdat == std::string::npos || heic.size() < iloc + 16)
        return {};
    const int version = heic[iloc + 4];
    const int offsetSize = heic[iloc + 8] >> 4, lengthSize = heic[iloc + 8] & 15;
    const int baseSize = heic[iloc + 9] >> 4, indexSize = version > 0 ? heic[iloc + 9] & 15 : 0;
    size_t at = iloc + 10;
    const int idSize = version < 2 ? 2 : 4;
    if (beAt(heic, at, idSize) != 1)
        return {};
    at += size_t(idSize) * 2 + (version > 0 ? 2 : 0) + 2; // count, item_ID, construction method, data reference
    const uint64_t base = beAt(heic, at, baseSize);
    at += size_t(baseSize);
    if (beAt(heic, at, 2) != 1)
        return {};
    at += 2 + size_t(indexSize);
    const uint64_t offset = beAt(heic, at, offsetSize);
    const size_t lengthAt = at + size_t(offsetSize);
    const uint64_t length = beAt(heic, lengthAt, lengthSize);
    if (lengthSize != 4 || base + offset + length != heic.size())
        return {};
    Bytes out = heic;
    out.insert(out.end(), heic.end() - std::ptrdiff_t(length), heic.end());
    putBe32(out, lengthAt, uint32_t(length * 2));
    putBe32(out, mdat - 4, uint32_t(beAt(heic, mdat - 4, 4) + length));
    return out;
}

} // namespace

void TestHeif2Jpg::exifOrientationTurnsPhotosWithoutContainerRotation_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<bool>("grey");
    for (int orientation = 1; orientation <= 8; ++orientation)
        QTest::newRow(qPrintable(QString("colour, EXIF %1").arg(orientation))) << orientation << false;
    QTest::newRow("grey, EXIF 6") << 6 << true;
    QTest::newRow("grey, EXIF 7") << 7 << true;
}

// Early phone firmware kept the orientation of portrait photos only in EXIF.
// (With irot as well, the container wins: iccAndExifCarriedWithOrientationReset.)
void TestHeif2Jpg::exifOrientationTurnsPhotosWithoutContainerRotation()
{
    QFETCH(int, orientation);
    QFETCH(bool, grey);
    HeicFixture::Options o;
    o.exifOrientation = orientation;
    o.chroma = grey ? HeicFixture::Chroma::Mono : HeicFixture::Chroma::C444;
    o.quality = 95;
    int width = 0, height = 0;
    const Bytes expected = exifUpright(HeicFixture::sourceRgb(o), o.width, o.height, orientation, &width, &height);

    const Call c = convert(HeicFixture::encode(o), -1, 100);
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    const JpegInfo info = inspect(c.jpeg());
    QVERIFY(info.valid);
    QCOMPARE(info.width, width);
    QCOMPARE(info.height, height);
    const double psnr = HeicFixture::psnr(info.rgb, expected);
    QVERIFY2(psnr > 32, qPrintable(QString("PSNR %1 dB against the upright source").arg(psnr)));
    QCOMPARE(info.app1Exif.size(), size_t(1));
    QCOMPARE(tiffOrientation(info.app1Exif[0]), 1);
}

void TestHeif2Jpg::stillImageIsTakenWhateverTheBrands_data()
{
    QTest::addColumn<Bytes>("input");
    const Bytes &heic = plainFixture();
    QTest::newRow("image sequence brand, still primary image") << withBrands(heic, "msf1", {"msf1", "heic", "mif1"});
    QTest::newRow("sequence brands only") << withBrands(heic, "msf1", {"msf1", "hevc", "iso8"});
    QTest::newRow("mif2") << withBrands(heic, "mif2", {"mif2", "heic"});
    QTest::newRow("mif2 only") << withBrands(heic, "mif2", {"mif2"});
}

void TestHeif2Jpg::stillImageIsTakenWhateverTheBrands()
{
    QFETCH(Bytes, input);
    const Call c = convert(input);
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    const JpegInfo info = inspect(c.jpeg());
    QVERIFY(info.valid);
    QCOMPARE(info.width, 64);
    QCOMPARE(info.height, 48);
}

void TestHeif2Jpg::thumbnail_data()
{
    QTest::addColumn<int>("rotationCcw");
    QTest::addColumn<int>("exifOrientation"); // only where there is no container rotation
    QTest::addColumn<int>("thumbnail");       // 0: none
    QTest::addColumn<QSize>("size");          // upright
    QTest::newRow("landscape") << 0 << 1 << 32 << QSize(32, 24);
    QTest::newRow("irot 90") << 90 << 1 << 32 << QSize(24, 32);
    QTest::newRow("EXIF 6 only") << 0 << 6 << 32 << QSize(24, 32);
    QTest::newRow("none") << 0 << 1 << 0 << QSize();
}

void TestHeif2Jpg::thumbnail()
{
    QFETCH(int, rotationCcw);
    QFETCH(int, exifOrientation);
    QFETCH(int, thumbnail);
    QFETCH(QSize, size);
    HeicFixture::Options o;
    o.width = 128;
    o.height = 96;
    o.rotationCcw = rotationCcw;
    o.exifOrientation = exifOrientation;
    o.thumbnail = thumbnail;
    const Bytes heic = HeicFixture::encode(o);
    if (heic.empty())
        QSKIP("libheif cannot encode a thumbnail here");
    const int32_t capacity = int32_t(heic.size()) * 10;
    Bytes out(size_t(capacity) + kGuard, kUnwritten);
    const int32_t result = tarnwick_thumbnail(heic.data(), int32_t(heic.size()), 90, out.data(), capacity);
    QVERIFY(std::all_of(out.begin() + capacity, out.end(), [](uint8_t b) { return b == kUnwritten; }));
    if (!size.isValid()) {
        QCOMPARE(result, int32_t(TARNWICK_ERR_NO_IMAGE));
        return;
    }
    QVERIFY2(result > 0 && result <= capacity, tarnwick_error_text(result));
    const JpegInfo info = inspect(Bytes(out.begin(), out.begin() + result));
    QVERIFY(info.valid);
    QCOMPARE(QSize(info.width, info.height), size);
    QVERIFY(info.app1Exif.empty()); // a picture to show, not a photo to keep

    // Too small a buffer: the length needed, nothing written.
    Bytes tiny(16 + kGuard, kUnwritten);
    QCOMPARE(tarnwick_thumbnail(heic.data(), int32_t(heic.size()), 90, tiny.data(), 16), result);
    QVERIFY(std::all_of(tiny.begin(), tiny.end(), [](uint8_t b) { return b == kUnwritten; }));
}

void TestHeif2Jpg::jpegCodedImageConverts()
{
    HeicFixture::Options o;
    o.jpegCoded = true;
    o.quality = 95;
    o.width = 96;
    o.height = 64;
    const Bytes heic = HeicFixture::encode(o);
    if (heic.empty())
        QSKIP("libheif cannot write JPEG-coded images here (libheif-plugin-jpegenc)");
    const Call c = convert(heic, -1, 100);
    QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    const JpegInfo info = inspect(c.jpeg());
    QVERIFY(info.valid);
    QCOMPARE(info.width, 96);
    QCOMPARE(info.height, 64);
    const double psnr = HeicFixture::psnr(info.rgb, HeicFixture::sourceRgb(o));
    QVERIFY2(psnr > 30, qPrintable(QString("PSNR %1 dB against the source").arg(psnr)));
}

// A 200 MP phone photo: a 32 x 24 grid of 512 x 512 tiles shown 16320 x 12240
// and turned upright by irot. Its BT.709 colour description sends it through
// RGB, 600 MB in one block.
void TestHeif2Jpg::twoHundredMegapixelGridConverts()
{
    HeicFixture::Options tile;
    tile.width = tile.height = 512;
    tile.pattern = HeicFixture::Pattern::Flat;
    tile.exif = false;
    tile.quality = 50;
    const Bytes heic =
        HeicFixture::gridOfOneTile(HeicFixture::twoHundredMegapixelLayout(HeicFixture::encode(tile)));
    QVERIFY(!heic.empty());

    const Call c = convert(heic, 64 << 20, 50);
    QVERIFY2(c.result > 0 && c.result <= c.capacity, tarnwick_error_text(c.result));
    QVERIFY(!c.touchedPastCapacity);
    const Bytes jpeg = c.jpeg();
    tjhandle tj = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    QCOMPARE(tjDecompressHeader3(tj, jpeg.data(), jpeg.size(), &width, &height, &subsampling, &colorspace), 0);
    QCOMPARE(width, 12240);
    QCOMPARE(height, 16320);
    // An eighth of the size is enough to see every tile in place.
    const int sw = TJSCALED(width, (tjscalingfactor{1, 8})), sh = TJSCALED(height, (tjscalingfactor{1, 8}));
    Bytes small(size_t(sw) * size_t(sh) * 3);
    QCOMPARE(tjDecompress2(tj, jpeg.data(), jpeg.size(), small.data(), sw, 0, sh, TJPF_RGB, 0), 0);
    tjDestroy(tj);
    const Bytes flat = HeicFixture::sourceRgb(tile);
    size_t off = 0;
    for (size_t i = 0; i < small.size(); ++i)
        off += std::abs(int(small[i]) - int(flat[i % 3])) > 12;
    QCOMPARE(off, size_t(0));
}

void TestHeif2Jpg::gridTilesSmallerThanTheirCellsAreRefused_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("expected"); // > 0: converts
    QTest::newRow("tiles fill their cells") << 64 << 1;
    QTest::newRow("cells twice the tiles") << 128 << int(TARNWICK_ERR_CORRUPT);
    QTest::newRow("cells one pixel wider") << 65 << int(TARNWICK_ERR_CORRUPT);
}

// libheif pastes grid tiles into a canvas it does not clear: a cell its
// tile's picture does not cover would show stale memory.
void TestHeif2Jpg::gridTilesSmallerThanTheirCellsAreRefused()
{
    QFETCH(int, cell);
    QFETCH(int, expected);
    HeicFixture::Options tile;
    tile.width = tile.height = 64;
    tile.exif = false;
    HeicFixture::GridOptions grid;
    grid.tileHeic = HeicFixture::encode(tile);
    grid.tileWidth = grid.tileHeight = cell;
    grid.width = grid.height = 2 * cell - 1;
    const Bytes heic = HeicFixture::gridOfOneTile(grid);
    QVERIFY(!heic.empty());
    const Call c = convert(heic);
    if (expected > 0)
        QVERIFY2(c.result > 0, tarnwick_error_text(c.result));
    else
        QCOMPARE(c.result, expected);
}

// Decoders leave parts of a damaged picture unwritten; whatever the memory
// held before must never reach the JPEG. Each damaged input is converted
// after the heap was left full of one value and then of another: the
// results must agree, refused or byte for byte.
void TestHeif2Jpg::damagedStreamsGiveOneResultWhateverMemoryHeld()
{
    const std::vector<Bytes> inputs = damagedInputs();
    QVERIFY(inputs.size() >= 10);
    int index = 0;
    for (const Bytes &input : inputs) {
        dirtyHeap(0x00);
        const Call first = convert(input);
        dirtyHeap(0xC3);
        convert(plainFixture());
        const Call second = convert(input);
        QVERIFY2(first.result == second.result && first.jpeg() == second.jpeg(),
                 qPrintable(QString("input %1: %2 then %3").arg(index).arg(first.result).arg(second.result)));
        ++index;
    }
}

// Codec complaints about damaged data ("[hevc @ 0x...] ...") would land in
// the caller's output.
void TestHeif2Jpg::codecMessagesStayOffStderr()
{
    if (qEnvironmentVariableIsSet("TARNWICK_CODEC_LOG"))
        QSKIP("codec messages asked for");
    std::vector<Bytes> inputs = damagedInputs();
    Bytes truncatedJpeg = makeJpeg(160, 120);
    truncatedJpeg.resize(truncatedJpeg.size() / 2);
    inputs.push_back(truncatedJpeg);
    // A JPEG-coded image with a stray restart marker in its data.
    HeicFixture::Options jpegCoded;
    jpegCoded.jpegCoded = true;
    jpegCoded.exif = false;
    jpegCoded.width = 160;
    jpegCoded.height = 120;
    jpegCoded.pattern = HeicFixture::Pattern::Noise;
    Bytes damagedJpegItem = HeicFixture::encode(jpegCoded);
    if (!damagedJpegItem.empty()) {
        const size_t middle = (find4cc(damagedJpegItem, "mdat") + damagedJpegItem.size()) / 2;
        damagedJpegItem[middle] = 0xFF;
        damagedJpegItem[middle + 1] = 0xD3;
        inputs.push_back(damagedJpegItem);
        QCOMPARE(convert(damagedJpegItem).result, int32_t(TARNWICK_ERR_DECODE));
    }

    std::fflush(stderr);
    FILE *capture = std::tmpfile();
    QVERIFY(capture);
    const int saved = dup(STDERR_FILENO);
    dup2(fileno(capture), STDERR_FILENO);
    for (const Bytes &input : inputs)
        convert(input);
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::fseek(capture, 0, SEEK_END);
    const long written = std::ftell(capture);
    std::rewind(capture);
    char text[200] = {};
    const size_t n = std::fread(text, 1, sizeof text - 1, capture);
    std::fclose(capture);
    QVERIFY2(written == 0, qPrintable(QString("stderr got: %1").arg(QString::fromLatin1(text, int(n)))));
}

void TestHeif2Jpg::pictureMissingASliceIsRefused_data()
{
    QTest::addColumn<int>("bitDepth");
    QTest::addColumn<HeicFixture::Chroma>("chroma");
    QTest::newRow("8-bit 4:2:0") << 8 << HeicFixture::Chroma::C420;
    QTest::newRow("10-bit 4:2:2") << 10 << HeicFixture::Chroma::C422;
    QTest::newRow("8-bit 4:4:4") << 8 << HeicFixture::Chroma::C444;
    QTest::newRow("10-bit monochrome") << 10 << HeicFixture::Chroma::Mono;
}

// A picture with rows that were never decoded is no photo, whatever those
// rows would show: libavcodec leaves them as the buffer held them (cleared,
// but the photo's rows are gone), libde265 in memory of its own holding
// whatever was there before.
void TestHeif2Jpg::pictureMissingASliceIsRefused()
{
    QFETCH(int, bitDepth);
    QFETCH(HeicFixture::Chroma, chroma);
    const Bytes intact = threeSliceFixture(bitDepth, chroma);
    const Bytes damaged = secondSliceSkipped(intact);
    QVERIFY(!damaged.empty());
    const Call whole = convert(intact);
    QVERIFY2(whole.result > 0, tarnwick_error_text(whole.result));
    QCOMPARE(convert(damaged).result, int32_t(TARNWICK_ERR_DECODE));
}

void TestHeif2Jpg::itemOfTwoPicturesIsRefusedByLibde265_data()
{
    QTest::addColumn<bool>("sao");
    QTest::newRow("with SAO") << true;
    QTest::newRow("without SAO") << false;
}

// An image item holds one picture. libde265 keeps pictures that use SAO in
// memory of its own, and a picture shown could be predicted from such a
// one, which nothing proves written.
void TestHeif2Jpg::itemOfTwoPicturesIsRefusedByLibde265()
{
    if (qgetenv("TARNWICK_HEVC_DECODER") != "libde265")
        QSKIP("libavcodec decodes into cleared memory only");
    QFETCH(bool, sao);
    HeicFixture::Options o;
    o.exif = false;
    o.sao = sao;
    const Bytes one = HeicFixture::encode(o);
    const Bytes two = pictureRepeated(one);
    QVERIFY(!two.empty());
    QVERIFY(convert(one).result > 0);
    QCOMPARE(convert(two).result, int32_t(TARNWICK_ERR_DECODE));
}

QTEST_GUILESS_MAIN(TestHeif2Jpg)
#include "tst_heif2jpg.moc"
