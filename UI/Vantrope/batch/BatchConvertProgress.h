#pragma once

#include "ZoSkin.h"
#include "ZoStyleDialog.h"

class QPlainTextEdit;
class TipDialog;
class ZoElidedLabel;

namespace Ui {
class BatchConvertProgress;
}

// The modal dialog of a running batch: "Converting n/m files" over a thin
// progress bar, with Cancel (asks for confirmation first). showSuccess turns
// it into the completion view: the converted count, and how many files could
// not be converted when some failed, with Open Folder and OK. showReport adds
// where the JPEGs went and one line per photo that failed or was skipped,
// with the reason, in a list the user can scroll, select and copy.
//
// While the batch runs, every way of closing the dialog (Cancel, the title-bar
// close, Escape, the window manager's close) goes through the same cancel
// confirmation; in the completion view they just close the dialog. After a
// confirmed cancel, showCancelling() says that the files in hand are being
// finished, and nothing closes the dialog but its owner.
class BatchConvertProgress : public ZoStyleDialog
{
    Q_OBJECT
public:
    explicit BatchConvertProgress(QWidget *parent = nullptr);
    ~BatchConvertProgress() override;

    void setProgress(int nValue, const QString &strText);
    // count: files converted; failedCount: files processed without a result.
    void showSuccess(int count, int failedCount = 0);
    // folder: where the JPEGs went; problems: "photo: reason" lines, none
    // when every photo was converted. Call after showSuccess.
    void showReport(const QString &folder, const QStringList &problems, int skippedCount);
    // The cancellation was confirmed and the workers finish the files in hand.
    void showCancelling();

signals:
    void signal_CancelConvert();
    void signal_OpenFolder();

public slots:
    void slot_isCancelView();
    void slot_CancelConvert();
    void slot_OpenFolder();
    void slot_Close();

public:
    // Escape and the window manager's close end here (through closeEvent).
    void reject() override;

private:
    void showProblemCounts(int skippedCount);

    Ui::BatchConvertProgress *ui;
    ZoSkin skin;
    TipDialog *cancelTip;
    ZoElidedLabel *folderLabel;
    QPlainTextEdit *problemList;
    bool completed;
    int failed = 0;
    bool cancelling;
};
