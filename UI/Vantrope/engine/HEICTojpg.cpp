#include "HEICTojpg.h"

#include "ConvertJob.h"

HEICTojpg::HEICTojpg(QString strFilePath, Heif2jpgFunc decoder, QObject *parent)
    : QThread(parent)
    , m_decoder(decoder)
    , m_strFilePath(std::move(strFilePath))
{
}

HEICTojpg::~HEICTojpg()
{
    wait();
    std::lock_guard<std::mutex> ended(m_runMutex);
}

void HEICTojpg::setQuality(int32_t nQuality)
{
    m_nQuality = nQuality;
}

void HEICTojpg::run()
{
    int32_t inputLength = 0;
    ConvertJob::Decoded decoded =
        ConvertJob::decodeFile(m_decoder, m_strFilePath, m_nQuality, "tempFile.hevc", &inputLength);
    const QPixmap pix = std::move(decoded.pixmap);
    {
        std::lock_guard<std::mutex> results(m_runMutex);
        m_nInputLength = inputLength;
        m_metadata = std::move(decoded.metadata);
        m_strFailure = std::move(decoded.failure);
    }
    emit signal_SendHeicData(pix, pix.width(), pix.height());
}
