#include "JpegWriter.h"

#include "EngineMessages.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QVector>

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

struct Piece
{
    const char *data;
    int size;
};

// Encodes the image with Qt's writer into *encoded and returns the pieces of
// the final stream, in order, pointing into *encoded and into the metadata:
// SOI, the writer's APP0 segments, the photo's segments, then the rest of the
// writer's stream without its own APP1/APP2 (the ICC profile it may have taken
// from the image would otherwise appear twice). Empty on failure.
QVector<Piece> encodePieces(const QImage &image, int quality, const JpegMetadata &metadata, QByteArray *encoded)
{
    QVector<Piece> pieces;
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
    auto insertMetadata = [&] {
        for (const QByteArray &segment : metadata.segments)
            pieces.append({segment.constData(), segment.size()});
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
    return pieces;
}

} // namespace

QByteArray encodeJpegWithMetadata(const QImage &image, int quality, const JpegMetadata &metadata)
{
    QByteArray encoded;
    const QVector<Piece> pieces = encodePieces(image, quality, metadata, &encoded);
    QByteArray result;
    int total = 0;
    for (const Piece &p : pieces)
        total += p.size;
    result.reserve(total);
    for (const Piece &p : pieces)
        result.append(p.data, p.size);
    return result;
}

namespace {

std::atomic<JpegFileWriteFunc> g_writeFunction{nullptr};

// The TIFF structure inside an EXIF segment, every read bounds-checked.
class TiffReader
{
public:
    TiffReader(const unsigned char *data, int size)
        : m_data(data)
        , m_size(size)
    {
        m_valid = size >= 8 && ((data[0] == 'I' && data[1] == 'I') || (data[0] == 'M' && data[1] == 'M'));
        m_littleEndian = m_valid && data[0] == 'I';
        m_valid = m_valid && u16(2) == 42;
    }

    bool valid() const { return m_valid; }
    qint64 firstIfd() const { return u32(4); }

    // The entry of the tag in the IFD at offset: the offset of its 12 bytes,
    // or -1.
    qint64 findEntry(qint64 ifd, int tag) const
    {
        if (ifd < 0 || ifd + 2 > m_size)
            return -1;
        const int count = u16(ifd);
        for (int k = 0; k < count; ++k) {
            const qint64 entry = ifd + 2 + qint64(k) * 12;
            if (entry + 12 > m_size)
                return -1;
            if (u16(entry) == tag)
                return entry;
        }
        return -1;
    }

    qint64 longValue(qint64 entry) const
    {
        if (entry < 0 || u16(entry + 2) != 4 /* LONG */ || u32(entry + 4) != 1)
            return -1;
        return u32(entry + 8);
    }

    // An ASCII value, without its terminating zero.
    QByteArray asciiValue(qint64 entry) const
    {
        if (entry < 0 || u16(entry + 2) != 2 /* ASCII */)
            return QByteArray();
        const qint64 count = u32(entry + 4);
        const qint64 at = count <= 4 ? entry + 8 : u32(entry + 8);
        if (count < 1 || count > 64 || at < 0 || at + count > m_size)
            return QByteArray();
        QByteArray value(reinterpret_cast<const char *>(m_data + at), int(count));
        const int zero = value.indexOf('\0');
        return zero >= 0 ? value.left(zero) : value;
    }

private:
    int u16(qint64 at) const
    {
        if (at < 0 || at + 2 > m_size)
            return -1;
        const unsigned char *p = m_data + at;
        return m_littleEndian ? (p[0] | p[1] << 8) : (p[0] << 8 | p[1]);
    }
    qint64 u32(qint64 at) const
    {
        if (at < 0 || at + 4 > m_size)
            return -1;
        const unsigned char *p = m_data + at;
        return m_littleEndian ? (qint64(p[0]) | qint64(p[1]) << 8 | qint64(p[2]) << 16 | qint64(p[3]) << 24)
                              : (qint64(p[0]) << 24 | qint64(p[1]) << 16 | qint64(p[2]) << 8 | qint64(p[3]));
    }

