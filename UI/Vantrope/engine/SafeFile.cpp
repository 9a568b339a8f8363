#include "SafeFile.h"

#include <QFile>
#include <QRandomGenerator>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<JpegFileWriteFunc> g_writeFunction{nullptr};

} // namespace

void setJpegFileWriteFunction(JpegFileWriteFunc function)
{
    g_writeFunction.store(function);
}

bool writeFileReplacing(const QString &path, const QVector<FilePiece> &pieces, const QDateTime &fileTime,
                        QString *why, int *error, bool replace)
{
    const QByteArray target = QFile::encodeName(path);
    const int slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : target.left(slash + 1);
    auto fail = [&](int code) {
        *error = code;
        *why = qt_error_string(code);
        return false;
    };

    // A fresh name in the target folder (so the rename stays on one file
    // system); O_EXCL never opens what another process put there.
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = folder + ".vantrope-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36)
                  + ".tmp";
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST)
            return fail(errno);
    }
    if (fd < 0)
        return fail(EEXIST);

    JpegFileWriteFunc writeBytes = g_writeFunction.load();
    if (!writeBytes)
        writeBytes = &::write;
    auto abandon = [&](int code) {
        ::close(fd);
        ::unlink(temporary.constData());
        return fail(code);
    };
    for (const FilePiece &p : pieces) {
        const char *data = p.data;
        size_t left = size_t(p.size);
        while (left > 0) {
            const ssize_t n = writeBytes(fd, data, left);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return abandon(n < 0 ? errno : ENOSPC);
            data += n;
            left -= size_t(n);
        }
    }
    // On disk before it takes the target's name: a crash leaves the old file
    // or the new one, never an empty one.
    if (::fdatasync(fd) != 0 && errno != EINVAL)
        return abandon(errno);
    if (fileTime.isValid()) {
        const qint64 ms = fileTime.toMSecsSinceEpoch();
        struct timespec times[2];
        times[0].tv_sec = 0;
        times[0].tv_nsec = UTIME_OMIT;
        times[1].tv_sec = time_t(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
        times[1].tv_nsec = long(ms - qint64(times[1].tv_sec) * 1000) * 1000000L;
        ::futimens(fd, times); // a file system without times still gets the JPEG
    }
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return fail(code);
    }
    if (!replace) {
        int renamed = ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
        if (renamed != 0 && (errno == EINVAL || errno == ENOSYS || errno == ENOTSUP)) {
            // No such rename on this file system: look, then rename.
            struct stat st;
            if (::lstat(target.constData(), &st) == 0) {
                errno = EEXIST;
            } else {
                renamed = ::rename(temporary.constData(), target.constData());
            }
        }
        if (renamed != 0) {
            const int code = errno;
            ::unlink(temporary.constData());
            return fail(code);
        }
        return true;
    }
    // rename(2) replaces whatever has the target name, a symbolic link
    // included, and never follows it.
    if (::rename(temporary.constData(), target.constData()) != 0) {
        const int code = errno;
        ::unlink(temporary.constData());
        return fail(code);
    }
    return true;
}

