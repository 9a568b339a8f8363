#include "DroppedPaths.h"

#include "filenamecodec.h"

#include <QMimeData>
#include <QUrl>

namespace DroppedPaths {

QStringList localPaths(const QMimeData *mime)
{
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    const QList<QUrl> urls = mime->urls();
    paths.reserve(urls.size());
    for (const QUrl &url : urls)
        paths.append(PlatformText::localFileFromUrl(url));
    return paths;
}

} // namespace DroppedPaths
