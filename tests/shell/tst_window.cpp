// The main window driven as a user would: home view, quit confirmation, page
// navigation and photo information.
#include "HeicFileTable.h"
#include "PhotoInfo.h"
#include "PreviewHEIC.h"
#include "SingalConverterHome.h"
#include "TipDialog.h"
#include "Vantrope.h"
#include "ZoStyleButton.h"
#include "desktopopener.h"
#include "filedialogs.h"
#include "heicfixture.h"
#include "shellhelpers.h"
#include "testsupport.h"

#include <QDesktopWidget>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace ShellHelpers;

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void homeViewIsFixedAndCentred();
    void hoveringTileSwapsImage_data();
    void hoveringTileSwapsImage();
    void quitConfirmation_data();
    void quitConfirmation();

    void batchAgainGivesFreshTable();
    void cancelledPickStillShowsEmptyTable();
    void secondPhotoGetsNewPreviewAndInfo();

private:
    ZoStyleButton *button(const char *name) const
    {
        return window->findChild<ZoStyleButton *>(name);
    }
    QString photoPath(const QString &name) const { return photos.filePath(name); }
    QString photoInfoValues(PreviewHEIC *preview);

    QTemporaryDir photos;
    QScopedPointer<Vantrope> window;
};

void TestWindow::initTestCase()
{
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    QVERIFY(photos.isValid());
    HeicFixture::Options small;
    QVERIFY(HeicFixture::write(photoPath("IMG_1.HEIC").toStdString(), small));
    HeicFixture::Options larger;
    larger.width = 128;
    larger.height = 96;
    QVERIFY(HeicFixture::write(photoPath("IMG_2.HEIC").toStdString(), larger));
    // Nothing may reach the real desktop from these tests.
    DesktopOpener::setOpener([](const QUrl &) { return true; });
}

void TestWindow::init()
{
    window.reset(new Vantrope);
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
}

void TestWindow::cleanup()
{
    window.reset();
    flushDeferredDeletes();
    FileDialogs::setHooks({});
}

void TestWindow::homeViewIsFixedAndCentred()
{
    QCOMPARE(window->size(), QSize(1010, 630));
    QCOMPARE(window->minimumSize(), QSize(1010, 630));
    QCOMPARE(window->maximumSize(), QSize(1010, 630));
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window->windowTitle(), QString("Vantrope"));
    const QDesktopWidget *desktop = QApplication::desktop();
    QCOMPARE(window->pos(), QPoint((desktop->width() - 1010) / 2, (desktop->height() - 630) / 2));

    QVERIFY(window->findChild<QWidget *>("widget_Main")->isVisible());
    QVERIFY(button("pushButton_SingleStart")->isVisible());
    QCOMPARE(button("pushButton_BatchStart")->text(), QString("Start"));
    QVERIFY(!button("pushButton_BackHome")->isVisible());
    QCOMPARE(window->findChild<QLabel *>("label_Company")->text(), QString("Quorvix"));
    TestSupport::saveToGallery(window.data(), "shell-home");
}

void TestWindow::hoveringTileSwapsImage_data()
{
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("hoverImage");
    QTest::addColumn<QString>("normalImage");
    QTest::newRow("single photo") << "label_SignalPhoto" << "/main/module1_bg_hover.png" << "/main/module1_normal.png";
    QTest::newRow("batch") << "label_BatchPhoto" << "/main/module2_bg_hover.png" << "/main/module2_normal.png";
}

void TestWindow::hoveringTileSwapsImage()
{
    QFETCH(QString, tile);
    QFETCH(QString, hoverImage);
    QFETCH(QString, normalImage);
    auto *label = window->findChild<QLabel *>(tile);
    QVERIFY(label);
    const QString skinDir = QCoreApplication::applicationDirPath() + "/Skin";
    QVERIFY2(QFile::exists(skinDir + hoverImage), qPrintable(skinDir + hoverImage));

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(label, &enter);
    QCOMPARE(label->styleSheet(), "background-image: url(" + skinDir + hoverImage + ");");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    QCOMPARE(label->styleSheet(), "background-image: url(" + skinDir + normalImage + ");");

    // A click on a tile does nothing: only the Start buttons act.
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(window->findChild<QWidget *>("widget_Main")->isVisible());
    QVERIFY(!visiblePage<SingalConverterHome>(window.data()));
}

