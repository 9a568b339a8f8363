#include "helperlauncher.h"

#include "helperprotocol.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/pidfd.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace tarnwick {
namespace {

using Clock = std::chrono::steady_clock;

// Starting the template and loading the codec plugins; a fork or a reap
// takes milliseconds, but a machine under load may take its time.
constexpr std::chrono::seconds kTemplateStart{30};
constexpr std::chrono::seconds kTemplateAnswer{30};
// A template whose socket has closed ends in this time (it kills and reaps
// the helpers it still has), or is killed.
constexpr std::chrono::seconds kTemplateEnd{2};

// Descriptors a started process's are copied from, above the numbers they
// get there.
constexpr int kSpawnFdFloor = 10;

bool kernelGivesHugePagesOnRequest()
{
    static const bool madvise = [] {
        std::FILE *f = std::fopen("/sys/kernel/mm/transparent_hugepage/enabled", "re");
        if (!f)
            return false;
        char mode[128] = {};
        const bool read = std::fgets(mode, sizeof mode, f) != nullptr;
        std::fclose(f);
        return read && std::strstr(mode, "[madvise]") != nullptr;
    }();
    return madvise;
}

// The caller's environment, with glibc's large blocks in transparent huge
// pages where the kernel gives them on request and the user did not decide
// otherwise: a decoder touches hundreds of megabytes of fresh memory per
// photo, and on virtual machines each 4 KiB fault is dear.
std::vector<std::string> helperEnvironment()
{
    static const char kTunables[] = "GLIBC_TUNABLES=";
    std::vector<std::string> env;
    std::string tunables;
    for (char **e = environ; e && *e; ++e) {
        if (std::strncmp(*e, kTunables, sizeof kTunables - 1) == 0)
            tunables = *e + sizeof kTunables - 1;
        else
            env.emplace_back(*e);
    }
    if (kernelGivesHugePagesOnRequest() && tunables.find("glibc.malloc.hugetlb") == std::string::npos)
        tunables += std::string(tunables.empty() ? "" : ":") + "glibc.malloc.hugetlb=1";
    if (!tunables.empty())
        env.push_back(kTunables + tunables);
    return env;
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

void reapChild(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

// Starts `path` (with `argument`, when given) on the descriptors `fds`,
// placed at kChannelFd onwards, with every signal at its default and none
// blocked whatever the calling program set up. Returns 0 or an errno.
int spawnProcess(const std::string &path, const char *argument, const std::vector<std::string> &environment,
                 const int *fds, int count, pid_t *pid)
{
    // Copies numbered so that placing them can overwrite none of them.
    std::vector<int> theirs;
    for (int i = 0; i < count; ++i)
        theirs.push_back(::fcntl(fds[i], F_DUPFD_CLOEXEC, kSpawnFdFloor));
    int result = 0;
    for (int fd : theirs)
        result = result == 0 && fd < 0 ? errno : result;
    if (result == 0) {
        posix_spawn_file_actions_t actions;
        posix_spawnattr_t attributes;
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
        for (int i = 0; i < count; ++i)
            posix_spawn_file_actions_adddup2(&actions, theirs[size_t(i)], kChannelFd + i);
        sigset_t none, all;
        sigemptyset(&none);
        sigfillset(&all);
        posix_spawnattr_setsigmask(&attributes, &none);
        posix_spawnattr_setsigdefault(&attributes, &all);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
        std::vector<char *> envp;
        for (const std::string &e : environment)
            envp.push_back(const_cast<char *>(e.c_str()));
        envp.push_back(nullptr);
        char *argv[] = {const_cast<char *>(path.c_str()), const_cast<char *>(argument), nullptr};
        result = posix_spawn(pid, path.c_str(), &actions, &attributes, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    for (int &fd : theirs)
        closeFd(fd);
    return result;
}

// Waits for one message on `fd` until `deadline`; false when none came whole.
bool receiveBefore(int fd, Clock::time_point deadline, Message *message, int *descriptor)
{
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd p{fd, POLLIN, 0};
        const int n = ::poll(&p, 1, int(std::min<long long>(left, INT_MAX)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            continue;
        int count = 0;
        int received = -1;
        const bool ok = receiveMessageWithDescriptors(fd, message, &received, 1, &count);
        if (descriptor)
            *descriptor = count == 1 ? received : -1;
        else if (count == 1)
            ::close(received);
        return ok;
    }
}

} // namespace

class HelperTemplate {
public:
    HelperTemplate(pid_t pid, int socket, std::vector<std::string> environment)
        : m_pid(pid), m_owner(::getpid()), m_pidfd(::pidfd_open(pid, 0)), m_socket(socket),
          m_environment(std::move(environment))
    {
    }
    HelperTemplate(const HelperTemplate &) = delete;
    HelperTemplate &operator=(const HelperTemplate &) = delete;
    ~HelperTemplate()
    {
        end();
        closeFd(m_pidfd);
    }

    // Closes its socket, lets it end (it reaps what helpers it still has) and
    // reaps it, so that its CPU time and its helpers' count to this process's
    // children. Done when its last helper has gone, or when the process
    // exits.
    void end()
    {
        const std::lock_guard<std::mutex> oneAtATime(m_lock);
        closeFd(m_socket);
        m_gone = true;
        if (m_owner != ::getpid() || m_reaped)
            return;
        pollfd exited{m_pidfd, POLLIN, 0};
        const int waitMs = int(std::chrono::milliseconds(kTemplateEnd).count());
        int n = 0;
        while (m_pidfd >= 0 && (n = ::poll(&exited, 1, waitMs)) < 0 && errno == EINTR) {
        }
        if (m_pidfd < 0 || n <= 0)
            ::kill(m_pid, SIGKILL);
        reapChild(m_pid);
        m_reaped = true;
    }

    // Starts a template and waits until it has loaded everything; null when
    // it could not start or cannot fork helpers here.
    static std::shared_ptr<HelperTemplate> start(const std::string &path, std::vector<std::string> environment)
    {
        int pair[2];
        if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair) != 0)
            return nullptr;
        pid_t pid = -1;
        const int spawned = spawnProcess(path, kTemplateArgument, environment, &pair[1], 1, &pid);
        closeFd(pair[1]);
        if (spawned != 0) {
            closeFd(pair[0]);
            return nullptr;
        }
        auto made = std::make_shared<HelperTemplate>(pid, pair[0], std::move(environment));
        Message ready;
        if (!receiveBefore(made->m_socket, Clock::now() + kTemplateStart, &ready, nullptr)
            || ready.type != MessageType::TemplateReady || ready.a != 1)
            return nullptr;
        return made;
    }

    // Whether a helper to be started with `environment` may be forked from
    // this template, which is still there.
    bool serves(const std::vector<std::string> &environment)
    {
        if (m_owner != ::getpid() || m_retired || environment != m_environment)
            return false;
        const std::lock_guard<std::mutex> oneAtATime(m_lock);
        // Between requests the template says nothing: anything to read
        // (the end of its socket included) means it has gone.
        pollfd p{m_socket, POLLIN, 0};
        int n;
        while ((n = ::poll(&p, 1, 0)) < 0 && errno == EINTR) {
        }
        if (n != 0)
            m_gone = true;
        return !m_gone;
    }
    bool gone() const { return m_gone; }
    // Forks no more helpers; lives on while those it forked do.
    void retire() { m_retired = true; }

    // Forks a helper on the three descriptors. Returns 0, or an errno
    // (ECONNRESET: the template has gone).
    int spawn(const int fds[kSpawnedDescriptors], LaunchedHelper *helper)
    {
        Message request;
        request.type = MessageType::Spawn;
        Message answer;
        int pidfd = -1;
        if (!exchange(request, fds, kSpawnedDescriptors, MessageType::Spawned, &answer, &pidfd))
            return ECONNRESET;
        if (answer.a <= 0 || answer.a > INT_MAX) {
            closeFd(pidfd);
            return answer.a < 0 && answer.a > -4096 ? int(-answer.a) : EPROTO;
        }
        helper->pid = pid_t(answer.a);
        helper->pidfd = pidfd;
        return 0;
    }

    // Reaps a helper it forked, already killed.
    void reap(pid_t pid)
    {
        Message request;
        request.type = MessageType::Reap;
        request.a = pid;
        Message answer;
        exchange(request, nullptr, 0, MessageType::Reaped, &answer, nullptr);
    }

private:
    // One request and its answer, one thread at a time. A template that
    // does not answer in time, or answers what it should not, is taken for
    // gone (killed when its last helper has gone).
    bool exchange(const Message &request, const int *fds, int count, MessageType expected, Message *answer,
                  int *descriptor)
    {
        const std::lock_guard<std::mutex> oneAtATime(m_lock);
        if (m_gone)
            return false;
        int received = -1;
        const bool ok = sendMessageWithDescriptors(m_socket, request, fds, count)
                        && receiveBefore(m_socket, Clock::now() + kTemplateAnswer, answer, &received)
                        && answer->type == expected;
        if (descriptor)
            *descriptor = ok ? received : -1;
        if (!ok || !descriptor)
            closeFd(received);
        if (!ok)
            m_gone = true;
        return ok;
    }

    const pid_t m_pid;
    // The process that started it: a fork of that process must neither use
    // nor reap it.
    const pid_t m_owner;
    int m_pidfd;
    int m_socket;
    bool m_reaped = false;
    const std::vector<std::string> m_environment;
    std::mutex m_lock;
    std::atomic<bool> m_gone{false};
    std::atomic<bool> m_retired{false};
};

namespace {

// The process's templates. Never destroyed: a thread may still start a
// helper while the process exits.
struct Templates {
    std::mutex lock;
    // The one started last, kept for the helpers of later threads.
    std::shared_ptr<HelperTemplate> latest;
    // Those whose helpers still live (each helper holds its template).
    std::vector<std::weak_ptr<HelperTemplate>> live;
    // A template started here and could not fork helpers, or the process
    // is exiting: every helper of this process starts on its own.
    bool unusable = false;
};

Templates &templates();

// The templates are reaped when the process exits (after the exiting
// thread's own helper has gone).
void endTemplatesAtExit()
{
    Templates &t = templates();
    std::vector<std::shared_ptr<HelperTemplate>> ending;
    {
        const std::lock_guard<std::mutex> oneAtATime(t.lock);
        t.unusable = true;
        for (const std::weak_ptr<HelperTemplate> &w : t.live) {
            if (std::shared_ptr<HelperTemplate> live = w.lock())
                ending.push_back(std::move(live));
        }
    }
    for (const std::shared_ptr<HelperTemplate> &e : ending)
        e->end();
}

Templates &templates()
{
    static Templates *t = [] {
        std::atexit(endTemplatesAtExit);
        return new Templates;
    }();
    return *t;
}

// The template for a helper started with `environment`: one that lives and
// was started with it, else a new one. Null when templates do not work here.
std::shared_ptr<HelperTemplate> templateFor(const std::string &path, const std::vector<std::string> &environment)
{
    Templates &t = templates();
    const std::lock_guard<std::mutex> oneAtATime(t.lock);
    if (t.unusable)
        return nullptr;
    std::shared_ptr<HelperTemplate> found;
    for (auto it = t.live.begin(); it != t.live.end();) {
        std::shared_ptr<HelperTemplate> candidate = it->lock();
        if (!candidate) {
            it = t.live.erase(it);
            continue;
        }
        if (!found && candidate->serves(environment))
            found = std::move(candidate);
        ++it;
    }
    if (!found) {
        found = HelperTemplate::start(path, environment);
        t.unusable = !found;
        if (found)
            t.live.push_back(found);
    }
    t.latest = found;
    return found;
}

int launchOnItsOwn(const std::string &path, const std::vector<std::string> &environment, const int fds[3],
                   LaunchedHelper *helper)
{
    const int result = spawnProcess(path, nullptr, environment, fds, kSpawnedDescriptors, &helper->pid);
    if (result == 0)
        helper->pidfd = ::pidfd_open(helper->pid, 0);
    return result;
}

} // namespace

int launchHelper(const std::string &path, int channel, int input, int output, LaunchedHelper *helper)
{
    *helper = LaunchedHelper();
    const std::vector<std::string> environment = helperEnvironment();
    const int fds[kSpawnedDescriptors] = {channel, input, output};
    // A template found gone is replaced once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::shared_ptr<HelperTemplate> from = templateFor(path, environment);
        if (!from)
            break;
        const int spawned = from->spawn(fds, helper);
        if (spawned == 0) {
            helper->from = std::move(from);
            return 0;
        }
        if (!from->gone())
            break;
    }
    return launchOnItsOwn(path, environment, fds, helper);
}

void endHelper(LaunchedHelper *helper, bool failed)
{
    if (failed && helper->from)
        helper->from->retire();
    if (helper->pid > 0) {
        // An idle helper would end by itself once its channel closes; one
        // that is stuck would not. Either way it is gone before it is
        // reaped. The pidfd reaches this helper even once its template has
        // gone and something else has reaped it.
        if (helper->pidfd < 0 || ::pidfd_send_signal(helper->pidfd, SIGKILL, nullptr, 0) != 0) {
            if (helper->pidfd < 0 && (!helper->from || !helper->from->gone()))
                ::kill(helper->pid, SIGKILL);
        }
        if (helper->from)
            helper->from->reap(helper->pid);
        else
            reapChild(helper->pid);
    }
    forgetHelper(helper);
}

void forgetHelper(LaunchedHelper *helper)
{
    closeFd(helper->pidfd);
    helper->from.reset();
    helper->pid = -1;
}

} // namespace tarnwick
