#pragma once

#include <QStringList>

class QMimeData;

// The local file paths a drag carries, in the order of its URL list. A URL
// that is not a local file gives an empty string in its place, which no photo
// rule accepts. Every drop handler goes through here, so there is one place
// that turns a dropped URL into a path: byte for byte, so that names which are
// not UTF-8 still open.
namespace DroppedPaths {

QStringList localPaths(const QMimeData *mime);

} // namespace DroppedPaths
