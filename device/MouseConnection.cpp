#include "device/MouseConnection.h"
#include "device/CommandProtocol.h"
#include "device/DeviceTable.h"
#include "device/InputReports.h"
#include "device/InterfacePath.h"
#include "device/KestGetBatteryThread.h"
#include "storage/ConfigStorage.h"
#include <QDebug>
#include <QMetaObject>
#include <atomic>
#include <utility>

namespace {

bool productPresent(const SupportedModel &m, bool cable)
{
    return cable ? (m.found3 && m.found4) : (m.found1 && m.found2);
}

// Lets emitStatusReport decode a report into the connection's pending slots.
struct PendingSink {
    MouseConnection &connection;
    void RefreshBatteryStatus(quint8 c, quint8 l, quint8 h) { connection.queueBatteryStatus(c, l, h); }
    void RefreshStatus(quint8 p, quint8 d, quint8 r, quint8 m) { connection.queueStatus(p, d, r, m); }
    void RefreshWriteStatus(quint8 s) { connection.queueWriteStatus(s); }
};

void queueStatusReport(MouseConnection &connection, const uint8_t *report)
{
    PendingSink sink{connection};
    emitStatusReport(sink, report);
}

} // namespace

MouseConnection::Attachment MouseConnection::Attachment::now()
{
    Attachment a;
    for (int i = 0; i < supportedModelCount(); ++i) {
        const SupportedModel &m = supportedModel(i);
        a.paths << m.path1 << m.path2 << m.path3 << m.path4;
        a.products << productPresent(m, false) << productPresent(m, true);
    }
    return a;
}

bool MouseConnection::Attachment::gained(const Attachment &before) const
{
    for (int i = 0; i < products.size(); ++i)
        if (products[i] && !before.products.value(i))
            return true;
    return false;
}

MouseConnection::MouseConnection(QObject *parent) : QObject(parent)
{
}

MouseConnection::~MouseConnection()
{
    stopStatusThread();
    closeDevice();
}

DownloadLinks MouseConnection::downloadLinks()
{
    DownloadLinks links;
    // The write thread stops the status thread; it is started again on this
    // object's thread once the download has succeeded.
    links.stopStatusThread = [this] { stopStatusThread(); };
    links.startStatusThread = [this] {
        QMetaObject::invokeMethod(this, &MouseConnection::startStatusThread, Qt::QueuedConnection);
    };
    // Status reports read by a send still reach the status display.
    links.onStatus = [this](const uint8_t *report) { queueStatusReport(*this, report); };
    return links;
}

void MouseConnection::queueBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte)
{
    std::lock_guard<std::mutex> lock(m_pendingMutex);
    m_pending.battery = std::array<quint8, 3>{iCharge, iLowByte, iHiByte};
    schedulePendingLocked();
}

void MouseConnection::queueStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode)
{
    // Each report carries the whole state, so the latest one is all the window needs.
    std::lock_guard<std::mutex> lock(m_pendingMutex);
    m_pending.state = std::array<quint8, 4>{iProfile, iDPI, iRate, iMode};
    schedulePendingLocked();
}

void MouseConnection::queueWriteStatus(quint8 iStatus)
{
    std::lock_guard<std::mutex> lock(m_pendingMutex);
    // A 0 (the mouse lost a write) must reach the window even if a 1 follows.
    if (!m_pending.writeStatus || *m_pending.writeStatus != 0)
        m_pending.writeStatus = iStatus;
    schedulePendingLocked();
}

void MouseConnection::schedulePendingLocked()
{
    if (m_pending.scheduled)
        return;
    m_pending.scheduled = true;
    QMetaObject::invokeMethod(this, &MouseConnection::deliverPending, Qt::QueuedConnection);
}

void MouseConnection::deliverPending()
{
    PendingStatus pending;
    {
        std::lock_guard<std::mutex> lock(m_pendingMutex);
        pending = std::exchange(m_pending, PendingStatus{});
    }
    if (pending.battery)
        emit RefreshBatteryStatus((*pending.battery)[0], (*pending.battery)[1], (*pending.battery)[2]);
    if (pending.writeStatus)
        emit RefreshWriteStatus(*pending.writeStatus);
    if (pending.state)
        emit RefreshStatus((*pending.state)[0], (*pending.state)[1], (*pending.state)[2], (*pending.state)[3]);
}

void MouseConnection::start()
{
    loadDeviceTable();
    enumerateDevices();
    m_seen = Attachment::now();
    const QStringList names = presentNames();
    if ((names.size() == 1 || (!names.isEmpty() && !names.contains(currentProductName())))
        && !setCurrentProductName(names.first()))
        emit configNotSaved();
    reopen();
}

