#include "ConvertQueue.h"
#include "ConvertThread.h"
#include "JpegWriter.h"
#include "SafeFile.h"

#include "fakedecoder.h"
#include "filenamecodec.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <memory>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const kTempNames[] = {"temp1.hevc", "temp2.hevc", "temp3.hevc", "temp4.hevc"};

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

// Outcomes as the GUI thread receives them.
class Collector : public QObject
{
public:
    QStringList converted; // input paths
    QStringList outputs;
    QStringList failed;
    QStringList reasons;
    int successSignals = 0;
    int failedSignals = 0;
};

// Four (or fewer) workers configured the way the batch page does it.
struct Batch
{
    Collector collector; // outlives the workers
    std::vector<std::unique_ptr<ConvertThread>> workers;

    explicit Batch(int count, const QString &savePath, Heif2jpgFunc decoder = &FakeDecoder::heif2jpg,
                   int quality = 100)
    {
        for (int i = 0; i < count; ++i) {
            auto w = std::make_unique<ConvertThread>();
            Collector *c = &collector;
            QObject::connect(w.get(), &ConvertThread::signal_ConvertSuccess, c, [c] { ++c->successSignals; });
            QObject::connect(w.get(), &ConvertThread::signal_ConvertFailed, c, [c] { ++c->failedSignals; });
            QObject::connect(w.get(), &ConvertThread::signal_FileConverted, c,
                             [c](const QString &in, const QString &out) { c->converted << in; c->outputs << out; });
            QObject::connect(w.get(), &ConvertThread::signal_FileFailed, c,
                             [c](const QString &in, const QString &why) { c->failed << in; c->reasons << why; });
            w->setDecoder(decoder);
            w->setQuality(quality);
            w->setSavePath(savePath);
            w->setTempFileName(kTempNames[i]);
            w->setStop(false);
            workers.push_back(std::move(w));
        }
    }

    void start()
    {
        for (auto &w : workers)
            w->start(QThread::InheritPriority);
    }

    // Waits (bounded) for every worker to end and delivers their signals.
    bool finish()
    {
        for (auto &w : workers)
            if (!w->wait(60000))
                return false;
        QCoreApplication::processEvents();
        return true;
    }

    bool run()
    {
        start();
        return finish();
    }
};

int drainQueue()
{
    int n = 0;
    while (convertQueue().pop())
        ++n;
    return n;
}

} // namespace

class TestConvertThread : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void emptyQueueEndsEveryWorker();
    void oneFileFourWorkersKeepsMetadata();
    void inputSizeLimit_data();
    void inputSizeLimit();
    void unicodeFileNames();
    void stopMidBatchLeavesTheRestQueued();
    void deletedFileIsReportedFailed();
    void fileNamedExitIsConvertedAndWorkerGoesOn();
    void nothingIsTakenFromCurrentDirectory();
    void decoderAskingForMoreRoomGetsIt();
    void decoderFailures_data();
    void decoderFailures();
    void sameNameWithinBatchIsNumbered();
    void inputsOfTheBatchAreNeverReplaced();
    void sameNamesFollowQueueOrder();
    void linkAtOutputNameIsReplacedNotFollowed();
    void refusedOutputFolderFailsUndecoded_data();
    void refusedOutputFolderFailsUndecoded();
    void nonRegularInputsFailAtOnce();
    void namesThatAreNotUtf8();
    void unwritableFolderFailsTheRestUndecoded_data();
    void unwritableFolderFailsTheRestUndecoded();
    void jpegIsDatedLikeItsSourceWithoutExifDate();
    void defaultFolderIsCreatedAndSavePathKept();
    void setterWaitsForJobOfStoppedBatch();
    void destroyingRunningWorkerWaits();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_in;
    QString m_out;
};

void TestConvertThread::init()
{
    FakeDecoder::reset();
    convertQueue().clear();
    convertQueue().beginBatch();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_in = m_dir->path() + "/in";
    m_out = m_dir->path() + "/out";
    QVERIFY(QDir().mkpath(m_in));
    QVERIFY(QDir().mkpath(m_out));
}

void TestConvertThread::cleanup()
{
    FakeDecoder::openGate();
    convertQueue().clear();
}

