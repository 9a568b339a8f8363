// Converts HEIC files to JPEG files with heif2jpg, the way the program calls
// it: whole file in memory, output buffer of ten times the input. Used by
// run.sh to time the decoder against heif-dec.
//
//   tarnwick-bench-driver [-q quality] [-o output-folder] file...
#include "Tarnwick.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    int quality = 100;
    std::string outDir = ".";
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-q") == 0 && i + 1 < argc)
            quality = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc)
            outDir = argv[++i];
        else
            files.push_back(argv[i]);
    }
    if (files.empty()) {
        std::fprintf(stderr, "usage: %s [-q quality] [-o output-folder] file...\n", argv[0]);
        return 2;
    }
    int failures = 0;
    for (const std::string &path : files) {
        std::ifstream in(path, std::ios::binary);
        std::vector<unsigned char> input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in && !in.eof()) {
            std::fprintf(stderr, "%s: cannot read\n", path.c_str());
            ++failures;
            continue;
        }
        const size_t capacity = input.size() * 10;
        if (input.size() > 0x7fffffff / 10) {
            std::fprintf(stderr, "%s: too large\n", path.c_str());
            ++failures;
            continue;
        }
        std::vector<unsigned char> output(capacity);
        int32_t n = heif2jpg(input.data(), int32_t(input.size()), quality, output.data(), int32_t(capacity),
                             "temp1.hevc");
        if (n > int32_t(capacity)) {
            output.resize(size_t(n));
            n = heif2jpg(input.data(), int32_t(input.size()), quality, output.data(), n, "temp1.hevc");
        }
        if (n < 0) {
            std::fprintf(stderr, "%s: %s (%d)\n", path.c_str(), tarnwick_error_text(n), n);
            ++failures;
            continue;
        }
        std::string name = path.substr(path.find_last_of('/') + 1);
        name = name.substr(0, name.find_last_of('.')) + ".jpg";
        std::ofstream out(outDir + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char *>(output.data()), n);
        if (!out) {
            std::fprintf(stderr, "%s: cannot write\n", name.c_str());
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
