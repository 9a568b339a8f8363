#include "HEICTojpg.h"
#include "Heif2jpg.h"
#include "ThumbnailLoader.h"

#include "heicfixture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstring>
#include <thread>

namespace {

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

// A JPEG of that size; noise makes it large.
QByteArray jpegOf(const QSize &size, bool noise = false)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::green);
    for (int y = 0; noise && y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 251, (x * y * 31) % 253, (x ^ y) & 0xFF));
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return jpeg;
}

// Stand-in thumbnail functions. Each records the capacities it was offered.
QList<int32_t> offered;
QByteArray answer;          // what the function gives when the buffer is large enough
int32_t extraAsked = 0;     // asks for this much more than it gives (each call again)
QSemaphore held;            // gatedThumbnail waits for one permit
std::atomic<bool> gatedReturned{false};

int32_t fakeThumbnail(const unsigned char *, int32_t, int32_t, unsigned char *output, int32_t capacity)
{
    offered << capacity;
    const int32_t needed = int32_t(answer.size()) + extraAsked * int32_t(offered.size());
    if (needed > capacity)
        return needed;
    std::memcpy(output, answer.constData(), size_t(answer.size()));
    return int32_t(answer.size());
}

int32_t gatedThumbnail(const unsigned char *input, int32_t length, int32_t quality, unsigned char *output,
                       int32_t capacity)
{
    held.acquire();
    const int32_t result = fakeThumbnail(input, length, quality, output, capacity);
    gatedReturned = true;
    return result;
}

} // namespace

class TestThumbnailLoader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void realPhotos_data();
    void realPhotos();
    void asksAgainWithTheRoomTheDecoderNames();
    void destroyedWhileLoading();
};

void TestThumbnailLoader::init()
{
    offered.clear();
    answer = jpegOf(QSize(40, 30));
    extraAsked = 0;
    held.acquire(held.available());
    gatedReturned = false;
}

void TestThumbnailLoader::realPhotos_data()
{
    QTest::addColumn<QString>("file"); // "photo", "garbage" or "empty"
    QTest::addColumn<int>("thumbnail"); // the fixture's thumbnail box; 0: none
    QTest::addColumn<int>("rotationCcw");
    QTest::addColumn<QSize>("expected"); // invalid: nothing is emitted

    QTest::newRow("thumbnail") << "photo" << 64 << 0 << QSize(64, 48);
    QTest::newRow("thumbnail of a turned photo, upright") << "photo" << 64 << 90 << QSize(48, 64);
    QTest::newRow("no thumbnail") << "photo" << 0 << 0 << QSize();
    QTest::newRow("not a photo") << "garbage" << 0 << 0 << QSize();
    QTest::newRow("empty file") << "empty" << 0 << 0 << QSize();
}

// The page's two loads of one photo: the thumbnail, if there is one, and the
// full picture (or the reason there is none), which comes for every photo.
void TestThumbnailLoader::realPhotos()
{
    QFETCH(QString, file);
    QFETCH(int, thumbnail);
    QFETCH(int, rotationCcw);
    QFETCH(QSize, expected);
    const Heif2jpgFunc decoder = bindDecoder(); // loads the library bindThumbnail() looks into
    const ThumbnailFunc thumbnailFunc = bindThumbnail();
    if (!thumbnailFunc || !decoder)
        QSKIP("libTarnwick.so is not built");

    QTemporaryDir dir;
    const QString path = dir.path() + "/photo.HEIC";
    HeicFixture::Options o;
    o.width = 320;
    o.height = 240;
    o.thumbnail = thumbnail;
    o.rotationCcw = rotationCcw;
    if (file == "photo")
        QVERIFY(HeicFixture::write(QFile::encodeName(path).toStdString(), o));
    else
        QVERIFY(writeFile(path, file == "garbage" ? QByteArray("not a photo at all") : QByteArray()));

    ThumbnailLoader loader(path, thumbnailFunc);
    HEICTojpg full(path, decoder);
    QSignalSpy thumbnails(&loader, &ThumbnailLoader::thumbnailReady);
    QSignalSpy pictures(&full, &HEICTojpg::signal_SendHeicData);
    loader.start();
    full.start();
    QVERIFY(loader.wait(60000));
    QVERIFY(full.wait(60000));
    QCoreApplication::processEvents();

    QCOMPARE(thumbnails.count(), expected.isValid() ? 1 : 0);
    if (expected.isValid())
        QCOMPARE(thumbnails.first().first().value<QImage>().size(), expected);
    QCOMPARE(pictures.count(), 1);
    const QPixmap picture = pictures.first().first().value<QPixmap>();
    if (file == "photo") {
        QCOMPARE(picture.size(), rotationCcw ? QSize(240, 320) : QSize(320, 240));
    } else {
        QVERIFY(picture.isNull());
        QVERIFY(!full.failureReason().isEmpty());
    }
}

void TestThumbnailLoader::asksAgainWithTheRoomTheDecoderNames()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/photo.HEIC";
    QVERIFY(writeFile(path, QByteArray(4096, 'x')));

    // A thumbnail larger than the first buffer: one more call with the room
    // the function asked for.
    answer = jpegOf(QSize(400, 300), true);
    QVERIFY(answer.size() > 65536);
    {
        ThumbnailLoader loader(path, fakeThumbnail);
        QSignalSpy thumbnails(&loader, &ThumbnailLoader::thumbnailReady);
        loader.start();
        QVERIFY(loader.wait(60000));
        QCOMPARE(offered, (QList<int32_t>{65536, int32_t(answer.size())}));
        QCOMPARE(thumbnails.count(), 1);
        QVERIFY(!thumbnails.first().first().value<QImage>().isNull());
    }

    // One that asks for more on every call is given up after the second.
    offered.clear();
    extraAsked = 1000;
    {
        ThumbnailLoader loader(path, fakeThumbnail);
        QSignalSpy thumbnails(&loader, &ThumbnailLoader::thumbnailReady);
        loader.start();
        QVERIFY(loader.wait(60000));
        QCOMPARE(offered.size(), 2);
        QCOMPARE(thumbnails.count(), 0);
    }

    // No function, or a function's garbage: nothing, and no crash.
    for (ThumbnailFunc func : {ThumbnailFunc(nullptr), ThumbnailFunc(fakeThumbnail)}) {
        answer = "no JPEG here";
        extraAsked = 0;
        ThumbnailLoader loader(path, func);
        QSignalSpy thumbnails(&loader, &ThumbnailLoader::thumbnailReady);
        loader.start();
        QVERIFY(loader.wait(60000));
        QCOMPARE(thumbnails.count(), 0);
    }
}

void TestThumbnailLoader::destroyedWhileLoading()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/photo.HEIC";
    QVERIFY(writeFile(path, QByteArray(4096, 'x')));
    auto *receiver = new QObject;
    int received = 0;
    auto *loader = new ThumbnailLoader(path, gatedThumbnail, receiver);
    connect(loader, &ThumbnailLoader::thumbnailReady, receiver, [&] { ++received; });
    loader->start();
    QTRY_VERIFY(loader->isRunning());

    // The owner goes while the load is held: its destructor waits for the
    // load, which is let go from elsewhere, and what it emits reaches no one.
    std::thread release([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        held.release();
    });
    delete receiver;
    QVERIFY(gatedReturned);
    release.join();
    QCoreApplication::processEvents();
    QCOMPARE(received, 0);
}

QTEST_MAIN(TestThumbnailLoader)
#include "tst_thumbnailloader.moc"
