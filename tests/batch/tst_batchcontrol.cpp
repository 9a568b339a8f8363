// The batch page as a controller: real workers, the real decoder and small
// HEIC files made at test time.

#include "BatchConvertProgress.h"
#include "ConvertQueue.h"
#include "HeicFileTable.h"
#include "Heif2jpg.h"
#include "TipDialog.h"
#include "ZoStyleButton.h"
#include "ZoStyleCheckBox.h"
#include "desktopopener.h"
#include "heicfixture.h"
#include "modaldriver.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QProgressBar>
#include <QSemaphore>
#include <QSlider>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>

namespace {

template <typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// The real decoder behind a gate: every call first takes one permit, so a
// test decides how many conversions may run and holds the others in the
// workers' hands.
Heif2jpgFunc realDecoder = nullptr;
QSemaphore gate;
QSemaphore entered;

int32_t gatedDecoder(const unsigned char *input, int32_t length, int32_t quality, unsigned char *output,
                     int32_t capacity, const char *tempFileName)
{
    entered.release();
    gate.acquire();
    return realDecoder(input, length, quality, output, capacity, tempFileName);
}

constexpr int openGate = 1000;

// Declared after the page it guards: opens the gate before the page waits for
// its workers, also when a test fails half-way.
struct GateOpener
{
    ~GateOpener() { gate.release(openGate); }
};

void resetGate(int permits)
{
    gate.acquire(gate.available());
    entered.acquire(entered.available());
    gate.release(permits);
}

struct Photos
{
    QTemporaryDir dir;
    QString outDir() const { return dir.path() + "/Quorvix"; }

    QVector<QString> make(int good, int bad = 0, const QString &prefix = "IMG_")
    {
        QVector<QString> paths;
        HeicFixture::Options options;
        for (int i = 0; i < good; ++i) {
            const QString path = dir.path() + QString("/%1%2.HEIC").arg(prefix).arg(i);
            options.quality = 50 + i; // distinct bytes per file
            if (!HeicFixture::write(path.toStdString(), options))
                qFatal("cannot encode %s", qPrintable(path));
            paths << path;
        }
        for (int i = 0; i < bad; ++i) {
            const QString path = dir.path() + QString("/%1bad%2.HEIC").arg(prefix).arg(i);
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write("not a photo at all") < 0)
                qFatal("cannot write %s", qPrintable(path));
            paths << path;
        }
        return paths;
    }

    QStringList outputs() const { return QDir(outDir()).entryList(QDir::Files | QDir::Hidden | QDir::System); }
};

struct Page
{
    HeicFileTable table{nullptr};

    ZoStyleCheckBox *rowBox(int row)
    {
        return qobject_cast<ZoStyleCheckBox *>(child<QTableWidget>(&table, "tableWidget")->cellWidget(row, 0));
    }
    void clickRow(int row) { child<QCheckBox>(rowBox(row), "checkBox")->click(); }
    void checkAll(int rows)
    {
        for (int row = 0; row < rows; ++row)
            clickRow(row);
    }
};

QString labelText(QObject *parent, const char *name)
{
    return child<QLabel>(parent, name)->text();
}

void click(QObject *parent, const char *name)
{
    child<ZoStyleButton>(parent, name)->click();
}

} // namespace

class TestBatchControl : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void convertButtonRunsTheWholeBatch();
    void everyImageBoxConvertsTheOtherImages();
    void realPhotos();
    void queueServesCheckingOrder();
    void fiveFilesProgressAndCompletion();
    void failedFilesStillComplete_data();
    void failedFilesStillComplete();
    void existingJpegsAndTheReport_data();
    void existingJpegsAndTheReport();
    void cancelAfterTwo_data();
    void cancelAfterTwo();
    void cancelledNoticeListsTheFailures();
    void escapeAndNoLetsTheBatchComplete();
    void settingsDialogShowsQualityInForce();
    void nothingCheckedStartsNothing();
    void openFolder_data();
    void openFolder();
    void leavingThePageMidBatch();

