#include "HeicFileTable.h"
#include "ui_HeicFileTable.h"

#include "ZoAccessible.h"

#include "BatchConvertProgress.h"
#include "BatchRun.h"
#include "BatchTableKeys.h"
#include "ConvertsionSet.h"
#include "DialogPlacement.h"
#include "DroppedPaths.h"
#include "OutputLocation.h"
#include "PhotoFiles.h"
#include "TipDialog.h"
#include "ZoMessageBox.h"
#include "ZoStyleCheckBox.h"
#include "ZoStyleSheets.h"
#include "desktopopener.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QMutexLocker>
#include <QPointer>
#include <QSet>
#include <QTableWidgetItem>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {

// 2,621,440 bytes give "2.5MB", 1,000 bytes "0.0MB".
QString sizeText(double bytes)
{
    return QString::number(bytes / 1024 / 1024, 'f', 1) + "MB";
}

// A drag is worth accepting when it brings a folder or a HEIF photo; what a
// folder holds is looked at only when it is dropped.
bool mayHoldPhotos(const QStringList &paths)
{
    return std::any_of(paths.cbegin(), paths.cend(), PhotoFiles::isPhotoOrFolder);
}

} // namespace

HeicFileTable::HeicFileTable(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::HeicFileTable)
    , clearTip(nullptr)
    , selectAllBox(nullptr)
    , decoder(nullptr)
    , quality(100)
    , existing(OutputLocation::Existing::KeepBoth)
    , batchRun(nullptr)
    , settingsDialog(nullptr)
    , successCount(0)
    , progressDialog(nullptr)
    , stopTip(nullptr)
    , failedCount(0)
    , batchTotal(0)
    , batchState(BatchState::Idle)
    , addMenu(nullptr)
{
    ui->setupUi(this);

    const QString dir = skin.skinDir();
    // Tool bar links: icon and caption in blue, underlined under the pointer;
    // each as wide as its caption needs in the user's language.
    const struct {
        ZoStyleButton *button;
        const char *icon;
        QString caption;
        int layoutWidth;
    } tools[] = {{ui->pushButton_Add, "add_icon", tr("Add"), 60},
                 {ui->pushButton_Delete, "delete_icon", tr("Delete"), 76},
                 {ui->pushButton_Clear, "clear_icon", tr("Clear"), 68}};
    for (const auto &tool : tools) {
        tool.button->setSkinIcon(QLatin1String(tool.icon), 2);
        tool.button->setText(tool.caption);
        tool.button->setFont(skin.font(ZoSkin::SmallFont));
        tool.button->setCaptionInks(ZoStyleButton::linkInks());
        tool.button->setHoverUnderline(true);
        tool.button->setTextOption(QTextOption(Qt::AlignLeft | Qt::AlignVCenter));
        tool.button->fitToCaption(tool.layoutWidth);
    }
    ui->pushButton_Convert->setSkinImages(QStringLiteral("big_button"));
    ui->pushButton_Convert->setEnabled(false);
    ui->pushButton_Convert->setFont(skin.font(ZoSkin::BigButtonFont));

    ui->label_FileSize->setFont(skin.font(ZoSkin::BodyFont));
    ui->label_FileCount->setFont(skin.font(ZoSkin::BodyFont));
    // The list starts empty and says so, as after Clear.
    showEmptySummary();
    ui->tableWidget->setFont(skin.font(ZoSkin::BodyFont));

    // Applied after the styled table's own settings, which these override.
    QTableWidget *table = ui->tableWidget;
    table->setColumnCount(4);
    table->setRowCount(fileList.size());
    table->setHorizontalHeaderLabels(QStringList() << QString() << tr("Name") << tr("Size")
                                                   << tr("File Directory"));
    // The left padding puts each caption over the text of its column.
    table->horizontalHeader()->setStyleSheet(
        "QHeaderView::section {background-color: #ffffff;color: #484848;border: 0px solid #eeeeee;"
        "border-width: 0px 0px 1px 0px;border-color: #eeeeee;padding-left: 4px;}");
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
    // Long names and folders stay on one line, shortened in the middle so
    // that both the start and the suffix show; the tooltip has the full path.
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideMiddle);

    selectAllBox = new ZoStyleCheckBox(0, this);
    selectAllBox->setObjectName(QStringLiteral("checkBox_SelectAll"));
    // The disabled rules keep the skin while there is nothing to select
    // (without them the platform's own indicator would show).
    selectAllBox->setBoxStyleSheet(
        rowBoxStyleSheet() + "QCheckBox::indicator:enabled::indeterminate{image:url(" + dir
        + "/CheckBox/checkbox_half_selected.png" + ");}"
        + "QCheckBox::indicator:disabled{image:url(" + dir + "/CheckBox/checkbox_normal.png" + ");}"
        + "QCheckBox::indicator:disabled:checked{image:url(" + dir + "/CheckBox/checkbox_selected.png" + ");}"
        + "QCheckBox::indicator:disabled:indeterminate{image:url(" + dir + "/CheckBox/checkbox_half_selected.png"
        + ");}");
    selectAllBox->setMaximumSize(14, 14);
    selectAllBox->show();
    selectAllBox->move(33, 58);

    ZoAccessible::describe(ui->pushButton_Add, tr("Add"), tr("Add photos or a folder to the list"));
    ZoAccessible::describe(ui->pushButton_Delete, tr("Delete"), tr("Remove the ticked photos from the list"));
    ZoAccessible::describe(ui->pushButton_Clear, tr("Clear"), tr("Remove every photo from the list"));
    ZoAccessible::describe(ui->pushButton_Convert, tr("Convert"), tr("Convert the ticked photos to JPEG"));
    ZoAccessible::describe(table, tr("Photos"), tr("The photos to convert; tick the ones to convert"));
    selectAllBox->setBoxAccessibleTexts(tr("Select all photos"), tr("Ticks or clears every photo in the list"));

    batchRun = new BatchRun(this);

    setAcceptDrops(true);

    // Add offers photos or a whole folder: one file dialog cannot pick both.
    addMenu = new QMenu(this);
    addMenu->setFont(skin.font(ZoSkin::MenuFont));
    addMenu->setStyleSheet(ZoStyleSheets::popupMenu());
    QAction *addPhotos = addMenu->addAction(tr("Add Photos..."));
    addPhotos->setObjectName(QStringLiteral("action_AddPhotos"));
    QAction *addFolderAction = addMenu->addAction(tr("Add Folder..."));
    addFolderAction->setObjectName(QStringLiteral("action_AddFolder"));
    connect(addPhotos, SIGNAL(triggered()), this, SLOT(slot_AddItem()));
    connect(addFolderAction, &QAction::triggered, this, &HeicFileTable::addFolder);

    BatchTableKeys::install(this);

    connect(ui->pushButton_Clear, SIGNAL(clicked()), this, SLOT(slot_ClearTableView()));
    connect(ui->pushButton_Delete, SIGNAL(clicked()), this, SLOT(slot_DeleteTableItem()));
    connect(ui->pushButton_Add, &QPushButton::clicked, this, &HeicFileTable::showAddMenu);
    connect(selectAllBox, SIGNAL(signal_StateChanged(int, int)), this, SLOT(slot_setAllCheckBoxState(int, int)));
    connect(ui->pushButton_Convert, SIGNAL(clicked()), this, SLOT(slot_BatchConvert()));

    connect(this, SIGNAL(signal_ConvertSuccessCount(int)), this, SLOT(slot_SetConvertProgress(int)));
    connect(this, SIGNAL(signal_ConvertSuccessAll()), this, SLOT(slot_ConvertSuccess()));
    connect(batchRun, &BatchRun::fileDone, this, &HeicFileTable::fileDone);
    connect(batchRun, &BatchRun::finished, this, &HeicFileTable::workerFinished);
}

