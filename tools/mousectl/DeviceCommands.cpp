// list, status, apply and profile: the commands that talk to the mouse.
#include "device/BatteryLevel.h"
#include "device/CommandProtocol.h"
#include "device/DeviceTable.h"
#include "platform/PointerSpeed.h"
#include "storage/ConfigStorage.h"
#include "tools/mousectl/Commands.h"
#include "tools/mousectl/Console.h"
#include "tools/mousectl/ExitCodes.h"
#include "tools/mousectl/StatusQuery.h"

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

// Discovery as the window does it at start-up.
int discoverMice()
{
    loadDeviceTable();
    if (enumerateDevices() < 0) {
        printError(QStringLiteral("cannot initialise the HID library"));
        return ExitNoDevice;
    }
    return ExitOk;
}

int openMouse()
{
    if (const int result = discoverMice())
        return result;
    openDeviceByName(currentDeviceName());
    if (!commandHandle()) {
        printError(deviceResultText(ExitNoDevice));
        return ExitNoDevice;
    }
    return ExitOk;
}

// A failed download leaves the mouse between begin and end write: the next
// apply from the window must send everything. A complete one clears that.
void rememberDownload(int flags, int result)
{
    if (result == ExitOk && flags != ChangeAll)
        return;
    if (!writeDiffFlag(result == ExitOk ? 0 : 1))
        printError(QStringLiteral("cannot write %1").arg(configFilePath()));
}

} // namespace

int runList()
{
    if (const int result = discoverMice())
        return result;
    bool any = false;
    for (int entry = 0; entry < supportedModelCount(); ++entry) {
        const char *connection = connectionName(entry);
        if (!*connection)
            continue;
        printRawLine(supportedModel(entry).deviceName + '\t' + connection);
        any = true;
    }
    if (!any) {
        printError(deviceResultText(ExitNoDevice));
        return ExitNoDevice;
    }
    return ExitOk;
}

int runStatus()
{
    if (const int result = openMouse())
        return result;
    MouseStatus status;
    if (const int result = queryMouseStatus(commandHandle(), status)) {
        printError(QStringLiteral("status: %1").arg(deviceResultText(result)));
        return result;
    }
    const int percent = status.sleeping() ? 0 : batteryPercentFromRaw(status.raw(), batteryFull());
    printLine(QStringLiteral("battery: %1%").arg(percent));
    printLine(QStringLiteral("charging: %1").arg(status.charging() ? "yes" : "no"));
    printLine(QStringLiteral("sleeping: %1").arg(status.sleeping() ? "yes" : "no"));
    printLine(QStringLiteral("connection: %1").arg(openedConnectionName()));
    printLine(QStringLiteral("pointer speed: %1 (%2)").arg(readPointerSpeed()).arg(QLatin1String(pointerSpeedBackendName())));
    return ExitOk;
}

int runApply(int flags)
{
    MouseSettings settings;
    if (!loadSettings(settings)) {
        printError(QStringLiteral("apply: cannot read the settings in %1").arg(configFilePath()));
        return ExitIoError;
    }
    if (const int result = openMouse())
        return result;
    const int result = applyAllSettings(settings, flags);
    rememberDownload(flags, result);
    if (result != ExitOk)
        printError(QStringLiteral("apply: %1").arg(deviceResultText(result)));
    return result;
}

int runProfile(int slot)
{
    if (const int result = openMouse())
        return result;
    const int chosen = setActiveProfile(slot - 1);
    const int refreshed = sendRefreshSequence();
    if (const int result = chosen ? chosen : refreshed) {
        printError(QStringLiteral("profile: %1").arg(deviceResultText(result)));
        return result;
    }
    if (!saveCurrentProfileId(slot - 1)) {
        printError(QStringLiteral("profile: slot %1 is active on the mouse but could not be stored in %2")
                       .arg(slot)
                       .arg(configFilePath()));
        return ExitIoError;
    }
    // The slot's own pointer speed, as the window applies it when the slot becomes active.
    MouseSettings settings;
    if (loadSettings(settings))
        setPointerSpeed(settings.profiles[slot - 1].mouseSpeed);
    return ExitOk;
}
