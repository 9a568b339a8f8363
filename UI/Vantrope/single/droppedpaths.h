#pragma once

#include <QStringList>

class QMimeData;

// The local file paths a drag carries, in the order of its URL list. A URL
// that is not a local file gives an empty string in its place, which no photo
// rule accepts. Every drop handler of the single-photo pages goes through
// here, so there is one place that turns a dropped URL into a path.
namespace DroppedPaths {

QStringList localPaths(const QMimeData *mime);

} // namespace DroppedPaths