void TestWindow::quitConfirmation_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("windowStays");
    QTest::newRow("No") << "pushButton_OK" << true;
    QTest::newRow("Yes") << "pushButton_Yes" << false;
}

void TestWindow::quitConfirmation()
{
    QFETCH(QString, answer);
    QFETCH(bool, windowStays);

    QString question;
    auto answered = whenModal<TipDialog>([&](TipDialog *dialog) {
        question = dialog->findChild<QLabel *>("label_StatesText")->text();
        if (windowStays)
            TestSupport::saveToGallery(dialog, "shell-quit-confirmation");
        dialog->findChild<ZoStyleButton *>(answer)->click();
    });
    button("pushButton_Close")->click();
    QVERIFY(*answered);
    QCOMPARE(question, QString("Are you sure to quit the program?"));
    QCOMPARE(window->isVisible(), windowStays);

    if (windowStays) {
        // Asked again, the same dialog comes back.
        auto again = whenModal<TipDialog>([](TipDialog *dialog) { dialog->reject(); });
        button("pushButton_Close")->click();
        QVERIFY(*again);
        QCOMPARE(window->findChildren<TipDialog *>().size(), 1);
        QVERIFY(window->isVisible());
    }
}

void TestWindow::batchAgainGivesFreshTable()
{
    button("pushButton_BatchStart")->click();
    SingalConverterHome *drop = visiblePage<SingalConverterHome>(window.data());
    QVERIFY(drop);
    QVERIFY(drop->isMultiFileMode());
    QVERIFY(button("pushButton_BackHome")->isVisible());
    QVERIFY(!window->findChild<QWidget *>("widget_Main")->isVisible());
    QCOMPARE(window->findChild<QLabel *>("label_Caption")->text(), QString("Convert Photos in Batch"));
    TestSupport::saveToGallery(window.data(), "shell-batch-drop");

    // The drop page is closed from inside its own drop handling.
    QPointer<SingalConverterHome> firstDrop = drop;
    dropFiles(drop, {photoPath("IMG_1.HEIC"), photoPath("IMG_2.HEIC")});
    flushDeferredDeletes();
    QVERIFY(!firstDrop);
    QPointer<HeicFileTable> firstTable = visiblePage<HeicFileTable>(window.data());
    QVERIFY(firstTable);
    QCOMPARE(firstTable->findChild<QTableWidget *>("tableWidget")->rowCount(), 2);
    TestSupport::saveToGallery(window.data(), "shell-batch-table");

    button("pushButton_BackHome")->click();
    flushDeferredDeletes();
    QVERIFY(!firstTable);
    QVERIFY(window->findChild<QWidget *>("widget_Main")->isVisible());
    QVERIFY(!button("pushButton_BackHome")->isVisible());
    QVERIFY(window->findChild<QLabel *>("label_Company")->isVisible());

    button("pushButton_BatchStart")->click();
    drop = visiblePage<SingalConverterHome>(window.data());
    QVERIFY(drop);
    QVERIFY(drop->currentFilePath().isEmpty());
    dropFiles(drop, {photoPath("IMG_2.HEIC")});
    flushDeferredDeletes();
    HeicFileTable *table = visiblePage<HeicFileTable>(window.data());
    QVERIFY(table);
    auto *rows = table->findChild<QTableWidget *>("tableWidget");
    QCOMPARE(rows->rowCount(), 1);
    QCOMPARE(rows->item(0, 1)->text(), QString("IMG_2.HEIC"));
    QCOMPARE(window->findChildren<HeicFileTable *>().size(), 1);
    QCOMPARE(window->findChildren<SingalConverterHome *>().size(), 0);
}

