#include "PhotoInfo.h"
#include "ui_PhotoInfo.h"

#include <QPoint>

PhotoInfo::PhotoInfo(QWidget *parent)
    : ZoStyleDialog(parent)
    , form(new Ui::PhotoInfo)
{
    form->setupUi(this);

    form->widget_Title->setDragTarget(this, QPoint(5, 5), true);

    for (QWidget *widget : {static_cast<QWidget *>(form->label_Name), static_cast<QWidget *>(form->label_NameValue),
                            static_cast<QWidget *>(form->label_CreateData), static_cast<QWidget *>(form->label_CreateDateValue),
                            static_cast<QWidget *>(form->label_FileSize), static_cast<QWidget *>(form->label_FileSizeValue),
                            static_cast<QWidget *>(form->label_Resolution), static_cast<QWidget *>(form->label_ResolutionValue),
                            static_cast<QWidget *>(form->pushButton_Ok)})
        widget->setFont(skin.font(ZoSkin::BodyFont));

    form->pushButton_Ok->setSkinImages(QStringLiteral("button100_2"));

    form->widget_Title->setTitleText(tr("Photo Info"));

    form->pushButton_Ok->setDefault(true);
    connect(form->pushButton_Ok, SIGNAL(clicked()), this, SLOT(slot_Close()));
}

PhotoInfo::~PhotoInfo()
{
    delete form;
}

void PhotoInfo::setName(const QString &strName)
{
    name = strName;
    form->label_NameValue->setText(name);
}

void PhotoInfo::setCreateDate(const QString &strCreateDate)
{
    createDate = strCreateDate;
    form->label_CreateDateValue->setText(createDate);
}

void PhotoInfo::setFileSize(const QString &strFileSize)
{
    fileSize = strFileSize;
    form->label_FileSizeValue->setText(fileSize);
}

void PhotoInfo::setResolution(const QString &strResolution)
{
    resolution = strResolution;
    form->label_ResolutionValue->setText(resolution);
}

void PhotoInfo::slot_Close()
{
    close();
}
