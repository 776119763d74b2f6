#pragma once
// The programs the window starts but that are not part of it: where they are
// installed, and how they are started. Tests replace the detached start and
// the process exit of the firmware hand-over.
#include <QString>
#include <QStringList>
#include <functional>

// appDir() + "/OSD" (with the platform's program suffix).
QString osdProgramPath();
// appDir() + "/skin/mouse/bin/K550-6118-20230727-en" for language 0, the same
// without "-en" for every other language (with the platform's program suffix).
QString firmwareUpdaterPath(int language);

using DetachedStarter = std::function<bool(const QString &program, const QStringList &arguments)>;
using ProcessExit = std::function<void(int code)>;
// Empty functions restore QProcess::startDetached and the immediate exit.
void setHelperProgramHooks(DetachedStarter start, ProcessExit exit);

bool startDetachedProgram(const QString &program, const QStringList &arguments);
// Ends the process at once: no event loop, no destructors (the updater takes
// over the mouse, and the system releases the handles).
void exitProcessNow(int code);
