// export and import: settings export files (.conf), no mouse involved.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "tools/mousectl/Commands.h"
#include "tools/mousectl/Console.h"
#include "tools/mousectl/ExitCodes.h"
#include <QFileInfo>
#include <QSettings>

namespace {

bool storeAllProfiles(const MouseSettings &settings)
{
    bool ok = saveSettings(settings) && saveProfileList(settings);
    for (int i = 0; ok && i < PROFILE_COUNT; ++i)
        ok = saveProfileByName(settings.profiles[i], settings.profileNames[i]);
    return ok;
}

} // namespace

int runExport(const QString &file)
{
    MouseSettings settings;
    if (!loadSettings(settings)) {
        printError(QStringLiteral("export: cannot read the settings in %1").arg(configFilePath()));
        return ExitIoError;
    }
    // A missing folder is most likely a mistyped path: it is not made.
    const QString folder = QFileInfo(file).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        printError(QStringLiteral("export: cannot write %1: no folder %2").arg(file, folder));
        return ExitIoError;
    }
    // The export names the product itself and replaces the file whole.
    if (!exportSettings(settings, file)) {
        printError(QStringLiteral("export: cannot write %1").arg(file));
        return ExitIoError;
    }
    return ExitOk;
}

int runImport(const QString &file)
{
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        printError(QStringLiteral("import: cannot read %1").arg(file));
        return ExitIoError;
    }
    if (isTooLargeIniFile(file)) {
        printError(QStringLiteral("import: %1 is larger than any settings export (at most %2 bytes)")
                       .arg(file)
                       .arg(iniFileSizeLimit(file)));
        return ExitDataError;
    }
    const QString owner = readMouseName(file);
    const QString product = currentProductName();
    if (owner != product) {
        printError(QStringLiteral("import: %1 belongs to \"%2\", not to \"%3\"").arg(file, owner, product));
        return ExitDataError;
    }
    // An import overwrites all five profiles: a file without them would turn them into zeros.
    if (!isSettingsExport(file)) {
        printError(QStringLiteral("import: %1 is not a settings export file").arg(file));
        return ExitDataError;
    }
    MouseSettings settings;
    if (!loadSettings(settings)) {
        printError(QStringLiteral("import: cannot read the settings in %1").arg(configFilePath()));
        return ExitIoError;
    }
    QList<int> renamed;
    if (importSettings(settings, file, &renamed) < 0) {
        printError(QStringLiteral("import: cannot read %1").arg(file));
        return ExitIoError;
    }
    // Two slots of one name would share one file; the later one got a name of its own.
    for (int slot : renamed)
        printError(QStringLiteral("import: slot %1 shared its name with an earlier slot and is now \"%2\"")
                       .arg(slot + 1)
                       .arg(settings.profileNames[slot]));
    if (!storeAllProfiles(settings)) {
        printError(QStringLiteral("import: cannot store the settings in %1").arg(configDir()));
        return ExitIoError;
    }
    // The mouse still holds the old settings: the window's next apply sends everything.
    if (!writeDiffFlag(1)) {
        printError(QStringLiteral("import: cannot write %1").arg(configFilePath()));
        return ExitIoError;
    }
    return ExitOk;
}
