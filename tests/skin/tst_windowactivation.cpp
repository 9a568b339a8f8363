// A dialog that closes hands the keyboard back to the window it was opened
// over. The platform here activates windows as a window manager would; each
// case then takes the activation away as a bare X server does when the
// dialog's window goes (the focus falls to the root window), and checks that
// the owner gets it back, so that its shortcuts work again.

#include "ZoSkin.h"
#include "ZoStyleDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QtTest>

#include <functional>

using MakeWindow = std::function<QWidget *(QWidget *owner)>;
Q_DECLARE_METATYPE(MakeWindow)

class tst_WindowActivation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ownerGetsKeyboardBack_data();
    void ownerGetsKeyboardBack();
    void otherActiveWindowKeepsIt();
};

void tst_WindowActivation::initTestCase()
{
    ZoSkin skin; // installs the skin's application-wide helpers
}

void tst_WindowActivation::ownerGetsKeyboardBack_data()
{
    QTest::addColumn<MakeWindow>("make");
    QTest::newRow("skinned dialog") << MakeWindow([](QWidget *owner) { return new ZoStyleDialog(owner); });
    QTest::newRow("file dialog") << MakeWindow([](QWidget *owner) {
        auto *dialog = new QFileDialog(owner);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        return dialog;
    });
    QTest::newRow("message box") << MakeWindow([](QWidget *owner) {
        return new QMessageBox(QMessageBox::Information, "Title", "Text", QMessageBox::Ok, owner);
    });
}

void tst_WindowActivation::ownerGetsKeyboardBack()
{
    QFETCH(MakeWindow, make);
    QWidget owner;
    owner.resize(400, 300);
    owner.show();
    owner.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &owner);

    QWidget *dialog = make(&owner);
    dialog->show();
    dialog->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), dialog);

    dialog->hide();
    // What a bare X server does next: nobody has the keyboard.
    QApplication::setActiveWindow(nullptr);
    QTRY_COMPARE(QApplication::activeWindow(), &owner);
    delete dialog;
}

// A dialog closing while another window has the keyboard takes nothing from
// that window.
void tst_WindowActivation::otherActiveWindowKeepsIt()
{
    QWidget owner;
    owner.show();
    QWidget other;
    other.show();
    auto *dialog = new ZoStyleDialog(&owner);
    dialog->show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
    dialog->hide();
    QTest::qWait(50);
    QCOMPARE(QApplication::activeWindow(), &other);
    delete dialog;
}

QTEST_MAIN(tst_WindowActivation)
#include "tst_windowactivation.moc"
