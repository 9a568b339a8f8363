#include "SingleConverting.h"
#include "ui_SingleConverting.h"

#include "ZoAccessible.h"
#include "ZoElidedLabel.h"

#include "ZoHoverCaption.h"

#include <QEvent>
#include <QPoint>

SingleConverting::SingleConverting(QWidget *parent)
    : ZoStyleDialog(parent)
    , form(new Ui::SingleConverting)
    , savedLabel(nullptr)
{
    form->setupUi(this);

    savedLabel = new ZoElidedLabel(this);
    savedLabel->setObjectName(QStringLiteral("label_SavedAs"));
    savedLabel->setStyleSheet(QStringLiteral("color:#787878"));
    savedLabel->setFont(skin.font(ZoSkin::BodyFont));
    savedLabel->hide();
    form->verticalLayout_3->insertWidget(form->verticalLayout_3->indexOf(form->label_States) + 1, savedLabel);

    form->widget_Title->setDragTarget(this, QPoint(5, 5), false);

    form->label_States->setFont(skin.font(ZoSkin::BodyFont));
    form->widget_Title->setTitleText(tr("Converting Photo"));
    form->label_States->setText(tr("The HEIC file has been successfully converted!"));
    form->label_States->setAlignment(Qt::AlignLeft);

    for (ZoStyleButton *button : {form->pushButton_OpenFolder, form->pushButton_Ok}) {
        button->setSkinImages(QStringLiteral("button100"));
        button->setFont(skin.font(ZoSkin::BodyFont));
    }
    ZoHoverCaption::install(this, {form->pushButton_OpenFolder, form->pushButton_Ok});

    form->progressBar->setValue(100);
    form->progressBar->setTextVisible(false);
    form->pushButton_Ok->setDefault(true);
    ZoAccessible::describe(form->progressBar, tr("Conversion progress"));

    connect(form->pushButton_OpenFolder, SIGNAL(clicked()), this, SLOT(slot_OpenFolder()));
    connect(form->pushButton_Ok, SIGNAL(clicked()), this, SLOT(slot_Close()));
}

SingleConverting::~SingleConverting()
{
    delete form;
}

void SingleConverting::setSavedFile(const QString &path)
{
    savedLabel->setFullText(tr("Saved as: %1").arg(path));
    savedLabel->show();
}

void SingleConverting::slot_SetProgressValue(int nValue)
{
    form->label_States->setText(QString::number(nValue) + QStringLiteral("%"));
    form->progressBar->setValue(nValue);
}

void SingleConverting::slot_ConvertSuccess()
{
    form->label_States->setText(tr("The HEIC file has been successfully converted!"));
    form->label_States->setAlignment(Qt::AlignLeft);
    form->pushButton_Ok->show();
    form->pushButton_OpenFolder->show();
    form->progressBar->setValue(100);
}

void SingleConverting::slot_Close()
{
    close();
}

void SingleConverting::slot_OpenFolder()
{
    emit signal_OpenFolder();
}
