// A .conf settings export as the import takes it in, on its bytes in memory:
// imported over the stored settings, then one of its profile groups (chosen
// by the input) written over it and read back unchanged.
#include "fuzz/FuzzSupport.h"
#include "storage/ConfigStorage.h"
#include "storage/SafeName.h"

namespace {

// What the sandbox's installation loads: the settings an import goes over.
const MouseSettings &storedSettings()
{
    static const MouseSettings stored = [] {
        MouseSettings s;
        loadSettings(s);
        return s;
    }();
    return stored;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    Sandbox::instance();
    const QByteArray bytes = Sandbox::bytes(data, size);
    mouseNameText(bytes);
    const bool complete = isSettingsExportText(bytes);
    MouseSettings settings = storedSettings();
    QList<int> renamed;
    importSettingsText(settings, bytes, &renamed);
    checkSettings(settings, "imported settings");
    // Every slot name becomes a file name: usable, and no two slots share one.
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        check(isSafeFileName(settings.profileNames[i]), "unusable slot name imported", settings.profileNames[i]);
        for (int j = 0; j < i; ++j)
            check(settings.profileNames[i] != settings.profileNames[j], "two slots share a name",
                  settings.profileNames[i]);
    }
    for (int slot : renamed)
        check(slot >= 0 && slot < PROFILE_COUNT, "renamed slot out of range", QString::number(slot));
    if (complete) {
        const int slot = size ? data[0] % PROFILE_COUNT : 0;
        const ProfileData &imported = settings.profiles[slot];
        const QByteArray saved = exportProfileGroupText(slot, imported, bytes);
        check(isSettingsExportText(saved), "saved export is no settings export");
        ProfileData again = imported;
        importProfileGroupText(slot, again, saved);
        QString difference;
        check(sameProfile(imported, again, false, &difference), "profile changed by a save", difference);
        check(exportProfileGroupText(slot, again, saved) == saved, "a second save changed the file");
    }
    return 0;
}
