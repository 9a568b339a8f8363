// The batch page's dialogs and its row check box, each on its own.

#include "BatchConvertProgress.h"
#include "HeicFileTable.h"
#include "ConvertsionSet.h"
#include "TipDialog.h"
#include "ZoStyleButton.h"
#include "ZoStyleCheckBox.h"
#include "ZoStyleWidgetTitle.h"
#include "modaldriver.h"
#include "simulatedinput.h"
#include "testsupport.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHoverEvent>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(const QMetaObject *)

namespace {

template <typename T>
T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QString text(QObject *parent, const char *labelName)
{
    return child<QLabel>(parent, labelName)->text();
}

} // namespace

class TestBatchDialogs : public QObject
{
    Q_OBJECT

private slots:
    void connectableSignatures_data();
    void connectableSignatures();

    void checkBoxReportsStateThenClick();
    void checkBoxProgramStateIsSilentWhenUnchanged();
    void checkBoxPartialStateIsShownButNeverClickedInto();

    void tipModes_data();
    void tipModes();
    void tipRightButtonOnlyCloses_data();
    void tipRightButtonOnlyCloses();

    void hoverSwapsCaptionColour_data();
    void hoverSwapsCaptionColour();

    void settingsConvertAtOnceEmitsOnlyConvert();
    void settingsSliderReportsEveryValue();
    void settingsShowsQualityInForceSilently();
    void settingsFolderChooser();

    void progressTexts();
    void progressCompletionMessage_data();
    void progressCompletionMessage();
    void progressCancelNoKeepsRunAndReusesConfirmation();
    void progressClosing_data();
    void progressClosing();
    void progressCancelConfirmationIsCentred();
    void progressCompletionWhileAskingEndsTheQuestion();

};

// Other parts connect to these classes by signature strings; a renamed or
// re-typed method would only fail at run time.
void TestBatchDialogs::connectableSignatures_data()
{
    QTest::addColumn<const QMetaObject *>("meta");
    QTest::addColumn<QStringList>("methods");
    QTest::newRow("HeicFileTable")
        << &HeicFileTable::staticMetaObject
        << QStringList{"signal_ConvertSuccessCount(int)", "signal_ConvertSuccessAll()", "slot_ChooseItem(int,int)",
                       "slot_ClearTableView()", "slot_ClearTable()", "slot_DeleteTableItem()", "slot_AddItem()",
                       "slot_setAllCheckBoxState(int,int)", "slot_setSelectAllCheckBoxState()", "slot_BatchConvert()",
                       "slot_SavePath(QString)", "slot_ConvertQuality(int)", "slot_StartConvert()",
                       "slot_ConvertProgress()", "slot_SetConvertProgress(int)", "slot_StopConvert()",
                       "slot_ConvertSuccess()", "slot_OpenFolder()", "slot_ConvertFailed()"};
    QTest::newRow("ConvertsionSet")
        << &ConvertsionSet::staticMetaObject
        << QStringList{"signal_SendSavePath(QString)", "signal_SetConvertQuality(int)", "signal_Convert()",
                       "slot_OpenFolder()", "slot_Convert()", "slot_setQualityValue(int)"};
    QTest::newRow("BatchConvertProgress")
        << &BatchConvertProgress::staticMetaObject
        << QStringList{"signal_CancelConvert()", "signal_OpenFolder()", "slot_isCancelView()",
                       "slot_CancelConvert()", "slot_OpenFolder()", "slot_Close()"};
    QTest::newRow("ZoStyleCheckBox")
        << &ZoStyleCheckBox::staticMetaObject
        << QStringList{"signal_StateChanged(int,int)", "signal_Clicked()", "slot_StateChanged(int)", "slot_Clicked()"};
    QTest::newRow("TipDialog")
        << &TipDialog::staticMetaObject
        << QStringList{"signal_CancelConver()", "signal_ClearTable()", "signal_OpenFolder()", "signal_ExitApp()",
                       "slot_Close()", "slot_Exit()"};
}

