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

#include <QCloseEvent>
#include <QDesktopWidget>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void homeViewIsFixedAndCentred();
    void shownOnceByItsCreator();
    void hoveringTileSwapsImage_data();
    void hoveringTileSwapsImage();
    void quitConfirmation_data();
    void quitConfirmation();

    void windowSystemCloseAsksFirst_data();
    void windowSystemCloseAsksFirst();

    void openFiles_data();
    void openFiles();
    void openFilesWaitsForOpenDialog();

    void batchAgainGivesFreshTable();
    void cancelledPickStillShowsEmptyTable();
    void secondPhotoGetsNewPreviewAndInfo();
    void titleTextDragsTheWindow_data();
    void titleTextDragsTheWindow();

private:
    ZoStyleButton *button(const char *name) const
    {
        return window->findChild<ZoStyleButton *>(name);
    }
    QString photoPath(const QString &name) const { return photos.filePath(name); }
    QString photoInfoValues(PreviewHEIC *preview);
    void goTo(const QString &page);
    QString shownPage();

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
    // A folder of photos as a camera card holds them, with a stray file and
    // a photo one level down that a folder's own listing does not reach.
    QVERIFY(QDir(photos.path()).mkpath("card/DCIM"));
    QVERIFY(HeicFixture::write(photoPath("card/b.heic").toStdString(), small));
    QVERIFY(HeicFixture::write(photoPath("card/A.HIF").toStdString(), small));
    QVERIFY(HeicFixture::write(photoPath("card/DCIM/deep.heic").toStdString(), small));
    QFile note(photoPath("card/notes.txt"));
    QVERIFY(note.open(QIODevice::WriteOnly));
    QVERIFY(QDir(photos.path()).mkpath("empty"));
    // Nothing may reach the real desktop from these tests.
    DesktopOpener::setOpener([](const QUrl &) { return true; });
}

void TestWindow::init()
{
    window.reset(new Vantrope);
    window->show();
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

void TestWindow::shownOnceByItsCreator()
{
    // Built hidden and centred; its creator shows it. Files handed over to
    // the running window come in without showing it again.
    struct ShowCounter : QObject
    {
        int shows = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            shows += event->type() == QEvent::Show;
            return false;
        }
    } counter;
    Vantrope fresh;
    QVERIFY(!fresh.isVisible());
    fresh.installEventFilter(&counter);
    fresh.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fresh));
    fresh.slot_OpenFiles({photoPath("IMG_1.HEIC")});
    flushDeferredDeletes();
    QVERIFY(fresh.findChild<PreviewHEIC *>());
    QVERIFY(fresh.findChild<PreviewHEIC *>()->isVisible());
    QCOMPARE(counter.shows, 1);
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

void TestWindow::windowSystemCloseAsksFirst_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("windowStays");
    QTest::newRow("No") << "pushButton_OK" << true;
    QTest::newRow("Yes") << "pushButton_Yes" << false;
}

