#pragma once

// Reading back what the engine wrote: the JPEG's EXIF Orientation and its
// embedded ICC profile.

#include <QByteArray>

namespace JpegInspect {

// The Orientation tag of the EXIF APP1 segment; 0 when there is no EXIF or
// no such tag.
int exifOrientation(const QByteArray &jpeg);

// Number of EXIF APP1 segments.
int exifSegmentCount(const QByteArray &jpeg);

// The ICC profile assembled from its ICC_PROFILE APP2 chunks; empty if none.
QByteArray iccProfile(const QByteArray &jpeg);

// The two pictures of a gain-map JPEG, cut where its MPF index says; both
// empty when there is no index or it does not describe the file exactly (the
// first picture ending at its EOI, the second filling the rest).
struct GainMapPictures
{
    QByteArray primary, gainMap;
    QByteArray primaryXmp, gainMapXmp; // the XMP packets' text
    bool isValid() const { return !gainMap.isEmpty(); }
};
GainMapPictures gainMapPictures(const QByteArray &jpeg);

} // namespace JpegInspect
