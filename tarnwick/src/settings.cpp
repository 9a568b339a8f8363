#include "settings.h"

#include "decoderplugins.h"

#include <libheif/heif.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace tarnwick {
namespace {

Settings makeSettings()
{
    // heif_init loads libheif's plugins; it is reference counted and the
    // library stays loaded for the life of the process, so it is never undone.
    heif_init(nullptr);
    registerHevcDecoders();
    Settings s;
    // libavcodec decodes the same HEVC streams in a bit over half of
    // libde265's time.
    s.hevcDecoder = kAvcodecDecoderId;
    if (const char *env = std::getenv("TARNWICK_HEVC_DECODER"); env && std::strcmp(env, "libde265") == 0)
        s.hevcDecoder = kDe265DecoderId;
    s.cores = std::max(1u, std::thread::hardware_concurrency());
    if (const char *env = std::getenv("TARNWICK_DECODING_THREADS"); env && *env) {
        const int n = std::atoi(env);
        if (n >= 0 && n <= 64)
            s.decodingThreads = n;
    }
    return s;
}

std::atomic<int> g_callsInFlight{0};
std::atomic<int> g_callsInCaller{0};

} // namespace

const Settings &settings()
{
    static const Settings s = makeSettings();
    return s;
}

InFlight::InFlight()
{
    ++g_callsInFlight;
}

InFlight::~InFlight()
{
    --g_callsInFlight;
}

int callsInFlight()
{
    return g_callsInFlight.load();
}

void setCallsInCaller(int calls)
{
    g_callsInCaller = calls;
}

int tileThreads(const Settings &s)
{
    if (s.decodingThreads >= 0)
        return s.decodingThreads;
    if (std::max(g_callsInFlight.load(), g_callsInCaller.load()) > 1)
        return 0;
    return int(std::min(s.cores, 4u));
}

} // namespace tarnwick
