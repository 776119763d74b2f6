#include "storage/AppPaths.h"
#include "storage/UserConfig.h"
#include <QCoreApplication>
#include <QDebug>
#include <mutex>

namespace {
std::mutex g_mutex;
QString g_appDir;
// configDir() decides once per application folder: whether the settings are
// per user can change only with the folder.
QString g_configDirFor;
QString g_configDir;

QString chooseConfigDir(const QString &applicationDir)
{
    const QString installed = applicationDir + QStringLiteral("/Configs");
    if (!wantsUserConfigDir(applicationDir))
        return installed;
    const QString user = userConfigDir();
    if (user.isEmpty()) {
        qDebug() << "no per-user configuration folder; using" << installed;
        return installed;
    }
    if (!seedUserConfig(installed, user))
        qDebug() << "the settings in" << user << "could not all be copied from" << installed;
    else if (!refreshInstalledTables(installed + QStringLiteral("/Config.ini"), user + QStringLiteral("/Config.ini")))
        qDebug() << "the installed tables in" << user << "could not be brought up to date";
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
        g_configDir = chooseConfigDir(applicationDir);
        g_configDirFor = applicationDir;
    }
    return g_configDir;
}
