#include "helpertemplate.h"

#include "helperprotocol.h"
#include "sandbox.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/pidfd.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarnwick {
namespace {

// Where the received descriptors wait for the fork: above the numbers they
// get in the helper, so that placing them there overwrites none of them.
constexpr int kParkedFdFloor = 10;
static_assert(kInputFd == kChannelFd + 1 && kOutputFd == kChannelFd + 2, "the helper's descriptors follow each other");

// Whether this process runs its main thread alone (none of the loaded
// libraries started one).
bool runsOneThread()
{
    DIR *tasks = ::opendir("/proc/self/task");
    if (!tasks)
        return false;
    int count = 0;
    while (const dirent *entry = ::readdir(tasks)) {
        if (entry->d_name[0] != '.')
            ++count;
    }
    ::closedir(tasks);
    return count == 1;
}

// stdin and stdout lead nowhere: a descriptor received later must never land
// on a number a library may write to.
void quietStandardStreams()
{
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null < 0)
        return;
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    if (null > STDOUT_FILENO)
        ::close(null);
}

void closeAll(int *fds, int count)
{
    for (int i = 0; i < count; ++i) {
        if (fds[i] >= 0)
            ::close(fds[i]);
        fds[i] = -1;
    }
}

// The helpers forked and not yet reaped.
std::vector<pid_t> g_children;

void forget(pid_t pid)
{
    for (auto it = g_children.begin(); it != g_children.end(); ++it) {
        if (*it == pid) {
            g_children.erase(it);
            return;
        }
    }
}

// The library has gone: the helpers still there are killed and reaped, so
// that their CPU time counts to the template's, which the library's process
// reaps.
void endChildren()
{
    for (pid_t pid : g_children)
        ::kill(pid, SIGKILL);
    for (pid_t pid : g_children) {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    g_children.clear();
}

bool answer(const Message &message, int descriptor = -1)
{
    return descriptor >= 0 ? sendMessageWithDescriptors(kChannelFd, message, &descriptor, 1)
                           : sendMessage(kChannelFd, message);
}

// Forks a helper on the descriptors received (its channel, input and output;
// closed here in any case). Answers with its pid and a pidfd of it, or with
// -errno.
bool spawnHelper(int received[kSpawnedDescriptors], int (*lockDownAndServe)())
{
    Message spawned;
    spawned.type = MessageType::Spawned;
    int parked[kSpawnedDescriptors];
    bool ok = true;
    for (int i = 0; i < kSpawnedDescriptors; ++i) {
        parked[i] = ::fcntl(received[i], F_DUPFD_CLOEXEC, kParkedFdFloor);
        ok = ok && parked[i] >= 0;
    }
    closeAll(received, kSpawnedDescriptors);
    if (!ok || !runsOneThread()) {
        closeAll(parked, kSpawnedDescriptors);
        spawned.a = ok ? -EDEADLK : -EMFILE;
        return answer(spawned);
    }
    const pid_t self = ::getpid();
    const pid_t pid = ::fork();
    if (pid == 0) {
        // The helper dies with the template, which ends when the library's
        // process does.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0);
        if (::getppid() != self)
            std::_Exit(0);
        for (int i = 0; i < kSpawnedDescriptors; ++i) {
            if (::dup2(parked[i], kChannelFd + i) < 0)
                std::_Exit(2);
        }
        ::prctl(PR_SET_NAME, "tarnwick-decoder", 0, 0, 0);
        std::_Exit(lockDownAndServe());
    }
    const int forkError = errno;
    closeAll(parked, kSpawnedDescriptors);
    if (pid < 0) {
        spawned.a = -forkError;
        return answer(spawned);
    }
    spawned.a = pid;
    g_children.push_back(pid);
    // The pid cannot be another process's yet: the child is not reaped.
    const int pidfd = ::pidfd_open(pid, 0);
    const bool sent = answer(spawned, pidfd);
    if (pidfd >= 0)
        ::close(pidfd);
    return sent;
}

bool reapHelper(pid_t pid)
{
    Message reaped;
    reaped.type = MessageType::Reaped;
    if (pid <= 0) {
        // waitpid would take it for any child or a process group.
        reaped.a = -EINVAL;
        return answer(reaped);
    }
    int status = 0;
    pid_t r;
    while ((r = ::waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    reaped.a = r < 0 ? -errno : r;
    reaped.b = status;
    if (r == pid)
        forget(pid);
    return answer(reaped);
}

} // namespace

int templateMain(void (*loadEverything)(), int (*lockDownAndServe)())
{
    // No PR_SET_PDEATHSIG: the thread that started the template may end
    // long before the library's process does; the end of its socket is
    // what tells the template the library has gone.
    if (::fcntl(kChannelFd, F_GETFD) < 0) {
        std::fprintf(stderr, "tarnwick-decoder: started by libTarnwick only\n");
        return 2;
    }
    // Nothing of the library's process but the socket: whatever else it
    // left open would stay open in every helper until its lock-down.
    closeDescriptorsFrom(kChannelFd + 1);
    quietStandardStreams();
    ::prctl(PR_SET_NAME, "tarnwick-templ", 0, 0, 0);
    loadEverything();

    Message ready;
    ready.type = MessageType::TemplateReady;
    ready.a = runsOneThread() ? 1 : 0;
    if (!sendMessage(kChannelFd, ready))
        return 0;
    for (;;) {
        Message request;
        int received[kSpawnedDescriptors] = {-1, -1, -1};
        int count = 0;
        if (!receiveMessageWithDescriptors(kChannelFd, &request, received, kSpawnedDescriptors, &count)) {
            endChildren();
            return 0;
        }
        bool answered = false;
        if (request.type == MessageType::Spawn && count == kSpawnedDescriptors)
            answered = spawnHelper(received, lockDownAndServe);
        else if (request.type == MessageType::Reap && count == 0)
            answered = reapHelper(pid_t(request.a));
        else {
            closeAll(received, count);
            endChildren();
            return 2;
        }
        if (!answered) {
            endChildren();
            return 0;
        }
    }
}

} // namespace tarnwick
