// BatchRun with the stand-in decoder: what happens to a file already at the
// output name, the outcome of every input by its position, and shutdown.

#include "BatchRun.h"
#include "ConvertQueue.h"
#include "fakedecoder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <memory>
#include <thread>

Q_DECLARE_METATYPE(OutputLocation::Existing)

namespace {

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

QVector<ConvertQueue::Item> itemsFor(const QStringList &paths)
{
    QVector<ConvertQueue::Item> items;
    for (const QString &path : paths) {
        ConvertQueue::Item item;
        item.path = path;
        items.append(item);
    }
    return items;
}

bool runToEnd(BatchRun &batch)
{
    QSignalSpy finished(&batch, &BatchRun::finished);
    return finished.count() > 0 || finished.wait(60000);
}

} // namespace

class TestBatchRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void existingFile_data();
    void existingFile();
    void rerunWithSkipSkipsEveryJpegOfTheLastRun();
    void resultsFollowTheInputs();
    void destroyingARunningBatchWaitsForFilesInHand();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_in;
    QString m_out; // the completed output folder
};

void TestBatchRun::init()
{
    FakeDecoder::reset();
    convertQueue().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    m_in = m_dir->path() + "/in";
    m_out = m_dir->path() + "/out/Quorvix";
    QVERIFY(QDir().mkpath(m_in));
    QVERIFY(QDir().mkpath(m_out));
}

void TestBatchRun::cleanup()
{
    FakeDecoder::openGate();
    convertQueue().clear();
}

void TestBatchRun::existingFile_data()
{
    QTest::addColumn<OutputLocation::Existing>("existing");
    QTest::addColumn<QString>("present"); // the user's file in the output folder
    QTest::addColumn<QString>("written"); // the JPEG's name, empty when skipped
    using E = OutputLocation::Existing;
    QTest::newRow("keep both") << E::KeepBoth << "IMG_1.jpg" << "IMG_1 (2).jpg";
    QTest::newRow("keep both, other case") << E::KeepBoth << "IMG_1.JPG" << "IMG_1 (2).jpg";
    QTest::newRow("replace") << E::Replace << "IMG_1.jpg" << "IMG_1.jpg";
    QTest::newRow("skip") << E::Skip << "IMG_1.jpg" << "";
    QTest::newRow("skip, other case") << E::Skip << "img_1.Jpg" << "";
    QTest::newRow("keep both, no clash") << E::KeepBoth << "IMG_10.jpg" << "IMG_1.jpg";
}

void TestBatchRun::existingFile()
{
    QFETCH(OutputLocation::Existing, existing);
    QFETCH(QString, present);
    QFETCH(QString, written);
    QVERIFY(writeFile(m_out + "/" + present, "the user's own"));
    QVERIFY(writeFile(m_in + "/IMG_1.HEIC", "Adata"));
    QVERIFY(writeFile(m_in + "/IMG_2.HEIC", "Bdata, longer"));

    BatchRun batch;
    BatchRun::Settings settings;
    settings.decoder = &FakeDecoder::heif2jpg;
    settings.savePath = m_out;
    settings.existing = existing;
    QVERIFY(batch.start(itemsFor({m_in + "/IMG_1.HEIC", m_in + "/IMG_2.HEIC"}), settings));
    QVERIFY(runToEnd(batch));

    const BatchRun::FileResult &first = batch.results().at(0);
    QCOMPARE(batch.results().at(1).outcome, BatchRun::Outcome::Converted);
    if (written.isEmpty()) {
        QCOMPARE(first.outcome, BatchRun::Outcome::Skipped);
        QVERIFY(!first.reason.isEmpty());
        QCOMPARE(batch.skippedCount(), 1);
        QCOMPARE(batch.failedCount(), 0);
        for (const FakeDecoder::Call &call : FakeDecoder::calls()) // the skipped photo is not decoded
            QCOMPARE(call.inputLength, 13);
    } else {
        QCOMPARE(first.outcome, BatchRun::Outcome::Converted);
        QCOMPARE(first.output, m_out + "/" + written);
        QVERIFY(!QImage(first.output).isNull());
    }
    if (written != present)
        QCOMPARE(readAll(m_out + "/" + present), QByteArray("the user's own"));
}

