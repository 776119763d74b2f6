// A full download to the virtual mouse with real protocol pauses and a 1 ms
// reply delay, still and while the mouse moves at 1000 Hz, beside the floor
// the pause after each report sets.
// Usage: bench_download [APP_DIR] [RUNS] (default: the build's bin/ folder, 3 runs)
#include "device/CommandProtocol.h"
#include "device/DeviceImage.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/MacroEncoding.h"
#include "device/SendCommand.h"
#include "sim/VirtualHidApi.h"
#include "sim/VirtualMouse.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/MacroFiles.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int REPLY_DELAY_MS = 1;

struct Figures {
    int packets = 0;
    int macroFiles = 0;
    std::vector<double> ms;
};

int macroButtons(const MouseSettings &s)
{
    int n = 0;
    for (const ProfileData &p : s.profiles)
        for (const ButtonInfo &b : p.buttonInfo)
            n += (b.fun == FunMacro || b.fun == FunGunFile) ? 1 : 0;
    return n;
}

bool measure(const char *name, const MouseSettings &settings, int runs)
{
    Figures f;
    for (int run = 0; run < runs; ++run) {
        deviceMacroNames().clear();
        virtualMouse().resetCounters();
        QElapsedTimer timer;
        timer.start();
        const int result = applyAllSettings(settings, ChangeAll);
        f.ms.push_back(timer.nsecsElapsed() / 1e6);
        if (result != 0) {
            std::fprintf(stderr, "bench_download: %s failed with %d\n", name, result);
            return false;
        }
        f.packets = virtualMouse().writeCount();
    }
    f.macroFiles = macroButtons(settings);
    std::sort(f.ms.begin(), f.ms.end());
    const double floorMs = f.packets * SEND_WRITE_PAUSE_MS;
    std::printf("%-50s %7d %7d %10.1f %10.1f %10.1f %9.1f%%\n", name, f.packets, f.macroFiles, f.ms.front(),
                f.ms[f.ms.size() / 2], floorMs, 100.0 * (f.ms[f.ms.size() / 2] - floorMs) / floorMs);
    return true;
}

// Nine distinct macros long enough to fill their 200-byte slots, on every slot
// of profile 0 the key table carries, and eleven more buttons of the other
// profiles reusing them: twenty macro buttons in all.
MouseSettings withTwentyMacros(MouseSettings s)
{
    QStringList names;
    for (int i = 0; i < 9; ++i) {
        MacroFile macro;
        for (int j = 0; j < 60; ++j)
            macro.events.append({uint8_t(j % 2 ? 0x04 : 0x84), 0, uint8_t(4 + i)});
        const QString name = QStringLiteral("Bench%1").arg(i);
        saveMacroFile(name, macro);
        names.append(name);
    }
    const int profile0Slots[] = {0, 1, 2, 3, 4, 5, 6, 40, 41};
    for (int i = 0; i < 9; ++i)
        assignMacroToButton(s.profiles[0].buttonInfo[profile0Slots[i]], names[i], FunMacro);
    for (int i = 0; i < 11; ++i)
        assignMacroToButton(s.profiles[1 + i % 4].buttonInfo[i / 4], names[i % 9], FunMacro);
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const QString source =
        argc > 1 && argv[1][0] ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath() + "/../bin";
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 3;
    QTemporaryDir dir;
    // A private copy, so the macro files written here change nothing in the build.
    if (QProcess::execute("cp", {"-r", source + "/DefaultProfile.bin", source + "/Configs", dir.path()}) != 0) {
        std::fprintf(stderr, "bench_download: cannot copy the installation from %s\n", qPrintable(source));
        return 1;
    }
    setAppDir(dir.path());

    VirtualMouse &mouse = virtualMouse();
    mouse.reset(Connection::Receiver);
    mouse.setInstantTimeouts(false);
    mouse.setReplyDelayMs(REPLY_DELAY_MS);
    setHidApi(&virtualHidApi());
    loadDeviceTable();
    enumerateDevices();
    openDeviceByName(currentDeviceName());
    if (!commandHandle()) {
        std::fprintf(stderr, "bench_download: the virtual mouse was not found\n");
        return 1;
    }

    MouseSettings settings;
    loadSettings(settings);
    std::printf("full download to the virtual mouse, reply delay %d ms, real pauses, %d runs\n", REPLY_DELAY_MS,
                runs);
    std::printf("floor = packets x %d ms (the pause the mouse asks for after each report)\n\n",
                SEND_WRITE_PAUSE_MS);
    std::printf("%-50s %7s %7s %10s %10s %10s %10s\n", "case", "packets", "macros", "min ms", "median ms",
                "floor ms", "over floor");
    bool ok = true;
    const MouseSettings macros = withTwentyMacros(settings);
    // Still, and moving at the highest rate: movement reports fill the node's queue between replies.
    for (int hz : {0, SIM_MAX_MOTION_HZ}) {
        mouse.setMotionRate(hz);
        const QByteArray suffix = hz ? ", moving 1000 Hz" : "";
        ok = measure(("all groups, no macros" + suffix).constData(), settings, runs) && ok;
        ok = measure(("all groups, 20 macro buttons" + suffix).constData(), macros, runs) && ok;
    }

    closeDevice();
    setHidApi(nullptr);
    mouse.reset();
    return ok ? 0 : 1;
}
