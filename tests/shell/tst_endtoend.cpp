// Whole conversions through the real main window: one photo from the drop
// page to the done dialog, a batch from the drop to the completion view, and
// leaving while decodes run. Real photos when the shared test data is there,
// generated fixtures otherwise.
#include "BatchConvertProgress.h"
#include "ConvertsionSet.h"
#include "HeicFileTable.h"
#include "PreviewHEIC.h"
#include "SingalConverterHome.h"
#include "SingleConverting.h"
#include "Vantrope.h"
#include "ZoStyleButton.h"
#include "ZoStyleCheckBox.h"
#include "desktopopener.h"
#include "filedialogs.h"
#include "heicfixture.h"
#include "shellhelpers.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Photo {
    QString name;   // as dropped, ending in ".HEIC"
    QSize upright;  // expected JPEG size, rotation applied
    QByteArray make; // EXIF camera maker that must survive
};

bool copyShared(const QString &sharedName, const QString &target)
{
    const QString source = TestSupport::sharedTestFile(sharedName);
    return !source.isEmpty() && QFile::copy(source, target);
}

// True when the file is a complete JPEG: it starts with SOI, ends with EOI
// and decodes without error.
bool isCompleteJpeg(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("\xFF\xD8") || !bytes.endsWith("\xFF\xD9"))
        return false;
    QImageReader reader(path);
    return !reader.read().isNull();
}

} // namespace

class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void singlePhotoFromPickToDoneDialog();
    void batchFromDropToCompletion();
    void leavingWhilePreviewDecodes_data();
    void leavingWhilePreviewDecodes();
    void quittingWhileBatchRuns();

private:
    ZoStyleButton *button(const char *name) const
    {
        return window->findChild<ZoStyleButton *>(name);
    }
    HeicFileTable *openTable(const QStringList &paths);
    void checkAll(HeicFileTable *table);

    QTemporaryDir inputs;
    QScopedPointer<QTemporaryDir> outputs;
    Photo single;
    QList<Photo> batch;
    QString brokenPhoto;
    QStringList slowPhotos;
    bool realPhotos = false;
    QScopedPointer<Vantrope> window;
};

