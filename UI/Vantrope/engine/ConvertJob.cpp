#include "ConvertJob.h"

#include "EngineMessages.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ConvertJob {

std::unique_ptr<unsigned char[]> readWholeFile(const QString &path, int32_t *length, QString *reason,
                                               QDateTime *modified)
{
    *length = 0;
    // O_NONBLOCK: opening a FIFO without a writer would wait forever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *reason = errno == ENOENT ? QCoreApplication::translate("ConvertJob", "the file does not exist")
                                  : QCoreApplication::translate("ConvertJob", "cannot open the file: %1").arg(qt_error_string(errno));
        return nullptr;
    }
    struct FdCloser { int fd; ~FdCloser() { ::close(fd); } } closer{fd};
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        *reason = QCoreApplication::translate("ConvertJob", "cannot read the file: %1").arg(qt_error_string(errno));
        return nullptr;
    }
    if (!S_ISREG(st.st_mode)) {
        *reason = QCoreApplication::translate("ConvertJob", "not a regular file");
        return nullptr;
    }
    if (modified)
        *modified = QDateTime::fromMSecsSinceEpoch(qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000);
    const qint64 size = st.st_size;
    *length = size > INT32_MAX ? INT32_MAX : static_cast<int32_t>(size);
    if (size < 1 || size > kMaxInputLength) {
        *reason = size == 0 ? QCoreApplication::translate("ConvertJob", "the file is empty")
                            : QCoreApplication::translate("ConvertJob", "the file is too large (%1 bytes; at most %2 are accepted)")
                                  .arg(size).arg(kMaxInputLength);
        return nullptr;
    }
    std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[size]());
    if (!buffer) {
        *reason = QCoreApplication::translate("ConvertJob", "out of memory");
        return nullptr;
    }
    // A short read (the file shrank meanwhile) leaves zeros behind, which the
    // decoder rejects as a damaged file.
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, buffer.get() + done, size_t(size - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *reason = QCoreApplication::translate("ConvertJob", "cannot read the file: %1").arg(qt_error_string(errno));
            return nullptr;
        }
        if (n == 0)
            break;
        done += n;
    }
    return buffer;
}

Decoded decode(Heif2jpgFunc decoder, const unsigned char *input, int32_t length, int32_t quality,
               const char *tempFileName, int32_t decoderFlags, int32_t imageIndex)
{
    Decoded result;
    if (!decoder) {
        result.failure = QCoreApplication::translate("ConvertJob", "no decoder (the decoder library was not found)");
        return result;
    }
    const bool byImage = decoderFlags != 0 || imageIndex != 0;
    const Heif2jpgImageFunc imageDecoder = byImage ? boundImageDecoder() : nullptr;
    if (byImage && !imageDecoder) {
        result.failure = QCoreApplication::translate("ConvertJob", "the decoder library cannot convert single images of a file");
        return result;
    }
    auto call = [&](unsigned char *output, int32_t capacity) {
        return imageDecoder ? imageDecoder(input, length, quality, imageIndex, decoderFlags, output, capacity)
                            : decoder(input, length, quality, output, capacity, tempFileName);
    };
    int32_t capacity = length * 10;
    std::unique_ptr<unsigned char[]> output(new (std::nothrow) unsigned char[capacity]);
    if (!output) {
        result.failure = QCoreApplication::translate("ConvertJob", "out of memory");
        return result;
    }
    int32_t jpegLength = call(output.get(), capacity);
    if (jpegLength > capacity) {
        // The JPEG did not fit: once more with the room the decoder asked for.
        capacity = jpegLength;
        output.reset(new (std::nothrow) unsigned char[capacity]);
        if (!output) {
            result.failure = QCoreApplication::translate("ConvertJob", "out of memory");
            return result;
        }
        jpegLength = call(output.get(), capacity);
        if (jpegLength > capacity) {
            result.failure = QCoreApplication::translate("ConvertJob", "the decoder asked for more room twice");
            return result;
        }
    }
    if (jpegLength <= 0) {
        // Nothing was written: the buffer holds whatever the allocator left.
        result.failure = decoderErrorText(jpegLength);
        return result;
    }
    {
        const EngineMessages::QuietImageCodec quiet;
        result.pixmap.loadFromData(output.get(), static_cast<uint>(jpegLength), nullptr, Qt::AutoColor);
    }
    if (result.pixmap.isNull()) {
        result.failure = QCoreApplication::translate("ConvertJob", "the decoder's output is not an image");
        return result;
    }
    result.metadata = extractJpegMetadata(reinterpret_cast<const char *>(output.get()), jpegLength);
    return result;
}

int32_t imageCount(const unsigned char *input, int32_t length)
{
    const ImageCountFunc counter = boundImageCounter();
    const int32_t count = counter ? counter(input, length) : 1;
    return count >= 1 ? count : 1;
}

Decoded decodeFile(Heif2jpgFunc decoder, const QString &path, int32_t quality, const char *tempFileName,
                   int32_t *inputLength)
{
    Decoded result;
    QDateTime modified;
    std::unique_ptr<unsigned char[]> input = readWholeFile(path, inputLength, &result.failure, &modified);
    if (!input)
        return result;
    result = decode(decoder, input.get(), *inputLength, quality, tempFileName);
    result.metadata.sourceModified = modified;
    return result;
}

} // namespace ConvertJob
