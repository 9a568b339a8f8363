#include "dynlib.h"

#include "utf8.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <cwchar>

namespace Dynlib {

namespace {

bool endsWithNoCase(const std::string &s, const char *suffix)
{
    const size_t n = std::strlen(suffix);
    if (s.size() < n)
        return false;
    for (size_t i = 0; i < n; ++i) {
        char a = s[s.size() - n + i];
        if (a >= 'A' && a <= 'Z')
            a = static_cast<char>(a - 'A' + 'a');
        if (a != suffix[i])
            return false;
    }
    return true;
}

std::string executableFolder()
{
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    std::string s(path, static_cast<size_t>(n));
    const size_t slash = s.rfind('/');
    return slash == std::string::npos ? std::string() : s.substr(0, slash);
}

} // namespace

std::string sharedObjectNameFor(const wchar_t *moduleName)
{
    std::string name;
    if (!moduleName)
        return name;
    for (const wchar_t *p = moduleName; *p; ++p)
        PlatformText::appendUtf8(name, static_cast<char32_t>(*p == L'\\' ? L'/' : *p));
    if (!endsWithNoCase(name, ".dll"))
        return name;
    name.resize(name.size() - 4);
    const size_t slash = name.rfind('/');
    const size_t base = slash == std::string::npos ? 0 : slash + 1;
    name.insert(base, "lib");
    name += ".so";
    return name;
}

HMODULE LoadLibraryW(const wchar_t *moduleName)
{
    const std::string name = sharedObjectNameFor(moduleName);
    if (name.empty())
        return nullptr;
    if (name.find('/') != std::string::npos)
        return dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);

    // The application's folder comes first, as with the Windows loader.
    const std::string folder = executableFolder();
    if (!folder.empty()) {
        const std::string besideProgram = folder + "/" + name;
        if (access(besideProgram.c_str(), F_OK) == 0) {
            if (HMODULE module = dlopen(besideProgram.c_str(), RTLD_NOW | RTLD_LOCAL))
                return module;
        }
    }
    return dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
}

FARPROC GetProcAddress(HMODULE module, const char *procName)
{
    if (!module || !procName)
        return nullptr;
    dlerror();
    void *symbol = dlsym(module, procName);
    // Object and function pointers have the same size on every target we build for.
    FARPROC proc = nullptr;
    static_assert(sizeof proc == sizeof symbol, "function and object pointers differ in size");
    std::memcpy(&proc, &symbol, sizeof proc);
    return proc;
}

} // namespace Dynlib
