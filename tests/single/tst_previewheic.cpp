#include "HEICTojpg.h"
#include "Heif2jpg.h"
#include "PhotoInfo.h"
#include "PreviewHEIC.h"
#include "SingleConverting.h"
#include "ThumbnailLoader.h"
#include "ZoMessageBox.h"
#include "desktopopener.h"
#include "filedialogs.h"
#include "heicfixture.h"
#include "simulatedinput.h"
#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace {

// A stand-in for the decoder library. Its input files start with
// "FAKE <width> <height> <delay ms>" (or "FAKE broken") and it answers with a
// flat JPEG of that size, so the page can be driven with any photo size fast.
// A delay of -1 holds the decode until fakeGateOpen is set (30 s at most).
std::atomic<int> fakeCallsStarted{0};
std::atomic<bool> fakeGateOpen{true};
std::atomic<int> fakeCallsFinished{0};
std::atomic<int> fakeLastQuality{-1};

int32_t fakeDecoder(const unsigned char *input, int32_t inputLength, int32_t quality, unsigned char *output,
                    int32_t outputCapacity, const char *)
{
    ++fakeCallsStarted;
    fakeLastQuality = quality;
    char header[64] = {};
    std::memcpy(header, input, size_t(qMin<int32_t>(inputLength, sizeof header - 1)));
    int width = 0, height = 0, delayMs = 0;
    int32_t result = 0;
    if (std::sscanf(header, "FAKE %d %d %d", &width, &height, &delayMs) == 3) {
        if (delayMs >= 0)
            QThread::msleep(ulong(delayMs));
        for (QDeadlineTimer held(30000); delayMs < 0 && !fakeGateOpen && !held.hasExpired();)
            QThread::msleep(5);
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(70, 140, 210));
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 90);
        if (std::strstr(header, " TAKEN")) {
            // EXIF whose DateTimeOriginal says 2021:07:04 09:30:00.
            const char tiff[] = "MM\0\x2A\0\0\0\x08"
                                "\0\x01" "\x87\x69\0\x04\0\0\0\x01\0\0\0\x1A" "\0\0\0\0"
                                "\0\x01" "\x90\x03\0\x02\0\0\0\x14\0\0\0\x2C" "\0\0\0\0"
                                "2021:07:04 09:30:00";
            const QByteArray payload = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff);
            QByteArray app1("\xFF\xE1", 2);
            app1.append(char((payload.size() + 2) >> 8)).append(char((payload.size() + 2) & 0xFF)).append(payload);
            jpeg.insert(2, app1);
        }
        result = jpeg.size();
        if (result <= outputCapacity)
            std::memcpy(output, jpeg.constData(), size_t(jpeg.size()));
    }
    ++fakeCallsFinished;
    return result;
}

bool writeFakePhoto(const QString &path, int width, int height, int delayMs = 0)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray content = QByteArray("FAKE ") + QByteArray::number(width) + ' ' + QByteArray::number(height)
                         + ' ' + QByteArray::number(delayMs);
    content.append(4096 - content.size(), '\0');
    return file.write(content) == content.size();
}

bool writeBytes(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QByteArray(int(size), 'x')) == size;
}

QLabel *previewBox(PreviewHEIC *page)
{
    return page->findChild<QLabel *>("label_HEIC");
}

QPushButton *convertButton(PreviewHEIC *page)
{
    return page->findChild<QPushButton *>("pushButton_Convert");
}

// Waits, bounded, until every decode the page started has ended and its
// result has been handled.
bool waitForDecodes(PreviewHEIC *page, int timeoutMs = 60000)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        bool allDone = true;
        for (HEICTojpg *thread : page->findChildren<HEICTojpg *>())
            allDone = allDone && thread->isFinished();
        if (allDone) {
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            return true;
        }
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
}

// Answers each done dialog as a user would: optionally "Open Folder", then
// "OK"; and each message box with "OK", keeping its text.
class DoneDialogAnswerer : public QObject
{
public:
    explicit DoneDialogAnswerer(bool openFolder) : m_openFolder(openFolder)
    {
        m_poll.setInterval(20);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<ZoMessageBox *>(w);
                if (box && box->isVisible() && !m_answeredBoxes.contains(box)) {
                    m_answeredBoxes.append(box);
                    // Paths carry zero-width break points for wrapping.
                    m_messages.append(box->findChild<QLabel *>("label")->text().remove(QChar(0x200B)));
                    if (!m_boxPicture.isEmpty())
                        TestSupport::saveToGallery(box, m_boxPicture);
                    QTest::mouseClick(box->findChild<QPushButton *>("pushButton_ok"), Qt::LeftButton);
                    continue;
                }
                auto *dialog = qobject_cast<SingleConverting *>(w);
                if (!dialog || !dialog->isVisible() || m_answered.contains(dialog))
                    continue;
                m_answered.append(dialog);
                if (auto *saved = dialog->findChild<QLabel *>("label_SavedAs"))
                    m_savedAs.append(saved->toolTip());
                if (m_openFolder)
                    QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton_OpenFolder"), Qt::LeftButton);
                QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton_Ok"), Qt::LeftButton);
            }
        });
        m_poll.start();
    }
    int answered() const { return m_answered.size(); }
    QStringList messages() const { return m_messages; }
    QStringList savedAs() const { return m_savedAs; }
    void setBoxPicture(const QString &name) { m_boxPicture = name; }

