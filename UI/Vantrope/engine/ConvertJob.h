#pragma once

// The steps that the batch worker and the preview thread share: reading a
// whole HEIC file and turning its bytes into a pixmap through the decoder.

#include "Heif2jpg.h"
#include "JpegWriter.h"

#include <QDateTime>
#include <QPixmap>
#include <QString>

#include <cstdint>
#include <memory>

namespace ConvertJob {

// Inputs from 1 to this many bytes are accepted (less than 0xFFFFFF).
constexpr int64_t kMaxInputLength = 16777214;

// Reads the whole file, unaltered, into a buffer of exactly its length. Null
// when the file cannot be opened, is not a regular file (a folder, a FIFO, a
// device: never waited on) or its length is not 1 .. kMaxInputLength;
// *length receives the file's length (clamped to 32 bits) in any case, and
// *reason why there is no buffer. *modified (when given) receives the file's
// modification time. The path is encoded with QFile::encodeName.
std::unique_ptr<unsigned char[]> readWholeFile(const QString &path, int32_t *length, QString *reason,
                                               QDateTime *modified = nullptr);

struct Decoded
{
    QPixmap pixmap;        // null when nothing decoded
    JpegMetadata metadata; // the decoder's EXIF and ICC segments
    QString failure;       // why the pixmap is null
};

// Calls the decoder with an output buffer of length x 10 bytes, once more
// with a buffer of the size it asks for when that is not enough, and loads
// the JPEG it returns. With decoder flags (kDecoderFlagSdrOnly) or an image
// other than the primary (imageIndex > 0), the call goes to the bound
// library's heif2jpg_image (boundImageDecoder) instead; a library without it
// fails the decode.
Decoded decode(Heif2jpgFunc decoder, const unsigned char *input, int32_t length, int32_t quality,
               const char *tempFileName, int32_t decoderFlags = 0, int32_t imageIndex = 0);

// The number of top-level images of the file, by the bound library's
// tarnwick_image_count; 1 when it cannot tell.
int32_t imageCount(const unsigned char *input, int32_t length);

// readWholeFile, then decode, with metadata.sourceModified set to the file's
// modification time. failure holds readWholeFile's reason when the file could
// not be read; *inputLength receives the length readWholeFile reports.
Decoded decodeFile(Heif2jpgFunc decoder, const QString &path, int32_t quality, const char *tempFileName,
                   int32_t *inputLength);

} // namespace ConvertJob
