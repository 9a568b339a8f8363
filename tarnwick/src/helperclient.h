// The library's side of the decoder helper: one tarnwick-decoder process per
// calling thread, started on the thread's first call (forked from the
// process's template of helpers, helperlauncher.h) and reused by its later
// calls, stopped and reaped when the thread ends.
//
// A helper that dies during a call (a crash, a signal from outside, its
// memory limit, a forbidden system call) or breaks the protocol costs that
// call alone: it returns TARNWICK_ERR_DECODER_CRASHED and the thread's next
// call starts a fresh helper. A call that runs past its wall-clock limit is
// stopped (TARNWICK_ERR_TIMEOUT); the limit grows with the memory the photo's
// decoding reserves, which grows with its pixel count.
#pragma once

#include "request.h"

#include <cstdint>

namespace tarnwick {

// Runs the request in this thread's helper. The arguments must have passed
// the entry points' checks. Never throws; writes output[0, result) only
// when 0 < result <= outputCapacity.
int32_t runInHelper(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                    int32_t outputCapacity) noexcept;

} // namespace tarnwick