private:
    bool m_openFolder;
    QTimer m_poll;
    QList<QPointer<SingleConverting>> m_answered;
    QList<QPointer<ZoMessageBox>> m_answeredBoxes;
    QStringList m_messages;
    QStringList m_savedAs;
    QString m_boxPicture;
};

QStringList photoInfo(PreviewHEIC *page)
{
    QStringList texts;
    auto connection = QObject::connect(page, &PreviewHEIC::signal_PhotoInfo, page,
                                       [&](const QString &a, const QString &b, const QString &c, const QString &d) {
                                           texts = QStringList{a, b, c, d};
                                       });
    page->slot_PhotoInfo();
    QObject::disconnect(connection);
    return texts;
}

QString desktopDir()
{
    return QDir::homePath() + QStringLiteral("/Desktop");
}

bool hasSegment(const QByteArray &jpeg, const QByteArray &tag)
{
    return jpeg.left(64 * 1024 * 4).contains(tag);
}

} // namespace

class TestPreviewHEIC : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void form();
    void scaling_data();
    void scaling();
    void fileInformation_data();
    void fileInformation();
    void defaultFolderOnFirstConversion();
    void chosenFolder_data();
    void chosenFolder();
    void qualityReachesDecoder();
    void convertOnlyWhenThereIsWorkToDo();
    void undecodablePhotoSaysWhy_data();
    void undecodablePhotoSaysWhy();
    void conversionFailureSaysWhereAndWhy_data();
    void conversionFailureSaysWhereAndWhy();
    void droppedPhotoReplacesShownOne();
    void inputInTargetFolderIsKept();
    void thumbnailShowsFirstThenTheFullDecode();
    void lateThumbnailNeverCoversThePhoto();
    void photoInfoWaitsForTheFullDecode_data();
    void photoInfoWaitsForTheFullDecode();
    void createdDateIsWhenThePhotoWasTaken();
    void existingJpeg_data();
    void existingJpeg();
    void destroyedWhileDecoding_data();
    void destroyedWhileDecoding();
    void fixtureEndToEnd();
    void realPhotoEndToEnd();

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QList<QUrl> m_opened;
};

void TestPreviewHEIC::init()
{
    m_dir.reset(new QTemporaryDir);
    QVERIFY(m_dir->isValid());
    QDir(desktopDir()).removeRecursively();
    m_opened.clear();
    DesktopOpener::setOpener([this](const QUrl &url) {
        m_opened.append(url);
        return true;
    });
}

void TestPreviewHEIC::cleanup()
{
    fakeGateOpen = true;
    DesktopOpener::setOpener({});
    FileDialogs::setHooks({});
}

void TestPreviewHEIC::form()
{
    PreviewHEIC page(path("none.HEIC"));
    QCOMPARE(page.size(), QSize(1000, 569));
    QCOMPARE(previewBox(&page)->size(), QSize(510, 340));
    QCOMPARE(page.findChild<QPushButton *>("pushButton_PhotoInfo")->text(), QString("Photo Info"));
    QCOMPARE(page.findChild<QLabel *>("label_Format")->text(), QString("JPG/JEPG"));
    QCOMPARE(page.findChild<QLabel *>("label_QualityValue")->text(), QString("100%"));
    QCOMPARE(convertButton(&page)->text(), QString("Convert"));
    QCOMPARE(convertButton(&page)->font().pixelSize(), 18);
    QCOMPARE(page.findChild<QLabel *>("label_SaveFile")->font().pixelSize(), 16);

    auto *slider = page.findChild<QSlider *>("Slider_PhotoQuality");
    QCOMPARE(slider->value(), 100);
    slider->setValue(0);
    QCOMPARE(page.findChild<QLabel *>("label_QualityValue")->text(), QString("0%"));
    QCOMPARE(page.photoQuality(), 0);
    slider->setValue(-5);
    QCOMPARE(page.photoQuality(), 0);
    slider->setValue(150);
    QCOMPARE(page.photoQuality(), 100);
    QCOMPARE(page.findChild<QLabel *>("label_QualityValue")->text(), QString("100%"));

    // The folder button's caption turns white while hovered.
    auto *folder = page.findChild<QPushButton *>("pushButton_SelectFolder");
    QVERIFY(folder->testAttribute(Qt::WA_Hover));
    QHoverEvent enter(QEvent::HoverEnter, QPointF(5, 5), QPointF(-1, -1));
    QCoreApplication::sendEvent(folder, &enter);
    QCOMPARE(folder->styleSheet(), QString("color:#ffffff"));
    QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(5, 5));
    QCoreApplication::sendEvent(folder, &leave);
    QCOMPARE(folder->styleSheet(), QString("color:#3598fe"));
}

void TestPreviewHEIC::scaling_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("4032x3024 fits the height") << QSize(4032, 3024) << QSize(453, 340);
    QTest::newRow("3024x1512 fits the width") << QSize(3024, 1512) << QSize(510, 255);
    QTest::newRow("510x340 tie, unchanged") << QSize(510, 340) << QSize(510, 340);
    QTest::newRow("small photo enlarged") << QSize(102, 50) << QSize(510, 250);
}

