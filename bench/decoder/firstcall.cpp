// The cost of a thread's first heif2jpg call (with the decoder helper: its
// start, the lock-down) against its second, on one small photo; each round
// on a fresh thread, so each first call starts a fresh helper. Prints the
// median milliseconds of both, and the first round's first call apart: the
// process's first helper start, which also starts the helpers' template
// (the codec plugins' loading).
//   tarnwick-first-call FILE [ROUNDS]
#include "Tarnwick.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

namespace {

double millisecondsOf(const std::vector<unsigned char> &input, std::vector<unsigned char> &output)
{
    const auto start = std::chrono::steady_clock::now();
    const int32_t n = heif2jpg(input.data(), int32_t(input.size()), 90, output.data(), int32_t(output.size()),
                               "temp1.hevc");
    const auto end = std::chrono::steady_clock::now();
    if (n <= 0 || n > int32_t(output.size())) {
        std::fprintf(stderr, "heif2jpg: %s\n", tarnwick_error_text(n));
        std::exit(1);
    }
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [ROUNDS]\n", argv[0]);
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::vector<unsigned char> input((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    std::vector<double> first, second;
    for (int r = 0; r < rounds; ++r) {
        std::thread([&] {
            std::vector<unsigned char> output(input.size() * 10 + 65536);
            first.push_back(millisecondsOf(input, output));
            second.push_back(millisecondsOf(input, output));
        }).join();
    }
    std::printf("first call %.1f ms, second call %.1f ms (medians of %d); the process's first call %.1f ms\n",
                median(first), median(second), rounds, first.front());
    return 0;
}
