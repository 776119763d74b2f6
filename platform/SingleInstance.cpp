#include "platform/SingleInstance.h"
#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
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
    // Without XDG_RUNTIME_DIR Qt would warn on every call (mousectl's stderr
    // included) before it falls back; this fallback is quiet.
    QString dir = qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
                      ? QString()
                      : QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
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

QString SingleInstanceLock::activationSocketPath() const
{
    QString path = m_path;
    path.replace(path.size() - int(qstrlen(".lock")), int(qstrlen(".lock")), QStringLiteral(".sock"));
    return path;
}

namespace {
constexpr int ACTIVATION_TIMEOUT_MS = 2000;
constexpr char ACTIVATE[] = "show\n";
constexpr char RELOAD[] = "reload\n";

bool sendMessage(const QString &socketPath, const char *message)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(ACTIVATION_TIMEOUT_MS))
        return false;
    const bool sent = socket.write(message) > 0 && socket.waitForBytesWritten(ACTIVATION_TIMEOUT_MS);
    socket.waitForDisconnected(ACTIVATION_TIMEOUT_MS);
    return sent;
}
}

ActivationListener::ActivationListener(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                const QByteArray message = socket->readAll();
                if (message.startsWith(ACTIVATE))
                    emit activationRequested();
                else if (message.startsWith(RELOAD))
                    emit settingsChanged();
                socket->disconnectFromServer();
            });
        }
    });
}

bool ActivationListener::listen(const QString &socketPath)
{
    // Only the lock holder gets here, so a socket left by a crashed run is stale.
    QLocalServer::removeServer(socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    return m_server.listen(socketPath);
}

bool requestActivation(const QString &socketPath)
{
    return sendMessage(socketPath, ACTIVATE);
}

bool notifySettingsChanged(const QString &socketPath)
{
    return sendMessage(socketPath, RELOAD);
}
