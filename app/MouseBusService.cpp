#include "app/MouseBusService.h"
#include "device/BatteryLevel.h"
#include "device/MouseConnection.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "ui/main/MousecfgWidget.h"
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDebug>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace {
// Indexed by the window's connection mode.
const char *const kConnectionNames[] = {"cable", "both", "receiver", "none"};
// A fresh status thread asks at once; its answer or its time-out comes well within this.
constexpr int STATUS_ANSWER_MS = 2000;
constexpr char PROPERTIES_INTERFACE[] = "org.freedesktop.DBus.Properties";
}

MouseBusService::MouseBusService(MousecfgWidget &window) : QObject(&window), m_window(window)
{
    MouseConnection *mouse = window.connection();
    // After the window's own handlers (connected when it was built).
    connect(mouse, &MouseConnection::RefreshBatteryStatus, this, &MouseBusService::batteryReport);
    connect(mouse, &MouseConnection::connectionChanged, this, &MouseBusService::publishChanges);
    connect(&window, &MousecfgWidget::slotShown, this, &MouseBusService::publishChanges);
}

MouseBusService::~MouseBusService()
{
    if (!m_serviceName.isEmpty())
        QDBusConnection::sessionBus().unregisterService(m_serviceName);
}

bool MouseBusService::publish(const QString &productName)
{
    if (!sessionBusConfigured())
        return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qWarning().noquote() << "No session bus:" << bus.lastError().message();
        return false;
    }
    const QString name = mouseBusServiceName(productName);
    if (!bus.registerObject(QString::fromLatin1(MOUSE_BUS_PATH), this,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties)) {
        qWarning().noquote() << "Cannot serve" << MOUSE_BUS_PATH << "on the session bus";
        return false;
    }
    if (!bus.registerService(name)) {
        qWarning().noquote() << "Cannot own" << name << "on the session bus:" << bus.lastError().message();
        bus.unregisterObject(QString::fromLatin1(MOUSE_BUS_PATH));
        return false;
    }
    m_serviceName = name;
    publishChanges();
    return true;
}

QString MouseBusService::connection() const
{
    return QLatin1String(kConnectionNames[qBound(0, m_window.connectMode(), 3)]);
}

int MouseBusService::activeSlot() const
{
    return ::activeSlot(m_window.workingSettings()) + 1;
}

QString MouseBusService::configFolder() const
{
    return QFileInfo(configDir()).canonicalFilePath();
}

void MouseBusService::batteryReport(quint8 charge, quint8 lowByte, quint8 highByte)
{
    // As the window reads it: all three bytes 0 is no data, the mouse is off or asleep.
    m_sleeping = charge == 0 && lowByte == 0 && highByte == 0;
    m_charging = !m_sleeping && charge != 0;
    m_battery = m_sleeping ? 0 : batteryPercentFromRaw(highByte * 256 + lowByte, batteryFull());
    publishChanges();
}

void MouseBusService::publishChanges()
{
    const QVariantMap now{{QStringLiteral("Connection"), connection()}, {QStringLiteral("Battery"), m_battery},
                          {QStringLiteral("Charging"), m_charging}, {QStringLiteral("Sleeping"), m_sleeping},
                          {QStringLiteral("ActiveSlot"), activeSlot()}};
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_published.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    m_published = now;
    if (changed.isEmpty() || m_serviceName.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(MOUSE_BUS_PATH),
                                                     QString::fromLatin1(PROPERTIES_INTERFACE),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(MOUSE_BUS_INTERFACE) << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

int MouseBusService::finish(int result)
{
    publishChanges();
    if (result >= 0 || !calledFromDBus())
        return result;
    if (result == MousecfgWidget::StoredSettingsUnreadable)
        sendErrorReply(QStringLiteral("org.mousecfg.Mouse.Error.Settings"),
                       QStringLiteral("cannot read the settings in %1").arg(configFilePath()));
    else
        sendErrorReply(QStringLiteral("org.mousecfg.Mouse.Error.Busy"),
                       QStringLiteral("the running program is writing to the mouse; try again"));
    return result;
}

int MouseBusService::ApplyGroups(int groups)
{
    if (groups <= 0 || groups > ChangeAll) {
        if (calledFromDBus())
            sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("groups must be 1 to 15"));
        return -1;
    }
    return finish(m_window.downloadStored(groups));
}

int MouseBusService::StoreAndApply(int groups, bool &diffSaved)
{
    diffSaved = true;
    if (groups <= 0 || groups > ChangeAll) {
        if (calledFromDBus())
            sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("groups must be 1 to 15"));
        return -1;
    }
    return finish(m_window.applyStored(groups, diffSaved));
}

int MouseBusService::SwitchSlot(int slot)
{
    if (slot < 1 || slot > PROFILE_COUNT) {
        if (calledFromDBus())
            sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("slot must be 1 to 5"));
        return -1;
    }
    return finish(m_window.activateSlotForCaller(slot - 1));
}

int MouseBusService::Status(int &battery, bool &charging, bool &sleeping, QString &connectionName)
{
    MouseConnection *mouse = m_window.connection();
    connectionName = connection();
    battery = 0;
    charging = false;
    sleeping = true;
    if (!mouse->commandHandleOpen())
        return 1;
    // While a write holds the mouse, what it said last is the answer.
    if (!mouse->held()) {
        // Reports of the thread that ends now are not this answer.
        mouse->stopStatusThread();
        QCoreApplication::sendPostedEvents(mouse, QEvent::MetaCall);
        QEventLoop loop;
        bool answered = false;
        const QMetaObject::Connection waiting = connect(mouse, &MouseConnection::RefreshBatteryStatus, &loop, [&] {
            answered = true;
            loop.quit();
        });
        QTimer::singleShot(STATUS_ANSWER_MS, &loop, &QEventLoop::quit);
        mouse->startStatusThread();
        loop.exec();
        disconnect(waiting);
        if (!answered)
            batteryReport(0, 0, 0);
    }
    battery = m_battery;
    charging = m_charging;
    sleeping = m_sleeping;
    connectionName = connection();
    return 0;
}
