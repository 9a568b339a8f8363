#include "jpeginspect.h"

#include <QMap>

namespace JpegInspect {

namespace {

template <typename Visit>
void forEachSegment(const QByteArray &jpeg, Visit visit)
{
    int pos = 2;
    while (pos + 4 <= jpeg.size() && uchar(jpeg[pos]) == 0xFF && uchar(jpeg[pos + 1]) != 0xDA) {
        const int len = (uchar(jpeg[pos + 2]) << 8) | uchar(jpeg[pos + 3]);
        visit(uchar(jpeg[pos + 1]), jpeg.mid(pos + 4, len - 2));
        pos += 2 + len;
    }
}

unsigned read16(const QByteArray &t, int at, bool le)
{
    if (at + 2 > t.size())
        return 0;
    const unsigned a = uchar(t[at]), b = uchar(t[at + 1]);
    return le ? a | (b << 8) : (a << 8) | b;
}

unsigned read32(const QByteArray &t, int at, bool le)
{
    return le ? read16(t, at, le) | (read16(t, at + 2, le) << 16) : (read16(t, at, le) << 16) | read16(t, at + 2, le);
}

} // namespace

int exifOrientation(const QByteArray &jpeg)
{
    int orientation = 0;
    forEachSegment(jpeg, [&](int marker, const QByteArray &payload) {
        if (marker != 0xE1 || !payload.startsWith(QByteArray("Exif\0\0", 6)))
            return;
        const QByteArray tiff = payload.mid(6);
        const bool le = tiff.startsWith("II");
        const int ifd = int(read32(tiff, 4, le));
        const int count = int(read16(tiff, ifd, le));
        for (int i = 0; i < count; ++i) {
            const int entry = ifd + 2 + 12 * i;
            if (read16(tiff, entry, le) == 0x0112)
                orientation = int(read16(tiff, entry + 8, le));
        }
    });
    return orientation;
}

int exifSegmentCount(const QByteArray &jpeg)
{
    int n = 0;
    forEachSegment(jpeg, [&](int marker, const QByteArray &payload) {
        if (marker == 0xE1 && payload.startsWith(QByteArray("Exif\0\0", 6)))
            ++n;
    });
    return n;
}

QByteArray iccProfile(const QByteArray &jpeg)
{
    QMap<int, QByteArray> chunks;
    forEachSegment(jpeg, [&](int marker, const QByteArray &payload) {
        if (marker == 0xE2 && payload.startsWith(QByteArray("ICC_PROFILE\0", 12)) && payload.size() > 14)
            chunks[uchar(payload[12])] = payload.mid(14);
    });
    QByteArray icc;
    for (const QByteArray &c : chunks)
        icc += c;
    return icc;
}

namespace {

QByteArray xmpOf(const QByteArray &jpeg)
{
    const QByteArray id("http://ns.adobe.com/xap/1.0/\0", 29);
    QByteArray xmp;
    forEachSegment(jpeg, [&](int marker, const QByteArray &payload) {
        if (marker == 0xE1 && payload.startsWith(id))
            xmp = payload.mid(id.size());
    });
    return xmp;
}

// Where the first scan's entropy-coded data ends with EOI.
int firstEoiEnd(const QByteArray &jpeg)
{
    const int sos = jpeg.indexOf(QByteArray("\xFF\xDA", 2));
    const int eoi = sos < 0 ? -1 : jpeg.indexOf(QByteArray("\xFF\xD9", 2), sos);
    return eoi < 0 ? -1 : eoi + 2;
}

} // namespace

GainMapPictures gainMapPictures(const QByteArray &jpeg)
{
    GainMapPictures pictures;
    int mpfAt = -1;
    QByteArray mpf;
    int pos = 2;
    forEachSegment(jpeg, [&](int marker, const QByteArray &payload) {
        if (marker == 0xE2 && payload.startsWith(QByteArray("MPF\0", 4)) && mpfAt < 0) {
            mpfAt = jpeg.indexOf(payload, pos);
            mpf = payload.mid(4);
        }
    });
    if (mpfAt < 0 || mpf.size() < 82 || !mpf.startsWith("MM"))
        return pictures;
    const int entries = int(read32(mpf, 10 + 2 * 12 + 8, false));
    const int size1 = int(read32(mpf, entries + 4, false));
    const int size2 = int(read32(mpf, entries + 16 + 4, false));
    const int offset2 = int(read32(mpf, entries + 16 + 8, false));
    const int first = firstEoiEnd(jpeg);
    if (read32(mpf, entries + 8, false) != 0 || size1 != first || mpfAt + 4 + offset2 != first
        || first + size2 != jpeg.size())
        return pictures;
    pictures.primary = jpeg.left(first);
    pictures.gainMap = jpeg.mid(first);
    pictures.primaryXmp = xmpOf(pictures.primary);
    pictures.gainMapXmp = xmpOf(pictures.gainMap);
    return pictures;
}

} // namespace JpegInspect
