#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Which files are HEIF photos, and the photos a set of dropped or chosen paths
// stands for. Shared by the drop page, the batch table, the preview page and
// the command-line converter, so that all of them take the same files.
//
// A HEIF photo is a file whose name ends in one of the suffixes phones and
// cameras write (".heic", ".heif", ".hif"), in any letter case: Linux file
// names are case-sensitive, the cameras' are not.
namespace PhotoFiles {

// The suffixes, lower case, with their dot.
const QStringList &heifSuffixes();

// The length of the HEIF suffix fileName (a name or a path) ends in, any
// case, with its dot; 0 when none (a bare ".heic" has none: it is all suffix).
int heifSuffixLength(const QString &fileName);

// True when fileName (a name or a path) ends in a HEIF suffix, any case.
bool isHeifPhotoName(const QString &fileName);

// True when path is a regular file with a HEIF name, or a folder (which may
// hold photos; what it holds is not looked at).
bool isPhotoOrFolder(const QString &path);

// The name filter for file dialogs, e.g. tr("Image Files") + " (*.heic ...)".
// Lists every suffix in lower and upper case, since a dialog's filter may be
// case-sensitive on this platform.
QString fileDialogFilter(const QString &caption);

// One path the user gave, expanded.
struct Collected {
    QVector<QString> photos;   // regular files with a HEIF name, in a stable order
    int skipped = 0;           // given files that are not HEIF photos (or not regular files)
};

// Expands paths: a regular file with a HEIF name is taken as it is; a folder
// is walked (recursively when recursive is true, else its own files only) and
// contributes its HEIF photos in name order; symbolic links to folders are not
// followed inside a walk (no cycles). Anything else counts as skipped. The
// result keeps the order of paths; a photo reached twice is listed once.
Collected collect(const QStringList &paths, bool recursive);

} // namespace PhotoFiles
