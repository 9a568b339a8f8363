// The program used with the keyboard alone, as a user without a mouse does:
// every step below is a key event sent to whatever has the focus, from the
// home view through a whole batch and a whole single-photo conversion,
// file dialogs included.
#include "BatchConvertProgress.h"
#include "ConvertsionSet.h"
#include "HeicFileTable.h"
#include "PhotoInfo.h"
#include "PreviewHEIC.h"
#include "SingalConverterHome.h"
#include "SingleConverting.h"
#include "TipDialog.h"
#include "ZoMessageBox.h"
#include "Vantrope.h"
#include "ZoFocusRing.h"
#include "ZoStyleButton.h"
#include "desktopopener.h"
#include "heicfixture.h"
#include "shellhelpers.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

// Builds one dialog for a row of a data-driven test.
using MakeDialog = std::function<QDialog *(QWidget *)>;
Q_DECLARE_METATYPE(MakeDialog)

namespace {

QWidget *focused()
{
    return QApplication::focusWidget();
}

QString focusedName()
{
    QWidget *w = focused();
    if (!w)
        return QStringLiteral("<none>");
    // The select-all box is a check box inside its holder.
    if (w->objectName() == QLatin1String("checkBox") && w->parentWidget())
        return w->parentWidget()->objectName();
    return w->objectName();
}

// One key, to whatever has the focus (QTest also offers it to the shortcuts
// first, as the window system does). The release goes to what has the focus
// once the press is handled: a press that closes a dialog leaves its window
// gone.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyPress(static_cast<QWidget *>(nullptr), key, modifiers);
    if (QWidget *focus = QApplication::focusWidget())
        QTest::keyRelease(focus, key, modifiers);
}

void type(const QString &text)
{
    QTest::keyClicks(static_cast<QWidget *>(nullptr), text);
}

// The names Tab visits from the focus on, until it comes back.
QStringList tabCycle(int limit = 16)
{
    QStringList names{focusedName()};
    QWidget *start = focused();
    for (int i = 0; i < limit; ++i) {
        press(Qt::Key_Tab);
        if (focused() == start)
            break;
        names << focusedName();
    }
    return names;
}

// A window manager hands the activation back to the window under a dialog
// that closed; the offscreen platform has none, so the test does it.
void backTo(QWidget *window)
{
    if (!window->isActiveWindow())
        window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
}

// Runs action on the next modal dialog of class T once the keyboard focus is
// inside it (and ready, when given, agrees), as a user waits to see it.
template <typename T>
ModalWatch whenFocused(std::function<void(T *)> action, int timeoutMs = 20000,
                       std::function<bool(T *)> ready = {})
{
    return whenModal<T>(std::move(action), timeoutMs, std::function<bool(T *)>([ready](T *dialog) {
                            QWidget *focus = QApplication::focusWidget();
                            return focus && dialog->isAncestorOf(focus) && (!ready || ready(dialog));
                        }));
}

// Answers the next file dialog by typing into its file name box and
// pressing Return.
ModalWatch typeIntoFileDialog(const QString &text)
{
    return whenFocused<QFileDialog>([text](QFileDialog *) {
        type(text);
        press(Qt::Key_Return);
    });
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void homeViewTabOrderAndFocusRing();
    void wholeBatchByKeyboard();
    void shortcutsRightAfterThePageOpens();
    void wholeSinglePhotoByKeyboard();
    void everyDialogHasADefaultButton_data();
    void everyDialogHasADefaultButton();

private:
    QTemporaryDir inputs;
    QScopedPointer<QTemporaryDir> outputs;
    QStringList photos;
    QScopedPointer<Vantrope> window;
};

void TestKeyboard::initTestCase()
{
    qRegisterMetaType<QVector<QString>>("QVector<QString>");
    DesktopOpener::setOpener([](const QUrl &) { return true; });
    QVERIFY(inputs.isValid());
    for (int i = 1; i <= 3; ++i) {
        HeicFixture::Options o;
        o.width = 32 * (i + 1);
        o.height = 24 * (i + 1);
        photos << QDir(inputs.path()).filePath(QString("IMG_%1.HEIC").arg(i));
        QVERIFY(HeicFixture::write(photos.last().toStdString(), o));
    }
}

