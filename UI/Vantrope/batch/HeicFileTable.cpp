#include "HeicFileTable.h"
#include "ui_HeicFileTable.h"

#include "BatchConvertProgress.h"
#include "ConvertQueue.h"
#include "ConvertThread.h"
#include "ConvertsionSet.h"
#include "TipDialog.h"
#include "ZoStyleCheckBox.h"
#include "desktopopener.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QMutexLocker>
#include <QPointer>
#include <QStandardPaths>
#include <QTableWidgetItem>

namespace {

// Each worker hands the decoder a temporary name of its own, so concurrent
// decoder calls never share a file. Literals: they outlive every worker.
const char *const workerTempFileNames[4] = {"temp1.hevc", "temp2.hevc", "temp3.hevc", "temp4.hevc"};

// 2,621,440 bytes give "2.5MB", 1,000 bytes "0.0MB".
QString sizeText(double bytes)
{
    return QString::number(bytes / 1024 / 1024, 'f', 1) + "MB";
}

} // namespace

HeicFileTable::HeicFileTable(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::HeicFileTable)
    , clearTip(nullptr)
    , selectAllBox(nullptr)
    , decoder(nullptr)
    , quality(100)
    , workers{}
    , settingsDialog(nullptr)
    , successCount(0)
    , progressDialog(nullptr)
    , stopTip(nullptr)
    , failedCount(0)
    , acceptingReports(false)
{
    ui->setupUi(this);

    const QString dir = skin.skinDir();
    ui->pushButton_Add->setImages(dir + "/Button/add_icon_normal.png", dir + "/Button/add_icon_hover.png",
                                  dir + "/Button/add_icon_pressing.png");
    ui->pushButton_Delete->setImages(dir + "/Button/delete_icon_normal.png",
                                     dir + "/Button/delete_icon_hover.png",
                                     dir + "/Button/delete_icon_pressing.png",
                                     dir + "/Button/delete_icon_disable.png");
    ui->pushButton_Clear->setImages(dir + "/Button/clear_icon_normal.png", dir + "/Button/clear_icon_hover.png",
                                    dir + "/Button/clear_icon_pressing.png",
                                    dir + "/Button/clear_icon_disable.png");
    ui->pushButton_Convert->setImages(dir + "/Button/big_button_normal.png",
                                      dir + "/Button/big_button_hover.png",
                                      dir + "/Button/big_button_pressing.png",
                                      dir + "/Button/big_button_disable.png");
    ui->pushButton_Convert->setEnabled(false);
    ui->pushButton_Convert->setFont(skin.font(42));

    ui->label_FileSize->setFont(skin.font(34));
    ui->label_FileCount->setFont(skin.font(34));
    ui->tableWidget->setFont(skin.font(34));

    // Applied after the styled table's own settings, which these override.
    QTableWidget *table = ui->tableWidget;
    table->setColumnCount(4);
    table->setRowCount(fileList.size());
    table->setHorizontalHeaderLabels(QStringList() << QString() << tr("Name") << tr("Size")
                                                   << tr("File Directory"));
    table->horizontalHeader()->setStyleSheet(
        "QHeaderView::section {background-color: #ffffff;color: #484848;border: 0px solid #eeeeee;"
        "border-width: 0px 0px 1px 0px;border-color: #eeeeee;}");
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    table->setFrameShape(QFrame::NoFrame);
    table->setShowGrid(false);
    table->horizontalHeader()->setFixedHeight(34);
    table->verticalHeader()->setDefaultSectionSize(44);
    table->setAlternatingRowColors(true);
    table->setStyleSheet("alternate-background-color: #FFFFFF; background-color: rgb(246,246,246); "
                         "selection-background-color:rgb(234,244,255); selection-color:#484848;");
    const int columnWidths[4] = {84, 176, 190, 400};
    for (int column = 0; column < 4; ++column)
        table->setColumnWidth(column, columnWidths[column]);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);

    selectAllBox = new ZoStyleCheckBox(0, this);
    selectAllBox->setBoxStyleSheet(
        rowBoxStyleSheet() + "QCheckBox::indicator:enabled::indeterminate{image:url(" + dir
        + "/CheckBox/checkbox_half_selected.png" + ");}");
    selectAllBox->setMaximumSize(14, 14);
    selectAllBox->show();
    selectAllBox->move(33, 58);

    for (int k = 0; k < 4; ++k)
        workers[k] = new ConvertThread(this);

    connect(ui->pushButton_Clear, SIGNAL(clicked()), this, SLOT(slot_ClearTableView()));
    connect(ui->pushButton_Delete, SIGNAL(clicked()), this, SLOT(slot_DeleteTableItem()));
    connect(ui->pushButton_Add, SIGNAL(clicked()), this, SLOT(slot_AddItem()));
    connect(selectAllBox, SIGNAL(signal_StateChanged(int, int)), this, SLOT(slot_setAllCheckBoxState(int, int)));
    connect(ui->pushButton_Convert, SIGNAL(clicked()), this, SLOT(slot_BatchConvert()));

    connect(this, SIGNAL(signal_ConvertSuccessCount(int)), this, SLOT(slot_SetConvertProgress(int)));
    connect(this, SIGNAL(signal_ConvertSuccessAll()), this, SLOT(slot_ConvertSuccess()));
    for (ConvertThread *worker : workers) {
        connect(worker, SIGNAL(signal_ConvertSuccess()), this, SLOT(slot_ConvertProgress()));
        connect(worker, SIGNAL(signal_ConvertFailed()), this, SLOT(slot_ConvertFailed()));
    }
}

