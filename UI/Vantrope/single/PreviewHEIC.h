#pragma once

#include "Heif2jpg.h"
#include "JpegWriter.h"
#include "ZoSkin.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdint>

namespace Ui {
class PreviewHEIC;
}

class HEICTojpg;
class QDragEnterEvent;
class QDropEvent;
class SingleConverting;

// The single-photo page: shows one HEIF photo in a 510 x 340 box and converts it.
//
// Every decode runs on a HEICTojpg thread of its own. slot_Preview starts the
// preview decode of the photo (the box says "Loading..." meanwhile); its
// result is scaled into the box, or, when the photo does not decode, the box
// says why. Once the preview is shown, slot_Preview (the Convert button)
// starts a conversion: the photo is decoded again with the quality of that
// moment and written as a JPEG (slot_SaveJpg), after which the done dialog
// opens; a failed write opens a message box that says where and why.
//
// Convert is enabled only while a decoded photo is shown and no conversion is
// running (decode and write), so one click gives one file and one dialog.
// Photo Info is disabled while the preview decode runs and enabled once it
// has ended (shown or failed): the resolution and the date taken come from
// it, never from the thumbnail that may stand in meanwhile.
//
// openPhoto (also reached by dropping a photo on the page) replaces the shown
// photo at any time: a preview decode of the old photo still in flight is
// ignored when it ends; a conversion of the old photo still in flight is
// written as asked.
//
// The page owns its decode threads. Destroying it (going home, quitting)
// disconnects them and waits for those still decoding, so no thread object is
// destroyed while it runs and no result reaches a dead page.
class PreviewHEIC : public QWidget
{
    Q_OBJECT

public:
    PreviewHEIC(const QString &strFilePath, QWidget *parent = nullptr);
    ~PreviewHEIC() override;

    // A null decoder leaves the current one unchanged.
    void setDecoder(Heif2jpgFunc decoder);
    // Where the photo's own thumbnail comes from, shown while the full
    // decode runs; null (the default) shows "Loading…" until it is done.
    void setThumbnailSource(ThumbnailFunc thumbnail) { thumbnailSource = thumbnail; }

    // Shows the photo at strFilePath instead of the current one and starts its
    // preview decode. Safe while decodes are in flight.
    void openPhoto(const QString &strFilePath);
    // Asks for a photo with the file dialog and opens it (Ctrl+O).
    void openPhotoFromDialog();

    // The output folder as the last conversion completed it (empty before).
    QString outputFolder() const { return savePath; }
    int photoQuality() const { return quality; }

signals:
    void signal_PhotoInfo(const QString &strName, const QString &strCreateDate,
                          const QString &strFileSize, const QString &strResolution);

public slots:
    void slot_Preview();
    void setChangeQuality(int nValue);
    void slot_SelectSaveFolder();
    void slot_PhotoInfo();
    void slot_GetJpgInfo(QPixmap pix, int nWidth, int nHeight);
    void slot_SaveJpg();
    void slot_OpenFolder();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    enum class PhotoState { NotStarted, Loading, Shown, Failed };

    HEICTojpg *startDecode(const QString &strPhotoPath);
    void readFileInformation();
    void showInBox(const QString &strText);
    void showPreview(const QPixmap &pix);
    void updateConvertButton();
    void updatePhotoInfoButton();
    bool photoInfoReady() const { return photoState != PhotoState::Loading; }
    // Shows the folder the output location rule makes of savePath.
    void showOutputFolder();
    // The photo the running (or just ended) conversion reads: the one shown
    // when Convert was clicked. The record of it is used up.
    QString takeConvertInput();
    // A message box: the photo at strPath did not decode (bWriting false), or
    // its JPEG could not be written to strPath (bWriting true), and why.
    void reportConversionFailure(bool bWriting, const QString &strPath, const QString &strReason);

    Ui::PreviewHEIC *form;
    ZoSkin skin;
    QString filePath;
    QString savePath;
    QString fileName;
    QString createDate;
    QString fileSize;
    QString resolution;
    int32_t quality = 100;
    Heif2jpgFunc decoder = nullptr;
    ThumbnailFunc thumbnailSource = nullptr;
    // The thumbnail load of the photo shown; a result of any other is stale.
    class ThumbnailLoader *thumbnailLoad = nullptr;
    QPixmap pixmap;
    SingleConverting *convertingDialog = nullptr;
    QString lastFolder;
    class ZoElidedLabel *folderLabel = nullptr;
    class QComboBox *existingBox = nullptr;

    // EXIF and ICC of the decode whose pixmap is held, written with it.
    JpegMetadata pixmapMetadata;

    PhotoState photoState = PhotoState::NotStarted;
    // Photo Info held the focus (or the page was just being entered) when
    // it was disabled for a load; the focus comes back to it when the load
    // ends, unless the user has moved on from the control that stood in.
    bool photoInfoTakesFocusBack = false;
    // The decodes whose results are still awaited: the preview of the photo
    // shown, and the conversion (of the photo that was shown when Convert was
    // clicked). A result from any other thread belongs to a replaced photo.
    HEICTojpg *previewDecode = nullptr;
    HEICTojpg *convertDecode = nullptr;
    QString convertPhotoPath;
};
