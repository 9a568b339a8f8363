#include "PreviewHEIC.h"
#include "ui_PreviewHEIC.h"

#include "desktopopener.h"
#include "HEICTojpg.h"
#include "OutputLocation.h"
#include "SingleConverting.h"
#include "ZoHoverCaption.h"
#include "filedialogs.h"

#include <QDateTime>
#include <QEvent>
#include <QFileInfo>

namespace {

const char kSliderStyle[] =
    "QSlider::groove:horizontal {border: 0px solid #4A708B; background: #3598FE; height: 5px;"
    "border-radius: 2px; padding-left: -1px; padding-right:-1px;left: 13px; right: 13px;}"
    "QSlider::sub-page:horizontal{background: qlineargradient(x1 : 0, y1 : 0, x2 : 0, y2 : 1,"
    "stop : 0 #B1B1B1, stop:1 #c4c4c4);background: qlineargradient(x1 : 0, y1 : 0.2, x2 : 1, y2 : 1,"
    "stop : 0 #5DCCFF, stop: 1 #1874CD);border: 0px solid #4A708B;height: 10px;border-radius: 2px;}"
    "QSlider::add-page:horizontal{background: #D1D1D1; border: 0px solid #777; height: 10px; "
    "border-radius: 2px;}"
    "QSlider::handle:horizontal{background: qradialgradient(spread : pad, cx : 0.5, cy : 0.5, "
    "radius: 0.5, fx : 0.5, fy : 0.5,stop: 0.6 #ffffff, stop:0.778409 rgba(69,173,237,255)); "
    "width: 13px; height: 16px; margin-top: -4px; margin-bottom: -4px; margin-left: -4px; "
    "margin-right: -4px;border-radius: 5px;}";

// The file's creation time where the file system records one, otherwise the
// time its metadata last changed (what Qt's created() reports on Linux).
QDateTime creationTime(const QFileInfo &info)
{
    const QDateTime birth = info.birthTime();
    return birth.isValid() ? birth : info.metadataChangeTime();
}

} // namespace

PreviewHEIC::PreviewHEIC(const QString &strFilePath, QWidget *parent)
    : QWidget(parent)
    , form(new Ui::PreviewHEIC)
    , filePath(strFilePath)
{
    form->setupUi(this);

    form->pushButton_PhotoInfo->setFont(skin.font(34));
    form->pushButton_SelectFolder->setFont(skin.font(34));
    for (QLabel *label : {form->label_FormatTip, form->label_Format, form->label_PhotoQuality,
                          form->label_QualityValue, form->label_SaveFile})
        label->setFont(skin.font(38));
    form->pushButton_Convert->setFont(skin.font(42));

    form->Slider_PhotoQuality->setStyleSheet(QLatin1String(kSliderStyle));

    const QString skinFolder = skin.skinDir();
    form->pushButton_SelectFolder->setImages(skinFolder + QStringLiteral("/Button/button100_normal.png"),
                                             skinFolder + QStringLiteral("/Button/button100_hover.png"),
                                             skinFolder + QStringLiteral("/Button/button100_pressing.png"));
    form->pushButton_Convert->setImages(skinFolder + QStringLiteral("/Button/big_button_normal.png"),
                                        skinFolder + QStringLiteral("/Button/big_button_hover.png"),
                                        skinFolder + QStringLiteral("/Button/big_button_pressing.png"));

    form->Slider_PhotoQuality->setValue(100);
    ZoHoverCaption::install(this, {form->pushButton_SelectFolder});

    connect(form->pushButton_PhotoInfo, SIGNAL(clicked()), this, SLOT(slot_PhotoInfo()));
    connect(form->pushButton_SelectFolder, SIGNAL(clicked()), this, SLOT(slot_SelectSaveFolder()));
    connect(form->Slider_PhotoQuality, SIGNAL(valueChanged(int)), this, SLOT(setChangeQuality(int)));
    connect(form->pushButton_Convert, SIGNAL(clicked()), this, SLOT(slot_Preview()));

    const QFileInfo info(filePath);
    if (info.exists()) {
        fileName = info.fileName();
        fileSize = QString::number(double(info.size()) / 1024 / 1024, 'f', 2) + QStringLiteral("MB");
        createDate = creationTime(info).toLocalTime().toString(QStringLiteral("MM-dd-yyyy"));
    }
}

PreviewHEIC::~PreviewHEIC()
{
    // Results still queued for this page die with it; the threads themselves
    // must have ended before QObject deletes them as children.
    for (HEICTojpg *thread : findChildren<HEICTojpg *>(QString(), Qt::FindDirectChildrenOnly)) {
        disconnect(thread, nullptr, this, nullptr);
        thread->wait();
    }
    delete form;
}

void PreviewHEIC::setDecoder(Heif2jpgFunc newDecoder)
{
    if (newDecoder)
        decoder = newDecoder;
}

void PreviewHEIC::slot_Preview()
{
    previewThread = new HEICTojpg(filePath, decoder, this);
    previewThread->setQuality(quality);
    connect(previewThread, SIGNAL(signal_SendHeicData(QPixmap, int, int)),
            this, SLOT(slot_GetJpgInfo(QPixmap, int, int)));
    previewThread->start(QThread::InheritPriority);
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
}

void PreviewHEIC::slot_PhotoInfo()
{
    emit signal_PhotoInfo(fileName, createDate, fileSize, resolution);
}

void PreviewHEIC::slot_GetJpgInfo(QPixmap pix, int nWidth, int nHeight)
{
    pixmap = pix;
    resolution = QString::number(nWidth) + QStringLiteral("*") + QString::number(nHeight);
    if (auto *thread = qobject_cast<HEICTojpg *>(sender()))
        pixmapMetadata = thread->metadata();
    else
        pixmapMetadata = JpegMetadata();

    if (previewShown) {
        slot_SaveJpg();
        return;
    }

    const int boxWidth = form->label_HEIC->width();
    const int boxHeight = form->label_HEIC->height();
    const double widthRatio = double(pixmap.width()) / boxWidth;
    const double heightRatio = double(pixmap.height()) / boxHeight;
    // On a tie the photo is fitted to the box's height. A failed decode
    // leaves the box empty.
    if (!pixmap.isNull()) {
        if (widthRatio > heightRatio)
            pixmap = pixmap.scaledToWidth(boxWidth, Qt::FastTransformation);
        else
            pixmap = pixmap.scaledToHeight(boxHeight, Qt::FastTransformation);
    }

    form->label_HEIC->setAlignment(Qt::AlignCenter);
    form->label_HEIC->setPixmap(pixmap);
    previewShown = true;
}

void PreviewHEIC::slot_SaveJpg()
{
    bool folderReady = false;
    const QString outputPath = OutputLocation::singlePhotoOutputPath(savePath, filePath, &folderReady);
    fileName = QFileInfo(outputPath).fileName();
    if (!folderReady)
        return;
    // Written through a temporary file and renamed into place: an interrupted
    // or failed write never leaves a broken JPEG, and the input is never the
    // target.
    if (!writeJpegSafely(pixmap, outputPath, quality, pixmapMetadata))
        return;

    convertingDialog = new SingleConverting(this);
    connect(convertingDialog, SIGNAL(signal_OpenFolder()), this, SLOT(slot_OpenFolder()));
    convertingDialog->exec();
}

void PreviewHEIC::slot_OpenFolder()
{
    DesktopOpener::openFolder(QFileInfo(savePath).absoluteFilePath());
}
