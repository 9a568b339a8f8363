#include "JpegWriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPixmap>
#include <QSaveFile>

namespace {

const char kExifId[] = "Exif\0\0";          // 6 bytes
const char kIccId[] = "ICC_PROFILE\0";      // 12 bytes

enum : unsigned char { SOI = 0xD8, EOI = 0xD9, SOS = 0xDA, APP0 = 0xE0, APP1 = 0xE1, APP2 = 0xE2 };

bool isExifSegment(const QByteArray &segment)
{
    return segment.size() >= 10 && static_cast<unsigned char>(segment[1]) == APP1
        && memcmp(segment.constData() + 4, kExifId, 6) == 0;
}

bool isIccSegment(const QByteArray &segment)
{
    return segment.size() >= 16 && static_cast<unsigned char>(segment[1]) == APP2
        && memcmp(segment.constData() + 4, kIccId, 12) == 0;
}

// Walks the marker segments in front of the first scan. visit(marker, offset,
// size) gets each segment with a length field, offset pointing at its 0xFF.
// Returns the offset where the walk stopped (the scan, or the end of what
// parsed), or -1 when the stream does not start with SOI.
template <typename Visit>
int walkHeaderSegments(const unsigned char *p, int length, Visit visit)
{
    if (length < 4 || p[0] != 0xFF || p[1] != SOI)
        return -1;
    int pos = 2;
    while (pos + 4 <= length) {
        if (p[pos] != 0xFF)
            return pos;
        const unsigned char marker = p[pos + 1];
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == SOS || marker == EOI)
            return pos;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length field
            pos += 2;
            continue;
        }
        const int segmentLength = (p[pos + 2] << 8) | p[pos + 3];
        if (segmentLength < 2 || pos + 2 + segmentLength > length)
            return pos;
        if (!visit(marker, pos, segmentLength + 2))
            return pos;
        pos += 2 + segmentLength;
    }
    return pos;
}

} // namespace

bool JpegMetadata::hasExif() const
{
    for (const QByteArray &s : segments)
        if (isExifSegment(s))
            return true;
    return false;
}

bool JpegMetadata::hasIcc() const
{
    for (const QByteArray &s : segments)
        if (isIccSegment(s))
            return true;
    return false;
}

JpegMetadata extractJpegMetadata(const char *jpeg, int length)
{
    JpegMetadata metadata;
    if (!jpeg)
        return metadata;
    walkHeaderSegments(reinterpret_cast<const unsigned char *>(jpeg), length,
                       [&](unsigned char marker, int offset, int size) {
                           if (marker == APP1 || marker == APP2) {
                               QByteArray segment(jpeg + offset, size);
                               if (isExifSegment(segment) || isIccSegment(segment))
                                   metadata.segments.append(segment);
                           }
                           return true;
                       });
    return metadata;
}

QByteArray encodeJpegWithMetadata(const QImage &image, int quality, const JpegMetadata &metadata)
{
    if (image.isNull())
        return {};
    QByteArray encoded;
    {
        QBuffer buffer(&encoded);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpg");
        writer.setQuality(quality);
        if (!writer.write(image))
            return {};
    }
    if (metadata.isEmpty())
        return encoded;

    // SOI, the writer's APP0 segments, the photo's segments, then the rest of
    // the writer's stream without its own APP1/APP2 (the ICC profile it may
    // have taken from the image would otherwise appear twice).
    const auto *p = reinterpret_cast<const unsigned char *>(encoded.constData());
    QByteArray result;
    result.reserve(encoded.size() + 128 * 1024);
    result.append(encoded.constData(), 2);
    bool inserted = false;
    const int rest = walkHeaderSegments(p, encoded.size(), [&](unsigned char marker, int offset, int size) {
        if (marker == APP0 && !inserted) {
            result.append(encoded.constData() + offset, size);
            return true;
        }
        if (!inserted) {
            for (const QByteArray &segment : metadata.segments)
                result.append(segment);
            inserted = true;
        }
        if (marker != APP1 && marker != APP2)
            result.append(encoded.constData() + offset, size);
        return true;
    });
    if (rest < 0)
        return {};
    if (!inserted)
        for (const QByteArray &segment : metadata.segments)
            result.append(segment);
    result.append(encoded.constData() + rest, encoded.size() - rest);
    return result;
}

bool writeJpegSafely(const QImage &image, const QString &path, int quality, const JpegMetadata &metadata,
                     QString *errorText)
{
    auto fail = [errorText](const QString &why) {
        if (errorText)
            *errorText = why;
        return false;
    };
    if (image.isNull())
        return fail(QStringLiteral("no image to write"));
    const QByteArray jpeg = encodeJpegWithMetadata(image, quality, metadata);
    if (jpeg.isEmpty())
        return fail(QStringLiteral("the JPEG encoder failed"));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    if (file.write(jpeg) != jpeg.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(QStringLiteral("cannot write %1: %2").arg(path, why));
    }
    if (!file.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

bool writeJpegSafely(const QPixmap &pixmap, const QString &path, int quality, const JpegMetadata &metadata,
                     QString *errorText)
{
    return writeJpegSafely(pixmap.toImage(), path, quality, metadata, errorText);
}