HeicFileTable::~HeicFileTable()
{
    // Paths nobody took are dropped; the files in hand are finished and
    // written before the workers go.
    batchRun->stopAndWait();
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
        if (info.isDir()) {
            for (const QString &photo : PhotoFiles::collect(QStringList{path}, true).photos)
                fileList.append(QFileInfo(photo));
        } else if (info.exists() && info.isFile()) {
            fileList.append(info);
        }
    }
    if (!fileList.isEmpty()) {
        refreshTable();
        // Rebuilt rows start unchecked, also when files were listed before.
        selectAllBox->setCheckState(Qt::Unchecked);
        selectAllBox->setEnabled(true);
        settleConvertButton();
    }
}

void HeicFileTable::handOverFiles(const QStringList &paths)
{
    const int firstNew = fileList.size();
    appendPhotos(paths);
    for (ZoStyleCheckBox *box : qAsConst(rowCheckBoxes))
        if (box->property("row").toInt() >= firstNew)
            box->setCheckState(Qt::Checked);
    slot_setSelectAllCheckBoxState();
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
        if (column != 2)
            item->setToolTip(info.filePath());
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }

    auto *box = new ZoStyleCheckBox(row, this);
    box->setProperty("row", row);
    box->setBoxStyleSheet(rowBoxStyleSheet());
    // A row is read out by its photo's name: its (hidden) header names it
    // for screen readers, and so does its check box.
    table->setVerticalHeaderItem(row, new QTableWidgetItem(info.fileName()));
    box->setBoxAccessibleTexts(info.fileName(), tr("Tick to convert this photo"));
    table->setCellWidget(row, 0, box);
    rowCheckBoxes.append(box);
    connect(box, SIGNAL(signal_StateChanged(int, int)), this, SLOT(slot_ChooseItem(int, int)));
    connect(box, SIGNAL(signal_Clicked()), this, SLOT(slot_setSelectAllCheckBoxState()));
}

