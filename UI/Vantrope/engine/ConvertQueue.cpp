#include "ConvertQueue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

// Built during static initialisation, before main.
static ConvertQueue g_convertQueue;

ConvertQueue &convertQueue()
{
    return g_convertQueue;
}

namespace {

// One spelling per folder: its real path when it exists (links and "." or
// ".." resolved), else the cleaned absolute path.
QString folderKey(const QString &folder)
{
    const QFileInfo info(folder.isEmpty() ? QStringLiteral("/") : folder);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// Keys ignore case: two names that differ only in case are one file on the
// file systems that ignore it.
QString joinKey(const QString &folderKey, const QString &name)
{
    const QString key = folderKey.endsWith(QLatin1Char('/')) ? folderKey + name : folderKey + QLatin1Char('/') + name;
    return OutputLocation::foldedName(key);
}

// A path cut at its last "/". folder is null when there is no "/" (the name
// is then taken as it is) and "." stands for it in folder keys.
struct SplitPath
{
    QString folder;
    QString name;
    QString keyFolder() const { return folder.isNull() ? QStringLiteral(".") : folder; }
};

SplitPath splitPath(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QString(), path};
    return {path.left(slash), path.mid(slash + 1)};
}

bool deviceOf(const QString &path, dev_t *device)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    *device = st.st_dev;
    return true;
}

} // namespace

void ConvertQueue::push(QString strFilePath)
{
    Item item;
    item.path = std::move(strFilePath);
    push(std::move(item));
}

void ConvertQueue::push(Item item)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_items.push_back(std::move(item));
}

std::optional<QString> ConvertQueue::pop()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_items.empty())
        return std::nullopt;
    QString front = m_items.front().path;
    m_items.pop_front();
    return front;
}

std::optional<ConvertQueue::Item> ConvertQueue::take(const std::function<QString(const Item &)> &wantedOutput)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_items.empty())
        return std::nullopt;
    if (m_items.front().outputPath.isEmpty())
        nameQueuedItems(wantedOutput);
    Item front = std::move(m_items.front());
    m_items.pop_front();
    return front;
}

void ConvertQueue::nameQueuedItems(const std::function<QString(const Item &)> &wantedOutput)
{
    std::lock_guard<std::mutex> names(m_namesMutex);
    QHash<QString, QString> keys; // folder -> key, for this pass
    auto keyOf = [&keys](const QString &folder) {
        auto it = keys.find(folder);
        if (it == keys.end())
            it = keys.insert(folder, folderKey(folder));
        return *it;
    };
    // Every input of the batch is known before the first name is given.
    for (const Item &item : m_items) {
        if (!item.outputPath.isEmpty())
            continue;
        const QFileInfo input(item.path);
        m_batchInputs.insert(joinKey(keyOf(input.path()), input.fileName()));
        const QString canonical = input.canonicalFilePath();
        if (!canonical.isEmpty())
            m_batchInputs.insert(OutputLocation::foldedName(canonical));
    }
    // What each output folder held before the batch, read once per folder.
    QHash<QString, QSet<QString>> entries;
    for (Item &item : m_items) {
        if (!item.outputPath.isEmpty())
            continue;
        const SplitPath wanted = splitPath(wantedOutput(item));
        const QString key = keyOf(wanted.keyFolder());
        auto listed = entries.find(key);
        if (listed == entries.end())
            listed = entries.insert(key, m_existing == OutputLocation::Existing::Replace
                                             ? QSet<QString>()
                                             : OutputLocation::foldedEntryNames(wanted.keyFolder()));
        item.outputPath = reserveLocked(wanted.folder, key, wanted.name, *listed, &item.existingPath);
    }
}

