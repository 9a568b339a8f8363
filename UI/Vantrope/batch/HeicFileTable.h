#pragma once

#include "Heif2jpg.h"
#include "OutputLocation.h"
#include "ZoSkin.h"

#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QString>
#include <QVector>
#include <QWidget>

class BatchConvertProgress;
class BatchRun;
class QMenu;
class ConvertsionSet;
class TipDialog;
class ZoStyleCheckBox;

namespace Ui {
class HeicFileTable;
}

// The batch page: a table of the HEIC files gathered for conversion (check
// box, name, size, full path), a tool bar to add, delete and clear files, a
// select-all box over the first column and a summary line with the Convert
// button, which is usable only while at least one row is checked.
//
// It is also the batch controller: Convert opens the settings dialog, the
// checked rows are converted by a BatchRun (its workers share convertQueue()),
// in the order in which the rows were checked, and a modal progress dialog follows
// every processed file (converted or failed) until all are done or the user
// cancels. Quality and output folder live as long as the page.
//
// Photos come in through Add (a small menu: photos through a file dialog, or
// a whole folder, searched recursively) and by dropping files or folders on
// the page; only HEIF photos are taken (PhotoFiles).
//
// The interface thread never waits for the workers while the page lives. A
// cancelled batch lets the workers finish the files in hand; the cancelled
// notice shows once all of them have stopped and counts every file written.
// Convert stays disabled until every worker of the last batch has finished.
//
// Destroying the page stops the workers, drops the paths nobody took yet and
// waits for the files in hand, so no half-written output is left behind.
class HeicFileTable : public QWidget
{
    Q_OBJECT
public:
    explicit HeicFileTable(QWidget *parent = nullptr);
    ~HeicFileTable() override;

    // Appends every path that names an existing file, in order, duplicates
    // included; a folder stands for the HEIF photos in it and below it.
    // Missing files are skipped silently. All rows start unchecked.
    void addFiles(QVector<QString> vStrPath);
    // Photos handed over by a second start of the program: appended as new
    // rows, ticked, while the rows already listed keep their ticks. A folder
    // stands for the HEIF photos in it and below it.
    void handOverFiles(const QStringList &paths);
    // The photos listed (rows), vanished files included.
    int photoCount() const { return fileList.size(); }
    // A null decoder leaves the one held unchanged.
    void setDecoder(Heif2jpgFunc func);

    // The indices of the checked rows, in the order in which they became
    // checked: the order in which a batch converts them.
    QList<int> checkedRowOrder() const { return checkedRows; }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

signals:
    void signal_ConvertSuccessCount(int nCount);
    void signal_ConvertSuccessAll();

public slots:
    // A row box changed: nRow carries the new check state, nCol the row index.
    void slot_ChooseItem(int nRow, int nCol);
    void slot_ClearTableView();
    void slot_ClearTable();
    void slot_DeleteTableItem();
    void slot_AddItem();
    void slot_setAllCheckBoxState(int State, int nIndex);
    void slot_setSelectAllCheckBoxState();
    void slot_BatchConvert();
    void slot_SavePath(QString strPath);
    void slot_ConvertQuality(int nValue);
    void slot_StartConvert();
    void slot_ConvertProgress();
    // nCurProgress: files converted so far; the files that failed are added
    // to it, so the progress follows every processed file.
    void slot_SetConvertProgress(int nCurProgress);
    void slot_StopConvert();
    void slot_ConvertSuccess();
    void slot_OpenFolder();
    // One worker could not convert one file.
    void slot_ConvertFailed();

private:
    enum class BatchState {
        Idle,       // no batch, or its last report is in (workers may still be ending)
        Running,    // the progress dialog follows the reports
        Cancelling  // confirmed cancel: the files in hand are being finished
    };

    void showAddMenu();
    void addFolder();
    // Appends the HEIF photos that paths stand for (folders searched
    // recursively) as new unchecked rows, keeping the checks of the others.
    // Returns the photos added.
    QVector<QString> appendPhotos(const QStringList &paths);
    // Says that what the user gave held no photo, once the event that gave it
    // has ended (a drop's source is not kept waiting for the answer).
    void tellNoPhotosFound(const QString &text);
    void settleConvertButton();
    void fileDone(int index);
    // Marks the rows of the last batch whose photo failed or was skipped
    // (their reason in the tooltip) and returns one "photo: what happened"
    // line for each, in queue order.
    QStringList markProblemRows();
    void clearRowMarks();
    void workerFinished();
    void showCancelledNotice();
    bool batchBusy() const;
    // Whether a drag of paths may be dropped here now: no batch is running
    // and the paths may hold photos.
    bool acceptsDrag(const QStringList &paths) const;
    void refreshTable();
    void buildRow(int row, const QFileInfo &info);
    void updateSummary(double totalBytes);
    // "0 File(s), " and "0 MB": the summary of a list cleared or not yet filled.
    void showEmptySummary();
    QString rowBoxStyleSheet() const;

    Ui::HeicFileTable *ui;
    ZoSkin skin;
    QVector<QFileInfo> fileList;
    TipDialog *clearTip;
    QList<int> checkedRows;
    QList<ZoStyleCheckBox *> rowCheckBoxes;
    ZoStyleCheckBox *selectAllBox;

    Heif2jpgFunc decoder;
    QString savePath;
    int quality;
    bool allImages = false; // every top-level image of a photo, not the primary only
    OutputLocation::Existing existing;
    BatchRun *batchRun;
    // The row of each input of the last batch, by its position in the batch.
    QList<int> batchRows;
    ConvertsionSet *settingsDialog;
    int successCount;
    BatchConvertProgress *progressDialog;
    QMutex progressMutex;
    TipDialog *stopTip;
    // Files of the running batch that could not be converted.
    int failedCount;
    // Files in the running batch, fixed when it starts.
    int batchTotal;
    BatchState batchState;
    QMenu *addMenu;

    QString lastFilePath;
};