void TestBatchDialogs::connectableSignatures()
{
    QFETCH(const QMetaObject *, meta);
    QFETCH(QStringList, methods);
    QStringList actual;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        actual << QString::fromLatin1(meta->method(i).methodSignature());
    QCOMPARE(actual, methods);
}

void TestBatchDialogs::checkBoxReportsStateThenClick()
{
    ZoStyleCheckBox box(5, nullptr);
    QStringList events;
    connect(&box, &ZoStyleCheckBox::signal_StateChanged, this,
            [&](int state, int index) { events << QString("state %1 %2").arg(state).arg(index); });
    connect(&box, &ZoStyleCheckBox::signal_Clicked, this, [&] { events << "click"; });

    child<QCheckBox>(&box, "checkBox")->click();
    QCOMPARE(events, QStringList({"state 2 5", "click"}));
    QCOMPARE(box.checkState(), 2);

    events.clear();
    box.setCheckState(0);
    QCOMPARE(events, QStringList({"state 0 5"})); // set by program: no click
}

void TestBatchDialogs::checkBoxProgramStateIsSilentWhenUnchanged()
{
    ZoStyleCheckBox box(1, nullptr);
    box.setCheckState(2);
    QSignalSpy spy(&box, &ZoStyleCheckBox::signal_StateChanged);
    box.setCheckState(2);
    QCOMPARE(spy.count(), 0);
}

void TestBatchDialogs::checkBoxPartialStateIsShownButNeverClickedInto()
{
    ZoStyleCheckBox box(0, nullptr);
    auto *inner = child<QCheckBox>(&box, "checkBox");
    QVERIFY(!inner->isTristate());
    box.setCheckState(1);
    QVERIFY(inner->isTristate());
    QList<int> states;
    for (int i = 0; i < 3; ++i) {
        inner->click();
        states << box.checkState();
    }
    // From "-" a click ticks; after that clicks tick and untick only.
    QCOMPARE(states, QList<int>({2, 0, 2}));
    QVERIFY(!inner->isTristate());
}

// mode: cancelConfirm, cancelled, clear, quit
void TestBatchDialogs::tipModes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("mainLine");
    QTest::addColumn<QString>("secondLine"); // empty: hidden
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("leftSignal");
    QTest::addColumn<bool>("leftCloses");

    QTest::newRow("cancel confirmation") << "cancelConfirm" << 0 << "Are you sure to cancel the file conversion?"
                                         << "" << "Yes" << "No" << "signal_CancelConver" << false;
    QTest::newRow("cancelled, 2") << "cancelled" << 2 << "Conversion Cancelled!"
                                  << "2 files have been successfully converted." << "Open Folder" << "OK"
                                  << "signal_OpenFolder" << false;
    QTest::newRow("cancelled, 1") << "cancelled" << 1 << "Conversion Cancelled!"
                                  << "1 file has been successfully converted." << "Open Folder" << "OK"
                                  << "signal_OpenFolder" << false;
    QTest::newRow("clear confirmation") << "clear" << 0 << "Are you sure to trash all the files here?" << ""
                                        << "Yes" << "No" << "signal_ClearTable" << false;
    QTest::newRow("quit confirmation") << "quit" << 0 << "Are you sure to quit the program?" << "" << "Yes"
                                       << "No" << "signal_ExitApp" << true;
}

namespace {

void applyMode(TipDialog &tip, const QString &mode, int count)
{
    if (mode == "cancelConfirm") {
        tip.setCancelConfirmMode();
    } else if (mode == "cancelled") {
        tip.setCancelledMode();
        tip.setConvertedCount(count);
    } else if (mode == "clear") {
        tip.setClearConfirmMode();
    } else {
        tip.setQuitConfirmMode();
    }
}

} // namespace

