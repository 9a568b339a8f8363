#include "BatchRun.h"

#include "ConvertThread.h"
#include "OutputLocation.h"

namespace {

// Each worker hands the decoder a temporary name of its own, so concurrent
// decoder calls never share a file. Literals: they outlive every worker.
const char *const kWorkerTempFileNames[BatchRun::kWorkerCount] = {"temp1.hevc", "temp2.hevc", "temp3.hevc",
                                                                  "temp4.hevc"};

} // namespace

BatchRun::BatchRun(QObject *parent)
    : QObject(parent)
{
    for (int k = 0; k < kWorkerCount; ++k) {
        ConvertThread *worker = new ConvertThread(this);
        worker->setTempFileName(kWorkerTempFileNames[k]);
        m_workers[k] = worker;
        connect(worker, &ConvertThread::signal_ItemConverted, this,
                [this](int index, const QString &output) { record(index, Outcome::Converted, output, QString()); });
        connect(worker, &ConvertThread::signal_ItemSkipped, this, [this](int index, const QString &existing) {
            record(index, Outcome::Skipped, existing, tr("a file of that name is already there"));
        });
        connect(worker, &ConvertThread::signal_ItemFailed, this,
                [this](int index, const QString &reason) { record(index, Outcome::Failed, QString(), reason); });
        // A photo's further images and warnings come before its own report.
        connect(worker, &ConvertThread::signal_ImageConverted, this, [this](const QString &input, const QString &output) {
            if (FileResult *result = pendingResultOf(input))
                result->otherOutputs.append(output);
        });
        connect(worker, &ConvertThread::signal_FileWarning, this, [this](const QString &input, const QString &warning) {
            if (FileResult *result = pendingResultOf(input))
                result->warnings.append(warning);
        });
        // Queued after the worker's last report, so every report is in when
        // the last worker's finished() arrives.
        connect(worker, &QThread::finished, this, &BatchRun::workerFinished);
    }
}

BatchRun::~BatchRun()
{
    stopAndWait();
}

bool BatchRun::start(const QVector<ConvertQueue::Item> &items, const Settings &settings)
{
    if (isRunning() || items.isEmpty())
        return false;
    // A worker may still be winding down (its finished() not delivered yet):
    // the setters below wait for it.
    m_results = QVector<FileResult>(items.size());
    m_converted = m_failed = m_skipped = 0;
    m_cancelled = false;
    m_outputFolder = settings.savePath;
    OutputLocation::completeSavePath(m_outputFolder, OutputLocation::Form::Batch);

    ConvertQueue &queue = convertQueue();
    queue.beginBatch(settings.existing);
    for (int i = 0; i < items.size(); ++i) {
        ConvertQueue::Item item = items.at(i);
        item.index = i;
        item.outputPath.clear();
        m_results[i].input = item.path;
        queue.push(std::move(item));
    }
    for (ConvertThread *worker : m_workers) {
        worker->setDecoder(settings.decoder);
        worker->setQuality(settings.quality);
        worker->setSavePath(settings.savePath);
        worker->setDecoderFlags(settings.decoderFlags);
        worker->setAllImages(settings.allImages);
        worker->setStop(false);
    }
    m_activeWorkers = kWorkerCount;
    for (ConvertThread *worker : m_workers)
        worker->start(QThread::InheritPriority);
    return true;
}

void BatchRun::cancel()
{
    if (!isRunning())
        return;
    m_cancelled = true;
    for (ConvertThread *worker : m_workers)
        worker->setStop(true);
    convertQueue().clear();
}

void BatchRun::stopAndWait()
{
    for (ConvertThread *worker : m_workers)
        worker->setStop(true);
    if (isRunning()) {
        m_cancelled = true;
        convertQueue().clear();
    }
    for (ConvertThread *worker : m_workers)
        worker->wait();
}

void BatchRun::record(int index, Outcome outcome, const QString &output, const QString &reason)
{
    if (index < 0 || index >= m_results.size() || m_results[index].outcome != Outcome::Pending)
        return;
    FileResult &result = m_results[index];
    result.outcome = outcome;
    result.output = output;
    result.reason = reason;
    switch (outcome) {
    case Outcome::Converted: ++m_converted; break;
    case Outcome::Failed: ++m_failed; break;
    case Outcome::Skipped: ++m_skipped; break;
    case Outcome::Pending: break;
    }
    emit fileDone(index);
}

BatchRun::FileResult *BatchRun::pendingResultOf(const QString &input)
{
    for (FileResult &result : m_results)
        if (result.outcome == Outcome::Pending && result.input == input)
            return &result;
    return nullptr;
}

void BatchRun::workerFinished()
{
    if (m_activeWorkers == 0)
        return;
    if (--m_activeWorkers == 0)
        emit finished();
}
