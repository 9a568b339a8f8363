#include "PhotoFiles.h"
#include "SingalConverterHome.h"
#include "filedialogs.h"
#include "testsupport.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

enum class Way { Dialog, Drop, TextDrag };

// What the page announced, as the main window would receive it.
struct Announced {
    QStringList previewPaths;           // one entry per signal_ToPreviewView
    QList<QVector<QString>> fileLists;  // one entry per signal_addHeicFile
};

struct DialogCall {
    QString kind;
    QWidget *parent = nullptr;
    QString caption, dir, filter;
};

QUrl urlFor(const QString &item)
{
    // Items with a scheme are given as they are; anything else is a local file.
    return item.contains(QLatin1String("://")) ? QUrl(item) : QUrl::fromLocalFile(item);
}

} // namespace

class TestSingalConverterHome : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void acceptance_data();
    void acceptance();
    void form();
    void realDialogCancelledInMultiMode();
};

void TestSingalConverterHome::cleanup()
{
    FileDialogs::setHooks({});
}

void TestSingalConverterHome::acceptance_data()
{
    QTest::addColumn<bool>("multi");
    QTest::addColumn<int>("way");
    QTest::addColumn<QStringList>("tree");      // files made in a temporary folder first
    QTest::addColumn<QStringList>("offered");   // dialog answer, or the dropped items
    QTest::addColumn<bool>("dragAccepted");
    QTest::addColumn<QString>("expect");        // "preview", "files" or "none"
    QTest::addColumn<QStringList>("expectedPaths");

    // Paths are relative to the temporary folder; items with a scheme are URLs.
    const int dialog = int(Way::Dialog), drop = int(Way::Drop), text = int(Way::TextDrag);
    const QStringList none;

    QTest::newRow("single dialog IMG_1.HEIC") << false << dialog << none << QStringList{"IMG_1.HEIC"}
                                              << false << "preview" << QStringList{"IMG_1.HEIC"};
    QTest::newRow("single dialog img_1.heic") << false << dialog << none << QStringList{"img_1.heic"}
                                              << false << "preview" << QStringList{"img_1.heic"};
    QTest::newRow("single dialog typed photo.jpg ignored") << false << dialog << none << QStringList{"photo.jpg"}
                                                           << false << "none" << none;
    QTest::newRow("single dialog cancelled") << false << dialog << none << none << false << "none" << none;
    QTest::newRow("multi dialog x.jpg unfiltered") << true << dialog << none << QStringList{"x.jpg"}
                                                   << false << "files" << QStringList{"x.jpg"};
    QTest::newRow("multi dialog keeps order") << true << dialog << none << QStringList{"b.heic", "a.HEIC"}
                                              << false << "files" << QStringList{"b.heic", "a.HEIC"};
    QTest::newRow("multi dialog cancelled emits empty") << true << dialog << none << none
                                                        << false << "files" << none;

    // Phones and cameras write every one of these suffixes, in either case.
    for (const QString name : {"img_1.heic", "IMG_1.HEIC", "img_1.Heic", "IMG_1.heif", "DSC1.HIF", "dsc1.hif"})
        QTest::newRow(qPrintable("single drop " + name)) << false << drop << QStringList{name}
                                                         << QStringList{name} << true << "preview"
                                                         << QStringList{name};
    QTest::newRow("single drop photo.jpg") << false << drop << QStringList{"photo.jpg"} << QStringList{"photo.jpg"}
                                           << false << "none" << none;
    QTest::newRow("single drop three, first counts")
        << false << drop << QStringList{"a.HEIC", "photo.jpg", "c.heic"} << QStringList{"a.HEIC", "photo.jpg", "c.heic"}
        << true << "preview" << QStringList{"a.HEIC"};
    QTest::newRow("single drop three, first fails")
        << false << drop << QStringList{"photo.jpg", "b.HEIC", "c.heic"} << QStringList{"photo.jpg", "b.HEIC", "c.heic"}
        << false << "none" << none;
    QTest::newRow("single drop web URL") << false << drop << none << QStringList{"https://example.org/IMG_1.HEIC"}
                                         << false << "none" << none;

    QTest::newRow("multi drop a.HEIC b.HEIC") << true << drop << QStringList{"a.HEIC", "b.HEIC"}
                                              << QStringList{"a.HEIC", "b.HEIC"}
                                              << true << "files" << QStringList{"a.HEIC", "b.HEIC"};
    QTest::newRow("multi drop mixed case, drop order") << true << drop << QStringList{"b.heic", "a.HEIC", "c.hif"}
                                                       << QStringList{"b.heic", "a.HEIC", "c.hif"}
                                                       << true << "files" << QStringList{"b.heic", "a.HEIC", "c.hif"};
    QTest::newRow("multi drop leaves other files out")
        << true << drop << QStringList{"a.HEIC", "notes.txt", "b.jpg", "c.heif"}
        << QStringList{"a.HEIC", "notes.txt", "b.jpg", "c.heif"} << true << "files" << QStringList{"a.HEIC", "c.heif"};
    QTest::newRow("multi drop web URL left out") << true << drop << QStringList{"a.HEIC"}
                                                 << QStringList{"a.HEIC", "https://example.org/b.HEIC"}
                                                 << true << "files" << QStringList{"a.HEIC"};
    QTest::newRow("multi drop nothing usable refused") << true << drop << QStringList{"a.jpg", "b.png"}
                                                       << QStringList{"a.jpg", "b.png"} << false << "none" << none;
    QTest::newRow("multi drop folder, recursive")
        << true << drop << QStringList{"trip/b.HEIC", "trip/a.heic", "trip/day2/c.hif", "trip/list.txt", "z.HEIC"}
        << QStringList{"trip", "z.HEIC"} << true << "files"
        << QStringList{"trip/a.heic", "trip/b.HEIC", "trip/day2/c.hif", "z.HEIC"};
    QTest::newRow("multi drop folder without photos") << true << drop << QStringList{"docs/a.txt"}
                                                      << QStringList{"docs"} << true << "none" << none;
    QTest::newRow("single text-only drag refused") << false << text << none << QStringList{"IMG_1.HEIC"}
                                                   << false << "none" << none;
    QTest::newRow("multi text-only drag refused") << true << text << none << QStringList{"a.HEIC"}
                                                  << false << "none" << none;
}

