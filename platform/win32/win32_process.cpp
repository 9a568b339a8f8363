// Module path, current directory, debug output and starting programs.

#include "win32.h"
#include "win32_internal.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <mutex>
#include <vector>

extern char **environ;

namespace win32 {

namespace {

int spawnDetached(const char *const *argv, const char *workingDirectory)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (workingDirectory && *workingDirectory)
        posix_spawn_file_actions_addchdir_np(&actions, workingDirectory);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, const_cast<char *const *>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return rc;
    // Nobody waits for the program; a reaper keeps it from lingering as a zombie.
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return 0;
}

std::atomic<ProcessSpawner> currentSpawner{spawnDetached};

void defaultDebugSink(LPCWSTR text)
{
    if (!getenv("VANTROPE_DEBUG_OUTPUT"))
        return;
    std::string line = ToUtf8(WString(text)) + "\n";
    fputs(line.c_str(), stderr);
}

std::atomic<DebugOutputSink> currentSink{defaultDebugSink};

std::mutex modulePathMutex;
std::string modulePathOverride;

bool equalsIgnoringCase(const WString &a, const char *b)
{
    size_t n = strlen(b);
    if (a.size() != n)
        return false;
    for (size_t i = 0; i < n; ++i) {
        WCHAR c = a[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<WCHAR>(c - 'A' + 'a');
        if (c != static_cast<WCHAR>(b[i]))
            return false;
    }
    return true;
}

bool isDrivePath(const WString &s)
{
    return s.size() >= 3 && ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z')) && s[1] == ':'
        && (s[2] == '\\' || s[2] == '/');
}

// "scheme:" with a scheme of two or more characters (a drive letter is one).
bool isAddress(const WString &s)
{
    size_t colon = s.find(':');
    if (colon == WString::npos || colon < 2)
        return false;
    for (size_t i = 0; i < colon; ++i) {
        WCHAR c = s[i];
        bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!(alpha || (i > 0 && other)))
            return false;
    }
    return true;
}

WString trimmedLeft(const WString &s)
{
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    return s.substr(i);
}

HINSTANCE result(intptr_t code) { return reinterpret_cast<HINSTANCE>(code); }

int spawn(const std::vector<std::string> &args, const char *workingDirectory)
{
    std::vector<const char *> argv;
    for (const std::string &a : args)
        argv.push_back(a.c_str());
    argv.push_back(nullptr);
    return currentSpawner.load()(argv.data(), workingDirectory);
}

} // namespace

ProcessSpawner SetProcessSpawner(ProcessSpawner spawner)
{
    return currentSpawner.exchange(spawner ? spawner : spawnDetached);
}

DebugOutputSink SetDebugOutputSink(DebugOutputSink sink)
{
    return currentSink.exchange(sink ? sink : defaultDebugSink);
}

void OutputDebugStringW(LPCWSTR text)
{
    if (text)
        currentSink.load()(text);
}

void SetModulePath(const char *localPath)
{
    std::lock_guard<std::mutex> lock(modulePathMutex);
    modulePathOverride = localPath ? localPath : "";
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR fileName, DWORD size)
{
    if (module != nullptr || !fileName || size == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string local;
    {
        std::lock_guard<std::mutex> lock(modulePathMutex);
        local = modulePathOverride;
    }
    if (local.empty()) {
        char buffer[PATH_MAX + 1];
        ssize_t n = readlink("/proc/self/exe", buffer, PATH_MAX);
        if (n <= 0) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            fileName[0] = 0;
            return 0;
        }
        local.assign(buffer, static_cast<size_t>(n));
    }
    WString path = WindowsPathFromLocal(local);
    if (path.size() >= size) {
        lstrcpynW(fileName, path.c_str(), static_cast<int>(size));
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    lstrcpynW(fileName, path.c_str(), static_cast<int>(size));
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
}

BOOL SetCurrentDirectoryW(LPCWSTR pathName)
{
    if (!pathName || !*pathName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (chdir(LocalPath(pathName).c_str()) != 0) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    return TRUE;
}

HINSTANCE ShellExecuteW(HWND, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, int)
{
    constexpr intptr_t kStarted = 33, kNotFound = 2, kNoAssociation = 31;
    if (operation && *operation && !equalsIgnoringCase(WString(operation), "open"))
        return result(kNoAssociation);
    if (!file || !*file)
        return result(kNotFound);
    const WString target(file);
    const WString params = parameters ? trimmedLeft(WString(parameters)) : WString();
    std::string workDir = directory && *directory ? LocalPath(directory) : std::string();
    const char *cwd = workDir.empty() ? nullptr : workDir.c_str();

    size_t nameStart = target.find_last_of(WIDE("\\/"));
    WString name = nameStart == WString::npos ? target : target.substr(nameStart + 1);
    if (equalsIgnoringCase(name, "cmd.exe") || equalsIgnoringCase(name, "cmd")) {
        if (params.size() < 2 || params[0] != '/' || (params[1] != 'C' && params[1] != 'c'))
            return result(kNoAssociation);
        WString command = trimmedLeft(params.substr(2));
        WString script, rest;
        if (!command.empty() && command[0] == '"') {
            size_t close = command.find('"', 1);
            if (close == WString::npos)
                return result(kNoAssociation);
            script = command.substr(1, close - 1);
            rest = trimmedLeft(command.substr(close + 1));
        } else {
            size_t blank = command.find(' ');
            script = command.substr(0, blank);
            rest = blank == WString::npos ? WString() : trimmedLeft(command.substr(blank + 1));
        }
        if (script.empty())
            return result(kNoAssociation);
        std::string scriptPath = LocalPath(script.c_str());
        if (scriptPath.find('/') == std::string::npos)
            scriptPath = "./" + scriptPath;
        std::vector<std::string> args{"/bin/sh", scriptPath};
        std::vector<WString> words;
        while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t'))
            rest.pop_back();
        if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') {
            words.push_back(rest.substr(1, rest.size() - 2));
        } else {
            size_t pos = 0;
            while (pos < rest.size()) {
                size_t blank = rest.find(' ', pos);
                if (blank == WString::npos)
                    blank = rest.size();
                if (blank > pos)
                    words.push_back(rest.substr(pos, blank - pos));
                pos = blank + 1;
            }
        }
        for (const WString &w : words)
            args.push_back(isDrivePath(w) ? LocalPath(w.c_str()) : ToUtf8(w));
        return result(spawn(args, cwd) == 0 ? kStarted : kNotFound);
    }
    if (!params.empty())
        return result(kNoAssociation);
    std::string opened = isAddress(target) ? ToUtf8(target) : LocalPath(target.c_str());
    return result(spawn({"xdg-open", opened}, cwd) == 0 ? kStarted : kNotFound);
}

} // namespace win32
