// The JPEG of a call whose result did not fit, kept for the caller's retry.
//
// A caller told the length it needs calls again with the same input and a
// buffer of that length. Decoding the photo a second time for that call would
// double the cost of every photo whose JPEG outgrows the first buffer (a
// 200 MP photo's JPEG is many times ten times its HEIC). So the finished JPEG
// is kept, on the calling thread, for exactly one following call: that call
// takes it when its input bytes and quality are the same, and drops it in
// every other case. Nothing is shared between threads or between inputs.
// A call is "the same" when its input bytes and everything else it asks for
// (quality, image, flags) are.
#pragma once

#include <cstdint>
#include <vector>

namespace tarnwick {

// What a call asks for besides its input bytes.
struct CallKey {
    int32_t quality = 0;
    int32_t imageIndex = 0;
    uint32_t flags = 0;
    bool operator==(const CallKey &o) const
    {
        return quality == o.quality && imageIndex == o.imageIndex && flags == o.flags;
    }
};

// When the kept JPEG belongs to this input and key and fits, writes it to
// output, sets *result to its length and returns true. Drops the kept JPEG in
// any case.
bool takeKeptResult(const unsigned char *input, int32_t inputLength, const CallKey &key, unsigned char *output,
                    int32_t outputCapacity, int32_t *result);

// Keeps jpeg (the whole result, as it would have been written) for the next
// call on this thread. Keeping is an optimisation: without memory for the
// copy of the input, nothing is kept.
void keepResult(const unsigned char *input, int32_t inputLength, const CallKey &key, std::vector<unsigned char> &&jpeg);

} // namespace tarnwick
