#include "JpegWriter.h"

#include "EngineMessages.h"
#include "ExifDate.h"
#include "SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageWriter>
#include <QPixmap>
#include <QVector>

namespace {

using namespace JpegSegments;

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
    const int rest = walkHeader(reinterpret_cast<const unsigned char *>(base), encoded->size(),
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
                     JpegWriteFailure *failure, bool replaceExisting)
{
    auto fail = [failure](const QString &reason, int errorNumber) {
        if (failure)
            *failure = {reason, errorNumber};
        return false;
    };
    if (failure)
        *failure = JpegWriteFailure();
    if (image.isNull())
        return fail(QCoreApplication::translate("JpegWriter", "no image to write"), 0);
    QByteArray encoded, gainMapIndex;
    const QVector<FilePiece> pieces = encodePieces(image, quality, metadata, &encoded, &gainMapIndex);
    if (pieces.isEmpty())
        return fail(QCoreApplication::translate("JpegWriter", "the JPEG encoder failed"), 0);
    QString why;
    int code = 0;
    if (!writeFileReplacing(path, pieces, jpegFileTime(metadata), &why, &code, replaceExisting))
        return fail(why, code);
    return true;
}

bool writeJpegSafely(const QPixmap &pixmap, const QString &path, int quality, const JpegMetadata &metadata,
                     JpegWriteFailure *failure, bool replaceExisting)
{
    return writeJpegSafely(pixmap.toImage(), path, quality, metadata, failure, replaceExisting);
}
