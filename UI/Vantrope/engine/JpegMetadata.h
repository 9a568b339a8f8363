#pragma once

// The metadata of a photo as JPEG marker segments, and the walk over a JPEG
// stream's header segments that finds them. Every read is bounded by the
// length given; a malformed stream ends the walk, never reads past it.

#include "GainMapSplice.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

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
// Any other segment is left out; a
// malformed stream gives whatever was found before the fault.
JpegMetadata extractJpegMetadata(const char *jpeg, int length);
inline JpegMetadata extractJpegMetadata(const QByteArray &jpeg)
{
    return extractJpegMetadata(jpeg.constData(), jpeg.size());
}

// True for a complete APP1 marker segment holding EXIF ("Exif\0\0").
bool isExifSegment(const QByteArray &segment);

// True for a complete APP2 marker segment holding an ICC profile chunk.
bool isIccSegment(const QByteArray &segment);

namespace JpegSegments {

enum : unsigned char { SOI = 0xD8, EOI = 0xD9, SOS = 0xDA, APP0 = 0xE0, APP1 = 0xE1, APP2 = 0xE2 };

// Walks the marker segments in front of the first scan. visit(marker, offset,
// size) gets each segment with a length field, offset pointing at its 0xFF;
// it returns false to stop. Returns the offset where the walk stopped (the
// scan, or the end of what parsed), or -1 when the stream does not start
// with SOI.
template <typename Visit>
int walkHeader(const unsigned char *p, int length, Visit visit)
{
    if (!p || length < 4 || p[0] != 0xFF || p[1] != SOI)
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
        if (segmentLength < 2 || segmentLength > length - pos - 2)
            return pos;
        if (!visit(marker, pos, segmentLength + 2))
            return pos;
        pos += 2 + segmentLength;
    }
    return pos;
}

} // namespace JpegSegments
