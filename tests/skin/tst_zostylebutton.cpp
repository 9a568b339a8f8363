// The image button: its four states, its click rule and its painting.

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ZoSkin.h"
#include "ZoStyleButton.h"

namespace {

void sendMouse(QWidget *w, QEvent::Type type, const QPoint &pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void press(QWidget *w, const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, pos, button, button);
}

void release(QWidget *w, const QPoint &pos, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

void enter(QWidget *w)
{
    QEvent event(QEvent::Enter);
    QApplication::sendEvent(w, &event);
}

void leave(QWidget *w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

// The colour painted at a point of the button, caption-free spot.
QColor shown(QWidget *w, const QPoint &at = QPoint(3, 3))
{
    return w->grab().toImage().pixelColor(at);
}

} // namespace

class TestZoStyleButton : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString normal, hover, pressing, disable;

    QString solid(const char *name, const QColor &color, const QSize &size = QSize(10, 10))
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(color);
        const QString path = dir.filePath(QString::fromLatin1(name) + ".png");
        image.save(path);
        return path;
    }

    // A 100 x 30 button, shown, with the four solid-colour images.
    ZoStyleButton *makeButton(QWidget *parent, bool withDisable)
    {
        auto *button = new ZoStyleButton(parent);
        button->setGeometry(10, 10, 100, 30);
        button->setImages(normal, hover, pressing, withDisable ? disable : QString());
        return button;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        normal = solid("normal", Qt::red);
        hover = solid("hover", Qt::green);
        pressing = solid("pressing", Qt::blue);
        disable = solid("disable", Qt::gray);
    }

    void withoutImagesClicksOnceOnLeftReleaseInside()
    {
        QWidget window;
        ZoStyleButton button(&window);
        button.setGeometry(10, 10, 100, 30);
        window.show();
        QSignalSpy clicked(&button, &QAbstractButton::clicked);
        QSignalSpy pressed(&button, &QAbstractButton::pressed);

        press(&button, QPoint(50, 15));
        QCOMPARE(clicked.count(), 0);
        release(&button, QPoint(50, 15));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toBool(), false);
        QCOMPARE(pressed.count(), 0);
        QVERIFY(!button.isDown());

