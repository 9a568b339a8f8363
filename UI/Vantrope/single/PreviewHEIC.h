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
class SingleConverting;

// The single-photo page: shows one HEIC file in a 510 x 340 box and converts it.
//
// Every decode runs on a HEICTojpg thread of its own (slot_Preview starts one):
// the first result that arrives is scaled into the box as the preview, every
// later result is the full image of a conversion and is written as a JPEG
// (slot_SaveJpg), after which the done dialog opens. Converting decodes the
// photo again with the quality of that moment. Several decodes may be in
// flight; their results are handled in arrival order.
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

private:
    Ui::PreviewHEIC *form;
    ZoSkin skin;
    QString filePath;
    QString savePath;
    QString fileName;
    QString createDate;
    QString fileSize;
    QString resolution;
    int32_t quality = 100;
    HEICTojpg *previewThread = nullptr;
    Heif2jpgFunc decoder = nullptr;
    bool previewShown = false;
    QPixmap pixmap;
    SingleConverting *convertingDialog = nullptr;
    QString lastFolder;

    // EXIF and ICC of the decode whose pixmap is held, written with it.
    JpegMetadata pixmapMetadata;
};
