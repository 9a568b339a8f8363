#include "PreviewHEIC.h"
#include "ui_PreviewHEIC.h"

#include "desktopopener.h"
#include "HEICTojpg.h"
#include "ThumbnailLoader.h"
#include "OutputLocation.h"
#include "DialogPlacement.h"
#include "SingleConverting.h"
#include "ZoAccessible.h"
#include "ZoChoiceRow.h"
#include "ZoElidedLabel.h"
#include "ZoHoverCaption.h"
#include "ZoMessageBox.h"
#include "DroppedPaths.h"
#include "ExifDate.h"
#include "DroppedPhoto.h"
#include "filedialogs.h"
#include "PhotoFiles.h"
#include "ZoKeyboard.h"
#include "ZoStyleSheets.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <cerrno>

namespace {

// The file's creation time where the file system records one, otherwise the
// time its metadata last changed (what Qt's created() reports on Linux).
QDateTime creationTime(const QFileInfo &info)
{
    const QDateTime birth = info.birthTime();
    return birth.isValid() ? birth : info.metadataChangeTime();
}

// A path as message text: a zero-width space after each separator lets a
// word-wrapping label break a long path between folders instead of cutting it.
QString wrappablePath(const QString &path)
{
    QString text = QDir::toNativeSeparators(path);
    text.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    return text;
}

} // namespace

PreviewHEIC::PreviewHEIC(const QString &strFilePath, QWidget *parent)
    : QWidget(parent)
    , form(new Ui::PreviewHEIC)
    , filePath(strFilePath)
{
    form->setupUi(this);

    form->pushButton_PhotoInfo->setFont(skin.font(ZoSkin::BodyFont));
    form->pushButton_SelectFolder->setFont(skin.font(ZoSkin::BodyFont));
    for (QLabel *label : {form->label_FormatTip, form->label_Format, form->label_PhotoQuality,
                          form->label_QualityValue, form->label_SaveFile})
        label->setFont(skin.font(ZoSkin::LabelFont));
    form->pushButton_Convert->setFont(skin.font(ZoSkin::BigButtonFont));

    form->Slider_PhotoQuality->setStyleSheet(ZoStyleSheets::qualitySlider());

    form->pushButton_SelectFolder->setSkinImages(QStringLiteral("button100"));
    // Convert is disabled while there is nothing to convert or a conversion
    // runs; its disable image shows that.
    form->pushButton_Convert->setSkinImages(QStringLiteral("big_button"));
    // Texts shown in the box in place of the photo (loading, why it failed).
    form->label_HEIC->setFont(skin.font(ZoSkin::LabelFont));
    form->label_HEIC->setWordWrap(true);
    form->label_HEIC->setAlignment(Qt::AlignCenter);

    form->Slider_PhotoQuality->setValue(100);
    // Return presses Photo Info as Space does (it is a plain push button).
    form->pushButton_PhotoInfo->setAutoDefault(true);
    ZoAccessible::describe(form->label_HEIC, tr("Preview"), tr("The photo as it will be converted"));
    ZoAccessible::describe(form->pushButton_PhotoInfo, tr("Photo Info"),
                           tr("Name, date, size and resolution of the photo"));
    ZoAccessible::describe(form->Slider_PhotoQuality, tr("Photo quality"), tr("JPEG quality in percent"));
    ZoAccessible::describe(form->pushButton_SelectFolder, tr("Select Folder"),
                           tr("Choose the folder that receives the JPEG file"));
    ZoAccessible::describe(form->pushButton_Convert, tr("Convert"), tr("Convert this photo to JPEG"));
    ZoHoverCaption::install(this, {form->pushButton_SelectFolder});

    // Under the folder row: where the JPEG goes, and what happens when a
    // JPEG of its name is there already (in the order of
    // OutputLocation::Existing). The column starts higher to make room.
    const int folderRow = form->verticalLayout_3->indexOf(form->horizontalLayout_5);
    folderLabel = ZoElidedLabel::addUnder(form->verticalLayout_3, form->horizontalLayout_5, 8,
                                          skin.font(ZoSkin::LabelFont), this);
    folderLabel->setObjectName(QStringLiteral("label_OutputFolder"));
    folderLabel->setFixedWidth(400);
    existingBox = ZoChoiceRow::add(form->verticalLayout_3, folderRow + 1, tr("If a JPEG of that name exists:"),
                                   {tr("Keep both"), tr("Replace"), tr("Skip")}, skin.font(ZoSkin::LabelFont), this,
                                   QStringLiteral("comboBox_Existing"));
    form->verticalLayout_2->setContentsMargins(24, 110, 0, 90);
    form->verticalLayout_2->setSpacing(60);
    showOutputFolder();

    connect(form->pushButton_PhotoInfo, SIGNAL(clicked()), this, SLOT(slot_PhotoInfo()));
    connect(form->pushButton_SelectFolder, SIGNAL(clicked()), this, SLOT(slot_SelectSaveFolder()));
    connect(form->Slider_PhotoQuality, SIGNAL(valueChanged(int)), this, SLOT(setChangeQuality(int)));
    // Using the control that holds the focus in Photo Info's place keeps it there.
    connect(form->Slider_PhotoQuality, &QSlider::valueChanged, this, [this] { photoInfoTakesFocusBack = false; });
    connect(form->pushButton_Convert, SIGNAL(clicked()), this, SLOT(slot_Preview()));

    // Ctrl+Return converts (while Convert is enabled); Ctrl+O opens another
    // photo on this page, as a drop does.
    ZoKeyboard::bindShortcut(this, ZoKeyboard::controlReturn(), form->pushButton_Convert);
    ZoKeyboard::bindShortcut(this, ZoKeyboard::controlEnter(), form->pushButton_Convert);
    ZoKeyboard::bindShortcut(this, QKeySequence::Open, [this]() { openPhotoFromDialog(); });
    // Reading order of the settings column (the choice row is added in code).
    ZoKeyboard::setTabChain({form->pushButton_PhotoInfo, form->Slider_PhotoQuality, form->pushButton_SelectFolder,
                             existingBox, form->pushButton_Convert});

    // A photo dropped on the page replaces the one shown.
    setAcceptDrops(true);

    readFileInformation();
    updateConvertButton();
    updatePhotoInfoButton();
}

