#include "helperclient.h"

#include "Tarnwick.h"
#include "helperlauncher.h"
#include "helperprotocol.h"
#include "pixelbudget.h"
#include "settings.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tarnwick {
namespace {

using Clock = std::chrono::steady_clock;

// What a helper may hold beyond its photo's reservations: the libraries'
// own allocations, thread stacks, the parsed container (a few times the
// file), and the reservation's estimate being short.
constexpr uint64_t kDataSlack = uint64_t(512) << 20;
constexpr uint64_t kInputFactor = 4;
constexpr uint64_t kReservationFactor = 2;
// The wall-clock limit: a base for every call (container parsing, small
// photos, a machine under load), and one more second for every
// kReservedBytesPerSecond the photo's decoding reserves. A 12 MP photo
// reserves about 100 MB (45 s in all), a 200 MP photo about 2 GB (8 min).
constexpr double kDefaultBaseSeconds = 20;
constexpr uint64_t kReservedBytesPerSecond = uint64_t(4) << 20;
// Starting the helper and loading the codec plugins.
constexpr double kStartSeconds = 30;

// What the input and output memfds may keep between calls: a 12 MP photo
// and its JPEG.
constexpr int64_t kKeptMemfdBytes = int64_t(64) << 20;

struct ClientConfig {
    std::string helperPath;
    double baseSeconds = kDefaultBaseSeconds;
};

std::string libraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&runInHelper), &info) == 0 || !info.dli_fname || !*info.dli_fname)
        return {};
    std::string path = info.dli_fname;
    if (char *real = realpath(info.dli_fname, nullptr)) {
        path = real;
        std::free(real);
    }
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

ClientConfig makeConfig()
{
    ClientConfig c;
    if (const char *env = std::getenv("TARNWICK_HELPER"); env && *env)
        c.helperPath = env;
    else
        c.helperPath = libraryFolder() + "/tarnwick-decoder";
    if (const char *env = std::getenv("TARNWICK_HELPER_TIMEOUT"); env && *env) {
        const double seconds = std::atof(env);
        if (seconds > 0 && seconds < 1e6)
            c.baseSeconds = seconds;
    }
    return c;
}

const ClientConfig &config()
{
    static const ClientConfig c = makeConfig();
    return c;
}

// Says `text` on stderr the first time `flag` is raised in this process.
void sayOnce(std::atomic<bool> &flag, const std::string &text)
{
    if (!flag.exchange(true))
        std::fprintf(stderr, "tarnwick: %s\n", text.c_str());
}

std::atomic<bool> g_toldUnfiltered{false};
std::atomic<bool> g_toldNoStart{false};
std::atomic<bool> g_toldNoLimit{false};

