#include "ConvertJob.h"
#include "EngineMessages.h"
#include "JpegWriter.h"

#include "fakedecoder.h"

#include <QBuffer>
#include <QColorSpace>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>

namespace {

// Marker segments of a JPEG before the first scan, as (marker, payload).
QList<QPair<int, QByteArray>> headerSegments(const QByteArray &jpeg)
{
    QList<QPair<int, QByteArray>> result;
    int pos = 2;
    while (pos + 4 <= jpeg.size() && uchar(jpeg[pos]) == 0xFF && uchar(jpeg[pos + 1]) != 0xDA) {
        const int len = (uchar(jpeg[pos + 2]) << 8) | uchar(jpeg[pos + 3]);
        result.append({uchar(jpeg[pos + 1]), jpeg.mid(pos + 4, len - 2)});
        pos += 2 + len;
    }
    return result;
}

int countSegments(const QByteArray &jpeg, int marker, const QByteArray &prefix)
{
    int n = 0;
    for (const auto &s : headerSegments(jpeg))
        if (s.first == marker && s.second.startsWith(prefix))
            ++n;
    return n;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QByteArray kExifId("Exif\0\0", 6);
const QByteArray kIccId("ICC_PROFILE\0", 12);

// An EXIF APP1 segment whose Exif IFD holds DateTimeOriginal and, when not
// empty, OffsetTimeOriginal, in either byte order.
QByteArray exifWithDate(const QByteArray &taken, const QByteArray &offset, bool bigEndian = false)
{
    QByteArray tiff;
    auto u16 = [&](int v) {
        if (bigEndian)
            tiff.append(char(v >> 8)).append(char(v & 0xFF));
        else
            tiff.append(char(v & 0xFF)).append(char(v >> 8));
    };
    auto u32 = [&](quint32 v) {
        for (int k = 0; k < 4; ++k)
            tiff.append(char(bigEndian ? (v >> (24 - 8 * k)) & 0xFF : (v >> (8 * k)) & 0xFF));
    };
    tiff.append(bigEndian ? "MM" : "II");
    u16(42);
    u32(8);
    // IFD0 at 8: one entry, the Exif IFD pointer, then no next IFD.
    u16(1);
    u16(0x8769), u16(4), u32(1), u32(26);
    u32(0);
    // Exif IFD at 26, values after it.
    const int entries = offset.isEmpty() ? 1 : 2;
    const quint32 values = 26 + 2 + 12 * entries + 4;
    u16(entries);
    u16(0x9003), u16(2), u32(quint32(taken.size() + 1)), u32(values);
    if (!offset.isEmpty())
        u16(0x9011), u16(2), u32(quint32(offset.size() + 1)), u32(values + quint32(taken.size() + 1));
    u32(0);
    tiff.append(taken).append('\0');
    if (!offset.isEmpty())
        tiff.append(offset).append('\0');
    return FakeDecoder::segment(0xE1, kExifId + tiff);
}

// The stand-in decoder's JPEG with bytes between the scan and the end
// marker: it loads, and libjpeg warns about it.
QByteArray jpegWithTrailingJunk()
{
    QByteArray jpeg = FakeDecoder::jpegFor('A');
    jpeg.insert(jpeg.size() - 2, "junk!!!");
    return jpeg;
}

int32_t junkDecoder(const unsigned char *, int32_t, int32_t, unsigned char *output, int32_t capacity, const char *)
{
    const QByteArray jpeg = jpegWithTrailingJunk();
    if (jpeg.size() > capacity)
        return jpeg.size();
    memcpy(output, jpeg.constData(), size_t(jpeg.size()));
    return jpeg.size();
}

QStringList g_messages;
void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_messages << message;
}

// --- Gain-map JPEGs as the decoder writes them --------------------------------

QByteArray qtJpeg(const QImage &image)
{
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    image.save(&b, "jpg", 90);
    return out;
}

QByteArray be32(quint32 v)
{
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char(v >> (24 - 8 * i));
    return b;
}

struct MpfFields {
    quint32 entryBytes = 32;  // the MPEntry tag's count
    qint64 offsetShift = 0;   // added to the gain map's offset
    qint64 sizeShift = 0;     // added to the gain map's size
    quint32 ifdOffset = 8;
    int cutTo = -1;           // >= 0: the MPF payload cut to this many bytes
};

// A primary picture with an hdrgm XMP packet and an MPF index, followed by a
// grey gain map picture: the decoder's layout (big-endian MPF).
QByteArray gainMapJpeg(const QByteArray &gainMap, const MpfFields &f = MpfFields())
{
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(qRgb(200, 120, 40));
    const QByteArray primary = qtJpeg(picture);
    const QByteArray xmp = FakeDecoder::segment(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0", 29)
                                             + "<x:xmpmeta><rdf:Description hdrgm:Version=\"1.0\"/></x:xmpmeta>");
    const int mpfSegmentSize = 4 + 4 + 8 + 2 + 3 * 12 + 4 + 32;
    const int primarySize = primary.size() + xmp.size() + mpfSegmentSize;
    const int tiffAt = 2 + xmp.size() + 8;
    QByteArray tiff = QByteArray("MM\0\x2A", 4) + be32(f.ifdOffset);
    tiff += QByteArray("\0\x03", 2);
    tiff += QByteArray("\xB0\x00\0\x07", 4) + be32(4) + "0100";
    tiff += QByteArray("\xB0\x01\0\x04", 4) + be32(1) + be32(2);
    tiff += QByteArray("\xB0\x02\0\x07", 4) + be32(f.entryBytes) + be32(8 + 2 + 36 + 4);
    tiff += be32(0);
    tiff += be32(0x030000) + be32(quint32(primarySize)) + be32(0) + be32(0);
    tiff += be32(0) + be32(quint32(gainMap.size() + f.sizeShift))
        + be32(quint32(primarySize - tiffAt + f.offsetShift)) + be32(0);
    QByteArray mpfPayload = QByteArray("MPF\0", 4) + tiff;
    if (f.cutTo >= 0)
        mpfPayload.truncate(f.cutTo);
    return primary.left(2) + xmp + FakeDecoder::segment(0xE2, mpfPayload) + primary.mid(2) + gainMap;
}

QByteArray greyGainMap()
{
    QImage g(5, 5, QImage::Format_Grayscale8);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            g.setPixel(x, y, qRgb(x * 60, x * 60, x * 60));
    return qtJpeg(g);
}

} // namespace

