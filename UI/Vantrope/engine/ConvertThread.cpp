#include "ConvertThread.h"

#include "ConvertJob.h"
#include "ConvertQueue.h"
#include "OutputLocation.h"

#include <QFileInfo>

#include <cerrno>

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

void ConvertThread::setDecoderFlags(int32_t nFlags)
{
    waitUntilIdle();
    m_nDecoderFlags = nFlags;
}

void ConvertThread::setAllImages(bool bAllImages)
{
    waitUntilIdle();
    m_bAllImages = bAllImages;
}

void ConvertThread::setStop(bool bStop)
{
    m_bStop = bStop;
}

namespace {

// Write failures that concern the whole output folder, not the one file: the
// folder is gone or read-only, or its file system is full.
bool failsWholeFolder(int error, bool *wholeFileSystem)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EROFS:
        *wholeFileSystem = true;
        return true;
    case ENOENT:
    case ENOTDIR:
    case EACCES:
    case EPERM:
        *wholeFileSystem = false;
        return true;
    default:
        return false;
    }
}

} // namespace

void ConvertThread::run()
{
    std::lock_guard<std::mutex> running(m_runMutex);
    for (;;) {
        if (m_bStop)
            return;
        // The rule completes the save path; only a worker that takes a file
        // keeps the completed value.
        const bool isDefaultFolder = m_strSavePath.isEmpty();
        QString savePath = m_strSavePath;
        OutputLocation::completeSavePath(savePath, OutputLocation::Form::Batch);
        const std::optional<ConvertQueue::Item> item =
            convertQueue().take([&savePath](const ConvertQueue::Item &queued) {
                return OutputLocation::wantedOutputPath(savePath, queued.path, queued.subfolder, queued.beside);
            });
        if (!item)
            return;
        m_strSavePath = savePath;
        m_strInputPath = item->path;
        m_itemIndex = item->index;
        m_strFailure.clear();
        m_metadata = JpegMetadata();
        const QFileInfo info(item->path);
        if (!info.exists()) {
            reportFailure(tr("the file does not exist"));
            continue;
        }
        m_strFileName = info.fileName();
        if (!item->existingPath.isEmpty()) {
            emit signal_ItemSkipped(m_itemIndex, item->existingPath);
            continue;
        }
        m_strOutputPath = item->outputPath;
        m_strWantedPath = OutputLocation::wantedOutputPath(savePath, item->path, item->subfolder, item->beside);
        m_strOutputFolder = m_strOutputPath.left(m_strOutputPath.lastIndexOf(QLatin1Char('/')));
        // The folder first: when it cannot take the JPEG, the photo is not
        // decoded for nothing.
        const QString &folder = m_strOutputFolder;
        const QString trouble = convertQueue().useOutputFolder(folder, [&](bool first, QString *reason) {
            if (item->beside) {
                // The photo's own folder, wherever the user keeps it.
                if (QFileInfo(folder).isDir())
                    return true;
                *reason = tr("the folder %1 does not exist").arg(folder);
                return false;
            }
            if (first)
                return OutputLocation::prepareFolder(savePath, isDefaultFolder, reason)
                    && OutputLocation::prepareSubfolder(savePath, item->subfolder, reason);
            return OutputLocation::isUsableFolder(folder, reason);
        });
        if (!trouble.isEmpty()) {
            reportFailure(trouble);
            continue;
        }
        unsigned char *buffer = readWholeFile(info.filePath());
        convertData(buffer, m_nInputLength, m_nQuality, m_tempFileName);
    }
}

unsigned char *ConvertThread::readWholeFile(const QString &strFilePath)
{
    QString reason;
    QDateTime modified;
    std::unique_ptr<unsigned char[]> buffer =
        ConvertJob::readWholeFile(strFilePath, &m_nInputLength, &reason, &modified);
    m_sourceModified = modified;
    if (!buffer)
        m_strFailure = reason;
    return buffer.release();
}

