// Size limits of one image, and the process-wide budget of decoded pixels.
//
// Decoded pixels in flight across all calls are bounded, so several large
// photos decoded at once cannot exhaust memory: a call waits until earlier
// calls have released enough. A single image never needs more than the whole
// budget, so a call always gets in once the others are done.
#pragma once

#include <cstdint>

namespace tarnwick {

// Throws Failure: TARNWICK_ERR_CORRUPT for an empty size, TARNWICK_ERR_TOO_LARGE
// beyond TARNWICK_MAX_SIDE or TARNWICK_MAX_PIXELS.
void checkSize(int64_t width, int64_t height);

// Holds `pixels` (at most the whole budget) of the budget while it lives;
// construction waits until they are free.
class PixelReservation {
public:
    explicit PixelReservation(uint64_t pixels);
    ~PixelReservation();
    PixelReservation(const PixelReservation &) = delete;
    PixelReservation &operator=(const PixelReservation &) = delete;

private:
    uint64_t m_pixels;
};

} // namespace tarnwick