PreviewHEIC::~PreviewHEIC()
{
    // Results still queued for this page die with it; the threads themselves
    // must have ended before QObject deletes them as children.
    for (HEICTojpg *thread : findChildren<HEICTojpg *>(QString(), Qt::FindDirectChildrenOnly)) {
        disconnect(thread, nullptr, this, nullptr);
        thread->wait();
    }
    for (ThumbnailLoader *load : findChildren<ThumbnailLoader *>(QString(), Qt::FindDirectChildrenOnly)) {
        disconnect(load, nullptr, this, nullptr);
        load->wait();
    }
    delete form;
}

void PreviewHEIC::setDecoder(Heif2jpgFunc newDecoder)
{
    if (newDecoder)
        decoder = newDecoder;
}

void PreviewHEIC::readFileInformation()
{
    fileName.clear();
    fileSize.clear();
    createDate.clear();
    const QFileInfo info(filePath);
    if (!info.exists())
        return;
    fileName = info.fileName();
    fileSize = QString::number(double(info.size()) / 1024 / 1024, 'f', 2) + QStringLiteral("MB");
    createDate = creationTime(info).toLocalTime().toString(QStringLiteral("MM-dd-yyyy"));
}

void PreviewHEIC::openPhoto(const QString &strFilePath)
{
    filePath = strFilePath;
    readFileInformation();
    resolution.clear();
    photoState = PhotoState::NotStarted;
    previewDecode = nullptr;
    thumbnailLoad = nullptr;
    form->label_HEIC->clear();
    slot_Preview();
}

void PreviewHEIC::openPhotoFromDialog()
{
    const QString path = FileDialogs::getOpenFileName(this, tr("Choose Image"), QFileInfo(filePath).path(),
                                                      PhotoFiles::fileDialogFilter(tr("Image Files")));
    if (!path.isEmpty() && PhotoFiles::isHeifPhotoName(path))
        openPhoto(path);
}

HEICTojpg *PreviewHEIC::startDecode(const QString &strPhotoPath)
{
    auto *thread = new HEICTojpg(strPhotoPath, decoder, this);
    thread->setQuality(quality);
    connect(thread, SIGNAL(signal_SendHeicData(QPixmap, int, int)),
            this, SLOT(slot_GetJpgInfo(QPixmap, int, int)));
    thread->start(QThread::InheritPriority);
    return thread;
}

void PreviewHEIC::slot_Preview()
{
    // One decode of each kind at a time: a second preview of the same photo
    // or a second conversion while one runs would only repeat the work (and
    // give a second done dialog).
    switch (photoState) {
    case PhotoState::NotStarted:
        photoState = PhotoState::Loading;
        previewDecode = startDecode(filePath);
        showInBox(tr("Loading…"));
        if (thumbnailSource) {
            // The photo's own thumbnail stands in until the full decode is in;
            // Convert and the resolution wait for that.
            ThumbnailLoader *load = new ThumbnailLoader(filePath, thumbnailSource, this);
            thumbnailLoad = load;
            connect(load, &ThumbnailLoader::thumbnailReady, this, [this, load](const QImage &thumbnail) {
                if (load == thumbnailLoad && photoState == PhotoState::Loading)
                    showPreview(QPixmap::fromImage(thumbnail));
            });
            connect(load, &QThread::finished, load, &QObject::deleteLater);
            connect(load, &QObject::destroyed, this, [this, load] {
                if (load == thumbnailLoad)
                    thumbnailLoad = nullptr;
            });
            load->start(QThread::LowPriority);
        }
        break;
    case PhotoState::Shown:
        if (convertDecode)
            return;
        convertPhotoPath = filePath;
        convertDecode = startDecode(filePath);
        break;
    case PhotoState::Loading:
    case PhotoState::Failed:
        return;
    }
    updateConvertButton();
    updatePhotoInfoButton();
}

