#pragma once

#include <QString>
#include <QUrl>

#include <functional>

// Opening things in the user's desktop: a folder in the file manager, a web
// address in the browser. This is where the program would start the Windows
// file manager or the shell; here it goes through QDesktopServices, which hands
// the URL to the desktop's opener.
//
// Tests replace the opener to see what would be opened without starting
// anything.
namespace DesktopOpener {

using Opener = std::function<bool(const QUrl &)>;

// Opens url with the current opener; returns what the opener returned.
bool openUrl(const QUrl &url);

// Opens a local folder in the file manager. The folder is given as the program
// holds it (forward slashes, blanks, a doubled slash are all fine).
bool openFolder(const QString &folderPath);

// Replaces the opener; an empty function restores the desktop's own.
// Returns the previous opener.
Opener setOpener(Opener opener);

} // namespace DesktopOpener
