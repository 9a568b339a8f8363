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
    QPixmap pix;
    JpegMetadata metadata;
    QString failure;
    int32_t inputLength = 0;
    {
        QDateTime modified;
        std::unique_ptr<unsigned char[]> input =
            ConvertJob::readWholeFile(m_strFilePath, &inputLength, &failure, &modified);
        if (input) {
            ConvertJob::Decoded decoded =
                ConvertJob::decode(m_decoder, input.get(), inputLength, m_nQuality, "tempFile.hevc");
            pix = std::move(decoded.pixmap);
            metadata = std::move(decoded.metadata);
            metadata.sourceModified = modified;
            failure = decoded.failure;
        }
    }
    {
        std::lock_guard<std::mutex> results(m_runMutex);
        m_nInputLength = inputLength;
        m_metadata = std::move(metadata);
        m_strFailure = std::move(failure);
    }
    emit signal_SendHeicData(pix, pix.width(), pix.height());
}
