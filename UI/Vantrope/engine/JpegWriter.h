#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QImage;
class QPixmap;

// The photo's metadata as the decoder wrote it into its JPEG: the EXIF APP1
// segment (Orientation 1, the pixels are upright) and the ICC_PROFILE APP2
// segments, each kept as a complete marker segment (0xFF, marker, length,
// payload) so that it can be copied into another JPEG unchanged.
struct JpegMetadata
{
    QList<QByteArray> segments;

    bool isEmpty() const { return segments.isEmpty(); }
    bool hasExif() const;
    bool hasIcc() const;
};

// Takes the EXIF and ICC segments out of a JPEG stream (only the segments
// before the first scan are looked at). Any other segment is left out; a
// malformed stream gives whatever was found before the fault.
JpegMetadata extractJpegMetadata(const char *jpeg, int length);
inline JpegMetadata extractJpegMetadata(const QByteArray &jpeg)
{
    return extractJpegMetadata(jpeg.constData(), jpeg.size());
}

// Encodes the image as a JPEG of the given quality (Qt's writer) and splices
// the metadata segments in right after the start marker and the JFIF APP0
// segment, in place of any APP1/APP2 segment the writer produced. Empty on
// failure (null image).
QByteArray encodeJpegWithMetadata(const QImage &image, int quality, const JpegMetadata &metadata);

// Writes the pixmap as a JPEG file with the metadata spliced in. The file is
// written to a temporary file in the target folder and renamed over the
// target only when complete: afterwards the target is either the whole new
// JPEG or untouched (also when the write fails half-way). An existing file of
// that name is replaced. False for a null pixmap, a missing folder, no rights,
// a full disk; *errorText (when given) then says why.
bool writeJpegSafely(const QPixmap &pixmap, const QString &path, int quality,
                     const JpegMetadata &metadata, QString *errorText = nullptr);
bool writeJpegSafely(const QImage &image, const QString &path, int quality,
                     const JpegMetadata &metadata, QString *errorText = nullptr);
