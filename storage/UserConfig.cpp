#include "storage/UserConfig.h"
#include "storage/IniFile.h"
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString kConfigFile = QStringLiteral("Config.ini");
const QStringList kInstalledTables = {"MouseSenSor", "MouseLEDMode", "Mouse_List", "FONT_LIST"};

QMap<QString, QVariant> installedTableEntries(const IniText &settings)
{
    QMap<QString, QVariant> entries;
    for (const QString &key : settings.allKeys()) {
        if (kInstalledTables.contains(key.section(QLatin1Char('/'), 0, 0)))
            entries.insert(key, settings.value(key));
    }
    return entries;
}

// Root may write anywhere whatever the permission bits say, so the bits alone
// do not answer; creating a file does.
bool folderAcceptsFiles(const QString &folder)
{
    if (!QFileInfo(folder).isWritable())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}

bool copyFileWhole(const QString &source, const QString &target)
{
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        qDebug() << "cannot create the folder of" << target;
        return false;
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qDebug() << "cannot read" << source;
        return false;
    }
    const QByteArray bytes = in.readAll();
    // Earlier versions copied through this name; a copy of theirs cut short stays behind.
    QFile::remove(target + QStringLiteral(".seeding"));
    // Renamed into place when complete, so a cut-short copy never passes for a
    // file. The copy is the user's: made as the umask allows, whatever the
    // installed file's own permissions.
    QSaveFile out(target);
    if (in.error() != QFile::NoError || !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()
        || !out.flush() || !out.commit()) {
        qDebug() << "cannot copy" << source << "to" << target << "-" << out.errorString();
        return false;
    }
    return true;
}

} // namespace

QString userConfigDir()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/mousecfg/Configs");
}

bool asksForUserConfigDir(const QString &appDir)
{
    return qgetenv(kPerUserEnvironmentVariable) == "1"
        || (QFileInfo(appDir).isDir() && QFileInfo::exists(appDir + QLatin1Char('/') + QLatin1String(kPerUserMarkerFile)));
}

bool wantsUserConfigDir(const QString &appDir)
{
    if (asksForUserConfigDir(appDir))
        return true;
    if (!QFileInfo(appDir).isDir())
        return false;
    const QString configs = appDir + QStringLiteral("/Configs");
    return !folderAcceptsFiles(QFileInfo(configs).isDir() ? configs : appDir);
}

bool seedUserConfig(const QString &installedDir, const QString &userDir)
{
    const QString userConfig = userDir + QLatin1Char('/') + kConfigFile;
    if (QFileInfo::exists(userConfig))
        return true;
    if (!QDir().mkpath(userDir)) {
        qDebug() << "cannot create" << userDir;
        return false;
    }
    const QDir installed(installedDir);
    bool ok = true;
    QDirIterator it(installedDir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = installed.relativeFilePath(it.next());
        const QString target = userDir + QLatin1Char('/') + relative;
        if (relative == kConfigFile || QFileInfo::exists(target))
            continue;
        ok = copyFileWhole(it.filePath(), target) && ok;
    }
    const QString installedConfig = installed.filePath(kConfigFile);
    if (ok && QFileInfo::exists(installedConfig))
        ok = copyFileWhole(installedConfig, userConfig);
    return ok;
}

bool refreshInstalledTables(const QString &installedConfigFile, const QString &userConfigFile)
{
    if (!QFileInfo::exists(installedConfigFile) || !QFileInfo::exists(userConfigFile))
        return true;
    const IniFile installed(installedConfigFile);
    const QMap<QString, QVariant> tables = installedTableEntries(installed.settings());
    if (tables.isEmpty() || tables == installedTableEntries(IniFile(userConfigFile).settings()))
        return true;
    // Called while configDir() is being chosen: the folder is named here.
    IniWriter user(userConfigFile, IniStart::FromTarget, QFileInfo(userConfigFile).absolutePath());
    for (const QString &group : kInstalledTables)
        user->remove(group);
    for (auto it = tables.cbegin(); it != tables.cend(); ++it)
        user->setValue(it.key(), it.value());
    return user.commit();
}