void TestConvertThread::emptyQueueEndsEveryWorker()
{
    Batch batch(4, m_out);
    QVERIFY(batch.run());
    QCOMPARE(batch.collector.successSignals + batch.collector.failedSignals, 0);
    QCOMPARE(FakeDecoder::callCount(), 0);
    QCOMPARE(entries(m_out + "/Quorvix"), QStringList());
}

void TestConvertThread::oneFileFourWorkersKeepsMetadata()
{
    const QByteArray content = QByteArray("\x21") + QByteArray(999, 'h');
    QVERIFY(writeFile(m_in + "/IMG_0001.HEIC", content));
    convertQueue().push(m_in + "/IMG_0001.HEIC");
    Batch batch(4, m_out, &FakeDecoder::heif2jpg, 55);
    QVERIFY(batch.run());

    QCOMPARE(batch.collector.successSignals, 1);
    QCOMPARE(batch.collector.failedSignals, 0);
    const QString out = m_out + "/Quorvix/IMG_0001.jpg";
    QCOMPARE(batch.collector.outputs, QStringList{out});
    QCOMPARE(entries(m_out + "/Quorvix"), QStringList{"IMG_0001.jpg"});

    const FakeDecoder::Call call = FakeDecoder::lastCall();
    QCOMPARE(FakeDecoder::callCount(), 1);
    QCOMPARE(call.inputLength, 1000);
    QCOMPARE(call.capacity, 10000);
    QCOMPARE(call.quality, 55);
    QVERIFY2(QByteArray("temp1.hevc temp2.hevc temp3.hevc temp4.hevc").contains(call.tempFileName),
             call.tempFileName.constData());

    const QByteArray written = readAll(out);
    QCOMPARE(QImage::fromData(written).size(), QSize(FakeDecoder::kWidth, FakeDecoder::kHeight));
    const JpegMetadata m = extractJpegMetadata(written);
    QVERIFY(m.hasExif());
    QVERIFY(m.hasIcc());
    QCOMPARE(m.segments.size(), 2);
    // Only the worker that took the file ran the output rule on its save path.
    int rewritten = 0;
    for (const auto &worker : batch.workers)
        rewritten += worker->savePath() == m_out + "/Quorvix" ? 1 : 0;
    QCOMPARE(rewritten, 1);
}

void TestConvertThread::inputSizeLimit_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("decoded");
    QTest::newRow("empty") << qint64(0) << false;
    QTest::newRow("one byte") << qint64(1) << true;
    QTest::newRow("largest accepted") << qint64(16777214) << true;
    QTest::newRow("0xFFFFFF") << qint64(16777215) << false;
    QTest::newRow("4 GiB + 1") << (qint64(1) << 32) + 1 << false;
}

void TestConvertThread::inputSizeLimit()
{
    QFETCH(qint64, size);
    QFETCH(bool, decoded);
    const QString path = m_in + "/big.HEIC";
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(size)); // sparse: no disk space used
    f.close();

    convertQueue().push(path);
    Batch batch(1, m_out);
    QVERIFY(batch.run());
    if (decoded) {
        QVERIFY(FakeDecoder::callCount() >= 1);
        QCOMPARE(qint64(FakeDecoder::calls().first().inputLength), size);
        QCOMPARE(qint64(FakeDecoder::calls().first().capacity), size * 10);
        QCOMPARE(batch.collector.successSignals, 1);
    } else {
        QCOMPARE(FakeDecoder::callCount(), 0);
        QCOMPARE(batch.collector.failedSignals, 1);
        QCOMPARE(batch.collector.failed, QStringList{path});
        QCOMPARE(entries(m_out + "/Quorvix"), QStringList());
    }
}

void TestConvertThread::unicodeFileNames()
{
    const QStringList names{QString::fromUtf8("фото.HEIC"), QString::fromUtf8("照片 1.heic"),
                            QString::fromUtf8("café 📷.HEIC")};
    char first = 'A';
    for (const QString &name : names) {
        QVERIFY(writeFile(m_in + "/" + name, QByteArray(1, first++) + "data"));
        convertQueue().push(m_in + "/" + name);
    }
    Batch batch(4, m_out);
    QVERIFY(batch.run());
    QCOMPARE(batch.collector.successSignals, 3);
    QCOMPARE(entries(m_out + "/Quorvix"),
             (QStringList{QString::fromUtf8("café 📷.jpg"), QString::fromUtf8("фото.jpg"),
                          QString::fromUtf8("照片 1.jpg")}));
    // Each output is its own input's decode (the colour follows the first byte).
    const QImage img = QImage(m_out + "/Quorvix/" + QString::fromUtf8("照片 1.jpg"));
    QVERIFY(qAbs(qRed(img.pixel(5, 5)) - 'B') < 8);
}

