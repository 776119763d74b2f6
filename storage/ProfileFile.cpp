#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/ProfileEntries.h"
#include "storage/ProfileLayout.h"
#include "storage/ProfileParts.h"
#include "storage/SafeName.h"
#include <QCryptographicHash>
#include <QDebug>
#include <QHash>
#include <QMutex>
#include <QDir>
#include <QFile>

namespace {

const QString kGroup = profileFileGroup();

// What the last save of each profile file left in it, so that saving the same
// profile over a file that still holds those bytes costs one read.
struct SavedProfile {
    ProfileData profile;
    QByteArray fingerprint;
};
QMutex g_savedMutex;
QHash<QString, SavedProfile> g_saved;

QByteArray fingerprintOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

bool holdsSavedProfile(const QString &path, const ProfileData &profile, const QByteArray &bytes)
{
    QByteArray fingerprint;
    {
        const QMutexLocker locker(&g_savedMutex);
        const auto it = g_saved.constFind(path);
        if (it == g_saved.constEnd() || !sameProfileEntries(it->profile, profile))
            return false;
        fingerprint = it->fingerprint;
    }
    return fingerprintOf(bytes) == fingerprint;
}

void rememberSave(const QString &path, const ProfileData &profile, const IniWriter *written)
{
    const QMutexLocker locker(&g_savedMutex);
    if (written)
        g_saved.insert(path, {profile, fingerprintOf(written->committedBytes())});
    else
        g_saved.remove(path);
}

bool refuseName(const QString &name, const char *operation)
{
    const QString problem = fileNameProblem(name);
    if (problem.isEmpty())
        return false;
    qWarning().noquote() << operation << "refused profile name" << name << "-" << problem;
    return true;
}

} // namespace

QString profileDir()
{
    return configDir() + QStringLiteral("/Profile");
}

QString profileFilePath(const QString &name)
{
    return profileDir() + QLatin1Char('/') + name + QStringLiteral(".prof");
}

QString defaultProfileFilePath()
{
    return profileFilePath(QStringLiteral("DefaultProfile"));
}

int loadProfile(ProfileData &profile, const QString &path)
{
    // A file the program wrote is read entry by entry, without an index of its keys.
    const ProfileLayout &layout = ProfileLayout::of(LedPowerEntries::Included);
    QByteArray bytes;
    if (readIniBytes(path, bytes) && layout.readGroup(bytes, kGroup, profile, path))
        return 0;
    const IniFile ini(path);
    const bool present = ini.exists();
    readProfileEntries(ini, kGroup, profile, LedPowerEntries::Included);
    return present ? 0 : -1;
}

bool isProfileText(const QByteArray &bytes)
{
    return IniFile(QStringLiteral("profile"), bytes).hasGroups({kGroup});
}

void readProfileText(ProfileData &profile, const QByteArray &bytes)
{
    if (ProfileLayout::of(LedPowerEntries::Included).readGroup(bytes, kGroup, profile, QStringLiteral("profile")))
        return;
    readProfileEntries(IniFile(QStringLiteral("profile"), bytes), kGroup, profile, LedPowerEntries::Included);
}

QByteArray profileText(const ProfileData &profile, const QByteArray &previous)
{
    // A file of nothing but the profile's own entries is written straight from
    // the record; one that also holds other entries keeps them through a merge.
    const ProfileLayout &layout = ProfileLayout::of(LedPowerEntries::Included);
    if (previous.isEmpty() || layout.holdsOnlyGroup(previous, kGroup))
        return layout.groupText(kGroup, profile);
    IniText text(previous);
    writeProfileEntries(text, kGroup, profile, LedPowerEntries::Included);
    return text.toBytes();
}

namespace {

// True when the file already holds what a save of profile writes; then it
// takes neither the file's lock nor its sync.
// What a save of profile over the file read without its lock finds: true when
// the file already holds it (then it takes neither the file's lock nor its
// sync), else what it read and would write, in `found` and `text`.
bool holdsProfile(const QString &path, const ProfileData &profile, QByteArray &found, QByteArray &text)
{
    if (!readUnlockedBytes(path, found))
        return false;
    if (holdsSavedProfile(path, profile, found))
        return true;
    text = profileText(profile, found);
    if (text != found)
        return false;
    const QMutexLocker locker(&g_savedMutex);
    g_saved.insert(path, {profile, fingerprintOf(found)});
    return true;
}

} // namespace

bool saveProfile(const ProfileData &profile, const QString &path)
{
    QByteArray found;
    QByteArray text;
    if (holdsProfile(path, profile, found, text))
        return true;
    IniWriter ini(path, IniStart::Deferred);
    if (holdsSavedProfile(path, profile, ini.targetBytes()))
        return ini.keepTarget();
    // The file as read before the lock was taken is most likely the file still.
    const bool unchanged = !text.isEmpty() && ini.targetBytes() == found;
    const bool saved = ini.commitBytes(unchanged ? text : profileText(profile, ini.targetBytes()));
    rememberSave(path, profile, saved ? &ini : nullptr);
    return saved;
}

int loadProfileByName(ProfileData &profile, const QString &name)
{
    if (refuseName(name, "Loading"))
        return -1;
    return loadProfile(profile, profileFilePath(name));
}

bool saveProfileByName(const ProfileData &profile, const QString &name)
{
    if (refuseName(name, "Saving"))
        return false;
    return saveProfile(profile, profileFilePath(name));
}

bool saveProfileDpi(const QString &name, int stage)
{
    if (refuseName(name, "Saving the DPI stage of"))
        return false;
    // A one-entry file would later read as a profile of zeros.
    if (!QFile::exists(profileFilePath(name))) {
        qWarning().noquote() << "No profile file to store the DPI stage in:" << profileFilePath(name);
        return false;
    }
    IniWriter ini(profileFilePath(name));
    ini->setValue(QStringLiteral("PROFILE/dpi"), stage);
    return ini.commit();
}

bool renameMacroInProfileFiles(const QString &oldName, const QString &newName)
{
    bool ok = true;
    const QDir dir(profileDir());
    for (const QString &file : dir.entryList({QStringLiteral("*.prof")}, QDir::Files)) {
        const QString path = dir.filePath(file);
        QList<int> used;
        {
            const IniFile ini(path);
            for (int i = 0; i < BUTTON_SLOT_COUNT; ++i) {
                const int fun = ini.intValue(buttonEntryKey(kGroup, i, "_Fun"));
                if ((fun == FunMacro || fun == FunGunFile)
                    && ini.stringValue(buttonEntryKey(kGroup, i, "_macroname")) == oldName)
                    used << i;
            }
        }
        if (used.isEmpty())
            continue;
        IniWriter ini(path);
        for (int i : used)
            ini->setValue(buttonEntryKey(kGroup, i, "_macroname"), newName);
        ok = ini.commit() && ok;
    }
    return ok;
}

bool isProfileFile(const QString &path)
{
    return IniFile(path).hasGroups({kGroup});
}

bool writeDefaultProfileFile()
{
    ProfileData profile;
    makeDefaultProfile(profile);
    return saveProfile(profile, defaultProfileFilePath());
}