class TestJpegWriter : public QObject
{
    Q_OBJECT

private slots:
    void extractsExifAndIccOnly();
    void extractToleratesBrokenStreams_data();
    void extractToleratesBrokenStreams();
    void spliceKeepsEachSegmentOnceAndStaysReadable();
    void gainMapSurvivesTheWriteWithItsIndexRewritten();
    void gainMapIndexIsTrustedNoFurtherThanTheBytes_data();
    void gainMapIndexIsTrustedNoFurtherThanTheBytes();
    void writeReplacesTargetAndLeavesNothingElse();
    void failedWriteLeavesTargetUntouched();
    void writeCutShortLeavesOldFileWhole();
    void jpegIsDatedWhenThePhotoWasTaken_data();
    void jpegIsDatedWhenThePhotoWasTaken();
    void codecChatterStaysOffStandardError();
};

void TestJpegWriter::extractsExifAndIccOnly()
{
    const QByteArray jpeg = FakeDecoder::jpegFor(10);
    const JpegMetadata m = extractJpegMetadata(jpeg);
    QCOMPARE(m.segments.size(), 2);
    QVERIFY(m.hasExif());
    QVERIFY(m.hasIcc());
    QCOMPARE(m.segments[0].mid(4), kExifId + FakeDecoder::exifPayload());
    QVERIFY(m.segments[1].endsWith(FakeDecoder::iccProfile()));

    // A plain JPEG of Qt's own has neither.
    QByteArray plain;
    {
        QBuffer b(&plain);
        b.open(QIODevice::WriteOnly);
        QImage(8, 8, QImage::Format_RGB32).save(&b, "jpg");
    }
    QVERIFY(extractJpegMetadata(plain).isEmpty());
}

