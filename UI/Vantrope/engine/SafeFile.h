#pragma once

// Replacing a file so that it is never seen half-written (POSIX). The new
// contents go to a fresh temporary file in the target's folder (so that the
// rename stays on one file system), are synced to disk, get their date, and
// take the target's name by rename(2) only when complete: afterwards the
// target is either the whole new file or untouched. A symbolic link at the
// target is itself replaced, never the file it points to.

#include <QDateTime>
#include <QString>
#include <QVector>

#include <sys/types.h>

// A run of bytes of the file, written in order; the data outlives the call.
struct FilePiece
{
    const char *data;
    int size;
};

// Writes the pieces to a new file beside path and renames it over path. The
// path is encoded with QFile::encodeName. fileTime (when valid) becomes the
// file's modification time. False on failure, with *why in the system's own
// words and *error the system's error number of the failed operation; the
// temporary file is then removed.
//
// With replace false, an entry that has the target name when the file is
// complete stays: the call fails with EEXIST. Where the file system can
// rename without replacing, that is one step; elsewhere the name is looked
// up just before the rename.
bool writeFileReplacing(const QString &path, const QVector<FilePiece> &pieces, const QDateTime &fileTime,
                        QString *why, int *error, bool replace = true);

// The function writeFileReplacing writes the file's bytes with; null restores
// write(2). Lets tests stand in for a full disk or a failing device.
using JpegFileWriteFunc = ssize_t (*)(int fd, const void *data, size_t size);
void setJpegFileWriteFunction(JpegFileWriteFunc function);