private:
    QList<QUrl> opened;
    DesktopOpener::Opener previousOpener;
};

void TestBatchControl::initTestCase()
{
    realDecoder = bindDecoder();
    if (!realDecoder)
        QSKIP("the decoder library is not built beside the tests");
    if (HeicFixture::encode(HeicFixture::Options()).empty())
        QSKIP("libheif has no HEVC encoder here");
}

void TestBatchControl::init()
{
    resetGate(openGate);
    opened.clear();
    previousOpener = DesktopOpener::setOpener([this](const QUrl &url) {
        opened << url;
        return true;
    });
}

void TestBatchControl::cleanup()
{
    gate.release(openGate); // never leave a worker waiting
    DesktopOpener::setOpener(previousOpener);
    convertQueue().clear();
}

void TestBatchControl::convertButtonRunsTheWholeBatch()
{
    Photos photos;
    Page page;
    page.table.addFiles(photos.make(3));
    page.table.setDecoder(realDecoder);
    auto *convert = child<ZoStyleButton>(&page.table, "pushButton_Convert");
    QVERIFY(!convert->isEnabled());
    page.clickRow(2);
    page.clickRow(0);
    QVERIFY(convert->isEnabled());

    // Settings: a folder of our own and quality 70, then Convert; the page then
    // runs the batch from inside the settings dialog's Convert.
    QString message;
    auto settingsAnswered = whenModal<QDialog>([&](QDialog *settings) {
        QCOMPARE(settings->windowTitle(), QString("Conversion Settings"));
        QMetaObject::invokeMethod(settings, "signal_SendSavePath", Q_ARG(QString, photos.dir.path()));
        child<QSlider>(settings, "Slider")->setValue(70);
        whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
            QTRY_VERIFY_WITH_TIMEOUT(child<ZoStyleButton>(progress, "pushButton_OK")->isVisible(), 60000);
            message = labelText(progress, "label_Converting");
            click(progress, "pushButton_OK");
        });
        click(settings, "pushButton_Convert");
    });
    convert->click();
    QVERIFY(*settingsAnswered);
    QCOMPARE(message, QString("2 files have been successfully converted!"));
    QCOMPARE(photos.outputs(), QStringList({"IMG_0.jpg", "IMG_2.jpg"}));
    // Neither dialog outlives its run.
    QTRY_VERIFY(page.table.findChildren<QDialog *>().isEmpty());

    // The quality chosen is the one in force for the next batch.
    int shown = -1;
    auto reopened = whenModal<QDialog>([&](QDialog *settings) {
        shown = child<QSlider>(settings, "Slider")->value();
        settings->close();
    });
    convert->click();
    QVERIFY(*reopened);
    QCOMPARE(shown, 70);
}

// "Convert every image in a photo": off when the dialog opens; checked, a
// collection gives name.jpg, name-2.jpg, name-3.jpg, and the batch still
// counts one photo.
void TestBatchControl::everyImageBoxConvertsTheOtherImages()
{
    Photos photos;
    HeicFixture::Options collection;
    collection.extraImages = 2;
    const QString path = photos.dir.path() + "/trip.heic";
    QVERIFY(HeicFixture::write(path.toStdString(), collection));
    Page page;
    page.table.addFiles({path});
    page.table.setDecoder(realDecoder);
    page.clickRow(0);
    QString message;
    bool offAtFirst = false;
    auto answered = whenModal<QDialog>([&](QDialog *settings) {
        auto *box = child<QCheckBox>(settings, "checkBox_AllImages");
        QCOMPARE(box->text(), QString("Convert every image in a photo"));
        offAtFirst = !box->isChecked();
        box->click();
        QMetaObject::invokeMethod(settings, "signal_SendSavePath", Q_ARG(QString, photos.dir.path()));
        whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
            QTRY_VERIFY_WITH_TIMEOUT(child<ZoStyleButton>(progress, "pushButton_OK")->isVisible(), 60000);
            message = labelText(progress, "label_Converting");
            click(progress, "pushButton_OK");
        });
        click(settings, "pushButton_Convert");
    });
    child<ZoStyleButton>(&page.table, "pushButton_Convert")->click();
    QVERIFY(*answered);
    QVERIFY(offAtFirst);
    QCOMPARE(message, QString("1 file has been successfully converted!"));
    QCOMPARE(photos.outputs(), QStringList({"trip-2.jpg", "trip-3.jpg", "trip.jpg"}));
    QCOMPARE(QImage(photos.outDir() + "/trip-3.jpg").width(), collection.width + 32);
}

