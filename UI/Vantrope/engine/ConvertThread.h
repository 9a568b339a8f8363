#pragma once

#include "Heif2jpg.h"
#include "JpegWriter.h"

#include <QDateTime>
#include <QPixmap>
#include <QString>
#include <QThread>

#include <atomic>
#include <cstdint>
#include <mutex>

// One of the four batch workers. Each takes paths from convertQueue() one at a
// time and converts each file to a JPEG in the output folder, until the queue
// is empty or its stop flag is set (it then finishes the file in hand first).
//
// Configure with the setters from the GUI thread, then start(). A setter
// other than setStop called while the worker still runs (finishing a job of a
// stopped batch) first waits for it to end, so no member changes under a
// running job. Destroying a running worker stops it and waits for it.
//
// The JPEG of each path goes where the output location rule puts it (or
// beside its input, or into a subfolder, as the queued item says), under the
// name the queue gave it when the worker took it. Before the photo is decoded
// the worker makes sure the folder can take it; once a folder turned out not
// to be writable (full, read-only, removed), the batch's remaining paths for
// it fail at once with the same reason.
//
// Signals, emitted from the worker thread, one per path taken from the queue:
// signal_ConvertSuccess() after each written JPEG, signal_ConvertFailed() for
// each path that was not converted (missing file, unreadable, too large,
// not decodable, not writable). signal_FileConverted and signal_FileFailed
// carry the same outcome with the paths and the reason, emitted right after,
// and signal_ItemConverted / signal_ItemFailed with the queued item's index.
// A path whose output name a file already had when the batch began, in a
// batch that skips such photos (ConvertQueue::beginBatch), is not decoded:
// signal_ItemSkipped carries the index and that file's path.
class ConvertThread : public QThread
{
    Q_OBJECT

public:
    explicit ConvertThread(QObject *parent = nullptr);
    ~ConvertThread() override;

    void setDecoder(Heif2jpgFunc decoder); // null leaves the decoder unchanged
    void setQuality(int32_t nQuality);
    void setSavePath(QString strSavePath);
    void setTempFileName(const char *tempFileName); // a string that outlives the worker
    void setStop(bool bStop);
    void setDecoderFlags(int32_t nFlags); // kDecoderFlagSdrOnly: plain SDR JPEGs, no gain map
    // Also convert each photo's other top-level images, as "name-2.jpg",
    // "name-3.jpg", ... beside the primary's JPEG (under the queue's naming
    // rules). They are reported by signal_ImageConverted and, when they fail,
    // by signal_FileWarning; the photo's own signals concern the primary and
    // come once its other images are written.
    void setAllImages(bool bAllImages);

    // The save path as the output location rule left it. Read it only while
    // the worker is not running.
    QString savePath() const { return m_strSavePath; }

signals:
    void signal_ConvertSuccess();
    void signal_ConvertFailed();
    void signal_FileConverted(const QString &strInputPath, const QString &strOutputPath);
    void signal_FileFailed(const QString &strInputPath, const QString &strReason);
    void signal_ItemConverted(int index, const QString &strOutputPath);
    void signal_ItemFailed(int index, const QString &strReason);
    void signal_ItemSkipped(int index, const QString &strExistingPath);
    // Before signal_FileConverted, when the JPEG lacks something the photo
    // had (a gain map the decoder could not use).
    void signal_FileWarning(const QString &strInputPath, const QString &strWarning);
    // A further image of the photo written (setAllImages).
    void signal_ImageConverted(const QString &strInputPath, const QString &strOutputPath);

protected:
    void run() override;

    // The conversion job for one file.
    unsigned char *readWholeFile(const QString &strFilePath);
    void convertData(unsigned char *input, int32_t nLength, int32_t nQuality, const char *tempFileName);
    void saveJpg(QPixmap pix);

private:
    void waitUntilIdle();
    void reportFailure(const QString &strReason);
    void convertOtherImages(const unsigned char *input, int32_t nLength, const QString &primaryOutputPath);

    std::atomic<bool> m_bStop{false};
    int32_t m_nInputLength = 0;
    int32_t m_nQuality = 100;
    int32_t m_nDecoderFlags = 0;
    bool m_bAllImages = false;
    QString m_strSavePath;
    const char *m_tempFileName = "";
    Heif2jpgFunc m_decoder = nullptr;
    QString m_strFileName;

    // Held by run() from start to end. Taking it after QThread::wait() makes
    // the end of the job visible to thread checkers, which cannot see inside
    // Qt's own synchronisation.
    std::mutex m_runMutex;

    // State of the job in hand.
    QString m_strInputPath;
    int m_itemIndex = -1;
    QString m_strOutputPath; // named by the queue when the file was taken
    QString m_strWantedPath; // the output path before any numbering
    QString m_strOutputFolder; // the folder part of m_strOutputPath
    QDateTime m_sourceModified;
    QString m_strFailure;
    JpegMetadata m_metadata;
    const unsigned char *m_otherImagesInput = nullptr; // the photo's bytes while its other images are due
    int32_t m_nOtherImagesLength = 0;
};
