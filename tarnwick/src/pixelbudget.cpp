#include "pixelbudget.h"

#include "Tarnwick.h"
#include "errors.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace tarnwick {
namespace {

class PixelBudget {
public:
    uint64_t acquire(uint64_t pixels)
    {
        pixels = std::min<uint64_t>(pixels, TARNWICK_PIXEL_BUDGET);
        std::unique_lock<std::mutex> lock(m_mutex);
        m_free.wait(lock, [&] { return m_inUse + pixels <= TARNWICK_PIXEL_BUDGET; });
        m_inUse += pixels;
        return pixels;
    }
    void release(uint64_t pixels)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_inUse -= pixels;
        }
        m_free.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_free;
    uint64_t m_inUse = 0;
};

PixelBudget &pixelBudget()
{
    // Deliberately leaked: calls on other threads may still be running while
    // static destructors run at process exit.
    static PixelBudget *budget = new PixelBudget;
    return *budget;
}

} // namespace

void checkSize(int64_t width, int64_t height)
{
    if (width <= 0 || height <= 0)
        throw Failure{TARNWICK_ERR_CORRUPT};
    if (width > TARNWICK_MAX_SIDE || height > TARNWICK_MAX_SIDE || width * height > TARNWICK_MAX_PIXELS)
        throw Failure{TARNWICK_ERR_TOO_LARGE};
}

PixelReservation::PixelReservation(uint64_t pixels) : m_pixels(pixelBudget().acquire(pixels)) {}

PixelReservation::~PixelReservation()
{
    pixelBudget().release(m_pixels);
}

} // namespace tarnwick
