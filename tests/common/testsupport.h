#pragma once

#include <QString>

class QWidget;

namespace TestSupport {

// Folder of the developers' real photos, or an empty string when it is not
// there (a fresh clone in CI); tests over real photos QSKIP then.
QString sharedTestDataDir();

// The path of one real photo, or an empty string when it is not available.
QString sharedTestFile(const QString &fileName);

// Renders a widget (shown, laid out, events processed) into
// <gallery dir>/<name>.png, so the look can be checked by eye. The gallery
// folder is build/gallery under ctest. Returns the written path.
QString saveToGallery(QWidget *widget, const QString &name);

} // namespace TestSupport