void HeicFileTable::updateSummary(double totalBytes)
{
    ui->label_FileCount->setText(QString::number(fileList.size()) + tr(" File(s), "));
    ui->label_FileSize->setText(sizeText(totalBytes));
}

void HeicFileTable::showEmptySummary()
{
    ui->label_FileCount->setText(QStringLiteral("0") + tr(" File(s), "));
    ui->label_FileSize->setText("0 MB");
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

    // Delete needs a ticked row; the rebuilt rows have none.
    ui->pushButton_Delete->setEnabled(false);
    ui->pushButton_Clear->setEnabled(!fileList.isEmpty());
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
    DialogPlacement::execCentred(tip, this);
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
    showEmptySummary();
    ui->pushButton_Convert->setEnabled(false);
    // The next list starts with nothing ticked, and so does the box over it.
    selectAllBox->setCheckState(Qt::Unchecked);
    selectAllBox->setEnabled(false);
    repaint();
}

void HeicFileTable::slot_DeleteTableItem()
{
    // Duplicates of a checked file go with it. Paths, not QFileInfo
    // equality: that compares canonical paths, which are all empty (and so
    // all equal) for files that have vanished from disk.
    QSet<QString> doomed;
    for (int index : qAsConst(checkedRows))
        if (index >= 0 && index < fileList.size())
            doomed.insert(fileList.at(index).absoluteFilePath());
    fileList.erase(std::remove_if(fileList.begin(), fileList.end(),
                                  [&](const QFileInfo &info) { return doomed.contains(info.absoluteFilePath()); }),
                   fileList.end());

    rowCheckBoxes.clear();
    checkedRows.clear();
    refreshTable();
    slot_setSelectAllCheckBoxState();

    selectAllBox->setEnabled(!fileList.isEmpty());
    settleConvertButton();
    repaint();
}

void HeicFileTable::showAddMenu()
{
    QPushButton *add = ui->pushButton_Add;
    addMenu->exec(add->mapToGlobal(QPoint(0, add->height() + 2)));
}

void HeicFileTable::slot_AddItem()
{
    const QStringList chosen = QFileDialog::getOpenFileNames(
        this, tr("Choose Images"), lastFilePath.isEmpty() ? QStringLiteral(".") : lastFilePath,
        PhotoFiles::fileDialogFilter(tr("Image Files")));
    if (chosen.isEmpty())
        return;
    const QVector<QString> added = appendPhotos(chosen);
    if (added.isEmpty())
        tellNoPhotosFound(tr("None of the chosen files is a HEIC photo."));
    else
        lastFilePath = added.last();
}

void HeicFileTable::addFolder()
{
    QString start = QStringLiteral(".");
    if (!lastFilePath.isEmpty()) {
        const QFileInfo last(lastFilePath);
        start = last.isDir() ? last.filePath() : last.path();
    }
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Choose a Folder"), start,
                                                             QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    if (appendPhotos(QStringList{folder}).isEmpty())
        tellNoPhotosFound(tr("No HEIC photos were found in %1.").arg(QDir::toNativeSeparators(folder)));
    lastFilePath = folder;
}

QVector<QString> HeicFileTable::appendPhotos(const QStringList &paths)
{
    const QVector<QString> photos = PhotoFiles::collect(paths, true).photos;
    for (const QString &path : photos) {
        const QFileInfo info(path);
        fileList.append(info);
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
        return photos;
    }
    selectAllBox->setEnabled(true);
    ui->pushButton_Clear->setEnabled(true);
    slot_setSelectAllCheckBoxState();
    return photos;
}

bool HeicFileTable::acceptsDrag(const QStringList &paths) const
{
    return !batchBusy() && mayHoldPhotos(paths);
}

void HeicFileTable::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptsDrag(DroppedPaths::localPaths(event->mimeData())))
        event->acceptProposedAction();
    else
        event->ignore();
}

