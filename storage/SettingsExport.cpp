#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/ProfileEntries.h"
#include "storage/ProfileLayout.h"
#include "storage/ProfileParts.h"
#include <QDebug>
#include <algorithm>
#include <iterator>

namespace {

const QString kMouseNameKey = QStringLiteral("MouseName/Name");

QString profileNameKey(int slot)
{
    return QStringLiteral("Config/Profile%1").arg(slot + 1);
}

void writeGroup(IniWriter &ini, int slot, const ProfileData &profile)
{
    writeProfileEntries(ini.settings(), settingsExportGroup(slot), profile, LedPowerEntries::Left);
}

void readGroup(const IniFile &ini, int slot, ProfileData &profile)
{
    readProfileEntries(ini, settingsExportGroup(slot), profile, LedPowerEntries::Left);
}

bool isSlot(int slot)
{
    if (slot >= 0 && slot < PROFILE_COUNT)
        return true;
    qWarning() << "No profile slot" << slot << "in a settings export";
    return false;
}

} // namespace

bool exportProfileGroup(int slot, const ProfileData &profile, const QString &path)
{
    if (!isSlot(slot))
        return false;
    IniWriter ini(path);
    writeGroup(ini, slot, profile);
    return ini.commit();
}

int importProfileGroup(int slot, ProfileData &profile, const QString &path)
{
    if (!isSlot(slot))
        return -1;
    const IniFile ini(path);
    if (!ini.exists())
        return -1;
    readGroup(ini, slot, profile);
    return 0;
}

bool exportSettings(const MouseSettings &settings, const QString &path)
{
    // Written afresh: whatever the replaced file held is not carried over.
    IniWriter ini(path, IniStart::Empty);
    IniText head;
    head.setValue(kMouseNameKey, currentProductName());
    for (const SettingField<MouseSettings> &field : configFields())
        writeConfigEntry(head, field, settings);
    for (int i = 0; i < PROFILE_COUNT; ++i)
        head.setValue(profileNameKey(i), settings.profileNames[i]);
    // [Config] and [MouseName] sort before the profile groups, which are
    // written straight from the records.
    QByteArray bytes = head.toBytes();
    const ProfileLayout &layout = ProfileLayout::of(LedPowerEntries::Left);
    for (int i = 0; i < PROFILE_COUNT; ++i)
        bytes += '\n' + layout.groupText(settingsExportGroup(i), settings.profiles[i]);
    // One write for the whole file rather than one per group.
    return ini.commitBytes(bytes);
}

namespace {

// `profiles`, when given, replace the profile groups of ini.
void importFrom(const IniFile &ini, MouseSettings &settings, QList<int> *renamedSlots,
                const ProfileData *profiles = nullptr)
{
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (profiles)
            settings.profiles[i] = profiles[i];
        else
            readGroup(ini, i, settings.profiles[i]);
    }
    importSettingsConfig(ini, settings, renamedSlots);
}

// An export whose profile groups each hold exactly their entries, as the
// program writes them, has those read entry by entry and only the rest of
// the file parsed. False, with nothing changed, for any other bytes.
bool importWrittenExport(MouseSettings &settings, const QByteArray &bytes, const QString &name,
                         QList<int> *renamedSlots)
{
    const std::vector<int> starts = IniText::sectionStarts(bytes);
    const ProfileLayout &layout = ProfileLayout::of(LedPowerEntries::Left);
    ProfileData profiles[PROFILE_COUNT];
    bool read[PROFILE_COUNT] = {};
    QByteArray rest = bytes.left(starts.empty() ? bytes.size() : starts.front());
    for (size_t k = 0; k < starts.size(); ++k) {
        const int end = k + 1 < starts.size() ? starts[k + 1] : bytes.size();
        const QByteArray section = bytes.mid(starts[k], end - starts[k]);
        int slot = 0;
        while (slot < PROFILE_COUNT && !section.startsWith('[' + settingsExportGroup(slot).toLatin1() + ']'))
            ++slot;
        if (slot == PROFILE_COUNT) {
            rest += section;
            continue;
        }
        profiles[slot] = settings.profiles[slot];
        if (read[slot] || !layout.readGroup(section, settingsExportGroup(slot), profiles[slot], name))
            return false;
        read[slot] = true;
    }
    if (std::find(std::begin(read), std::end(read), false) != std::end(read))
        return false;
    // A header written otherwise ("[ PROFILE_0 ]") names the same group.
    const IniFile ini(name, rest);
    const QStringList groups = ini.settings().childGroups();
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        if (groups.contains(settingsExportGroup(i)))
            return false;
    }
    importFrom(ini, settings, renamedSlots, profiles);
    return true;
}

} // namespace

int importSettings(MouseSettings &settings, const QString &path, QList<int> *renamedSlots)
{
    QByteArray bytes;
    if (readIniBytes(path, bytes) && importWrittenExport(settings, bytes, path, renamedSlots))
        return 0;
    const IniFile ini(path);
    if (!ini.exists()) {
        qWarning().noquote() << "Settings file to import does not exist:" << path;
        return -1;
    }
    importFrom(ini, settings, renamedSlots);
    return 0;
}

void importSettingsText(MouseSettings &settings, const QByteArray &bytes, QList<int> *renamedSlots)
{
    if (importWrittenExport(settings, bytes, QStringLiteral("settings export"), renamedSlots))
        return;
    importFrom(IniFile(QStringLiteral("settings export"), bytes), settings, renamedSlots);
}

bool isSettingsExport(const QString &path)
{
    return IniFile(path).hasGroups(settingsExportGroups());
}

bool isSettingsExportText(const QByteArray &bytes)
{
    return IniFile(QStringLiteral("settings export"), bytes).hasGroups(settingsExportGroups());
}

QByteArray exportProfileGroupText(int slot, const ProfileData &profile, const QByteArray &previous)
{
    IniText text(previous);
    writeProfileEntries(text, settingsExportGroup(slot), profile, LedPowerEntries::Left);
    return text.toBytes();
}

void importProfileGroupText(int slot, ProfileData &profile, const QByteArray &bytes)
{
    readGroup(IniFile(QStringLiteral("settings export"), bytes), slot, profile);
}

QString mouseNameText(const QByteArray &bytes)
{
    return IniFile(QStringLiteral("settings export"), bytes).stringValue(kMouseNameKey);
}

bool writeMouseName(const QString &name, const QString &path)
{
    IniWriter ini(path);
    ini->setValue(kMouseNameKey, name);
    return ini.commit();
}

QString readMouseName(const QString &path)
{
    return IniFile(path).stringValue(kMouseNameKey);
}
