#include "picturesizes.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace tarnwick {
namespace {

thread_local PictureSizeLog *t_current = nullptr;

std::mutex g_sharedMutex;
std::vector<PictureSizeLog *> g_shared; // logs taking reports from threads of no conversion

void lower(std::atomic<int> &smallest, int value)
{
    int now = smallest.load();
    while (value < now && !smallest.compare_exchange_weak(now, value)) {
    }
}

} // namespace

PictureSizeLog::PictureSizeLog(bool tilesOnOtherThreads)
    : m_outer(t_current)
    , m_shared(tilesOnOtherThreads)
{
    t_current = this;
    if (m_shared) {
        const std::lock_guard<std::mutex> lock(g_sharedMutex);
        g_shared.push_back(this);
    }
}

PictureSizeLog::~PictureSizeLog()
{
    if (m_shared) {
        const std::lock_guard<std::mutex> lock(g_sharedMutex);
        g_shared.erase(std::remove(g_shared.begin(), g_shared.end(), this), g_shared.end());
    }
    t_current = m_outer;
}

PictureSizeLog *PictureSizeLog::current()
{
    return t_current;
}

void PictureSizeLog::clear()
{
    m_count = 0;
    m_smallestWidth = INT_MAX;
    m_smallestHeight = INT_MAX;
}

void PictureSizeLog::record(int width, int height)
{
    ++m_count;
    lower(m_smallestWidth, width);
    lower(m_smallestHeight, height);
}

void recordDecodedPicture(int width, int height)
{
    if (PictureSizeLog *log = t_current) {
        log->record(width, height);
        return;
    }
    const std::lock_guard<std::mutex> lock(g_sharedMutex);
    for (PictureSizeLog *log : g_shared)
        log->record(width, height);
}

} // namespace tarnwick
