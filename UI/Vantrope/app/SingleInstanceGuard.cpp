#include "SingleInstanceGuard.h"

#include "instancemutex.h"

#include <string>

using namespace PlatformInstance;

bool SingleInstanceGuard::create(const QString &name)
{
    const std::wstring wideName = name.toStdWString();
    mutexHandle = CreateMutexW(nullptr, true, wideName.c_str());
    return GetLastError() != ERROR_ALREADY_EXISTS;
}