void TestSingalConverterHome::acceptance()
{
    QFETCH(bool, multi);
    QFETCH(int, way);
    QFETCH(QStringList, tree);
    QFETCH(QStringList, offered);
    QFETCH(bool, dragAccepted);
    QFETCH(QString, expect);
    QFETCH(QStringList, expectedPaths);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : tree) {
        QVERIFY(QDir().mkpath(QFileInfo(dir.filePath(name)).path()));
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    auto absolute = [&](const QStringList &items) {
        QStringList out;
        for (const QString &item : items)
            out.append(item.contains(QLatin1String("://")) ? item : dir.filePath(item));
        return out;
    };
    offered = absolute(offered);
    expectedPaths = absolute(expectedPaths);

    QList<DialogCall> calls;
    FileDialogs::Hooks hooks;
    hooks.openFileName = [&](QWidget *parent, const QString &caption, const QString &dir, const QString &filter) {
        calls.append({"one", parent, caption, dir, filter});
        return offered.value(0);
    };
    hooks.openFileNames = [&](QWidget *parent, const QString &caption, const QString &dir, const QString &filter) {
        calls.append({"many", parent, caption, dir, filter});
        return offered;
    };
    FileDialogs::setHooks(hooks);

    QPointer<SingalConverterHome> page = new SingalConverterHome;
    page->setMultiFileMode(multi);
    page->show();
    const QString dropTip = page->findChild<QLabel *>("label_DropTip")->text();

    // Like the main window, the receivers replace the page and dispose of it
    // while the page's handler is still running.
    Announced announced;
    connect(page.data(), &SingalConverterHome::signal_ToPreviewView, this, [&](QString path) {
        announced.previewPaths.append(path);
        page->deleteLater();
    });
    connect(page.data(), &SingalConverterHome::signal_addHeicFile, this, [&](QVector<QString> paths) {
        announced.fileLists.append(paths);
        page->deleteLater();
    });

    if (Way(way) == Way::Dialog) {
        auto *button = page->findChild<QPushButton *>("pushButton_SelectPhoto");
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(calls.size(), 1);
        QCOMPARE(calls[0].kind, multi ? QString("many") : QString("one"));
        QCOMPARE(calls[0].parent, static_cast<QWidget *>(page.data()));
        QCOMPARE(calls[0].caption, multi ? QString("Choose Images") : QString("Choose Image"));
        QCOMPARE(calls[0].dir, QString("."));
        QCOMPARE(calls[0].filter, PhotoFiles::fileDialogFilter("Image Files"));
    } else {
        // A real drag over the drop panel: enter on the child under the cursor,
        // then the drop there; both must reach the page's handlers.
        QWidget *target = page->findChild<QWidget *>("widget_SingleMain");
        QVERIFY(target);
        QMimeData mime;
        if (Way(way) == Way::TextDrag) {
            mime.setText(offered.join('\n'));
        } else {
            QList<QUrl> urls;
            for (const QString &item : offered)
                urls.append(urlFor(item));
            mime.setUrls(urls);
        }
        const QPoint at(500, 280);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QCOMPARE(enter.isAccepted(), dragAccepted);
        QDropEvent dropEvent(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropEvent);
        QCOMPARE(dropEvent.isAccepted(), expect != "none");
    }

    if (expect == "preview") {
        QCOMPARE(announced.previewPaths, expectedPaths);
        QVERIFY(announced.fileLists.isEmpty());
    } else if (expect == "files") {
        QVERIFY(announced.previewPaths.isEmpty());
        QCOMPARE(announced.fileLists.size(), 1);
        QCOMPARE(QStringList(announced.fileLists[0].toList()), expectedPaths);
    } else {
        QVERIFY(announced.previewPaths.isEmpty());
        QVERIFY(announced.fileLists.isEmpty());
    }

    if (expect == "none") {
        QVERIFY(page);
        // A drop that was taken but held no photo says so; anything else
        // leaves the page as it was.
        const QString tip = page->findChild<QLabel *>("label_DropTip")->text();
        if (dragAccepted) {
            QCOMPARE(tip, QString("No HEIC photos were found in what you dropped."));
            TestSupport::saveToGallery(page, "single-drop-page-no-photos");
        }
        else
            QCOMPARE(tip, dropTip);
        delete page;
    } else {
        // The multi-file dialog hands its paths on without remembering them.
        if (!expectedPaths.isEmpty() && !(multi && Way(way) == Way::Dialog))
            QCOMPARE(page->currentFilePath(), expectedPaths.last());
        // The deferred disposal happens after the handler returned, without harm.
        QTRY_VERIFY(page.isNull());
    }
}