void TestEndToEnd::initTestCase()
{
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    DesktopOpener::setOpener([](const QUrl &) { return true; });
    QVERIFY(inputs.isValid());
    const QDir in(inputs.path());

    realPhotos = !TestSupport::sharedTestDataDir().isEmpty();
    if (realPhotos) {
        // Portrait phone photo: a grid, irot 270 and EXIF orientation 6.
        single = {"IMG_8.HEIC", QSize(3024, 4032), "Apple"};
        QVERIFY(copyShared("iphone-8plus_portrait_irot270.heic", in.filePath(single.name)));
        batch = {{"STONEHENGE.HEIC", QSize(300, 200), "NIKON"},
                 {"RAINBOW.HEIC", QSize(451, 461), QByteArray()},
                 {"BLUE.HEIC", QSize(320, 240), QByteArray()}};
        QVERIFY(copyShared("nikon-d5300_300x200_small.heic", in.filePath(batch[0].name)));
        QVERIFY(copyShared("rainbow_451x461_odd.heic", in.filePath(batch[1].name)));
        QVERIFY(copyShared("blue_444_320x240.heic", in.filePath(batch[2].name)));
        brokenPhoto = in.filePath("NOMETA.HEIC");
        QVERIFY(copyShared("no-meta-box.heic", brokenPhoto));
    } else {
        HeicFixture::Options rotated;
        rotated.width = 64;
        rotated.height = 48;
        rotated.rotationCcw = 270;
        rotated.exifOrientation = 6;
        single = {"IMG_8.HEIC", QSize(48, 64), "Vantrope Test"};
        QVERIFY(HeicFixture::write(in.filePath(single.name).toStdString(), rotated));
        int n = 0;
        for (const QSize size : {QSize(64, 48), QSize(96, 64), QSize(128, 96)}) {
            HeicFixture::Options o;
            o.width = size.width();
            o.height = size.height();
            batch << Photo{QString("IMG_%1.HEIC").arg(++n), size, "Vantrope Test"};
            QVERIFY(HeicFixture::write(in.filePath(batch.last().name).toStdString(), o));
        }
        brokenPhoto = in.filePath("BROKEN.HEIC");
        QFile broken(brokenPhoto);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray("\0\0\0\x18" "ftypheic" "\0\0\0\0" "mif1heic", 24) + QByteArray(500, 'x'));
    }

    // Files that take a while to decode, for leaving while work is in hand:
    // copies of a 12 MP photo, or of the largest fixture.
    QByteArray slow;
    if (realPhotos) {
        QFile photo(TestSupport::sharedTestFile("iphone-13pro_depth_gainmap.heic"));
        QVERIFY(photo.open(QIODevice::ReadOnly));
        slow = photo.readAll();
    } else {
        HeicFixture::Options large;
        large.width = 640;
        large.height = 480;
        large.pattern = HeicFixture::Pattern::Noise;
        const std::vector<uint8_t> bytes = HeicFixture::encode(large);
        slow = QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size()));
    }
    QVERIFY(!slow.isEmpty());
    for (int i = 1; i <= 12; ++i) {
        QFile file(in.filePath(QString("SLOW_%1.HEIC").arg(i)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(slow);
        slowPhotos << file.fileName();
    }
}

void TestEndToEnd::init()
{
    outputs.reset(new QTemporaryDir);
    QVERIFY(outputs->isValid());
    FileDialogs::Hooks hooks;
    const QString folder = outputs->path();
    hooks.existingDirectory = [folder](QWidget *, const QString &, const QString &,
                                       QFileDialog::Options) { return folder; };
    FileDialogs::setHooks(hooks);
    window.reset(new Vantrope);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
}

void TestEndToEnd::cleanup()
{
    window.reset();
    flushDeferredDeletes();
    FileDialogs::setHooks({});
}

void TestEndToEnd::singlePhotoFromPickToDoneDialog()
{
    button("pushButton_SingleStart")->click();
    SingalConverterHome *drop = visiblePage<SingalConverterHome>(window.data());
    QVERIFY(drop);
    // Picked in the file dialog.
    FileDialogs::Hooks hooks = FileDialogs::setHooks({});
    const QString picked = QDir(inputs.path()).filePath(single.name);
    hooks.openFileName = [picked](QWidget *, const QString &, const QString &, const QString &) {
        return picked;
    };
    FileDialogs::setHooks(hooks);
    drop->findChild<QPushButton *>("pushButton_SelectPhoto")->click();
    flushDeferredDeletes();
    PreviewHEIC *preview = visiblePage<PreviewHEIC>(window.data());
    QVERIFY(preview);
    auto *box = preview->findChild<QLabel *>("label_HEIC");
    QTRY_VERIFY_WITH_TIMEOUT(!box->pixmap(Qt::ReturnByValue).isNull(), 60000);
    // The photo's own thumbnail may come first; Convert waits for the full decode.
    QTRY_VERIFY_WITH_TIMEOUT(preview->findChild<QPushButton *>("pushButton_Convert")->isEnabled(), 60000);
    // Upright in the box too: a portrait photo fills the box's height.
    QCOMPARE(box->pixmap(Qt::ReturnByValue).height(), 340);
    QVERIFY(box->pixmap(Qt::ReturnByValue).width() < box->pixmap(Qt::ReturnByValue).height());
    if (realPhotos)
        TestSupport::saveToGallery(window.data(), "shell-preview-real-photo");

    preview->findChild<QPushButton *>("pushButton_SelectFolder")->click();

    QString doneText;
    auto done = whenModal<SingleConverting>([&](SingleConverting *dialog) {
        doneText = dialog->findChild<QLabel *>("label_States")->text();
        TestSupport::saveToGallery(dialog, "shell-single-done");
        dialog->findChild<QPushButton *>("pushButton_Ok")->click();
    }, 60000);
    preview->findChild<QPushButton *>("pushButton_Convert")->click();
    QTRY_VERIFY_WITH_TIMEOUT(*done, 60000);
    QVERIFY(!doneText.isEmpty());

    const QString jpeg = outputs->path() + "/Quorvix/IMG_8.jpg";
    QVERIFY2(isCompleteJpeg(jpeg), qPrintable(jpeg));
    QImageReader reader(jpeg);
    reader.setAutoTransform(false);
    QCOMPARE(reader.size(), single.upright);
    QCOMPARE(int(reader.transformation()), int(QImageIOHandler::TransformationNone));
    QFile file(jpeg);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.contains(QByteArray("Exif\0\0", 6)), "EXIF kept");
    QVERIFY2(bytes.contains(single.make), single.make.constData());
}

HeicFileTable *TestEndToEnd::openTable(const QStringList &paths)
{
    button("pushButton_BatchStart")->click();
    SingalConverterHome *drop = visiblePage<SingalConverterHome>(window.data());
    if (!drop)
        return nullptr;
    dropFiles(drop, paths);
    flushDeferredDeletes();
    return visiblePage<HeicFileTable>(window.data());
}

void TestEndToEnd::checkAll(HeicFileTable *table)
{
    // The select-all box sits on the page itself, over the table's header.
    for (ZoStyleCheckBox *box :
         table->findChildren<ZoStyleCheckBox *>(QString(), Qt::FindDirectChildrenOnly)) {
        box->findChild<QCheckBox *>()->click();
    }
}

