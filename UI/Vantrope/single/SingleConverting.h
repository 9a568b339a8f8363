#pragma once

#include "ZoSkin.h"
#include "ZoStyleDialog.h"

namespace Ui {
class SingleConverting;
}

// The modal dialog that confirms a single-photo conversion. The preview page
// opens it only after the JPEG has been written, so it starts in its finished
// state (success sentence, full bar, both buttons). slot_SetProgressValue
// turns it into a running display; slot_ConvertSuccess returns it to the
// finished state. "Open Folder" emits signal_OpenFolder and leaves the dialog
// open. Its title bar does not drag it.
class SingleConverting : public ZoStyleDialog
{
    Q_OBJECT

public:
    explicit SingleConverting(QWidget *parent = nullptr);
    ~SingleConverting() override;

    // Shows where the JPEG was written ("Saved as: ..."), shortened in the
    // middle when long, whole in the tooltip.
    void setSavedFile(const QString &path);

signals:
    void signal_OpenFolder();

public slots:
    void slot_SetProgressValue(int nValue);
    void slot_ConvertSuccess();
    void slot_Close();
    void slot_OpenFolder();

private:
    Ui::SingleConverting *form;
    class ZoElidedLabel *savedLabel;
    ZoSkin skin;
};
