// Converts HEIC files to JPEG files with heif2jpg, the way the program calls
// it: whole file in memory, output buffer of ten times the input. Used by
// run.sh to time the decoder against heif-dec.
//
//   tarnwick-bench-driver [-q quality] [-j threads] [-x factor] [-o output-folder] file...
//
// With -j, that many threads take files from one shared list, as the
// program's batch workers do. -x sets the output capacity as a multiple of
// the input length (the program's 10 by default). A JPEG that does not fit is
// converted a second time into a buffer of the size heif2jpg asked for, which
// is then reported on stderr: a timing that includes it counts two
// conversions.
#include "Tarnwick.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <atomic>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

bool convertFile(const std::string &path, int quality, size_t capacityFactor, const std::string &outDir)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read\n", path.c_str());
        return false;
    }
    std::vector<unsigned char> input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (input.empty() || input.size() > 0x7fffffff / capacityFactor) {
        std::fprintf(stderr, "%s: empty or too large\n", path.c_str());
        return false;
    }
    // Allocated afresh and not cleared, as the program does: only what the
    // decoder writes becomes resident.
    const size_t capacity = input.size() * capacityFactor;
    std::unique_ptr<unsigned char[]> output(new unsigned char[capacity]);
    int32_t n = heif2jpg(input.data(), int32_t(input.size()), quality, output.get(), int32_t(capacity),
                         "temp1.hevc");
    if (n > int32_t(capacity)) {
        std::fprintf(stderr, "%s: %d bytes do not fit in %zu; converted again\n", path.c_str(), n, capacity);
        const size_t needed = size_t(n);
        output.reset(new unsigned char[needed]);
        n = heif2jpg(input.data(), int32_t(input.size()), quality, output.get(), n, "temp1.hevc");
    }
    if (n < 0) {
        std::fprintf(stderr, "%s: %s (%d)\n", path.c_str(), tarnwick_error_text(n), n);
        return false;
    }
    std::string name = path.substr(path.find_last_of('/') + 1);
    name = name.substr(0, name.find_last_of('.')) + ".jpg";
    std::ofstream out(outDir + "/" + name, std::ios::binary);
    out.write(reinterpret_cast<const char *>(output.get()), n);
    if (!out) {
        std::fprintf(stderr, "%s: cannot write\n", name.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    int quality = 100;
    int jobs = 1;
    size_t capacityFactor = 10;
    std::string outDir = ".";
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-q") == 0 && i + 1 < argc)
            quality = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "-j") == 0 && i + 1 < argc)
            jobs = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "-x") == 0 && i + 1 < argc)
            capacityFactor = size_t(std::clamp(std::atoi(argv[++i]), 1, 100000));
        else if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc)
            outDir = argv[++i];
        else
            files.push_back(argv[i]);
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: %s [-q quality] [-j threads] [-x factor] [-o output-folder] file...\n", argv[0]);
        return 2;
    }
    std::atomic<size_t> next{0};
    std::atomic<int> failures{0};
    auto work = [&] {
        for (size_t i = next++; i < files.size(); i = next++) {
            if (!convertFile(files[i], quality, capacityFactor, outDir))
                ++failures;
        }
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < jobs; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread &t : threads)
        t.join();
    return failures ? 1 : 0;
}
