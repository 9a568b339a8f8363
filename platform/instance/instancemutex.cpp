#include "instancemutex.h"

#include "utf8.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlatformInstance {

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

struct InstanceLock {
    int fd = -1;
};

// A folder only this user can write to: a directory (not a link) owned by us
// with no group or world access.
bool isPrivateFolder(const std::string &path)
{
    struct stat st;
    if (path.empty() || lstat(path.c_str(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

std::string lockFolder()
{
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR")) {
        if (isPrivateFolder(runtime))
            return runtime;
    }
    const std::string fallback = "/tmp/vantrope-" + std::to_string(geteuid());
    if (mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    return isPrivateFolder(fallback) ? fallback : std::string();
}

// The name as a file name: UTF-8, with path separators and control characters
// replaced, so that no name can point outside the lock folder.
std::string fileNameFor(const wchar_t *name)
{
    std::string out;
    for (const wchar_t *p = name; *p; ++p) {
        const unsigned long c = static_cast<unsigned long>(*p);
        if (c == '/' || c == '\\' || c < 0x20) {
            out += '_';
        } else {
            PlatformText::appendUtf8(out, static_cast<char32_t>(c));
        }
    }
    if (out.empty() || out == "." || out == "..")
        return {};
    return out;
}

std::string pathFor(const wchar_t *name, const char *suffix = ".lock")
{
    if (!name)
        return {};
    const std::string folder = lockFolder();
    const std::string file = fileNameFor(name);
    if (folder.empty() || file.empty())
        return {};
    return folder + "/" + file + suffix;
}

} // namespace

HANDLE CreateMutexW(const void *, bool, const wchar_t *name)
{
    const std::string path = pathFor(name);
    if (path.empty()) {
        lastError = name && *name ? ERROR_ACCESS_DENIED : ERROR_INVALID_NAME;
        return nullptr;
    }
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        lastError = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    int rc;
    do {
        rc = flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0 && errno != EWOULDBLOCK) {
        close(fd);
        lastError = ERROR_ACCESS_DENIED;
        return nullptr;
    }
    auto *lock = new InstanceLock;
    if (rc == 0) {
        lock->fd = fd;
        lastError = ERROR_SUCCESS;
    } else {
        // Like an opened existing mutex: a valid handle that does not own it.
        close(fd);
        lastError = ERROR_ALREADY_EXISTS;
    }
    return lock;
}

DWORD GetLastError()
{
    return lastError;
}

bool CloseHandle(HANDLE handle)
{
    auto *lock = static_cast<InstanceLock *>(handle);
    if (!lock)
        return false;
    if (lock->fd >= 0)
        close(lock->fd);
    delete lock;
    return true;
}

const char *lockFilePath(const wchar_t *name)
{
    thread_local std::string path;
    path = pathFor(name);
    return path.c_str();
}

const char *channelPath(const wchar_t *name)
{
    thread_local std::string path;
    path = pathFor(name, ".socket");
    return path.c_str();
}

} // namespace PlatformInstance