void PreviewHEIC::updateConvertButton()
{
    const bool canConvert = photoState == PhotoState::Shown && !convertDecode;
    form->pushButton_Convert->setEnabled(canConvert);
    form->pushButton_Convert->setText(convertDecode ? tr("Converting…") : tr("Convert"));
    form->pushButton_Convert->setCursor(canConvert ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void PreviewHEIC::updatePhotoInfoButton()
{
    QPushButton *info = form->pushButton_PhotoInfo;
    const bool ready = photoInfoReady();
    if (ready == info->isEnabled())
        return;
    QWidget *focused = window()->focusWidget();
    if (!ready) {
        // Disabling moves the focus on to the next control of the chain.
        photoInfoTakesFocusBack = focused == info || !focused || !isAncestorOf(focused);
        info->setEnabled(false);
        info->setCursor(Qt::ArrowCursor);
        return;
    }
    info->setEnabled(true);
    info->setCursor(Qt::PointingHandCursor);
    if (photoInfoTakesFocusBack && (!focused || focused == form->Slider_PhotoQuality))
        info->setFocus(Qt::OtherFocusReason);
    photoInfoTakesFocusBack = false;
}

void PreviewHEIC::setChangeQuality(int nValue)
{
    quality = nValue;
    form->label_QualityValue->setText(QString::number(nValue) + QStringLiteral("%"));
}

void PreviewHEIC::slot_SelectSaveFolder()
{
    const QString folder = FileDialogs::getExistingDirectory(
        this, tr("Save Path"), lastFolder,
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    savePath = folder;
    lastFolder = folder;
    showOutputFolder();
}

void PreviewHEIC::showOutputFolder()
{
    QString folder = savePath;
    OutputLocation::completeSavePath(folder, OutputLocation::Form::SinglePhoto);
    folderLabel->setFullText(QDir::toNativeSeparators(QDir::cleanPath(folder)));
}

void PreviewHEIC::slot_PhotoInfo()
{
    if (!photoInfoReady())
        return;
    emit signal_PhotoInfo(fileName, createDate, fileSize, resolution);
}

void PreviewHEIC::slot_GetJpgInfo(QPixmap pix, int nWidth, int nHeight)
{
    // Results come from the decode threads startDecode connects; one that is
    // neither awaited decode is the preview of a photo replaced since.
    auto *thread = qobject_cast<HEICTojpg *>(sender());
    if (!thread || (thread != convertDecode && thread != previewDecode))
        return;
    const QString failure = thread->failureReason();

    if (thread == convertDecode) {
        convertDecode = nullptr;
        pixmap = pix;
        pixmapMetadata = thread->metadata();
        if (pixmap.isNull()) {
            const QString input = takeConvertInput();
            updateConvertButton();
            reportConversionFailure(false, input, failure);
            return;
        }
        slot_SaveJpg();
        return;
    }

    previewDecode = nullptr;
    if (pix.isNull()) {
        photoState = PhotoState::Failed;
        resolution = tr("Unknown (not decoded)");
        const QString why = failure.isEmpty() ? tr("the photo could not be decoded") : failure;
        showInBox(tr("This photo cannot be shown or converted.\n\nReason: %1").arg(why));
    } else {
        photoState = PhotoState::Shown;
        resolution = QString::number(nWidth) + QStringLiteral("*") + QString::number(nHeight);
        // When the photo was taken, where the camera says so; else the file's date stays.
        const QDateTime taken = photoTakenTime(thread->metadata());
        if (taken.isValid())
            createDate = taken.toLocalTime().toString(QStringLiteral("MM-dd-yyyy"));
        showPreview(pix);
    }
    updateConvertButton();
    updatePhotoInfoButton();
}

void PreviewHEIC::showInBox(const QString &strText)
{
    form->label_HEIC->setStyleSheet(
        QStringLiteral("background-color: rgb(243, 248, 254); color:#787878; padding: 24px;"));
    form->label_HEIC->setText(strText);
}

void PreviewHEIC::showPreview(const QPixmap &pix)
{
    // Scaled to the box's device pixels and marked with their ratio, so a
    // screen scaled 200 % shows the photo at its own sharpness, not doubled.
    const qreal ratio = form->label_HEIC->devicePixelRatioF();
    const int boxWidth = qRound(form->label_HEIC->width() * ratio);
    const int boxHeight = qRound(form->label_HEIC->height() * ratio);
    const double widthRatio = double(pix.width()) / boxWidth;
    const double heightRatio = double(pix.height()) / boxHeight;
    // On a tie the photo is fitted to the box's height.
    QPixmap scaled = widthRatio > heightRatio ? pix.scaledToWidth(boxWidth, Qt::FastTransformation)
                                              : pix.scaledToHeight(boxHeight, Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    form->label_HEIC->setStyleSheet(QString());
    form->label_HEIC->setAlignment(Qt::AlignCenter);
    form->label_HEIC->setPixmap(scaled);
}

QString PreviewHEIC::takeConvertInput()
{
    const QString input = convertPhotoPath.isEmpty() ? filePath : convertPhotoPath;
    convertPhotoPath.clear();
    return input;
}

void PreviewHEIC::slot_SaveJpg()
{
    const QString input = takeConvertInput();
    const auto existing = static_cast<OutputLocation::Existing>(existingBox->currentIndex());
    bool folderReady = false;
    QString existingPath;
    QString outputPath =
        OutputLocation::singlePhotoOutputPath(savePath, input, &folderReady, nullptr, existing, &existingPath);
    showOutputFolder();
    JpegWriteFailure failure;
    bool written = false;
    if (!folderReady) {
        failure.reason = tr("the folder could not be created");
    } else if (existingPath.isEmpty()) {
        // Written through a temporary file and renamed into place: an
        // interrupted or failed write never leaves a broken JPEG, and the
        // input is never the target. Unless told to replace, a file that
        // took the name meanwhile stays, and the next free name is used.
        const bool replace = existing == OutputLocation::Existing::Replace;
        for (int attempt = 0; attempt < 3 && !written; ++attempt) {
            written = writeJpegSafely(pixmap, outputPath, quality, pixmapMetadata, &failure, replace);
            if (written || replace || failure.errorNumber != EEXIST)
                break;
            outputPath = OutputLocation::singlePhotoOutputPath(savePath, input, &folderReady, nullptr, existing,
                                                               &existingPath);
            if (!existingPath.isEmpty())
                break;
        }
    }
    // The full-size image has served its purpose; a 50 MP photo holds 200 MB.
    pixmap = QPixmap();
    pixmapMetadata = JpegMetadata();
    updateConvertButton();

    if (!existingPath.isEmpty()) {
        const QFileInfo there(existingPath);
        ZoMessageBox box(tr("%1 is already there, so the photo was not converted.\nFolder: %2")
                             .arg(there.fileName(), wrappablePath(there.path())),
                         tr("Convert"), ZoMessageBox::Ok, this);
        DialogPlacement::execCentred(&box, this);
        return;
    }
    if (!written) {
        reportConversionFailure(true, outputPath, failure.reason);
        return;
    }
    // The page keeps the last done dialog only.
    delete convertingDialog;
    convertingDialog = new SingleConverting(this);
    convertingDialog->setSavedFile(QDir::toNativeSeparators(outputPath));
    connect(convertingDialog, SIGNAL(signal_OpenFolder()), this, SLOT(slot_OpenFolder()));
    DialogPlacement::execCentred(convertingDialog, this);
}

void PreviewHEIC::reportConversionFailure(bool bWriting, const QString &strPath, const QString &strReason)
{
    QString why = strReason;
    if (why.isEmpty())
        why = tr("unknown");

    const QFileInfo file(strPath);
    const QString text = (bWriting ? tr("%1 could not be saved.\nFolder: %2\nReason: %3")
                                   : tr("%1 could not be converted.\nFolder: %2\nReason: %3"))
                             .arg(file.fileName(), wrappablePath(file.path()), why);
    ZoMessageBox box(text, tr("Convert"), ZoMessageBox::Ok, this);
    DialogPlacement::execCentred(&box, this);
}

void PreviewHEIC::slot_OpenFolder()
{
    DesktopOpener::openFolder(QFileInfo(savePath).absoluteFilePath());
}

void PreviewHEIC::dragEnterEvent(QDragEnterEvent *event)
{
    if (DroppedPhoto::firstIsPhoto(DroppedPaths::localPaths(event->mimeData())))
        event->acceptProposedAction();
}

void PreviewHEIC::dropEvent(QDropEvent *event)
{
    // As on the drop page, only the first dropped item counts.
    const QStringList paths = DroppedPaths::localPaths(event->mimeData());
    if (!DroppedPhoto::firstIsPhoto(paths))
        return;
    event->acceptProposedAction();
    openPhoto(paths.first());
}
