#pragma once

#include "ZoSkin.h"
#include "ZoStyleDialog.h"

#include <QString>

namespace Ui {
class PhotoInfo;
}

// The modal dialog listing the name, creation date, size and resolution of the
// photo on the preview page. It shows the texts it is given unchanged; closing
// only hides it, so the same object can be run again.
class PhotoInfo : public ZoStyleDialog
{
    Q_OBJECT

public:
    explicit PhotoInfo(QWidget *parent = nullptr);
    ~PhotoInfo() override;

    void setName(const QString &strName);
    void setCreateDate(const QString &strCreateDate);
    void setFileSize(const QString &strFileSize);
    void setResolution(const QString &strResolution);

public slots:
    void slot_Close();

private:
    Ui::PhotoInfo *form;
    ZoSkin skin;
    QString name;
    QString createDate;
    QString fileSize;
    QString resolution;
};
