// The skinned message box: which buttons a mask shows, in what order, and
// which code closing it gives.

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ZoMessageBox.h"
#include "ZoProduct.h"
#include "ZoStyleButton.h"
#include "ZoStyleWidgetTitle.h"

namespace {

const char *const buttonNames[] = {"pushButton_yes", "pushButton_ok", "pushButton_no", "pushButton_cancel"};

// Object names of the buttons on show, left to right.
QStringList visibleButtons(ZoMessageBox &box)
{
    QList<ZoStyleButton *> shown;
    for (const char *name : buttonNames) {
        auto *b = box.findChild<ZoStyleButton *>(QString::fromLatin1(name));
        if (b && b->isVisible())
            shown << b;
    }
    std::sort(shown.begin(), shown.end(), [](ZoStyleButton *a, ZoStyleButton *b) { return a->x() < b->x(); });
    QStringList names;
    for (ZoStyleButton *b : shown)
        names << b->objectName();
    return names;
}

// Runs the box modally and does `action` once it is up; returns exec's result.
int runWith(ZoMessageBox &box, const std::function<void()> &action)
{
    QTimer::singleShot(0, &box, [&] {
        QTRY_VERIFY_WITH_TIMEOUT(box.isVisible(), 5000);
        action();
        // Never leave the event loop hanging if the action did not close it.
        QTimer::singleShot(5000, &box, [&] { box.done(-99); });
    });
    return box.exec();
}

} // namespace

class TestZoMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void maskShowsButtonsInOrder_data()
    {
        QTest::addColumn<int>("mask");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("0 none") << 0 << QStringList();
        QTest::newRow("4 ok") << 4 << QStringList{"pushButton_ok"};
        QTest::newRow("3 yes no") << 3 << QStringList{"pushButton_yes", "pushButton_no"};
        QTest::newRow("15 all") << 15
                                << QStringList{"pushButton_yes", "pushButton_ok", "pushButton_no", "pushButton_cancel"};
    }

    void maskShowsButtonsInOrder()
    {
        QFETCH(int, mask);
        QFETCH(QStringList, expected);
        ZoMessageBox box(QStringLiteral("Message"), QStringLiteral("Title"), mask);
        box.show();
        QCOMPARE(visibleButtons(box), expected);
    }

    void captionsAndTitle()
    {
        ZoMessageBox all(QStringLiteral("Save?"), QStringLiteral("Question"), 15);
        QCOMPARE(all.findChild<ZoStyleButton *>("pushButton_yes")->text(), QStringLiteral("Yes"));
        QCOMPARE(all.findChild<ZoStyleButton *>("pushButton_no")->text(), QStringLiteral("NO"));
        QCOMPARE(all.findChild<ZoStyleButton *>("pushButton_ok")->text(), QStringLiteral("OK"));
        QCOMPARE(all.findChild<ZoStyleButton *>("pushButton_cancel")->text(), QStringLiteral("Cancel"));
        QCOMPARE(all.findChild<QLabel *>("label")->text(), QStringLiteral("Save?"));
        QCOMPARE(all.findChild<QLabel *>("titleLabel")->text(), QStringLiteral("Question"));

        // An empty title falls back to the name the application handed in.
        ZoProduct product;
        product.name = "Test Product";
        ZoProduct::set(product);
        ZoMessageBox untitled(QStringLiteral("Done."), QString(), 4);
        QCOMPARE(untitled.findChild<QLabel *>("titleLabel")->text(), QStringLiteral("Test Product"));
        ZoProduct::set(ZoProduct());
    }

    void buttonGivesItsCode_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("code");
        QTest::newRow("yes") << "pushButton_yes" << 1;
        QTest::newRow("no") << "pushButton_no" << 2;
        QTest::newRow("ok") << "pushButton_ok" << 4;
        QTest::newRow("cancel") << "pushButton_cancel" << 8;
    }

    void buttonGivesItsCode()
    {
        QFETCH(QString, button);
        QFETCH(int, code);
        ZoMessageBox box(QStringLiteral("Message"), QString(), 15);
        runWith(box, [&] { QTest::mouseClick(box.findChild<ZoStyleButton *>(button), Qt::LeftButton); });
        QCOMPARE(box.clickedButton(), code);
        QVERIFY(!box.isVisible());
    }

    void closingByTitleBarGivesZero_data()
    {
        QTest::addColumn<int>("mask");
        QTest::newRow("no buttons") << 0;
        QTest::newRow("all buttons, one hovered first") << 15;
    }

    void closingByTitleBarGivesZero()
    {
        QFETCH(int, mask);
        ZoMessageBox box(QStringLiteral("Message"), QString(), mask);
        const int result = runWith(box, [&] {
            QEvent enter(QEvent::Enter), leave(QEvent::Leave);
            auto *yes = box.findChild<ZoStyleButton *>("pushButton_yes");
            QApplication::sendEvent(yes, &enter);
            QApplication::sendEvent(yes, &leave);
            QTest::mouseClick(box.findChild<ZoStyleButton *>("closeButton"), Qt::LeftButton);
        });
        QVERIFY(result != -99);
        QCOMPARE(box.clickedButton(), 0);
    }
};

QTEST_MAIN(TestZoMessageBox)
#include "tst_zomessagebox.moc"
