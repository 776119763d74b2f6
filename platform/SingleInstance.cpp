#include "platform/SingleInstance.h"
#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>
#include <limits>
#include <unistd.h>

QString instanceMutexName(const QString &productName)
{
    return productName + " Wireless Gaming Mouse Mutex1";
}

namespace {
QString lockFolder()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath() + QString("/mousecfg-%1").arg(getuid());
    QDir().mkpath(dir);
    return dir;
}
}

SingleInstanceLock::SingleInstanceLock(const QString &mutexName)
{
    // The mutex name may hold any characters; hash it into a file name.
    const QByteArray digest = QCryptographicHash::hash(mutexName.toUtf8(), QCryptographicHash::Sha1).toHex();
    m_path = lockFolder() + "/mousecfg-" + QString::fromLatin1(digest.left(16)) + ".lock";
}

bool SingleInstanceLock::tryAcquire()
{
    m_lock = std::make_unique<QLockFile>(m_path);
    // A lock counts as stale only when its process is gone: a running copy
    // keeps it however long it runs.
    m_lock->setStaleLockTime(std::numeric_limits<int>::max());
    return m_lock->tryLock(0);
}
