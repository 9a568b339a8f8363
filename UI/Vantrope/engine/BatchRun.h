#pragma once

#include "ConvertQueue.h"
#include "Heif2jpg.h"
#include "OutputLocation.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class ConvertThread;

// One batch conversion, as both the batch page and vantrope-convert run it:
// the inputs go onto convertQueue() in the order given, kWorkerCount workers
// convert them, and the outcome of every input is kept by its position.
//
// Lives in the GUI thread. The workers report through queued signals, so
// fileDone() and finished() arrive in the owner's thread, one at a time;
// finished() comes after the last fileDone() of the batch.
//
// Cancelling drops the inputs nobody took yet and lets the workers finish
// the files in hand; finished() follows once every worker has ended.
// Destroying a running batch cancels it and waits for the files in hand, so
// no thread is destroyed while it runs and no half-written JPEG is left.
class BatchRun : public QObject
{
    Q_OBJECT

public:
    // Workers of one batch, each with its own temporary file name.
    static constexpr int kWorkerCount = 4;

    struct Settings
    {
        Heif2jpgFunc decoder = nullptr; // null keeps the decoder of the last batch
        int quality = 100;
        QString savePath; // as the user gave it; empty for the default folder
        OutputLocation::Existing existing = OutputLocation::Existing::KeepBoth;
        int32_t decoderFlags = 0; // kDecoderFlagSdrOnly: plain SDR JPEGs, no gain map
        bool allImages = false;   // also every further top-level image of a photo
    };

    enum class Outcome { Pending, Converted, Failed, Skipped };

    struct FileResult
    {
        Outcome outcome = Outcome::Pending;
        QString input;
        QString output; // the JPEG written (Converted), the file left in place (Skipped)
        QString reason; // why not (Failed, Skipped)
        QStringList otherOutputs; // the photo's further images written (allImages)
        QStringList warnings;     // what the JPEGs lack that the photo had, images not written
    };

    explicit BatchRun(QObject *parent = nullptr);
    ~BatchRun() override;

    // Starts a batch of the items, in this order. False (nothing started)
    // while workers of an earlier batch are still running or when there is
    // no item.
    bool start(const QVector<ConvertQueue::Item> &items, const Settings &settings);

    // Stops the batch: no further input is taken; the files in hand are
    // finished and reported. Inputs not taken stay Pending.
    void cancel();

    // Cancels and waits until every worker has ended.
    void stopAndWait();

    // True from start() until finished().
    bool isRunning() const { return m_activeWorkers > 0; }
    bool isCancelled() const { return m_cancelled; }

    int total() const { return m_results.size(); }
    int convertedCount() const { return m_converted; }
    int failedCount() const { return m_failed; }
    int skippedCount() const { return m_skipped; }
    int processedCount() const { return m_converted + m_failed + m_skipped; }

    // One entry per input of the last batch, in the order of start().
    const QVector<FileResult> &results() const { return m_results; }

    // The folder the batch writes into (the save path as the output location
    // rule completes it), for inputs that are not written beside themselves.
    QString outputFolder() const { return m_outputFolder; }

signals:
    // The input at index (its position in start()'s items) is done.
    void fileDone(int index);
    // Every worker of the batch has ended; every report is in.
    void finished();

private:
    void record(int index, Outcome outcome, const QString &output, const QString &reason);
    // The result of an input still in hand, by its path; null when none.
    FileResult *pendingResultOf(const QString &input);
    void workerFinished();

    ConvertThread *m_workers[kWorkerCount];
    QVector<FileResult> m_results;
    QString m_outputFolder;
    int m_converted = 0;
    int m_failed = 0;
    int m_skipped = 0;
    int m_activeWorkers = 0;
    bool m_cancelled = false;
};
