#include "EngineMemory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <malloc.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace EngineMemory {

void tuneAllocator()
{
#if defined(__GLIBC__)
    // Large blocks come from the heap (up to 64 MB: a 16 MP pixmap), freed
    // memory stays for reuse up to 128 MB, and all threads share one arena so
    // that the buffers one worker frees serve the next job of any worker.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
    mallopt(M_ARENA_MAX, 1);
#endif
}

namespace {

// Set in the restarted process only: "=" followed by the GLIBC_TUNABLES the
// user had, or "-" when there was none; and the process name it had.
const char kRestartMark[] = "VANTROPE_TUNABLES_BEFORE_RESTART";
const char kNameBeforeRestart[] = "VANTROPE_NAME_BEFORE_RESTART";
const char kTunables[] = "GLIBC_TUNABLES";
const char kHugePages[] = "glibc.malloc.hugetlb";

bool kernelGivesHugePagesOnRequest()
{
    std::FILE *f = std::fopen("/sys/kernel/mm/transparent_hugepage/enabled", "re");
    if (!f)
        return false;
    char mode[128] = {};
    const bool read = std::fgets(mode, sizeof mode, f) != nullptr;
    std::fclose(f);
    return read && std::strstr(mode, "[madvise]") != nullptr;
}

void restoreTunables(const char *before)
{
    if (before[0] == '=')
        setenv(kTunables, before + 1, 1);
    else
        unsetenv(kTunables);
}

void forgetRestart(const char *tunablesBefore)
{
    restoreTunables(tunablesBefore);
    unsetenv(kRestartMark);
    unsetenv(kNameBeforeRestart);
}

// The name ps, pgrep and system monitors show: the name of the file the
// process was started from (a link's own name, such as <bindir>/vantrope).
std::string processName()
{
    char name[64] = {};
    if (std::FILE *f = std::fopen("/proc/self/comm", "re")) {
        if (!std::fgets(name, sizeof name, f))
            name[0] = '\0';
        std::fclose(f);
    }
    name[std::strcspn(name, "\n")] = '\0';
    return name;
}

} // namespace

void useTransparentHugePages(char *argv[])
{
#if defined(__GLIBC__) && defined(__linux__)
    if (const char *before = std::getenv(kRestartMark)) {
        // Started again from the program's real path: keep the name the user
        // started it by.
        if (const char *name = std::getenv(kNameBeforeRestart); name && *name)
            prctl(PR_SET_NAME, name, 0, 0, 0);
        forgetRestart(before);
        return;
    }
    const char *tunables = std::getenv(kTunables);
    if ((tunables && std::strstr(tunables, kHugePages)) || !kernelGivesHugePagesOnRequest())
        return;
    const std::string before = tunables ? std::string("=") + tunables : std::string("-");
    std::string wanted = tunables && *tunables ? std::string(tunables) + ':' : std::string();
    wanted += kHugePages;
    wanted += "=1";
    if (setenv(kRestartMark, before.c_str(), 1) != 0 || setenv(kNameBeforeRestart, processName().c_str(), 1) != 0
        || setenv(kTunables, wanted.c_str(), 1) != 0) {
        forgetRestart(before.c_str());
        return;
    }
    // The program's own path, not /proc/self/exe, which would name the
    // process "exe".
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        self[length] = '\0';
        std::fflush(nullptr);
        execv(self, argv);
    }
    // Still here: go on without huge pages.
    forgetRestart(before.c_str());
#else
    (void)argv;
#endif
}

} // namespace EngineMemory
