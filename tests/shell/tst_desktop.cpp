// The built program on a real X server (Xvfb): it opens centred on the
// screen with its home view, and moving the pointer over a tile swaps the
// tile's image until the pointer leaves. Skipped without an X server.
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QSize windowSize(1010, 630);
// The single-photo tile inside the window: below the 5 px shadow margin,
// the 50 px title bar and its 1 px line, inside the home view's margins.
const QRect singleTileInWindow(5 + 146, 5 + 50 + 1 + 94, 290, 350);

QImage grabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

int differingPixels(const QImage &a, const QImage &b, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                ++count;
        }
    }
    return count;
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void homeViewAndTileHover();
    void cleanup();

private:
    QProcess program;
    QTemporaryDir runtimeDir;
};

void TestDesktop::cleanup()
{
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished(10000);
    }
}

void TestDesktop::homeViewAndTileHover()
{
    if (QGuiApplication::platformName() != "xcb")
        QSKIP("needs an X server (run under xvfb-run)");

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint origin((screen.width() - windowSize.width()) / 2,
                        (screen.height() - windowSize.height()) / 2);
    const QRect tile = singleTileInWindow.translated(origin);
    QCursor::setPos(screen.topLeft() + QPoint(1, 1));

    const QImage before = grabScreen();
    program.start(QCoreApplication::applicationDirPath() + "/Vantrope", QStringList());
    QVERIFY(program.waitForStarted());

    // The home view is up once the window's centre is painted and stays put.
    QImage home;
    QTRY_VERIFY_WITH_TIMEOUT((home = grabScreen(),
                              differingPixels(before, home, tile) > tile.width() * tile.height() / 2),
                             30000);
    QTest::qWait(500);
    home = grabScreen();
    // Centred: the white title bar starts right inside the 5 px shadow ring.
    QCOMPARE(QColor(home.pixel(origin + QPoint(300, 10))), QColor(Qt::white));
    QVERIFY(QColor(home.pixel(origin + QPoint(-3, 300))) != QColor(Qt::white));

    QCursor::setPos(tile.center());
    QImage hovered;
    QTRY_VERIFY_WITH_TIMEOUT((hovered = grabScreen(), differingPixels(home, hovered, tile) > 500), 10000);

    const QString gallery = qEnvironmentVariable("VANTROPE_GALLERY_DIR", "gallery");
    QDir().mkpath(gallery);
    QVERIFY(home.save(gallery + "/shell-xvfb-home.png"));
    QVERIFY(hovered.save(gallery + "/shell-xvfb-tile-hover.png"));

    QCursor::setPos(screen.topLeft() + QPoint(1, 1));
    QImage left;
    QTRY_VERIFY_WITH_TIMEOUT((left = grabScreen(), differingPixels(home, left, tile) < 50), 10000);
    QCOMPARE(program.state(), QProcess::Running);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
