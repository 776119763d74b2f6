// How often the program wakes up and how much of a core it uses with the
// window open on the virtual mouse: still, then moving at 1000 Hz. Wake-ups
// are context switches (voluntary and involuntary) summed over every thread
// from /proc/self/task/*/status.
// Usage: bench_wakeups [SECONDS per phase, default 10] [APP_DIR]
#include "device/HidSeam.h"
#include "sim/VirtualHidApi.h"
#include "sim/VirtualMouse.h"
#include "storage/AppPaths.h"
#include "ui/main/MousecfgWidget.h"
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

// Context switches per thread name.
QMap<QString, long long> contextSwitches()
{
    QMap<QString, long long> byThread;
    for (const QString &task : QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status("/proc/self/task/" + task + "/status");
        if (!status.open(QIODevice::ReadOnly))
            continue; // the thread ended meanwhile
        QString name;
        long long sum = 0;
        for (const QByteArray &line : status.readAll().split('\n')) {
            const QByteArray value = line.mid(line.indexOf(':') + 1).trimmed();
            if (line.startsWith("Name:"))
                name = QString::fromLatin1(value);
            else if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
                sum += value.toLongLong();
        }
        byThread[name] += sum;
    }
    return byThread;
}

// Switches since before, of the threads that are still there.
long long since(const QMap<QString, long long> &before, const QMap<QString, long long> &after)
{
    long long sum = 0;
    for (auto it = after.begin(); it != after.end(); ++it)
        sum += it.value() - before.value(it.key());
    return sum;
}

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void measure(const char *phase, int seconds)
{
    const QMap<QString, long long> before = contextSwitches();
    const double cpu = cpuSeconds();
    runFor(seconds * 1000);
    const QMap<QString, long long> after = contextSwitches();
    const double wakeups = double(since(before, after)) / seconds;
    const double share = (cpuSeconds() - cpu) / seconds * 100.0;
    std::printf("%-22s %7.1f wake-ups/s  %6.3f %% of a core\n", phase, wakeups, share);
    for (auto it = after.begin(); it != after.end(); ++it)
        std::printf("    %-18s %7.1f wake-ups/s\n", qPrintable(it.key()), double(it.value() - before.value(it.key())) / seconds);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules("*.debug=false");
    const int seconds = argc > 1 ? qMax(1, atoi(argv[1])) : 10;
    const QString source = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath() + "/../bin";
    QTemporaryDir dir;
    if (QProcess::execute("cp", {"-r", source + "/DefaultProfile.bin", source + "/Configs", source + "/skin", dir.path()}) != 0) {
        std::fprintf(stderr, "bench_wakeups: cannot copy the installation from %s\n", qPrintable(source));
        return 1;
    }
    setAppDir(dir.path());
    setHidApi(&virtualHidApi());
    virtualMouse().reset(Connection::Receiver);
    virtualMouse().setInstantTimeouts(false); // reads wait as they do on the node

    MousecfgWidget window;
    window.show();
    runFor(1500); // past start-up and the first query
    std::printf("on the virtual mouse, %d s per phase\n", seconds);
    // An open window's text cursor blinks; in the tray nothing is drawn.
    const struct { const char *phase; bool shown; int hz; } phases[] = {
        {"open, mouse still", true, 0},
        {"tray, mouse still", false, 0},
        {"tray, moving 1000 Hz", false, SIM_MAX_MOTION_HZ},
        {"open, moving 1000 Hz", true, SIM_MAX_MOTION_HZ},
    };
    for (const auto &p : phases) {
        window.setVisible(p.shown);
        virtualMouse().setMotionRate(p.hz);
        runFor(500);
        measure(p.phase, seconds);
    }
    return 0;
}