void TestPreviewHEIC::scaling()
{
    QFETCH(QSize, photo);
    QFETCH(QSize, shown);
    QVERIFY(writeFakePhoto(path("IMG_1.HEIC"), photo.width(), photo.height()));
    PreviewHEIC page(path("IMG_1.HEIC"));
    page.setDecoder(fakeDecoder);
    page.setDecoder(nullptr); // a null decoder leaves the one given before
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));

    // The photo fills the box in device pixels and is marked with their
    // ratio: at 200 % it is not the 1x picture doubled (tst_previewheic_2x).
    const QPixmap preview = previewBox(&page)->pixmap(Qt::ReturnByValue);
    const qreal ratio = previewBox(&page)->devicePixelRatioF();
    QCOMPARE(preview.devicePixelRatio(), ratio);
    QVERIFY2(qAbs(preview.width() - shown.width() * ratio) <= 1
                 && qAbs(preview.height() - shown.height() * ratio) <= 1,
             qPrintable(QString("%1x%2 at ratio %3").arg(preview.width()).arg(preview.height()).arg(ratio)));
    QCOMPARE(previewBox(&page)->alignment(), Qt::Alignment(Qt::AlignCenter));
    QCOMPARE(photoInfo(&page).value(3),
             QString("%1*%2").arg(photo.width()).arg(photo.height()));
}

void TestPreviewHEIC::fileInformation_data()
{
    QTest::addColumn<qint64>("bytes"); // -1: no file
    QTest::addColumn<QString>("sizeText");
    QTest::newRow("1.5 MiB") << qint64(1572864) << "1.50MB";
    QTest::newRow("5000 bytes") << qint64(5000) << "0.00MB";
    QTest::newRow("missing file") << qint64(-1) << "";
}

void TestPreviewHEIC::fileInformation()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, sizeText);
    const QString file = path("IMG_1.HEIC");
    if (bytes >= 0)
        QVERIFY(writeBytes(file, bytes));

    PreviewHEIC page(file);
    const QStringList info = photoInfo(&page);
    QCOMPARE(info.size(), 4);
    QCOMPARE(info[0], bytes >= 0 ? QString("IMG_1.HEIC") : QString());
    QCOMPARE(info[2], sizeText);
    if (bytes >= 0) {
        // A file made just now: today's (or, across midnight, yesterday's) date.
        const QString today = QDate::currentDate().toString("MM-dd-yyyy");
        const QString yesterday = QDate::currentDate().addDays(-1).toString("MM-dd-yyyy");
        QVERIFY2(info[1] == today || info[1] == yesterday, qPrintable(info[1]));
    } else {
        QCOMPARE(info[1], QString());
    }
    QCOMPARE(info[3], QString()); // no decode result yet
}

void TestPreviewHEIC::defaultFolderOnFirstConversion()
{
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 640, 480));
    QVERIFY(!QFileInfo::exists(desktopDir()));
    PreviewHEIC page(path("IMG_7.HEIC"));
    page.setDecoder(fakeDecoder);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));

    DoneDialogAnswerer answerer(/*openFolder=*/true);
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));
    QTRY_COMPARE(answerer.answered(), 1);

    const QString folder = desktopDir() + "/Quorvix";
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"IMG_7.jpg"});
    QCOMPARE(QImage(folder + "/IMG_7.jpg").size(), QSize(640, 480));
    QCOMPARE(page.outputFolder(), folder);
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
    // Photo Info goes on describing the photo, not the file written.
    QCOMPARE(photoInfo(&page).value(0), QString("IMG_7.HEIC"));
    QCOMPARE(photoInfo(&page).value(3), QString("640*480"));
    QCOMPARE(page.findChildren<SingleConverting *>().size(), 1);
}

void TestPreviewHEIC::chosenFolder_data()
{
    QTest::addColumn<QString>("chosen");   // relative to the temporary folder
    QTest::addColumn<QString>("written");
    QTest::newRow("drive root") << "D:/" << "D:/Quorvix/IMG_7.jpg";
    QTest::newRow("plain folder") << "out" << "out/Quorvix/IMG_7.jpg";
    QTest::newRow("already Quorvix") << "Quorvix" << "Quorvix/IMG_7.jpg";
}

void TestPreviewHEIC::chosenFolder()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    // "D:/" is a relative folder here; run in the temporary folder.
    const QString previousCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    const QString parent = chosen.endsWith(":/") ? chosen.left(chosen.size() - 1) : chosen;
    QVERIFY(QDir().mkpath(parent));
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 64, 48));

    struct Ask { QString caption, dir; QFileDialog::Options options; };
    QList<Ask> asked;
    // The dialog answers with absolute folders, as Qt's does; "D:/" stays as it is.
    QStringList answers{QString(), chosen.endsWith(":/") ? chosen : m_dir->filePath(chosen)};
    FileDialogs::Hooks hooks;
    hooks.existingDirectory = [&](QWidget *, const QString &caption, const QString &dir, QFileDialog::Options options) {
        asked.append({caption, dir, options});
        return answers.takeFirst();
    };
    FileDialogs::setHooks(hooks);

    PreviewHEIC page(path("IMG_7.HEIC"));
    page.setDecoder(fakeDecoder);
    auto *folderButton = page.findChild<QPushButton *>("pushButton_SelectFolder");
    QTest::mouseClick(folderButton, Qt::LeftButton); // cancelled: nothing changes
    QTest::mouseClick(folderButton, Qt::LeftButton);
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0].caption, QString("Save Path"));
    QCOMPARE(asked[0].dir, QString());
    QCOMPARE(asked[0].options, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    QCOMPARE(asked[1].dir, QString()); // the cancelled dialog left no start folder

    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));
    DoneDialogAnswerer answerer(true);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));
    QTRY_COMPARE(answerer.answered(), 1);

    QVERIFY2(QFileInfo(m_dir->filePath(written)).isFile(), qPrintable(written));
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened[0].toLocalFile(), QDir::cleanPath(m_dir->filePath(written + "/..")));
    QVERIFY(QDir::setCurrent(previousCurrent));
}

