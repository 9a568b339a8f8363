#include "HEICTojpg.h"
#include "Heif2jpg.h"
#include "PreviewHEIC.h"
#include "SingleConverting.h"
#include "desktopopener.h"
#include "filedialogs.h"
#include "heicfixture.h"
#include "testsupport.h"

#include <QApplication>
#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
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
std::atomic<int> fakeCallsStarted{0};
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
        QThread::msleep(ulong(delayMs));
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor(70, 140, 210));
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG", 90);
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

// Answers each done dialog as a user would: optionally "Open Folder", then "OK".
class DoneDialogAnswerer : public QObject
{
public:
    explicit DoneDialogAnswerer(bool openFolder) : m_openFolder(openFolder)
    {
        m_poll.setInterval(20);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<SingleConverting *>(w);
                if (!dialog || !dialog->isVisible() || m_answered.contains(dialog))
                    continue;
                m_answered.append(dialog);
                if (m_openFolder)
                    QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton_OpenFolder"), Qt::LeftButton);
                QTest::mouseClick(dialog->findChild<QPushButton *>("pushButton_Ok"), Qt::LeftButton);
            }
        });
        m_poll.start();
    }
    int answered() const { return m_answered.size(); }

private:
    bool m_openFolder;
    QTimer m_poll;
    QList<QPointer<SingleConverting>> m_answered;
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
    void convertBeforePreviewArrives_data();
    void convertBeforePreviewArrives();
    void brokenDecodeGivesEmptyBox();
    void unwritableTargetShowsNothing();
    void inputInTargetFolderIsKept();
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

    const QPixmap preview = previewBox(&page)->pixmap(Qt::ReturnByValue);
    QCOMPARE(preview.size(), shown);
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
    QCOMPARE(photoInfo(&page).value(0), QString("IMG_7.jpg"));
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

void TestPreviewHEIC::convertBeforePreviewArrives_data()
{
    QTest::addColumn<int>("clicks");
    QTest::newRow("one click") << 1;
    QTest::newRow("two clicks") << 2;
}

void TestPreviewHEIC::convertBeforePreviewArrives()
{
    QFETCH(int, clicks);
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 300, 200, 100));
    PreviewHEIC page(path("IMG_7.HEIC"));
    page.setDecoder(fakeDecoder);
    DoneDialogAnswerer answerer(false);
    page.slot_Preview();
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));

    // Whichever result arrives first is the preview; every other one is written.
    QTRY_COMPARE(answerer.answered(), clicks);
    QCOMPARE(previewBox(&page)->pixmap(Qt::ReturnByValue).size(), QSize(510, 340));
    QCOMPARE(QImage(desktopDir() + "/Quorvix/IMG_7.jpg").size(), QSize(300, 200));
    QCOMPARE(page.findChildren<SingleConverting *>().size(), clicks);
}

void TestPreviewHEIC::brokenDecodeGivesEmptyBox()
{
    const QString file = path("IMG_7.HEIC");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("FAKE broken");
    }
    PreviewHEIC page(file);
    page.setDecoder(fakeDecoder);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));
    QVERIFY(previewBox(&page)->pixmap(Qt::ReturnByValue).isNull());
    QCOMPARE(photoInfo(&page).value(3), QString("0*0"));

    // Converting it writes nothing and shows no dialog.
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));
    QVERIFY(page.findChildren<SingleConverting *>().isEmpty());
    QVERIFY(QDir(desktopDir() + "/Quorvix").entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestPreviewHEIC::unwritableTargetShowsNothing()
{
    // The target name is taken by a folder: the write fails, and it leaves
    // neither a done dialog nor a half-written or temporary file behind.
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 640, 480));
    const QString folder = desktopDir() + "/Quorvix";
    QVERIFY(QDir().mkpath(folder + "/IMG_7.jpg"));
    PreviewHEIC page(path("IMG_7.HEIC"));
    page.setDecoder(fakeDecoder);
    page.slot_Preview();
    QVERIFY(waitForDecodes(&page));
    QTest::mouseClick(convertButton(&page), Qt::LeftButton);
    QVERIFY(waitForDecodes(&page));
    QVERIFY(page.findChildren<SingleConverting *>().isEmpty());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"IMG_7.jpg"});
    QVERIFY(QFileInfo(folder + "/IMG_7.jpg").isDir());
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
    QCOMPARE(photoInfo(&page).value(0), jpeg);
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
    QVERIFY(writeFakePhoto(path("IMG_7.HEIC"), 640, 480, 300));
    auto *owner = new QWidget;
    QPointer<PreviewHEIC> page = new PreviewHEIC(path("IMG_7.HEIC"), owner);
    page->setDecoder(fakeDecoder);
    const int started = fakeCallsStarted;
    page->slot_Preview();
    QTest::mouseClick(convertButton(page), Qt::LeftButton);
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
    QApplication app(argc, argv);
    TestPreviewHEIC test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_previewheic.moc"