void TestBatchDialogs::tipModes()
{
    QFETCH(QString, mode);
    QFETCH(int, count);
    QFETCH(QString, mainLine);
    QFETCH(QString, secondLine);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(QString, leftSignal);
    QFETCH(bool, leftCloses);

    TipDialog tip;
    applyMode(tip, mode, count);
    tip.show();
    QCOMPARE(tip.size(), QSize(490, 210));
    QCOMPARE(text(&tip, "label_StatesText"), mainLine);
    auto *second = child<QLabel>(&tip, "label_SuccessText");
    QCOMPARE(second->isVisible(), !secondLine.isEmpty());
    if (!secondLine.isEmpty())
        QCOMPARE(second->text(), secondLine);
    auto *yes = child<ZoStyleButton>(&tip, "pushButton_Yes");
    auto *ok = child<ZoStyleButton>(&tip, "pushButton_OK");
    QCOMPARE(yes->text(), left);
    QCOMPARE(ok->text(), right);
    QVERIFY(!child<QLabel>(&tip, "label_StatesImage")->pixmap(Qt::ReturnByValue).isNull());

    QStringList emitted;
    bool visibleAtExit = false;
    connect(&tip, &TipDialog::signal_CancelConver, this, [&] { emitted << "signal_CancelConver"; });
    connect(&tip, &TipDialog::signal_ClearTable, this, [&] { emitted << "signal_ClearTable"; });
    connect(&tip, &TipDialog::signal_OpenFolder, this, [&] { emitted << "signal_OpenFolder"; });
    connect(&tip, &TipDialog::signal_ExitApp, this, [&] {
        emitted << "signal_ExitApp";
        visibleAtExit = tip.isVisible();
    });

    yes->click();
    QCOMPARE(emitted, QStringList({leftSignal}));
    QCOMPARE(tip.isVisible(), !leftCloses);
    if (leftSignal == "signal_ExitApp")
        QVERIFY(visibleAtExit); // emitted before the dialog closes
}

void TestBatchDialogs::tipRightButtonOnlyCloses_data()
{
    QTest::addColumn<QString>("mode");
    for (const char *mode : {"cancelConfirm", "cancelled", "clear", "quit"})
        QTest::newRow(mode) << QString(mode);
}

void TestBatchDialogs::tipRightButtonOnlyCloses()
{
    QFETCH(QString, mode);
    TipDialog tip;
    applyMode(tip, mode, 3);
    int emitted = 0;
    for (auto signal : {&TipDialog::signal_CancelConver, &TipDialog::signal_ClearTable,
                        &TipDialog::signal_OpenFolder, &TipDialog::signal_ExitApp})
        connect(&tip, signal, this, [&] { ++emitted; });

    auto finished = whenModal<TipDialog>([](TipDialog *dialog) {
        child<ZoStyleButton>(dialog, "pushButton_OK")->click();
    });
    tip.exec();
    QVERIFY(*finished);
    QCOMPARE(emitted, 0);
    QVERIFY(!tip.isVisible());
}

// Blue captions turn white while hovered; the dialogs swap them.
void TestBatchDialogs::hoverSwapsCaptionColour_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("button");
    QTest::newRow("tip Yes") << "TipDialog" << "pushButton_Yes";
    QTest::newRow("tip OK") << "TipDialog" << "pushButton_OK";
    QTest::newRow("settings Select Folder") << "ConvertsionSet" << "pushButton_OpenFolder";
    QTest::newRow("progress Cancel") << "BatchConvertProgress" << "pushButton_Cancel";
    QTest::newRow("progress Open Folder") << "BatchConvertProgress" << "pushButton_OpenFolder";
}

void TestBatchDialogs::hoverSwapsCaptionColour()
{
    QFETCH(QString, dialog);
    QFETCH(QString, button);
    std::unique_ptr<QDialog> owner;
    if (dialog == "TipDialog")
        owner.reset(new TipDialog);
    else if (dialog == "ConvertsionSet")
        owner.reset(new ConvertsionSet);
    else
        owner.reset(new BatchConvertProgress);
    auto *target = child<ZoStyleButton>(owner.get(), button.toLatin1().constData());
    QCOMPARE(target->styleSheet(), QString("color:#3598fe"));
    hover(target, QEvent::HoverEnter);
    QCOMPARE(target->styleSheet(), QString("color:#ffffff"));
    hover(target, QEvent::HoverLeave);
    QCOMPARE(target->styleSheet(), QString("color:#3598fe"));

    // White captions on the filled buttons stay white.
    const char *filled = dialog == "ConvertsionSet" ? "pushButton_Convert"
                         : dialog == "BatchConvertProgress" ? "pushButton_OK" : nullptr;
    if (filled) {
        auto *other = child<ZoStyleButton>(owner.get(), filled);
        const QString before = other->styleSheet();
        hover(other, QEvent::HoverEnter);
        hover(other, QEvent::HoverLeave);
        QCOMPARE(other->styleSheet(), before);
    }
}

