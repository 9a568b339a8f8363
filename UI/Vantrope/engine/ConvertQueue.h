#pragma once

#include <QSet>
#include <QString>

#include <deque>
#include <mutex>
#include <optional>

// The one process-wide queue of file paths that the batch workers share.
// It is built during static initialisation, before main runs, and reached
// through convertQueue().
//
// The GUI thread pushes the paths of a batch before any worker starts; the
// workers pop them, first in first out, until pop reports that none is left.
// Paths nobody took when a batch was stopped stay queued unless the owner
// calls clear().
//
// The queue also keeps the output names the current batch has written, so
// that two inputs of one batch that map to the same output name do not
// replace each other: the later one gets "IMG_1 (2).jpg", "IMG_1 (3).jpg", ...
// Files that were in the folder before the batch are replaced as usual.
// beginBatch() starts a new batch: call it before pushing the batch's paths.
class ConvertQueue
{
public:
    ConvertQueue() = default;
    ConvertQueue(const ConvertQueue &) = delete;
    ConvertQueue &operator=(const ConvertQueue &) = delete;

    void push(QString strFilePath);

    // The front path, removed from the queue; no value when the queue is
    // empty (a worker then ends).
    std::optional<QString> pop();

    // Empties the queue (the paths of a cancelled batch).
    void clear();

    // Forgets the output names of the previous batch.
    void beginBatch();

    // Returns the output path to write for wantedPath: wantedPath itself when
    // this batch has not used it yet, otherwise the first free
    // "<base> (n).<suffix>", n = 2, 3, ... The returned path is reserved for
    // the caller. Safe to call from every worker at once.
    QString reserveOutputPath(const QString &wantedPath);

private:
    std::mutex m_mutex;
    std::deque<QString> m_items;

    std::mutex m_namesMutex;
    QSet<QString> m_reservedOutputs;
};

ConvertQueue &convertQueue();
