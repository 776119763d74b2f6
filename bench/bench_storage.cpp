// Times the storage calls an apply and a start-up make, on a temporary
// application folder holding the demo installation data. Prints figures only.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/MacroFiles.h"
#include "storage/MouseSettings.h"
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 15;

QString installationData()
{
    const QString source = qEnvironmentVariable("MOUSECFG_SOURCE_DIR");
    if (!source.isEmpty())
        return source + QStringLiteral("/data");
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
}

bool copyData(const QString &from, const QString &to)
{
    QDir().mkpath(to + QStringLiteral("/Configs"));
    return QFile::copy(from + QStringLiteral("/DefaultProfile.bin"), to + QStringLiteral("/DefaultProfile.bin"))
        && QFile::copy(from + QStringLiteral("/Configs/Config.ini"), to + QStringLiteral("/Configs/Config.ini"));
}

void report(const char *what, const std::function<bool()> &call)
{
    std::vector<double> ms;
    bool ok = true;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        ok = call() && ok;
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %8.2f ms   min %8.2f ms   max %8.2f ms%s\n", what, ms[ms.size() / 2],
                ms.front(), ms.back(), ok ? "" : "   (CALL FAILED)");
}

MouseSettings busySettings()
{
    MouseSettings s;
    makeDefaultSettings(s);
    for (int i = 1; i < PROFILE_COUNT; ++i)
        makeDefaultProfile(s.profiles[i]);
    for (ProfileData &p : s.profiles)
        for (ButtonInfo &b : p.buttonInfo)
            for (int j = 0; j < KEY_INFO_COUNT; ++j)
                b.keyInfo[j] = {uint8_t(j), uint8_t(255 - j), uint8_t(j * 3)};
    return s;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !copyData(installationData(), dir.path())) {
        std::fprintf(stderr, "Cannot prepare a temporary application folder from %s\n",
                     qPrintable(installationData()));
        return 1;
    }
    setAppDir(dir.path());

    MouseSettings settings = busySettings();
    const ProfileData &profile = settings.profiles[0];
    const QString fresh = dir.filePath(QStringLiteral("fresh.prof"));
    const QString existing = dir.filePath(QStringLiteral("existing.prof"));
    saveProfile(profile, existing);

    std::printf("storage benchmark, %d runs each, demo data in %s\n", kRuns, qPrintable(dir.path()));
    report("saveProfile, new file (8,453 entries)", [&] {
        QFile::remove(fresh);
        return saveProfile(profile, fresh);
    });
    report("saveProfile, over an existing file", [&] { return saveProfile(profile, existing); });
    report("loadProfile (8,453 entries)", [&] {
        ProfileData p;
        return loadProfile(p, existing) == 0;
    });
    report("saveSettings, nothing changed", [&] { return saveSettings(settings); });
    // What an Apply of one edit stores: one profile file differs.
    int round = 0;
    report("saveSettings, one value changed", [&] {
        settings.profiles[0].dpi = uint8_t(++round % 2);
        return saveSettings(settings);
    });
    report("saveSettings, every profile changed", [&] {
        ++round;
        for (ProfileData &p : settings.profiles)
            p.dpi = uint8_t(round % 2);
        return saveSettings(settings);
    });
    report("loadSettings (Config.ini + five profiles)", [&] {
        MouseSettings s;
        return loadSettings(s);
    });
    report("saveProfileDpi (one entry)", [&] { return saveProfileDpi(settings.profileNames[0], 2); });
    report("writeDiffFlag", [&] { return writeDiffFlag(1); });
    report("exportSettings (five profiles)", [&] {
        return exportSettings(settings, dir.filePath(QStringLiteral("export.conf")));
    });
    report("importSettings (five profiles)", [&] {
        MouseSettings s = settings;
        return importSettings(s, dir.filePath(QStringLiteral("export.conf"))) == 0;
    });
    report("diffSettings, identical records", [&] {
        volatile int flags = diffSettings(settings, settings);
        return flags == 0;
    });
    setAppDir(QString());
    return 0;
}