void TestKeyboard::init()
{
    outputs.reset(new QTemporaryDir);
    QVERIFY(outputs->isValid());
    window.reset(new Vantrope);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.data()));
}

void TestKeyboard::cleanup()
{
    window.reset();
    flushDeferredDeletes();
}

void TestKeyboard::homeViewTabOrderAndFocusRing()
{
    // The page's own controls first, the title bar's buttons last; the first
    // Space can no longer minimise the window.
    QCOMPARE(focusedName(), QString("pushButton_SingleStart"));
    QCOMPARE(tabCycle(), (QStringList{"pushButton_SingleStart", "pushButton_BatchStart", "pushButton_Menu",
                                      "pushButton_Min", "pushButton_Close"}));

    // Each Tab moves the ring to the new focus; a click takes it away.
    press(Qt::Key_Tab);
    QCOMPARE(focusedName(), QString("pushButton_BatchStart"));
    QCOMPARE(ZoFocusRing::ringedWidget(), focused());
    QWidget *ring = window->findChild<QWidget *>("zoFocusRing");
    QVERIFY(ring && ring->isVisible());
    QVERIFY(ring->geometry().contains(focused()->geometry()));
    TestSupport::saveToGallery(window.data(), "keyboard-home-focus-batch-start");
    press(Qt::Key_Tab);
    QCOMPARE(ZoFocusRing::ringedWidget(), focused());
    // A click (through the window, as the window system delivers it) opens
    // the drop page, which shows no ring.
    QWidget *start = window->findChild<QWidget *>("pushButton_SingleStart");
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      start->mapTo(window.data(), start->rect().center()));
    flushDeferredDeletes();
    QVERIFY(visiblePage<SingalConverterHome>(window.data()));
    QCOMPARE(focusedName(), QString("pushButton_SelectPhoto"));
    QVERIFY(!ZoFocusRing::ringedWidget());
}