void TestBatchDialogs::settingsConvertAtOnceEmitsOnlyConvert()
{
    ConvertsionSet settings;
    QSignalSpy path(&settings, &ConvertsionSet::signal_SendSavePath);
    QSignalSpy quality(&settings, &ConvertsionSet::signal_SetConvertQuality);
    QSignalSpy convert(&settings, &ConvertsionSet::signal_Convert);
    settings.show();
    QCOMPARE(text(&settings, "label_QualityVakue"), QString("100%"));
    child<ZoStyleButton>(&settings, "pushButton_Convert")->click();
    QCOMPARE(convert.count(), 1);
    QCOMPARE(path.count(), 0);
    QCOMPARE(quality.count(), 0);
    QVERIFY(settings.isVisible()); // the owner closes it
}

void TestBatchDialogs::settingsSliderReportsEveryValue()
{
    ConvertsionSet settings;
    settings.show();
    auto *slider = child<QSlider>(&settings, "Slider");
    QSignalSpy quality(&settings, &ConvertsionSet::signal_SetConvertQuality);
    QStringList labels;
    connect(&settings, &ConvertsionSet::signal_SetConvertQuality, this,
            [&] { labels << text(&settings, "label_QualityVakue"); });
    slider->setFocus();
    for (int i = 0; i < 100; ++i)
        QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(quality.count(), 100);
    QCOMPARE(quality.first().at(0).toInt(), 99);
    QCOMPARE(quality.last().at(0).toInt(), 0);
    QCOMPARE(labels.first(), QString("99%"));
    QCOMPARE(labels.last(), QString("0%"));
    QTest::keyClick(slider, Qt::Key_Left); // already at 0
    QCOMPARE(quality.count(), 100);
}

void TestBatchDialogs::settingsShowsQualityInForceSilently()
{
    ConvertsionSet settings;
    QSignalSpy quality(&settings, &ConvertsionSet::signal_SetConvertQuality);
    settings.setQuality(40);
    QCOMPARE(child<QSlider>(&settings, "Slider")->value(), 40);
    QCOMPARE(text(&settings, "label_QualityVakue"), QString("40%"));
    QCOMPARE(quality.count(), 0);
}

void TestBatchDialogs::settingsFolderChooser()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.path() + "/My Photos";
    QVERIFY(QDir().mkpath(folder));

    ConvertsionSet settings;
    settings.show();
    QSignalSpy path(&settings, &ConvertsionSet::signal_SendSavePath);
    auto *button = child<ZoStyleButton>(&settings, "pushButton_OpenFolder");

    QString caption;
    auto cancelled = whenModal<QFileDialog>([&](QFileDialog *dialog) {
        caption = dialog->windowTitle();
        dialog->reject();
    });
    button->click();
    QVERIFY(*cancelled);
    QCOMPARE(caption, QString("Save Path"));
    QCOMPARE(path.count(), 0);

    auto chosen = whenModal<QFileDialog>([&](QFileDialog *dialog) {
        dialog->setDirectory(folder);
        static_cast<QDialog *>(dialog)->accept();
    });
    button->click();
    QVERIFY(*chosen);
    QCOMPARE(path.count(), 1);
    QCOMPARE(path.first().at(0).toString(), folder);
}

