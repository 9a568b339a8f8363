#pragma once

#include <QString>

// Keeps a second copy of the program from running for the same user. The
// first copy to call create() holds the name until the process ends; the
// guard never releases it, the system does when the process goes away (also
// after a crash).
class SingleInstanceGuard
{
public:
    SingleInstanceGuard() = default;
    SingleInstanceGuard(const SingleInstanceGuard &) = delete;
    SingleInstanceGuard &operator=(const SingleInstanceGuard &) = delete;

    // True unless another process holds the name. A failure to make the lock
    // at all does not stop the program: it then runs as the first copy.
    bool create(const QString &name);

private:
    void *mutexHandle = nullptr;
};
