#include "platform/SingleInstance.h"
#include "platform/RuntimeFolder.h"
#include "storage/AppPaths.h"
#include "storage/IniFile.h"
#include <QFileInfo>
#include <QCryptographicHash>
#include <QDebug>
#include <QLocalSocket>
#include <limits>

QString instanceMutexName(const QString &productName)
{
    return productName + " Wireless Gaming Mouse Mutex1";
}

SingleInstanceLock::SingleInstanceLock(const QString &mutexName)
{
    const QString folder = privateRuntimeFolder();
    if (folder.isEmpty())
        return;
    // The mutex name may hold any characters; hash it into a file name.
    const QByteArray digest = QCryptographicHash::hash(mutexName.toUtf8(), QCryptographicHash::Sha1).toHex();
    m_path = folder + "/mousecfg-" + QString::fromLatin1(digest.left(16)) + ".lock";
}

bool SingleInstanceLock::tryAcquire()
{
    if (m_path.isEmpty())
        return true; // the folder's warning said why
    m_lock = std::make_unique<QLockFile>(m_path);
    // A lock counts as stale only when its process is gone or it names none:
    // a running copy keeps it however long it runs.
    m_lock->setStaleLockTime(std::numeric_limits<int>::max());
    if (takeLock(*m_lock, 0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError)
        return false;
    qWarning().noquote() << "Cannot create the instance lock" << m_path << "- a second copy is not detected";
    m_lock.reset();
    return true;
}

QString SingleInstanceLock::activationSocketPath() const
{
    if (m_path.isEmpty())
        return QString();
    QString path = m_path;
    path.replace(path.size() - int(qstrlen(".lock")), int(qstrlen(".lock")), QStringLiteral(".sock"));
    return path;
}

namespace {
constexpr int ACTIVATION_TIMEOUT_MS = 2000;
constexpr char ACTIVATE[] = "show\n";
constexpr char RELOAD[] = "reload ";

// Both sides name the folder the same way, whatever path led to it.
QString canonicalFolder(const QString &folder)
{
    return QFileInfo(folder).canonicalFilePath();
}

// "reload <folder>": another program stored settings there. Only a window
// that keeps its settings in that same folder takes them.
bool namesOwnConfigFolder(const QByteArray &message)
{
    const QString folder = QString::fromUtf8(message.mid(int(qstrlen(RELOAD))).trimmed());
    return !folder.isEmpty() && folder == canonicalFolder(configDir());
}

bool sendMessage(const QString &socketPath, const QByteArray &message)
{
    if (socketPath.isEmpty())
        return false;
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
                else if (message.startsWith(RELOAD) && namesOwnConfigFolder(message))
                    emit settingsChanged();
                socket->disconnectFromServer();
            });
        }
    });
}

bool ActivationListener::listen(const QString &socketPath)
{
    if (socketPath.isEmpty())
        return false;
    // Only the lock holder gets here, so a socket left by a crashed run is stale.
    QLocalServer::removeServer(socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    return m_server.listen(socketPath);
}

bool requestActivation(const QString &socketPath)
{
    return sendMessage(socketPath, ACTIVATE);
}

bool notifySettingsChanged(const QString &socketPath, const QString &configFolder)
{
    return sendMessage(socketPath, RELOAD + canonicalFolder(configFolder).toUtf8() + '\n');
}
