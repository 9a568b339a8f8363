#include "OutputLocation.h"

#include "PhotoFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace OutputLocation {

QString outputName(const QString &fileName)
{
    QString name = fileName;
    name.replace(QLatin1String(".HEIC"), QLatin1String(".jpg"), Qt::CaseSensitive);
    name.replace(QLatin1String(".heic"), QLatin1String(".jpg"), Qt::CaseSensitive);
    if (!name.endsWith(QLatin1String(".jpg"))) {
        if (const int suffixLength = PhotoFiles::heifSuffixLength(name)) {
            name.chop(suffixLength);
            name += QLatin1String(".jpg");
        }
    }
    // Whatever was given (a renamed photo, a name without suffix), what is
    // written is a JPEG and its name must say so.
    if (!name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive)
        && !name.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive))
        name += QLatin1String(".jpg");
    return name;
}

QString numberedName(const QString &name, int n)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const bool hasSuffix = dot > 0;
    const QString base = hasSuffix ? name.left(dot) : name;
    const QString suffix = hasSuffix ? name.mid(dot) : QString();
    return base + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')') + suffix;
}

QString otherImagePath(const QString &primaryOutputPath, int imageNumber)
{
    const int slash = primaryOutputPath.lastIndexOf(QLatin1Char('/'));
    const int dot = primaryOutputPath.lastIndexOf(QLatin1Char('.'));
    const bool hasSuffix = dot > slash + 1;
    const QString base = hasSuffix ? primaryOutputPath.left(dot) : primaryOutputPath;
    const QString suffix = hasSuffix ? primaryOutputPath.mid(dot) : QStringLiteral(".jpg");
    return base + QLatin1Char('-') + QString::number(imageNumber) + suffix;
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

bool isUsableFolder(const QString &folder, QString *reason)
{
    // Without trailing slashes: lstat of "link/" would look at the link's target.
    const QString path = QDir::cleanPath(folder);
    auto fail = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT)
            return fail(QCoreApplication::translate("OutputLocation", "the folder %1 does not exist").arg(path));
        return fail(QCoreApplication::translate("OutputLocation", "cannot use the folder %1: %2").arg(path, qt_error_string(errno)));
    }
    if (S_ISLNK(st.st_mode))
        return fail(QCoreApplication::translate("OutputLocation", "the folder %1 is a symbolic link; only a real folder is used for the JPEGs")
                        .arg(path));
    if (!S_ISDIR(st.st_mode))
        return fail(QCoreApplication::translate("OutputLocation", "%1 is not a folder").arg(path));
    if (st.st_uid != ::geteuid())
        return fail(QCoreApplication::translate("OutputLocation", "the folder %1 belongs to another user").arg(path));
    return true;
}

namespace {

// Creates one folder level; a level that appeared meanwhile (another worker)
// is fine.
bool makeFolder(const QString &path, QString *reason)
{
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0 && errno != EEXIST) {
        if (reason)
            *reason = QCoreApplication::translate("OutputLocation", "cannot create the folder %1: %2").arg(path, qt_error_string(errno));
        return false;
    }
    return true;
}

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace

bool prepareFolder(const QString &folder, bool isDefaultFolder, QString *reason)
{
    const QString path = QDir::cleanPath(folder);
    if (!exists(path)) {
        if (isDefaultFolder)
            QDir().mkpath(QFileInfo(path).path());
        if (!makeFolder(path, reason))
            return false;
    }
    return isUsableFolder(path, reason);
}

bool prepareSubfolder(const QString &root, const QString &subfolder, QString *reason)
{
    QString path = QDir::cleanPath(root);
    const QStringList levels = subfolder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &level : levels) {
        if (level == QLatin1String(".") || level == QLatin1String("..")) {
            if (reason)
                *reason = QCoreApplication::translate("OutputLocation", "the folder name %1 is not allowed").arg(subfolder);
            return false;
        }
        path += QLatin1Char('/') + level;
        if (!exists(path) && !makeFolder(path, reason))
            return false;
        if (!isUsableFolder(path, reason))
            return false;
    }
    return true;
}

bool prepareFolderTree(const QString &folder, QString *reason)
{
    const QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    QString existing = path;
    while (!exists(existing) && existing != QLatin1String("/"))
        existing = QFileInfo(existing).path();
    if (existing == path)
        return true; // the rule holds the folder it writes into, not the user's own choice
    return prepareSubfolder(existing, QDir(existing).relativeFilePath(path), reason);
}

QString outputFolder(const QString &completedSavePath, const QString &inputPath, const QString &subfolder,
                     bool beside)
{
    if (beside)
        return QFileInfo(inputPath).path();
    if (subfolder.isEmpty())
        return completedSavePath;
    QString folder = completedSavePath;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + subfolder;
}

QString wantedOutputPath(const QString &completedSavePath, const QString &inputPath, const QString &subfolder,
                         bool beside)
{
    return outputFolder(completedSavePath, inputPath, subfolder, beside) + QLatin1Char('/')
         + outputName(QFileInfo(inputPath).fileName());
}

QSet<QString> foldedEntryNames(const QString &folder)
{
    QSet<QString> names;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        names.insert(foldedName(entry));
    return names;
}

QString resolve(QString &savePath, const QString &inputPath, Form form, bool *folderReady, QString *reason,
                Existing existing, QString *existingPath)
{
    const bool isDefault = savePath.isEmpty();
    completeSavePath(savePath, form);
    const QString folder = savePath;
    QString why;
    const bool ready = prepareFolder(folder, isDefault, &why);
    if (folderReady)
        *folderReady = ready;
    if (reason)
        *reason = why;
    if (existingPath)
        existingPath->clear();

    const QFileInfo input(inputPath);
    const QString name = outputName(input.fileName());
    // The input must never be replaced by its own JPEG.
    auto isInput = [&](const QString &candidate) {
        const QFileInfo output(candidate);
        if (QDir::cleanPath(output.absoluteFilePath()) == QDir::cleanPath(input.absoluteFilePath()))
            return true;
        return output.exists() && input.exists() && output.canonicalFilePath() == input.canonicalFilePath();
    };
    const QSet<QString> taken = existing == Existing::Replace ? QSet<QString>() : foldedEntryNames(folder);
    QString outputPath = wantedOutputPath(folder, inputPath, QString(), false);
    for (int n = 2;; ++n) {
        const QString candidateName = QFileInfo(outputPath).fileName();
        if (!isInput(outputPath) && !taken.contains(foldedName(candidateName)))
            break;
        if (existing == Existing::Skip && !isInput(outputPath)) {
            if (existingPath)
                *existingPath = outputPath;
            break;
        }
        outputPath = folder + QLatin1Char('/') + numberedName(name, n);
    }
    return outputPath;
}

} // namespace OutputLocation
