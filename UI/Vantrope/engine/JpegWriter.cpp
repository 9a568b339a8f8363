#include "JpegWriter.h"

#include "EngineMessages.h"
#include "ExifDate.h"
#include "SafeFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPixmap>
#include <QVector>

#include <cstring>

namespace {

const char kExifId[] = "Exif\0\0";          // 6 bytes
const char kIccId[] = "ICC_PROFILE\0";      // 12 bytes

enum : unsigned char { SOI = 0xD8, EOI = 0xD9, SOS = 0xDA, APP0 = 0xE0, APP1 = 0xE1, APP2 = 0xE2 };

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

bool isExifSegment(const QByteArray &segment)
{
    return segment.size() >= 10 && static_cast<unsigned char>(segment[1]) == APP1
        && memcmp(segment.constData() + 4, kExifId, 6) == 0;
}

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
    metadata.gainMap = extractGainMap(jpeg, length);
    return metadata;
}

namespace {

// Encodes the image with Qt's writer into *encoded and returns the pieces of
// the final stream, in order, pointing into *encoded and into the metadata:
// SOI, the writer's APP0 segments, the photo's segments, then the rest of the
// writer's stream without its own APP1/APP2 (the ICC profile it may have taken
// from the image would otherwise appear twice), then the gain map, whose
// rewritten index goes to *gainMapIndex. Empty on failure.
QVector<FilePiece> encodePieces(const QImage &image, int quality, const JpegMetadata &metadata, QByteArray *encoded,
                                QByteArray *gainMapIndex)
{
    QVector<FilePiece> pieces;
    if (image.isNull())
        return pieces;
    // Room for a quality-100 photo up front: a growing buffer would be copied
    // again and again.
    encoded->reserve(int(qMin<qint64>(qint64(image.width()) * image.height() * 3 / 4 + 65536, 512 << 20)));
    {
        QBuffer buffer(encoded);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpg");
        writer.setQuality(quality);
        const EngineMessages::QuietImageCodec quiet;
        if (!writer.write(image))
            return pieces;
    }
    const char *base = encoded->constData();
    if (metadata.isEmpty()) {
        pieces.append({base, encoded->size()});
        return pieces;
    }
    pieces.append({base, 2});
    bool inserted = false;
    int gainMapAt = -1;
    auto insertMetadata = [&] {
        for (const QByteArray &segment : metadata.segments)
            pieces.append({segment.constData(), segment.size()});
        gainMapAt = pieces.size();
        inserted = true;
    };
    const int rest = walkHeaderSegments(reinterpret_cast<const unsigned char *>(base), encoded->size(),
                                        [&](unsigned char marker, int offset, int size) {
                                            if (marker == APP0 && !inserted) {
                                                pieces.append({base + offset, size});
                                                return true;
                                            }
                                            if (!inserted)
                                                insertMetadata();
                                            if (marker != APP1 && marker != APP2)
                                                pieces.append({base + offset, size});
                                            return true;
                                        });
    if (rest < 0)
        return {};
    if (!inserted)
        insertMetadata();
    pieces.append({base + rest, encoded->size() - rest});
    if (!spliceGainMap(pieces, gainMapAt, metadata.gainMap, gainMapIndex))
        return {};
    return pieces;
}

} // namespace

QByteArray encodeJpegWithMetadata(const QImage &image, int quality, const JpegMetadata &metadata)
{
    QByteArray encoded, gainMapIndex;
    const QVector<FilePiece> pieces = encodePieces(image, quality, metadata, &encoded, &gainMapIndex);
    QByteArray result;
    int total = 0;
    for (const FilePiece &p : pieces)
        total += p.size;
    result.reserve(total);
    for (const FilePiece &p : pieces)
        result.append(p.data, p.size);
    return result;
}

bool writeJpegSafely(const QImage &image, const QString &path, int quality, const JpegMetadata &metadata,
                     QString *errorText, int *errorCode)
{
    auto fail = [errorText, errorCode](const QString &why, int code) {
        if (errorText)
            *errorText = why;
        if (errorCode)
            *errorCode = code;
        return false;
    };
    if (errorCode)
        *errorCode = 0;
    if (image.isNull())
        return fail(QStringLiteral("no image to write"), 0);
    QByteArray encoded, gainMapIndex;
    const QVector<FilePiece> pieces = encodePieces(image, quality, metadata, &encoded, &gainMapIndex);
    if (pieces.isEmpty())
        return fail(QStringLiteral("the JPEG encoder failed"), 0);
    QString why;
    int code = 0;
    if (!writeFileReplacing(path, pieces, jpegFileTime(metadata), &why, &code))
        return fail(QStringLiteral("cannot write %1: %2").arg(path, why), code);
    return true;
}

bool writeJpegSafely(const QPixmap &pixmap, const QString &path, int quality, const JpegMetadata &metadata,
                     QString *errorText, int *errorCode)
{
    return writeJpegSafely(pixmap.toImage(), path, quality, metadata, errorText, errorCode);
}