// Phone and camera files as they come, broken ones among them.
void TestBatchControl::realPhotos()
{
    QVector<QString> paths;
    for (const char *name : {"nikon-d5300_300x200_small.heic", "rainbow_451x461_odd.heic",
                             "empty_0-bytes.heic", "no-meta-box.heic",
                             "iphone-8plus_portrait_irot270.heic"}) {
        const QString path = TestSupport::sharedTestFile(name);
        if (path.isEmpty())
            QSKIP("the shared photos are not here");
        paths << path;
    }
    QTemporaryDir out;
    Page page;
    page.table.addFiles(paths);
    page.table.setDecoder(realDecoder);
    page.table.slot_SavePath(out.path());
    page.checkAll(paths.size());

    QString message, failedMessage;
    auto done = whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
        QTRY_VERIFY_WITH_TIMEOUT(child<ZoStyleButton>(progress, "pushButton_OK")->isVisible(), 120000);
        message = labelText(progress, "label_Converting");
        failedMessage = labelText(progress, "label_NotConverted");
        click(progress, "pushButton_OK");
    }, 120000);
    page.table.slot_StartConvert();
    QVERIFY(*done);
    QCOMPARE(message, QString("3 files have been successfully converted!"));
    QCOMPARE(failedMessage, QString("2 files could not be converted."));
    QCOMPARE(QImage(out.path() + "/Quorvix/iphone-8plus_portrait_irot270.jpg").size(), QSize(3024, 4032));
}

void TestBatchControl::queueServesCheckingOrder()
{
    // Rows 5 to 8 occupy the four workers at the gate; rows 4, 0 and 2, checked
    // in that order, are then what is left in the queue.
    Photos photos;
    const QVector<QString> paths = photos.make(9);
    Page page;
    GateOpener openAtEnd;
    page.table.addFiles(paths);
    page.table.setDecoder(gatedDecoder);
    page.table.slot_SavePath(photos.dir.path());
    for (int row : {5, 6, 7, 8, 4, 0, 2})
        page.clickRow(row);
    resetGate(0);

    QStringList waiting;
    QString firstText;
    auto done = whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
        firstText = labelText(progress, "label_Progress"); // before any file is done
        QVERIFY(entered.tryAcquire(4, 30000));
        waiting = convertQueue().queuedPaths();
        gate.release(openGate);
        QTRY_VERIFY_WITH_TIMEOUT(child<ZoStyleButton>(progress, "pushButton_OK")->isVisible(), 60000);
        click(progress, "pushButton_OK");
    });
    page.table.slot_StartConvert();
    QVERIFY(*done);
    QCOMPARE(firstText, QString("0/7"));
    QCOMPARE(waiting, QStringList({paths[4], paths[0], paths[2]}));
    QCOMPARE(photos.outputs().size(), 7);
}

