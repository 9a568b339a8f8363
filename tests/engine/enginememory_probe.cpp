// Started by tst_enginememory: reports whether large blocks get huge pages,
// the GLIBC_TUNABLES the process has now (what programs it starts inherit),
// whether the restart mark is left behind, its first argument and its
// process name.
#include "EngineMemory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Whether a large block from malloc, once written, lies in huge pages.
bool largeBlocksGetHugePages()
{
    const size_t size = size_t(64) << 20;
    char *block = static_cast<char *>(std::malloc(size));
    if (!block)
        return false;
    std::memset(block, 1, size);
    long hugeKiB = 0;
    if (std::FILE *f = std::fopen("/proc/self/smaps_rollup", "re")) {
        char line[256];
        while (std::fgets(line, sizeof line, f) && std::sscanf(line, "AnonHugePages: %ld kB", &hugeKiB) != 1) {
        }
        std::fclose(f);
    }
    std::free(block);
    return hugeKiB > 0;
}

const char *now(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "(none)";
}

} // namespace

int main(int, char *argv[])
{
    EngineMemory::useTransparentHugePages(argv);
    std::printf("huge pages: %s\n", largeBlocksGetHugePages() ? "yes" : "no");
    std::printf("now: %s\n", now("GLIBC_TUNABLES"));
    std::printf("mark: %s\n", now("VANTROPE_TUNABLES_BEFORE_RESTART"));
    std::printf("argument: %s\n", argv[1] ? argv[1] : "(none)");
    char name[64] = {};
    if (std::FILE *f = std::fopen("/proc/self/comm", "re")) {
        if (std::fgets(name, sizeof name, f))
            name[std::strcspn(name, "\n")] = '\0';
        std::fclose(f);
    }
    std::printf("name: %s\n", name);
    return 0;
}
