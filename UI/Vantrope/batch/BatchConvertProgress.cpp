#include "BatchConvertProgress.h"
#include "ui_BatchConvertProgress.h"

#include "BatchReport.h"
#include "DialogPlacement.h"
#include "TipDialog.h"
#include "ZoAccessible.h"
#include "ZoElidedLabel.h"
#include "ZoHoverCaption.h"

#include <QDir>
#include <QEvent>
#include <QPlainTextEdit>

BatchConvertProgress::BatchConvertProgress(QWidget *parent)
    : ZoStyleDialog(parent)
    , ui(new Ui::BatchConvertProgress)
    , cancelTip(nullptr)
    , folderLabel(nullptr)
    , problemList(nullptr)
    , completed(false)
    , cancelling(false)
{
    ui->setupUi(this);

    ui->widget->setTitleText(tr("Converting Photos"));
    ui->widget->setCloseBySignal(true);
    ui->widget->setDragTarget(this, QPoint(5, 5), true);

    const QFont font = skin.font(ZoSkin::BodyFont);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->label_Converting, ui->label_Progress,
                                                       ui->label_files, ui->progressBar,
                                                       ui->pushButton_Cancel, ui->pushButton_OpenFolder,
                                                       ui->pushButton_OK, ui->label_NotConverted})
        w->setFont(font);

    for (ZoStyleButton *button : {ui->pushButton_Cancel, ui->pushButton_OpenFolder})
        button->setSkinImages(QStringLiteral("button100"));
    ui->pushButton_OK->setSkinImages(QStringLiteral("button100_2"));

    ui->progressBar->setTextVisible(false);
    ZoAccessible::describe(ui->progressBar, tr("Conversion progress"));

    ZoHoverCaption::install(this, {ui->pushButton_Cancel, ui->pushButton_OpenFolder});

    ui->pushButton_OpenFolder->hide();
    ui->pushButton_OK->hide();
    // Return asks whether to cancel while the batch runs (the question's own
    // default is No), and closes the completion view.
    ui->pushButton_Cancel->setDefault(true);
    ui->label_NotConverted->hide();

    // The completion view's report, under the counts.
    folderLabel = new ZoElidedLabel(this);
    folderLabel->setObjectName(QStringLiteral("label_SavedIn"));
    folderLabel->setStyleSheet(QStringLiteral("color:#787878"));
    folderLabel->setFont(font);
    folderLabel->hide();
    problemList = BatchReport::createProblemList(this, font);
    const int notConverted = ui->verticalLayout_3->indexOf(ui->label_NotConverted);
    ui->verticalLayout_3->insertWidget(notConverted + 1, folderLabel);
    ui->verticalLayout_3->insertWidget(notConverted + 2, problemList);

    connect(ui->pushButton_Cancel, SIGNAL(clicked()), this, SLOT(slot_isCancelView()));
    connect(ui->pushButton_OpenFolder, SIGNAL(clicked()), this, SLOT(slot_OpenFolder()));
    connect(ui->pushButton_OK, SIGNAL(clicked()), this, SLOT(slot_Close()));
    connect(ui->widget, SIGNAL(signal_Close()), this, SLOT(slot_isCancelView()));
}

BatchConvertProgress::~BatchConvertProgress()
{
    delete ui;
}

void BatchConvertProgress::setProgress(int nValue, const QString &strText)
{
    ui->label_Progress->setText(strText);
    ui->progressBar->setValue(nValue);
}

void BatchConvertProgress::showSuccess(int count, int failedCount)
{
    completed = true;
    // The batch ended while the user was being asked whether to cancel it:
    // there is nothing left to cancel.
    if (cancelTip && cancelTip->isVisible())
        cancelTip->close();
    ui->pushButton_OpenFolder->show();
    ui->pushButton_OK->show();
    ui->pushButton_OK->setDefault(true);
    const bool cancelHadFocus = ui->pushButton_Cancel->hasFocus();
    ui->pushButton_Cancel->hide();
    if (cancelHadFocus)
        ui->pushButton_OK->setFocus(Qt::OtherFocusReason);

    // Stated for any count, 0 included: a batch in which every photo failed
    // or was skipped still ends with a statement of the outcome.
    ui->label_Converting->setText(BatchReport::convertedCount(count, true));
    failed = failedCount;
    showProblemCounts(0);

    ui->label_Progress->hide();
    ui->label_files->hide();
}

void BatchConvertProgress::showReport(const QString &folder, const QStringList &problems, int skippedCount)
{
    folderLabel->setFullText(tr("Saved in: %1").arg(QDir::toNativeSeparators(QDir::cleanPath(folder))));
    folderLabel->show();
    showProblemCounts(skippedCount);
    if (problems.isEmpty())
        return;
    problemList->setPlainText(problems.join(QLatin1Char('\n')));
    problemList->show();
    // Room for the list; the dialog is fixed in size otherwise.
    setFixedSize(width(), 360);
}

void BatchConvertProgress::showProblemCounts(int skippedCount)
{
    const QString counts = BatchReport::problemCounts(failed, skippedCount);
    ui->label_NotConverted->setText(counts);
    ui->label_NotConverted->setVisible(!counts.isEmpty());
}

void BatchConvertProgress::showCancelling()
{
    cancelling = true;
    if (cancelTip && cancelTip->isVisible())
        cancelTip->close();
    ui->label_Converting->setText(tr("Cancelling: finishing the photos in hand..."));
    ui->label_Progress->hide();
    ui->label_files->hide();
    ui->pushButton_Cancel->hide();
}

void BatchConvertProgress::reject()
{
    if (completed) {
        ZoStyleDialog::reject();
        return;
    }
    slot_isCancelView();
}

void BatchConvertProgress::slot_isCancelView()
{
    if (completed) {
        close();
        return;
    }
    // Already cancelled, or already asking: one question at a time.
    if (cancelling || (cancelTip && cancelTip->isVisible()))
        return;
    if (!cancelTip) {
        cancelTip = new TipDialog(this);
        cancelTip->setCancelConfirmMode();
        connect(cancelTip, SIGNAL(signal_CancelConver()), this, SLOT(slot_CancelConvert()));
    }
    DialogPlacement::execCentred(cancelTip, this);
}

void BatchConvertProgress::slot_CancelConvert()
{
    if (cancelTip)
        cancelTip->hide();
    if (!completed && !cancelling)
        emit signal_CancelConvert();
    if (cancelTip) {
        cancelTip->close();
        cancelTip->deleteLater();
        cancelTip = nullptr;
    }
}

void BatchConvertProgress::slot_OpenFolder()
{
    emit signal_OpenFolder();
}

void BatchConvertProgress::slot_Close()
{
    close();
}