void HeicFileTable::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptsDrag(DroppedPaths::localPaths(event->mimeData())))
        event->acceptProposedAction();
    else
        event->ignore();
}

void HeicFileTable::dropEvent(QDropEvent *event)
{
    const QStringList paths = DroppedPaths::localPaths(event->mimeData());
    if (!acceptsDrag(paths)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    if (appendPhotos(paths).isEmpty())
        tellNoPhotosFound(tr("No HEIC photos were found in what you dropped."));
}

void HeicFileTable::tellNoPhotosFound(const QString &text)
{
    QTimer::singleShot(0, this, [this, text] {
        ZoMessageBox box(text, tr("Add Photos"), ZoMessageBox::Ok, this);
        DialogPlacement::execCentred(&box, this);
    });
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
    ui->pushButton_Delete->setEnabled(!checkedRows.isEmpty());
    settleConvertButton();
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
        ui->pushButton_Delete->setEnabled(false);
    } else {
        ui->pushButton_Delete->setEnabled(true);
        ui->pushButton_Clear->setEnabled(true);
    }
    settleConvertButton();
}

void HeicFileTable::settleConvertButton()
{
    ui->pushButton_Convert->setEnabled(!checkedRows.isEmpty() && !batchRun->isRunning());
}

bool HeicFileTable::batchBusy() const
{
    return batchState != BatchState::Idle;
}

void HeicFileTable::slot_BatchConvert()
{
    QPointer<ConvertsionSet> dialog = new ConvertsionSet(this);
    settingsDialog = dialog;
    dialog->setQuality(quality);
    dialog->setAllImages(allImages);
    dialog->setSavePath(savePath);
    dialog->setExisting(existing);
    connect(dialog, SIGNAL(signal_SendSavePath(QString)), this, SLOT(slot_SavePath(QString)));
    connect(dialog, SIGNAL(signal_SetConvertQuality(int)), this, SLOT(slot_ConvertQuality(int)));
    connect(dialog, SIGNAL(signal_Convert()), this, SLOT(slot_StartConvert()));
    DialogPlacement::execCentred(dialog, this);
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
        allImages = settingsDialog->allImages();
        existing = settingsDialog->existing();
        settingsDialog->close();
        settingsDialog->deleteLater();
        settingsDialog = nullptr;
    }
    // A batch of no file would never complete. While workers of the last
    // batch are still ending, Convert is disabled; a start now would have to
    // wait for them.
    if (checkedRows.isEmpty() || batchRun->isRunning() || batchBusy())
        return;

    QVector<ConvertQueue::Item> items;
    items.reserve(checkedRows.size());
    for (int index : qAsConst(checkedRows)) {
        ConvertQueue::Item item;
        item.path = fileList.at(index).filePath();
        items.append(item);
    }
    BatchRun::Settings settings;
    settings.decoder = decoder;
    settings.quality = quality;
    settings.savePath = savePath;
    settings.existing = existing;
    settings.allImages = allImages;
    if (!batchRun->start(items, settings))
        return;
    batchRows = checkedRows;
    clearRowMarks();
    successCount = 0;
    failedCount = 0;
    batchTotal = items.size();
    batchState = BatchState::Running;

    settleConvertButton();

    QPointer<BatchConvertProgress> dialog = new BatchConvertProgress(this);
    progressDialog = dialog;
    connect(dialog, SIGNAL(signal_CancelConvert()), this, SLOT(slot_StopConvert()));
    connect(dialog, SIGNAL(signal_OpenFolder()), this, SLOT(slot_OpenFolder()));
    // The count is known from the start, before the first file is done.
    dialog->setProgress(0, "0/" + QString::number(batchTotal));
    DialogPlacement::execCentred(dialog, this);
    // Completed and closed with OK, or cancelled: the controller let go of it.
    if (dialog && dialog != progressDialog)
        dialog->deleteLater();
}

void HeicFileTable::fileDone(int index)
{
    if (batchRun->results().at(index).outcome == BatchRun::Outcome::Converted)
        slot_ConvertProgress();
    else
        slot_ConvertFailed();
}

void HeicFileTable::slot_ConvertProgress()
{
    if (!batchBusy())
        return;
    QMutexLocker locker(&progressMutex);
    ++successCount;
    emit signal_ConvertSuccessCount(successCount);
}

void HeicFileTable::slot_ConvertFailed()
{
    if (!batchBusy())
        return;
    QMutexLocker locker(&progressMutex);
    ++failedCount;
    slot_SetConvertProgress(successCount);
}

