// A .conf settings export as the import takes it in, on its bytes in memory:
// the input's first byte picks a slot, the next two a part of that slot's
// profile, the rest is the file's bytes. The Config entries, slot names and
// that part are imported over the stored settings, then the part is written
// over the file and read back unchanged.
#include "fuzz/FuzzSupport.h"
#include "storage/ConfigStorage.h"
#include "storage/ProfileParts.h"
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
    if (size < 3)
        return 0;
    const int slot = data[0] % PROFILE_COUNT;
    const int part = profilePartOf(data + 1);
    const QByteArray bytes = Sandbox::bytes(data + 3, size - 3);
    const IniFile file(QStringLiteral("settings export"), bytes);
    const QStringList groups = settingsExportGroups();
    // Once: the import's test of an export looks for the groups the parts are read from.
    static const bool sameGroups =
        isSettingsExportText(QStringLiteral("[%1]\nk=0\n").arg(groups.join("]\nk=0\n[")).toLatin1());
    check(sameGroups, "the import looks for other groups than the parts");
    const bool complete = file.hasGroups(groups);
    MouseSettings settings = storedSettings();
    QList<int> renamed;
    importSettingsConfig(file, settings, &renamed);
    readProfilePart(file, settingsExportGroup(slot), part, settings.profiles[slot], LedPowerEntries::Left);
    checkSettings(settings, "imported settings");
    // Every slot name becomes a file name: usable, and no two slots share one.
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        check(isSafeFileName(settings.profileNames[i]), "unusable slot name imported", settings.profileNames[i]);
        for (int j = 0; j < i; ++j)
            check(settings.profileNames[i] != settings.profileNames[j], "two slots share a name",
                  settings.profileNames[i]);
    }
    for (int renamedSlot : renamed)
        check(renamedSlot >= 0 && renamedSlot < PROFILE_COUNT, "renamed slot out of range", QString::number(renamedSlot));
    if (complete)
        roundTripProfilePart(file, groups, settingsExportGroup(slot), part, settings.profiles[slot],
                             LedPowerEntries::Left);
    return 0;
}
