// libFuzzer entry for heif2jpg: any input must come back as a length or an
// error code, and no byte past the capacity may change, whether the JPEG fits
// or not; nothing at all may be written when it does not fit. Built only with -DVANTROPE_FUZZ=ON (clang); see README.md.
//
// Decodes in the fuzzer's own process unless TARNWICK_FUZZ_HELPER=1: then in
// the decoder helper, and an input that makes the helper die or hang is a
// finding.
#include "Tarnwick.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr uint8_t kUnwritten = 0xA5;
constexpr size_t kGuard = 256;

int32_t callWithGuard(const uint8_t *data, size_t size, int32_t capacity)
{
    std::vector<uint8_t> buffer(size_t(capacity) + kGuard, kUnwritten);
    const int32_t result = heif2jpg(data, int32_t(size), 90, buffer.data(), capacity, "temp1.hevc");
    for (size_t i = size_t(capacity); i < buffer.size(); ++i) {
        if (buffer[i] != kUnwritten) {
            std::fprintf(stderr, "byte %zu past capacity %d written (result %d)\n", i, capacity, result);
            std::abort();
        }
    }
    if (result < 0 || result > capacity) {
        for (size_t i = 0; i < size_t(capacity); ++i) {
            if (buffer[i] != kUnwritten) {
                std::fprintf(stderr, "output written although result %d does not fit %d\n", result, capacity);
                std::abort();
            }
        }
    }
    return result;
}

bool g_throughHelper = false;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    const char *helper = std::getenv("TARNWICK_FUZZ_HELPER");
    g_throughHelper = helper && std::strcmp(helper, "1") == 0;
    if (!g_throughHelper)
        setenv("TARNWICK_IN_PROCESS", "1", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > (1u << 20))
        return 0;
    const int32_t capacity = int32_t(size * 10);
    const int32_t result = callWithGuard(data, size, capacity);
    if (g_throughHelper && (result == TARNWICK_ERR_DECODER_CRASHED || result == TARNWICK_ERR_TIMEOUT)) {
        std::fprintf(stderr, "the decoder helper stopped on this input: %s\n", tarnwick_error_text(result));
        std::abort();
    }
    if (result > 1) {
        // The same input again into one byte too few: the same length must
        // come back, since pictures never hold memory from before the call
        // (with either HEVC decoder).
        const int32_t again = callWithGuard(data, size, result - 1);
        if (again != result) {
            std::fprintf(stderr, "second call gave %d, first %d\n", again, result);
            std::abort();
        }
    }
    return 0;
}