void TestBatchControl::fiveFilesProgressAndCompletion()
{
    Photos photos;
    Page page;
    page.table.addFiles(photos.make(5));
    page.table.setDecoder(realDecoder);
    page.table.slot_SavePath(photos.dir.path());
    page.checkAll(5);

    QStringList texts;
    QList<int> values;
    connect(&page.table, &HeicFileTable::signal_ConvertSuccessCount, this, [&] {
        auto *progress = page.table.findChild<BatchConvertProgress *>();
        texts << labelText(progress, "label_Progress");
        values << child<QProgressBar>(progress, "progressBar")->value();
    });
    QString message;
    auto done = whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
        QCOMPARE(progress->windowTitle(), QString("Converting Photos"));
        QTRY_VERIFY_WITH_TIMEOUT(child<ZoStyleButton>(progress, "pushButton_OK")->isVisible(), 60000);
        message = labelText(progress, "label_Converting");
        QVERIFY(!child<ZoStyleButton>(progress, "pushButton_Cancel")->isVisible());
        TestSupport::saveToGallery(progress, "batch-progress-after-batch");
        click(progress, "pushButton_OpenFolder"); // the dialog stays open
        QVERIFY(progress->isVisible());
        click(progress, "pushButton_OK");
    });
    page.table.slot_StartConvert();
    QVERIFY(*done);

    QCOMPARE(texts, QStringList({"1/5", "2/5", "3/5", "4/5", "5/5"}));
    QCOMPARE(values, QList<int>({20, 40, 60, 80, 100}));
    QCOMPARE(message, QString("5 files have been successfully converted!"));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(QDir::cleanPath(opened.first().toLocalFile()), photos.outDir());

    const QStringList outputs = photos.outputs();
    QCOMPARE(outputs.size(), 5);
    for (const QString &name : outputs) {
        QVERIFY2(name.endsWith(".jpg"), qPrintable(name));
        QImage image(photos.outDir() + "/" + name);
        QCOMPARE(image.size(), QSize(64, 48));
    }
}

void TestBatchControl::failedFilesStillComplete_data()
{
    QTest::addColumn<int>("good");
    QTest::addColumn<int>("bad");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("failedMessage");
    QTest::newRow("one bad of five") << 4 << 1 << "4 files have been successfully converted!"
                                     << "1 file could not be converted.";
    QTest::newRow("one good") << 1 << 2 << "1 file has been successfully converted!"
                              << "2 files could not be converted.";
    QTest::newRow("all bad") << 0 << 3 << "0 files have been successfully converted!"
                             << "3 files could not be converted.";
}

void TestBatchControl::failedFilesStillComplete()
{
    QFETCH(int, good);
    QFETCH(int, bad);
    QFETCH(QString, message);
    QFETCH(QString, failedMessage);
    Photos photos;
    Page page;
    page.table.addFiles(photos.make(good, bad));
    page.table.setDecoder(realDecoder);
    page.table.slot_SavePath(photos.dir.path());
    page.checkAll(good + bad);

    const QString total = QString("%1/%1").arg(good + bad);
    QString progressText, shown, shownFailed;
    int value = -1;
    auto done = whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
        QTRY_VERIFY_WITH_TIMEOUT(child<ZoStyleButton>(progress, "pushButton_OK")->isVisible(), 60000);
        progressText = labelText(progress, "label_Progress");
        value = child<QProgressBar>(progress, "progressBar")->value();
        shown = labelText(progress, "label_Converting");
        shownFailed = labelText(progress, "label_NotConverted");
        click(progress, "pushButton_OK");
    });
    page.table.slot_StartConvert();
    QVERIFY(*done);
    QCOMPARE(progressText, total);
    QCOMPARE(value, 100);
    QCOMPARE(shown, message);
    QCOMPARE(shownFailed, failedMessage);
    QCOMPARE(photos.outputs().size(), good);
}

