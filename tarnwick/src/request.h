// One call of the library as a value: what is asked of one input.
//
// Every exported entry point turns its arguments into a Request and hands it
// to dispatch(), which runs it in a decoder helper process or, where asked,
// in this process (runRequest). The same Request travels over the helper's
// channel, so it holds plain integers only.
#pragma once

#include <cstdint>

namespace tarnwick {

enum class Operation : uint32_t {
    Convert = 1,    // heif2jpg, heif2jpg_image
    ImageCount = 2, // tarnwick_image_count
    Thumbnail = 3,  // tarnwick_thumbnail
};

struct Request {
    Operation operation = Operation::Convert;
    int32_t quality = 100;
    int32_t imageIndex = 0; // 0: the primary image
    uint32_t flags = 0;     // TARNWICK_FLAG_
};

// Runs the request in this process. Checks the arguments, never throws; the
// result is that of the entry point (a length, a count or a TARNWICK_ERR_
// code). Writes nothing at or past output[outputCapacity].
int32_t runRequest(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                   int32_t outputCapacity) noexcept;

// Where an entry point's request runs: in this thread's decoder helper
// process (helperclient.h), or in this process when TARNWICK_IN_PROCESS=1
// (read once).
int32_t dispatch(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                 int32_t outputCapacity) noexcept;

} // namespace tarnwick