HeicFileTable::~HeicFileTable()
{
    // Paths nobody took are dropped; the files in hand are finished and
    // written before the workers go.
    for (ConvertThread *worker : workers)
        worker->setStop(true);
    convertQueue().clear();
    for (ConvertThread *worker : workers) {
        worker->wait();
        delete worker;
    }
    delete ui;
}

QString HeicFileTable::rowBoxStyleSheet() const
{
    const QString dir = skin.skinDir();
    return "QCheckBox::indicator:enabled::unchecked{image:url(" + dir + "/CheckBox/checkbox_normal.png"
           + ");}" + "QCheckBox::indicator:enabled::checked{image:url(" + dir
           + "/CheckBox/checkbox_selected.png" + ");}";
}

void HeicFileTable::addFiles(QVector<QString> vStrPath)
{
    fileList.reserve(fileList.size() + vStrPath.size());
    for (const QString &path : vStrPath) {
        const QFileInfo info(path);
        if (info.exists() && info.isFile())
            fileList.append(info);
    }
    if (!fileList.isEmpty()) {
        refreshTable();
        // Rebuilt rows start unchecked, also when files were listed before.
        selectAllBox->setCheckState(Qt::Unchecked);
        ui->pushButton_Convert->setEnabled(false);
    }
}

void HeicFileTable::setDecoder(Heif2jpgFunc func)
{
    if (func)
        decoder = func;
}

void HeicFileTable::buildRow(int row, const QFileInfo &info)
{
    QTableWidget *table = ui->tableWidget;
    const QString texts[3] = {info.fileName(), sizeText(double(info.size())), info.filePath()};
    for (int column = 1; column <= 3; ++column) {
        auto *item = new QTableWidgetItem(texts[column - 1]);
        item->setForeground(QColor(120, 120, 120));
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }

    auto *box = new ZoStyleCheckBox(row, this);
    box->setBoxStyleSheet(rowBoxStyleSheet());
    table->setCellWidget(row, 0, box);
    rowCheckBoxes.append(box);
    connect(box, SIGNAL(signal_StateChanged(int, int)), this, SLOT(slot_ChooseItem(int, int)));
    connect(box, SIGNAL(signal_Clicked()), this, SLOT(slot_setSelectAllCheckBoxState()));
}

void HeicFileTable::updateSummary(double totalBytes)
{
    ui->label_FileCount->setText(QString::number(fileList.size()) + " File(s), ");
    ui->label_FileSize->setText(sizeText(totalBytes));
}

void HeicFileTable::refreshTable()
{
    // Every row gets a new, unchecked box: the old boxes and their checks go.
    rowCheckBoxes.clear();
    checkedRows.clear();
    QTableWidget *table = ui->tableWidget;
    table->setRowCount(fileList.size());
    table->clearContents();

    double total = 0;
    for (int row = 0; row < fileList.size(); ++row) {
        QFileInfo info = fileList.at(row);
        info.refresh();
        // A file removed from disk keeps its entry and a blank row.
        if (!info.exists())
            continue;
        buildRow(row, info);
        total += double(info.size());
    }
    updateSummary(total);

    const bool any = !fileList.isEmpty();
    ui->pushButton_Delete->setEnabled(any);
    ui->pushButton_Clear->setEnabled(any);
}

void HeicFileTable::slot_ChooseItem(int nRow, int nCol)
{
    if (nRow == Qt::Checked) {
        if (!checkedRows.contains(nCol))
            checkedRows.append(nCol);
    } else if (nRow == Qt::Unchecked) {
        checkedRows.removeAll(nCol);
    }
}

void HeicFileTable::slot_ClearTableView()
{
    clearTip = new TipDialog(this);
    clearTip->setClearConfirmMode();
    connect(clearTip, SIGNAL(signal_ClearTable()), this, SLOT(slot_ClearTable()));
    QPointer<TipDialog> tip = clearTip;
    tip->exec();
    // Answered No (or closed): the confirmation is not needed any more.
    if (tip && tip == clearTip) {
        clearTip = nullptr;
        tip->deleteLater();
    }
}

