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

} // namespace

class TestJpegWriter : public QObject
{
    Q_OBJECT

private slots:
    void extractsExifAndIccOnly();
    void extractToleratesBrokenStreams_data();
    void extractToleratesBrokenStreams();
    void spliceKeepsEachSegmentOnceAndStaysReadable();
    void writeReplacesTargetAndLeavesNothingElse();
    void failedWriteLeavesTargetUntouched();
    void writeCutShortLeavesOldFileWhole();
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
    QString error;
    QVERIFY2(writeJpegSafely(pix, target, 90, m, &error), qPrintable(error));
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
    QString error;

    // The target is a folder: nothing replaces it, no temporary file remains.
    const QString folderTarget = dir.path() + "/taken.jpg";
    QVERIFY(QDir(dir.path()).mkdir("taken.jpg"));
    QVERIFY(!writeJpegSafely(pix, folderTarget, 90, JpegMetadata(), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(QFileInfo(folderTarget).isDir());

    // A null image writes nothing, not even an empty file.
    QVERIFY(!writeJpegSafely(QPixmap(), dir.path() + "/null.jpg", 90, JpegMetadata(), &error));
    QVERIFY(!QFileInfo::exists(dir.path() + "/null.jpg"));

    // A missing folder.
    QVERIFY(!writeJpegSafely(pix, dir.path() + "/missing/x.jpg", 90, JpegMetadata(), &error));

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
    QString error;
    const bool written = writeJpegSafely(noise, target, 95, JpegMetadata(), &error);
    setrlimit(RLIMIT_FSIZE, &previous);

    QVERIFY(!written);
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(target), QByteArray("old content"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{"IMG_2.jpg"});
}

QTEST_MAIN(TestJpegWriter)
#include "tst_jpegwriter.moc"
