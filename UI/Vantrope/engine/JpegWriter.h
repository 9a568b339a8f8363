#pragma once

#include "GainMapSplice.h"

#include <QByteArray>
#include <QDateTime>
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

    // The HDR gain map the decoder wrote after the photo, spliced back by the
    // writer (GainMapSplice.h).
    GainMapParts gainMap;

    // The source file's modification time: the JPEG's date when the EXIF
    // says nothing about when the photo was taken. Invalid when unknown.
    QDateTime sourceModified;

    bool isEmpty() const { return segments.isEmpty() && gainMap.isEmpty(); }
    bool hasExif() const;
    bool hasIcc() const;
};

// Takes the EXIF and ICC segments out of a JPEG stream (only the segments
// before the first scan are looked at), and the gain map with its segments.
// Any other segment is left out; a malformed stream gives whatever was found
// before the fault.
JpegMetadata extractJpegMetadata(const char *jpeg, int length);
inline JpegMetadata extractJpegMetadata(const QByteArray &jpeg)
{
    return extractJpegMetadata(jpeg.constData(), jpeg.size());
}

// True for a complete APP1 marker segment holding EXIF ("Exif\0\0").
bool isExifSegment(const QByteArray &segment);

// Encodes the image as a JPEG of the given quality (Qt's writer) and splices
// the metadata segments in right after the start marker and the JFIF APP0
// segment, in place of any APP1/APP2 segment the writer produced; a gain map
// follows the picture. Empty on failure (null image).
QByteArray encodeJpegWithMetadata(const QImage &image, int quality, const JpegMetadata &metadata);

// Writes the pixmap as a JPEG file with the metadata spliced in, dated by
// jpegFileTime(metadata) (ExifDate.h), through writeFileReplacing (SafeFile.h):
// the file is written to a new temporary file in the target folder and renamed
// over the target only when complete, so that afterwards the target is either
// the whole new JPEG or untouched (also when the write fails half-way). An
// existing file of that name is replaced; a symbolic link of that name is
// itself replaced, never the file it points to. The path is encoded with
// QFile::encodeName, so a name holding bytes that are not UTF-8 is written
// byte for byte when the file-name codec is installed.
// False for a null pixmap, a missing folder, no rights, a full disk;
// *errorText (when given) then says why in the system's own words ("cannot
// write <path>: No space left on device"), and *errorCode (when given) holds
// the system's error number of the failed file operation (0 when the failure
// was not one).
bool writeJpegSafely(const QPixmap &pixmap, const QString &path, int quality,
                     const JpegMetadata &metadata, QString *errorText = nullptr, int *errorCode = nullptr);
bool writeJpegSafely(const QImage &image, const QString &path, int quality,
                     const JpegMetadata &metadata, QString *errorText = nullptr, int *errorCode = nullptr);
