#pragma once

#include "JpegMetadata.h"

#include <QByteArray>
#include <QString>

class QImage;
class QPixmap;

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
// With replaceExisting false an entry of that name is left alone and the
// write fails with errorNumber EEXIST.
// False for a null pixmap, a missing folder, no rights, a full disk; *failure
// (when given) then says why, without the path, in the system's own words
// where it has them ("No space left on device"), with the system's error
// number of the failed file operation (0 when the failure was not one).
struct JpegWriteFailure
{
    QString reason;
    int errorNumber = 0;
};
bool writeJpegSafely(const QPixmap &pixmap, const QString &path, int quality, const JpegMetadata &metadata,
                     JpegWriteFailure *failure = nullptr, bool replaceExisting = true);
bool writeJpegSafely(const QImage &image, const QString &path, int quality, const JpegMetadata &metadata,
                     JpegWriteFailure *failure = nullptr, bool replaceExisting = true);
