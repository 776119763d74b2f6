// A .prof file as the single-profile import takes it in, one part of its
// profile at a time: the input's first two bytes pick the part, the rest is
// the file's bytes. The part is loaded and range-checked, saved over the file and
// reloaded unchanged, and a second save of what was reloaded changes no byte.
#include "fuzz/FuzzSupport.h"
#include "storage/ConfigStorage.h"
#include "storage/ProfileParts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    Sandbox::instance();
    if (size < 2)
        return 0;
    const int part = profilePartOf(data);
    const QByteArray bytes = Sandbox::bytes(data + 2, size - 2);
    const IniFile file(QStringLiteral("profile"), bytes);
    const QStringList groups{profileFileGroup()};
    // Once: the import's test of a profile file looks for the group the parts are read from.
    static const bool sameGroup = isProfileText('[' + profileFileGroup().toLatin1() + "]\nk=0\n");
    check(sameGroup, "the import looks for another group than the parts");
    const bool importable = file.hasGroups(groups);
    ProfileData loaded;
    readProfilePart(file, profileFileGroup(), part, loaded, LedPowerEntries::Included);
    // What an import refuses must still load without harm.
    checkProfile(loaded, importable ? "imported profile" : "refused profile");
    if (importable)
        roundTripProfilePart(file, groups, profileFileGroup(), part, loaded, LedPowerEntries::Included);
    return 0;
}