void TestEndToEnd::batchFromDropToCompletion()
{
    QStringList paths;
    for (const Photo &photo : batch)
        paths << QDir(inputs.path()).filePath(photo.name);
    paths.insert(1, brokenPhoto);
    HeicFileTable *table = openTable(paths);
    QVERIFY(table);
    auto *convert = table->findChild<QPushButton *>("pushButton_Convert");
    QVERIFY(!convert->isEnabled());
    checkAll(table);
    QCOMPARE(table->checkedRowOrder().size(), paths.size());
    QVERIFY(convert->isEnabled());
    TestSupport::saveToGallery(window.data(), "shell-batch-table-checked");

    QString completion;
    auto progressDone = QSharedPointer<bool>::create(false);
    auto settingsShown = whenModal<ConvertsionSet>([&](ConvertsionSet *settings) {
        TestSupport::saveToGallery(settings, "shell-batch-settings");
        // The folder the user picked in the settings' folder dialog.
        emit settings->signal_SendSavePath(outputs->path());
        progressDone = whenModal<BatchConvertProgress>(
            [&](BatchConvertProgress *progress) {
                for (const char *name : {"label_Converting", "label_NotConverted"})
                    completion += progress->findChild<QLabel *>(name)->text() + "|";
                TestSupport::saveToGallery(progress, "shell-batch-completion");
                progress->findChild<QPushButton *>("pushButton_OK")->click();
            },
            120000,
            [](BatchConvertProgress *progress) {
                return progress->findChild<QPushButton *>("pushButton_OK")->isVisible();
            });
        settings->findChild<QPushButton *>("pushButton_Convert")->click();
    });
    convert->click();
    QVERIFY(*settingsShown);
    QTRY_VERIFY_WITH_TIMEOUT(*progressDone, 120000);
    QCOMPARE(completion, QString("3 files have been successfully converted!|1 file could not be converted.|"));

    const QDir out(outputs->path() + "/Quorvix");
    QStringList expected;
    for (const Photo &photo : batch) {
        const QString name = QString(photo.name).replace(".HEIC", ".jpg");
        expected << name;
        QVERIFY2(isCompleteJpeg(out.filePath(name)), qPrintable(name));
        QImageReader reader(out.filePath(name));
        reader.setAutoTransform(false);
        QCOMPARE(reader.size(), photo.upright);
        if (!photo.make.isEmpty()) {
            QFile file(out.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.readAll().contains(photo.make), qPrintable(name));
        }
    }
    expected.sort();
    QCOMPARE(out.entryList(QDir::Files, QDir::Name), expected);
}

void TestEndToEnd::leavingWhilePreviewDecodes_data()
{
    QTest::addColumn<bool>("quit");
    QTest::newRow("home") << false;
    QTest::newRow("quit") << true;
}

void TestEndToEnd::leavingWhilePreviewDecodes()
{
    QFETCH(bool, quit);

    button("pushButton_SingleStart")->click();
    dropFiles(visiblePage<SingalConverterHome>(window.data()), {slowPhotos.first()});
    flushDeferredDeletes();
    PreviewHEIC *preview = visiblePage<PreviewHEIC>(window.data());
    QVERIFY(preview);
    auto *box = preview->findChild<QLabel *>("label_HEIC");
    QTRY_VERIFY_WITH_TIMEOUT(!box->pixmap(Qt::ReturnByValue).isNull(), 60000);
    preview->findChild<QPushButton *>("pushButton_SelectFolder")->click();
    // Several conversions in flight, then home before they report.
    auto *convert = preview->findChild<QPushButton *>("pushButton_Convert");
    convert->click();
    convert->click();
    convert->click();
    QPointer<PreviewHEIC> left = preview;
    if (quit) {
        window.reset();
    } else {
        button("pushButton_BackHome")->click();
        flushDeferredDeletes();
        QVERIFY(window->findChild<QWidget *>("widget_Main")->isVisible());
    }
    QVERIFY(!left);
    QTest::qWait(200); // any straggling result would arrive now
    QVERIFY(!QApplication::activeModalWidget());
    const QString jpeg = outputs->path() + "/Quorvix/SLOW_1.jpg";
    QVERIFY(!QFile::exists(jpeg) || isCompleteJpeg(jpeg));
}

void TestEndToEnd::quittingWhileBatchRuns()
{
    HeicFileTable *table = openTable(slowPhotos);
    QVERIFY(table);
    checkAll(table);
    auto progressShown = QSharedPointer<bool>::create(false);
    auto settingsShown = whenModal<ConvertsionSet>([&](ConvertsionSet *settings) {
        emit settings->signal_SendSavePath(outputs->path());
        // The program is told to end while the batch runs: its event loops
        // end, then the window goes.
        progressShown = whenModal<BatchConvertProgress>([](BatchConvertProgress *) {
            QCoreApplication::exit(0);
        });
        settings->findChild<QPushButton *>("pushButton_Convert")->click();
    });
    table->findChild<QPushButton *>("pushButton_Convert")->click();
    QVERIFY(*settingsShown);
    QTRY_VERIFY_WITH_TIMEOUT(*progressShown, 60000);
    window.reset();

    const QDir out(outputs->path() + "/Quorvix");
    const QStringList written = out.entryList(QDir::Files);
    if (realPhotos)
        QVERIFY(written.size() < slowPhotos.size()); // it did stop early
    for (const QString &name : written) {
        QVERIFY2(name.endsWith(".jpg"), qPrintable(name));
        QVERIFY2(isCompleteJpeg(out.filePath(name)), qPrintable(name));
    }
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
