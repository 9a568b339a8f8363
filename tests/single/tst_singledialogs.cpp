#include "PhotoInfo.h"
#include "SingleConverting.h"
#include "testsupport.h"

#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QLabel *label(QWidget *w, const char *name)
{
    return w->findChild<QLabel *>(QLatin1String(name));
}

QPushButton *button(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QLatin1String(name));
}

QString caption(QWidget *dialog)
{
    QWidget *title = dialog->findChild<QWidget *>("widget_Title");
    QLabel *text = title ? title->findChild<QLabel *>("titleLabel") : nullptr;
    return text ? text->text() : QString("<no title>");
}

// Runs the dialog modally and clicks the named button once it is up.
int execAndClick(QDialog *dialog, QWidget *buttonToClick)
{
    QTimer::singleShot(0, buttonToClick, [buttonToClick] {
        QTest::mouseClick(buttonToClick, Qt::LeftButton);
    });
    QTimer::singleShot(5000, dialog, [dialog] { dialog->done(-1); }); // safety net
    return dialog->exec();
}

void dragTitle(QWidget *title, QPoint by)
{
    const QPoint start(60, 15);
    const QPoint startGlobal = title->mapToGlobal(start);
    QMouseEvent press(QEvent::MouseButtonPress, start, startGlobal, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(title, &press);
    QMouseEvent move(QEvent::MouseMove, start + by, startGlobal + by, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(title, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, start + by, startGlobal + by, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(title, &release);
}

} // namespace

class TestSingleDialogs : public QObject
{
    Q_OBJECT

private slots:
    void photoInfoShowsWhatItIsGiven();
    void photoInfoClosesAndRunsAgain();
    void titleDragging_data();
    void titleDragging();
    void doneDialogStartsFinished();
    void doneDialogProgressThenSuccess();
    void doneDialogButtons();
};

void TestSingleDialogs::photoInfoShowsWhatItIsGiven()
{
    PhotoInfo dialog;
    QCOMPARE(dialog.size(), QSize(410, 270));
    QCOMPARE(caption(&dialog), QString("Photo Info"));
    QCOMPARE(label(&dialog, "label_Name")->text(), QString("Name:"));
    QCOMPARE(label(&dialog, "label_CreateData")->text(), QString("Created Date:"));
    QCOMPARE(label(&dialog, "label_FileSize")->text(), QString("File Size:"));
    QCOMPARE(label(&dialog, "label_Resolution")->text(), QString("Resolution:"));
    QCOMPARE(button(&dialog, "pushButton_Ok")->text(), QString("OK"));

    // Values never set keep the form's text.
    QCOMPARE(label(&dialog, "label_NameValue")->text(), QString());
    QCOMPARE(label(&dialog, "label_ResolutionValue")->text(), QString("TextLabel"));

    const QString longName = QString("IMG_") + QString(120, QChar('7')) + QString(".HEIC");
    dialog.setName(longName);
    dialog.setCreateDate("12-09-2026");
    dialog.setFileSize("1.50MB");
    QCOMPARE(label(&dialog, "label_NameValue")->text(), longName);
    QCOMPARE(label(&dialog, "label_CreateDateValue")->text(), QString("12-09-2026"));
    QCOMPARE(label(&dialog, "label_FileSizeValue")->text(), QString("1.50MB"));
    QCOMPARE(label(&dialog, "label_ResolutionValue")->text(), QString("TextLabel"));
    // A long name stays on one line and the dialog keeps its size.
    QVERIFY(!label(&dialog, "label_NameValue")->wordWrap());
    TestSupport::saveToGallery(&dialog, "single-photo-info-long-name");
    QCOMPARE(dialog.size(), QSize(410, 270));
    // The button stays inside the dialog, where the user can reach it.
    QPushButton *ok = button(&dialog, "pushButton_Ok");
    QVERIFY(dialog.rect().contains(QRect(ok->mapTo(&dialog, QPoint(0, 0)), ok->size())));

    dialog.setResolution(QString());
    QCOMPARE(label(&dialog, "label_ResolutionValue")->text(), QString());
}

void TestSingleDialogs::photoInfoClosesAndRunsAgain()
{
    QWidget owner;
    auto *dialog = new PhotoInfo(&owner);
    dialog->setName("IMG_7.HEIC");
    dialog->setResolution("4032*3024");

    QCOMPARE(execAndClick(dialog, button(dialog, "pushButton_Ok")), int(QDialog::Rejected));
    QVERIFY(!dialog->isVisible());

    // The title bar's close button closes it as well; the values stay.
    QWidget *close = dialog->findChild<QWidget *>("widget_Title")->findChild<QWidget *>("closeButton");
    QVERIFY(close);
    QCOMPARE(execAndClick(dialog, close), int(QDialog::Rejected));
    QCOMPARE(label(dialog, "label_NameValue")->text(), QString("IMG_7.HEIC"));
    QCOMPARE(label(dialog, "label_ResolutionValue")->text(), QString("4032*3024"));
}

void TestSingleDialogs::titleDragging_data()
{
    QTest::addColumn<bool>("doneDialog");
    QTest::addColumn<bool>("moves");
    QTest::newRow("photo info moves") << false << true;
    QTest::newRow("done dialog stays") << true << false;
}

void TestSingleDialogs::titleDragging()
{
    QFETCH(bool, doneDialog);
    QFETCH(bool, moves);
    QScopedPointer<QDialog> dialog(doneDialog ? static_cast<QDialog *>(new SingleConverting)
                                              : static_cast<QDialog *>(new PhotoInfo));
    dialog->move(200, 200);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
    const QPoint before = dialog->pos();
    dragTitle(dialog->findChild<QWidget *>("widget_Title"), QPoint(40, 30));
    if (moves)
        QCOMPARE(dialog->pos(), before + QPoint(40, 30));
    else
        QCOMPARE(dialog->pos(), before);
}

void TestSingleDialogs::doneDialogStartsFinished()
{
    SingleConverting dialog;
    QCOMPARE(dialog.size(), QSize(490, 210));
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(caption(&dialog), QString("Converting Photo"));
    QLabel *states = label(&dialog, "label_States");
    QCOMPARE(states->text(), QString("The HEIC file has been successfully converted!"));
    QCOMPARE(states->alignment(), Qt::Alignment(Qt::AlignLeft));
    auto *bar = dialog.findChild<QProgressBar *>("progressBar");
    QCOMPARE(bar->value(), 100);
    QVERIFY(!bar->isTextVisible());
    dialog.show();
    QVERIFY(button(&dialog, "pushButton_OpenFolder")->isVisible());
    QVERIFY(button(&dialog, "pushButton_Ok")->isVisible());
    QCOMPARE(button(&dialog, "pushButton_OpenFolder")->text(), QString("Open Folder"));
}

void TestSingleDialogs::doneDialogProgressThenSuccess()
{
    SingleConverting dialog;
    QLabel *states = label(&dialog, "label_States");
    auto *bar = dialog.findChild<QProgressBar *>("progressBar");

    dialog.slot_SetProgressValue(37);
    QCOMPARE(states->text(), QString("37%"));
    QCOMPARE(bar->value(), 37);

    dialog.slot_ConvertSuccess();
    QCOMPARE(states->text(), QString("The HEIC file has been successfully converted!"));
    QCOMPARE(states->alignment(), Qt::Alignment(Qt::AlignLeft));
    QCOMPARE(bar->value(), 100);
}

void TestSingleDialogs::doneDialogButtons()
{
    QWidget owner;
    auto *dialog = new SingleConverting(&owner);
    QSignalSpy openFolder(dialog, &SingleConverting::signal_OpenFolder);
    QPushButton *open = button(dialog, "pushButton_OpenFolder");
    QPushButton *ok = button(dialog, "pushButton_Ok");

    // "Open Folder" asks for the folder and leaves the dialog open; "OK" closes it.
    bool openWhileRunning = false;
    QTimer::singleShot(0, dialog, [&] {
        QTest::mouseClick(open, Qt::LeftButton);
        openWhileRunning = dialog->isVisible();
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QTimer::singleShot(5000, dialog, [dialog] { dialog->done(-1); });
    QCOMPARE(dialog->exec(), int(QDialog::Rejected));
    QCOMPARE(openFolder.count(), 1);
    QVERIFY(openWhileRunning);

    // Hovering turns a caption white, leaving turns it blue.
    QHoverEvent enter(QEvent::HoverEnter, QPointF(5, 5), QPointF(-1, -1));
    QCoreApplication::sendEvent(ok, &enter);
    QCOMPARE(ok->styleSheet(), QString("color:#ffffff"));
    QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(5, 5));
    QCoreApplication::sendEvent(ok, &leave);
    QCOMPARE(ok->styleSheet(), QString("color:#3598fe"));
}

QTEST_MAIN(TestSingleDialogs)
#include "tst_singledialogs.moc"
