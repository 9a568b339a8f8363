// Windows paths onto the local file system, and back.

#include "win32.h"

#include <cctype>
#include <cstdlib>
#include <mutex>

namespace win32 {

namespace {

std::mutex rootMutex;
std::string rootOverride;
bool rootOverridden = false;

bool isSeparator(WCHAR c) { return c == '\\' || c == '/'; }

bool isDriveLetter(WCHAR c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string withSlashes(const WString &text)
{
    std::string local = ToUtf8(text);
    for (char &c : local)
        if (c == '\\')
            c = '/';
    return local;
}

} // namespace

void SetDriveRoot(const char *folder)
{
    std::lock_guard<std::mutex> lock(rootMutex);
    rootOverridden = folder != nullptr;
    rootOverride = folder ? folder : "";
}

std::string DriveRoot()
{
    {
        std::lock_guard<std::mutex> lock(rootMutex);
        if (rootOverridden)
            return rootOverride;
    }
    if (const char *env = getenv("VANTROPE_DRIVE_ROOT"); env && *env)
        return env;
    if (const char *xdg = getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::string(xdg) + "/vantrope/drives";
    if (const char *home = getenv("HOME"); home && *home)
        return std::string(home) + "/.local/share/vantrope/drives";
    return "/tmp/vantrope/drives";
}

std::string LocalPath(LPCWSTR windowsPath)
{
    if (!windowsPath)
        return std::string();
    WString path(windowsPath);
    if (path.size() >= 2 && isDriveLetter(path[0]) && path[1] == ':') {
        char letter = static_cast<char>(tolower(static_cast<int>(path[0])));
        size_t restStart = 2;
        while (restStart < path.size() && isSeparator(path[restStart]))
            ++restStart;
        std::string rest = withSlashes(path.substr(restStart));
        std::string base = letter == 'z' ? std::string() : DriveRoot() + "/" + letter;
        return rest.empty() ? (base.empty() ? std::string("/") : base) : base + "/" + rest;
    }
    return withSlashes(path);
}

WString WindowsPathFromLocal(const std::string &localPath)
{
    std::string root = DriveRoot();
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    std::string rest;
    char letter = 'Z';
    if (!root.empty() && localPath.size() >= root.size() + 2
        && localPath.compare(0, root.size(), root) == 0 && localPath[root.size()] == '/'
        && isalpha(static_cast<unsigned char>(localPath[root.size() + 1]))
        && (localPath.size() == root.size() + 2 || localPath[root.size() + 2] == '/')) {
        letter = static_cast<char>(toupper(static_cast<unsigned char>(localPath[root.size() + 1])));
        rest = localPath.substr(root.size() + 2);
    } else {
        rest = localPath;
    }
    if (rest.empty() || rest[0] != '/')
        rest = "/" + rest;
    for (char &c : rest)
        if (c == '/')
            c = '\\';
    WString result;
    result += static_cast<WCHAR>(letter);
    result += ':';
    return result + FromUtf8(rest);
}

} // namespace win32