void HeicFileTable::slot_ClearTable()
{
    ui->tableWidget->setRowCount(0);
    fileList.clear();
    rowCheckBoxes.clear();
    checkedRows.clear();
    ui->pushButton_Delete->setEnabled(false);
    ui->pushButton_Clear->setEnabled(false);
    if (clearTip) {
        clearTip->close();
        clearTip->deleteLater();
        clearTip = nullptr;
    }
    ui->label_FileCount->setText("0 File(s), ");
    ui->label_FileSize->setText("0 MB");
    ui->pushButton_Convert->setEnabled(false);
    selectAllBox->setEnabled(false);
    repaint();
}

void HeicFileTable::slot_DeleteTableItem()
{
    QVector<QFileInfo> doomed;
    for (int index : checkedRows)
        if (index >= 0 && index < fileList.size())
            doomed.append(fileList.at(index));
    // Duplicates of a checked file go with it.
    for (const QFileInfo &info : doomed)
        fileList.removeAll(info);

    rowCheckBoxes.clear();
    checkedRows.clear();
    refreshTable();
    slot_setSelectAllCheckBoxState();

    selectAllBox->setEnabled(!fileList.isEmpty());
    ui->pushButton_Convert->setEnabled(!checkedRows.isEmpty());
    repaint();
}

void HeicFileTable::slot_AddItem()
{
    const QStringList chosen = QFileDialog::getOpenFileNames(
        this, tr("Choose Images"), lastFilePath.isEmpty() ? QStringLiteral(".") : lastFilePath,
        tr("Image Files(*.HEIC)"));
    if (chosen.isEmpty())
        return;

    for (const QString &path : chosen) {
        const QFileInfo info(path);
        if (!info.exists())
            continue;
        fileList.append(info);
        lastFilePath = info.filePath();
        ui->tableWidget->setRowCount(fileList.size());
        buildRow(fileList.size() - 1, info);
    }

    double total = 0;
    for (const QFileInfo &info : qAsConst(fileList))
        total += double(info.size());
    updateSummary(total);

    if (fileList.isEmpty()) {
        ui->pushButton_Convert->setEnabled(false);
        ui->pushButton_Clear->setEnabled(false);
        return;
    }
    selectAllBox->setEnabled(true);
    ui->pushButton_Convert->setEnabled(true);
    ui->pushButton_Clear->setEnabled(true);
    slot_setSelectAllCheckBoxState();
}

void HeicFileTable::slot_setAllCheckBoxState(int State, int nIndex)
{
    Q_UNUSED(nIndex)
    for (ZoStyleCheckBox *box : qAsConst(rowCheckBoxes)) {
        if (State == Qt::Checked)
            box->setCheckState(Qt::Checked);
        else if (State == Qt::Unchecked)
            box->setCheckState(Qt::Unchecked);
    }
    const bool any = !checkedRows.isEmpty();
    ui->pushButton_Convert->setEnabled(any);
    ui->pushButton_Delete->setEnabled(any);
}

void HeicFileTable::slot_setSelectAllCheckBoxState()
{
    int checked = 0;
    for (ZoStyleCheckBox *box : qAsConst(rowCheckBoxes))
        if (box->checkState() == Qt::Checked)
            ++checked;
    const int total = rowCheckBoxes.size();

    if (checked == total && checked != 0) {
        selectAllBox->setCheckState(Qt::Checked);
        ui->pushButton_Delete->setEnabled(true);
        ui->pushButton_Clear->setEnabled(true);
    } else if (checked != 0) {
        selectAllBox->setCheckState(Qt::PartiallyChecked);
    } else {
        selectAllBox->setCheckState(Qt::Unchecked);
    }

    if (checkedRows.isEmpty()) {
        ui->pushButton_Convert->setEnabled(false);
        ui->pushButton_Delete->setEnabled(false);
    } else {
        ui->pushButton_Delete->setEnabled(true);
        ui->pushButton_Clear->setEnabled(true);
        ui->pushButton_Convert->setEnabled(true);
    }
}

void HeicFileTable::slot_BatchConvert()
{
    QPointer<ConvertsionSet> dialog = new ConvertsionSet(this);
    settingsDialog = dialog;
    dialog->setQuality(quality);
    connect(dialog, SIGNAL(signal_SendSavePath(QString)), this, SLOT(slot_SavePath(QString)));
    connect(dialog, SIGNAL(signal_SetConvertQuality(int)), this, SLOT(slot_ConvertQuality(int)));
    connect(dialog, SIGNAL(signal_Convert()), this, SLOT(slot_StartConvert()));
    dialog->exec();
    // Closed without Convert: nothing else refers to it.
    if (dialog && dialog == settingsDialog) {
        settingsDialog = nullptr;
        dialog->deleteLater();
    }
}

