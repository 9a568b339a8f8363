#include "pixelbudget.h"

#include "Tarnwick.h"
#include "errors.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace tarnwick {
namespace {

constexpr uint64_t kBudgetBytes = uint64_t(TARNWICK_MEMORY_BUDGET_MIB) << 20;

class MemoryBudget {
public:
    uint64_t acquire(uint64_t bytes)
    {
        bytes = std::min<uint64_t>(bytes, kBudgetBytes);
        std::unique_lock<std::mutex> lock(m_mutex);
        m_free.wait(lock, [&] { return m_inUse + bytes <= kBudgetBytes; });
        m_inUse += bytes;
        return bytes;
    }
    void release(uint64_t bytes)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_inUse -= bytes;
        }
        m_free.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_free;
    uint64_t m_inUse = 0;
};

MemoryBudget &memoryBudget()
{
    // Deliberately leaked: calls on other threads may still be running while
    // static destructors run at process exit.
    static MemoryBudget *budget = new MemoryBudget;
    return *budget;
}

ReservationBroker *g_broker = nullptr;

} // namespace

void setReservationBroker(ReservationBroker *broker)
{
    g_broker = broker;
}

uint64_t acquireFromBudget(uint64_t bytes)
{
    return memoryBudget().acquire(bytes);
}

void releaseToBudget(uint64_t bytes)
{
    memoryBudget().release(bytes);
}

bool withinSizeLimits(int64_t width, int64_t height)
{
    return width <= TARNWICK_MAX_SIDE && height <= TARNWICK_MAX_SIDE && width * height <= TARNWICK_MAX_PIXELS;
}

void checkSize(int64_t width, int64_t height)
{
    if (width <= 0 || height <= 0)
        throw Failure{TARNWICK_ERR_CORRUPT};
    if (!withinSizeLimits(width, height))
        throw Failure{TARNWICK_ERR_TOO_LARGE};
}

MemoryReservation::MemoryReservation(uint64_t bytes)
    : m_bytes(g_broker ? g_broker->acquire(bytes) : memoryBudget().acquire(bytes))
{
}

MemoryReservation::~MemoryReservation()
{
    if (g_broker)
        g_broker->release(m_bytes);
    else
        memoryBudget().release(m_bytes);
}

} // namespace tarnwick
