#include "platform/RuntimeFolder.h"
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSet>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString modeText(mode_t mode)
{
    return QStringLiteral("%1").arg(uint(mode & 07777), 4, 8, QLatin1Char('0'));
}

// Empty when the folder at path is now the user's private folder, else why not.
QString claim(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    // Made private in one step: there is no moment in which others may enter.
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return QStringLiteral("cannot be created: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    // Checked through a descriptor of the folder itself, never through a link.
    const int fd = ::open(native.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        struct stat link;
        if (::lstat(native.constData(), &link) == 0 && !S_ISDIR(link.st_mode))
            return S_ISLNK(link.st_mode) ? QStringLiteral("is a symbolic link") : QStringLiteral("is not a folder");
        return QStringLiteral("cannot be opened: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    struct stat info;
    QString reason;
    if (::fstat(fd, &info) != 0)
        reason = QStringLiteral("cannot be read: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
    else if (info.st_uid != ::geteuid())
        reason = QStringLiteral("belongs to user %1").arg(info.st_uid);
    else if (info.st_mode & (S_IWGRP | S_IWOTH))
        reason = QStringLiteral("can be written by other users (mode %1)").arg(modeText(info.st_mode));
    else if ((info.st_mode & 07777) != 0700 && ::fchmod(fd, 0700) != 0)
        reason = QStringLiteral("cannot be made private (mode %1)").arg(modeText(info.st_mode));
    ::close(fd);
    return reason;
}

void warnOnce(const QString &message)
{
    static QMutex mutex;
    static QSet<QString> warned;
    QMutexLocker lock(&mutex);
    if (warned.contains(message))
        return;
    warned.insert(message);
    qWarning().noquote() << message;
}

} // namespace

QString privateRuntimeFolder()
{
    // Without XDG_RUNTIME_DIR Qt would warn on every call (mousectl's stderr
    // included) before it falls back to a folder of its own.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!dir.isEmpty())
            return dir;
    }
    const QString dir = QDir::tempPath() + QStringLiteral("/mousecfg-%1").arg(::getuid());
    const QString reason = claim(dir);
    if (reason.isEmpty())
        return dir;
    warnOnce(QStringLiteral("Not using the runtime folder %1: it %2. Without it a second copy is not detected and "
                            "no on-screen notices are shown; remove it, or set XDG_RUNTIME_DIR to a private folder.")
                 .arg(dir, reason));
    return QString();
}
