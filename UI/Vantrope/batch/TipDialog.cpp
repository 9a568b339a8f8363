#include "TipDialog.h"
#include "ui_TipDialog.h"

#include "BatchReport.h"
#include "ZoHoverCaption.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TipDialog::TipDialog(QWidget *parent)
    : ZoStyleDialog(parent)
    , ui(new Ui::TipDialog)
    , convertedCount(0)
{
    ui->setupUi(this);

    ui->widget_Title->setDragTarget(this, QPoint(5, 5), true);

    ui->label_StatesText->setFont(skin.font(ZoSkin::LabelFont));
    ui->label_SuccessText->setFont(skin.font(ZoSkin::BodyFont));
    ui->pushButton_Yes->setFont(skin.font(ZoSkin::BodyFont));
    ui->pushButton_OK->setFont(skin.font(ZoSkin::BodyFont));

    for (ZoStyleButton *button : {ui->pushButton_Yes, ui->pushButton_OK}) {
        button->setSkinImages(QStringLiteral("button100"));
    }
    ZoHoverCaption::install(this, {ui->pushButton_OK, ui->pushButton_Yes});
    // Return takes the answer that changes nothing (No, or OK on a notice).
    ui->pushButton_OK->setDefault(true);

    ui->widget_Title->setTitleText(tr("Attention"));
}

TipDialog::~TipDialog()
{
    delete ui;
}

void TipDialog::showEvent(QShowEvent *event)
{
    QStringList lines;
    for (const QLabel *label : {ui->label_StatesText, ui->label_SuccessText,
                                findChild<QLabel *>(QStringLiteral("label_NotConverted"))}) {
        if (label && !label->isHidden() && !label->text().isEmpty())
            lines << label->text();
    }
    setAccessibleDescription(lines.join(QLatin1Char(' ')));
    ZoStyleDialog::showEvent(event);
}

void TipDialog::setStatusImage(const QString &skinPath)
{
    ui->label_StatesImage->setPixmap(ZoSkin::pixmap(skin.skinDir() + skinPath));
}

void TipDialog::setCancelConfirmMode()
{
    setStatusImage("/Label/tips_confirm.png");
    ui->label_StatesText->setText(tr("Are you sure to cancel the file conversion?"));
    ui->label_StatesText->setFont(skin.font(ZoSkin::BodyFont));
    ui->label_StatesText->setStyleSheet("color:#484848");
    ui->label_SuccessText->hide();
    ui->pushButton_OK->setText(tr("No"));
    connect(ui->pushButton_Yes, SIGNAL(clicked()), this, SIGNAL(signal_CancelConver()));
    connect(ui->pushButton_OK, SIGNAL(clicked()), this, SLOT(slot_Close()));
}

void TipDialog::setCancelledMode()
{
    setStatusImage("/Label/tips_cancel.png");
    ui->label_StatesText->setText(tr("Conversion Cancelled!"));
    ui->label_StatesText->setFont(skin.font(ZoSkin::LabelFont));
    ui->label_StatesText->setStyleSheet("color:#484848");
    ui->label_SuccessText->setText(BatchReport::convertedCount(convertedCount, false));
    ui->label_SuccessText->setFont(skin.font(ZoSkin::BodyFont));
    ui->label_SuccessText->setStyleSheet("color:#787878");
    ui->pushButton_OK->setText(tr("No"));
    ui->pushButton_Yes->setText(tr("Open Folder"));
    connect(ui->pushButton_Yes, SIGNAL(clicked()), this, SIGNAL(signal_OpenFolder()));
    connect(ui->pushButton_OK, SIGNAL(clicked()), this, SLOT(slot_Close()));
}

void TipDialog::setConvertedCount(int count)
{
    convertedCount = count;
    ui->label_SuccessText->setText(BatchReport::convertedCount(count, false));
    ui->pushButton_OK->setText(tr("OK"));
}

