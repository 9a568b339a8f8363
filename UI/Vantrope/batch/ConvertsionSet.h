#pragma once

#include "OutputLocation.h"
#include "ZoSkin.h"
#include "ZoStyleDialog.h"

class QComboBox;
class ZoElidedLabel;

namespace Ui {
class ConvertsionSet;
}

// The batch conversion settings: output format (fixed JPEG), JPEG quality
// (slider 0 to 100), output folder (the folder the JPEGs will go to is shown
// under it, shortened in the middle, whole in its tooltip), whether every
// image of a photo is converted and what happens to a file already at a
// JPEG's name. Quality and folder are reported at once by a signal; the
// dialog keeps no settings of its own. Convert only emits
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
    // The save path in force (empty: the default); the label shows the folder
    // the output location rule makes of it.
    void setSavePath(const QString &savePath);
    // The choice for a file already at a JPEG's name, read by the owner when
    // the user converts.
    void setExisting(OutputLocation::Existing existing);
    OutputLocation::Existing existing() const;

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
    ZoElidedLabel *folderLabel;
    QComboBox *existingBox;
    ZoSkin skin;
};
