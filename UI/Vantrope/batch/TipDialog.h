#pragma once

#include "ZoSkin.h"
#include "ZoStyleDialog.h"

#include <QStringList>

namespace Ui {
class TipDialog;
}

// The small confirmation and notice dialog: a status image, a main line, an
// optional second line and two buttons. The owner creates it, calls exactly
// one mode operation right after construction and runs it modally; the answer
// comes back as a signal (or just the dialog closing, for No and OK).
//
// The right button (No / OK) only closes the dialog. The left button only
// emits: the receiver decides whether the dialog closes, except in the quit
// confirmation, whose Yes closes it after emitting signal_ExitApp(). The
// dialog never deletes itself.
class TipDialog : public ZoStyleDialog
{
    Q_OBJECT
public:
    explicit TipDialog(QWidget *parent = nullptr);
    ~TipDialog() override;

    // "Are you sure to cancel the file conversion?"; Yes emits signal_CancelConver().
    void setCancelConfirmMode();
    // "Conversion Cancelled!" over the converted count; Open Folder emits
    // signal_OpenFolder(). Call setConvertedCount right after it.
    void setCancelledMode();
    void setConvertedCount(int count);
    // Under the count: how many photos failed or were skipped before the
    // cancel, and the list of them with their reasons, as the completion
    // view shows them. Nothing is added when there are none.
    void setProblems(int failedCount, int skippedCount, const QStringList &problems);
    // "Are you sure to trash all the files here?"; Yes emits signal_ClearTable().
    void setClearConfirmMode();
    // "Leave the batch?" over what that does to the photoCount photos listed;
    // Yes closes the dialog accepted (exec() returns QDialog::Accepted), No
    // and every other way of closing it leave it rejected.
    void setLeaveBatchConfirmMode(int photoCount);
    // "Are you sure to quit the program?"; Yes emits signal_ExitApp() and closes.
    void setQuitConfirmMode();

signals:
    void signal_CancelConver();
    void signal_ClearTable();
    void signal_OpenFolder();
    void signal_ExitApp();

public slots:
    void slot_Close();
    void slot_Exit();

protected:
    // A screen reader announces the dialog by its title and description: the
    // description is the question or notice the dialog shows.
    void showEvent(QShowEvent *event) override;

private:
    void setStatusImage(const QString &skinPath);

    Ui::TipDialog *ui;
    ZoSkin skin;
    int convertedCount;
};