void TestKeyboard::wholeBatchByKeyboard()
{
    // Home -> batch drop page.
    press(Qt::Key_Tab);
    QCOMPARE(focusedName(), QString("pushButton_BatchStart"));
    press(Qt::Key_Space);
    flushDeferredDeletes();
    QVERIFY(visiblePage<SingalConverterHome>(window.data()));
    QCOMPARE(focusedName(), QString("pushButton_SelectPhoto"));

    // Ctrl+O: the photos are typed into the file dialog.
    auto picked = typeIntoFileDialog(QString("\"%1\" \"%2\" \"%3\"").arg(photos[0], photos[1], photos[2]));
    press(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(*picked);
    flushDeferredDeletes();
    HeicFileTable *page = visiblePage<HeicFileTable>(window.data());
    QVERIFY(page);
    auto *table = page->findChild<QTableWidget *>("tableWidget");
    auto *convert = page->findChild<ZoStyleButton *>("pushButton_Convert");
    auto *remove = page->findChild<ZoStyleButton *>("pushButton_Delete");
    QCOMPARE(table->rowCount(), 3);
    backTo(window.data());
    QCOMPARE(focused(), table);
    QVERIFY(!remove->isEnabled());
    QVERIFY(!convert->isEnabled());

    // Tab order with every control usable (all rows ticked); Tab leaves the
    // table after one stop instead of walking its cells.
    press(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(page->checkedRowOrder().size(), 3);
    QVERIFY(remove->isEnabled() && convert->isEnabled());

    QCOMPARE(tabCycle(), (QStringList{"tableWidget", "pushButton_Convert", "pushButton_BackHome",
                                      "pushButton_Menu", "pushButton_Min", "pushButton_Close",
                                      "pushButton_Add", "pushButton_Delete", "pushButton_Clear",
                                      "checkBox_SelectAll"}));
    QCOMPARE(focused(), table);

    // Ctrl+A again: none. Arrows move between rows, Space ticks the row.
    press(Qt::Key_A, Qt::ControlModifier);
    QVERIFY(page->checkedRowOrder().isEmpty());
    QVERIFY(!remove->isEnabled());
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(table->currentRow(), 2);
    press(Qt::Key_Space);
    QCOMPARE(page->checkedRowOrder(), QList<int>{2});
    press(Qt::Key_Up);
    press(Qt::Key_Space);
    QCOMPARE(page->checkedRowOrder(), (QList<int>{2, 1}));
    press(Qt::Key_Space);
    QCOMPARE(page->checkedRowOrder(), QList<int>{2});
    TestSupport::saveToGallery(window.data(), "keyboard-batch-row-ticked");

    // Delete removes the ticked row as the Delete button does.
    press(Qt::Key_Delete);
    QCOMPARE(table->rowCount(), 2);
    QVERIFY(!remove->isEnabled());
    QVERIFY(!convert->isEnabled());
    // Ctrl+Return does nothing while Convert is disabled.
    auto early = whenModal<ConvertsionSet>([](ConvertsionSet *dialog) { dialog->reject(); }, 300);
    press(Qt::Key_Return, Qt::ControlModifier);
    QTest::qWait(400);
    QVERIFY(!*early);

    // Tick all from the select-all box, reached with Shift+Tab: its first
    // press ticks every row, whatever was ticked before.
    press(Qt::Key_Backtab);
    QCOMPARE(focusedName(), QString("checkBox_SelectAll"));
    press(Qt::Key_Space);
    QCOMPARE(page->checkedRowOrder().size(), 2);
    QVERIFY(convert->isEnabled());

    // Ctrl+Return: settings, with the quality lowered by the arrow keys and
    // the folder typed into its file dialog; Return converts.
    QString quality;
    QString completion;
    auto progressDone = QSharedPointer<bool>::create(false);
    auto folderPicked = QSharedPointer<bool>::create(false);
    const QString outputFolder = outputs->path();
    auto settingsShown = whenFocused<ConvertsionSet>([&](ConvertsionSet *settings) {
        // It opens on Convert, its default button; round to the slider.
        QCOMPARE(focusedName(), QString("pushButton_Convert"));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QString("Slider"));
        press(Qt::Key_Left);
        press(Qt::Key_Left);
        quality = settings->findChild<QLabel *>("label_QualityVakue")->text();
        QCOMPARE(tabCycle().join(' '), (QStringList{"Slider", "pushButton_OpenFolder", "comboBox_Existing", "checkBox_AllImages", "pushButton_Convert", "closeButton"}).join(' '));
        press(Qt::Key_Tab);
        QCOMPARE(focusedName(), QString("pushButton_OpenFolder"));
        folderPicked = typeIntoFileDialog(outputFolder);
        press(Qt::Key_Space);
        QVERIFY(*folderPicked);
        backTo(settings);
        QCOMPARE(focusedName(), QString("pushButton_OpenFolder"));
        progressDone = whenFocused<BatchConvertProgress>(
            [&](BatchConvertProgress *progress) {
                completion = progress->findChild<QLabel *>("label_Converting")->text();
                press(Qt::Key_Return);
            },
            120000,
            std::function<bool(BatchConvertProgress *)>([](BatchConvertProgress *progress) {
                return progress->findChild<QWidget *>("pushButton_OK")->isVisible();
            }));
        // Return on a button presses that button; from the slider it
        // presses the default one, Convert.
        press(Qt::Key_Backtab);
        QCOMPARE(focusedName(), QString("Slider"));
        press(Qt::Key_Return);
    });
    press(Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(*settingsShown);
    QTRY_VERIFY_WITH_TIMEOUT(*progressDone, 120000);
    QCOMPARE(quality, QString("98%"));
    QCOMPARE(completion, QString("2 files have been successfully converted!"));
    QTRY_VERIFY(!QApplication::activeModalWidget());
    backTo(window.data());
    // The focus is back where the batch was started from.
    QCOMPARE(focusedName(), QString("checkBox_SelectAll"));
    const QStringList written = QDir(outputFolder + "/Quorvix").entryList(QDir::Files, QDir::Name);
    QCOMPARE(written, (QStringList{"IMG_1.jpg", "IMG_2.jpg"}));
}

void TestKeyboard::shortcutsRightAfterThePageOpens()
{
    // As `vantrope FOLDER` does: the table comes up without any key pressed,
    // and the shortcuts work at once, wherever the focus is on the window.
    window->slot_OpenFiles({inputs.path()});
    flushDeferredDeletes();
    HeicFileTable *page = visiblePage<HeicFileTable>(window.data());
    QVERIFY(page);
    QCOMPARE(focusedName(), QString("tableWidget"));
    press(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(page->checkedRowOrder().size(), 3);
    window->findChild<QWidget *>("pushButton_Menu")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_A, Qt::ControlModifier);
    QVERIFY(page->checkedRowOrder().isEmpty());
    press(Qt::Key_A, Qt::ControlModifier);
    auto settings = whenFocused<ConvertsionSet>([](ConvertsionSet *dialog) { press(Qt::Key_Escape); Q_UNUSED(dialog); });
    press(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    QVERIFY(*settings);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestKeyboard::wholeSinglePhotoByKeyboard()
{
    QCOMPARE(focusedName(), QString("pushButton_SingleStart"));
    press(Qt::Key_Space);
    flushDeferredDeletes();
    QVERIFY(visiblePage<SingalConverterHome>(window.data()));
    QCOMPARE(focusedName(), QString("pushButton_SelectPhoto"));

    // Space on the focused image button opens the file dialog.
    auto picked = typeIntoFileDialog(photos[2]);
    press(Qt::Key_Space);
    QVERIFY(*picked);
    flushDeferredDeletes();
    PreviewHEIC *preview = visiblePage<PreviewHEIC>(window.data());
    QVERIFY(preview);
    auto *box = preview->findChild<QLabel *>("label_HEIC");
    QTRY_VERIFY_WITH_TIMEOUT(!box->pixmap(Qt::ReturnByValue).isNull(), 60000);
    backTo(window.data());
    QCOMPARE(focusedName(), QString("pushButton_PhotoInfo"));
    QCOMPARE(tabCycle().join(' '), (QStringList{"pushButton_PhotoInfo", "Slider_PhotoQuality", "pushButton_SelectFolder",
                                      "comboBox_Existing", "pushButton_Convert", "pushButton_BackHome", "pushButton_Menu",
                                      "pushButton_Min", "pushButton_Close"}).join(' '));

    // Photo Info with Space, closed with Return.
    QString name;
    auto info = whenFocused<PhotoInfo>([&](PhotoInfo *dialog) {
        name = dialog->findChild<QLabel *>("label_NameValue")->text();
        press(Qt::Key_Return);
    });
    press(Qt::Key_Space);
    QVERIFY(*info);
    QCOMPARE(name, QString("IMG_3.HEIC"));
    backTo(window.data());

    // The output folder through its file dialog, then Ctrl+Return converts
    // and Return closes the done dialog.
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    QCOMPARE(focusedName(), QString("pushButton_SelectFolder"));
    auto folder = typeIntoFileDialog(outputs->path());
    press(Qt::Key_Return);
    QVERIFY(*folder);
    backTo(window.data());
    auto done = whenFocused<SingleConverting>([](SingleConverting *) { press(Qt::Key_Return); }, 60000);
    press(Qt::Key_Return, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(*done, 60000);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QVERIFY(QFileInfo::exists(outputs->path() + "/Quorvix/IMG_3.jpg"));
    backTo(window.data());

    // Ctrl+O on the preview page opens another photo there.
    auto another = typeIntoFileDialog(photos[0]);
    press(Qt::Key_O, Qt::ControlModifier);
    QVERIFY(*another);
    backTo(window.data());
    QTRY_VERIFY_WITH_TIMEOUT(!box->pixmap(Qt::ReturnByValue).isNull(), 60000);
    auto info2 = whenFocused<PhotoInfo>([&](PhotoInfo *dialog) {
        name = dialog->findChild<QLabel *>("label_NameValue")->text();
        press(Qt::Key_Escape);
    });
    preview->findChild<QWidget *>("pushButton_PhotoInfo")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    QVERIFY(*info2);
    QCOMPARE(name, QString("IMG_1.HEIC"));
}

void TestKeyboard::everyDialogHasADefaultButton_data()
{
    // Each dialog in the state it is shown in, and the button Return presses
    // when the focus is on no button: the answer that changes least, or the
    // dialog's purpose where nothing is at stake.
    using Make = MakeDialog;
    QTest::addColumn<Make>("make");
    QTest::addColumn<QString>("button");
    auto tip = [](void (TipDialog::*mode)()) {
        return Make([mode](QWidget *parent) {
            auto *dialog = new TipDialog(parent);
            (dialog->*mode)();
            return dialog;
        });
    };
    QTest::newRow("quit question: No") << tip(&TipDialog::setQuitConfirmMode) << "pushButton_OK";
    QTest::newRow("clear question: No") << tip(&TipDialog::setClearConfirmMode) << "pushButton_OK";
    QTest::newRow("cancel question: No") << tip(&TipDialog::setCancelConfirmMode) << "pushButton_OK";
    QTest::newRow("cancelled notice: close") << tip(&TipDialog::setCancelledMode) << "pushButton_OK";
    QTest::newRow("settings: Convert") << Make([](QWidget *p) { return new ConvertsionSet(p); })
                                       << "pushButton_Convert";
    QTest::newRow("progress running: Cancel") << Make([](QWidget *p) { return new BatchConvertProgress(p); })
                                              << "pushButton_Cancel";
    QTest::newRow("progress completed: OK") << Make([](QWidget *p) {
        auto *dialog = new BatchConvertProgress(p);
        dialog->showSuccess(2);
        return static_cast<QDialog *>(dialog);
    }) << "pushButton_OK";
    QTest::newRow("photo info: OK") << Make([](QWidget *p) { return new PhotoInfo(p); }) << "pushButton_Ok";
    QTest::newRow("done: OK") << Make([](QWidget *p) { return new SingleConverting(p); }) << "pushButton_Ok";
    QTest::newRow("message Yes/No: No")
        << Make([](QWidget *p) { return new ZoMessageBox("?", "t", ZoMessageBox::Yes | ZoMessageBox::No, p); })
        << "pushButton_no";
    QTest::newRow("message all: OK")
        << Make([](QWidget *p) { return new ZoMessageBox("?", "t", 15, p); }) << "pushButton_ok";
}

void TestKeyboard::everyDialogHasADefaultButton()
{
    QFETCH(MakeDialog, make);
    QFETCH(QString, button);
    QScopedPointer<QDialog> dialog(make(window.data()));
    QList<QPushButton *> defaults;
    for (QPushButton *b : dialog->findChildren<QPushButton *>())
        if (b->isDefault())
            defaults << b;
    QCOMPARE(defaults.size(), 1);
    QCOMPARE(defaults.first()->objectName(), button);
    // Shown, it starts on its own controls; the title bar's close button is
    // the last stop of Tab.
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    backTo(dialog.data());
    QVERIFY(dialog->isAncestorOf(focused()));
    QVERIFY(focusedName() != "closeButton");
    // Going round from the close button, every other control comes before
    // it again (with two stops either order is the same ring).
    const QStringList ring = tabCycle();
    const int close = ring.indexOf("closeButton");
    QVERIFY(close >= 0);
    QWidget *first = dialog->nextInFocusChain();
    while (first != dialog.data() && (first->focusPolicy() == Qt::NoFocus || !first->isVisibleTo(dialog.data())))
        first = first->nextInFocusChain();
    if (ring.size() > 2)
        QCOMPARE(ring.value((close + 1) % ring.size()), first->objectName());
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
