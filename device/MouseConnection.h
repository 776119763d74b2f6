#pragma once
// The one owner of the connection to the mouse: the model table and its
// enumeration, the handles, who may use the command handle, the status
// thread and the hot-plug notifications. Windows and tools are views of it.
#include "device/CommandProtocol.h"
#include "device/NodeAccess.h"
#include <QByteArray>
#include <QList>
#include "device/KestGetBatteryThread.h"
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <mutex>
#include <optional>

class MouseConnection : public QObject
{
    Q_OBJECT
public:
    explicit MouseConnection(QObject *parent = nullptr);
    // Stops the status thread and closes the handles.
    ~MouseConnection() override;

    // Loads the model table, finds what is attached, opens the current mouse
    // and starts the status thread.
    void start();

    int presentCount() const;
    QStringList presentNames() const;
    // Closes the current mouse and opens the named one.
    void selectMouse(const QString &name);
    bool commandHandleOpen() const;

    // Only while a command handle is open; a running thread is kept.
    void startStatusThread();
    // Returns once the thread has left its loop.
    void stopStatusThread();
    bool statusThreadRunning() const;
    // The running thread queries the status at its next cycle; the answer
    // arrives through RefreshBatteryStatus. Never waits for the mouse.
    void requestStatusQuery();
    // How often threads started from now on query and listen.
    void setStatusTiming(const StatusTiming &timing) { m_timing = timing; }

    // A download holds the connection: device changes wait until it is released,
    // then the status thread runs again whatever the download's outcome.
    void hold();
    void release();
    bool held() const { return m_held; }

    // How a download run on any thread stops and restarts this connection's
    // status thread and hands it the status reports its sends read. Valid
    // while this object lives.
    DownloadLinks downloadLinks();

    // From any thread: a status report on its way to this object's thread.
    // Only the latest of each kind waits, and one queued call passes them on,
    // so a mouse that floods reports cannot flood the window.
    void queueBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void queueStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void queueWriteStatus(quint8 iStatus);

public slots:
    // A device interface arrived or was removed ("HID#VID_xxxx&PID_xxxx&colNN...").
    void handleDeviceChange(const QString &interfaceName, bool arrival);

signals:
    // What is attached changed: mice present before and after, and whether
    // the current mouse is another one now. Handles are open and the status
    // thread runs again when this is emitted.
    void connectionChanged(int miceBefore, int miceAfter, bool currentChanged);
    // From the status thread, or from a status report read by a send.
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void RefreshWriteStatus(quint8 iStatus);
    // Config.ini did not take the current mouse or the need to send everything.
    void configNotSaved();
    // An attached mouse could not be opened (refusedNodes() says which and
    // why); once for each refusal, not again until it has ended.
    void accessRefused();

private:
    void resynchronise();
    void reopen();
    void schedulePendingLocked();
    void deliverPending();

    struct PendingStatus {
        std::optional<std::array<quint8, 3>> battery;
        std::optional<std::array<quint8, 4>> state;
        std::optional<quint8> writeStatus;
        bool scheduled = false;
    };
    // Which products of which rows are attached, and where.
    struct Attachment {
        QList<QByteArray> paths;
        QList<bool> products;
        static Attachment now();
        bool operator==(const Attachment &o) const { return paths == o.paths && products == o.products; }
        // A product that was not attached before is.
        bool gained(const Attachment &before) const;
    };
    void tellRefusals();

    // What enumeration saw last (opening takes products it cannot open off the table).
    Attachment m_seen;
    QList<RefusedNode> m_toldRefused;
    std::mutex m_pendingMutex;
    PendingStatus m_pending;

    mutable std::mutex m_threadMutex;
    KestGetBatteryThread *m_thread = nullptr;
    StatusTiming m_timing;
    bool m_held = false;
    bool m_changedWhileHeld = false;
};