void TestPreviewHEIC::qualityReachesDecoder()
{
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 64, 48));
    PreviewHEIC page(path("IMG_7.HEIC"));
    page.setDecoder(fakeDecoder);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));
    QCOMPARE(fakeLastQuality.load(), 100);

    page.findChild<QSlider *>("Slider_PhotoQuality")->setValue(0);
    DoneDialogAnswerer answerer(false);
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));
    QTRY_COMPARE(answerer.answered(), 1);
    QCOMPARE(fakeLastQuality.load(), 0);
}

void TestPreviewHEIC::convertOnlyWhenThereIsWorkToDo()
{
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 300, 200, 200));
    PreviewHEIC page(path("IMG_7.HEIC"));
    page.setDecoder(fakeDecoder);
    page.show();
    QPushButton *convert = convertButton(&page);
    QVERIFY(!convert->isEnabled()); // nothing decoded yet

    // While the preview decodes the box says so, and Convert does nothing.
    const int started = fakeCallsStarted;
    page.slot_Preview();
    QCOMPARE(previewBox(&page)->text(), QString("Loading…"));
    TestSupport::saveToGallery(&page, "single-preview-page-loading");
    QVERIFY(!convert->isEnabled());
    QTest::mouseClick(convert, Qt::LeftButton);
    page.slot_Preview(); // a second start is refused as well
    QVERIFY(waitForDecodes(&page));
    QCOMPARE(fakeCallsStarted.load(), started + 1);
    QCOMPARE(previewBox(&page)->pixmap(Qt::ReturnByValue).size(), QSize(510, 340));
    QVERIFY(previewBox(&page)->text().isEmpty());
    QVERIFY(convert->isEnabled());

    // A double click converts once: the second click meets a disabled button,
    // which stays so until the decode and the write have ended.
    DoneDialogAnswerer answerer(false);
    QTest::mouseClick(convert, Qt::LeftButton);
    QVERIFY(!convert->isEnabled());
    QCOMPARE(convert->text(), QString("Converting…"));
    TestSupport::saveToGallery(&page, "single-preview-page-converting");
    QTest::mouseClick(convert, Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));
    QTRY_COMPARE(answerer.answered(), 1);
    QCOMPARE(fakeCallsStarted.load(), started + 2);
    QCOMPARE(page.findChildren<SingleConverting *>().size(), 1);
    QCOMPARE(QImage(desktopDir() + "/Quorvix/IMG_7.jpg").size(), QSize(300, 200));
    QVERIFY(convert->isEnabled());
    QCOMPARE(convert->text(), QString("Convert"));

    // Space on the focused button converts again, once.
    convert->setFocus();
    QTest::keyClick(convert, Qt::Key_Space);
    QTest::keyClick(convert, Qt::Key_Space);
    QVERIFY(waitForDecodes(&page));
    QTRY_COMPARE(answerer.answered(), 2);
    QCOMPARE(fakeCallsStarted.load(), started + 3);
    QCOMPARE(page.findChildren<SingleConverting *>().size(), 1); // done dialogs do not pile up
}

void TestPreviewHEIC::undecodablePhotoSaysWhy_data()
{
    QTest::addColumn<QByteArray>("content"); // "-" for no file at all
    QTest::addColumn<bool>("withDecoder");
    QTest::addColumn<QString>("reason");
    QTest::newRow("damaged photo") << QByteArray("FAKE broken") << true << "the decoder returned no image";
    QTest::newRow("empty file") << QByteArray() << true << "the file is empty";
    QTest::newRow("missing file") << QByteArray("-") << true << "the file does not exist";
    QTest::newRow("no decoder library") << QByteArray("FAKE 64 48 0") << false << "no decoder";
}

void TestPreviewHEIC::undecodablePhotoSaysWhy()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, withDecoder);
    QFETCH(QString, reason);
    const QString file = path("IMG_7.HEIC");
    if (content != "-") {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    PreviewHEIC page(file);
    if (withDecoder)
        page.setDecoder(fakeDecoder);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));

    // The box says that the photo cannot be used, and why.
    QVERIFY(previewBox(&page)->pixmap(Qt::ReturnByValue).isNull());
    const QString shown = previewBox(&page)->text();
    QVERIFY2(shown.startsWith("This photo cannot be shown or converted.") && shown.contains(reason),
             qPrintable(shown));
    const QStringList info = photoInfo(&page);
    QCOMPARE(info.value(3), QString("Unknown (not decoded)"));
    if (QTest::currentDataTag() == QLatin1String("damaged photo")) {
        TestSupport::saveToGallery(&page, "single-preview-page-undecodable");
        PhotoInfo dialog;
        dialog.setName(info[0]);
        dialog.setCreateDate(info[1]);
        dialog.setFileSize(info[2]);
        dialog.setResolution(info[3]);
        TestSupport::saveToGallery(&dialog, "single-photo-info-undecodable");
    }

    // Convert stays disabled; even a direct start converts nothing.
    QVERIFY(!convertButton(&page)->isEnabled());
    const int started = fakeCallsStarted;
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));
    QCOMPARE(fakeCallsStarted.load(), started);
    QVERIFY(page.findChildren<SingleConverting *>().isEmpty());
    QVERIFY(!QFileInfo::exists(desktopDir() + "/Quorvix"));
}