void TipDialog::setProblems(int failedCount, int skippedCount, const QStringList &problems)
{
    const QString counts = BatchReport::problemCounts(failedCount, skippedCount);
    if (counts.isEmpty() && problems.isEmpty())
        return;
    // Under the notice's texts, the width of the dialog less its margins.
    auto *countsLabel = new QLabel(counts, this);
    countsLabel->setObjectName(QStringLiteral("label_NotConverted"));
    countsLabel->setFont(skin.font(ZoSkin::BodyFont));
    countsLabel->setStyleSheet(QStringLiteral("color:#d93a3a"));
    QPlainTextEdit *list = BatchReport::createProblemList(this, skin.font(ZoSkin::BodyFont));
    list->setPlainText(problems.join(QLatin1Char('\n')));
    list->setVisible(!problems.isEmpty());
    auto *block = new QVBoxLayout;
    block->setContentsMargins(30, 12, 30, 0);
    block->setSpacing(6);
    block->addWidget(countsLabel);
    block->addWidget(list);
    ui->verticalLayout_2->insertLayout(ui->verticalLayout_2->indexOf(ui->horizontalLayout) + 1, block);
    setFixedSize(width(), 360);
}

void TipDialog::setClearConfirmMode()
{
    setStatusImage("/Label/tips_confirm.png");
    ui->label_StatesText->setText(tr("Are you sure to trash all the files here?"));
    ui->label_StatesText->setFont(skin.font(ZoSkin::BodyFont));
    ui->label_StatesText->setStyleSheet("color:#484848");
    ui->label_SuccessText->hide();
    ui->pushButton_OK->setText(tr("No"));
    connect(ui->pushButton_Yes, SIGNAL(clicked()), this, SIGNAL(signal_ClearTable()));
    connect(ui->pushButton_OK, SIGNAL(clicked()), this, SLOT(slot_Close()));
}

void TipDialog::setLeaveBatchConfirmMode(int photoCount)
{
    setStatusImage("/Label/tips_confirm.png");
    ui->label_StatesText->setText(tr("Leave the batch?"));
    ui->label_StatesText->setFont(skin.font(ZoSkin::LabelFont));
    ui->label_StatesText->setStyleSheet("color:#484848");
    ui->label_SuccessText->setText(
        photoCount == 1 ? tr("The photo in the list will be removed from it; the file stays on disk.")
                        : tr("The %1 photos in the list will be removed from it; the files stay on disk.")
                              .arg(photoCount));
    ui->label_SuccessText->setFont(skin.font(ZoSkin::BodyFont));
    ui->label_SuccessText->setStyleSheet("color:#787878");
    // Two lines: the one-line height of the other modes would cut it off.
    ui->label_SuccessText->setWordWrap(true);
    ui->label_SuccessText->setMaximumHeight(QWIDGETSIZE_MAX);
    ui->label_SuccessText->setMinimumHeight(2 * ui->label_SuccessText->fontMetrics().lineSpacing() + 2);
    ui->pushButton_Yes->setText(tr("Yes"));
    ui->pushButton_OK->setText(tr("No"));
    connect(ui->pushButton_Yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->pushButton_OK, SIGNAL(clicked()), this, SLOT(slot_Close()));
}

void TipDialog::setQuitConfirmMode()
{
    ui->widget_Title->setTitleText(tr("Attention"));
    setStatusImage("/Label/tips_confirm.png");
    ui->label_StatesText->setText(tr("Are you sure to quit the program?"));
    ui->label_SuccessText->hide();
    ui->pushButton_Yes->show();
    ui->pushButton_OK->show();
    ui->pushButton_Yes->setText(tr("Yes"));
    ui->pushButton_OK->setText(tr("No"));
    connect(ui->pushButton_Yes, SIGNAL(clicked()), this, SLOT(slot_Exit()));
    connect(ui->pushButton_OK, SIGNAL(clicked()), this, SLOT(slot_Close()));
}

void TipDialog::slot_Close()
{
    close();
}

void TipDialog::slot_Exit()
{
    emit signal_ExitApp();
    close();
}
