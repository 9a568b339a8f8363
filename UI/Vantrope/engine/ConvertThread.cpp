#include "ConvertThread.h"

#include "ConvertJob.h"
#include "ConvertQueue.h"
#include "OutputLocation.h"

#include <QFileInfo>

ConvertThread::ConvertThread(QObject *parent)
    : QThread(parent)
{
}

ConvertThread::~ConvertThread()
{
    // Owners stop and wait before destroying; this is the safety net.
    m_bStop = true;
    waitUntilIdle();
}

void ConvertThread::waitUntilIdle()
{
    if (isRunning())
        wait();
    std::lock_guard<std::mutex> ended(m_runMutex);
}

void ConvertThread::setDecoder(Heif2jpgFunc decoder)
{
    waitUntilIdle();
    if (decoder)
        m_decoder = decoder;
}

void ConvertThread::setQuality(int32_t nQuality)
{
    waitUntilIdle();
    m_nQuality = nQuality;
}

void ConvertThread::setSavePath(QString strSavePath)
{
    waitUntilIdle();
    m_strSavePath = std::move(strSavePath);
}

void ConvertThread::setTempFileName(const char *tempFileName)
{
    waitUntilIdle();
    m_tempFileName = tempFileName ? tempFileName : "";
}

void ConvertThread::setStop(bool bStop)
{
    m_bStop = bStop;
}

void ConvertThread::run()
{
    std::lock_guard<std::mutex> running(m_runMutex);
    for (;;) {
        if (m_bStop)
            return;
        const std::optional<QString> path = convertQueue().pop();
        if (!path)
            return;
        const QFileInfo info(*path);
        m_strInputPath = *path;
        m_strFailure.clear();
        m_metadata = JpegMetadata();
        if (!info.exists()) {
            reportFailure(QStringLiteral("the file does not exist"));
            continue;
        }
        m_strFileName = info.fileName();
        unsigned char *buffer = readWholeFile(info.filePath());
        convertData(buffer, m_nInputLength, m_nQuality, m_tempFileName);
    }
}

unsigned char *ConvertThread::readWholeFile(const QString &strFilePath)
{
    QString reason;
    std::unique_ptr<unsigned char[]> buffer = ConvertJob::readWholeFile(strFilePath, &m_nInputLength, &reason);
    if (!buffer)
        m_strFailure = reason;
    return buffer.release();
}

void ConvertThread::convertData(unsigned char *input, int32_t nLength, int32_t nQuality, const char *tempFileName)
{
    std::unique_ptr<unsigned char[]> inputBuffer(input);
    QPixmap pix;
    if (inputBuffer) {
        ConvertJob::Decoded decoded = ConvertJob::decode(m_decoder, inputBuffer.get(), nLength, nQuality, tempFileName);
        inputBuffer.reset();
        pix = std::move(decoded.pixmap);
        m_metadata = std::move(decoded.metadata);
        m_strFailure = decoded.failure;
    }
    saveJpg(pix);
}

void ConvertThread::saveJpg(QPixmap pix)
{
    bool folderReady = false;
    QString outputPath = OutputLocation::batchOutputPath(m_strSavePath, m_strInputPath, &folderReady);
    if (pix.isNull()) {
        reportFailure(m_strFailure.isEmpty() ? QStringLiteral("nothing decoded") : m_strFailure);
        return;
    }
    if (!folderReady) {
        reportFailure(QStringLiteral("cannot create the folder %1").arg(m_strSavePath));
        return;
    }
    outputPath = convertQueue().reserveOutputPath(outputPath);
    m_strFileName = QFileInfo(outputPath).fileName();
    QString error;
    if (!writeJpegSafely(pix, outputPath, m_nQuality, m_metadata, &error)) {
        reportFailure(error);
        return;
    }
    emit signal_ConvertSuccess();
    emit signal_FileConverted(m_strInputPath, outputPath);
}

void ConvertThread::reportFailure(const QString &strReason)
{
    emit signal_ConvertFailed();
    emit signal_FileFailed(m_strInputPath, strReason);
}
