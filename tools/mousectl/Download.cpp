#include "tools/mousectl/Download.h"
#include "device/CommandProtocol.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/NodeAccess.h"
#include "device/WriteTransaction.h"
#include "sim/VirtualHidApi.h"
#include "sim/VirtualMouse.h"
#include "storage/ConfigStorage.h"
#include "tools/mousectl/BusClient.h"
#include "tools/mousectl/Console.h"
#include "tools/mousectl/ExitCodes.h"
#include "tools/mousectl/ReportTrace.h"

namespace {

void printWritten(char direction, const unsigned char *data, size_t length)
{
    if (direction == '>')
        printRawLine(reportTraceLine(direction, data, length));
}

// The reports go to a virtual mouse of their own, so that nothing real is
// touched; a virtual mouse that stood in for the real one is fresh again afterwards.
int printDownload(const MouseSettings &working, int flags, const CtlOptions &options)
{
    VirtualMouse &mouse = virtualMouse();
    const Connection attached = options.useVirtualMouse ? mouse.attached() : Connection::Receiver;
    mouse.reset(attached);
    if (!options.useVirtualMouse)
        setHidApi(&virtualHidApi());
    installHidTrace(printWritten);

    int result = openMouse();
    if (result == ExitOk)
        result = applyAllSettings(working, flags);
    closeDevice();

    removeHidTrace();
    if (options.trace)
        startReportTrace();
    mouse.reset(attached);
    mouse.setMotionRate(options.virtualMotionHz);
    if (!options.useVirtualMouse)
        setHidApi(nullptr);
    if (result != ExitOk)
        printError(QStringLiteral("dry run: %1").arg(deviceResultText(result)));
    return result;
}

} // namespace

int discoverMice()
{
    loadDeviceTable();
    if (enumerateDevices() < 0) {
        printError(QStringLiteral("cannot initialise the HID library"));
        return ExitNoDevice;
    }
    return ExitOk;
}

int openMouse(const QString &context)
{
    if (const int result = discoverMice())
        return result;
    openDeviceByName(currentDeviceName());
    if (!commandHandle())
        return reportNoHandle(context);
    return ExitOk;
}

int reportNoHandle(const QString &context)
{
    const QString refused = refusedNodesText();
    if (!refused.isEmpty()) {
        printError(context + refused);
        return ExitNoAccess;
    }
    printError(context + deviceResultText(ExitNoDevice));
    return ExitNoDevice;
}

int downloadSettings(WriteTransaction &write, int flags, const CtlOptions &options, const QString &context)
{
    if (flags == 0)
        return ExitOk;
    if (options.dryRun)
        return printDownload(write.working(), flags, options);
    if (runningOwner()) {
        // The running program sends what is stored, which is this transaction's record.
        if (!ownerHasMouse(context))
            return ExitNoDevice;
        write.setDownload([](const MouseSettings &, int groups) { return ownerApplyGroups(groups); });
    } else if (const int result = commandHandle() ? ExitOk : openMouse(context)) {
        // profile N has the mouse open already.
        return result;
    }
    const int result = write.send(flags);
    if (result != ExitOk)
        printError(context + deviceResultText(result));
    if (!write.diffSaved())
        printError(QStringLiteral("cannot write %1").arg(configFilePath()));
    return result;
}
