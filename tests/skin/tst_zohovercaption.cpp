// The hover-caption filter the pages and dialogs share: blue captions turn
// white while hovered and blue again when the pointer leaves.

#include <QHoverEvent>
#include <QPointer>
#include <QTest>

#include "ZoHoverCaption.h"
#include "ZoStyleButton.h"
#include "simulatedinput.h"

class TestZoHoverCaption : public QObject
{
    Q_OBJECT

private slots:
    void swapsCaptionOfEachWatchedButton()
    {
        QWidget page;
        auto *first = new ZoStyleButton(&page);
        auto *second = new ZoStyleButton(&page);
        auto *other = new ZoStyleButton(&page);
        ZoHoverCaption::install(&page, {first, second});

        for (ZoStyleButton *b : {first, second}) {
            QVERIFY(b->testAttribute(Qt::WA_Hover));
            QCOMPARE(b->styleSheet(), QString()); // the form's sheet stays until hovered
        }
        hover(second, QEvent::HoverEnter);
        QCOMPARE(second->styleSheet(), QString("color:#ffffff"));
        QCOMPARE(first->styleSheet(), QString());
        hover(second, QEvent::HoverMove);
        QCOMPARE(second->styleSheet(), QString("color:#ffffff"));
        hover(second, QEvent::HoverLeave);
        QCOMPARE(second->styleSheet(), QString("color:#3598fe"));

        hover(other, QEvent::HoverEnter);
        QCOMPARE(other->styleSheet(), QString());
        QVERIFY(!other->testAttribute(Qt::WA_Hover));
    }

    void realPointerMovesSwapCaption()
    {
        // Enter and leave through the window system, as a user's pointer does.
        QWidget page;
        page.resize(300, 100);
        auto *button = new ZoStyleButton(&page);
        button->setGeometry(100, 30, 100, 30);
        button->setStyleSheet("color:#3598fe");
        ZoHoverCaption::install(&page, {button});
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QTest::mouseMove(&page, QPoint(150, 45));
        QTRY_COMPARE(button->styleSheet(), QString("color:#ffffff"));
        QTest::mouseMove(&page, QPoint(10, 10));
        QTRY_COMPARE(button->styleSheet(), QString("color:#3598fe"));
    }

    void filterLivesAsLongAsItsOwner()
    {
        auto *owner = new QObject;
        QWidget page;
        auto *button = new ZoStyleButton(&page);
        QPointer<ZoHoverCaption> filter = ZoHoverCaption::install(owner, {button});
        QCOMPARE(filter->parent(), owner);
        delete owner;
        QVERIFY(!filter);
        hover(button, QEvent::HoverEnter); // no dangling filter
        QCOMPARE(button->styleSheet(), QString());
    }
};

QTEST_MAIN(TestZoHoverCaption)
#include "tst_zohovercaption.moc"
