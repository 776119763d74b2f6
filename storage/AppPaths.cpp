#include "storage/AppPaths.h"
#include "storage/UserConfig.h"
#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <mutex>

namespace {
std::mutex g_mutex;
QString g_appDir;
// configDir() decides once per application folder: whether the settings are
// per user can change only with the folder.
QString g_configDirFor;
QString g_configDir;
QString g_configDirNotice;

const QString kConfigFile = QStringLiteral("/Config.ini");

// The folder, and in `notice` why it is not the one the application folder
// would have had, when that is so.
QString chooseConfigDir(const QString &applicationDir, QString &notice)
{
    const QString installed = applicationDir + QStringLiteral("/Configs");
    notice.clear();
    if (!wantsUserConfigDir(applicationDir))
        return installed;
    const bool asked = asksForUserConfigDir(applicationDir);
    const QString user = userConfigDir();
    if (user.isEmpty()) {
        qDebug() << "no per-user configuration folder; using" << installed;
        notice = QStringLiteral("settings in %1: there is no per-user configuration folder").arg(installed);
        return installed;
    }
    if (!seedUserConfig(installed, user)) {
        qDebug() << "the settings in" << user << "could not all be copied from" << installed;
        // Reading stays possible where the settings are, even though storing is not.
        if (!QFileInfo::exists(user + kConfigFile) && QFileInfo::exists(installed + kConfigFile)) {
            notice = QStringLiteral("settings in %1, read only: %2 cannot be made").arg(installed, user);
            return installed;
        }
    } else if (!refreshInstalledTables(installed + kConfigFile, user + kConfigFile)) {
        qDebug() << "the installed tables in" << user << "could not be brought up to date";
    }
    if (!asked)
        notice = QStringLiteral("settings in %1: %2 cannot be written").arg(user, installed);
    return user;
}
} // namespace

QString appDir()
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (!g_appDir.isEmpty())
            return g_appDir;
    }
    return QCoreApplication::applicationDirPath();
}

void setAppDir(const QString &dir)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_appDir = dir;
    g_configDirFor.clear();
    g_configDir.clear();
}

QString configDir()
{
    const QString applicationDir = appDir();
    std::lock_guard<std::mutex> lock(g_mutex);
    if (g_configDir.isEmpty() || g_configDirFor != applicationDir) {
        g_configDir = chooseConfigDir(applicationDir, g_configDirNotice);
        g_configDirFor = applicationDir;
    }
    return g_configDir;
}

QString configDirNotice()
{
    configDir();
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_configDirNotice;
}