void TestWindow::cancelledPickStillShowsEmptyTable()
{
    FileDialogs::Hooks hooks;
    hooks.openFileNames = [](QWidget *, const QString &, const QString &, const QString &) {
        return QStringList();
    };
    FileDialogs::setHooks(hooks);

    button("pushButton_BatchStart")->click();
    SingalConverterHome *drop = visiblePage<SingalConverterHome>(window.data());
    QVERIFY(drop);
    drop->findChild<QPushButton *>("pushButton_SelectPhoto")->click();
    flushDeferredDeletes();
    HeicFileTable *table = visiblePage<HeicFileTable>(window.data());
    QVERIFY(table);
    QCOMPARE(table->findChild<QTableWidget *>("tableWidget")->rowCount(), 0);
    QVERIFY(!table->findChild<QPushButton *>("pushButton_Convert")->isEnabled());
    TestSupport::saveToGallery(window.data(), "shell-batch-table-empty");
}

QString TestWindow::photoInfoValues(PreviewHEIC *preview)
{
    QString values;
    auto answered = whenModal<PhotoInfo>([&](PhotoInfo *dialog) {
        for (const char *name : {"label_NameValue", "label_FileSizeValue", "label_ResolutionValue"})
            values += dialog->findChild<QLabel *>(name)->text() + "|";
        TestSupport::saveToGallery(dialog, "shell-photo-info");
        dialog->findChild<QPushButton *>("pushButton_Ok")->click();
    });
    preview->findChild<QPushButton *>("pushButton_PhotoInfo")->click();
    if (!*answered)
        return "no dialog";
    return values;
}

void TestWindow::secondPhotoGetsNewPreviewAndInfo()
{
    button("pushButton_SingleStart")->click();
    SingalConverterHome *drop = visiblePage<SingalConverterHome>(window.data());
    QVERIFY(drop);
    QVERIFY(!drop->isMultiFileMode());
    QCOMPARE(window->findChild<QLabel *>("label_Caption")->text(), QString("Conver Single Photo"));
    TestSupport::saveToGallery(window.data(), "shell-single-drop");

    dropFiles(drop, {photoPath("IMG_1.HEIC")});
    flushDeferredDeletes();
    QPointer<PreviewHEIC> firstPreview = visiblePage<PreviewHEIC>(window.data());
    QVERIFY(firstPreview);
    auto *box = firstPreview->findChild<QLabel *>("label_HEIC");
    QTRY_VERIFY_WITH_TIMEOUT(box->pixmap() && !box->pixmap()->isNull(), 30000);
    TestSupport::saveToGallery(window.data(), "shell-preview");
    QCOMPARE(photoInfoValues(firstPreview), QString("IMG_1.HEIC|0.00MB|64*48|"));

    button("pushButton_BackHome")->click();
    flushDeferredDeletes();
    QVERIFY(!firstPreview);

    button("pushButton_SingleStart")->click();
    drop = visiblePage<SingalConverterHome>(window.data());
    QVERIFY(drop);
    dropFiles(drop, {photoPath("IMG_2.HEIC")});
    flushDeferredDeletes();
    PreviewHEIC *secondPreview = visiblePage<PreviewHEIC>(window.data());
    QVERIFY(secondPreview);
    QCOMPARE(window->findChildren<PreviewHEIC *>().size(), 1);
    box = secondPreview->findChild<QLabel *>("label_HEIC");
    QTRY_VERIFY_WITH_TIMEOUT(box->pixmap() && !box->pixmap()->isNull(), 30000);
    QCOMPARE(photoInfoValues(secondPreview), QString("IMG_2.HEIC|0.00MB|128*96|"));
    // The dialog is kept and reused.
    QCOMPARE(window->findChildren<PhotoInfo *>().size(), 1);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
