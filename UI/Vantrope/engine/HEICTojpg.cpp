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
}

void HEICTojpg::setQuality(int32_t nQuality)
{
    m_nQuality = nQuality;
}

void HEICTojpg::run()
{
    QPixmap pix;
    m_metadata = JpegMetadata();
    {
        std::unique_ptr<unsigned char[]> input = ConvertJob::readWholeFile(m_strFilePath, &m_nInputLength, &m_strFailure);
        if (input) {
            ConvertJob::Decoded decoded =
                ConvertJob::decode(m_decoder, input.get(), m_nInputLength, m_nQuality, "tempFile.hevc");
            pix = std::move(decoded.pixmap);
            m_metadata = std::move(decoded.metadata);
            m_strFailure = decoded.failure;
        }
    }
    emit signal_SendHeicData(pix, pix.width(), pix.height());
}
