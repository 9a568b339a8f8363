#include "SingalConverterHome.h"
#include "filedialogs.h"
#include "testsupport.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
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
    QTest::addColumn<QStringList>("offered");   // dialog answer, or the dropped URLs
    QTest::addColumn<QString>("expect");        // "preview", "files" or "none"
    QTest::addColumn<QStringList>("expectedPaths");

    const QString d = QStringLiteral("/photos/");
    const int dialog = int(Way::Dialog), drop = int(Way::Drop), text = int(Way::TextDrag);

    QTest::newRow("single dialog IMG_1.HEIC") << false << dialog << QStringList{d + "IMG_1.HEIC"}
                                              << "preview" << QStringList{d + "IMG_1.HEIC"};
    QTest::newRow("single dialog img_1.heic ignored") << false << dialog << QStringList{d + "img_1.heic"}
                                                      << "none" << QStringList();
    QTest::newRow("single dialog cancelled") << false << dialog << QStringList() << "none" << QStringList();
    QTest::newRow("multi dialog x.jpg unfiltered") << true << dialog << QStringList{d + "x.jpg"}
                                                   << "files" << QStringList{d + "x.jpg"};
    QTest::newRow("multi dialog keeps order, no suffix test")
        << true << dialog << QStringList{d + "b.heic", d + "a.HEIC"}
        << "files" << QStringList{d + "b.heic", d + "a.HEIC"};
    QTest::newRow("multi dialog cancelled emits empty") << true << dialog << QStringList()
                                                        << "files" << QStringList();

    QTest::newRow("single drop img_1.heic") << false << drop << QStringList{d + "img_1.heic"}
                                            << "preview" << QStringList{d + "img_1.heic"};
    QTest::newRow("single drop IMG_1.HEIC") << false << drop << QStringList{d + "IMG_1.HEIC"}
                                            << "preview" << QStringList{d + "IMG_1.HEIC"};
    QTest::newRow("single drop img_1.Heic") << false << drop << QStringList{d + "img_1.Heic"}
                                            << "none" << QStringList();
    QTest::newRow("single drop photo.jpg") << false << drop << QStringList{d + "photo.jpg"}
                                           << "none" << QStringList();
    QTest::newRow("single drop three, first counts")
        << false << drop << QStringList{d + "a.HEIC", d + "photo.jpg", d + "c.heic"}
        << "preview" << QStringList{d + "a.HEIC"};
    QTest::newRow("single drop three, first fails")
        << false << drop << QStringList{d + "photo.jpg", d + "b.HEIC", d + "c.heic"}
        << "none" << QStringList();
    QTest::newRow("single drop web URL") << false << drop << QStringList{"https://example.org/IMG_1.HEIC"}
                                         << "none" << QStringList();
    QTest::newRow("multi drop a.HEIC b.HEIC") << true << drop << QStringList{d + "a.HEIC", d + "b.HEIC"}
                                              << "files" << QStringList{d + "a.HEIC", d + "b.HEIC"};
    QTest::newRow("multi drop a.HEIC b.heic rejected") << true << drop
                                                       << QStringList{d + "a.HEIC", d + "b.heic"}
                                                       << "none" << QStringList();
    QTest::newRow("multi drop web URL rejects all")
        << true << drop << QStringList{d + "a.HEIC", "https://example.org/b.HEIC"}
        << "none" << QStringList();
    QTest::newRow("single text-only drag refused") << false << text << QStringList{d + "IMG_1.HEIC"}
                                                   << "none" << QStringList();
    QTest::newRow("multi text-only drag refused") << true << text << QStringList{d + "a.HEIC"}
                                                  << "none" << QStringList();
}

void TestSingalConverterHome::acceptance()
{
    QFETCH(bool, multi);
    QFETCH(int, way);
    QFETCH(QStringList, offered);
    QFETCH(QString, expect);
    QFETCH(QStringList, expectedPaths);

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
        QCOMPARE(calls[0].filter, QString("Image Files(*.HEIC)"));
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
        QCOMPARE(enter.isAccepted(), Way(way) == Way::Drop);
        QDropEvent dropEvent(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropEvent);
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
    QCOMPARE(filters, QStringList{"Image Files(*.HEIC)"});
    QCOMPARE(files.count(), 1);
    QVERIFY(files.at(0).at(0).value<QVector<QString>>().isEmpty());
}

QTEST_MAIN(TestSingalConverterHome)
#include "tst_singalconverterhome.moc"
