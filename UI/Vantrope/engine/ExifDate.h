#pragma once

// The date a photo's EXIF gives for when it was taken, and the date its JPEG
// file gets from it. Only the EXIF the decoder copied into JpegMetadata is
// read; every read of the TIFF structure is bounds-checked, so a malformed
// segment gives no date rather than a wrong one.

#include "JpegMetadata.h"

#include <QDateTime>

// When the photo was taken: the EXIF DateTimeOriginal, at the offset its
// OffsetTimeOriginal gives, in local time when there is none. Invalid when the
// EXIF has no such date or it is malformed (all zeros, out of range).
QDateTime photoTakenTime(const JpegMetadata &metadata);

// The modification time a JPEG of this photo gets: photoTakenTime(), else
// metadata.sourceModified (invalid: the time of writing).
QDateTime jpegFileTime(const JpegMetadata &metadata);
