#include "ThumbnailLoader.h"

#include "ConvertJob.h"
#include "EngineMessages.h"

#include <QImage>

#include <memory>
#include <new>

ThumbnailLoader::ThumbnailLoader(QString filePath, ThumbnailFunc thumbnail, QObject *parent)
    : QThread(parent)
    , m_filePath(std::move(filePath))
    , m_thumbnail(thumbnail)
{
}

ThumbnailLoader::~ThumbnailLoader()
{
    wait();
}

void ThumbnailLoader::run()
{
    if (!m_thumbnail)
        return;
    int32_t length = 0;
    QString reason;
    const std::unique_ptr<unsigned char[]> input = ConvertJob::readWholeFile(m_filePath, &length, &reason);
    if (!input)
        return;
    // A thumbnail is small: a tenth of the file is room enough as a rule, and
    // the decoder says how much it needs otherwise.
    int32_t capacity = qMax<int32_t>(length / 10, 65536);
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::unique_ptr<unsigned char[]> output(new (std::nothrow) unsigned char[size_t(capacity)]);
        if (!output)
            return;
        const int32_t result = m_thumbnail(input.get(), length, 90, output.get(), capacity);
        if (result <= 0)
            return;
        if (result > capacity) {
            capacity = result;
            continue;
        }
        QImage image;
        {
            const EngineMessages::QuietImageCodec quiet;
            image.loadFromData(output.get(), result, "JPEG");
        }
        if (!image.isNull())
            emit thumbnailReady(image);
        return;
    }
}
