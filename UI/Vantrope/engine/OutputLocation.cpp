#include "OutputLocation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace OutputLocation {

QString outputName(const QString &fileName)
{
    QString name = fileName;
    name.replace(QLatin1String(".HEIC"), QLatin1String(".jpg"), Qt::CaseSensitive);
    name.replace(QLatin1String(".heic"), QLatin1String(".jpg"), Qt::CaseSensitive);
    return name;
}

void completeSavePath(QString &savePath, Form form)
{
    if (savePath.isEmpty()) {
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        savePath = desktop + (form == Form::Batch ? QLatin1String("/Quorvix/") : QLatin1String("/Quorvix"));
    } else if (!savePath.contains(QLatin1String("/Quorvix"), Qt::CaseSensitive)) {
        if (form == Form::SinglePhoto && savePath.endsWith(QLatin1String(":/")))
            savePath += QLatin1String("Quorvix");
        else
            savePath += QLatin1String("/Quorvix");
    }
}

bool prepareFolder(const QString &folder, bool isDefaultFolder)
{
    QDir dir(folder);
    if (dir.exists())
        return true;
    // Two workers may create the folder at the same moment: what counts is
    // that it exists afterwards.
    if (isDefaultFolder)
        QDir().mkpath(folder);
    else
        QDir().mkdir(folder);
    return QFileInfo(folder).isDir();
}

QString resolve(QString &savePath, const QString &inputPath, Form form, bool *folderReady)
{
    const bool isDefault = savePath.isEmpty();
    completeSavePath(savePath, form);
    const QString folder = savePath;
    const bool ready = prepareFolder(folder, isDefault);
    if (folderReady)
        *folderReady = ready;

    const QFileInfo input(inputPath);
    QString outputPath = folder + QLatin1Char('/') + outputName(input.fileName());
    // The input must never be replaced by its own JPEG.
    const QFileInfo output(outputPath);
    if (output.exists() && input.exists()
        && (output.canonicalFilePath() == input.canonicalFilePath()))
        outputPath = folder + QLatin1Char('/') + input.fileName() + QLatin1String(".jpg");
    else if (QDir::cleanPath(output.absoluteFilePath()) == QDir::cleanPath(input.absoluteFilePath()))
        outputPath = folder + QLatin1Char('/') + input.fileName() + QLatin1String(".jpg");
    return outputPath;
}

} // namespace OutputLocation