void TestConvertThread::stopMidBatchLeavesTheRestQueued()
{
    constexpr int kFiles = 40;
    for (int i = 0; i < kFiles; ++i) {
        const QString path = m_in + QString("/IMG_%1.HEIC").arg(i);
        QVERIFY(writeFile(path, QByteArray(1, char(i)) + "data"));
        convertQueue().push(path);
    }
    FakeDecoder::closeGate();
    Batch batch(4, m_out);
    batch.start();
    QTRY_COMPARE_WITH_TIMEOUT(FakeDecoder::waitingAtGate(), 4, 20000);
    for (auto &w : batch.workers)
        if (w->isRunning())
            w->setStop(true);
    FakeDecoder::openGate();
    QVERIFY(batch.finish());

    // Each worker finishes the file in hand, and no more.
    QCOMPARE(batch.collector.successSignals, 4);
    QCOMPARE(entries(m_out + "/Quorvix").size(), 4);
    QCOMPARE(drainQueue(), kFiles - 4);
}

void TestConvertThread::deletedFileIsReportedFailed()
{
    for (const char *name : {"a.HEIC", "b.HEIC", "c.HEIC"}) {
        QVERIFY(writeFile(m_in + "/" + name, "xdata"));
        convertQueue().push(m_in + "/" + name);
    }
    QVERIFY(QFile::remove(m_in + "/b.HEIC"));
    Batch batch(1, m_out);
    QVERIFY(batch.run());
    QCOMPARE(batch.collector.successSignals, 2);
    QCOMPARE(batch.collector.failedSignals, 1);
    QCOMPARE(batch.collector.failed, QStringList{m_in + "/b.HEIC"});
    QCOMPARE(FakeDecoder::callCount() > 0, true);
    QCOMPARE(entries(m_out + "/Quorvix"), (QStringList{"a.jpg", "c.jpg"}));
}

void TestConvertThread::fileNamedExitIsConvertedAndWorkerGoesOn()
{
    QVERIFY(writeFile(m_in + "/exit", "xdata"));
    QVERIFY(writeFile(m_in + "/a.HEIC", "ydata"));
    convertQueue().push(m_in + "/exit");
    convertQueue().push(m_in + "/a.HEIC");
    Batch batch(1, m_out); // one worker: it must not end at "exit"
    QVERIFY(batch.run());
    QCOMPARE(batch.collector.successSignals, 2);
    QCOMPARE(entries(m_out + "/Quorvix"), (QStringList{"a.jpg", "exit.jpg"}));
}

void TestConvertThread::nothingIsTakenFromCurrentDirectory()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_in));
    QVERIFY(writeFile(m_in + "/exit", "xdata"));
    Batch batch(4, m_out);
    const bool finished = batch.run();
    QDir::setCurrent(previous);
    QVERIFY(finished);
    QCOMPARE(FakeDecoder::callCount(), 0);
    QCOMPARE(batch.collector.successSignals + batch.collector.failedSignals, 0);
    QCOMPARE(entries(m_out + "/Quorvix"), QStringList());
}

void TestConvertThread::decoderAskingForMoreRoomGetsIt()
{
    // Three bytes in, a capacity of 30: far too small for the fake's JPEG.
    QVERIFY(writeFile(m_in + "/tiny.HEIC", "abc"));
    convertQueue().push(m_in + "/tiny.HEIC");
    Batch batch(1, m_out);
    QVERIFY(batch.run());
    const QList<FakeDecoder::Call> calls = FakeDecoder::calls();
    QCOMPARE(calls.size(), 2);
    QCOMPARE(calls[0].capacity, 30);
    QVERIFY(calls[0].result > 30);
    QCOMPARE(calls[1].capacity, calls[0].result);
    QCOMPARE(calls[1].result, calls[0].result);
    QCOMPARE(batch.collector.successSignals, 1);
    QVERIFY(!QImage(m_out + "/Quorvix/tiny.jpg").isNull());
}

