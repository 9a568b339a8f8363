// Faults a test build of the decoder helper (tarnwick-decoder-test) commits on
// request, to show what the library makes of a helper that crashes, hangs,
// exhausts memory, breaks the protocol or tries what its lock-down forbids.
// An input that starts with "TARNWICK-FAULT:" followed by a fault's name
// asks for it; every other input is decoded as usual.
#pragma once

#include <cstdint>

namespace tarnwick {

// Commits the fault the input asks for, if any. Returns true with *result
// set when the call is answered without decoding (a forbidden call that came
// back: TARNWICK_ERR_INTERNAL; memory exhausted: TARNWICK_ERR_NO_MEMORY).
bool commitRequestedFault(const unsigned char *input, int32_t inputLength, int channel, int32_t *result);

} // namespace tarnwick
