// A later start with files hands them to the copy that runs: this test
// process is the running copy (it holds the instance lock, listens and shows
// the real main window), the later start is the real program.
#include "HeicFileTable.h"
#include "InstanceChannel.h"
#include "LaunchFiles.h"
#include "PreviewHEIC.h"
#include "SingleInstanceGuard.h"
#include "Vantrope.h"
#include "desktopopener.h"
#include "heicfixture.h"
#include "shellhelpers.h"

#include <QDataStream>
#include <QLabel>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "instancemutex.h"

class TestHandOver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void launchArguments_data();
    void launchArguments();

    void laterStartHandsOver_data();
    void laterStartHandsOver();
    void malformedRequestIsDropped();

private:
    QString shownPage();

    QTemporaryDir runtimeDir;
    QTemporaryDir photos;
    SingleInstanceGuard guard;
    QScopedPointer<InstanceChannel> channel;
    QScopedPointer<Vantrope> window;
};

void TestHandOver::initTestCase()
{
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    DesktopOpener::setOpener([](const QUrl &) { return true; });
    QVERIFY(runtimeDir.isValid() && photos.isValid());
    QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));

    HeicFixture::Options small;
    QVERIFY(HeicFixture::write(photos.filePath("IMG_1.HEIC").toStdString(), small));
    QVERIFY(HeicFixture::write(photos.filePath("my photo.heic").toStdString(), small));
    QVERIFY(QDir(photos.path()).mkpath("sub"));

    // The running copy, wired as the program's main wires it; a copy that
    // crashed left its socket file behind.
    QVERIFY(guard.create("Vantrope"));
    QFile stale(QFile::decodeName(PlatformInstance::channelPath(L"Vantrope")));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    channel.reset(new InstanceChannel("Vantrope"));
    QVERIFY(channel->listen());
    window.reset(new Vantrope);
    window->show();
    connect(channel.data(), &InstanceChannel::filesReceived, window.data(), &Vantrope::slot_OpenFiles);
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
}

void TestHandOver::cleanupTestCase()
{
    window.reset();
    channel.reset();
    flushDeferredDeletes();
}

void TestHandOver::launchArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected"); // relative to the current folder "/base"

    QTest::newRow("relative and absolute") << QStringList{"a.heic", "/x/b.HEIC"}
                                           << QStringList{"/base/a.heic", "/x/b.HEIC"};
    QTest::newRow("dots are resolved") << QStringList{"sub/../c.heic", "./d.heic"}
                                       << QStringList{"/base/c.heic", "/base/d.heic"};
    QTest::newRow("file URLs") << QStringList{"file:///x/my%20photo.heic"} << QStringList{"/x/my photo.heic"};
    QTest::newRow("empty arguments dropped") << QStringList{"", "e.heic"} << QStringList{"/base/e.heic"};
}

void TestHandOver::launchArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    QTemporaryDir base;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(base.path()));
    const QStringList paths = LaunchFiles::fromArguments(arguments);
    QDir::setCurrent(previous);
    QStringList want;
    for (const QString &path : expected)
        want << (path.startsWith("/base") ? QDir::cleanPath(base.path() + path.mid(5)) : path);
    QCOMPARE(paths, want);
}

QString TestHandOver::shownPage()
{
    flushDeferredDeletes();
    if (visiblePage<PreviewHEIC>(window.data()))
        return "preview";
    if (HeicFileTable *table = visiblePage<HeicFileTable>(window.data())) {
        auto *rows = table->findChild<QTableWidget *>("tableWidget");
        QStringList paths;
        for (int row = 0; row < rows->rowCount(); ++row)
            paths << rows->item(row, 3)->text();
        return "table " + paths.join('|');
    }
    return window->findChild<QWidget *>("widget_Main")->isVisible() ? "home" : "other";
}

void TestHandOver::laterStartHandsOver_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected"); // "$" stands for the photos folder

    QTest::newRow("one photo, relative to the later start's folder")
        << QStringList{"IMG_1.HEIC"} << "preview";
    QTest::newRow("Qt's own options are not files")
        << QStringList{"-platform", "offscreen", "IMG_1.HEIC"} << "preview";
    QTest::newRow("several photos") << QStringList{"sub/../my photo.heic", "IMG_1.HEIC"}
                                    << "table $/my photo.heic|$/IMG_1.HEIC";
    QTest::newRow("no files: nothing handed over") << QStringList{} << "home";
}

void TestHandOver::laterStartHandsOver()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);
    window->slot_ToHome();
    flushDeferredDeletes();
    QSignalSpy received(channel.data(), &InstanceChannel::filesReceived);

    QProcess later;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    later.setProcessEnvironment(env);
    later.setWorkingDirectory(photos.path());
    later.setProcessChannelMode(QProcess::ForwardedChannels);
    later.start(QCoreApplication::applicationDirPath() + "/Vantrope", arguments);
    QVERIFY(later.waitForStarted());
    // The later start waits for this process to take the files: serve it
    // while it runs.
    QTRY_VERIFY_WITH_TIMEOUT(later.state() == QProcess::NotRunning, 30000);
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 255);

    expected.replace("$", photos.path());
    QTRY_COMPARE(shownPage(), expected);
    QCOMPARE(received.size(), arguments.isEmpty() ? 0 : 1);
}

void TestHandOver::malformedRequestIsDropped()
{
    // A client announcing more than any list of paths holds, and one sending
    // bytes that are no request, are cut off; the channel keeps serving.
    QSignalSpy received(channel.data(), &InstanceChannel::filesReceived);
    const QString path = QFile::decodeName(PlatformInstance::channelPath(L"Vantrope"));
    for (const QByteArray &junk : {QByteArray("\xff\xff\xff\xff", 4), QByteArray("\x00\x00\x00\x04" "abcd", 8)}) {
        QLocalSocket socket;
        socket.connectToServer(path);
        QVERIFY(socket.waitForConnected(5000));
        socket.write(junk);
        QVERIFY(socket.waitForBytesWritten(5000));
        QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QLocalSocket::UnconnectedState, 10000);
        QVERIFY(!socket.bytesAvailable());
    }
    QCOMPARE(received.size(), 0);

    // A proper hand-over still arrives.
    window->slot_ToHome();
    QProcess later;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    later.setProcessEnvironment(env);
    later.start(QCoreApplication::applicationDirPath() + "/Vantrope", {photos.filePath("IMG_1.HEIC")});
    QTRY_VERIFY_WITH_TIMEOUT(later.state() == QProcess::NotRunning, 30000);
    QCOMPARE(later.exitCode(), 255);
    QTRY_COMPARE(shownPage(), QString("preview"));
}

QTEST_MAIN(TestHandOver)
#include "tst_handover.moc"
