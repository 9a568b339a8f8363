// The skin value, the shadow frame, the frameless dialog and the draggable
// title bar.

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "ZoShadowFrame.h"
#include "ZoSkin.h"
#include "ZoStyleButton.h"
#include "ZoStyleDialog.h"
#include "ZoStyleWidget.h"
#include "ZoStyleWidgetTitle.h"

namespace {

void sendMouse(QWidget *w, QEvent::Type type, const QPoint &globalPos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, w->mapFromGlobal(globalPos), globalPos, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

QSize availableSize()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    return QSize(area.right() - area.left() + 1, area.bottom() - area.top() + 1);
}

// A dialog with a title bar 5 px inside it, dragged from (10, 10) in the bar.
struct DragFixture {
    ZoStyleDialog dialog;
    ZoStyleWidgetTitle *title;
    QPoint grip;

    explicit DragFixture(bool enabled)
        : title(new ZoStyleWidgetTitle(&dialog))
    {
        dialog.resize(300, 200);
        title->setGeometry(5, 5, 290, 34);
        title->setDragTarget(&dialog, QPoint(5, 5), enabled);
        dialog.move(100, 100);
        dialog.show();
        grip = title->mapToGlobal(QPoint(10, 10));
    }

    // Global cursor position that asks for the window's top-left at p.
    static QPoint cursorFor(const QPoint &p) { return p + QPoint(5, 5) + QPoint(10, 10); }
};

} // namespace

