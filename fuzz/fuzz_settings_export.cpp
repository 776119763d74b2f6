// A .conf settings export taken in through the import: imported over the
// stored settings, stored, and loaded again unchanged.
#include "fuzz/FuzzSupport.h"
#include "storage/ConfigStorage.h"
#include "storage/SafeName.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    Sandbox &box = Sandbox::instance();
    box.reset();
    const QString source = box.importDir() + QStringLiteral("/settings.conf");
    Sandbox::writeFile(source, Sandbox::bytes(data, size));
    box.watchOutside();

    readMouseName(source);
    const bool complete = isSettingsExport(source);
    MouseSettings settings;
    loadSettings(settings);
    QList<int> renamed;
    check(importSettings(settings, source, &renamed) == 0, "import of an existing file");
    checkSettings(settings, "imported settings");
    // Every slot name becomes a file name: usable, and no two slots share one.
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        check(isSafeFileName(settings.profileNames[i]), "unusable slot name imported", settings.profileNames[i]);
        for (int j = 0; j < i; ++j)
            check(settings.profileNames[i] != settings.profileNames[j], "two slots share a name",
                  settings.profileNames[i]);
    }
    if (complete) {
        check(saveSettings(settings), "save of imported settings");
        MouseSettings again;
        check(loadSettings(again), "reload of imported settings");
        checkSettings(again, "reloaded settings");
        check(again.profileId == settings.profileId, "ProfileID changed by a save");
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            QString difference;
            check(again.profileNames[i] == settings.profileNames[i], "slot name changed by a save",
                  settings.profileNames[i] + QStringLiteral(" -> ") + again.profileNames[i]);
            check(sameProfile(settings.profiles[i], again.profiles[i], true, &difference),
                  "profile changed by a save", difference);
        }
    }
    box.checkOutside();
    return 0;
}