void TestBatchRun::rerunWithSkipSkipsEveryJpegOfTheLastRun()
{
    // Two photos of one name: the names are stable from run to run, so the
    // second run finds both JPEGs of the first.
    QVERIFY(QDir().mkpath(m_in + "/a"));
    QVERIFY(QDir().mkpath(m_in + "/b"));
    QVERIFY(writeFile(m_in + "/a/IMG_1.HEIC", "Adata"));
    QVERIFY(writeFile(m_in + "/b/IMG_1.heic", "Bdata"));
    const QStringList inputs{m_in + "/a/IMG_1.HEIC", m_in + "/b/IMG_1.heic"};
    BatchRun batch;
    BatchRun::Settings settings;
    settings.decoder = &FakeDecoder::heif2jpg;
    settings.savePath = m_out;
    QVERIFY(batch.start(itemsFor(inputs), settings));
    QVERIFY(runToEnd(batch));
    QCOMPARE(batch.results().at(1).output, m_out + "/IMG_1 (2).jpg");

    settings.existing = OutputLocation::Existing::Skip;
    QVERIFY(batch.start(itemsFor(inputs), settings));
    QVERIFY(runToEnd(batch));
    QCOMPARE(batch.skippedCount(), 2);
    QCOMPARE(batch.results().at(0).output, m_out + "/IMG_1.jpg");
    QCOMPARE(batch.results().at(1).output, m_out + "/IMG_1 (2).jpg");
    QCOMPARE(QDir(m_out).entryList(QDir::Files).size(), 2);
}

void TestBatchRun::resultsFollowTheInputs()
{
    QStringList inputs;
    for (int i = 0; i < 6; ++i) {
        const QString path = m_in + QString("/p%1.HEIC").arg(i);
        QVERIFY(writeFile(path, i % 3 == 1 ? "FAIL" : QByteArray(1, char('a' + i)) + "data"));
        inputs << path;
    }
    inputs << m_in + "/missing.HEIC";
    BatchRun batch;
    QSignalSpy done(&batch, &BatchRun::fileDone);
    BatchRun::Settings settings;
    settings.decoder = &FakeDecoder::heif2jpg;
    settings.savePath = m_out;
    QVERIFY(batch.start(itemsFor(inputs), settings));
    QVERIFY(!batch.start(itemsFor(inputs), settings)); // one batch at a time
    QVERIFY(runToEnd(batch));
    QCOMPARE(done.count(), inputs.size());
    QCOMPARE(batch.convertedCount(), 4);
    QCOMPARE(batch.failedCount(), 3);
    for (int i = 0; i < inputs.size(); ++i) {
        const BatchRun::FileResult &r = batch.results().at(i);
        QCOMPARE(r.input, inputs.at(i));
        const bool fails = i % 3 == 1 || i == 6;
        QCOMPARE(r.outcome, fails ? BatchRun::Outcome::Failed : BatchRun::Outcome::Converted);
        QCOMPARE(r.reason.isEmpty(), !fails);
    }
    QVERIFY(!batch.isRunning());
}

void TestBatchRun::destroyingARunningBatchWaitsForFilesInHand()
{
    QStringList inputs;
    for (int i = 0; i < 10; ++i) {
        inputs << m_in + QString("/p%1.HEIC").arg(i);
        QVERIFY(writeFile(inputs.last(), QByteArray(1, char('a' + i)) + "data"));
    }
    FakeDecoder::closeGate();
    auto batch = std::make_unique<BatchRun>();
    BatchRun::Settings settings;
    settings.decoder = &FakeDecoder::heif2jpg;
    settings.savePath = m_out;
    QVERIFY(batch->start(itemsFor(inputs), settings));
    QTRY_COMPARE(FakeDecoder::waitingAtGate(), BatchRun::kWorkerCount);
    // The gate opens while the destructor already waits.
    std::thread opener([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        FakeDecoder::openGate();
    });
    batch.reset(); // waits for the four files in hand; the rest is dropped
    opener.join();
    QCOMPARE(QDir(m_out).entryList(QDir::Files).size(), BatchRun::kWorkerCount);
    QVERIFY(convertQueue().queuedPaths().isEmpty());
}

QTEST_MAIN(TestBatchRun)
#include "tst_batchrun.moc"
