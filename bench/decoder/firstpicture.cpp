// Time to the first picture of the preview page: the photo's own thumbnail
// (tarnwick_thumbnail) against the full decode (heif2jpg), for each file, as
// the preview reads it (whole file in memory). Prints one line per file:
//
//   name  thumbnail_ms|none  full_ms
//
//   tarnwick-bench-firstpicture file...
#include "Tarnwick.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Calls f(output, capacity) once more with the room asked for when the first
// call did not fit; the time covers both calls.
template <typename F>
int32_t withRetry(size_t capacity, F f)
{
    std::vector<unsigned char> output(capacity);
    int32_t result = f(output.data(), int32_t(capacity));
    if (result > int32_t(capacity)) {
        output.resize(size_t(result));
        result = f(output.data(), result);
    }
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        const std::vector<unsigned char> input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (input.empty()) {
            std::fprintf(stderr, "%s: cannot read\n", argv[i]);
            continue;
        }
        const int32_t length = int32_t(input.size());
        const auto thumbStart = Clock::now();
        const int32_t thumb = withRetry(input.size() / 10 + 65536, [&](unsigned char *out, int32_t cap) {
            return tarnwick_thumbnail(input.data(), length, 90, out, cap);
        });
        const double thumbMs = msSince(thumbStart);
        const auto fullStart = Clock::now();
        const int32_t full = withRetry(input.size() * 10, [&](unsigned char *out, int32_t cap) {
            return heif2jpg(input.data(), length, 100, out, cap, "");
        });
        const double fullMs = msSince(fullStart);
        char thumbText[32];
        if (thumb > 0)
            std::snprintf(thumbText, sizeof thumbText, "%.0f", thumbMs);
        else
            std::snprintf(thumbText, sizeof thumbText, "none");
        std::printf("%s\t%s\t%.0f%s\n", argv[i], thumbText, fullMs, full > 0 ? "" : " (failed)");
    }
    return 0;
}