void TestPreviewHEIC::conversionFailureSaysWhereAndWhy_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("where");   // relative to the temporary folder, "~" for the desktop
    QTest::addColumn<QString>("why");
    QTest::newRow("target name taken by a folder")
        << "target is a folder" << "~/Quorvix/IMG_7.jpg" << "IMG_7.jpg could not be saved.";
    QTest::newRow("folder cannot be made")
        << "chosen folder is a file" << "blocker/Quorvix/IMG_7.jpg" << "could not be created";
    const QString deep = "Photos from the summer holiday/Second week by the sea/Evening walks/";
    QTest::newRow("deep folder cannot be made")
        << "chosen folder is a file" << deep + "blocker/Quorvix/IMG_7.jpg" << "could not be created";
    QTest::newRow("photo gone before converting")
        << "photo removed" << "IMG_7.HEIC" << "the file does not exist";
}

void TestPreviewHEIC::conversionFailureSaysWhereAndWhy()
{
    QFETCH(QString, fault);
    QFETCH(QString, where);
    QFETCH(QString, why);
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 640, 480));
    if (fault == "target is a folder")
        QVERIFY(QDir().mkpath(desktopDir() + "/Quorvix/IMG_7.jpg"));
    PreviewHEIC page(path("IMG_7.HEIC"));
    page.setDecoder(fakeDecoder);
    if (fault == "target is a folder") // only Replace writes to the name itself
        page.findChild<QComboBox *>("comboBox_Existing")->setCurrentIndex(1);
    if (fault == "chosen folder is a file") {
        const QString blocker = path(where.left(where.indexOf("/Quorvix/")));
        QVERIFY(QDir().mkpath(QFileInfo(blocker).path()));
        QVERIFY(writeBytes(blocker, 10));
        FileDialogs::Hooks hooks;
        hooks.existingDirectory = [=](QWidget *, const QString &, const QString &, QFileDialog::Options) {
            return blocker;
        };
        FileDialogs::setHooks(hooks);
        page.slot_SelectSaveFolder();
    }
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));
    if (fault == "photo removed")
        QVERIFY(QFile::remove(path("IMG_7.HEIC")));

    DoneDialogAnswerer answerer(false);
    answerer.setBoxPicture(QStringLiteral("single-preview-failure-") + QTest::currentDataTag());
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));
    QTRY_COMPARE(answerer.messages().size(), 1);

    const QFileInfo expectedWhere(where.startsWith("~") ? desktopDir() + where.mid(1) : path(where));
    const QString message = answerer.messages().at(0);
    QVERIFY2(message.startsWith(expectedWhere.fileName() + " could not be")
                 && message.contains("Folder: " + QDir::toNativeSeparators(expectedWhere.path()))
                 && message.contains(why),
             qPrintable(message));
    QCOMPARE(answerer.answered(), 0);
    QVERIFY(page.findChildren<SingleConverting *>().isEmpty());
    QVERIFY(convertButton(&page)->isEnabled());
    if (fault == "target is a folder") {
        // Nothing half-written or temporary is left behind.
        QCOMPARE(QDir(desktopDir() + "/Quorvix").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"IMG_7.jpg"});
        QVERIFY(QFileInfo(desktopDir() + "/Quorvix/IMG_7.jpg").isDir());
    }
}

void TestPreviewHEIC::droppedPhotoReplacesShownOne()
{
    QVERIFY(writeFakePhoto(path("first.HEIC"), 640, 480));
    QVERIFY(writeFakePhoto(path("slow.heic"), 300, 300, 300));
    QVERIFY(writeFakePhoto(path("second.heic"), 3024, 1512));
    QVERIFY(writeBytes(path("notes.txt"), 10));
    PreviewHEIC page(path("first.HEIC"));
    page.setDecoder(fakeDecoder);
    page.show();
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));

    // Not a photo: refused at the door, nothing changes.
    QVERIFY(!dropFiles(previewBox(&page), {path("notes.txt"), path("second.heic")}));
    QCOMPARE(photoInfo(&page).value(0), QString("first.HEIC"));

    // A photo dropped while the previous drop still decodes: the earlier
    // result, arriving late, is not shown.
    QVERIFY(dropFiles(previewBox(&page), {path("slow.heic")}));
    QCOMPARE(previewBox(&page)->text(), QString("Loading…"));
    QVERIFY(!convertButton(&page)->isEnabled());
    QVERIFY(dropFiles(previewBox(&page), {path("second.heic"), path("first.HEIC")}));
    QVERIFY(waitForDecodes(&page));
    QCOMPARE(previewBox(&page)->pixmap(Qt::ReturnByValue).size(), QSize(510, 255));
    QCOMPARE(photoInfo(&page).value(0), QString("second.heic"));
    QCOMPARE(photoInfo(&page).value(3), QString("3024*1512"));
    QVERIFY(convertButton(&page)->isEnabled());
    TestSupport::saveToGallery(&page, "single-preview-page-dropped");

    DoneDialogAnswerer answerer(false);
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));
    QTRY_COMPARE(answerer.answered(), 1);
    QCOMPARE(QDir(desktopDir() + "/Quorvix").entryList(QDir::Files), QStringList{"second.jpg"});
}