void TestJpegWriter::extractToleratesBrokenStreams_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = FakeDecoder::jpegFor(10);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a jpeg") << QByteArray("hello world, not a JPEG");
    QTest::newRow("cut in a segment") << good.left(30);
    QTest::newRow("length past end") << (good.left(20) + QByteArray("\xFF\xE1\xFF\xFF", 4));
    QTest::newRow("zero length") << QByteArray("\xFF\xD8\xFF\xE1\x00\x00\x00\x00", 8);
}

void TestJpegWriter::extractToleratesBrokenStreams()
{
    QFETCH(QByteArray, data);
    const JpegMetadata m = extractJpegMetadata(data);
    for (const QByteArray &s : m.segments)
        QVERIFY(data.contains(s)); // only whole segments that are really there
}

void TestJpegWriter::spliceKeepsEachSegmentOnceAndStaysReadable()
{
    const JpegMetadata m = extractJpegMetadata(FakeDecoder::jpegFor(10));
    // An image that carries a colour space: Qt's writer adds its own ICC
    // segment, which must give way to the photo's.
    QImage image(33, 17, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.setColorSpace(QColorSpace::SRgb);
    const QByteArray out = encodeJpegWithMetadata(image, 85, m);
    QVERIFY(out.startsWith("\xFF\xD8\xFF\xE0"));
    QCOMPARE(countSegments(out, 0xE1, kExifId), 1);
    QCOMPARE(countSegments(out, 0xE2, kIccId), 1);
    QCOMPARE(headerSegments(out).at(1).first, 0xE1); // right after JFIF
    QVERIFY(out.contains(m.segments[1]));

    QImage back;
    QVERIFY(back.loadFromData(out));
    QCOMPARE(back.size(), image.size());
    QCOMPARE(QColor(back.pixel(16, 8)).rgb() & 0xF0F0F0, QColor(Qt::darkCyan).rgb() & 0xF0F0F0);

    // No metadata: Qt's stream as it is.
    QVERIFY(encodeJpegWithMetadata(image, 85, JpegMetadata()).startsWith("\xFF\xD8"));
    QVERIFY(encodeJpegWithMetadata(QImage(), 85, m).isEmpty());
}

// The job decodes the primary picture only and encodes it anew: the written
// file still holds the gain map, byte for byte, where its index now says.
void TestJpegWriter::gainMapSurvivesTheWriteWithItsIndexRewritten()
{
    const QByteArray gainMap = greyGainMap();
    const QByteArray decoded = gainMapJpeg(gainMap);
    const JpegMetadata m = extractJpegMetadata(decoded);
    QCOMPARE(m.gainMap.gainMap, gainMap);
    QCOMPARE(m.gainMap.segments.size(), 2); // XMP and MPF
    QPixmap pixmap;
    QVERIFY(pixmap.loadFromData(decoded));
    QTemporaryDir dir;
    const QString path = dir.path() + "/hdr.jpg";
    for (int quality : {100, 40}) {
        QVERIFY(writeJpegSafely(pixmap, path, quality, m));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray written = f.readAll();
        QVERIFY(written.endsWith(gainMap));
        const JpegMetadata again = extractJpegMetadata(written);
        QCOMPARE(again.gainMap.gainMap, gainMap);
        QCOMPARE(countSegments(written, 0xE1, "http://ns.adobe.com/xap/1.0/"), 1);
        QCOMPARE(QImage::fromData(written.left(written.size() - gainMap.size())).size(), pixmap.size());
        QVERIFY(encodeJpegWithMetadata(pixmap.toImage(), quality, m).endsWith(gainMap));
    }
}

void TestJpegWriter::gainMapIndexIsTrustedNoFurtherThanTheBytes_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    const QByteArray g = greyGainMap();
    MpfFields f;
    f.offsetShift = 1000000;
    QTest::newRow("offset past the end") << gainMapJpeg(g, f);
    f = MpfFields();
    f.offsetShift = -4000000000LL;
    QTest::newRow("offset wrapping round") << gainMapJpeg(g, f);
    f = MpfFields();
    f.offsetShift = -30;
    QTest::newRow("offset into the header") << gainMapJpeg(g, f);
    f = MpfFields();
    f.offsetShift = 3;
    QTest::newRow("offset not at a picture") << gainMapJpeg(g, f);
    f = MpfFields();
    f.sizeShift = 1;
    QTest::newRow("size past the end") << gainMapJpeg(g, f);
    f = MpfFields();
    f.sizeShift = 0xFFFFFFF0LL - g.size();
    QTest::newRow("size of 4 GB") << gainMapJpeg(g, f);
    f = MpfFields();
    f.entryBytes = 16;
    QTest::newRow("one MP entry") << gainMapJpeg(g, f);
    f = MpfFields();
    f.ifdOffset = 0xFFFFFF00u;
    QTest::newRow("IFD far away") << gainMapJpeg(g, f);
    f = MpfFields();
    f.cutTo = 20;
    QTest::newRow("index cut short") << gainMapJpeg(g, f);
    QTest::newRow("no gain map after the index") << gainMapJpeg(QByteArray());
}

