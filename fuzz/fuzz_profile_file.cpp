// A .prof file as the single-profile import takes it in, one part of its
// profile at a time: the input's first byte picks the part, the rest is the
// file's bytes. The part is loaded and range-checked, saved over the file and
// reloaded unchanged, and a second save of what was reloaded changes no byte.
#include "fuzz/FuzzSupport.h"
#include "storage/ConfigStorage.h"
#include "storage/ProfileParts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    Sandbox::instance();
    if (size == 0)
        return 0;
    const int part = data[0] % PROFILE_PART_COUNT;
    const QByteArray bytes = Sandbox::bytes(data + 1, size - 1);
    const IniFile file(QStringLiteral("profile"), bytes);
    const QStringList groups{profileFileGroup()};
    const bool importable = file.hasGroups(groups);
    check(importable == isProfileText(bytes), "the import and the part disagree on a profile file");
    ProfileData loaded;
    readProfilePart(file, profileFileGroup(), part, loaded, LedPowerEntries::Included);
    // What an import refuses must still load without harm.
    checkProfile(loaded, importable ? "imported profile" : "refused profile");
    if (importable)
        roundTripProfilePart(file, groups, profileFileGroup(), part, loaded, LedPowerEntries::Included);
    return 0;
}