void TestBatchControl::existingJpegsAndTheReport_data()
{
    QTest::addColumn<int>("choice"); // the settings dialog's list, top to bottom
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QString>("notConverted");
    QTest::addColumn<int>("problemLines");
    QTest::newRow("keep both (as it opens)") << -1 << QStringList{"IMG_0 (2).jpg", "IMG_0.JPG", "IMG_1.jpg"}
                                             << "1 file could not be converted." << 1;
    // Replace writes the JPEG's own name; this file system keeps case apart.
    QTest::newRow("replace") << 1 << QStringList{"IMG_0.JPG", "IMG_0.jpg", "IMG_1.jpg"}
                             << "1 file could not be converted." << 1;
    QTest::newRow("skip") << 2 << QStringList{"IMG_0.JPG", "IMG_1.jpg"}
                          << "1 file could not be converted.\n1 file was skipped: a JPEG of that name exists." << 2;
}

void TestBatchControl::existingJpegsAndTheReport()
{
    QFETCH(int, choice);
    QFETCH(QStringList, outputs);
    QFETCH(QString, notConverted);
    QFETCH(int, problemLines);
    Photos photos;
    Page page;
    page.table.addFiles(photos.make(2, 1));
    page.table.setDecoder(realDecoder);
    page.table.slot_SavePath(photos.dir.path());
    QVERIFY(QDir().mkpath(photos.outDir()));
    {
        QFile camera(photos.outDir() + "/IMG_0.JPG"); // the camera's own, in another case
        QVERIFY(camera.open(QIODevice::WriteOnly));
        camera.write("the camera's JPEG");
    }
    page.checkAll(3);

    QString folderShown, savedIn, shownNotConverted, report;
    auto done = whenModal<QDialog>([&](QDialog *settings) {
        folderShown = child<QLabel>(settings, "label_OutputFolder")->toolTip();
        auto *box = child<QComboBox>(settings, "comboBox_Existing");
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(box->count(), 3);
        if (choice >= 0) {
            // As a user does it: open the list, go down, Enter.
            box->setFocus();
            for (int i = 0; i < choice; ++i)
                QTest::keyClick(box, Qt::Key_Down);
            QCOMPARE(box->currentIndex(), choice);
        }
        whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
            QTRY_VERIFY_WITH_TIMEOUT(child<ZoStyleButton>(progress, "pushButton_OK")->isVisible(), 60000);
            savedIn = child<QLabel>(progress, "label_SavedIn")->toolTip();
            shownNotConverted = labelText(progress, "label_NotConverted");
            auto *list = child<QPlainTextEdit>(progress, "plainTextEdit_Problems");
            QVERIFY(list->isVisible());
            QVERIFY(list->isReadOnly());
            QVERIFY(list->textInteractionFlags() & Qt::TextSelectableByMouse);
            report = list->toPlainText();
            click(progress, "pushButton_OK");
        });
        click(settings, "pushButton_Convert");
    });
    child<ZoStyleButton>(&page.table, "pushButton_Convert")->click();
    QVERIFY(*done);
    QCOMPARE(folderShown, photos.outDir());
    QCOMPARE(savedIn, "Saved in: " + photos.outDir());
    QCOMPARE(shownNotConverted, notConverted);
    QStringList written = photos.outputs();
    written.sort();
    QCOMPARE(written, outputs);
    const QStringList lines = report.split('\n');
    QCOMPARE(lines.size(), problemLines);
    QVERIFY2(lines.last().startsWith(photos.dir.path() + "/IMG_bad0.HEIC: not converted: "), qPrintable(report));
    if (problemLines == 2)
        QCOMPARE(lines.first(), photos.dir.path() + "/IMG_0.HEIC: skipped: " + photos.outDir() + "/IMG_0.jpg is already there");

    // The rows say so too: the bad photo's row carries its reason.
    auto *table = child<QTableWidget>(&page.table, "tableWidget");
    QCOMPARE(table->item(2, 1)->toolTip(), lines.last());
    QCOMPARE(table->item(1, 1)->toolTip(), photos.dir.path() + "/IMG_1.HEIC");
}

