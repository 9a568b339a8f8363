#include "helperserver.h"

#include "Tarnwick.h"
#include "helperprotocol.h"
#include "helpertemplate.h"
#include "pixelbudget.h"
#include "request.h"
#include "sandbox.h"
#include "settings.h"
#ifdef TARNWICK_FAULTS
#include "helperfaults.h"
#endif

#include <ctime>
#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <mutex>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <libheif/heif.h>
#include <malloc.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace tarnwick {
namespace {

// Ends the helper: the channel is unusable, or the library sent what it
// never sends.
[[noreturn]] void leave(int status)
{
    std::_Exit(status);
}

// The memory budget is the library's, shared by every helper it runs: a
// reservation is asked for over the channel and waited for. One question at a
// time on the channel, whichever thread asks.
class ChannelBroker final : public ReservationBroker {
public:
    uint64_t acquire(uint64_t bytes) override
    {
        const std::lock_guard<std::mutex> oneAtATime(m_channel);
        Message ask;
        ask.type = MessageType::Reserve;
        ask.a = int64_t(std::min<uint64_t>(bytes, uint64_t(INT64_MAX)));
        Message answer;
        if (!sendMessage(kChannelFd, ask) || !receiveMessage(kChannelFd, &answer)
            || answer.type != MessageType::Granted || answer.b < 0)
            leave(2);
        return uint64_t(answer.b);
    }
    void release(uint64_t bytes) override
    {
        const std::lock_guard<std::mutex> oneAtATime(m_channel);
        Message message;
        message.type = MessageType::Release;
        message.a = int64_t(std::min<uint64_t>(bytes, uint64_t(INT64_MAX)));
        if (!sendMessage(kChannelFd, message))
            leave(2);
    }

private:
    std::mutex m_channel;
};

// Large blocks from the heap and freed memory kept for the next photo: the
// same photo sizes come one after another, and memory reused costs no page
// faults. One arena: the call's threads free what the next call's reuse.
void tuneAllocator()
{
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
    mallopt(M_ARENA_MAX, 1);
}

// The data segment's size now (what RLIMIT_DATA counts), from
// /proc/self/status; 0 when it cannot be read.
int64_t dataSegmentBytes()
{
    std::FILE *f = std::fopen("/proc/self/status", "re");
    if (!f)
        return 0;
    char line[256];
    long long kib = 0;
    while (std::fgets(line, sizeof line, f)) {
        if (std::sscanf(line, "VmData: %lld kB", &kib) == 1)
            break;
    }
    std::fclose(f);
    return int64_t(kib) * 1024;
}

// Whether a libheif plugin's file is an encoder's (the helper never encodes
// through libheif; x265 alone is the largest library it would load).
bool isEncoderPlugin(const std::string &name)
{
    for (const char *encoder : {"enc", "x265", "kvazaar", "rav1e", "svt", "uvg266", "openjph"}) {
        if (name.find(encoder) != std::string::npos)
            return true;
    }
    return false;
}

// libheif initialised with its decoder plugins only, which halves the
// helper's start (every calling thread starts one). A plugin path the user
// set is left to libheif as it stands.
void initialiseDecoders()
{
    if (std::getenv("LIBHEIF_PLUGIN_PATH")) {
        settings();
        return;
    }
    std::vector<std::string> folders;
    if (const char *const *dirs = heif_get_plugin_directories()) {
        for (const char *const *d = dirs; *d; ++d)
            folders.emplace_back(*d);
        heif_free_plugin_directories(dirs);
    }
    // heif_init loads every plugin of the plugin path: given one that does
    // not exist, it loads none, and the decoders are loaded one by one.
    setenv("LIBHEIF_PLUGIN_PATH", "/nonexistent/tarnwick-decoder-loads-its-plugins", 1);
    settings();
    unsetenv("LIBHEIF_PLUGIN_PATH");
    for (const std::string &folder : folders) {
        DIR *dir = ::opendir(folder.c_str());
        if (!dir)
            continue;
        std::vector<std::string> names;
        while (const dirent *entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name.size() > 3 && name.compare(name.size() - 3, 3, ".so") == 0 && !isEncoderPlugin(name))
                names.push_back(name);
        }
        ::closedir(dir);
        std::sort(names.begin(), names.end());
        for (const std::string &name : names) {
            const heif_plugin_info *info = nullptr;
            heif_load_plugin((folder + "/" + name).c_str(), &info);
        }
    }
}

bool codecLogWanted()
{
    const char *env = std::getenv("TARNWICK_CODEC_LOG");
    return env && *env && std::strcmp(env, "0") != 0;
}

