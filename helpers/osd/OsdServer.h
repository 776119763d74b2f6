#pragma once
// The helper's end of the notice channel: listens on osdServerName(), shows
// every complete block it receives and answers each with one byte.
#include "platform/OsdChannel.h"
#include <QObject>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

class OsdServer : public QObject
{
    Q_OBJECT

public:
    using Show = std::function<void(const OsdMessage &)>;
    explicit OsdServer(Show show, QObject *parent = nullptr);
    ~OsdServer() override;

    enum class Start {
        Listening,
        AlreadyRunning, // another helper of this user answers on the name
        Failed,
    };
    // One helper per user: the first takes a lock file beside the socket and
    // keeps it while it runs; a socket or lock left behind by a helper that
    // died is cleared and taken over. Failed without a private runtime folder.
    Start listen();
    QString errorString() const;
    QString serverPath() const;

private:
    void acceptConnections();
    void readBlocks(QLocalSocket *socket);

    Show m_show;
    QString m_error;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