void TestSingalConverterHome::form()
{
    SingalConverterHome page;
    QCOMPARE(page.minimumSize(), QSize(1000, 569));
    QCOMPARE(page.maximumSize(), QSize(1000, 569));
    QVERIFY(page.acceptDrops());
    auto *main = page.findChild<QWidget *>("widget_SingleMain");
    QVERIFY(main && main->acceptDrops());
    auto *panel = page.findChild<QWidget *>("widget_SelectPhoto");
    QVERIFY(panel);
    QCOMPARE(panel->minimumSize(), QSize(670, 400));
    QVERIFY(panel->styleSheet().contains(":/Vantrope/Resources/file_add_bg_normal.png"));
    auto *button = page.findChild<QPushButton *>("pushButton_SelectPhoto");
    QVERIFY(button && button->text().isEmpty());
    QCOMPARE(button->size(), QSize(80, 80));

    auto *selectTip = page.findChild<QLabel *>("label_SelectTip");
    auto *dropTip = page.findChild<QLabel *>("label_DropTip");
    QVERIFY(selectTip && dropTip);
    QCOMPARE(selectTip->text(), QString("Select A File"));
    QCOMPARE(dropTip->text(), QString("Or you can directly drop a HEIC file here."));
    QVERIFY(selectTip->font().bold());
    QCOMPARE(selectTip->font().pixelSize(), 18);
    QVERIFY(!dropTip->font().bold());
    QCOMPARE(dropTip->font().pixelSize(), 14);

    page.setSelectTipText("Select Files");
    page.setDropTipText("Or you can directly drop the HEIC files here.");
    QCOMPARE(selectTip->text(), QString("Select Files"));
    QCOMPARE(dropTip->text(), QString("Or you can directly drop the HEIC files here."));

    // The panel keeps its image while something is dragged over it.
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/photos/a.HEIC")});
    const QString before = panel->styleSheet();
    QDragEnterEvent enter(QPoint(500, 280), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(main, &enter);
    QCOMPARE(panel->styleSheet(), before);
}

void TestSingalConverterHome::realDialogCancelledInMultiMode()
{
    // The page's own call into QFileDialog, without hooks: the dialog is
    // found while it runs modally, checked and cancelled.
    SingalConverterHome page;
    page.setMultiFileMode(true);
    page.show();
    QSignalSpy files(&page, &SingalConverterHome::signal_addHeicFile);

    QString caption;
    QStringList filters;
    int tries = 0;
    QTimer poll;
    poll.setInterval(50);
    connect(&poll, &QTimer::timeout, this, [&] {
        if (++tries > 200) { // about ten seconds; never wait without bound
            poll.stop();
            return;
        }
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            caption = dialog->windowTitle();
            filters = dialog->nameFilters();
            dialog->reject();
            poll.stop();
        }
    });
    poll.start();
    page.slot_SelectHEIC();
    poll.stop();

    QCOMPARE(caption, QString("Choose Images"));
    QCOMPARE(filters, QStringList{PhotoFiles::fileDialogFilter("Image Files")});
    QCOMPARE(files.count(), 1);
    QVERIFY(files.at(0).at(0).value<QVector<QString>>().isEmpty());
}

QTEST_MAIN(TestSingalConverterHome)
#include "tst_singalconverterhome.moc"
