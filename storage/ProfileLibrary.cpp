#include "storage/ProfileLibrary.h"
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/SafeName.h"
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <algorithm>

namespace {

const QString kListGroup = QStringLiteral("PROFILE_LIST");
const QString kCountKey = QStringLiteral("PROFILE_LIST/Count");
const QString kTemplateName = QStringLiteral("DefaultProfile");

// The window shows these texts; its translations hold them under its context.
QString tr(const char *text)
{
    return QCoreApplication::translate("MousecfgWidget", text);
}

// The numbered entries 1..count present in the file, in list order. Only keys
// that exist are visited, so a hostile Count costs nothing.
QList<int> listEntryNumbers(const IniFile &ini, int count)
{
    QList<int> numbers;
    const QString prefix = kListGroup + QLatin1Char('/');
    for (const QString &key : ini.settings().allKeys()) {
        if (!key.startsWith(prefix))
            continue;
        bool ok = false;
        const int number = key.mid(prefix.size()).toInt(&ok);
        if (ok && number >= 1 && number <= count)
            numbers << number;
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

} // namespace

QStringList loadProfileFileList(const MouseSettings &settings)
{
    QStringList names;
    const IniFile ini(productConfigFilePath());
    if (!ini.settings().contains(kCountKey)) {
        // Never written for this product: the library starts with the slots' profiles.
        for (const QString &name : settings.profileNames) {
            if (isSafeFileName(name) && name != kTemplateName && !names.contains(name))
                names << name;
        }
        return names;
    }
    const int count = ini.intValue(kCountKey);
    for (int number : listEntryNumbers(ini, count)) {
        const QString name = ini.stringValue(kListGroup + QStringLiteral("/%1").arg(number));
        if (!isSafeFileName(name) || name == kTemplateName || names.contains(name)) {
            qWarning().noquote() << "Skipping saved-profile entry" << number << "=" << name << "in" << ini.path();
            continue;
        }
        if (names.size() == MAX_PROFILE_FILES) {
            qWarning().noquote() << "The saved-profile list in" << ini.path() << "holds more than"
                                 << MAX_PROFILE_FILES << "names; the rest are left out";
            break;
        }
        names << name;
    }
    return names;
}

bool saveProfileFileList(const QStringList &names)
{
    IniWriter ini(productConfigFilePath());
    ini->remove(kListGroup); // entries beyond the new count must not linger
    ini->setValue(kCountKey, names.size());
    for (int i = 0; i < names.size(); ++i)
        ini->setValue(kListGroup + QStringLiteral("/%1").arg(i + 1), names[i]);
    return ini.commit();
}

bool isDefaultName(const QString &name)
{
    for (int i = 1; i <= PROFILE_COUNT; ++i) {
        if (name == QStringLiteral("Profile %1").arg(i))
            return true;
    }
    return false;
}

bool isProtectedProfileName(const QString &name)
{
    return isDefaultName(name) || name == kTemplateName;
}

// A slot's file may not have been written yet; two slots sharing one file
// would overwrite each other.
bool isProfileNameTaken(const QString &name, const MouseSettings &settings, const QStringList &library)
{
    if (QFile::exists(profileFilePath(name)) || library.contains(name))
        return true;
    return std::find(std::begin(settings.profileNames), std::end(settings.profileNames), name)
        != std::end(settings.profileNames);
}

QString profileNameRefusal(const QString &name)
{
    QString problem = fileNameProblem(name);
    if (problem.isEmpty() && name == kTemplateName)
        problem = tr("\"DefaultProfile\" is reserved for the factory settings.");
    if (problem.isEmpty())
        return QString();
    return tr("This name cannot be used for a profile: %1").arg(problem);
}

ProfileRenameResult renameSlotProfile(MouseSettings &settings, int slot, const QString &newName,
                                      QStringList &library)
{
    if (slot < 0 || slot >= PROFILE_COUNT)
        return {false, {tr("There is no profile slot %1.").arg(slot + 1)}};
    const QString oldName = settings.profileNames[slot];
    if (isProtectedProfileName(oldName))
        return {false, {tr("The default Profile cannot be deleted or renamed.")}};
    const QString refusal = profileNameRefusal(newName);
    if (!refusal.isEmpty())
        return {false, {refusal}};
    if (isProfileNameTaken(newName, settings, library))
        return {false, {tr("Profile Exist!")}};
    // A slot that was never saved has no file to rename: write its settings instead.
    const bool moved = QFile::exists(profileFilePath(oldName))
                           ? QFile::rename(profileFilePath(oldName), profileFilePath(newName))
                           : saveProfile(settings.profiles[slot], profileFilePath(newName));
    if (!moved)
        return {false, {tr("The profile file could not be written in %1.").arg(profileDir())}};
    noteChangedFile();

    const int entry = library.indexOf(oldName);
    if (entry >= 0)
        library[entry] = newName;
    for (int j = 0; j < PROFILE_COUNT; ++j) {
        if (settings.profileNames[j] == oldName) {
            settings.profileNames[j] = newName;
            settings.profiles[j].profileName = newName;
        }
    }
    ProfileRenameResult result;
    if (entry >= 0 && !saveProfileFileList(library))
        result.messages << tr("The saved-profile list could not be saved in %1.").arg(productConfigFilePath());
    if (!saveProfileList(settings))
        result.messages << tr("The settings could not be saved in %1.").arg(configDir());
    result.ok = result.messages.isEmpty();
    return result;
}

ProfileRenameResult renameSlotProfile(MouseSettings &settings, int slot, const QString &newName)
{
    QStringList library = loadProfileFileList(settings);
    return renameSlotProfile(settings, slot, newName, library);
}

ProfileRenameResult nameSlotProfile(MouseSettings &settings, int slot, const QString &newName)
{
    QStringList library = loadProfileFileList(settings);
    if (slot < 0 || slot >= PROFILE_COUNT || !isProtectedProfileName(settings.profileNames[slot]))
        return renameSlotProfile(settings, slot, newName, library);
    // What Copy and then renaming the copy do in the window, in one step.
    if (const QString refusal = profileNameRefusal(newName); !refusal.isEmpty())
        return {false, {refusal}};
    if (isProfileNameTaken(newName, settings, library))
        return {false, {tr("Profile Exist!")}};
    if (library.size() >= MAX_PROFILE_FILES)
        return {false, {tr("The saved-profile list is full (%1 profiles). Delete a profile first.").arg(MAX_PROFILE_FILES)}};
    if (!saveProfile(settings.profiles[slot], profileFilePath(newName)))
        return {false, {tr("The profile file could not be written in %1.").arg(profileDir())}};
    library << newName;
    settings.profileNames[slot] = newName;
    settings.profiles[slot].profileName = newName;
    ProfileRenameResult result;
    if (!saveProfileFileList(library))
        result.messages << tr("The saved-profile list could not be saved in %1.").arg(productConfigFilePath());
    if (!saveProfileList(settings))
        result.messages << tr("The settings could not be saved in %1.").arg(configDir());
    result.ok = result.messages.isEmpty();
    return result;
}