bool filterWanted()
{
#ifdef TARNWICK_FAULTS
    if (const char *env = std::getenv("TARNWICK_TEST_NO_FILTER"); env && *env)
        return false;
#endif
    return true;
}

// A memfd mapped from one call to the next, so that the pages it keeps are
// not faulted in again for every photo (a JPEG written into a fresh mapping
// costs a fault per 4 KiB page). The mapping grows, in steps, when a call
// needs more; its part past the memfd's present end is never touched, since
// the library sizes the memfd to each call's length.
class KeptMapping {
public:
    KeptMapping(int fd, int protection) : m_fd(fd), m_protection(protection) {}
    KeptMapping(const KeptMapping &) = delete;
    KeptMapping &operator=(const KeptMapping &) = delete;

    // The first `length` bytes of the memfd; null when they cannot be
    // mapped, or for no bytes.
    unsigned char *reach(int32_t length)
    {
        if (length <= 0)
            return nullptr;
        if (size_t(length) > m_length) {
            if (m_data)
                ::munmap(m_data, m_length);
            m_data = nullptr;
            m_length = 0;
            const size_t rounded = (size_t(length) + kStep - 1) / kStep * kStep;
            void *p = ::mmap(nullptr, rounded, m_protection, MAP_SHARED, m_fd, 0);
            if (p == MAP_FAILED)
                return nullptr;
            m_data = static_cast<unsigned char *>(p);
            m_length = rounded;
        }
        return m_data;
    }

private:
    static constexpr size_t kStep = size_t(16) << 20;
    const int m_fd;
    const int m_protection;
    unsigned char *m_data = nullptr;
    size_t m_length = 0;
};

int32_t serve(const Message &call)
{
    static KeptMapping inputMapping(kInputFd, PROT_READ), outputMapping(kOutputFd, PROT_READ | PROT_WRITE);
    unsigned char *const input = inputMapping.reach(call.inputLength);
    unsigned char *const output = outputMapping.reach(call.outputCapacity);
    if ((call.inputLength > 0 && !input) || (call.outputCapacity > 0 && !output))
        return TARNWICK_ERR_NO_MEMORY;
    setCallsInCaller(int(std::min<int64_t>(std::max<int64_t>(call.a, 1), 1 << 20)));
#ifdef TARNWICK_FAULTS
    int32_t faulted = 0;
    if (commitRequestedFault(input, call.inputLength, kChannelFd, &faulted))
        return faulted;
#endif
    return runRequest(call.request, input, call.inputLength, output, call.outputCapacity);
}

// Loads every library and plugin a helper uses and reads what glibc would
// otherwise open later: done before the lock-down, in a helper or in the
// template its copies are forked from.
void loadEverything()
{
    tuneAllocator();
    initialiseDecoders();
    // glibc reads the time zone file on the first time conversion of the
    // process (Little CMS stamps its profiles): read it now, while files
    // may still be opened.
    ::tzset();
}

// A helper whose channel is at kChannelFd, kInputFd and kOutputFd and whose
// libraries are loaded: locks down, says so, then serves the library's calls
// until the channel closes.
int lockDownAndServe()
{
    const int64_t baseline = dataSegmentBytes();
    const LockDown state = lockDown(codecLogWanted(), filterWanted());

    static ChannelBroker broker;
    setReservationBroker(&broker);
    Message ready;
    ready.type = MessageType::Ready;
    ready.a = baseline;
    ready.b = state.filtered ? kReadyFiltered : 0;
    if (!sendMessage(kChannelFd, ready))
        return 0;
    for (;;) {
        Message call;
        if (!receiveMessage(kChannelFd, &call))
            return 0;
        if (call.type != MessageType::Call || call.inputLength < 0 || call.outputCapacity < 0)
            return 2;
        Message accepted;
        accepted.type = MessageType::Accepted;
        if (!sendMessage(kChannelFd, accepted))
            return 0;
        Message result;
        result.type = MessageType::Result;
        result.a = serve(call);
        if (!sendMessage(kChannelFd, result))
            return 0;
    }
}

bool hasDescriptor(int fd)
{
    return ::fcntl(fd, F_GETFD) >= 0;
}

} // namespace

int helperMain(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], kTemplateArgument) == 0)
        return templateMain(loadEverything, lockDownAndServe);
    // The thread that started it ends: so does the helper.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0);
    if (argc != 1 || !hasDescriptor(kChannelFd) || !hasDescriptor(kInputFd) || !hasDescriptor(kOutputFd)) {
        std::fprintf(stderr, "tarnwick-decoder: started by libTarnwick only\n");
        return 2;
    }
    // Every library and plugin is loaded before the lock-down.
    loadEverything();
    return lockDownAndServe();
}

} // namespace tarnwick
