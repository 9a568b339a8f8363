#include "ExifDate.h"

#include <QByteArray>

namespace {

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