void TestBatchDialogs::progressTexts()
{
    BatchConvertProgress progress;
    progress.show();
    QCOMPARE(text(&progress, "label_Converting"), QString("Converting "));
    QCOMPARE(text(&progress, "label_Progress"), QString("0/0"));
    QVERIFY(child<ZoStyleButton>(&progress, "pushButton_Cancel")->isVisible());
    QVERIFY(!child<ZoStyleButton>(&progress, "pushButton_OK")->isVisible());
    QVERIFY(!child<ZoStyleButton>(&progress, "pushButton_OpenFolder")->isVisible());

    progress.setProgress(66, "2/3");
    QCOMPARE(text(&progress, "label_Progress"), QString("2/3"));
    QCOMPARE(child<QProgressBar>(&progress, "progressBar")->value(), 66);
}

void TestBatchDialogs::progressCompletionMessage_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("failed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("failedMessage"); // empty: hidden

    QTest::newRow("one") << 1 << 0 << "1 file has been successfully converted!" << "";
    QTest::newRow("seven") << 7 << 0 << "7 files have been successfully converted!" << "";
    QTest::newRow("none (all skipped)") << 0 << 0 << "0 files have been successfully converted!" << "";
    QTest::newRow("some failed") << 4 << 1 << "4 files have been successfully converted!"
                                 << "1 file could not be converted.";
    QTest::newRow("all failed") << 0 << 3 << "0 files have been successfully converted!"
                                << "3 files could not be converted.";
}

void TestBatchDialogs::progressCompletionMessage()
{
    QFETCH(int, count);
    QFETCH(int, failed);
    QFETCH(QString, message);
    QFETCH(QString, failedMessage);

    BatchConvertProgress progress;
    progress.show();
    progress.setProgress(100, "5/5");
    progress.showSuccess(count, failed);
    QCOMPARE(text(&progress, "label_Converting"), message);
    auto *failedLabel = child<QLabel>(&progress, "label_NotConverted");
    QCOMPARE(failedLabel->isVisible(), !failedMessage.isEmpty());
    if (!failedMessage.isEmpty())
        QCOMPARE(failedLabel->text(), failedMessage);
    QVERIFY(!child<QLabel>(&progress, "label_Progress")->isVisible());
    QVERIFY(!child<QLabel>(&progress, "label_files")->isVisible());
    QVERIFY(child<QProgressBar>(&progress, "progressBar")->isVisible());
    QCOMPARE(child<QProgressBar>(&progress, "progressBar")->value(), 100);
    QVERIFY(!child<ZoStyleButton>(&progress, "pushButton_Cancel")->isVisible());
    QVERIFY(child<ZoStyleButton>(&progress, "pushButton_OK")->isVisible());
    QVERIFY(child<ZoStyleButton>(&progress, "pushButton_OpenFolder")->isVisible());

    QSignalSpy open(&progress, &BatchConvertProgress::signal_OpenFolder);
    child<ZoStyleButton>(&progress, "pushButton_OpenFolder")->click();
    QCOMPARE(open.count(), 1);
    QVERIFY(progress.isVisible()); // stays open until OK
    child<ZoStyleButton>(&progress, "pushButton_OK")->click();
    QVERIFY(!progress.isVisible());
}

void TestBatchDialogs::progressCancelNoKeepsRunAndReusesConfirmation()
{
    BatchConvertProgress progress;
    progress.show();
    progress.setProgress(40, "2/5");
    QSignalSpy cancel(&progress, &BatchConvertProgress::signal_CancelConvert);
    auto *cancelButton = child<ZoStyleButton>(&progress, "pushButton_Cancel");

    TipDialog *first = nullptr;
    auto answeredNo = whenModal<TipDialog>([&](TipDialog *tip) {
        first = tip;
        QCOMPARE(text(tip, "label_StatesText"), QString("Are you sure to cancel the file conversion?"));
        child<ZoStyleButton>(tip, "pushButton_OK")->click();
    });
    cancelButton->click();
    QVERIFY(*answeredNo);
    QCOMPARE(cancel.count(), 0);
    QVERIFY(progress.isVisible());
    QCOMPARE(text(&progress, "label_Progress"), QString("2/5"));
    QVERIFY(cancelButton->isVisible());

    TipDialog *second = nullptr;
    auto answeredYes = whenModal<TipDialog>([&](TipDialog *tip) {
        second = tip;
        child<ZoStyleButton>(tip, "pushButton_Yes")->click();
    });
    cancelButton->click();
    QVERIFY(*answeredYes);
    QCOMPARE(second, first);
    QCOMPARE(cancel.count(), 1);
}

