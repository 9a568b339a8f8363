#pragma once

#include "OutputLocation.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include <sys/types.h>

// The one process-wide queue of file paths that the batch workers share.
// It is built during static initialisation, before main runs, and reached
// through convertQueue().
//
// The GUI thread pushes the paths of a batch before any worker starts; the
// workers take them, first in first out, until none is left. Paths nobody
// took when a batch was stopped stay queued unless the owner calls clear().
//
// The queue also holds what the workers of one batch share, reset by
// beginBatch() (call it before pushing the batch's paths):
//
// - Output names. The first take() of a batch names the JPEG of every queued
//   path, in queue order, so the same inputs always get the same names
//   whichever worker finishes first. A name that an earlier path of the batch
//   took, or that is one of the batch's inputs, becomes "IMG_1 (2).jpg",
//   "IMG_1 (3).jpg", ...: no output replaces another output or an input of
//   the batch. Files that were in the folder before the batch and are not
//   inputs are replaced as usual.
// - Output folders that cannot be written (full, read-only, removed): once a
//   worker finds one, every later path bound for it fails at once with the
//   same reason instead of being decoded first.
class ConvertQueue
{
public:
    // One queued input and where its JPEG goes.
    struct Item
    {
        QString path;
        QString subfolder;  // relative folder inside the output folder ("a/b"), empty for none
        bool beside = false; // the JPEG goes into the input's own folder
        QString outputPath; // given by take()
        int index = -1;     // the owner's number for it, handed back with its outcome
        QString existingPath; // Skip: the file that already has the output name
    };

    ConvertQueue() = default;
    ConvertQueue(const ConvertQueue &) = delete;
    ConvertQueue &operator=(const ConvertQueue &) = delete;

    void push(QString strFilePath);
    void push(Item item);

    // The front path, removed from the queue; no value when the queue is
    // empty (a worker then ends). Leaves output naming to the caller.
    std::optional<QString> pop();

    // The front item, removed from the queue, with its outputPath set; no
    // value when the queue is empty. wantedOutput gives the path an item's
    // JPEG would have before numbering (the output location rule of the
    // calling worker); items not named yet are named with it, in queue order.
    std::optional<Item> take(const std::function<QString(const Item &)> &wantedOutput);

    // The paths still waiting, front first (a snapshot).
    QStringList queuedPaths() const;

    // Empties the queue (the paths of a cancelled batch).
    void clear();

    // Forgets the output names and folder troubles of the previous batch; the
    // new batch treats files already at an output name as existing says.
    void beginBatch(OutputLocation::Existing existing = OutputLocation::Existing::KeepBoth);
    OutputLocation::Existing existingPolicy() const;

    // Returns the output path to write for wantedPath: wantedPath itself when
    // this batch has not used it yet (nor, with KeepBoth, a file in the
    // folder), otherwise the first free "<base> (n).<suffix>", n = 2, 3, ...
    // The returned path is reserved for the caller. Safe to call from every
    // worker at once. The folder is read afresh: a worker calls this when a
    // file took its name after the batch was named.
    QString reserveOutputPath(const QString &wantedPath);

    // Makes sure folder can receive this batch's JPEGs and returns why it
    // cannot, empty when it can. The first call for a folder in a batch runs
    // check(true, &reason), which creates and checks it; later calls run
    // check(false, &reason), which checks that it is still there. Checks run
    // one at a time. A failed check, or markOutputFolderFailed, fails the
    // folder for the rest of the batch: later calls return the reason at once.
    QString useOutputFolder(const QString &folder, const std::function<bool(bool first, QString *reason)> &check);

    // Records that folder cannot be written, for the rest of the batch. When
    // wholeFileSystem is true (full, read-only file system) every folder on
    // the same file system counts as failed.
    void markOutputFolderFailed(const QString &folder, const QString &reason, bool wholeFileSystem);

private:
    QString troubleLocked(const QString &folderKey) const;
    QString reserveLocked(const QString &folder, const QString &folderKey, const QString &name,
                          const QSet<QString> &folderEntries, QString *existingPath);
    void nameQueuedItems(const std::function<QString(const Item &)> &wantedOutput);

    mutable std::mutex m_mutex;
    std::deque<Item> m_items;

    // Serialises useOutputFolder's checks; taken before m_namesMutex.
    std::mutex m_foldersMutex;

    // Guarded by m_namesMutex; taken after m_mutex when both are held.
    mutable std::mutex m_namesMutex;
    QSet<QString> m_reservedOutputs;   // keys: real folder + "/" + name
    QSet<QString> m_batchInputs;       // keys of the batch's inputs
    QHash<QString, QString> m_failedFolders;
    std::vector<std::pair<dev_t, QString>> m_failedFileSystems;
    QSet<QString> m_preparedFolders;
    OutputLocation::Existing m_existing = OutputLocation::Existing::KeepBoth;
};

ConvertQueue &convertQueue();