void TestWindow::windowSystemCloseAsksFirst()
{
    // Alt+F4 and the window list's Close reach the window as a close event
    // from the window system; it must not end the program unasked.
    QFETCH(QString, answer);
    QFETCH(bool, windowStays);

    QString question;
    auto answered = whenModal<TipDialog>([&](TipDialog *dialog) {
        question = dialog->findChild<QLabel *>("label_StatesText")->text();
        dialog->findChild<ZoStyleButton *>(answer)->click();
    });
    QCloseEvent close;
    QApplication::sendEvent(window.data(), &close);
    QVERIFY(!close.isAccepted());
    QVERIFY(window->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(*answered, 20000);
    QCOMPARE(question, QString("Are you sure to quit the program?"));
    QTRY_COMPARE(window->isVisible(), windowStays);

    if (windowStays) {
        // Two requests while the question is up ask once.
        int asked = 0;
        auto again = whenModal<TipDialog>([&](TipDialog *dialog) {
            ++asked;
            QCloseEvent second;
            QApplication::sendEvent(window.data(), &second);
            QVERIFY(!second.isAccepted());
            QTimer::singleShot(300, dialog, &QDialog::reject);
        });
        QCloseEvent first;
        QApplication::sendEvent(window.data(), &first);
        QTRY_VERIFY_WITH_TIMEOUT(*again, 20000);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QTest::qWait(100);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(asked, 1);
        QVERIFY(window->isVisible());
    }
}

void TestWindow::goTo(const QString &page)
{
    if (page == "preview") {
        button("pushButton_SingleStart")->click();
        dropFiles(visiblePage<SingalConverterHome>(window.data()), {photoPath("IMG_1.HEIC")});
    } else if (page == "table") {
        button("pushButton_BatchStart")->click();
        dropFiles(visiblePage<SingalConverterHome>(window.data()), {photoPath("IMG_1.HEIC")});
    } else if (page == "batch drop") {
        button("pushButton_BatchStart")->click();
    }
    flushDeferredDeletes();
}

// What the content area shows: "home", "drop", "preview <name>" or
// "table <names>".
QString TestWindow::shownPage()
{
    if (PreviewHEIC *preview = visiblePage<PreviewHEIC>(window.data()))
        return "preview " + photoInfoValues(preview).section('|', 0, 0);
    if (HeicFileTable *table = visiblePage<HeicFileTable>(window.data())) {
        auto *rows = table->findChild<QTableWidget *>("tableWidget");
        QStringList names;
        for (int row = 0; row < rows->rowCount(); ++row)
            names << rows->item(row, 1)->text();
        return "table " + names.join(',');
    }
    if (visiblePage<SingalConverterHome>(window.data()))
        return "drop";
    return window->findChild<QWidget *>("widget_Main")->isVisible() ? "home" : "nothing";
}

void TestWindow::openFiles_data()
{
    QTest::addColumn<QString>("startPage");
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one photo opens its preview") << "home" << QStringList{"IMG_2.HEIC"} << "preview IMG_2.HEIC";
    QTest::newRow("photos open the table") << "home" << QStringList{"IMG_2.HEIC", "IMG_1.HEIC"}
                                           << "table IMG_2.HEIC,IMG_1.HEIC";
    QTest::newRow("a folder gives its photos, sub-folders too") << "home" << QStringList{"card"}
                                                              << "table A.HIF,deep.heic,b.heic";
    QTest::newRow("a folder of one photo is still a batch") << "home" << QStringList{"card/DCIM"}
                                                           << "table deep.heic";
    QTest::newRow("an empty folder gives an empty table") << "home" << QStringList{"empty"} << "table ";
    QTest::newRow("no photo: nothing changes") << "home" << QStringList{"card/notes.txt", "missing.heic"}
                                               << "home";
    QTest::newRow("a non-photo beside a photo") << "home" << QStringList{"card/notes.txt", "IMG_1.HEIC"}
                                                << "table IMG_1.HEIC";
    QTest::newRow("preview is replaced") << "preview" << QStringList{"IMG_2.HEIC"} << "preview IMG_2.HEIC";
    QTest::newRow("drop page of the other mode") << "batch drop" << QStringList{"IMG_2.HEIC"}
                                                 << "preview IMG_2.HEIC";
    QTest::newRow("the table on show keeps its rows") << "table" << QStringList{"IMG_2.HEIC"}
                                                      << "table IMG_1.HEIC,IMG_2.HEIC";
    QTest::newRow("the table takes a folder") << "table" << QStringList{"card"}
                                              << "table IMG_1.HEIC,A.HIF,deep.heic,b.heic";
}

void TestWindow::openFiles()
{
    QFETCH(QString, startPage);
    QFETCH(QStringList, given);
    QFETCH(QString, expected);

    goTo(startPage);
    QStringList paths;
    for (const QString &name : given)
        paths << photoPath(name);
    window->showMinimized();
    window->slot_OpenFiles(paths);
    flushDeferredDeletes();
    QCOMPARE(shownPage(), expected);
    QVERIFY(!window->isMinimized());
    // Exactly one page, and the caption of its way of working.
    QCOMPARE(window->findChildren<PreviewHEIC *>().size() + window->findChildren<HeicFileTable *>().size()
                 + window->findChildren<SingalConverterHome *>().size(),
             expected == "home" ? (startPage == "home" ? 0 : 1) : 1);
    if (expected.startsWith("preview"))
        QCOMPARE(window->findChild<QLabel *>("label_Caption")->text(), QString("Conver Single Photo"));
    if (expected.startsWith("table"))
        QCOMPARE(window->findChild<QLabel *>("label_Caption")->text(), QString("Convert Photos in Batch"));
}

void TestWindow::openFilesWaitsForOpenDialog()
{
    // While a dialog of the window is open (here the quit question; a batch's
    // progress works the same way) the page under it stays as it is.
    goTo("table");
    QString seenWhileOpen;
    auto answered = whenModal<TipDialog>([&](TipDialog *dialog) {
        window->slot_OpenFiles({photoPath("IMG_2.HEIC")});
        window->slot_OpenFiles({photoPath("card")});
        QTest::qWait(500);
        seenWhileOpen = shownPage();
        dialog->findChild<ZoStyleButton *>("pushButton_OK")->click();
    });
    button("pushButton_Close")->click();
    QVERIFY(*answered);
    QCOMPARE(seenWhileOpen, QString("table IMG_1.HEIC"));
    // Both hand-overs arrive, in order, once the dialog has closed.
    QTRY_COMPARE(shownPage(), QString("table IMG_1.HEIC,IMG_2.HEIC,A.HIF,deep.heic,b.heic"));
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

    // Home asks first: No (and Escape) keep the list, Yes drops it.
    for (const QString &answer : {QString("No"), QString("Escape"), QString("Yes")}) {
        QString asked;
        auto answered = whenModal<TipDialog>([&](TipDialog *dialog) {
            asked = dialog->findChild<QLabel *>("label_StatesText")->text() + " "
                  + dialog->findChild<QLabel *>("label_SuccessText")->text();
            if (answer == "Escape")
                QTest::keyClick(dialog, Qt::Key_Escape);
            else
                dialog->findChild<QPushButton *>(answer == "Yes" ? "pushButton_Yes" : "pushButton_OK")->click();
        });
        button("pushButton_BackHome")->click();
        QVERIFY(*answered);
        QCOMPARE(asked, QString("Leave the batch? The 2 photos in the list will be removed from it; "
                                "the files stay on disk."));
        flushDeferredDeletes();
        QCOMPARE(firstTable.isNull(), answer == "Yes");
    }
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
    // Photo Info opens once the preview decode has ended.
    auto *info = preview->findChild<QPushButton *>("pushButton_PhotoInfo");
    if (!QTest::qWaitFor([info] { return info->isEnabled(); }, 30000))
        return "still loading";
    info->click();
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
    QTRY_VERIFY_WITH_TIMEOUT(!box->pixmap(Qt::ReturnByValue).isNull(), 30000);
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
    QTRY_VERIFY_WITH_TIMEOUT(!box->pixmap(Qt::ReturnByValue).isNull(), 30000);
    QCOMPARE(photoInfoValues(secondPreview), QString("IMG_2.HEIC|0.00MB|128*96|"));
    // The dialog is kept and reused.
    QCOMPARE(window->findChildren<PhotoInfo *>().size(), 1);
}

QTEST_MAIN(TestWindow)

void TestWindow::titleTextDragsTheWindow_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("grip");
    QTest::newRow("home, company name") << "home" << "label_Company";
    QTest::newRow("batch page caption") << "batch" << "label_Caption";
    QTest::newRow("single page caption") << "single" << "label_Caption";
}