void TestBatchControl::cancelledNoticeListsTheFailures()
{
    // The unreadable photo goes first and fails; four good ones are then held
    // in the workers' hands and two stay queued when the batch is cancelled.
    Photos photos;
    Page page;
    GateOpener openAtEnd;
    page.table.addFiles(photos.make(6, 1));
    page.table.setDecoder(gatedDecoder);
    page.table.slot_SavePath(photos.dir.path());
    page.clickRow(6);
    page.checkAll(6);
    resetGate(1);

    QString converted, counts, report;
    bool listShown = false;
    auto done = whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
        QTRY_COMPARE_WITH_TIMEOUT(labelText(progress, "label_Progress"), QString("1/7"), 60000);
        QVERIFY(entered.tryAcquire(5, 30000)); // the failed one, 4 held
        whenModal<TipDialog>([&](TipDialog *confirm) {
            whenModal<TipDialog>([&](TipDialog *notice) {
                converted = labelText(notice, "label_SuccessText");
                counts = labelText(notice, "label_NotConverted");
                auto *list = child<QPlainTextEdit>(notice, "plainTextEdit_Problems");
                listShown = list->isVisible() && list->isReadOnly()
                            && (list->textInteractionFlags() & Qt::TextSelectableByMouse);
                report = list->toPlainText();
                TestSupport::saveToGallery(notice, "batch-cancelled-with-failures");
                click(notice, "pushButton_OK");
            }, 60000, confirm);
            click(confirm, "pushButton_Yes");
            gate.release(openGate);
        });
        click(progress, "pushButton_Cancel");
    });
    page.table.slot_StartConvert();
    QVERIFY(*done);
    QCOMPARE(converted, QString("4 files have been successfully converted."));
    QCOMPARE(counts, QString("1 file could not be converted."));
    QVERIFY(listShown);
    QVERIFY2(report.startsWith(photos.dir.path() + "/IMG_bad0.HEIC: not converted: "), qPrintable(report));
    QCOMPARE(report.count('\n'), 0);

    // The failed row carries its reason; the rows never started are not marked.
    auto *table = child<QTableWidget>(&page.table, "tableWidget");
    QCOMPARE(table->item(6, 1)->toolTip(), report);
    for (int row = 0; row < 6; ++row)
        QCOMPARE(table->item(row, 1)->toolTip(), photos.dir.path() + QString("/IMG_%1.HEIC").arg(row));
}

void TestBatchControl::cancelAfterTwo_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel button") << "Cancel";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("window manager's close") << "window manager";
}