    const unsigned char *m_data;
    qint64 m_size;
    bool m_valid = false;
    bool m_littleEndian = true;
};

// "+09:00" / "-05:30" as seconds east of UTC.
bool parseOffset(const QByteArray &text, int *seconds)
{
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':')
        return false;
    bool okHours = false, okMinutes = false;
    const int hours = text.mid(1, 2).toInt(&okHours);
    const int minutes = text.mid(4, 2).toInt(&okMinutes);
    if (!okHours || !okMinutes || hours > 14 || minutes > 59)
        return false;
    *seconds = (text[0] == '-' ? -1 : 1) * (hours * 3600 + minutes * 60);
    return true;
}

QString systemErrorText(int error)
{
    return qt_error_string(error);
}

// Writes the pieces to a new file beside path and renames it over path.
bool writeFileReplacing(const QString &path, const QVector<Piece> &pieces, const QDateTime &fileTime,
                        QString *why, int *error)
{
    const QByteArray target = QFile::encodeName(path);
    const int slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash + 1);
    auto fail = [&](int code) {
        *error = code;
        *why = systemErrorText(code);
        return false;
    };

    // A fresh name in the target folder (so the rename stays on one file
    // system); O_EXCL never opens what another process put there.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder + ".vantrope-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36)
                  + ".tmp";
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST)
            return fail(errno);
    }
    if (fd < 0)
        return fail(EEXIST);

    JpegFileWriteFunc writeBytes = g_writeFunction.load();
    if (!writeBytes)
        writeBytes = &::write;
    auto abandon = [&](int code) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(code);
    };
    for (const Piece &p : pieces) {
        const char *data = p.data;
        size_t left = size_t(p.size);
        while (left > 0) {
            const ssize_t n = writeBytes(fd, data, left);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return abandon(n < 0 ? errno : ENOSPC);
            data += n;
            left -= size_t(n);
        }
    }
    // On disk before it takes the target's name: a crash leaves the old file
    // or the new one, never an empty one.
    if (::fdatasync(fd) != 0 && errno != EINVAL)
        return abandon(errno);
    if (fileTime.isValid()) {
        const qint64 ms = fileTime.toMSecsSinceEpoch();
        struct timespec times[2];
        times[0].tv_sec = 0;
        times[0].tv_nsec = UTIME_OMIT;
        times[1].tv_sec = time_t(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
        times[1].tv_nsec = long(ms - qint64(times[1].tv_sec) * 1000) * 1000000L;
        ::futimens(fd, times); // a file system without times still gets the JPEG
    }
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return fail(code);
    }
    // rename(2) replaces whatever has the target name, a symbolic link
    // included, and never follows it.
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return fail(code);
    }
    return true;
}

} // namespace

QDateTime photoTakenTime(const JpegMetadata &metadata)
{
    for (const QByteArray &segment : metadata.segments) {
        if (!isExifSegment(segment))
            continue;
        const TiffReader tiff(reinterpret_cast<const unsigned char *>(segment.constData()) + 10,
                              segment.size() - 10);
        if (!tiff.valid())
            return QDateTime();
        const qint64 exifIfd = tiff.longValue(tiff.findEntry(tiff.firstIfd(), 0x8769));
        const QByteArray taken = tiff.asciiValue(tiff.findEntry(exifIfd, 0x9003));
        const QDateTime local = QDateTime::fromString(QString::fromLatin1(taken),
                                                      QStringLiteral("yyyy:MM:dd HH:mm:ss"));
        if (!local.isValid())
            return QDateTime();
        int offset = 0;
        if (parseOffset(tiff.asciiValue(tiff.findEntry(exifIfd, 0x9011)).trimmed(), &offset))
            return QDateTime(local.date(), local.time(), Qt::OffsetFromUTC, offset);
        return local;
    }
    return QDateTime();
}

QDateTime jpegFileTime(const JpegMetadata &metadata)
{
    const QDateTime taken = photoTakenTime(metadata);
    return taken.isValid() ? taken : metadata.sourceModified;
}

void setJpegFileWriteFunction(JpegFileWriteFunc function)
{
    g_writeFunction.store(function);
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
    QByteArray encoded;
    const QVector<Piece> pieces = encodePieces(image, quality, metadata, &encoded);
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
