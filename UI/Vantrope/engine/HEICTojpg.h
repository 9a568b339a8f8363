#pragma once

#include "Heif2jpg.h"
#include "JpegWriter.h"

#include <QPixmap>
#include <QString>
#include <QThread>

#include <cstdint>
#include <mutex>

// Decodes one HEIC file on a thread of its own for the preview page and hands
// the pixmap back by signal_SendHeicData(pix, nWidth, nHeight), emitted once
// at the end of run(): an empty pixmap and 0 x 0 when the file is missing,
// empty, too large (16,777,215 bytes or more) or does not decode. It writes no
// file. One object serves one decode; the owner must not destroy it while it
// runs (the destructor waits as a safety net).
class HEICTojpg : public QThread
{
    Q_OBJECT

public:
    HEICTojpg(QString strFilePath, Heif2jpgFunc decoder, QObject *parent = nullptr);
    ~HEICTojpg() override;

    void setQuality(int32_t nQuality);

    // The EXIF and ICC segments of the decode and the file's modification
    // time, for writeJpegSafely (which dates the JPEG by them). Valid once
    // signal_SendHeicData has been received (or the thread has finished).
    JpegMetadata metadata() const
    {
        std::lock_guard<std::mutex> lock(m_runMutex);
        return m_metadata;
    }

    // Why the decode gave an empty pixmap; empty after a good decode.
    QString failureReason() const
    {
        std::lock_guard<std::mutex> lock(m_runMutex);
        return m_strFailure;
    }

signals:
    void signal_SendHeicData(QPixmap pix, int nWidth, int nHeight);

protected:
    void run() override;

private:
    Heif2jpgFunc m_decoder;
    QString m_strFilePath;
    int32_t m_nInputLength = 0;
    int32_t m_nQuality = 100;

    JpegMetadata m_metadata;
    QString m_strFailure;

    // Guards the results of run() (metadata, failure, input length).
    mutable std::mutex m_runMutex;
};