class TestZoFrame : public QObject
{
    Q_OBJECT

private slots:
    void fontTable_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("antialias");
        QTest::newRow("9 bold 14") << 9 << 75 << 14 << false;
        QTest::newRow("3 bold 14") << 3 << 75 << 14 << false;
        QTest::newRow("2 weight 62") << 2 << 62 << 15 << false;
        QTest::newRow("10 first of range") << 10 << 50 << 15 << false;
        QTest::newRow("21 last of range") << 21 << 75 << 20 << false;
        QTest::newRow("22 antialiased") << 22 << 75 << 27 << true;
        QTest::newRow("23") << 23 << 50 << 8 << false;
        QTest::newRow("24 first of range") << 24 << 50 << 9 << false;
        QTest::newRow("31 header") << 31 << 75 << 12 << false;
        QTest::newRow("34 body") << 34 << 50 << 14 << false;
        QTest::newRow("35 title") << 35 << 75 << 14 << false;
        QTest::newRow("43") << 43 << 75 << 18 << false;
        QTest::newRow("55 last of range") << 55 << 75 << 24 << false;
        QTest::newRow("56") << 56 << 50 << 27 << false;
        QTest::newRow("57 default") << 57 << 50 << 15 << false;
        QTest::newRow("60 navigation") << 60 << 63 << 14 << false;
        QTest::newRow("-1 default") << -1 << 50 << 15 << false;
        QTest::newRow("1000 default") << 1000 << 50 << 15 << false;
    }

    void fontTable()
    {
        QFETCH(int, style);
        QFETCH(int, weight);
        QFETCH(int, pixelSize);
        QFETCH(bool, antialias);
        const QFont font = ZoSkin().font(style);
        QCOMPARE(font.family(), QStringLiteral("Segoe UI"));
        QCOMPARE(font.weight(), weight);
        QCOMPARE(font.pixelSize(), pixelSize);
        QCOMPARE(font.italic(), false);
        QCOMPARE(bool(font.styleStrategy() & QFont::PreferAntialias), antialias);
    }

    void skinFolderIsBesideTheExecutable()
    {
        QCOMPARE(ZoSkin().skinDir(), QCoreApplication::applicationDirPath() + "/Skin");
        QVERIFY(QFileInfo::exists(ZoSkin().skinDir() + "/Label/win_title_bg.png"));
        QVERIFY(!QPixmap(QStringLiteral(":/ZoRSC/logo.png")).isNull());
    }

    void shadowFramePixels()
    {
        ZoStyleDialog dialog;
        dialog.resize(300, 200);
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
        QImage image(300, 200, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        dialog.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

        const QColor white(Qt::white);
        for (const QPoint &p : {QPoint(5, 5), QPoint(294, 194), QPoint(294, 5), QPoint(5, 194), QPoint(150, 100)})
            QCOMPARE(image.pixelColor(p), white);

        const int alphas[5] = {111, 61, 41, 25, 11};
        for (int i = 0; i < 5; ++i) {
            const int a = alphas[i];
            const QPoint ring[] = {QPoint(4 - i, 100), QPoint(295 + i, 100), QPoint(150, 4 - i),
                                   QPoint(150, 195 + i),
                                   // square corners: the corner pixel belongs to the ring
                                   QPoint(4 - i, 4 - i), QPoint(295 + i, 195 + i)};
            for (const QPoint &p : ring) {
                const QColor c = image.pixelColor(p);
                QVERIFY2(qAbs(c.alpha() - a) <= 1,
                         qPrintable(QString("ring %1 at (%2,%3): alpha %4").arg(i).arg(p.x()).arg(p.y()).arg(c.alpha())));
                // Faint rings lose colour precision to premultiplied alpha.
                const int tolerance = 2 + 255 / a;
                QVERIFY(qAbs(c.red() - 13) <= tolerance && qAbs(c.green() - 67) <= tolerance
                        && qAbs(c.blue() - 119) <= tolerance);
            }
        }
    }

    void shadowFrameLeavesTheRestTransparent()
    {
        // Drawn into a larger canvas nothing lands outside the widget.
        ZoStyleDialog dialog;
        dialog.resize(300, 200);
        QImage image(320, 220, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        dialog.render(&image, QPoint(10, 10), QRegion(), QWidget::DrawChildren);
        for (const QPoint &p : {QPoint(9, 110), QPoint(310, 110), QPoint(160, 9), QPoint(160, 210), QPoint(0, 0)})
            QCOMPARE(image.pixelColor(p).alpha(), 0);
    }

    void plainFrameIsOpaqueWithOneBorder()
    {
        // Where translucent windows would show black, every pixel is opaque:
        // white inside, one border row along the edge, no ring.
        struct PlainWidget : QWidget {
            void paintEvent(QPaintEvent *) override { ZoShadowFrame().paintFrame(this, ZoShadowFrame::Plain); }
        } widget;
        widget.resize(300, 200);
        QImage image(300, 200, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);

        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 300; ++x)
                QVERIFY2(qAlpha(image.pixel(x, y)) == 255, qPrintable(QString("(%1,%2)").arg(x).arg(y)));
        const QColor border(150, 173, 196);
        for (const QPoint &p : {QPoint(0, 0), QPoint(299, 199), QPoint(150, 0), QPoint(0, 100), QPoint(299, 100),
                                QPoint(150, 199)})
            QCOMPARE(image.pixelColor(p), border);
        for (const QPoint &p : {QPoint(1, 1), QPoint(4, 100), QPoint(298, 198), QPoint(150, 3), QPoint(150, 100)})
            QCOMPARE(image.pixelColor(p), QColor(Qt::white));
    }

    void framePicksShadowWhereTranslucencyShows()
    {
        // The offscreen platform renders into images with alpha, like a
        // composited desktop: the dialogs keep their ring there.
        QCOMPARE(QGuiApplication::platformName(), QString("offscreen"));
        QVERIFY(ZoShadowFrame::translucentWindowsAvailable());
        ZoStyleDialog dialog;
        dialog.resize(100, 80);
        QImage image(100, 80, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        dialog.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        QVERIFY(qAlpha(image.pixel(0, 40)) < 255);
    }

    void dragMovesWithinBounds_data()
    {
        const QSize avail = availableSize();
        QTest::addColumn<QList<QPoint>>("requests");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("free move") << QList<QPoint>{{200, 150}} << QPoint(200, 150);
        QTest::newRow("top at 23 allowed") << QList<QPoint>{{200, 23}} << QPoint(200, 23);
        QTest::newRow("above 23 stops at last allowed")
            << QList<QPoint>{{200, 60}, {200, 22}} << QPoint(200, 60);
        QTest::newRow("right edge allowed")
            << QList<QPoint>{{avail.width() - 200, 150}} << QPoint(avail.width() - 200, 150);
        QTest::newRow("past right edge stops")
            << QList<QPoint>{{300, 150}, {avail.width() - 199, 150}} << QPoint(300, 150);
        QTest::newRow("left -799 allowed") << QList<QPoint>{{-799, 150}} << QPoint(-799, 150);
        QTest::newRow("left -800 stops") << QList<QPoint>{{-700, 150}, {-800, 150}} << QPoint(-700, 150);
        QTest::newRow("bottom allowed")
            << QList<QPoint>{{200, avail.height() - 100}} << QPoint(200, avail.height() - 100);
        QTest::newRow("past bottom stops")
            << QList<QPoint>{{200, 150}, {200, avail.height() - 99}} << QPoint(200, 150);
        QTest::newRow("resumes once back inside")
            << QList<QPoint>{{200, 150}, {200, 0}, {250, 170}} << QPoint(250, 170);
    }

    void dragMovesWithinBounds()
    {
        QFETCH(QList<QPoint>, requests);
        QFETCH(QPoint, expected);
        DragFixture f(true);
        sendMouse(f.title, QEvent::MouseButtonPress, f.grip, Qt::LeftButton, Qt::LeftButton);
        for (const QPoint &p : requests)
            sendMouse(f.title, QEvent::MouseMove, DragFixture::cursorFor(p), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(f.dialog.pos(), expected);

        // After the release, moving no longer drags.
        sendMouse(f.title, QEvent::MouseButtonRelease, DragFixture::cursorFor(expected), Qt::LeftButton, Qt::NoButton);
        sendMouse(f.title, QEvent::MouseMove, DragFixture::cursorFor(QPoint(120, 120)), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(f.dialog.pos(), expected);
    }

    void dragNeedsLeftButtonAndEnabledDragging_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("button");
        QTest::newRow("right press") << true << int(Qt::RightButton);
        QTest::newRow("dragging disabled") << false << int(Qt::LeftButton);
    }

    void dragNeedsLeftButtonAndEnabledDragging()
    {
        QFETCH(bool, enabled);
        QFETCH(int, button);
        DragFixture f(enabled);
        const auto b = Qt::MouseButton(button);
        sendMouse(f.title, QEvent::MouseButtonPress, f.grip, b, b);
        sendMouse(f.title, QEvent::MouseMove, DragFixture::cursorFor(QPoint(250, 250)), Qt::NoButton, b);
        QCOMPARE(f.dialog.pos(), QPoint(100, 100));
    }

    void closeButtonClosesTargetOrSignals_data()
    {
        QTest::addColumn<bool>("bySignal");
        QTest::newRow("closes the window") << false;
        QTest::newRow("only signals") << true;
    }

    void closeButtonClosesTargetOrSignals()
    {
        QFETCH(bool, bySignal);
        DragFixture f(true);
        f.title->setCloseBySignal(bySignal);
        QSignalSpy closeSignal(f.title, &ZoStyleWidgetTitle::signal_Close);
        auto *close = f.title->findChild<ZoStyleButton *>(QStringLiteral("closeButton"));
        QVERIFY(close);
        QCOMPARE(close->size(), QSize(18, 18));
        QTest::mouseClick(close, Qt::LeftButton);
        QCOMPARE(closeSignal.count(), bySignal ? 1 : 0);
        QCOMPARE(f.dialog.isVisible(), bySignal);
    }

    void closeWithoutTargetDoesNothing()
    {
        ZoStyleWidget widget;
        widget.slotClosePWidget();
        ZoStyleWidgetTitle title;
        title.show();
        QTest::mouseClick(title.findChild<ZoStyleButton *>(QStringLiteral("closeButton")), Qt::LeftButton);
        QVERIFY(title.isVisible());
    }

    void titleBarCaption()
    {
        ZoStyleWidgetTitle title;
        title.resize(400, 34);
        title.setTitleText(QStringLiteral("Settings"));
        auto *label = title.findChild<QLabel *>(QStringLiteral("titleLabel"));
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Settings"));
        QCOMPARE(label->font().weight(), 75);
        QCOMPARE(label->font().pixelSize(), 14);
        QVERIFY(title.findChild<QLabel *>(QStringLiteral("iconLabel"))->isHidden());
    }
};

QTEST_MAIN(TestZoFrame)
#include "tst_zoframe.moc"
