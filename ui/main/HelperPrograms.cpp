#include "ui/main/HelperPrograms.h"
#include "storage/AppPaths.h"
#include <QProcess>
#include <cstdio>
#include <cstdlib>

namespace {

#ifdef Q_OS_WIN
const QString kProgramSuffix = QStringLiteral(".exe");
#else
const QString kProgramSuffix;
#endif

// Updater programs by language: index 0 has its own, every other language shares one.
const char *const kUpdaterNames[] = {"K550-6118-20230727-en", "K550-6118-20230727"};

DetachedStarter g_start;
ProcessExit g_exit;

} // namespace

QString osdProgramPath()
{
    return appDir() + QStringLiteral("/OSD") + kProgramSuffix;
}

QString firmwareUpdaterPath(int language)
{
    const char *name = kUpdaterNames[language == 0 ? 0 : 1];
    return appDir() + QStringLiteral("/skin/mouse/bin/") + QLatin1String(name) + kProgramSuffix;
}

void setHelperProgramHooks(DetachedStarter start, ProcessExit exit)
{
    g_start = std::move(start);
    g_exit = std::move(exit);
}

bool startDetachedProgram(const QString &program, const QStringList &arguments)
{
    if (g_start)
        return g_start(program, arguments);
    return QProcess::startDetached(program, arguments);
}

void exitProcessNow(int code)
{
    if (g_exit) {
        g_exit(code);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(code);
}
