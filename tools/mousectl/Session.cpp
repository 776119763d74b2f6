#include "tools/mousectl/Session.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "platform/SingleInstance.h"
#include "tools/mousectl/BusClient.h"
#include "sim/VirtualHidApi.h"
#include "sim/VirtualMouse.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/IniFile.h"
#include "tools/mousectl/Commands.h"
#include "tools/mousectl/Console.h"
#include "tools/mousectl/ExitCodes.h"
#include "tools/mousectl/ReportTrace.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

int chooseAppDir(const QString &dir)
{
    if (!dir.isEmpty()) {
        if (!QFileInfo(dir).isDir()) {
            printError(QStringLiteral("no folder %1").arg(dir));
            return ExitIoError;
        }
        setAppDir(QDir(dir).absolutePath());
    }
    const QString notice = configDirNotice();
    if (!notice.isEmpty())
        printError(notice);
    // Every command needs the installed tables (the device name at least).
    if (!QFileInfo(configFilePath()).isFile()) {
        printError(QStringLiteral("no configuration file %1 (see --app-dir)").arg(configFilePath()));
        return ExitIoError;
    }
    return ExitOk;
}

// A moving mouse answers a command a few of its report intervals later, so
// movement is queued ahead of every reply, as readers of a real one see it.
constexpr int MOVING_REPLY_DELAY_MS = 3;

void plugVirtualMouse(Connection connection, int motionHz, bool noAccess)
{
    VirtualMouse &mouse = virtualMouse();
    mouse.reset(connection);
    mouse.setDenyOpens(noAccess);
    mouse.setMotionRate(motionHz);
    if (motionHz > 0)
        mouse.setReplyDelayMs(MOVING_REPLY_DELAY_MS);
    // A missing reply costs its full time-out, as on a real mouse.
    mouse.setInstantTimeouts(false);
    setHidApi(&virtualHidApi());
}

// Commands that may change what is stored, so that a running window shows it.
bool mayStore(const CtlOptions &options)
{
    switch (options.command) {
    case CtlCommand::Set:
        return !options.dryRun;
    case CtlCommand::Import:
    case CtlCommand::Profile:
        return true;
    case CtlCommand::Macro:
        return options.arguments.value(0) == QLatin1String("import") || options.arguments.value(0) == QLatin1String("delete");
    default:
        return false;
    }
}

// Only a window that uses the same folder takes the news.
void tellRunningWindow()
{
    notifySettingsChanged(SingleInstanceLock(instanceMutexName(descriptionProductName())).activationSocketPath(), configDir());
}

} // namespace

int runCommand(const CtlOptions &options)
{
    switch (options.command) {
    case CtlCommand::List:
        return runList(options);
    case CtlCommand::Status:
        return runStatus(options);
    case CtlCommand::Apply:
        return runApply(options);
    case CtlCommand::Profile:
        return runProfile(options);
    case CtlCommand::Export:
        return runExport(options.file);
    case CtlCommand::Import:
        return runImport(options.file);
    case CtlCommand::Get:
        return runGet(options);
    case CtlCommand::Set:
        return runSet(options);
    case CtlCommand::Macro:
        return runMacro(options);
    case CtlCommand::Help:
        return runHelp(options);
    }
    return ExitUsage;
}

int runSession(const CtlOptions &options)
{
    if (const int result = chooseAppDir(options.appDir))
        return result;
    if (options.useVirtualMouse)
        plugVirtualMouse(options.virtualConnection, options.virtualMotionHz, options.virtualNoAccess);
    if (options.trace)
        startReportTrace();
    findRunningOwner(options);

    // A command that stored nothing (it failed, or stored what was there)
    // changed no file's bytes.
    const bool storing = mayStore(options);
    takeChangedFileCount();
    const int result = runCommand(options);
    if (storing && takeChangedFileCount() > 0)
        tellRunningWindow();

    closeDevice();
    shutdownHid();
    if (options.trace)
        stopReportTrace();
    if (options.dump)
        printLine(virtualMouse().dumpJson());
    if (options.useVirtualMouse)
        setHidApi(nullptr);
    return result;
}
