#pragma once

#include "ZoSkin.h"
#include "ZoStyleDialog.h"

class TipDialog;

namespace Ui {
class BatchConvertProgress;
}

// The modal dialog of a running batch: "Converting n/m files" over a thin
// progress bar, with Cancel (asks for confirmation first). showSuccess turns
// it into the completion view: the converted count, and how many files could
// not be converted when some failed, with Open Folder and OK.
//
// While the batch runs, the title-bar close goes through the same cancel
// confirmation as Cancel; in the completion view it just closes the dialog.
class BatchConvertProgress : public ZoStyleDialog
{
    Q_OBJECT
public:
    explicit BatchConvertProgress(QWidget *parent = nullptr);
    ~BatchConvertProgress() override;

    void setProgress(int nValue, const QString &strText);
    // count: files converted; failedCount: files processed without a result.
    void showSuccess(int count, int failedCount = 0);

signals:
    void signal_CancelConvert();
    void signal_OpenFolder();

public slots:
    void slot_isCancelView();
    void slot_CancelConvert();
    void slot_OpenFolder();
    void slot_Close();

private:
    Ui::BatchConvertProgress *ui;
    ZoSkin skin;
    TipDialog *cancelTip;
    bool completed;
};