void HeicFileTable::slot_SavePath(QString strPath)
{
    savePath = strPath;
}

void HeicFileTable::slot_ConvertQuality(int nValue)
{
    quality = nValue;
}

void HeicFileTable::slot_StartConvert()
{
    if (settingsDialog) {
        settingsDialog->close();
        settingsDialog->deleteLater();
        settingsDialog = nullptr;
    }
    // A batch of no file would never complete.
    if (checkedRows.isEmpty())
        return;

    // Workers of a stopped batch finish the file in hand first; what they
    // report about it belongs to no batch and is dropped here.
    for (ConvertThread *worker : workers)
        worker->wait();
    acceptingReports = false;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    successCount = 0;
    failedCount = 0;
    acceptingReports = true;

    convertQueue().beginBatch();
    for (int index : qAsConst(checkedRows))
        convertQueue().push(fileList.at(index).filePath());

    for (ConvertThread *worker : workers)
        worker->setDecoder(decoder);
    for (ConvertThread *worker : workers)
        worker->setQuality(quality);
    for (ConvertThread *worker : workers)
        worker->setSavePath(savePath);
    for (int k = 0; k < 4; ++k)
        workers[k]->setTempFileName(workerTempFileNames[k]);
    for (ConvertThread *worker : workers)
        worker->setStop(false);
    for (ConvertThread *worker : workers)
        worker->start(QThread::InheritPriority);

    if (progressDialog) {
        progressDialog->exec();
        return;
    }
    QPointer<BatchConvertProgress> dialog = new BatchConvertProgress(this);
    progressDialog = dialog;
    connect(dialog, SIGNAL(signal_CancelConvert()), this, SLOT(slot_StopConvert()));
    connect(dialog, SIGNAL(signal_OpenFolder()), this, SLOT(slot_OpenFolder()));
    dialog->exec();
    // Completed and closed with OK: the controller let go of it already.
    if (dialog && dialog != progressDialog)
        dialog->deleteLater();
}

void HeicFileTable::slot_ConvertProgress()
{
    if (!acceptingReports)
        return;
    QMutexLocker locker(&progressMutex);
    ++successCount;
    emit signal_ConvertSuccessCount(successCount);
}

void HeicFileTable::slot_ConvertFailed()
{
    if (!acceptingReports)
        return;
    QMutexLocker locker(&progressMutex);
    ++failedCount;
    slot_SetConvertProgress(successCount);
}

void HeicFileTable::slot_SetConvertProgress(int nCurProgress)
{
    const int processed = nCurProgress + failedCount;
    const int total = checkedRows.size();
    const QString text = QString::number(processed) + "/" + QString::number(total);
    if (progressDialog && total > 0)
        progressDialog->setProgress(int(double(processed) / double(total) * 100.0), text);
    if (processed == total)
        emit signal_ConvertSuccessAll();
}

void HeicFileTable::slot_StopConvert()
{
    acceptingReports = false;
    for (ConvertThread *worker : workers)
        if (worker->isRunning())
            worker->setStop(true);
    convertQueue().clear();

    if (progressDialog) {
        progressDialog->hide();
        progressDialog->deleteLater();
        progressDialog = nullptr;
    }

    const int converted = successCount;
    successCount = 0;
    failedCount = 0;

    if (!stopTip) {
        stopTip = new TipDialog(this);
        stopTip->setCancelledMode();
        stopTip->setConvertedCount(converted);
        connect(stopTip, SIGNAL(signal_OpenFolder()), this, SLOT(slot_OpenFolder()));
    }
    stopTip->exec();
    delete stopTip;
    stopTip = nullptr;
}

void HeicFileTable::slot_ConvertSuccess()
{
    acceptingReports = false;
    if (progressDialog)
        progressDialog->showSuccess(successCount, failedCount);
    successCount = 0;
    failedCount = 0;
    progressDialog = nullptr;
    for (ConvertThread *worker : workers)
        worker->setStop(true);
}

void HeicFileTable::slot_OpenFolder()
{
    // The folder the workers write into (without the trailing separator).
    QString folder;
    if (savePath.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/Quorvix";
        savePath = folder;
    } else if (savePath.contains("/Quorvix")) {
        folder = savePath;
    } else {
        folder = savePath + "/Quorvix";
        savePath = folder;
    }
    DesktopOpener::openFolder(folder);

    if (progressDialog) {
        progressDialog->close();
        progressDialog->deleteLater();
        progressDialog = nullptr;
    }
}
