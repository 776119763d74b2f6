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
constexpr int kKeptMaxFiles = 256;
// File times come from a clock that ticks every few milliseconds; a change
// older than this cannot share its tick with one still to come.
constexpr qint64 kSettledNs = 1000 * 1000 * 1000;

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1000 * 1000 * 1000 + t.tv_nsec;
}

struct Stamp {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = -1;
    qint64 mtime = 0;
    qint64 ctime = 0;

    explicit Stamp(const struct stat &st)
        : dev(st.st_dev), ino(st.st_ino), size(st.st_size), mtime(nanoseconds(st.st_mtim)),
          ctime(nanoseconds(st.st_ctim))
    {
    }
    bool operator==(const Stamp &o) const
    {
        return dev == o.dev && ino == o.ino && size == o.size && mtime == o.mtime && ctime == o.ctime;
    }
};

struct Kept {
    Stamp stamp;
    QByteArray bytes;
};

QMutex g_mutex;
QHash<QString, Kept> g_kept;

qint64 now()
{
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return nanoseconds(t);
}

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

FileRead readFileBytes(const QString &path, qint64 maxBytes, QByteArray &bytes, qint64 *size)
{
    const QByteArray name = QFile::encodeName(path);
    const qint64 started = now();
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
        if (it != g_kept.constEnd() && it->stamp == Stamp(st)) {
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
    const Stamp stamp(st);
    const bool settled = qMax(stamp.mtime, stamp.ctime) < started - kSettledNs;
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