void TestJpegWriter::gainMapIndexIsTrustedNoFurtherThanTheBytes()
{
    QFETCH(QByteArray, jpeg);
    const JpegMetadata m = extractJpegMetadata(jpeg);
    QVERIFY(m.gainMap.isEmpty());
    QPixmap pixmap;
    QVERIFY(pixmap.loadFromData(jpeg));
    const QByteArray written = encodeJpegWithMetadata(pixmap.toImage(), 90, m);
    QCOMPARE(countSegments(written, 0xE2, QByteArray("MPF\0", 4)), 0);
    QVERIFY(!QImage::fromData(written).isNull());
}

void TestJpegWriter::writeReplacesTargetAndLeavesNothingElse()
{
    QTemporaryDir dir;
    const QString target = dir.path() + "/IMG_1.jpg";
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();

    QPixmap pix(20, 10);
    pix.fill(Qt::red);
    const JpegMetadata m = extractJpegMetadata(FakeDecoder::jpegFor(10));
    JpegWriteFailure error;
    QVERIFY2(writeJpegSafely(pix, target, 90, m, &error), qPrintable(error.reason));
    const QByteArray written = readAll(target);
    QCOMPARE(countSegments(written, 0xE1, kExifId), 1);
    QCOMPARE(QImage(target).size(), QSize(20, 10));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"IMG_1.jpg"});
    // Readable by others like any file the user creates.
    QVERIFY(QFileInfo(target).permission(QFile::ReadOther));
}

void TestJpegWriter::failedWriteLeavesTargetUntouched()
{
    QTemporaryDir dir;
    QPixmap pix(20, 10);
    pix.fill(Qt::blue);
    JpegWriteFailure error;

    // The target is a folder: nothing replaces it, no temporary file remains.
    const QString folderTarget = dir.path() + "/taken.jpg";
    QVERIFY(QDir(dir.path()).mkdir("taken.jpg"));
    QVERIFY(!writeJpegSafely(pix, folderTarget, 90, JpegMetadata(), &error));
    QVERIFY(!error.reason.isEmpty());
    QVERIFY(!error.reason.contains(folderTarget)); // the caller names the file
    QCOMPARE(error.errorNumber, EISDIR);
    QVERIFY(QFileInfo(folderTarget).isDir());

    // A null image writes nothing, not even an empty file.
    QVERIFY(!writeJpegSafely(QPixmap(), dir.path() + "/null.jpg", 90, JpegMetadata(), &error));
    QCOMPARE(error.errorNumber, 0);
    QVERIFY(!QFileInfo::exists(dir.path() + "/null.jpg"));

    // A missing folder.
    QVERIFY(!writeJpegSafely(pix, dir.path() + "/missing/x.jpg", 90, JpegMetadata(), &error));
    QCOMPARE(error.errorNumber, ENOENT);

    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"taken.jpg"});
}

void TestJpegWriter::writeCutShortLeavesOldFileWhole()
{
    QTemporaryDir dir;
    const QString target = dir.path() + "/IMG_2.jpg";
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();

    // Noise compresses badly: far more than the 4 KB the process may write.
    QImage noise(300, 300, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, (seed = seed * 1664525u + 1013904223u) >> 8);

    // A full disk, as far as this process can tell: writes past 4 KB fail.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    JpegWriteFailure error;
    const bool written = writeJpegSafely(noise, target, 95, JpegMetadata(), &error);
    setrlimit(RLIMIT_FSIZE, &previous);

    QVERIFY(!written);
    QVERIFY(!error.reason.isEmpty());
    QCOMPARE(error.errorNumber, EFBIG);
    QCOMPARE(readAll(target), QByteArray("old content"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"IMG_2.jpg"});
}

