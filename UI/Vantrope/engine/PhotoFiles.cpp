#include "PhotoFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace PhotoFiles {

const QStringList &heifSuffixes()
{
    static const QStringList suffixes{QStringLiteral(".heic"), QStringLiteral(".heif"),
                                      QStringLiteral(".hif")};
    return suffixes;
}

int heifSuffixLength(const QString &fileName)
{
    for (const QString &suffix : heifSuffixes()) {
        if (fileName.size() > suffix.size() && fileName.endsWith(suffix, Qt::CaseInsensitive))
            return suffix.size();
    }
    return 0;
}

bool isHeifPhotoName(const QString &fileName)
{
    return heifSuffixLength(fileName) > 0;
}

bool isPhotoOrFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() || (info.isFile() && isHeifPhotoName(info.fileName()));
}

QString fileDialogFilter(const QString &caption)
{
    QStringList patterns;
    for (const QString &suffix : heifSuffixes())
        patterns << QLatin1Char('*') + suffix;
    for (const QString &suffix : heifSuffixes())
        patterns << QLatin1Char('*') + suffix.toUpper();
    return caption + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

namespace {

void addPhoto(Collected &out, QSet<QString> &seen, const QString &path)
{
    const QString key = QFileInfo(path).absoluteFilePath();
    if (seen.contains(key))
        return;
    seen.insert(key);
    out.photos.append(path);
}

void walkFolder(Collected &out, QSet<QString> &seen, const QString &folder, bool recursive)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden,
                    recursive ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        if (isHeifPhotoName(info.fileName()) && info.isFile())
            found.append(path);
    }
    // Directory order is whatever the file system gives; names make it stable.
    std::sort(found.begin(), found.end());
    for (const QString &path : found)
        addPhoto(out, seen, path);
}

} // namespace

Collected collect(const QStringList &paths, bool recursive)
{
    Collected out;
    QSet<QString> seen;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            walkFolder(out, seen, path, recursive);
        else if (info.isFile() && isHeifPhotoName(info.fileName()))
            addPhoto(out, seen, path);
        else
            ++out.skipped;
    }
    return out;
}

} // namespace PhotoFiles