void TestConvertThread::decoderFailures_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("withDecoder");
    QTest::newRow("decoder error") << QByteArray("FAIL and more") << true;
    QTest::newRow("error result, image in buffer") << QByteArray("LIAR and more bytes to fill the room") << true;
    QTest::newRow("no decoder") << QByteArray("fine data") << false;
}

void TestConvertThread::decoderFailures()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, withDecoder);
    // The stale bytes a failed call leaves must not be taken for a result:
    // make the allocator hand out memory that once held a JPEG.
    { std::unique_ptr<char[]> junk(new char[content.size() * 10]); }
    QVERIFY(writeFile(m_in + "/p.HEIC", content));
    convertQueue().push(m_in + "/p.HEIC");
    Batch batch(1, m_out, withDecoder ? &FakeDecoder::heif2jpg : nullptr);
    QVERIFY(batch.run());
    QCOMPARE(batch.collector.successSignals, 0);
    QCOMPARE(batch.collector.failedSignals, 1);
    QCOMPARE(batch.collector.reasons.size(), 1);
    QVERIFY(!batch.collector.reasons.first().isEmpty());
    QCOMPARE(entries(m_out + "/Quorvix"), QStringList());
}

void TestConvertThread::sameNameWithinBatchIsNumbered()
{
    QVERIFY(QDir().mkpath(m_out + "/Quorvix"));
    QVERIFY(writeFile(m_out + "/Quorvix/IMG_1.jpg", "from before the batch"));
    for (int i = 1; i <= 3; ++i) {
        const QString folder = m_in + QString("/d%1").arg(i);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeFile(folder + "/IMG_1.HEIC", QByteArray(1, char(40 * i)) + "data"));
        convertQueue().push(folder + "/IMG_1.HEIC");
    }
    {
        Batch batch(4, m_out);
        QVERIFY(batch.run());
        QCOMPARE(batch.collector.successSignals, 3);
    }
    // The file from before the batch keeps its place.
    QCOMPARE(entries(m_out + "/Quorvix"),
             (QStringList{"IMG_1 (2).jpg", "IMG_1 (3).jpg", "IMG_1 (4).jpg", "IMG_1.jpg"}));
    QCOMPARE(readAll(m_out + "/Quorvix/IMG_1.jpg"), QByteArray("from before the batch"));

    // The next batch starts afresh: told to replace, its IMG_1 replaces the first.
    convertQueue().beginBatch(OutputLocation::Existing::Replace);
    convertQueue().push(m_in + "/d2/IMG_1.HEIC");
    Batch again(4, m_out);
    QVERIFY(again.run());
    QCOMPARE(again.collector.outputs, QStringList{m_out + "/Quorvix/IMG_1.jpg"});
    QVERIFY(!QImage(m_out + "/Quorvix/IMG_1.jpg").isNull());
    QCOMPARE(entries(m_out + "/Quorvix").size(), 4);
}

void TestConvertThread::inputsOfTheBatchAreNeverReplaced()
{
    const QString x = m_dir->path() + "/X", quorvix = x + "/Quorvix", y = m_dir->path() + "/Y";
    QVERIFY(QDir().mkpath(quorvix));
    QVERIFY(QDir().mkpath(y));
    const QByteArray heic = "zHEIC bytes", jpg = "a JPEG of the user's";
    QVERIFY(writeFile(quorvix + "/b.Heic", heic));
    QVERIFY(writeFile(y + "/b.Heic", "yHEIC bytes"));
    QVERIFY(writeFile(quorvix + "/c.heic", "cHEIC bytes"));
    QVERIFY(writeFile(quorvix + "/c.jpg", jpg));
    convertQueue().push(quorvix + "/b.Heic");
    convertQueue().push(y + "/b.Heic");
    convertQueue().push(quorvix + "/c.heic");
    convertQueue().push(quorvix + "/c.jpg"); // the stand-in decoder takes anything
    Batch batch(4, x);
    QVERIFY(batch.run());

    QCOMPARE(batch.collector.successSignals, 4);
    QCOMPARE(readAll(quorvix + "/b.Heic"), heic);
    QCOMPARE(readAll(quorvix + "/c.jpg"), jpg);
    QCOMPARE(entries(quorvix),
             (QStringList{"b (2).jpg", "b.Heic", "b.jpg", "c (2).jpg", "c (3).jpg", "c.heic", "c.jpg"}));
    for (const char *name : {"b.jpg", "b (2).jpg", "c (2).jpg", "c (3).jpg"})
        QVERIFY2(!QImage(quorvix + "/" + name).isNull(), name);
}

