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

} // namespace JpegInspect