void ConvertThread::convertData(unsigned char *input, int32_t nLength, int32_t nQuality, const char *tempFileName)
{
    std::unique_ptr<unsigned char[]> inputBuffer(input);
    QPixmap pix;
    if (inputBuffer) {
        ConvertJob::Decoded decoded =
            ConvertJob::decode(m_decoder, inputBuffer.get(), nLength, nQuality, tempFileName, m_nDecoderFlags);
        if (!m_bAllImages)
            inputBuffer.reset();
        pix = std::move(decoded.pixmap);
        m_metadata = std::move(decoded.metadata);
        m_metadata.sourceModified = m_sourceModified;
        m_strFailure = decoded.failure;
    }
    m_otherImagesInput = m_bAllImages ? inputBuffer.get() : nullptr;
    m_nOtherImagesLength = nLength;
    saveJpg(pix);
    m_otherImagesInput = nullptr;
}

void ConvertThread::convertOtherImages(const unsigned char *input, int32_t nLength, const QString &primaryOutputPath)
{
    const int32_t count = ConvertJob::imageCount(input, nLength);
    for (int32_t index = 1; index < count && !m_bStop; ++index) {
        const QString label = tr("image %1").arg(index + 1);
        ConvertJob::Decoded decoded =
            ConvertJob::decode(m_decoder, input, nLength, m_nQuality, m_tempFileName, m_nDecoderFlags, index);
        if (decoded.pixmap.isNull()) {
            emit signal_FileWarning(m_strInputPath, tr("%1 not converted: %2").arg(label, decoded.failure));
            continue;
        }
        decoded.metadata.sourceModified = m_sourceModified;
        const QString outputPath =
            convertQueue().reserveOutputPath(OutputLocation::otherImagePath(primaryOutputPath, index + 1));
        JpegWriteFailure failure;
        const bool replace = convertQueue().existingPolicy() == OutputLocation::Existing::Replace;
        if (!writeJpegSafely(decoded.pixmap, outputPath, m_nQuality, decoded.metadata, &failure, replace)) {
            emit signal_FileWarning(m_strInputPath, tr("%1 not converted: cannot write %2: %3")
                                                        .arg(label, outputPath, failure.reason));
            continue;
        }
        emit signal_ImageConverted(m_strInputPath, outputPath);
    }
}

void ConvertThread::saveJpg(QPixmap pix)
{
    if (pix.isNull()) {
        reportFailure(m_strFailure.isEmpty() ? tr("nothing decoded") : m_strFailure);
        return;
    }
    // A file that took the output name after the batch was named stays too:
    // the JPEG takes the next free name, or the photo counts as skipped.
    const OutputLocation::Existing existing = convertQueue().existingPolicy();
    const bool replace = existing == OutputLocation::Existing::Replace;
    QString outputPath = m_strOutputPath;
    JpegWriteFailure failure;
    bool written = false;
    for (int attempt = 0; attempt < 3 && !written; ++attempt) {
        written = writeJpegSafely(pix, outputPath, m_nQuality, m_metadata, &failure, replace);
        if (written || failure.errorNumber != EEXIST || replace)
            break;
        if (existing == OutputLocation::Existing::Skip) {
            emit signal_ItemSkipped(m_itemIndex, outputPath);
            return;
        }
        outputPath = convertQueue().reserveOutputPath(m_strWantedPath);
    }
    m_strFileName = QFileInfo(outputPath).fileName();
    if (!written) {
        const QString error = tr("cannot write %1: %2").arg(outputPath, failure.reason);
        bool wholeFileSystem = false;
        if (failsWholeFolder(failure.errorNumber, &wholeFileSystem))
            convertQueue().markOutputFolderFailed(m_strOutputFolder, error, wholeFileSystem);
        reportFailure(error);
        return;
    }
    // The photo counts as converted once every image of it is written.
    if (m_otherImagesInput && !m_bStop)
        convertOtherImages(m_otherImagesInput, m_nOtherImagesLength, outputPath);
    if (!m_metadata.gainMap.leftOut.isEmpty())
        emit signal_FileWarning(m_strInputPath,
                                tr("gain map left out: %1").arg(m_metadata.gainMap.leftOut));
    emit signal_ConvertSuccess();
    emit signal_FileConverted(m_strInputPath, outputPath);
    emit signal_ItemConverted(m_itemIndex, outputPath);
}

void ConvertThread::reportFailure(const QString &strReason)
{
    emit signal_ConvertFailed();
    emit signal_FileFailed(m_strInputPath, strReason);
    emit signal_ItemFailed(m_itemIndex, strReason);
}