int MouseConnection::presentCount() const
{
    return presentNames().size();
}

QStringList MouseConnection::presentNames() const
{
    QStringList names;
    for (int i = 0; i < supportedModelCount(); ++i) {
        const SupportedModel &m = supportedModel(i);
        if (productPresent(m, false) || productPresent(m, true))
            names << QString::fromLatin1(m.deviceName);
    }
    return names;
}

void MouseConnection::selectMouse(const QString &name)
{
    if (!setCurrentProductName(name))
        emit configNotSaved();
    reopen();
}

bool MouseConnection::commandHandleOpen() const
{
    return commandHandle() != nullptr;
}

void MouseConnection::reopen()
{
    stopStatusThread();
    closeDevice();
    openDeviceByName(currentProductName());
    tellRefusals();
    startStatusThread();
}

void MouseConnection::tellRefusals()
{
    const QList<RefusedNode> refused = refusedNodes();
    if (refused == m_toldRefused)
        return;
    m_toldRefused = refused;
    if (!refused.isEmpty())
        emit accessRefused();
}

void MouseConnection::startStatusThread()
{
    if (m_held || !commandHandleOpen())
        return;
    std::lock_guard<std::mutex> lock(m_threadMutex);
    if (m_thread && m_thread->isRunning())
        return;
    if (m_thread)
        m_thread->deleteLater(); // it ended on its own (its handle went away)
    auto *thread = new KestGetBatteryThread(m_timing);
    // Direct: the reports wait in the pending slots, not in the event queue.
    connect(thread, &KestGetBatteryThread::RefreshBatteryStatus, this, &MouseConnection::queueBatteryStatus,
            Qt::DirectConnection);
    connect(thread, &KestGetBatteryThread::RefreshStatus, this, &MouseConnection::queueStatus, Qt::DirectConnection);
    connect(thread, &KestGetBatteryThread::RefreshWriteStatus, this, &MouseConnection::queueWriteStatus,
            Qt::DirectConnection);
    m_thread = thread;
    thread->start(QThread::InheritPriority);
}

void MouseConnection::stopStatusThread()
{
    // Called from the GUI thread and, during a download, from the write thread.
    // The wait is outside the lock: a read under way may take its whole
    // time-out, and nobody asking whether the thread runs waits for that.
    KestGetBatteryThread *thread = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_threadMutex);
        thread = std::exchange(m_thread, nullptr);
    }
    if (!thread)
        return;
    thread->stopAndWait();
    thread->deleteLater();
}

void MouseConnection::requestStatusQuery()
{
    std::lock_guard<std::mutex> lock(m_threadMutex);
    if (m_thread)
        m_thread->requestQuery();
}

bool MouseConnection::statusThreadRunning() const
{
    std::lock_guard<std::mutex> lock(m_threadMutex);
    return m_thread && m_thread->isRunning() && !m_thread->isStop;
}

void MouseConnection::hold()
{
    m_held = true;
}

void MouseConnection::release()
{
    m_held = false;
    if (m_changedWhileHeld) {
        m_changedWhileHeld = false;
        resynchronise();
    }
    // After a failed download too: the status display must not freeze.
    startStatusThread();
}

void MouseConnection::handleDeviceChange(const QString &interfaceName, bool arrival)
{
    const InterfacePathMatch match = classifyInterfacePath(interfaceName);
    qDebug().noquote() << (arrival ? "arrival" : "removal") << interfaceName;
    if (!match.matched || !isSupportedDevice(match.vendorId, match.productId))
        return;
    // The write thread owns the handles until it ends.
    if (m_held) {
        m_changedWhileHeld = true;
        return;
    }
    resynchronise();
}

// Finds what is attached now; only when that changed are the handles closed
// (after the status thread has ended) and opened again. Node paths change on
// every plug, so nothing found before is trusted.
void MouseConnection::resynchronise()
{
    const Attachment before = m_seen;
    const int miceBefore = presentCount();
    const QString currentBefore = currentProductName();
    forgetCollections();
    enumerateDevices();
    const Attachment after = m_seen = Attachment::now();
    const QStringList names = presentNames();
    // A node that was refused is tried again: its permissions may have changed.
    if (after == before && refusedNodes().isEmpty() && (commandHandleOpen() || names.isEmpty())) {
        emit connectionChanged(miceBefore, names.size(), false);
        return;
    }

    if (!names.isEmpty() && !names.contains(currentBefore) && !setCurrentProductName(names.first()))
        emit configNotSaved();
    reopen();
    // A mouse that was away may hold anything now: the next Apply sends everything.
    if (after.gained(before) && !writeDiffFlag(1))
        emit configNotSaved();
    emit connectionChanged(miceBefore, presentCount(), currentProductName() != currentBefore);
}
