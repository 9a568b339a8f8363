// File handles with Windows sharing rules, and the C runtime opens.

#include "win32.h"
#include "win32_internal.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace win32 {

namespace {

thread_local DWORD lastError = ERROR_SUCCESS;

struct FileHandle {
    int fd;
    dev_t device;
    ino_t inode;
    DWORD access; // GENERIC_READ / GENERIC_WRITE as granted
    DWORD share;
};

// Every open handle of this process: the sharing check needs the others, and
// a handle value is only used when it is one of them.
std::mutex handlesMutex;
std::vector<FileHandle *> openHandles;

DWORD grantedAccess(DWORD desired)
{
    DWORD access = 0;
    if (desired & (GENERIC_READ | GENERIC_ALL))
        access |= GENERIC_READ;
    if (desired & (GENERIC_WRITE | GENERIC_ALL))
        access |= GENERIC_WRITE;
    return access;
}

bool conflicts(const FileHandle &open, DWORD access, DWORD share)
{
    if ((access & GENERIC_READ) && !(open.share & FILE_SHARE_READ))
        return true;
    if ((access & GENERIC_WRITE) && !(open.share & FILE_SHARE_WRITE))
        return true;
    if ((open.access & GENERIC_READ) && !(share & FILE_SHARE_READ))
        return true;
    if ((open.access & GENERIC_WRITE) && !(share & FILE_SHARE_WRITE))
        return true;
    return false;
}

FileHandle *lookup(HANDLE handle)
{
    auto *h = static_cast<FileHandle *>(handle);
    if (std::find(openHandles.begin(), openHandles.end(), h) == openHandles.end())
        return nullptr;
    return h;
}

DWORD errorFromErrno(int e)
{
    switch (e) {
    case ENOENT:
        return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
        return ERROR_PATH_NOT_FOUND;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return ERROR_ACCESS_DENIED;
    default:
        return ERROR_INVALID_PARAMETER;
    }
}

std::string narrowMode(LPCWSTR mode)
{
    std::string m;
    for (; mode && *mode; ++mode)
        if (*mode < 0x80)
            m += static_cast<char>(*mode);
    return m;
}

} // namespace

DWORD GetLastError() { return lastError; }
void SetLastError(DWORD error) { lastError = error; }

