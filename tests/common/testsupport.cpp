#include "testsupport.h"
#include "widgetsnapshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTest>
#include <QWidget>

namespace TestSupport {

QString sharedTestDataDir()
{
    const QString dir = qEnvironmentVariable("VANTROPE_TESTDATA");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return QString();
    return QDir(dir).absolutePath();
}

QString sharedTestFile(const QString &fileName)
{
    const QString dir = sharedTestDataDir();
    if (dir.isEmpty())
        return QString();
    const QString path = dir + QLatin1Char('/') + fileName;
    return QFileInfo::exists(path) ? path : QString();
}

QString saveToGallery(QWidget *widget, const QString &name)
{
    QString dir = qEnvironmentVariable("VANTROPE_GALLERY_DIR");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../gallery");
    QDir().mkpath(dir);
    const QString path = QDir(dir).absoluteFilePath(name + QStringLiteral(".png"));
    writeSnapshot(widget, path, [] {
        QCoreApplication::processEvents();
        QTest::qWait(50);
    });
    return path;
}

} // namespace TestSupport
