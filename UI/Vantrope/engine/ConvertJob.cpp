#include "ConvertJob.h"

#include <QFile>

#include <fstream>
#include <new>

namespace ConvertJob {

std::unique_ptr<unsigned char[]> readWholeFile(const QString &path, int32_t *length, QString *reason)
{
    *length = 0;
    // The path in the file system's own encoding, so that any Unicode name
    // opens (the counterpart of opening by the wide-character path).
    std::ifstream in(QFile::encodeName(path).constData(), std::ios::in | std::ios::binary);
    if (!in.is_open()) {
        *reason = QStringLiteral("cannot open the file");
        return nullptr;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    *length = size < 0 ? -1 : (size > INT32_MAX ? INT32_MAX : static_cast<int32_t>(size));
    if (size < 1 || size > kMaxInputLength) {
        *reason = size == 0 ? QStringLiteral("the file is empty")
                : size < 0  ? QStringLiteral("cannot read the file")
                            : QStringLiteral("the file is too large (%1 bytes; at most %2 are accepted)")
                                  .arg(static_cast<qint64>(size)).arg(kMaxInputLength);
        return nullptr;
    }
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[size]());
    if (!buffer) {
        *reason = QStringLiteral("out of memory");
        return nullptr;
    }
    in.seekg(0, std::ios::beg);
    in.read(reinterpret_cast<char *>(buffer.get()), size);
    // A short read (the file shrank meanwhile) leaves zeros behind, which the
    // decoder rejects as a damaged file.
    return buffer;
}

Decoded decode(Heif2jpgFunc decoder, const unsigned char *input, int32_t length, int32_t quality,
               const char *tempFileName)
{
    Decoded result;
    if (!decoder) {
        result.failure = QStringLiteral("no decoder (the decoder library was not found)");
        return result;
    }
    int32_t capacity = length * 10;
    std::unique_ptr<unsigned char[]> output(new (std::nothrow) unsigned char[capacity]);
    if (!output) {
        result.failure = QStringLiteral("out of memory");
        return result;
    }
    int32_t jpegLength = decoder(input, length, quality, output.get(), capacity, tempFileName);
    if (jpegLength > capacity) {
        // The JPEG did not fit: once more with the room the decoder asked for.
        capacity = jpegLength;
        output.reset(new (std::nothrow) unsigned char[capacity]);
        if (!output) {
            result.failure = QStringLiteral("out of memory");
            return result;
        }
        jpegLength = decoder(input, length, quality, output.get(), capacity, tempFileName);
        if (jpegLength > capacity) {
            result.failure = QStringLiteral("the decoder asked for more room twice");
            return result;
        }
    }
    if (jpegLength <= 0) {
        // Nothing was written: the buffer holds whatever the allocator left.
        result.failure = decoderErrorText(jpegLength);
        return result;
    }
    result.pixmap.loadFromData(output.get(), static_cast<uint>(jpegLength), nullptr, Qt::AutoColor);
    if (result.pixmap.isNull()) {
        result.failure = QStringLiteral("the decoder's output is not an image");
        return result;
    }
    result.metadata = extractJpegMetadata(reinterpret_cast<const char *>(output.get()), jpegLength);
    return result;
}

} // namespace ConvertJob