// The title texts lie over the title bar: a press on them drags the window
// (here through move(): the offscreen platform refuses startSystemMove), and
// a press and release without a move is a click that moves nothing.
void TestWindow::titleTextDragsTheWindow()
{
    QFETCH(QString, page);
    QFETCH(QString, grip);
    if (page == "batch")
        button("pushButton_BatchStart")->click();
    else if (page == "single")
        button("pushButton_SingleStart")->click();
    QWidget *label = window->findChild<QWidget *>(grip);
    QVERIFY(label && label->isVisible());
    const QPoint start = window->pos();
    QWindow *handle = window->windowHandle();
    const QPoint at = label->mapTo(window.data(), label->rect().center());

    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(window->pos(), start);

    // The cursor's path on the screen (the window ends below the top limit of
    // y = 23 on the small offscreen screen); each event is given in the window's
    // coordinates of that moment, as the window system gives them.
    const QPoint grabbed = window->mapToGlobal(at);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, at);
    for (const QPoint &step : {QPoint(30, 50), QPoint(40, 60)})
        QTest::mouseMove(handle, window->mapFromGlobal(grabbed + step));
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, window->mapFromGlobal(grabbed + QPoint(40, 60)));
    QCOMPARE(window->pos(), start + QPoint(40, 60));
}

#include "tst_window.moc"
