// The lighting and DPI pages: loading them with a profile (what every profile
// switch and mouse-side change costs), opening the colour editor, and a
// slider drag of one stage.
// Usage: bench_panels [APP_DIR] [RUNS] (default: the build's bin/ folder, 200 runs)
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "ui/panels/KestColorArea.h"
#include "ui/panels/KestColorWindow.h"
#include "ui/panels/KestDPIWindow.h"
#include "ui/panels/KestSingleDPI.h"
#include "ui/panels/KestTwoBarSlider.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QSlider>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
void report(const char *name, int runs, const std::function<void(int)> &step)
{
    std::vector<double> us;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        step(run);
        QCoreApplication::processEvents(); // let the repaints run
        us.push_back(timer.nsecsElapsed() / 1e3);
    }
    std::sort(us.begin(), us.end());
    std::printf("%-36s median %9.1f us   p90 %9.1f us   (%d runs)\n", name, us[us.size() / 2], us[us.size() * 9 / 10],
                runs);
}
} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules("*.debug=false");
    const QString source = argc > 1 && argv[1][0] ? QString::fromLocal8Bit(argv[1])
                                                   : QCoreApplication::applicationDirPath() + "/../bin";
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 200;
    QTemporaryDir dir;
    if (QProcess::execute("cp", {"-r", source + "/DefaultProfile.bin", source + "/Configs", source + "/skin", dir.path()}) != 0) {
        std::fprintf(stderr, "bench_panels: cannot copy the installation from %s\n", qPrintable(source));
        return 1;
    }
    setAppDir(dir.path());

    MouseSettings settings;
    for (ProfileData &profile : settings.profiles)
        makeDefaultProfile(profile);
    const int sensor = mouseSensor();

    KestDPIWindow dpi(settings.profiles[0]);
    dpi.resize(KestDPIWindow::BASE_WIDTH, KestDPIWindow::BASE_HEIGHT);
    dpi.show();
    report("DPI page setProfile", runs, [&](int run) {
        settings.profiles[0].dpi = uint8_t(run % 6);
        dpi.setProfile(settings.profiles[0], sensor);
    });

    KestColorWindow lighting(nullptr, 1.0);
    lighting.resize(KestColorWindow::BASE_WIDTH, KestColorWindow::BASE_HEIGHT);
    lighting.setSettings(&settings);
    lighting.show();
    report("lighting page setProfileData", runs, [&](int run) {
        settings.profiles[run % PROFILE_COUNT].ledMode = uint8_t(1 + run % 13);
        lighting.setProfileData(&settings.profiles[run % PROFILE_COUNT]);
    });

    report("colour editor built and shown", std::max(1, runs / 4), [&](int run) {
        KestColorArea editor(nullptr, 1.0);
        editor.setColor(QColor::fromHsv(run % 360, 255, 255));
        editor.show();
        QCoreApplication::processEvents();
    });

    QSlider *slider = dpi.row(1)->slider()->linkedSlider();
    report("DPI stage drag, 90 steps", std::max(1, runs / 4), [&](int) {
        for (int v = slider->minimum(); v <= slider->maximum() && v < slider->minimum() + 90; ++v)
            slider->setValue(v);
    });
    return 0;
}
