#include "HEICTojpg.h"

#include "fakedecoder.h"
#include "heicfixture.h"
#include "jpeginspect.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct Received
{
    int signalCount = 0;
    QPixmap pix;
    int width = -1;
    int height = -1;
};

// Runs one decode the way the preview page does and returns what its slot got.
Received decode(HEICTojpg *thread)
{
    Received r;
    QObject receiver;
    QObject::connect(thread, &HEICTojpg::signal_SendHeicData, &receiver, [&r](QPixmap pix, int w, int h) {
        ++r.signalCount;
        r.pix = pix;
        r.width = w;
        r.height = h;
    });
    thread->start(QThread::InheritPriority);
    thread->wait(120000);
    QTest::qWait(0);
    QCoreApplication::processEvents();
    return r;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

} // namespace

class TestHEICTojpg : public QObject
{
    Q_OBJECT

private slots:
    void init() { FakeDecoder::reset(); }

    void decodeSignalsOnceWithSizeAndMetadata();
    void unusableFileSignalsEmpty_data();
    void unusableFileSignalsEmpty();
    void realDecoderOnFixture();
    void realDecoderOnPortraitPhoto();
};

void TestHEICTojpg::decodeSignalsOnceWithSizeAndMetadata()
{
    QTemporaryDir dir;
    const QString path = dir.path() + QString::fromUtf8("/фото.HEIC");
    QVERIFY(writeFile(path, "some HEIC bytes"));
    HEICTojpg thread(path, &FakeDecoder::heif2jpg);
    thread.setQuality(70);
    const Received r = decode(&thread);
    QCOMPARE(r.signalCount, 1);
    QCOMPARE(QSize(r.width, r.height), QSize(FakeDecoder::kWidth, FakeDecoder::kHeight));
    QCOMPARE(r.pix.size(), QSize(FakeDecoder::kWidth, FakeDecoder::kHeight));
    QCOMPARE(FakeDecoder::calls().first().quality, 70);
    QCOMPARE(FakeDecoder::calls().first().tempFileName, QByteArray("tempFile.hevc"));
    QVERIFY(thread.metadata().hasExif());
    QVERIFY(thread.metadata().hasIcc());
    QVERIFY(thread.failureReason().isEmpty());
    // The preview page writes the JPEG with this metadata: without an EXIF
    // date (the stand-in's has none) it is dated like the photo file.
    QCOMPARE(thread.metadata().sourceModified, QFileInfo(path).lastModified());
    QVERIFY(writeJpegSafely(r.pix, dir.path() + "/out.jpg", 90, thread.metadata()));
    QCOMPARE(QFileInfo(dir.path() + "/out.jpg").lastModified(), QFileInfo(path).lastModified());
}

void TestHEICTojpg::unusableFileSignalsEmpty_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("empty") << "empty";
    QTest::newRow("16,777,215 bytes") << "oversized";
    QTest::newRow("decoder fails") << "fail";
    QTest::newRow("no decoder") << "nodecoder";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("folder") << "folder";
}

void TestHEICTojpg::unusableFileSignalsEmpty()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.path() + "/p.HEIC";
    if (kind == "empty")
        QVERIFY(writeFile(path, QByteArray()));
    if (kind == "fail")
        QVERIFY(writeFile(path, "FAIL"));
    if (kind == "nodecoder")
        QVERIFY(writeFile(path, "fine"));
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); // no writer: must not wait for one
    if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    if (kind == "oversized") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(16777215));
    }
    HEICTojpg thread(path, kind == "nodecoder" ? nullptr : &FakeDecoder::heif2jpg);
    const Received r = decode(&thread);
    QCOMPARE(r.signalCount, 1);
    QVERIFY(r.pix.isNull());
    QCOMPARE(r.width, 0);
    QCOMPARE(r.height, 0);
    QCOMPARE(FakeDecoder::callCount(), kind == "fail" ? 1 : 0);
    QVERIFY(!thread.failureReason().isEmpty());
    QVERIFY(thread.metadata().isEmpty());
}

void TestHEICTojpg::realDecoderOnFixture()
{
    const Heif2jpgFunc decoder = bindDecoder();
    if (!decoder)
        QSKIP("libTarnwick.so is not built");
    QTemporaryDir dir;
    HeicFixture::Options o;
    o.width = 64;
    o.height = 48;
    o.rotationCcw = 90;
    o.icc = HeicFixture::sampleIccProfile();
    o.gainMap.width = 32;
    o.gainMap.height = 24;
    const QString path = dir.path() + "/rotated.HEIC";
    QVERIFY(HeicFixture::write(QFile::encodeName(path).toStdString(), o));
    HEICTojpg thread(path, decoder);
    const Received r = decode(&thread);
    QCOMPARE(r.signalCount, 1);
    QVERIFY2(!r.pix.isNull(), qPrintable(thread.failureReason()));
    QCOMPARE(QSize(r.width, r.height), QSize(48, 64)); // upright
    QVERIFY(thread.metadata().hasExif());
    QVERIFY(thread.metadata().hasIcc());

    // The preview page's write keeps the gain map, upright too.
    QVERIFY(writeJpegSafely(r.pix, dir.path() + "/out.jpg", 90, thread.metadata()));
    QFile f(dir.path() + "/out.jpg");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const JpegInspect::GainMapPictures pictures = JpegInspect::gainMapPictures(f.readAll());
    QVERIFY(pictures.isValid());
    QCOMPARE(QImage::fromData(pictures.gainMap).size(), QSize(24, 32));
}

void TestHEICTojpg::realDecoderOnPortraitPhoto()
{
    const QString path = TestSupport::sharedTestFile("iphone-8plus_portrait_irot270.heic");
    if (path.isEmpty())
        QSKIP("shared test photos are not available");
    const Heif2jpgFunc decoder = bindDecoder();
    if (!decoder)
        QSKIP("libTarnwick.so is not built");
    HEICTojpg thread(path, decoder);
    const Received r = decode(&thread);
    QCOMPARE(r.signalCount, 1);
    QVERIFY2(!r.pix.isNull(), qPrintable(thread.failureReason()));
    QCOMPARE(QSize(r.width, r.height), QSize(3024, 4032));

    // The preview page writes it with the decode's metadata.
    QTemporaryDir dir;
    QVERIFY(writeJpegSafely(r.pix, dir.path() + "/out.jpg", 90, thread.metadata()));
    QFile f(dir.path() + "/out.jpg");
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray jpeg = f.readAll();
    QCOMPARE(JpegInspect::exifOrientation(jpeg), 1);
    QVERIFY(!JpegInspect::iccProfile(jpeg).isEmpty());
}

QTEST_MAIN(TestHEICTojpg)
#include "tst_heictojpg.moc"