void TestConvertThread::sameNamesFollowQueueOrder()
{
    // The first input is held in its decoder call until the others are
    // written: the names still follow the queue, not the finishing order.
    for (int i = 1; i <= 3; ++i) {
        const QString folder = m_in + QString("/d%1").arg(i);
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeFile(folder + "/IMG_1.HEIC", (i == 1 ? "HOLD" : "free") + QByteArray(100, 'x')));
        convertQueue().push(folder + "/IMG_1.HEIC");
    }
    FakeDecoder::closeGateFor("HOLD");
    Batch batch(4, m_out);
    batch.start();
    QTRY_COMPARE_WITH_TIMEOUT(batch.collector.successSignals, 2, 20000);
    QCOMPARE(FakeDecoder::waitingAtGate(), 1);
    FakeDecoder::openGate();
    QVERIFY(batch.finish());
    QCOMPARE(batch.collector.successSignals, 3);
    QCOMPARE(batch.collector.converted.last(), m_in + "/d1/IMG_1.HEIC"); // finished last
    QMap<QString, QString> outputOf;
    for (int i = 0; i < 3; ++i)
        outputOf[batch.collector.converted[i]] = batch.collector.outputs[i];
    const QString out = m_out + "/Quorvix/";
    QCOMPARE(outputOf.value(m_in + "/d1/IMG_1.HEIC"), out + "IMG_1.jpg");
    QCOMPARE(outputOf.value(m_in + "/d2/IMG_1.HEIC"), out + "IMG_1 (2).jpg");
    QCOMPARE(outputOf.value(m_in + "/d3/IMG_1.HEIC"), out + "IMG_1 (3).jpg");
}

void TestConvertThread::linkAtOutputNameIsReplacedNotFollowed()
{
    const QString folder = m_out + "/Quorvix";
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFile(m_dir->path() + "/precious.txt", "not to be touched"));
    QVERIFY(QFile::link(m_dir->path() + "/precious.txt", folder + "/a.jpg"));
    QVERIFY(writeFile(m_in + "/a.HEIC", "xdata"));
    convertQueue().beginBatch(OutputLocation::Existing::Replace);
    convertQueue().push(m_in + "/a.HEIC");
    Batch batch(1, m_out);
    QVERIFY(batch.run());
    QCOMPARE(batch.collector.successSignals, 1);
    QCOMPARE(readAll(m_dir->path() + "/precious.txt"), QByteArray("not to be touched"));
    QVERIFY(!QFileInfo(folder + "/a.jpg").isSymLink());
    QVERIFY(!QImage(folder + "/a.jpg").isNull());
    // Nothing but the JPEG was left behind (no temporary file).
    QCOMPARE(entries(folder), QStringList{"a.jpg"});
}

void TestConvertThread::refusedOutputFolderFailsUndecoded_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("link") << "link" << "is a symbolic link";
    QTest::newRow("another user's") << "foreign" << "belongs to another user";
}

void TestConvertThread::refusedOutputFolderFailsUndecoded()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString quorvix = m_out + "/Quorvix", elsewhere = m_dir->path() + "/elsewhere";
    QVERIFY(QDir().mkpath(elsewhere));
    if (kind == "link") {
        QVERIFY(QFile::link(elsewhere, quorvix));
    } else {
        if (::geteuid() != 0)
            QSKIP("giving a folder to another user needs root");
        QVERIFY(QDir().mkpath(quorvix));
        QCOMPARE(::chown(QFile::encodeName(quorvix).constData(), 65534, 65534), 0);
    }
    for (const char *name : {"a.HEIC", "b.HEIC", "c.HEIC"}) {
        QVERIFY(writeFile(m_in + "/" + name, "xdata"));
        convertQueue().push(m_in + "/" + name);
    }
    Batch batch(4, m_out);
    QVERIFY(batch.run());
    QCOMPARE(batch.collector.failedSignals, 3);
    QCOMPARE(FakeDecoder::callCount(), 0);
    for (const QString &why : batch.collector.reasons)
        QVERIFY2(why.contains(quorvix) && why.contains(reason), qPrintable(why));
    QCOMPARE(entries(elsewhere), QStringList());
    QCOMPARE(entries(quorvix), QStringList());
}

