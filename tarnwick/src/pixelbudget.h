// Size limits of one image, and the process-wide memory budget.
//
// The memory that calls hold for pixels is bounded across all calls, so
// several large photos decoded at once cannot exhaust memory: a call waits
// until earlier calls have released enough. A reservation larger than the
// whole budget is cut to it, so a call always gets in once the others are
// done.
#pragma once

#include <cstdint>

namespace tarnwick {

// Whether a positive size is within TARNWICK_MAX_SIDE and TARNWICK_MAX_PIXELS.
bool withinSizeLimits(int64_t width, int64_t height);

// Throws Failure: TARNWICK_ERR_CORRUPT for an empty size, TARNWICK_ERR_TOO_LARGE
// beyond TARNWICK_MAX_SIDE or TARNWICK_MAX_PIXELS.
void checkSize(int64_t width, int64_t height);

// Grants reservations in a process whose budget lives elsewhere (the decoder
// helper asks the library that started it).
class ReservationBroker {
public:
    virtual ~ReservationBroker() = default;
    // Blocks until granted; returns the bytes granted.
    virtual uint64_t acquire(uint64_t bytes) = 0;
    virtual void release(uint64_t bytes) = 0;
};

// From now on every MemoryReservation of this process goes to broker (not
// owned; lives until the process ends). Set once, before the first call.
void setReservationBroker(ReservationBroker *broker);

// The process's own budget, for the library's side of a helper's requests.
// acquireFromBudget cuts `bytes` to the whole budget, waits until they are
// free and returns what it took; give exactly that back.
uint64_t acquireFromBudget(uint64_t bytes);
void releaseToBudget(uint64_t bytes);

// Holds `bytes` (at most the whole budget) of the budget while it lives;
// construction waits until they are free.
class MemoryReservation {
public:
    explicit MemoryReservation(uint64_t bytes);
    ~MemoryReservation();
    MemoryReservation(const MemoryReservation &) = delete;
    MemoryReservation &operator=(const MemoryReservation &) = delete;

private:
    uint64_t m_bytes;
};

} // namespace tarnwick