void TestJpegWriter::jpegIsDatedWhenThePhotoWasTaken_data()
{
    QTest::addColumn<QByteArray>("exif");  // empty: none
    QTest::addColumn<QDateTime>("expected");
    const QDateTime source(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    QTest::newRow("offset east") << exifWithDate("2021:06:15 08:30:00", "+09:00")
                                 << QDateTime(QDate(2021, 6, 14), QTime(23, 30), Qt::UTC);
    QTest::newRow("offset west, big-endian") << exifWithDate("2021:06:15 08:30:00", "-04:00", true)
                                             << QDateTime(QDate(2021, 6, 15), QTime(12, 30), Qt::UTC);
    // Without an offset the camera's clock is taken as local time (TZ is
    // five and a half hours east of UTC in this test).
    QTest::newRow("local time") << exifWithDate("2021:06:15 08:30:00", "")
                                << QDateTime(QDate(2021, 6, 15), QTime(3, 0), Qt::UTC);
    QTest::newRow("malformed offset: local") << exifWithDate("2021:06:15 08:30:00", "9 hours")
                                             << QDateTime(QDate(2021, 6, 15), QTime(3, 0), Qt::UTC);
    QTest::newRow("no date: source file") << QByteArray() << source;
    QTest::newRow("zero date: source file") << exifWithDate("0000:00:00 00:00:00", "+01:00") << source;
    QTest::newRow("truncated date: source file") << exifWithDate("2021:06:15", "") << source;
}

void TestJpegWriter::jpegIsDatedWhenThePhotoWasTaken()
{
    QFETCH(QByteArray, exif);
    QFETCH(QDateTime, expected);
    const QByteArray oldTz = qgetenv("TZ");
    qputenv("TZ", "XYZ-05:30");
    JpegMetadata metadata;
    if (!exif.isEmpty())
        metadata.segments << exif;
    metadata.sourceModified = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
    QTemporaryDir dir;
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    const bool written = writeJpegSafely(image, dir.path() + "/a.jpg", 90, metadata);
    const QDateTime modified = QFileInfo(dir.path() + "/a.jpg").lastModified().toUTC();
    if (oldTz.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", oldTz);
    QVERIFY(written);
    QCOMPARE(modified, expected);
    // The EXIF itself goes into the JPEG unchanged.
    if (!exif.isEmpty())
        QVERIFY(readAll(dir.path() + "/a.jpg").contains(exif));
}

void TestJpegWriter::codecChatterStaysOffStandardError()
{
    g_messages.clear();
    const QtMessageHandler testLog = qInstallMessageHandler(&recordMessage);
    // Qt's JPEG reader does pass libjpeg's warnings on ...
    QVERIFY(!QImage::fromData(jpegWithTrailingJunk()).isNull());
    const QStringList unfiltered = g_messages;

    // ... which the engine's calls keep to themselves once the filter is in.
    g_messages.clear();
    EngineMessages::installCodecChatterFilter();
    const QByteArray input(100, 'x');
    ConvertJob::Decoded decoded = ConvertJob::decode(&junkDecoder, reinterpret_cast<const unsigned char *>(input.constData()),
                                                     input.size(), 90, "temp1.hevc");
    QTemporaryDir dir;
    const bool written = writeJpegSafely(decoded.pixmap, dir.path() + "/a.jpg", 90, decoded.metadata);
    const QStringList filtered = g_messages;
    qWarning("the program's own message");
    const QStringList own = g_messages;
    qInstallMessageHandler(testLog);

    QVERIFY2(!unfiltered.isEmpty() && unfiltered.first().contains("JPEG"), qPrintable(unfiltered.join('|')));
    QVERIFY(!decoded.pixmap.isNull());
    QVERIFY(written);
    QCOMPARE(filtered, QStringList());
    QCOMPARE(own, QStringList{"the program's own message"});
}

QTEST_MAIN(TestJpegWriter)
#include "tst_jpegwriter.moc"
