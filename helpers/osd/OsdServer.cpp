#include "helpers/osd/OsdServer.h"
#include "storage/IniFile.h"
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

OsdServer::OsdServer(Show show, QObject *parent) : QObject(parent), m_show(std::move(show))
{
    m_server = new QLocalServer(this);
    // Only this user may connect.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &OsdServer::acceptConnections);
}

OsdServer::~OsdServer()
{
    m_server->close(); // removes the socket file
    m_lock.reset();
}

OsdServer::Start OsdServer::listen()
{
    const QString name = osdServerName();
    if (name.isEmpty()) {
        m_error = QStringLiteral("no private runtime folder for the socket");
        return Start::Failed;
    }
    m_lock = std::make_unique<QLockFile>(name + QStringLiteral(".lock"));
    if (!takeLock(*m_lock, 0)) {
        const bool held = m_lock->error() == QLockFile::LockFailedError;
        m_lock.reset();
        if (held)
            return Start::AlreadyRunning;
        m_error = QStringLiteral("cannot create the lock file %1.lock").arg(name);
        return Start::Failed;
    }
    QLocalServer::removeServer(name);
    if (m_server->listen(name))
        return Start::Listening;
    m_error = QStringLiteral("cannot listen on %1: %2").arg(name, m_server->errorString());
    return Start::Failed;
}

QString OsdServer::errorString() const
{
    return m_error;
}

QString OsdServer::serverPath() const
{
    return m_server->fullServerName();
}

void OsdServer::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readBlocks(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        readBlocks(socket);
    }
}

void OsdServer::readBlocks(QLocalSocket *socket)
{
    while (socket->bytesAvailable() >= OSD_BLOCK_SIZE) {
        OsdMessage message;
        if (decodeOsdBlock(socket->read(OSD_BLOCK_SIZE), message))
            m_show(message);
        socket->write(QByteArray(1, '\1'));
    }
    socket->flush();
}