void TestConvertThread::nonRegularInputsFailAtOnce()
{
    const QString fifo = m_in + "/pipe.HEIC", folder = m_in + "/folder.HEIC";
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeFile(m_in + "/a.HEIC", "xdata"));
    for (const QString &path : {fifo, folder, m_in + "/a.HEIC"})
        convertQueue().push(path);
    Batch batch(1, m_out);
    QVERIFY(batch.run()); // a FIFO without a writer must not block the worker
    QCOMPARE(batch.collector.failed, (QStringList{fifo, folder}));
    QCOMPARE(batch.collector.reasons, (QStringList{"not a regular file", "not a regular file"}));
    QCOMPARE(batch.collector.successSignals, 1);
}

void TestConvertThread::namesThatAreNotUtf8()
{
    // Latin-1 names, as old cameras and archives write them.
    PlatformText::installFileNameCodec();
    const QByteArray in = QFile::encodeName(m_in), out = QFile::encodeName(m_out);
    for (const QByteArray &name : {QByteArray("caf\xE9.HEIC"), QByteArray("\xC4pfel \xFF.heic")}) {
        const QByteArray raw = in + "/" + name;
        const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "xdata", 5), ssize_t(5));
        ::close(fd);
        convertQueue().push(QFile::decodeName(raw));
    }
    Batch batch(4, m_out);
    QVERIFY(batch.run());
    QCOMPARE(batch.collector.reasons, QStringList());
    QCOMPARE(batch.collector.successSignals, 2);
    // Written under the same bytes.
    QCOMPARE(::access((out + "/Quorvix/caf\xE9.jpg").constData(), F_OK), 0);
    QCOMPARE(::access((out + "/Quorvix/\xC4pfel \xFF.jpg").constData(), F_OK), 0);
}

namespace {
ssize_t diskFull(int, const void *, size_t)
{
    errno = ENOSPC;
    return -1;
}
} // namespace

void TestConvertThread::unwritableFolderFailsTheRestUndecoded_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("reason");
    QTest::newRow("full disk") << "full" << "No space left on device";
    QTest::newRow("folder removed") << "removed" << "No such file or directory";
    QTest::newRow("read-only folder") << "read-only" << "Permission denied";
}

