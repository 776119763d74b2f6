// A .prof file taken in through the single-profile import: checked, copied
// into the profile folder, loaded, saved again and reloaded unchanged.
#include "fuzz/FuzzSupport.h"
#include "storage/ConfigStorage.h"
#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace fuzz;
    Sandbox &box = Sandbox::instance();
    box.reset();
    const QString source = box.importDir() + QStringLiteral("/Imported.prof");
    Sandbox::writeFile(source, Sandbox::bytes(data, size));
    box.watchOutside();

    readMouseName(source);
    if (isProfileFile(source)) {
        const QString name = QStringLiteral("Imported");
        QDir().mkpath(profileDir());
        check(QFile::copy(source, profileFilePath(name)), "copy into the profile folder");
        ProfileData loaded;
        check(loadProfileByName(loaded, name) == 0, "load of the imported profile");
        checkProfile(loaded, "imported profile");
        check(saveProfileByName(loaded, name), "save of the imported profile");
        ProfileData again;
        check(loadProfileByName(again, name) == 0, "reload of the imported profile");
        QString difference;
        check(sameProfile(loaded, again, true, &difference), "profile changed by a save", difference);
    } else {
        // What an import refuses must still load without harm.
        ProfileData direct;
        loadProfile(direct, source);
        checkProfile(direct, "refused profile");
    }
    box.checkOutside();
    return 0;
}