void TestPreviewHEIC::inputInTargetFolderIsKept()
{
    // Converting a photo inside the output folder must never replace the
    // photo with its JPEG (b.Heic becomes b.jpg beside it).
    const QString folder = m_dir->filePath("Quorvix");
    QVERIFY(QDir().mkpath(folder));
    const QString input = folder + "/b.Heic";
    QVERIFY(writeFakePhoto(input, 64, 48));
    QFile original(input);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();

    FileDialogs::Hooks hooks;
    hooks.existingDirectory = [&](QWidget *, const QString &, const QString &, QFileDialog::Options) { return folder; };
    FileDialogs::setHooks(hooks);
    PreviewHEIC page(input);
    page.setDecoder(fakeDecoder);
    page.slot_SelectSaveFolder();
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));
    DoneDialogAnswerer answerer(false);
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));
    QTRY_COMPARE(answerer.answered(), 1);

    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(original.readAll(), before);
    const QStringList written = QDir(folder).entryList(QDir::Files);
    QCOMPARE(written.size(), 2);
    const QString jpeg = written.at(written.at(0) == "b.Heic" ? 1 : 0);
    QCOMPARE(QImage(folder + "/" + jpeg).size(), QSize(64, 48));
    QCOMPARE(photoInfo(&page).value(0), QString("b.Heic"));
}

// A stand-in thumbnail source: a red 20 x 10 JPEG for any input.
int32_t redThumbnail(const unsigned char *, int32_t, int32_t, unsigned char *output, int32_t capacity)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    if (jpeg.size() <= capacity)
        std::memcpy(output, jpeg.constData(), size_t(jpeg.size()));
    return jpeg.size();
}

void TestPreviewHEIC::thumbnailShowsFirstThenTheFullDecode()
{
    QVERIFY(writeFakePhoto(path("slow.HEIC"), 640, 480, -1));
    fakeGateOpen = false;
    PreviewHEIC page(path("slow.HEIC"));
    page.setDecoder(fakeDecoder);
    page.setThumbnailSource(redThumbnail);
    page.slot_Preview();
    QLabel *box = previewBox(&page);
    // The thumbnail, scaled into the box; Convert waits for the full decode.
    QTRY_VERIFY(!box->pixmap(Qt::ReturnByValue).isNull());
    const QColor shown = box->pixmap(Qt::ReturnByValue).toImage().pixelColor(5, 5);
    QVERIFY(shown.red() > 240 && shown.green() < 16 && shown.blue() < 16);
    QVERIFY(!convertButton(&page)->isEnabled());
    fakeGateOpen = true;
    QVERIFY(waitForDecodes(&page));
    QTRY_VERIFY(convertButton(&page)->isEnabled());
    const QColor full = box->pixmap(Qt::ReturnByValue).toImage().pixelColor(5, 5);
    QVERIFY(qAbs(full.red() - 70) < 8 && qAbs(full.blue() - 210) < 8);
}

// A thumbnail source held until told: a red thumbnail after the release.
QSemaphore thumbnailGate;
int32_t heldRedThumbnail(const unsigned char *input, int32_t length, int32_t quality, unsigned char *output,
                         int32_t capacity)
{
    thumbnailGate.tryAcquire(1, 30000);
    return redThumbnail(input, length, quality, output, capacity);
}

void TestPreviewHEIC::lateThumbnailNeverCoversThePhoto()
{
    QVERIFY(writeFakePhoto(path("quick.HEIC"), 640, 480));
    PreviewHEIC page(path("quick.HEIC"));
    page.setDecoder(fakeDecoder);
    page.setThumbnailSource(heldRedThumbnail);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));
    QTRY_VERIFY(convertButton(&page)->isEnabled());
    QPointer<ThumbnailLoader> load = page.findChild<ThumbnailLoader *>();
    thumbnailGate.release();
    if (load)
        QVERIFY(load->wait(30000));
    QCoreApplication::processEvents();
    const QColor shown = previewBox(&page)->pixmap(Qt::ReturnByValue).toImage().pixelColor(5, 5);
    QVERIFY(qAbs(shown.red() - 70) < 8 && qAbs(shown.blue() - 210) < 8);
}

void TestPreviewHEIC::photoInfoWaitsForTheFullDecode_data()
{
    QTest::addColumn<QByteArray>("photo"); // held at the gate until opened
    QTest::addColumn<QString>("resolution");
    QTest::newRow("decodes") << QByteArray("FAKE 640 480 -1") << "640*480";
    QTest::newRow("does not decode") << QByteArray("FAKE 0 0 -1") << "Unknown (not decoded)";
}