QString ConvertQueue::reserveLocked(const QString &folder, const QString &key, const QString &name,
                                    const QSet<QString> &folderEntries, QString *existingPath)
{
    existingPath->clear();
    for (int n = 1;; ++n) {
        const QString candidate = n == 1 ? name : OutputLocation::numberedName(name, n);
        const QString candidateKey = joinKey(key, candidate);
        if (m_reservedOutputs.contains(candidateKey) || m_batchInputs.contains(candidateKey))
            continue;
        const QString path = folder.isNull() ? candidate : folder + QLatin1Char('/') + candidate;
        if (folderEntries.contains(OutputLocation::foldedName(candidate))) {
            if (m_existing == OutputLocation::Existing::KeepBoth)
                continue;
            // Skip: the name stays the existing file's; nothing is written.
            *existingPath = path;
        }
        m_reservedOutputs.insert(candidateKey);
        return path;
    }
}

QStringList ConvertQueue::queuedPaths() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QStringList paths;
    for (const Item &item : m_items)
        paths << item.path;
    return paths;
}

void ConvertQueue::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_items.clear();
}

OutputLocation::Existing ConvertQueue::existingPolicy() const
{
    std::lock_guard<std::mutex> lock(m_namesMutex);
    return m_existing;
}

void ConvertQueue::beginBatch(OutputLocation::Existing existing)
{
    std::lock_guard<std::mutex> queue(m_mutex);
    // Paths a stopped batch left behind are named again with the new batch.
    for (Item &item : m_items) {
        item.outputPath.clear();
        item.existingPath.clear();
    }
    std::lock_guard<std::mutex> lock(m_namesMutex);
    m_existing = existing;
    m_reservedOutputs.clear();
    m_batchInputs.clear();
    m_failedFolders.clear();
    m_failedFileSystems.clear();
    m_preparedFolders.clear();
}

QString ConvertQueue::reserveOutputPath(const QString &wantedPath)
{
    const SplitPath wanted = splitPath(wantedPath);
    const QString key = folderKey(wanted.keyFolder());
    std::lock_guard<std::mutex> lock(m_namesMutex);
    const QSet<QString> entries = m_existing == OutputLocation::Existing::KeepBoth
                                    ? OutputLocation::foldedEntryNames(wanted.keyFolder())
                                    : QSet<QString>();
    QString existingPath;
    return reserveLocked(wanted.folder, key, wanted.name, entries, &existingPath);
}

QString ConvertQueue::troubleLocked(const QString &key) const
{
    const auto it = m_failedFolders.constFind(key);
    if (it != m_failedFolders.constEnd())
        return *it;
    if (!m_failedFileSystems.empty()) {
        dev_t device;
        if (deviceOf(key, &device) || deviceOf(QFileInfo(key).path(), &device)) {
            for (const auto &failed : m_failedFileSystems)
                if (failed.first == device)
                    return failed.second;
        }
    }
    return QString();
}

QString ConvertQueue::useOutputFolder(const QString &folder,
                                      const std::function<bool(bool first, QString *reason)> &check)
{
    const QString key = QDir::cleanPath(folder);
    std::lock_guard<std::mutex> checking(m_foldersMutex);
    bool first;
    {
        std::lock_guard<std::mutex> lock(m_namesMutex);
        const QString trouble = troubleLocked(key);
        if (!trouble.isEmpty())
            return trouble;
        first = !m_preparedFolders.contains(key);
    }
    QString reason;
    const bool usable = check(first, &reason);
    std::lock_guard<std::mutex> lock(m_namesMutex);
    if (!usable) {
        if (reason.isEmpty())
            reason = QCoreApplication::translate("ConvertQueue", "cannot use the folder %1").arg(key);
        m_failedFolders.insert(key, reason);
        return reason;
    }
    m_preparedFolders.insert(key);
    return QString();
}

void ConvertQueue::markOutputFolderFailed(const QString &folder, const QString &reason, bool wholeFileSystem)
{
    const QString key = QDir::cleanPath(folder);
    dev_t device = 0;
    const bool haveDevice = wholeFileSystem && deviceOf(key, &device);
    std::lock_guard<std::mutex> lock(m_namesMutex);
    if (!m_failedFolders.contains(key))
        m_failedFolders.insert(key, reason);
    if (haveDevice)
        m_failedFileSystems.emplace_back(device, reason);
}
