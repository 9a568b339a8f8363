#include "JpegMetadata.h"

#include <cstring>

namespace {

const char kExifId[] = "Exif\0\0";          // 6 bytes
const char kIccId[] = "ICC_PROFILE\0";      // 12 bytes

} // namespace

bool isIccSegment(const QByteArray &segment)
{
    return segment.size() >= 16 && static_cast<unsigned char>(segment[1]) == JpegSegments::APP2
        && memcmp(segment.constData() + 4, kIccId, 12) == 0;
}

bool isExifSegment(const QByteArray &segment)
{
    return segment.size() >= 10 && static_cast<unsigned char>(segment[1]) == JpegSegments::APP1
        && memcmp(segment.constData() + 4, kExifId, 6) == 0;
}

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
    JpegSegments::walkHeader(reinterpret_cast<const unsigned char *>(jpeg), length,
                             [&](unsigned char marker, int offset, int size) {
                                 if (marker == JpegSegments::APP1 || marker == JpegSegments::APP2) {
                                     QByteArray segment(jpeg + offset, size);
                                     if (isExifSegment(segment) || isIccSegment(segment))
                                         metadata.segments.append(segment);
                                 }
                                 return true;
                             });
    metadata.gainMap = extractGainMap(jpeg, length);
    return metadata;
}