void TestPreviewHEIC::photoInfoWaitsForTheFullDecode()
{
    QFETCH(QByteArray, photo);
    QFETCH(QString, resolution);
    for (const char *name : {"first.HEIC", "second.HEIC"}) {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(photo + QByteArray(4096 - photo.size(), '\0'));
    }
    fakeGateOpen = false;
    PreviewHEIC page(path("first.HEIC"));
    page.setDecoder(fakeDecoder);
    page.setThumbnailSource(redThumbnail);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    page.slot_Preview();
    auto *info = page.findChild<QPushButton *>("pushButton_PhotoInfo");
    auto *slider = page.findChild<QSlider *>("Slider_PhotoQuality");

    // While only the thumbnail is shown, Photo Info tells nothing (its
    // resolution would be the thumbnail's); the focus stands in on the
    // next control and comes back once the decode has ended.
    QTRY_VERIFY(!previewBox(&page)->pixmap(Qt::ReturnByValue).isNull());
    QVERIFY(!info->isEnabled());
    QVERIFY(photoInfo(&page).isEmpty());
    fakeGateOpen = true;
    QVERIFY(waitForDecodes(&page));
    QTRY_VERIFY(info->isEnabled());
    QCOMPARE(photoInfo(&page).value(3), resolution);
    QCOMPARE(page.focusWidget(), info);

    // Another photo opened from Photo Info: the same wait. Had the user
    // moved the slider meanwhile, the focus stays there.
    for (bool sliderUsed : {false, true}) {
        info->setFocus();
        fakeGateOpen = false;
        page.openPhoto(path(sliderUsed ? "first.HEIC" : "second.HEIC"));
        QVERIFY(!info->isEnabled());
        QVERIFY(photoInfo(&page).isEmpty());
        QCOMPARE(page.focusWidget(), slider);
        if (sliderUsed)
            slider->setValue(80);
        fakeGateOpen = true;
        QVERIFY(waitForDecodes(&page));
        QTRY_VERIFY(info->isEnabled());
        QCOMPARE(photoInfo(&page).value(0), QString(sliderUsed ? "first.HEIC" : "second.HEIC"));
        QCOMPARE(page.focusWidget(), sliderUsed ? static_cast<QWidget *>(slider) : info);
    }
}

void TestPreviewHEIC::createdDateIsWhenThePhotoWasTaken()
{
    QVERIFY(writeFakePhoto(path("plain.HEIC"), 64, 48));
    {
        QFile taken(path("taken.HEIC"));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("FAKE 64 48 0 TAKEN");
    }
    for (const QString &name : {QString("taken.HEIC"), QString("plain.HEIC")}) {
        PreviewHEIC page(path(name));
        page.setDecoder(fakeDecoder);
        page.slot_Preview();
        QVERIFY(waitForDecodes(&page));
        const QString fileDate = QFileInfo(path(name)).birthTime().isValid()
                                     ? QFileInfo(path(name)).birthTime().toLocalTime().toString("MM-dd-yyyy")
                                     : QFileInfo(path(name)).metadataChangeTime().toLocalTime().toString("MM-dd-yyyy");
        QCOMPARE(photoInfo(&page).value(1), name == "taken.HEIC" ? QString("07-04-2021") : fileDate);
    }
}

void TestPreviewHEIC::existingJpeg_data()
{
    QTest::addColumn<int>("choice"); // the page's list, top to bottom
    QTest::addColumn<QString>("written");
    QTest::newRow("keep both") << 0 << "IMG_7 (2).jpg";
    QTest::newRow("replace") << 1 << "IMG_7.jpg";
    QTest::newRow("skip") << 2 << "";
}

void TestPreviewHEIC::existingJpeg()
{
    QFETCH(int, choice);
    QFETCH(QString, written);
    const QString folder = desktopDir() + "/Quorvix";
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(writeBytes(folder + "/IMG_7.jpg", 10)); // a JPEG from another day
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 64, 48));
    PreviewHEIC page(path("IMG_7.HEIC"));
    page.setDecoder(fakeDecoder);
    // The page shows where the JPEG goes before anything is converted.
    QCOMPARE(page.findChild<QLabel *>("label_OutputFolder")->toolTip(), QDir::toNativeSeparators(folder));
    auto *box = page.findChild<QComboBox *>("comboBox_Existing");
    QCOMPARE(box->currentText(), QString("Keep both"));
    box->setFocus();
    for (int i = 0; i < choice; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentIndex(), choice);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));

    DoneDialogAnswerer answerer(false);
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));
    if (written.isEmpty()) {
        QTRY_COMPARE(answerer.messages().size(), 1);
        QVERIFY2(answerer.messages().first().startsWith("IMG_7.jpg is already there"),
                 qPrintable(answerer.messages().first()));
        QCOMPARE(QFileInfo(folder + "/IMG_7.jpg").size(), 10);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"IMG_7.jpg"});
        return;
    }
    QTRY_COMPARE(answerer.answered(), 1);
    QCOMPARE(answerer.savedAs(), QStringList{"Saved as: " + QDir::toNativeSeparators(folder + "/" + written)});
    QCOMPARE(QImage(folder + "/" + written).size(), QSize(64, 48));
    if (written != "IMG_7.jpg")
        QCOMPARE(QFileInfo(folder + "/IMG_7.jpg").size(), 10);
}

void TestPreviewHEIC::destroyedWhileDecoding_data()
{
    QTest::addColumn<bool>("ownerDestroyed");
    QTest::newRow("page left (deferred deletion)") << false;
    QTest::newRow("program quits (owner window destroyed)") << true;
}