void TestBatchControl::cancelAfterTwo()
{
    // Two conversions pass the gate; the four workers then hold four files and
    // two stay queued. Cancel drops those two; the four in hand are written
    // and counted, and the notice comes once the workers have stopped.
    QFETCH(QString, how);
    Photos photos;
    Page page;
    GateOpener openAtEnd;
    page.table.addFiles(photos.make(8));
    page.table.setDecoder(gatedDecoder);
    page.table.slot_SavePath(photos.dir.path());
    page.checkAll(8);
    resetGate(2);
    auto *convert = child<ZoStyleButton>(&page.table, "pushButton_Convert");

    QString cancellingText, cancelledText, convertedText, okCaption;
    int writtenAtNotice = -1;
    bool convertEnabledWhileCancelling = true;
    bool convertEnabledAtNotice = false;
    bool queueEmpty = false;
    auto done = whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
        QTRY_COMPARE_WITH_TIMEOUT(labelText(progress, "label_Progress"), QString("2/8"), 60000);
        QVERIFY(entered.tryAcquire(6, 30000)); // 2 passed, 4 held
        whenModal<TipDialog>([&](TipDialog *confirm) {
            whenModal<TipDialog>([&](TipDialog *notice) {
                cancelledText = labelText(notice, "label_StatesText");
                convertedText = labelText(notice, "label_SuccessText");
                okCaption = child<ZoStyleButton>(notice, "pushButton_OK")->text();
                writtenAtNotice = photos.outputs().size();
                convertEnabledAtNotice = convert->isEnabled();
                click(notice, "pushButton_OK");
            }, 60000, confirm);
            click(confirm, "pushButton_Yes");
            // The files in hand are still being finished: the dialog says so,
            // and the interface thread runs on meanwhile.
            cancellingText = labelText(progress, "label_Converting");
            convertEnabledWhileCancelling = convert->isEnabled();
            queueEmpty = !convertQueue().pop().has_value();
            TestSupport::saveToGallery(progress, "batch-progress-cancelling");
            gate.release(openGate);
        });
        if (how == "Cancel") {
            click(progress, "pushButton_Cancel");
        } else if (how == "Escape") {
            QTest::keyClick(progress, Qt::Key_Escape);
        } else {
            QCloseEvent close;
            QCoreApplication::sendEvent(progress->windowHandle(), &close);
        }
    });
    page.table.slot_StartConvert();
    QVERIFY(*done);
    QCOMPARE(cancellingText, QString("Cancelling: finishing the photos in hand..."));
    QVERIFY(!convertEnabledWhileCancelling);
    QVERIFY(queueEmpty);
    QCOMPARE(cancelledText, QString("Conversion Cancelled!"));
    QCOMPARE(convertedText, QString("6 files have been successfully converted."));
    QCOMPARE(writtenAtNotice, 6); // 2 before the cancel, 4 that were in hand
    QVERIFY(convertEnabledAtNotice);
    QCOMPARE(okCaption, QString("OK"));
    QTRY_VERIFY(page.table.findChildren<BatchConvertProgress *>().isEmpty());
    QVERIFY(page.table.findChildren<TipDialog *>().isEmpty());
    QCOMPARE(photos.outputs().size(), 6);

    // The next batch counts from 0.
    Photos more;
    page.table.addFiles(more.make(2, 0, "NEXT_"));
    page.table.slot_SavePath(more.dir.path());
    QVERIFY(page.table.checkedRowOrder().isEmpty()); // the rebuilt rows start unchecked
    page.clickRow(8);
    page.clickRow(9);
    QCOMPARE(page.table.checkedRowOrder(), QList<int>({8, 9}));

    QStringList texts;
    QString message;
    connect(&page.table, &HeicFileTable::signal_ConvertSuccessCount, this, [&] {
        texts << labelText(page.table.findChild<BatchConvertProgress *>(), "label_Progress");
    });
    auto second = whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
        QTRY_VERIFY_WITH_TIMEOUT(child<ZoStyleButton>(progress, "pushButton_OK")->isVisible(), 60000);
        message = labelText(progress, "label_Converting");
        click(progress, "pushButton_OK");
    });
    page.table.slot_StartConvert();
    QVERIFY(*second);
    QCOMPARE(texts, QStringList({"1/2", "2/2"}));
    QCOMPARE(message, QString("2 files have been successfully converted!"));
    QCOMPARE(photos.outputs().size(), 6);
    QCOMPARE(more.outputs().size(), 2);
}

void TestBatchControl::escapeAndNoLetsTheBatchComplete()
{
    Photos photos;
    Page page;
    GateOpener openAtEnd;
    page.table.addFiles(photos.make(3));
    page.table.setDecoder(gatedDecoder);
    page.table.slot_SavePath(photos.dir.path());
    page.checkAll(3);
    resetGate(0);

    QString message;
    bool visibleAfterNo = false;
    auto done = whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
        auto asked = whenModal<TipDialog>([](TipDialog *confirm) { click(confirm, "pushButton_OK"); });
        QTest::keyClick(progress, Qt::Key_Escape);
        QVERIFY(*asked);
        visibleAfterNo = progress->isVisible() && QApplication::activeModalWidget() == progress;
        gate.release(openGate);
        QTRY_VERIFY_WITH_TIMEOUT(child<ZoStyleButton>(progress, "pushButton_OK")->isVisible(), 60000);
        message = labelText(progress, "label_Converting");
        click(progress, "pushButton_OK");
    });
    page.table.slot_StartConvert();
    QVERIFY(*done);
    QVERIFY(visibleAfterNo);
    QCOMPARE(message, QString("3 files have been successfully converted!"));
    QCOMPARE(photos.outputs().size(), 3);
}

