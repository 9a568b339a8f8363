#pragma once

#include "ZoSkin.h"
#include "ZoStyleDialog.h"

namespace Ui {
class ConvertsionSet;
}

// The batch conversion settings: output format (fixed JPEG), JPEG quality
// (slider 0 to 100), output folder and whether every image of a photo is
// converted. Quality and folder are reported at once by a signal; the dialog
// keeps no settings of its own. Convert only emits
// signal_Convert(): the owner closes and deletes the dialog.
class ConvertsionSet : public ZoStyleDialog
{
    Q_OBJECT
public:
    explicit ConvertsionSet(QWidget *parent = nullptr);
    ~ConvertsionSet() override;

    // Shows the quality in force (clamped to 0..100) without reporting it:
    // the dialog still emits nothing until the user acts.
    void setQuality(int nValue);

    // "Convert every image in a photo" (off unless set): read by the owner
    // when the batch starts.
    void setAllImages(bool bAllImages);
    bool allImages() const;

signals:
    void signal_SendSavePath(QString strPath);
    void signal_SetConvertQuality(int nValue);
    void signal_Convert();

public slots:
    void slot_OpenFolder();
    void slot_Convert();
    void slot_setQualityValue(int nValue);

private:
    Ui::ConvertsionSet *ui;
    ZoSkin skin;
};
