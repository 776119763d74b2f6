// Start-up to the window shown, on the demo installation and the virtual mouse.
// Usage: bench_startup [APP_DIR] (default: the build's bin/ folder beside bench/)
#include "device/HidSeam.h"
#include "sim/VirtualHidApi.h"
#include "sim/VirtualMouse.h"
#include "storage/AppPaths.h"
#include "ui/kit/Skin.h"
#include "ui/main/MousecfgWidget.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QPixmapCache>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules("*.debug=false");
    const QString source = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath() + "/../bin";
    QTemporaryDir dir;
    // A private copy, so the runs change nothing in the build.
    if (QProcess::execute("cp", {"-r", source + "/DefaultProfile.bin", source + "/Configs", source + "/skin", dir.path()}) != 0) {
        std::fprintf(stderr, "bench_startup: cannot copy the installation from %s\n", qPrintable(source));
        return 1;
    }
    setAppDir(dir.path());
    setHidApi(&virtualHidApi());

    constexpr int kRuns = 15;
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        virtualMouse().reset(Connection::Receiver);
        // Every run decodes its pictures, as a fresh process does.
        clearSharedPixmaps();
        QPixmapCache::clear();
        QElapsedTimer timer;
        timer.start();
        auto *window = new MousecfgWidget;
        window->show();
        QCoreApplication::processEvents();
        ms.push_back(timer.nsecsElapsed() / 1e6);
        delete window;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("start-up to window shown (%d runs): median %.1f ms, min %.1f ms, max %.1f ms\n", kRuns,
                ms[ms.size() / 2], ms.front(), ms.back());
    return 0;
}
