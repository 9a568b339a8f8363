#include "LaunchFiles.h"

#include "PhotoFiles.h"
#include "filenamecodec.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace LaunchFiles {

QStringList fromArguments(const QStringList &arguments)
{
    QStringList paths;
    for (const QString &argument : arguments) {
        if (argument.isEmpty())
            continue;
        QString path = argument;
        if (argument.startsWith(QLatin1String("file:"))) {
            path = PlatformText::localFileFromUrl(QUrl(argument));
            if (path.isEmpty())
                continue;
        }
        paths << QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    }
    return paths;
}

QStringList unusable(const QStringList &paths)
{
    QStringList left;
    for (const QString &path : paths) {
        if (!PhotoFiles::isPhotoOrFolder(path))
            left << path;
    }
    return left;
}

} // namespace LaunchFiles
