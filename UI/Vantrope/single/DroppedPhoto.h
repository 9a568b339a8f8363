#pragma once

#include <QStringList>

namespace DroppedPhoto {

// A single-photo drag is usable when its first item is a HEIF photo; the
// others are not looked at.
bool firstIsPhoto(const QStringList &paths);

} // namespace DroppedPhoto
