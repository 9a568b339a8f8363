#include "desktopopener.h"

#include <QDesktopServices>
#include <QDir>
#include <QMutex>
#include <QMutexLocker>

namespace DesktopOpener {
namespace {

QMutex openerLock;

Opener &currentOpener()
{
    static Opener opener;
    return opener;
}

} // namespace

bool openUrl(const QUrl &url)
{
    Opener opener;
    {
        QMutexLocker locker(&openerLock);
        opener = currentOpener();
    }
    if (opener)
        return opener(url);
    return QDesktopServices::openUrl(url);
}

bool openFolder(const QString &folderPath)
{
    return openUrl(QUrl::fromLocalFile(QDir::cleanPath(folderPath)));
}

Opener setOpener(Opener opener)
{
    QMutexLocker locker(&openerLock);
    Opener previous = currentOpener();
    currentOpener() = std::move(opener);
    return previous;
}

} // namespace DesktopOpener
