#include "sandbox.h"

#include "helperprotocol.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <initializer_list>

#include <fcntl.h>
#include <sched.h>
#include <seccomp.h>
#include <sys/prctl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace tarnwick {
namespace {

void closeAllBut(bool keepStderr)
{
    static_assert(kChannelFd == 3 && kInputFd == 4 && kOutputFd == 5, "the channel's descriptors follow stderr");
    closeDescriptorsFrom(kOutputFd + 1);
    ::close(STDIN_FILENO);
    ::close(STDOUT_FILENO);
    if (!keepStderr)
        ::close(STDERR_FILENO);
}

// The system calls decoding needs, and nothing that reaches a file, the
// network, another process or the helper's own limits.
bool installFilter(bool keepStderr)
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_KILL_PROCESS);
    if (!filter)
        return false;
    bool ok = seccomp_attr_set(filter, SCMP_FLTATR_ACT_BADARCH, SCMP_ACT_KILL_PROCESS) == 0;
    auto allow = [&](int syscall) { ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, syscall, 0) == 0; };
    for (int syscall : {
             // The descriptors it has: the channel and the two memfds.
             SCMP_SYS(read), SCMP_SYS(write), SCMP_SYS(readv), SCMP_SYS(writev), SCMP_SYS(recvfrom),
             SCMP_SYS(recvmsg), SCMP_SYS(sendto), SCMP_SYS(sendmsg), SCMP_SYS(close),
             // Memory.
             SCMP_SYS(brk), SCMP_SYS(mmap), SCMP_SYS(munmap), SCMP_SYS(mremap), SCMP_SYS(mprotect),
             SCMP_SYS(madvise),
             // Threads and their synchronisation.
             SCMP_SYS(futex), SCMP_SYS(set_robust_list), SCMP_SYS(rseq), SCMP_SYS(sched_yield),
             SCMP_SYS(gettid), SCMP_SYS(getpid), SCMP_SYS(membarrier),
             // Signals within the process (abort, the C library's thread
             // cancellation), time, randomness.
             SCMP_SYS(rt_sigprocmask), SCMP_SYS(rt_sigaction), SCMP_SYS(rt_sigreturn), SCMP_SYS(sigaltstack),
             SCMP_SYS(clock_gettime), SCMP_SYS(clock_getres), SCMP_SYS(gettimeofday), SCMP_SYS(nanosleep),
             SCMP_SYS(clock_nanosleep), SCMP_SYS(restart_syscall), SCMP_SYS(getrandom),
             SCMP_SYS(exit), SCMP_SYS(exit_group)}) {
        allow(syscall);
    }
    // Threads, never processes: a new task must share memory, signal
    // handlers and the thread group.
    const scmp_datum_t threadFlags = CLONE_VM | CLONE_SIGHAND | CLONE_THREAD;
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(clone), 1,
                                SCMP_A0(SCMP_CMP_MASKED_EQ, threadFlags, threadFlags)) == 0;
    // clone3 passes its flags in memory the filter cannot read.
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0) == 0;
    // Signals only to itself.
    const scmp_datum_t self = scmp_datum_t(::getpid());
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(tgkill), 1, SCMP_A0(SCMP_CMP_EQ, self)) == 0;
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(kill), 1, SCMP_A0(SCMP_CMP_EQ, self)) == 0;
    // How many cores it may use (the codecs' thread counts); dav1d asks
    // for its threads by their ids, so any id is allowed: a CPU mask is all
    // it tells.
    allow(SCMP_SYS(sched_getaffinity));
    // Naming its threads.
    ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(prctl), 1, SCMP_A0(SCMP_CMP_EQ, PR_SET_NAME)) == 0;
    // The codecs' messages, when asked for: libavcodec asks whether stderr
    // is a terminal before it writes.
    if (keepStderr)
        ok = ok && seccomp_rule_add(filter, SCMP_ACT_ALLOW, SCMP_SYS(ioctl), 2, SCMP_A0(SCMP_CMP_EQ, STDERR_FILENO),
                                    SCMP_A1(SCMP_CMP_EQ, TCGETS)) == 0;
    ok = ok && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return ok;
}

} // namespace

void closeDescriptorsFrom(int first)
{
    if (::close_range(unsigned(first), ~0U, 0) == 0)
        return;
    // Kernels before 5.9.
    rlimit files{};
    const int last = ::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur != RLIM_INFINITY
                         ? int(std::min<rlim_t>(files.rlim_cur, 1 << 20))
                         : 1 << 16;
    for (int fd = first; fd < last; ++fd)
        ::close(fd);
}

LockDown lockDown(bool keepStderr, bool withFilter)
{
    closeAllBut(keepStderr);
    // No core files of photos, no other process of the user's reading its
    // memory, no new descriptors.
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
    const rlimit none{0, 0};
    ::setrlimit(RLIMIT_CORE, &none);
    const rlimit files{kOutputFd + 1, kOutputFd + 1};
    ::setrlimit(RLIMIT_NOFILE, &files);
    LockDown state;
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && withFilter)
        state.filtered = installFilter(keepStderr);
    return state;
}

} // namespace tarnwick