void TestConvertThread::unwritableFolderFailsTheRestUndecoded()
{
    QFETCH(QString, how);
    QFETCH(QString, reason);
    if (how == "read-only" && ::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    constexpr int kFiles = 5;
    for (int i = 0; i < kFiles; ++i) {
        const QString path = m_in + QString("/IMG_%1.HEIC").arg(i);
        QVERIFY(writeFile(path, (i == 0 ? "HOLD" : "free") + QByteArray(20000, 'x'))); // one decoder call
        convertQueue().push(path);
    }
    // One worker: the first file is held in the decoder while the folder fails.
    FakeDecoder::closeGateFor("HOLD");
    Batch batch(1, m_out);
    batch.start();
    QTRY_COMPARE_WITH_TIMEOUT(FakeDecoder::waitingAtGate(), 1, 20000);
    const QString quorvix = m_out + "/Quorvix";
    if (how == "full")
        setJpegFileWriteFunction(&diskFull);
    else if (how == "removed")
        QVERIFY(QDir(quorvix).removeRecursively());
    else
        QVERIFY(QFile::setPermissions(quorvix, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    FakeDecoder::openGate();
    const bool finished = batch.finish();
    setJpegFileWriteFunction(nullptr);
    QFile::setPermissions(quorvix, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(finished);

    QCOMPARE(batch.collector.failedSignals, kFiles);
    QCOMPARE(FakeDecoder::callCount(), 1); // the rest was not decoded
    for (const QString &why : batch.collector.reasons)
        QVERIFY2(why.contains(reason), qPrintable(why));
    QVERIFY2(batch.collector.reasons.first().contains(quorvix + "/IMG_0.jpg"),
             qPrintable(batch.collector.reasons.first()));
    if (how != "removed")
        QCOMPARE(entries(quorvix), QStringList()); // no temporary file left
    else
        QVERIFY(!QFileInfo::exists(quorvix)); // not made again behind the user's back
}

void TestConvertThread::jpegIsDatedLikeItsSourceWithoutExifDate()
{
    // The stand-in decoder's EXIF has no date: the file's time is used.
    QVERIFY(writeFile(m_in + "/a.HEIC", "xdata"));
    const QDateTime old(QDate(2009, 7, 14), QTime(10, 20, 30), Qt::UTC);
    {
        QFile f(m_in + "/a.HEIC");
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    convertQueue().push(m_in + "/a.HEIC");
    Batch batch(1, m_out);
    QVERIFY(batch.run());
    QCOMPARE(batch.collector.successSignals, 1);
    QCOMPARE(QFileInfo(m_out + "/Quorvix/a.jpg").lastModified().toUTC(), old);
}

void TestConvertThread::defaultFolderIsCreatedAndSavePathKept()
{
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(m_dir->path() + "/home"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir->path() + "/home/.config"));
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);

    QVERIFY(writeFile(m_in + "/a.HEIC", "xdata"));
    QVERIFY(writeFile(m_in + "/b.HEIC", "ydata"));
    convertQueue().push(m_in + "/a.HEIC");
    convertQueue().push(m_in + "/b.HEIC");
    Batch batch(1, QString());
    const bool finished = batch.run();
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
    QVERIFY(finished);

    QCOMPARE(batch.collector.successSignals, 2);
    QCOMPARE(batch.workers[0]->savePath(), desktop + "/Quorvix/");
    QCOMPARE(batch.collector.outputs, (QStringList{desktop + "/Quorvix//a.jpg", desktop + "/Quorvix//b.jpg"}));
    QCOMPARE(entries(desktop + "/Quorvix"), (QStringList{"a.jpg", "b.jpg"}));
}

void TestConvertThread::setterWaitsForJobOfStoppedBatch()
{
    for (int i = 0; i < 3; ++i) {
        QVERIFY(writeFile(m_in + QString("/%1.HEIC").arg(i), "xdata"));
        convertQueue().push(m_in + QString("/%1.HEIC").arg(i));
    }
    FakeDecoder::closeGate();
    Batch batch(1, m_out);
    batch.start();
    QTRY_COMPARE_WITH_TIMEOUT(FakeDecoder::waitingAtGate(), 1, 20000);
    ConvertThread *worker = batch.workers[0].get();
    worker->setStop(true);

    // The next batch configures the worker while its last job still runs.
    std::thread release([] { FakeDecoder::openGate(); });
    worker->setSavePath(m_dir->path() + "/next");
    const bool stillRunning = worker->isRunning();
    release.join();
    QVERIFY(!stillRunning);
    QVERIFY(batch.finish());
    // The job in hand was written where its own batch said.
    QCOMPARE(batch.collector.outputs, QStringList{m_out + "/Quorvix/0.jpg"});
    QVERIFY(!QFileInfo::exists(m_dir->path() + "/next"));
}

void TestConvertThread::destroyingRunningWorkerWaits()
{
    QVERIFY(writeFile(m_in + "/a.HEIC", "xdata"));
    QVERIFY(writeFile(m_in + "/b.HEIC", "xdata"));
    convertQueue().push(m_in + "/a.HEIC");
    convertQueue().push(m_in + "/b.HEIC");
    FakeDecoder::closeGate();
    auto batch = std::make_unique<Batch>(1, m_out);
    batch->start();
    QTRY_COMPARE_WITH_TIMEOUT(FakeDecoder::waitingAtGate(), 1, 20000);
    std::thread release([] { FakeDecoder::openGate(); });
    batch.reset(); // no crash, no "destroyed while running"
    release.join();
    // The destructor stopped the worker after the file in hand.
    QCOMPARE(entries(m_out + "/Quorvix"), QStringList{"a.jpg"});
    QCOMPARE(drainQueue(), 1);
}

QTEST_MAIN(TestConvertThread)
#include "tst_convertthread.moc"