void TestPreviewHEIC::destroyedWhileDecoding()
{
    QFETCH(bool, ownerDestroyed);
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 640, 480));
    QVERIFY(writeFakePhoto(path("IMG_8.HEIC"), 640, 480, 300));
    auto *owner = new QWidget;
    QPointer<PreviewHEIC> page = new PreviewHEIC(path("IMG_7.HEIC"), owner);
    page->setDecoder(fakeDecoder);
    page->slot_Preview();
    QVERIFY(waitForDecodes(page));

    // A conversion and, after a drop, the new photo's preview are in flight.
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 640, 480, 300));
    const int started = fakeCallsStarted;
    QTest::mouseClick(convertButton(page), Qt::LeftButton);
    QVERIFY(dropFiles(page, {path("IMG_8.HEIC")}));
    QTRY_COMPARE(fakeCallsStarted.load(), started + 2);

    if (ownerDestroyed) {
        delete owner;
        QVERIFY(page.isNull());
    } else {
        page->deleteLater();
        QTRY_VERIFY(page.isNull());
        delete owner;
    }
    // The page waited for both decodes before it was gone, and nothing was written.
    QCOMPARE(fakeCallsFinished.load(), fakeCallsStarted.load());
    QCoreApplication::processEvents();
    QVERIFY(!QFileInfo::exists(desktopDir() + "/Quorvix/IMG_7.jpg"));
}

void TestPreviewHEIC::fixtureEndToEnd()
{
    const Heif2jpgFunc decoder = bindDecoder();
#ifdef VANTROPE_HAVE_DECODER
    QVERIFY2(decoder, "the decoder library beside the test did not load");
#else
    if (!decoder)
        QSKIP("no decoder library in this build");
#endif
    // A landscape photo stored rotated: the page must show and write it upright.
    HeicFixture::Options options;
    options.width = 320;
    options.height = 240;
    options.rotationCcw = 90;
    const std::vector<uint8_t> heic = HeicFixture::encode(options);
    QVERIFY(!heic.empty());
    QFile file(path("IMG_7.HEIC"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char *>(heic.data()), qint64(heic.size()));
    file.close();
    int refWidth = 0, refHeight = 0;
    const std::vector<uint8_t> reference = HeicFixture::referenceRgb(heic, &refWidth, &refHeight);
    QCOMPARE(QSize(refWidth, refHeight), QSize(240, 320));

    PreviewHEIC page(path("IMG_7.HEIC"));
    page.setDecoder(decoder);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));
    QCOMPARE(previewBox(&page)->pixmap(Qt::ReturnByValue).size(), QSize(255, 340));
    QCOMPARE(photoInfo(&page).value(3), QString("240*320"));
    TestSupport::saveToGallery(&page, "single-preview-page-fixture");

    DoneDialogAnswerer answerer(false);
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));
    QTRY_COMPARE(answerer.answered(), 1);

    const QString out = desktopDir() + "/Quorvix/IMG_7.jpg";
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray jpeg = written.readAll();
    QVERIFY(jpeg.startsWith("\xFF\xD8") && jpeg.endsWith("\xFF\xD9"));
    QVERIFY2(hasSegment(jpeg, QByteArray("Exif\0\0", 6)), "the photo's EXIF was not kept");
    QImage image = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB888);
    QCOMPARE(image.size(), QSize(240, 320));
    std::vector<uint8_t> pixels;
    for (int y = 0; y < image.height(); ++y)
        pixels.insert(pixels.end(), image.constScanLine(y), image.constScanLine(y) + 3 * image.width());
    QVERIFY2(HeicFixture::psnr(pixels, reference) > 30, "the written JPEG is not the photo");
}

void TestPreviewHEIC::realPhotoEndToEnd()
{
    const QString photo = TestSupport::sharedTestFile("iphone-8plus_portrait_irot270.heic");
    if (photo.isEmpty())
        QSKIP("the shared test photos are not here");
    const Heif2jpgFunc decoder = bindDecoder();
    if (!decoder)
        QSKIP("no decoder library in this build");
    const QString copy = path("IMG_8.HEIC");
    QVERIFY(QFile::copy(photo, copy));

    PreviewHEIC page(copy);
    page.setDecoder(decoder);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page, 120000));
    QCOMPARE(previewBox(&page)->pixmap(Qt::ReturnByValue).size(), QSize(255, 340));
    QCOMPARE(photoInfo(&page).value(3), QString("3024*4032"));
    QCOMPARE(photoInfo(&page).value(2), QString("0.76MB"));
    TestSupport::saveToGallery(&page, "single-preview-page-photo");

    DoneDialogAnswerer answerer(false);
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page, 120000));
    QTRY_COMPARE(answerer.answered(), 1);

    const QString out = desktopDir() + "/Quorvix/IMG_8.jpg";
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray jpeg = written.readAll();
    QVERIFY(jpeg.endsWith("\xFF\xD9"));
    QVERIFY2(hasSegment(jpeg, QByteArray("ICC_PROFILE")), "the photo's colour profile was not kept");
    QVERIFY2(hasSegment(jpeg, QByteArray("Exif\0\0", 6)), "the photo's EXIF was not kept");
    QImageReader reader(out);
    QCOMPARE(reader.size(), QSize(3024, 4032));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
}

int main(int argc, char *argv[])
{
    // The default output folder is on the desktop: give the test a home of
    // its own before Qt reads the user's folders.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    // The 200 % run (QT_SCALE_FACTOR=2) scales as the program does.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps, true);
    QApplication app(argc, argv);
    TestPreviewHEIC test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_previewheic.moc"