HANDLE CreateFileW(LPCWSTR fileName, DWORD desiredAccess, DWORD shareMode, void *, DWORD creationDisposition,
                   DWORD, HANDLE)
{
    if (!fileName || !*fileName) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const DWORD access = grantedAccess(desiredAccess);
    int flags = O_CLOEXEC;
    if ((access & GENERIC_READ) && (access & GENERIC_WRITE))
        flags |= O_RDWR;
    else if (access & GENERIC_WRITE)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    bool truncate = false;
    switch (creationDisposition) {
    case CREATE_NEW:
        flags |= O_CREAT | O_EXCL;
        break;
    case CREATE_ALWAYS:
        flags |= O_CREAT;
        truncate = true;
        break;
    case OPEN_EXISTING:
        break;
    case OPEN_ALWAYS:
        flags |= O_CREAT;
        break;
    case TRUNCATE_EXISTING:
        if (!(access & GENERIC_WRITE)) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return INVALID_HANDLE_VALUE;
        }
        truncate = true;
        break;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const std::string path = LocalPath(fileName);
    std::lock_guard<std::mutex> lock(handlesMutex);
    const bool existed = ::access(path.c_str(), F_OK) == 0;
    int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) {
        SetLastError(errorFromErrno(errno));
        return INVALID_HANDLE_VALUE;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    for (const FileHandle *open : openHandles) {
        if (open->device == st.st_dev && open->inode == st.st_ino && conflicts(*open, access, shareMode)) {
            ::close(fd);
            SetLastError(ERROR_SHARING_VIOLATION);
            return INVALID_HANDLE_VALUE;
        }
    }
    if (flock(fd, (shareMode == 0 ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        ::close(fd);
        SetLastError(ERROR_SHARING_VIOLATION);
        return INVALID_HANDLE_VALUE;
    }
    if (truncate && ftruncate(fd, 0) != 0) {
        ::close(fd);
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    auto *h = new FileHandle{fd, st.st_dev, st.st_ino, access, shareMode};
    openHandles.push_back(h);
    const bool reportsExisting = creationDisposition == CREATE_ALWAYS || creationDisposition == OPEN_ALWAYS;
    SetLastError(reportsExisting && existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return h;
}

BOOL CloseHandle(HANDLE handle)
{
    std::lock_guard<std::mutex> lock(handlesMutex);
    FileHandle *h = lookup(handle);
    if (!h) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    openHandles.erase(std::find(openHandles.begin(), openHandles.end(), h));
    ::close(h->fd);
    delete h;
    return TRUE;
}

namespace {

// The descriptor of a handle with the given access, or -1.
int descriptor(HANDLE handle, DWORD neededAccess)
{
    std::lock_guard<std::mutex> lock(handlesMutex);
    FileHandle *h = lookup(handle);
    if (!h) {
        SetLastError(ERROR_INVALID_HANDLE);
        return -1;
    }
    if ((h->access & neededAccess) != neededAccess) {
        SetLastError(ERROR_ACCESS_DENIED);
        return -1;
    }
    return h->fd;
}

} // namespace

BOOL ReadFile(HANDLE handle, void *buffer, DWORD count, DWORD *bytesRead, void *)
{
    if (bytesRead)
        *bytesRead = 0;
    int fd = descriptor(handle, GENERIC_READ);
    if (fd < 0)
        return FALSE;
    auto *out = static_cast<char *>(buffer);
    DWORD done = 0;
    while (done < count) {
        ssize_t n = ::read(fd, out + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            SetLastError(errorFromErrno(errno));
            if (bytesRead)
                *bytesRead = done;
            return FALSE;
        }
        if (n == 0)
            break;
        done += static_cast<DWORD>(n);
    }
    if (bytesRead)
        *bytesRead = done;
    return TRUE;
}

BOOL WriteFile(HANDLE handle, const void *buffer, DWORD count, DWORD *bytesWritten, void *)
{
    if (bytesWritten)
        *bytesWritten = 0;
    int fd = descriptor(handle, GENERIC_WRITE);
    if (fd < 0)
        return FALSE;
    auto *in = static_cast<const char *>(buffer);
    DWORD done = 0;
    while (done < count) {
        ssize_t n = ::write(fd, in + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            SetLastError(n < 0 ? errorFromErrno(errno) : ERROR_ACCESS_DENIED);
            if (bytesWritten)
                *bytesWritten = done;
            return FALSE;
        }
        done += static_cast<DWORD>(n);
    }
    if (bytesWritten)
        *bytesWritten = done;
    return TRUE;
}

DWORD SetFilePointer(HANDLE handle, LONG distance, LONG *distanceHigh, DWORD moveMethod)
{
    int fd = descriptor(handle, 0);
    if (fd < 0)
        return INVALID_SET_FILE_POINTER;
    int64_t move = distanceHigh
        ? static_cast<int64_t>((static_cast<uint64_t>(static_cast<uint32_t>(*distanceHigh)) << 32)
                               | static_cast<uint32_t>(distance))
        : static_cast<int64_t>(distance);
    int whence = moveMethod == FILE_BEGIN ? SEEK_SET : moveMethod == FILE_CURRENT ? SEEK_CUR : SEEK_END;
    if (moveMethod > FILE_END) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    off_t position = lseek(fd, static_cast<off_t>(move), whence);
    if (position < 0) {
        SetLastError(errno == EINVAL ? ERROR_NEGATIVE_SEEK : errorFromErrno(errno));
        return INVALID_SET_FILE_POINTER;
    }
    const uint64_t p = static_cast<uint64_t>(position);
    if (distanceHigh)
        *distanceHigh = static_cast<LONG>(p >> 32);
    else if (p > 0xFFFFFFFEu) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_SET_FILE_POINTER;
    }
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(p & 0xFFFFFFFFu);
}

BOOL SetEndOfFile(HANDLE handle)
{
    int fd = descriptor(handle, GENERIC_WRITE);
    if (fd < 0)
        return FALSE;
    off_t position = lseek(fd, 0, SEEK_CUR);
    if (position < 0 || ftruncate(fd, position) != 0) {
        SetLastError(errorFromErrno(errno));
        return FALSE;
    }
    return TRUE;
}

DWORD GetFileSize(HANDLE handle, DWORD *fileSizeHigh)
{
    int fd = descriptor(handle, 0);
    struct stat st;
    if (fd < 0 || fstat(fd, &st) != 0)
        return 0xFFFFFFFFu;
    const uint64_t size = static_cast<uint64_t>(st.st_size);
    if (fileSizeHigh)
        *fileSizeHigh = static_cast<DWORD>(size >> 32);
    return static_cast<DWORD>(size & 0xFFFFFFFFu);
}

bool ReadWholeFile(HANDLE handle, std::string &content)
{
    content.clear();
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(handle, chunk, sizeof chunk, &got, nullptr))
            return false;
        if (got == 0)
            return true;
        content.append(chunk, got);
    }
}

BOOL CopyFileW(LPCWSTR existingFileName, LPCWSTR newFileName, BOOL failIfExists)
{
    HANDLE source = CreateFileW(existingFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (source == INVALID_HANDLE_VALUE)
        return FALSE;
    HANDLE destination = CreateFileW(newFileName, GENERIC_WRITE, 0, nullptr,
                                     failIfExists ? CREATE_NEW : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (destination == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        CloseHandle(source);
        SetLastError(error);
        return FALSE;
    }
    bool ok = true;
    char chunk[65536];
    for (;;) {
        DWORD got = 0, written = 0;
        if (!ReadFile(source, chunk, sizeof chunk, &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0)
            break;
        if (!WriteFile(destination, chunk, got, &written, nullptr) || written != got) {
            ok = false;
            break;
        }
    }
    DWORD error = GetLastError();
    CloseHandle(destination);
    CloseHandle(source);
    SetLastError(ok ? ERROR_SUCCESS : error);
    return ok ? TRUE : FALSE;
}

namespace {

// The runtime shares everything, so it fails only against a handle of this
// process that does not share what the mode needs.
FILE *openShared(const std::string &path, const std::string &mode)
{
    DWORD access = 0;
    if (mode.find('r') != std::string::npos)
        access |= GENERIC_READ;
    if (mode.find('w') != std::string::npos || mode.find('a') != std::string::npos)
        access |= GENERIC_WRITE;
    if (mode.find('+') != std::string::npos)
        access |= GENERIC_READ | GENERIC_WRITE;
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        std::lock_guard<std::mutex> lock(handlesMutex);
        for (const FileHandle *open : openHandles) {
            if (open->device == st.st_dev && open->inode == st.st_ino
                && conflicts(*open, access, FILE_SHARE_READ | FILE_SHARE_WRITE)) {
                errno = EACCES;
                return nullptr;
            }
        }
    }
    return ::fopen(path.c_str(), mode.c_str());
}

} // namespace

FILE *_wfopen(LPCWSTR fileName, LPCWSTR mode)
{
    if (!fileName || !*fileName || !mode)
        return nullptr;
    return openShared(LocalPath(fileName), narrowMode(mode));
}

FILE *fopen(LPCSTR fileName, LPCSTR mode)
{
    if (!fileName || !*fileName || !mode)
        return nullptr;
    int units = MultiByteToWideChar(CP_ACP, 0, fileName, -1, nullptr, 0);
    if (units <= 0)
        return nullptr;
    WString wide(static_cast<size_t>(units), 0);
    MultiByteToWideChar(CP_ACP, 0, fileName, -1, &wide[0], units);
    return openShared(LocalPath(wide.c_str()), mode);
}

} // namespace win32
