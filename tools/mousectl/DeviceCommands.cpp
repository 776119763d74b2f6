// list, status, apply and profile: the commands that talk to the mouse.
#include "device/BatteryLevel.h"
#include "device/CommandProtocol.h"
#include "device/DeviceTable.h"
#include "device/NodeAccess.h"
#include "device/WriteTransaction.h"
#include "platform/PointerSpeed.h"
#include "storage/ConfigStorage.h"
#include "tools/mousectl/BusClient.h"
#include "tools/mousectl/Commands.h"
#include "tools/mousectl/Console.h"
#include "tools/mousectl/Download.h"
#include "tools/mousectl/ExitCodes.h"
#include "tools/mousectl/StatusQuery.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace {

// Indexed by (receiver present) | (cable present) << 1.
const char *const kConnectionNames[] = {"", "receiver", "cable", "both"};

bool receiverPresent(int entry)
{
    return collectionFound(1, entry) && collectionFound(2, entry);
}

bool cablePresent(int entry)
{
    return collectionFound(3, entry) && collectionFound(4, entry);
}

const char *connectionName(bool receiver, bool cable)
{
    return kConnectionNames[int(receiver) | int(cable) << 1];
}

const char *connectionName(int entry)
{
    return connectionName(receiverPresent(entry), cablePresent(entry));
}

// How the mouse openMouse() opened is attached: every row of its name counts.
const char *openedConnectionName()
{
    const QByteArray name = currentDeviceName().toLatin1().left(DEVICE_NAME_MAX);
    bool receiver = false;
    bool cable = false;
    for (int entry = 0; entry < supportedModelCount(); ++entry) {
        if (supportedModel(entry).deviceName != name)
            continue;
        receiver = receiver || receiverPresent(entry);
        cable = cable || cablePresent(entry);
    }
    return connectionName(receiver, cable);
}

// Only mice this user may open are listed: each attached one is opened once.
void dropUnopenableMice()
{
    QSet<QByteArray> names;
    for (int entry = 0; entry < supportedModelCount(); ++entry)
        if (*connectionName(entry))
            names << supportedModel(entry).deviceName;
    QList<RefusedNode> refused;
    for (const QByteArray &name : names) {
        openDeviceByName(QString::fromLatin1(name));
        refused << refusedNodes();
        closeDevice();
    }
    setRefusedNodes(refused);
}

} // namespace

int runList(const CtlOptions &options)
{
    if (const int result = discoverMice())
        return result;
    dropUnopenableMice();
    QJsonArray mice;
    for (int entry = 0; entry < supportedModelCount(); ++entry) {
        const char *connection = connectionName(entry);
        if (!*connection)
            continue;
        if (!options.json)
            printRawLine(supportedModel(entry).deviceName + '\t' + connection);
        mice << QJsonObject{{QStringLiteral("name"), QString::fromLatin1(supportedModel(entry).deviceName)},
                            {QStringLiteral("connection"), QLatin1String(connection)}};
    }
    if (mice.isEmpty())
        return reportNoHandle();
    // A mouse that is listed does not hide one that cannot be opened.
    if (const QString refused = refusedNodesText(); !refused.isEmpty())
        printError(refused);
    if (options.json)
        printJson(QJsonDocument(mice));
    return ExitOk;
}

namespace {

// The running program's mouse, or the node opened here: 0, or the failure printed.
int reachMouse()
{
    if (runningOwner())
        return ownerHasMouse() ? int(ExitOk) : int(ExitNoDevice);
    return openMouse();
}

int queryOpenedMouse(OwnerStatus &answer)
{
    MouseStatus status;
    const int result = queryMouseStatus(commandHandle(), status);
    answer.battery = status.sleeping() ? 0 : batteryPercentFromRaw(status.raw(), batteryFull());
    answer.charging = status.charging();
    answer.sleeping = status.sleeping();
    answer.connection = QLatin1String(openedConnectionName());
    return result;
}

// The slot's two commands.
int activateSlot(int slot)
{
    if (runningOwner())
        return ownerSwitchSlot(slot + 1);
    const int chosen = setActiveProfile(slot);
    const int refreshed = sendRefreshSequence();
    return chosen ? chosen : refreshed;
}

} // namespace

int runStatus(const CtlOptions &options)
{
    if (const int result = reachMouse())
        return result;
    OwnerStatus status;
    if (const int result = runningOwner() ? ownerStatus(status) : queryOpenedMouse(status)) {
        printError(QStringLiteral("status: %1").arg(deviceResultText(result)));
        return result;
    }
    const int percent = status.battery;
    const int pointerSpeed = readPointerSpeed();
    const QLatin1String backend(pointerSpeedBackendName());
    if (options.json) {
        printJson(QJsonDocument(QJsonObject{{QStringLiteral("battery"), percent},
                                            {QStringLiteral("charging"), status.charging},
                                            {QStringLiteral("sleeping"), status.sleeping},
                                            {QStringLiteral("connection"), status.connection},
                                            {QStringLiteral("pointerSpeed"), pointerSpeed},
                                            {QStringLiteral("pointerSpeedBackend"), backend}}));
        return ExitOk;
    }
    printLine(QStringLiteral("battery: %1%").arg(percent));
    printLine(QStringLiteral("charging: %1").arg(status.charging ? "yes" : "no"));
    printLine(QStringLiteral("sleeping: %1").arg(status.sleeping ? "yes" : "no"));
    printLine(QStringLiteral("connection: %1").arg(status.connection));
    printLine(QStringLiteral("pointer speed: %1 (%2)").arg(pointerSpeed).arg(backend));
    return ExitOk;
}

int runApply(const CtlOptions &options)
{
    MouseSettings settings;
    if (!loadSettings(settings)) {
        printError(QStringLiteral("apply: cannot read the settings in %1").arg(configFilePath()));
        return ExitIoError;
    }
    // The mouse matches the files only where they did not differ before or were sent now.
    WriteTransaction write(settings, settings);
    return downloadSettings(write, options.applyFlags, options);
}

// As choosing a slot in the window: the slot becomes active, then the mouse
// gets the slot's own DPI stages and key table (it holds one of each).
int runProfile(const CtlOptions &options)
{
    const int slot = options.profileSlot - 1;
    MouseSettings applied;
    const bool loaded = loadSettings(applied);
    if (const int result = reachMouse())
        return result;
    if (const int result = activateSlot(slot)) {
        printError(QStringLiteral("profile: %1").arg(deviceResultText(result)));
        return result;
    }
    if (!saveCurrentProfileId(slot)) {
        printError(QStringLiteral("profile: slot %1 is active on the mouse but could not be stored in %2")
                       .arg(options.profileSlot)
                       .arg(configFilePath()));
        return ExitIoError;
    }
    if (!loaded)
        return ExitOk;
    MouseSettings working = applied;
    working.profileId = uint8_t(slot);
    setPointerSpeed(working.profiles[slot].mouseSpeed);
    WriteTransaction write(working, applied);
    return downloadSettings(write, write.differing(), options);
}