void TestBatchControl::settingsDialogShowsQualityInForce()
{
    Page page;
    int shown = -1;
    auto first = whenModal<QDialog>([&](QDialog *settings) {
        auto *slider = child<QSlider>(settings, "Slider");
        shown = slider->value();
        slider->setValue(35);
        settings->close();
    });
    page.table.slot_BatchConvert();
    QVERIFY(*first);
    QCOMPARE(shown, 100);

    auto second = whenModal<QDialog>([&](QDialog *settings) {
        shown = child<QSlider>(settings, "Slider")->value();
        settings->close();
    });
    page.table.slot_BatchConvert();
    QVERIFY(*second);
    QCOMPARE(shown, 35);
}

void TestBatchControl::nothingCheckedStartsNothing()
{
    Photos photos;
    Page page;
    page.table.addFiles(photos.make(1));
    auto shown = whenModal<BatchConvertProgress>([](BatchConvertProgress *progress) { progress->close(); }, 500);
    page.table.slot_StartConvert(); // a progress dialog would be closed and counted
    shown.cancel();
    QVERIFY(!*shown);
    QVERIFY(!convertQueue().pop().has_value());
}

void TestBatchControl::openFolder_data()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    QTest::addColumn<QString>("savePath");
    QTest::addColumn<QString>("folder");
    QTest::newRow("none chosen") << "" << desktop + "/Quorvix";
    QTest::newRow("a chosen folder") << "/mnt/Out" << "/mnt/Out/Quorvix";
    QTest::newRow("inside a Quorvix folder") << "/mnt/Quorvix/pics" << "/mnt/Quorvix/pics";
    QTest::newRow("Quorvix as a prefix") << "/mnt/QuorvixOld" << "/mnt/QuorvixOld";
    QTest::newRow("with blanks") << "/home/me/My Photos" << "/home/me/My Photos/Quorvix";
}

void TestBatchControl::openFolder()
{
    QFETCH(QString, savePath);
    QFETCH(QString, folder);
    Page page;
    if (!savePath.isEmpty())
        page.table.slot_SavePath(savePath);
    page.table.slot_OpenFolder();
    page.table.slot_OpenFolder(); // the completed folder is kept, not extended again
    QCOMPARE(opened.size(), 2);
    for (const QUrl &url : qAsConst(opened)) {
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), folder);
    }
}

void TestBatchControl::leavingThePageMidBatch()
{
    Photos photos;
    auto page = std::make_unique<Page>();
    GateOpener openAtEnd;
    page->table.addFiles(photos.make(8));
    page->table.setDecoder(gatedDecoder);
    page->table.slot_SavePath(photos.dir.path());
    page->checkAll(8);
    resetGate(0);

    auto running = whenModal<BatchConvertProgress>([&](BatchConvertProgress *progress) {
        QVERIFY(entered.tryAcquire(4, 30000)); // four files in hand
        gate.release(openGate);
        progress->hide(); // the page goes while its workers run
    });
    page->table.slot_StartConvert();
    QVERIFY(*running);
    page.reset();

    QVERIFY(!convertQueue().pop().has_value());
    const QStringList outputs = photos.outputs();
    QVERIFY2(outputs.size() >= 4, qPrintable(outputs.join(' ')));
    for (const QString &name : outputs) {
        QVERIFY2(name.endsWith(".jpg"), qPrintable(name)); // no temporary left over
        QCOMPARE(QImage(photos.outDir() + "/" + name).size(), QSize(64, 48));
    }
}

QTEST_MAIN(TestBatchControl)
#include "tst_batchcontrol.moc"
