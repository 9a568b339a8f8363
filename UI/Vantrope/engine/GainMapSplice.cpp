#include "GainMapSplice.h"

#include "JpegMetadata.h"

#include <cstring>

namespace {

const char kXmpId[] = "http://ns.adobe.com/xap/1.0/";   // with its zero: 29 bytes
const char kIsoId[] = "urn:iso:std:iso:ts:21496:-1";    // with its zero: 28 bytes
const char kMpfId[] = "MPF";                            // with its zero: 4 bytes
const char kLeftOutNote[] = "Tarnwick: gain map left out: ";

using JpegSegments::APP1;
using JpegSegments::APP2;
using JpegSegments::SOI;
const unsigned char COM = 0xFE; // comment segment

bool startsWith(const QByteArray &segment, const char *id, int idSize)
{
    return segment.size() >= 4 + idSize && memcmp(segment.constData() + 4, id, size_t(idSize)) == 0;
}

bool isXmp(const QByteArray &s) { return startsWith(s, kXmpId, sizeof kXmpId); }
bool isIso(const QByteArray &s) { return startsWith(s, kIsoId, sizeof kIsoId); }
bool isMpf(const QByteArray &s) { return startsWith(s, kMpfId, sizeof kMpfId); }

// Offset of the MPF payload's TIFF header within its segment.
constexpr int kMpfTiffAt = 4 + int(sizeof kMpfId);

// The MP index of an MPF segment: where its two MP entries lie in the
// segment, and how they read. Only the big- and little-endian TIFF layouts
// with an MPEntry tag pointing inside the segment are taken.
struct MpIndex
{
    bool little = false;
    int entriesAt = -1; // in the segment
    quint32 u32(const QByteArray &s, int at) const
    {
        const auto *p = reinterpret_cast<const unsigned char *>(s.constData() + at);
        return little ? quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24
                      : quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
    }
    quint16 u16(const QByteArray &s, int at) const
    {
        const auto *p = reinterpret_cast<const unsigned char *>(s.constData() + at);
        return little ? quint16(p[0] | p[1] << 8) : quint16(p[0] << 8 | p[1]);
    }
    void put32(QByteArray &s, int at, quint32 v) const
    {
        for (int i = 0; i < 4; ++i)
            s[at + i] = char(little ? v >> (8 * i) : v >> (8 * (3 - i)));
    }
};

MpIndex readMpIndex(const QByteArray &segment)
{
    MpIndex index;
    const int t = kMpfTiffAt;
    const int size = segment.size();
    if (size < t + 8)
        return index;
    if (segment[t] == 'I' && segment[t + 1] == 'I')
        index.little = true;
    else if (!(segment[t] == 'M' && segment[t + 1] == 'M'))
        return index;
    const quint32 ifd = index.u32(segment, t + 4);
    if (ifd < 8 || ifd > quint32(size - t - 2))
        return index;
    const int count = index.u16(segment, t + int(ifd));
    const int entries = t + int(ifd) + 2;
    if (count > (size - entries) / 12)
        return index;
    for (int i = 0; i < count; ++i) {
        const int e = entries + 12 * i;
        if (index.u16(segment, e) != 0xB002)
            continue;
        const quint32 bytes = index.u32(segment, e + 4);
        const quint32 at = index.u32(segment, e + 8);
        // Two entries of 16 bytes: the primary, then the gain map.
        if (bytes != 32 || at > quint32(size - t) || quint32(size - t) - at < 32)
            return index;
        index.entriesAt = t + int(at);
        return index;
    }
    return index;
}

} // namespace

GainMapParts extractGainMap(const char *jpeg, int length)
{
    GainMapParts parts;
    const auto *p = reinterpret_cast<const unsigned char *>(jpeg);
    if (!jpeg)
        return parts;
    QList<QByteArray> segments;
    int mpfAt = -1; // of the MPF segment in the stream
    const int pos = JpegSegments::walkHeader(p, length, [&](unsigned char marker, int offset, int size) {
        const QByteArray segment(jpeg + offset, size);
        if (marker == COM && startsWith(segment, kLeftOutNote, int(sizeof kLeftOutNote) - 1))
            parts.leftOut = QString::fromUtf8(segment.mid(4 + int(sizeof kLeftOutNote) - 1));
        if ((marker == APP1 && isXmp(segment) && segment.contains("hdrgm:Version"))
            || (marker == APP2 && isIso(segment))) {
            segments.append(segment);
        } else if (marker == APP2 && isMpf(segment) && mpfAt < 0) {
            mpfAt = offset;
            segments.append(segment);
        }
        return true;
    });
    if (mpfAt < 0)
        return parts;
    const QByteArray &mpf = segments.last();
    const MpIndex index = readMpIndex(mpf);
    if (index.entriesAt < 0)
        return parts;
    const qint64 offset = qint64(mpfAt) + kMpfTiffAt + index.u32(mpf, index.entriesAt + 16 + 8);
    const qint64 size = index.u32(mpf, index.entriesAt + 16 + 4);
    if (size < 4 || offset <= pos || offset > length || size > length - offset)
        return parts;
    const auto *gainMap = p + offset;
    if (gainMap[0] != 0xFF || gainMap[1] != SOI)
        return parts;
    // Only segments the MPF index belongs with; the XMP alone could not find
    // the gain map.
    parts.segments = segments;
    parts.gainMap = QByteArray(jpeg + offset, int(size));
    return parts;
}

bool spliceGainMap(QVector<FilePiece> &pieces, int insertAt, const GainMapParts &parts, QByteArray *storage)
{
    if (parts.isEmpty() || insertAt < 0 || insertAt > pieces.size())
        return true;
    QVector<FilePiece> result = pieces.mid(0, insertAt);
    int mpfPiece = -1;
    qint64 mpfTiff = 0; // where the MPF TIFF header lands in the file
    qint64 at = 0;
    for (const FilePiece &piece : result)
        at += piece.size;
    for (const QByteArray &segment : parts.segments) {
        if (isMpf(segment)) {
            *storage = segment;
            mpfPiece = result.size();
            mpfTiff = at + kMpfTiffAt;
            result.append({storage->constData(), storage->size()});
        } else {
            result.append({segment.constData(), segment.size()});
        }
        at += segment.size();
    }
    for (int i = insertAt; i < pieces.size(); ++i) {
        result.append(pieces[i]);
        at += pieces[i].size;
    }
    const qint64 primarySize = at;
    const MpIndex index = readMpIndex(*storage);
    if (mpfPiece < 0 || index.entriesAt < 0 || primarySize + parts.gainMap.size() > qint64(0xFFFFFFFFu))
        return false;
    index.put32(*storage, index.entriesAt + 4, quint32(primarySize));
    index.put32(*storage, index.entriesAt + 16 + 4, quint32(parts.gainMap.size()));
    index.put32(*storage, index.entriesAt + 16 + 8, quint32(primarySize - mpfTiff));
    result[mpfPiece] = {storage->constData(), storage->size()};
    result.append({parts.gainMap.constData(), parts.gainMap.size()});
    pieces = result;
    return true;
}
