// A .prof file as the single-profile import takes it in, on its bytes in
// memory: checked, loaded, saved over itself and reloaded unchanged, and a
// second save of what was reloaded changes no byte.
#include "fuzz/FuzzSupport.h"
#include "storage/ConfigStorage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    Sandbox::instance();
    const QByteArray bytes = Sandbox::bytes(data, size);
    mouseNameText(bytes);
    ProfileData loaded;
    readProfileText(loaded, bytes);
    if (!isProfileText(bytes)) {
        // What an import refuses must still load without harm.
        checkProfile(loaded, "refused profile");
        return 0;
    }
    checkProfile(loaded, "imported profile");
    const QByteArray saved = profileText(loaded, bytes);
    check(isProfileText(saved), "saved profile is no profile file");
    ProfileData again;
    readProfileText(again, saved);
    QString difference;
    check(sameProfile(loaded, again, true, &difference), "profile changed by a save", difference);
    check(profileText(again, saved) == saved, "a second save changed the file");
    return 0;
}
