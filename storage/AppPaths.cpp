#include "storage/AppPaths.h"
#include <QCoreApplication>
#include <mutex>

namespace {
std::mutex g_mutex;
QString g_appDir;
}

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
}

QString configDir()
{
    return appDir() + "/Configs";
}
