#include "helperfaults.h"

#include "Tarnwick.h"
#include "helperprotocol.h"
#include "pixelbudget.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarnwick {
namespace {

constexpr char kMarker[] = "TARNWICK-FAULT:";

// The forbidden calls, made directly so that no C library wrapper chooses
// another system call for them. Coming back at all (success or an error)
// means the filter let them through.
int32_t cameBack()
{
    return TARNWICK_ERR_INTERNAL;
}

int32_t openAFile()
{
    ::syscall(SYS_openat, AT_FDCWD, "/etc/passwd", O_RDONLY);
    ::syscall(SYS_open, "/etc/passwd", O_RDONLY);
    ::syscall(SYS_creat, "/tmp/tarnwick-fault-created", 0600);
    return cameBack();
}

int32_t connectASocket()
{
    const int fd = int(::syscall(SYS_socket, AF_INET, SOCK_STREAM, 0));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(9);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::syscall(SYS_connect, fd, &address, sizeof address);
    return cameBack();
}

int32_t startAProgram()
{
    // A program that does not exist: refused by the kernel when the filter
    // is not there, so that only the filter's kill ends the helper.
    char *argv[] = {const_cast<char *>("/nonexistent/tarnwick-fault"), nullptr};
    char *envp[] = {nullptr};
    ::syscall(SYS_execve, argv[0], argv, envp);
    return cameBack();
}

int32_t startAProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        std::_Exit(0);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return cameBack();
}

int32_t traceAProcess()
{
    ::syscall(SYS_ptrace, PTRACE_ATTACH, ::getppid(), nullptr, nullptr);
    return cameBack();
}

int32_t signalTheLibrary()
{
    // Signal 0 only checks that the process exists.
    ::syscall(SYS_kill, ::getppid(), 0);
    return cameBack();
}

int32_t allocateWithoutEnd()
{
    std::vector<char *> blocks;
    int32_t result = TARNWICK_ERR_INTERNAL;
    try {
        for (size_t total = 0; total < (size_t(1) << 40); total += 16 << 20) {
            char *block = new char[16 << 20];
            std::memset(block, 0x5A, 16 << 20);
            blocks.push_back(block);
        }
    } catch (const std::bad_alloc &) {
        result = TARNWICK_ERR_NO_MEMORY;
    }
    for (char *block : blocks)
        delete[] block;
    return result;
}

// The whole budget, held 300 ms; the answer is the CLOCK_MONOTONIC
// millisecond (modulo 2^30) it was granted.
int32_t holdTheBudget()
{
    const MemoryReservation whole(uint64_t(TARNWICK_MEMORY_BUDGET_MIB) << 20);
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const int64_t granted = (int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000) % (int64_t(1) << 30);
    const timespec hold{0, 300 * 1000 * 1000};
    nanosleep(&hold, nullptr);
    return int32_t(granted);
}

} // namespace

bool commitRequestedFault(const unsigned char *input, int32_t inputLength, int channel, int32_t *result)
{
    const size_t markerLength = sizeof kMarker - 1;
    if (!input || size_t(inputLength) <= markerLength || std::memcmp(input, kMarker, markerLength) != 0)
        return false;
    const std::string fault(reinterpret_cast<const char *>(input) + markerLength,
                            size_t(inputLength) - markerLength);
    if (fault == "segv") {
        volatile int *nowhere = nullptr;
        *nowhere = 1;
    } else if (fault == "abort") {
        std::abort();
    } else if (fault == "loop") {
        for (volatile unsigned long spin = 0;; ++spin) {
        }
    } else if (fault == "allocate") {
        *result = allocateWithoutEnd();
        return true;
    } else if (fault == "garbage") {
        const char junk[] = "not a message";
        ::send(channel, junk, sizeof junk, MSG_NOSIGNAL);
        for (;;)
            ::sleep(1);
    } else if (fault == "hold") {
        *result = holdTheBudget();
        return true;
    } else if (fault == "open") {
        *result = openAFile();
        return true;
    } else if (fault == "socket") {
        *result = connectASocket();
        return true;
    } else if (fault == "exec") {
        *result = startAProgram();
        return true;
    } else if (fault == "fork") {
        *result = startAProcess();
        return true;
    } else if (fault == "ptrace") {
        *result = traceAProcess();
        return true;
    } else if (fault == "kill") {
        *result = signalTheLibrary();
        return true;
    }
    return false;
}

} // namespace tarnwick