void HeicFileTable::slot_SetConvertProgress(int nCurProgress)
{
    const int processed = nCurProgress + failedCount;
    const int total = batchTotal;
    const QString text = QString::number(processed) + "/" + QString::number(total);
    if (progressDialog && total > 0)
        progressDialog->setProgress(int(double(processed) / double(total) * 100.0), text);
    // A cancelled batch ends with the cancelled notice, also when the files
    // in hand were the last ones.
    if (processed == total && batchState == BatchState::Running)
        emit signal_ConvertSuccessAll();
}

void HeicFileTable::slot_StopConvert()
{
    if (batchState != BatchState::Running)
        return;
    batchState = BatchState::Cancelling;
    batchRun->cancel();

    if (progressDialog)
        progressDialog->showCancelling();
    // Normally the batch's finished() brings the notice; with no worker
    // left running it comes once the confirmation has gone.
    if (!batchRun->isRunning())
        QMetaObject::invokeMethod(this, &HeicFileTable::showCancelledNotice, Qt::QueuedConnection);
}

void HeicFileTable::workerFinished()
{
    if (batchState == BatchState::Cancelling)
        showCancelledNotice();
    settleConvertButton();
}

void HeicFileTable::showCancelledNotice()
{
    if (batchState != BatchState::Cancelling)
        return;
    batchState = BatchState::Idle;
    if (progressDialog) {
        progressDialog->hide();
        progressDialog->deleteLater();
        progressDialog = nullptr;
    }

    const int converted = successCount;
    successCount = 0;
    failedCount = 0;
    const QStringList problems = markProblemRows();

    if (!stopTip) {
        stopTip = new TipDialog(this);
        stopTip->setCancelledMode();
        stopTip->setConvertedCount(converted);
        stopTip->setProblems(batchRun->failedCount(), batchRun->skippedCount(), problems);
        connect(stopTip, SIGNAL(signal_OpenFolder()), this, SLOT(slot_OpenFolder()));
    }
    settleConvertButton();
    DialogPlacement::execCentred(stopTip, this);
    delete stopTip;
    stopTip = nullptr;
}

void HeicFileTable::slot_ConvertSuccess()
{
    if (batchState != BatchState::Running)
        return;
    batchState = BatchState::Idle;
    const QStringList problems = markProblemRows();
    if (progressDialog) {
        progressDialog->showSuccess(successCount, batchRun->failedCount());
        progressDialog->showReport(batchRun->outputFolder(), problems, batchRun->skippedCount());
    }
    successCount = 0;
    failedCount = 0;
    progressDialog = nullptr;
}

QStringList HeicFileTable::markProblemRows()
{
    QStringList lines;
    const QVector<BatchRun::FileResult> &results = batchRun->results();
    for (int i = 0; i < results.size() && i < batchRows.size(); ++i) {
        const BatchRun::FileResult &result = results.at(i);
        QString line;
        if (result.outcome == BatchRun::Outcome::Failed)
            line = tr("%1: not converted: %2").arg(QDir::toNativeSeparators(result.input), result.reason);
        else if (result.outcome == BatchRun::Outcome::Skipped)
            line = tr("%1: skipped: %2 is already there")
                       .arg(QDir::toNativeSeparators(result.input), QDir::toNativeSeparators(result.output));
        else
            continue;
        lines << line;
        const int row = batchRows.at(i);
        for (int column = 1; column <= 3; ++column) {
            if (QTableWidgetItem *item = ui->tableWidget->item(row, column)) {
                item->setForeground(result.outcome == BatchRun::Outcome::Failed ? QColor(0xd9, 0x3a, 0x3a)
                                                                                : QColor(0xc0, 0x80, 0x10));
                item->setToolTip(line);
            }
        }
    }
    return lines;
}

void HeicFileTable::clearRowMarks()
{
    QTableWidget *table = ui->tableWidget;
    for (int row = 0; row < table->rowCount() && row < fileList.size(); ++row) {
        for (int column = 1; column <= 3; ++column) {
            if (QTableWidgetItem *item = table->item(row, column)) {
                item->setForeground(QColor(120, 120, 120));
                item->setToolTip(column == 2 ? QString() : fileList.at(row).filePath());
            }
        }
    }
}

void HeicFileTable::slot_OpenFolder()
{
    // The folder the workers write into; the completed save path is kept.
    OutputLocation::completeSavePath(savePath, OutputLocation::Form::Batch);
    const QString folder = QDir::cleanPath(savePath);
    DesktopOpener::openFolder(folder);

    if (progressDialog) {
        progressDialog->close();
        progressDialog->deleteLater();
        progressDialog = nullptr;
    }
}
