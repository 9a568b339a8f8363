#include "ConvertQueue.h"

// Built during static initialisation, before main.
static ConvertQueue g_convertQueue;

ConvertQueue &convertQueue()
{
    return g_convertQueue;
}

void ConvertQueue::push(QString strFilePath)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_items.push_back(std::move(strFilePath));
}

std::optional<QString> ConvertQueue::pop()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_items.empty())
        return std::nullopt;
    QString front = m_items.front();
    m_items.pop_front();
    return front;
}

void ConvertQueue::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_items.clear();
}

void ConvertQueue::beginBatch()
{
    std::lock_guard<std::mutex> lock(m_namesMutex);
    m_reservedOutputs.clear();
}

QString ConvertQueue::reserveOutputPath(const QString &wantedPath)
{
    std::lock_guard<std::mutex> lock(m_namesMutex);
    if (!m_reservedOutputs.contains(wantedPath)) {
        m_reservedOutputs.insert(wantedPath);
        return wantedPath;
    }
    // "<folder>/<base> (n).<suffix>", the suffix being what follows the last
    // dot of the name (none for a name without one).
    const int slash = wantedPath.lastIndexOf(QLatin1Char('/'));
    const int dot = wantedPath.lastIndexOf(QLatin1Char('.'));
    const bool hasSuffix = dot > slash + 1;
    const QString base = hasSuffix ? wantedPath.left(dot) : wantedPath;
    const QString suffix = hasSuffix ? wantedPath.mid(dot) : QString();
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(base, QString::number(n), suffix);
        if (!m_reservedOutputs.contains(candidate)) {
            m_reservedOutputs.insert(candidate);
            return candidate;
        }
    }
}