// Every way a user closes the dialog: while the batch runs each one asks
// first (the answer here is No), in the completion view each one just
// closes, and once a cancel is under way none does anything.
void TestBatchDialogs::progressClosing_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("staysOpen");
    for (const char *how : {"Escape", "window manager", "title bar"}) {
        QTest::addRow("running, %s", how) << "running" << how << true << true;
        QTest::addRow("completed, %s", how) << "completed" << how << false << false;
        QTest::addRow("cancelling, %s", how) << "cancelling" << how << false << true;
    }
}

void TestBatchDialogs::progressClosing()
{
    QFETCH(QString, view);
    QFETCH(QString, how);
    QFETCH(bool, asks);
    QFETCH(bool, staysOpen);

    BatchConvertProgress progress;
    progress.show();
    QVERIFY(QTest::qWaitForWindowExposed(&progress));
    progress.activateWindow();
    if (view == "completed")
        progress.showSuccess(3);
    else if (view == "cancelling")
        progress.showCancelling();
    QSignalSpy cancel(&progress, &BatchConvertProgress::signal_CancelConvert);

    QString question;
    auto asked = whenModal<TipDialog>([&](TipDialog *tip) {
        question = text(tip, "label_StatesText");
        child<ZoStyleButton>(tip, "pushButton_OK")->click();
    });
    if (how == "Escape") {
        QTest::keyClick(&progress, Qt::Key_Escape);
    } else if (how == "window manager") {
        QCloseEvent close;
        QCoreApplication::sendEvent(progress.windowHandle(), &close);
    } else {
        child<ZoStyleButton>(&progress, "closeButton")->click();
    }
    asked.cancel();

    QCOMPARE(*asked, asks);
    if (asks)
        QCOMPARE(question, QString("Are you sure to cancel the file conversion?"));
    QCOMPARE(progress.isVisible(), staysOpen);
    QCOMPARE(cancel.count(), 0);
}

void TestBatchDialogs::progressCancelConfirmationIsCentred()
{
    BatchConvertProgress progress;
    progress.move(300, 200);
    progress.show();
    QVERIFY(QTest::qWaitForWindowExposed(&progress));
    QRect asked;
    auto answered = whenModal<TipDialog>([&](TipDialog *tip) {
        asked = tip->frameGeometry();
        child<ZoStyleButton>(tip, "pushButton_OK")->click();
    });
    child<ZoStyleButton>(&progress, "pushButton_Cancel")->click();
    QVERIFY(*answered);
    QCOMPARE(asked.size(), progress.frameGeometry().size());
    QCOMPARE(asked.center(), progress.frameGeometry().center());
}

void TestBatchDialogs::progressCompletionWhileAskingEndsTheQuestion()
{
    BatchConvertProgress progress;
    progress.show();
    QSignalSpy cancel(&progress, &BatchConvertProgress::signal_CancelConvert);
    TipDialog *question = nullptr;
    auto asked = whenModal<TipDialog>([&](TipDialog *tip) {
        question = tip;
        progress.showSuccess(4); // the last file arrives meanwhile
    });
    child<ZoStyleButton>(&progress, "pushButton_Cancel")->click();
    QVERIFY(*asked);
    QVERIFY(!question->isVisible());
    QCOMPARE(cancel.count(), 0);
    QVERIFY(progress.isVisible());
    QCOMPARE(text(&progress, "label_Converting"), QString("4 files have been successfully converted!"));

    child<ZoStyleButton>(question, "pushButton_Yes")->click(); // a late Yes cancels nothing
    QCOMPARE(cancel.count(), 0);
}

QTEST_MAIN(TestBatchDialogs)
#include "tst_batchdialogs.moc"