uint64_t saturatingAdd(uint64_t a, uint64_t b)
{
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

uint64_t saturatingMul(uint64_t a, uint64_t b)
{
    return b != 0 && a > UINT64_MAX / b ? UINT64_MAX : a * b;
}

// The data segment (what RLIMIT_DATA counts) of a process of ours, from
// /proc; 0 when it cannot be read.
uint64_t dataSegmentOf(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", int(pid));
    std::FILE *f = std::fopen(path, "re");
    if (!f)
        return 0;
    char line[256];
    unsigned long long kib = 0;
    while (std::fgets(line, sizeof line, f)) {
        if (std::sscanf(line, "VmData: %llu kB", &kib) == 1)
            break;
    }
    std::fclose(f);
    return saturatingMul(kib, 1024);
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// Moves length bytes between data and the start of the memfd with io
// (pread or pwrite), carrying on after short transfers and EINTR.
template <typename Io, typename Bytes>
bool transferAll(Io io, int fd, Bytes *data, size_t length)
{
    size_t done = 0;
    while (done < length) {
        const ssize_t n = io(fd, data + done, length - done, off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

bool writeAll(int fd, const unsigned char *data, size_t length)
{
    return transferAll(::pwrite, fd, data, length);
}

bool readAll(int fd, unsigned char *data, size_t length)
{
    return transferAll(::pread, fd, data, length);
}

bool truncateTo(int fd, int64_t length)
{
    for (;;) {
        if (::ftruncate(fd, off_t(length)) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

// The budget a call's helper holds; all of it goes back when the call ends,
// however it ends.
class HeldBudget {
public:
    ~HeldBudget() { releaseToBudget(m_bytes); }
    uint64_t take(uint64_t bytes)
    {
        const uint64_t granted = acquireFromBudget(bytes);
        m_bytes += granted;
        return granted;
    }
    void giveBack(uint64_t bytes)
    {
        bytes = std::min(bytes, m_bytes);
        releaseToBudget(bytes);
        m_bytes -= bytes;
    }
    uint64_t bytes() const { return m_bytes; }

private:
    uint64_t m_bytes = 0;
};

class Helper {
public:
    Helper() = default;
    Helper(const Helper &) = delete;
    Helper &operator=(const Helper &) = delete;
    ~Helper() { stop(); }

    int32_t call(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                 int32_t outputCapacity);

private:
    enum class Wait { Message, TimedOut, Gone };

    int32_t start();
    // Ends the helper. One that failed (died, broke the protocol, ran out of
    // time) retires its template, so that the helpers after it have an
    // address layout of their own: a photo that crashes a helper learns
    // nothing of the next one's.
    enum class Ending { Done, Failed };
    void stop(Ending ending = Ending::Done);
    bool idleAndAlive() const;
    Wait receive(Clock::time_point deadline, Message *message);
    void limitData(uint64_t bytes);
    int32_t fail(int32_t code)
    {
        const bool died = code == TARNWICK_ERR_DECODER_CRASHED || code == TARNWICK_ERR_TIMEOUT;
        stop(died ? Ending::Failed : Ending::Done);
        return code;
    }

    LaunchedHelper m_process;
    // The process that started the helper: a child forked from it inherits
    // this thread's Helper, but not the helper.
    pid_t m_owner = -1;
    int m_channel = -1;
    int m_input = -1;
    int m_output = -1;
    uint64_t m_dataBaseline = 0;
};

int32_t Helper::start()
{
    const std::string &path = config().helperPath;
    int pair[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair) != 0)
        return TARNWICK_ERR_NO_MEMORY;
    m_channel = pair[0];
    int theirChannel = pair[1];
    m_input = memfd_create("tarnwick-input", MFD_CLOEXEC);
    m_output = memfd_create("tarnwick-output", MFD_CLOEXEC);
    if (m_input < 0 || m_output < 0) {
        closeFd(theirChannel);
        return fail(TARNWICK_ERR_NO_MEMORY);
    }
    const int launched = launchHelper(path, theirChannel, m_input, m_output, &m_process);
    closeFd(theirChannel);
    if (launched != 0) {
        sayOnce(g_toldNoStart, "cannot start the decoder helper " + path + ": " + std::strerror(launched));
        return fail(TARNWICK_ERR_INTERNAL);
    }
    m_owner = ::getpid();

    Message ready;
    const Wait waited = receive(Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                   std::chrono::duration<double>(kStartSeconds)),
                                &ready);
    if (waited != Wait::Message || ready.type != MessageType::Ready || ready.a < 0) {
        if (waited == Wait::Gone)
            sayOnce(g_toldNoStart, "the decoder helper " + path + " stopped while starting");
        return fail(waited == Wait::TimedOut ? TARNWICK_ERR_TIMEOUT : TARNWICK_ERR_DECODER_CRASHED);
    }
    m_dataBaseline = uint64_t(ready.a);
    if (ready.b != kReadyFiltered)
        sayOnce(g_toldUnfiltered, "system call filtering (seccomp) is not available here; the decoder runs in a "
                                  "separate process with memory and time limits only");
    return 0;
}

void Helper::stop(Ending ending)
{
    closeFd(m_channel);
    closeFd(m_input);
    closeFd(m_output);
    if (m_process.pid > 0 && m_owner == ::getpid())
        endHelper(&m_process, ending == Ending::Failed);
    else
        forgetHelper(&m_process);
}

// An idle helper says nothing: anything to read (its death's end of stream
// included) means it cannot take a call.
bool Helper::idleAndAlive() const
{
    pollfd p{m_channel, POLLIN, 0};
    int n;
    while ((n = ::poll(&p, 1, 0)) < 0 && errno == EINTR) {
    }
    return n == 0;
}

Helper::Wait Helper::receive(Clock::time_point deadline, Message *message)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return Wait::TimedOut;
        pollfd p{m_channel, POLLIN, 0};
        const int n = ::poll(&p, 1, int(std::min<long long>(left, INT_MAX)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Wait::Gone;
        if (n == 0)
            continue;
        return receiveMessage(m_channel, message) ? Wait::Message : Wait::Gone;
    }
}

// The helper's data segment (heap and private writable mappings; the
// memfds it maps are shared and do not count) may grow to `bytes`. Set from
// here, not by the helper, which is allowed no call that changes its limits.
void Helper::limitData(uint64_t bytes)
{
    rlimit limit{};
    if (::prlimit(m_process.pid, RLIMIT_DATA, nullptr, &limit) != 0) {
        sayOnce(g_toldNoLimit, std::string("cannot limit the decoder helper's memory: ") + std::strerror(errno));
        return;
    }
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? rlim_t(bytes) : std::min<rlim_t>(bytes, limit.rlim_max);
    if (::prlimit(m_process.pid, RLIMIT_DATA, &limit, nullptr) != 0)
        sayOnce(g_toldNoLimit, std::string("cannot limit the decoder helper's memory: ") + std::strerror(errno));
}

int32_t Helper::call(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                     int32_t outputCapacity)
{
    const auto seconds = [](double s) {
        return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(s));
    };
    const double base = config().baseSeconds;
    uint64_t callBaseline = 0;
    // A helper that died while idle (killed from outside, say) may still
    // look alive for a moment; it never accepts the call, and the call goes
    // to a fresh one.
    for (int attempt = 0;; ++attempt) {
        if (m_process.pid > 0 && (m_owner != ::getpid() || !idleAndAlive()))
            stop();
        if (m_process.pid <= 0) {
            if (const int32_t started = start(); started != 0)
                return started;
        }
        if (!truncateTo(m_input, inputLength) || !writeAll(m_input, input, size_t(inputLength))
            || !truncateTo(m_output, outputCapacity))
            return fail(TARNWICK_ERR_NO_MEMORY);
        // What the helper holds now (its heap keeps freed memory for reuse,
        // and the JPEG a retry may ask for), and room for this photo.
        const uint64_t holds = std::max(m_dataBaseline, dataSegmentOf(m_process.pid));
        callBaseline = saturatingAdd(saturatingAdd(holds, kDataSlack),
                                     saturatingMul(uint64_t(inputLength), kInputFactor));
        limitData(callBaseline);

        Message message;
        message.type = MessageType::Call;
        message.request = request;
        message.inputLength = inputLength;
        message.outputCapacity = outputCapacity;
        message.a = callsInFlight();
        Message accepted;
        const bool sent = sendMessage(m_channel, message);
        const Wait waited = sent ? receive(Clock::now() + seconds(base), &accepted) : Wait::Gone;
        if (waited == Wait::Message && accepted.type == MessageType::Accepted)
            break;
        if (waited == Wait::Gone && attempt == 0) {
            stop();
            continue;
        }
        return fail(waited == Wait::TimedOut ? TARNWICK_ERR_TIMEOUT : TARNWICK_ERR_DECODER_CRASHED);
    }

    Clock::time_point deadline = Clock::now() + seconds(base);
    HeldBudget held;
    for (;;) {
        Message reply;
        switch (receive(deadline, &reply)) {
        case Wait::TimedOut:
            return fail(TARNWICK_ERR_TIMEOUT);
        case Wait::Gone:
            return fail(TARNWICK_ERR_DECODER_CRASHED);
        case Wait::Message:
            break;
        }
        switch (reply.type) {
        case MessageType::Reserve: {
            if (reply.a < 0)
                return fail(TARNWICK_ERR_DECODER_CRASHED);
            // Waiting for the budget is not the photo's time.
            const uint64_t granted = held.take(uint64_t(reply.a));
            deadline = std::max(deadline, Clock::now() + seconds(base + double(granted / kReservedBytesPerSecond)));
            limitData(saturatingAdd(callBaseline, saturatingMul(held.bytes(), kReservationFactor)));
            Message answer;
            answer.type = MessageType::Granted;
            answer.a = reply.a;
            answer.b = int64_t(granted);
            if (!sendMessage(m_channel, answer))
                return fail(TARNWICK_ERR_DECODER_CRASHED);
            break;
        }
        case MessageType::Release:
            if (reply.a < 0)
                return fail(TARNWICK_ERR_DECODER_CRASHED);
            held.giveBack(uint64_t(reply.a));
            break;
        case MessageType::Result: {
            if (reply.a < INT32_MIN || reply.a > INT32_MAX)
                return fail(TARNWICK_ERR_DECODER_CRASHED);
            const int32_t result = int32_t(reply.a);
            // The memfd was sized to the capacity and the helper may not
            // resize it, so the read is whole; should it not be, the call
            // fails as if the helper had died.
            if (result > 0 && result <= outputCapacity && !readAll(m_output, output, size_t(result)))
                return fail(TARNWICK_ERR_DECODER_CRASHED);
            // The memfds keep their pages for the next photo, which then
            // costs no fresh pages on either side; a large photo's go back
            // at once (the JPEG of a 200 MP photo is a hundred megabytes).
            const int64_t written = result > 0 && result <= outputCapacity ? result : 0;
            if ((inputLength > kKeptMemfdBytes && !truncateTo(m_input, 0))
                || (written > kKeptMemfdBytes && !truncateTo(m_output, 0)))
                stop();
            // A helper that ran out of memory or failed in a way it did not
            // foresee may be left in a state of no use: the next call gets a
            // fresh one.
            if (result == TARNWICK_ERR_NO_MEMORY || result == TARNWICK_ERR_INTERNAL)
                stop();
            return result;
        }
        default:
            return fail(TARNWICK_ERR_DECODER_CRASHED);
        }
    }
}

// Destroyed when its thread ends, which stops and reaps the helper.
thread_local Helper t_helper;

} // namespace

int32_t runInHelper(const Request &request, const unsigned char *input, int32_t inputLength, unsigned char *output,
                    int32_t outputCapacity) noexcept
{
    try {
        const InFlight inFlight;
        return t_helper.call(request, input, inputLength, output, outputCapacity);
    } catch (...) {
        return TARNWICK_ERR_INTERNAL;
    }
}

} // namespace tarnwick
