#include "tools/mousectl/BusClient.h"
#include "platform/SessionBus.h"
#include "storage/AppPaths.h"
#include "storage/DeviceDescription.h"
#include "tools/mousectl/Console.h"
#include "tools/mousectl/ExitCodes.h"
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>

namespace {

QString g_service; // empty: no running owner

// A download of everything takes a few seconds; a stalled write up to five more.
constexpr int CALL_TIMEOUT_MS = 60000;

QDBusMessage call(const QString &method, const QVariantList &arguments,
                  const char *interface = MOUSE_BUS_INTERFACE)
{
    QDBusMessage message = QDBusMessage::createMethodCall(g_service, QString::fromLatin1(MOUSE_BUS_PATH),
                                                          QString::fromLatin1(interface), method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, CALL_TIMEOUT_MS);
}

QVariant property(const QString &name)
{
    const QDBusMessage reply = call(QStringLiteral("Get"), {QString::fromLatin1(MOUSE_BUS_INTERFACE), name},
                                    "org.freedesktop.DBus.Properties");
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return reply.arguments().first().value<QDBusVariant>().variant();
}

// The reply's first value, or the failure printed and ExitWriteFailed.
int resultOf(const QDBusMessage &reply)
{
    if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
        return reply.arguments().first().toInt();
    printError(QStringLiteral("the running mousecfg did not answer: %1").arg(reply.errorMessage()));
    return ExitWriteFailed;
}

} // namespace

void findRunningOwner(const CtlOptions &options)
{
    g_service.clear();
    // A virtual mouse of its own is mousectl's alone.
    if (options.useVirtualMouse || !sessionBusConfigured())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    const QString service = mouseBusServiceName(descriptionProductName());
    if (!bus.interface()->isServiceRegistered(service))
        return;
    g_service = service;
    // A window of another folder sends its own settings, not these.
    if (property(QStringLiteral("ConfigFolder")).toString() != QFileInfo(configDir()).canonicalFilePath())
        g_service.clear();
}

bool runningOwner()
{
    return !g_service.isEmpty();
}

bool ownerHasMouse(const QString &context)
{
    const QString connection = property(QStringLiteral("Connection")).toString();
    if (!connection.isEmpty() && connection != QLatin1String("none"))
        return true;
    printError(context + deviceResultText(ExitNoDevice));
    return false;
}

int ownerApplyGroups(int groups)
{
    return resultOf(call(QStringLiteral("ApplyGroups"), {groups}));
}

int ownerSwitchSlot(int slot)
{
    return resultOf(call(QStringLiteral("SwitchSlot"), {slot}));
}

int ownerStatus(OwnerStatus &status)
{
    const QDBusMessage reply = call(QStringLiteral("Status"), {});
    const QVariantList values = reply.arguments();
    if (reply.type() != QDBusMessage::ReplyMessage || values.size() < 5) {
        printError(QStringLiteral("the running mousecfg did not answer: %1").arg(reply.errorMessage()));
        return ExitNoDevice;
    }
    status.battery = values.at(1).toInt();
    status.charging = values.at(2).toBool();
    status.sleeping = values.at(3).toBool();
    status.connection = values.at(4).toString();
    return values.at(0).toInt();
}