        // Releasing outside the button is no click, also without images.
        press(&button, QPoint(50, 15));
        release(&button, QPoint(150, 15));
        QCOMPARE(clicked.count(), 1);
    }

    void withoutImagesPaintsLikePlainButton()
    {
        QWidget window;
        ZoStyleButton styled(&window);
        QPushButton plain(&window);
        for (QPushButton *b : {static_cast<QPushButton *>(&styled), &plain}) {
            b->resize(100, 30);
            b->setText(QStringLiteral("Plain"));
            b->setPalette(styled.palette());
        }
        window.show();
        QCOMPARE(styled.grab().toImage(), plain.grab().toImage());
    }

    void rightButtonNeitherChangesImageNorClicks()
    {
        QWidget window;
        ZoStyleButton *button = makeButton(&window, false);
        window.show();
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        press(button, QPoint(50, 15), Qt::RightButton);
        QCOMPARE(shown(button), QColor(Qt::red));
        release(button, QPoint(50, 15), Qt::RightButton);
        QCOMPARE(shown(button), QColor(Qt::red));
        QCOMPARE(clicked.count(), 0);
    }

    void statesFollowEnterPressReleaseLeave()
    {
        QWidget window;
        ZoStyleButton *button = makeButton(&window, false);
        window.show();
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QCOMPARE(shown(button), QColor(Qt::red));
        enter(button);
        QCOMPARE(shown(button), QColor(Qt::green));
        press(button, QPoint(50, 15));
        QCOMPARE(shown(button), QColor(Qt::blue));
        release(button, QPoint(50, 15));
        QCOMPARE(shown(button), QColor(Qt::green));
        QCOMPARE(clicked.count(), 1);
        leave(button);
        QCOMPARE(shown(button), QColor(Qt::red));
    }

    void pressInsideReleaseOutsideLeavesHoverWithoutClick()
    {
        QWidget window;
        ZoStyleButton *button = makeButton(&window, false);
        window.show();
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        enter(button);
        press(button, QPoint(50, 15));
        leave(button);
        release(button, QPoint(-20, 50));
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(shown(button), QColor(Qt::green));
    }

    void disabledButtonImage_data()
    {
        QTest::addColumn<bool>("withDisableImage");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("disable image") << true << QColor(Qt::gray);
        // Without one it keeps the state it was in when disabled: hover.
        QTest::newRow("no disable image") << false << QColor(Qt::green);
    }

    void disabledButtonImage()
    {
        QFETCH(bool, withDisableImage);
        QFETCH(QColor, expected);
        QWidget window;
        ZoStyleButton *button = makeButton(&window, withDisableImage);
        window.show();
        enter(button);
        button->setEnabled(false);
        QCOMPARE(shown(button), expected);

        // A disabled button is not repainted by state changes, and a press
        // does not reach the pressing state.
        QSignalSpy updates(button, &ZoStyleButton::signalUpdate);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        leave(button);
        enter(button);
        QCOMPARE(updates.count(), 0);
        press(button, QPoint(50, 15));
        QCOMPARE(shown(button), expected);
    }

    void enterAndLeaveAreAlwaysAnnounced()
    {
        QWidget window;
        ZoStyleButton button(&window);
        window.show();
        QSignalSpy entered(&button, &ZoStyleButton::mouseEnter);
        QSignalSpy left(&button, &ZoStyleButton::mouseLeave);
        enter(&button);
        leave(&button);
        button.setImages(normal, hover, pressing);
        enter(&button);
        leave(&button);
        QCOMPARE(entered.count(), 2);
        QCOMPARE(left.count(), 2);
    }

    void imageIsStretchedAndCaptionCentred()
    {
        QWidget window;
        ZoStyleButton *button = makeButton(&window, false);
        button->setStyleSheet(QStringLiteral("color: rgb(255, 255, 255);"));
        button->setText(QStringLiteral("III"));
        window.show();
        const QImage image = button->grab().toImage();
        // The 10 x 10 image covers all of the 100 x 30 button.
        for (const QPoint &corner : {QPoint(0, 0), QPoint(99, 0), QPoint(0, 29), QPoint(99, 29)})
            QCOMPARE(image.pixelColor(corner), QColor(Qt::red));
        // The caption's ink sits around the centre.
        int left = 100, right = -1, top = 30, bottom = -1;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 100; ++x)
                if (image.pixelColor(x, y).green() > 100) {
                    left = qMin(left, x); right = qMax(right, x);
                    top = qMin(top, y); bottom = qMax(bottom, y);
                }
        QVERIFY(right >= 0);
        QVERIFY(qAbs((left + right) / 2 - 50) <= 2);
        QVERIFY(qAbs((top + bottom) / 2 - 15) <= 3);
    }

    // Space and Return press the focused button as a click does: one
    // clicked(false), no pressed() (a button with a menu would pop it up);
    // Space shows the pressing image while held. Ctrl+Return is left to the
    // page's shortcut.
    void keyboardPressesTheButton()
    {
        QWidget window;
        ZoStyleButton *button = makeButton(&window, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        QVERIFY(button->hasFocus());
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QSignalSpy pressed(button, &QAbstractButton::pressed);
        QTest::keyPress(button, Qt::Key_Space);
        QCOMPARE(shown(button), QColor(Qt::blue));
        QCOMPARE(clicked.count(), 0);
        QTest::keyRelease(button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toBool(), false);
        QCOMPARE(shown(button), QColor(Qt::red));
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicked.count(), 3);
        QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicked.count(), 3);
        QCOMPARE(pressed.count(), 0);
        // Focus leaving mid-press cancels it.
        QTest::keyPress(button, Qt::Key_Space);
        button->clearFocus();
        QTest::keyRelease(button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 3);
        QCOMPARE(shown(button), QColor(Qt::red));
    }

    // A set named in the table of skin images brings its disable image only
    // where the set has one.
    void skinImagesBySetName_data()
    {
        QTest::addColumn<QString>("set");
        QTest::addColumn<QString>("disabledShows");
        QTest::newRow("four states") << "big_button" << "big_button_disable.png";
        QTest::newRow("three states") << "button100" << "button100_normal.png";
    }

    void skinImagesBySetName()
    {
        QFETCH(QString, set);
        QFETCH(QString, disabledShows);
        QWidget window;
        auto *button = new ZoStyleButton(&window);
        button->setGeometry(0, 0, 168, 43);
        button->setSkinImages(set);
        window.show();
        QCOMPARE(shown(button, QPoint(84, 40)),
                 QImage(ZoSkin().skinDir() + "/Button/" + set + "_normal.png")
                     .scaled(168, 43, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                     .pixelColor(84, 40));
        button->setEnabled(false);
        const QImage expected = QImage(ZoSkin().skinDir() + "/Button/" + disabledShows)
                                    .scaled(168, 43, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QCOMPARE(shown(button, QPoint(84, 40)), expected.pixelColor(84, 40));
    }

    // Captions painted beside an icon set (the tool bar links): the button
    // widens to a long caption and paints all of it, in the state's ink,
    // underlined while hovered; a short one keeps the layout width.
    void iconAndCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("widens");
        QTest::newRow("short") << "Delete" << false;
        QTest::newRow("long") << "Entfernen aus der Liste" << true;
    }

    void iconAndCaption()
    {
        QFETCH(QString, caption);
        QFETCH(bool, widens);
        QWidget window;
        window.setStyleSheet(QStringLiteral("background: white;"));
        auto *button = new ZoStyleButton(&window);
        button->setFixedHeight(20);
        button->setSkinIcon(QStringLiteral("delete_icon"), 2);
        button->setText(caption);
        button->setFont(ZoSkin().font(ZoSkin::SmallFont));
        button->setCaptionInks({Qt::blue, Qt::red, Qt::darkRed, Qt::gray});
        button->setHoverUnderline(true);
        button->setTextOption(QTextOption(Qt::AlignLeft | Qt::AlignVCenter));
        button->fitToCaption(76);
        QCOMPARE(button->width() > 76, widens);
        QVERIFY(button->width() >= button->captionWidth());
        window.show();

        // The rightmost column holding the ink of a colour, or -1.
        auto inkRight = [&](const QImage &image, auto isInk, int fromRow = 0) {
            int right = -1;
            for (int y = fromRow; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (isInk(image.pixelColor(x, y)))
                        right = qMax(right, x);
            return right;
        };
        const auto blue = [](const QColor &c) { return c.blue() > 150 && c.red() < 120 && c.green() < 120; };
        const auto red = [](const QColor &c) { return c.red() > 150 && c.green() < 120 && c.blue() < 120; };
        const QImage normal = button->grab().toImage();
        // The whole caption is there, to its last letter.
        QVERIFY2(inkRight(normal, blue) >= button->captionWidth() - 4, qPrintable(caption));
        QCOMPARE(inkRight(normal, red), -1);

        enter(button);
        const QImage hovered = button->grab().toImage();
        QCOMPARE(inkRight(hovered, blue), -1);
        // The underline runs under the caption, in the bottom rows.
        QVERIFY(inkRight(hovered, red, 17) >= button->captionWidth() - 4);
        leave(button);
    }

    void missingImagePaintsOnlyTheCaption()
    {
        QWidget window;
        window.setStyleSheet(QStringLiteral("background: white;"));
        auto *button = new ZoStyleButton(&window);
        button->setGeometry(0, 0, 100, 30);
        button->setImages(dir.filePath("none.png"), QString(), QString());
        window.show();
        const QImage image = window.grab().toImage();
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::white));
    }
};

QTEST_MAIN(TestZoStyleButton)
#include "tst_zostylebutton.moc"
