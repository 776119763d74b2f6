#include "storage/FileRead.h"
#include <QFile>
#include <QHash>
#include <QMutex>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only small files are kept, and only so many of them: a folder of macros or
// a fuzz run names a great many.
constexpr qint64 kKeptMaxBytes = 64 << 10;
constexpr int kKeptMaxFiles = 64;
// File times come from a clock that ticks every few milliseconds; a change
// older than this cannot share its tick with one still to come.
constexpr qint64 kSettledNs = 1000 * 1000 * 1000;

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1000 * 1000 * 1000 + t.tv_nsec;
}

FileStamp stampOf(const struct stat &st)
{
    FileStamp stamp;
    stamp.dev = st.st_dev;
    stamp.ino = st.st_ino;
    stamp.mode = st.st_mode;
    stamp.size = st.st_size;
    stamp.mtime = nanoseconds(st.st_mtim);
    stamp.ctime = nanoseconds(st.st_ctim);
    return stamp;
}

struct Kept {
    FileStamp stamp;
    QByteArray bytes;
};

QMutex g_mutex;
QHash<QString, Kept> g_kept;

// Reads fd to its end: the file may have grown since it was looked at.
FileRead readToEnd(int fd, qint64 expected, qint64 maxBytes, QByteArray &bytes)
{
    QByteArray out(int(qMin(expected, maxBytes) + 1), Qt::Uninitialized);
    qint64 filled = 0;
    for (;;) {
        if (filled == out.size()) {
            if (filled > maxBytes)
                return FileRead::TooLarge;
            out.resize(int(qMin<qint64>(2 * filled, maxBytes + 1)));
        }
        const ssize_t n = ::read(fd, out.data() + filled, size_t(out.size() - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return FileRead::Unreadable;
        if (n == 0)
            break;
        filled += n;
    }
    if (filled > maxBytes)
        return FileRead::TooLarge;
    out.resize(int(filled));
    bytes = out;
    return FileRead::Read;
}

} // namespace

bool FileStamp::of(const QString &path, FileStamp &stamp, bool followLinks)
{
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    if ((followLinks ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st)) != 0)
        return false;
    stamp = stampOf(st);
    return true;
}

bool FileStamp::operator==(const FileStamp &o) const
{
    return dev == o.dev && ino == o.ino && mode == o.mode && size == o.size && mtime == o.mtime && ctime == o.ctime;
}

bool FileStamp::settledBefore(qint64 since) const
{
    return qMax(mtime, ctime) < since - kSettledNs;
}

qint64 fileClock()
{
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return nanoseconds(t);
}

FileRead readFileBytes(const QString &path, qint64 maxBytes, QByteArray &bytes, qint64 *size)
{
    const QByteArray name = QFile::encodeName(path);
    const qint64 started = fileClock();
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return FileRead::Unreadable;
    if (size)
        *size = st.st_size;
    if (st.st_size > maxBytes)
        return FileRead::TooLarge;
    {
        const QMutexLocker locker(&g_mutex);
        const auto it = g_kept.constFind(path);
        if (it != g_kept.constEnd() && it->stamp == stampOf(st)) {
            bytes = it->bytes;
            return FileRead::Read;
        }
    }
    // Not blocking: the name may have been swapped for a pipe since the stat.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return FileRead::Unreadable;
    FileRead result = FileRead::Unreadable;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        if (size)
            *size = st.st_size;
        result = st.st_size > maxBytes ? FileRead::TooLarge : readToEnd(fd, st.st_size, maxBytes, bytes);
    }
    ::close(fd);
    const FileStamp stamp = stampOf(st);
    const bool settled = stamp.settledBefore(started);
    const QMutexLocker locker(&g_mutex);
    if (result == FileRead::Read && settled && bytes.size() <= kKeptMaxBytes) {
        if (g_kept.size() >= kKeptMaxFiles)
            g_kept.clear();
        g_kept.insert(path, {stamp, bytes});
    } else {
        g_kept.remove(path);
    }
    return result;
}
