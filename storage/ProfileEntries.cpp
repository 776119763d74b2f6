#include "storage/ProfileEntries.h"
#include <QDebug>
#include <algorithm>

namespace {

const QString kConfigPrefix = QStringLiteral("Config/");

// "<prefix><stem><index>": the key space of one table entry, named without a
// format parser as a profile has thousands of entries named on every save and load.
QString entryPrefix(const QString &prefix, const char *stem, int index)
{
    return prefix + QLatin1String(stem) + QString::number(index);
}

bool writtenHere(const SettingField<ProfileData> &field, LedPowerEntries ledPower)
{
    return ledPower == LedPowerEntries::Included || !field.installationOnly;
}

template <typename Record>
void writeFields(IniText &ini, const QString &prefix, const FieldTable<Record> &fields, const Record &record)
{
    for (const SettingField<Record> &field : fields)
        ini.setValue(prefix + QLatin1String(field.key), fieldFileValue(field, record));
}

// False, with the member left as it was and the value in *rejected, for an
// index beyond its table.
template <typename Record>
bool readField(const IniFile &ini, const QString &key, const SettingField<Record> &field, Record &record,
               long long *rejected = nullptr)
{
    long long value = 0;
    switch (field.kind) {
    case FieldKind::Text:
        record.*field.member.text = ini.stringValue(key);
        return true;
    case FieldKind::Colour:
        record.*field.member.colour = ini.colorValue(key);
        return true;
    case FieldKind::Byte:
        value = ini.byteValue(key, uint8_t(field.absent));
        break;
    case FieldKind::Int:
        value = ini.intValue(key, field.absent);
        break;
    case FieldKind::Uint:
        value = ini.uintValue(key, uint(field.absent));
        break;
    case FieldKind::SignedAsUint:
        value = int32_t(ini.uintValue(key, uint(field.absent)));
        break;
    }
    if (field.indexCount > 0 && (value < 0 || value >= field.indexCount)) {
        if (rejected)
            *rejected = value;
        return false;
    }
    field.member.setNumber(record, value);
    return true;
}

template <typename Record>
void readFields(const IniFile &ini, const QString &prefix, const FieldTable<Record> &fields, Record &record)
{
    for (const SettingField<Record> &field : fields)
        readField(ini, prefix + QLatin1String(field.key), field, record);
}

template <typename Owner, typename Entry, int Count>
QString entryKey(const EntryTable<Owner, Entry, Count> &table, const QString &prefix, int i)
{
    return entryPrefix(prefix, table.stem, i);
}

// A part's place in its table: the parts are the profile's own fields, then
// the DPI stages, each button's own fields followed by its runs of key
// events, and the LED modes.
enum class PartKind { Own, Stage, Button, Events, Led };
struct Part {
    PartKind kind;
    int index;
    int run = 0; // of a button's key events
};
constexpr int kButtonParts = 1 + KEY_INFO_COUNT / KEY_INFO_RUN;
static_assert(KEY_INFO_COUNT % KEY_INFO_RUN == 0, "key events split into whole runs");
struct PartSpan {
    PartKind kind;
    int count;
};
constexpr PartSpan kPartSpans[] = {
    {PartKind::Own, 1},
    {PartKind::Stage, DPI_STAGE_COUNT},
    {PartKind::Button, BUTTON_SLOT_COUNT * kButtonParts},
    {PartKind::Led, LED_MODE_COUNT},
};

Part partAt(int part)
{
    for (const PartSpan &span : kPartSpans) {
        if (part >= span.count) {
            part -= span.count;
            continue;
        }
        if (span.kind != PartKind::Button)
            return {span.kind, part};
        const int piece = part % kButtonParts; // 0: the button's own fields
        if (piece == 0)
            return {PartKind::Button, part / kButtonParts};
        return {PartKind::Events, part / kButtonParts, piece - 1};
    }
    qFatal("No profile part %d", part);
}

// Calls visit(key, fields, record) for each record of a table's part (the
// profile's own fields are none): key is the record's key prefix.
template <typename Profile, typename Visit>
void forEachRecord(const QString &prefix, Part part, Profile &p, Visit &&visit)
{
    const int i = part.index;
    switch (part.kind) {
    case PartKind::Own:
        return;
    case PartKind::Stage:
        visit(entryKey(dpiStageFields(), prefix, i), dpiStageFields().fields, dpiStageFields().at(p, i));
        return;
    case PartKind::Button:
        visit(entryKey(buttonFields(), prefix, i), buttonFields().fields, buttonFields().at(p, i));
        return;
    case PartKind::Events: {
        const auto &events = keyInfoFields();
        auto &button = buttonFields().at(p, i);
        const QString key = entryKey(buttonFields(), prefix, i);
        for (int j = part.run * KEY_INFO_RUN; j < (part.run + 1) * KEY_INFO_RUN; ++j)
            visit(entryKey(events, key, j), events.fields, events.at(button, j));
        return;
    }
    case PartKind::Led:
        visit(entryKey(ledModeFields(), prefix, i), ledModeFields().fields, ledModeFields().at(p, i));
        return;
    }
}

void writePart(IniText &ini, const QString &prefix, Part part, const ProfileData &p, LedPowerEntries ledPower)
{
    if (part.kind == PartKind::Own) {
        for (const SettingField<ProfileData> &field : profileFields()) {
            if (writtenHere(field, ledPower))
                ini.setValue(prefix + QLatin1String(field.key), fieldFileValue(field, p));
        }
    }
    forEachRecord(prefix, part, p, [&](const QString &key, const auto &fields, const auto &record) {
        writeFields(ini, key, fields, record);
    });
}

void readPart(const IniFile &ini, const QString &prefix, Part part, ProfileData &p, LedPowerEntries ledPower)
{
    if (part.kind == PartKind::Own) {
        for (const SettingField<ProfileData> &field : profileFields()) {
            if (!writtenHere(field, ledPower))
                continue;
            long long rejected = 0;
            if (!readField(ini, prefix + QLatin1String(field.key), field, p, &rejected)) {
                // An index field read from a file must stay inside the table it selects.
                qWarning().noquote() << "Profile entry" << field.key << "=" << rejected << "is out of range in"
                                     << ini.path() << "- using" << field.absent;
                field.member.setNumber(p, field.absent);
            }
        }
    }
    forEachRecord(prefix, part, p, [&](const QString &key, const auto &fields, auto &record) {
        readFields(ini, key, fields, record);
    });
}

template <typename Record>
bool sameFields(const FieldTable<Record> &fields, const Record &a, const Record &b)
{
    return std::none_of(fields.begin(), fields.end(), [&](const SettingField<Record> &f) { return f.differs(a, b); });
}

template <typename Owner, typename Entry, int Count>
bool sameEntry(const EntryTable<Owner, Entry, Count> &table, const Owner &a, const Owner &b, int i)
{
    return sameFields(table.fields, table.at(a, i), table.at(b, i));
}

bool samePart(const ProfileData &a, const ProfileData &b, Part part)
{
    const int i = part.index;
    switch (part.kind) {
    case PartKind::Own:
        return sameFields(profileFields(), a, b);
    case PartKind::Stage:
        return sameEntry(dpiStageFields(), a, b, i);
    case PartKind::Button:
        return sameEntry(buttonFields(), a, b, i);
    case PartKind::Events: {
        const ButtonInfo &x = buttonFields().at(a, i);
        const ButtonInfo &y = buttonFields().at(b, i);
        for (int j = part.run * KEY_INFO_RUN; j < (part.run + 1) * KEY_INFO_RUN; ++j) {
            if (!sameEntry(keyInfoFields(), x, y, j))
                return false;
        }
        return true;
    }
    case PartKind::Led:
        return sameEntry(ledModeFields(), a, b, i);
    }
    return false;
}

} // namespace

void writeProfilePart(IniText &ini, const QString &group, int part, const ProfileData &profile,
                      LedPowerEntries ledPower)
{
    writePart(ini, group + QLatin1Char('/'), partAt(part), profile, ledPower);
}

void readProfilePart(const IniFile &ini, const QString &group, int part, ProfileData &profile,
                     LedPowerEntries ledPower)
{
    readPart(ini, group + QLatin1Char('/'), partAt(part), profile, ledPower);
}

bool sameProfilePart(const ProfileData &a, const ProfileData &b, int part)
{
    return samePart(a, b, partAt(part));
}

void writeProfileEntries(IniText &ini, const QString &group, const ProfileData &profile, LedPowerEntries ledPower)
{
    const QString prefix = group + QLatin1Char('/');
    for (int part = 0; part < PROFILE_PART_COUNT; ++part)
        writePart(ini, prefix, partAt(part), profile, ledPower);
}

void readProfileEntries(const IniFile &ini, const QString &group, ProfileData &profile, LedPowerEntries ledPower)
{
    const QString prefix = group + QLatin1Char('/');
    for (int part = 0; part < PROFILE_PART_COUNT; ++part)
        readPart(ini, prefix, partAt(part), profile, ledPower);
}

bool sameProfileEntries(const ProfileData &a, const ProfileData &b)
{
    for (int part = 0; part < PROFILE_PART_COUNT; ++part) {
        if (!samePart(a, b, partAt(part)))
            return false;
    }
    return true;
}

QString buttonEntryKey(const QString &group, int slot, const char *tail)
{
    return entryPrefix(group + QLatin1Char('/'), buttonFields().stem, slot) + QLatin1String(tail);
}

QString configEntryKey(const SettingField<MouseSettings> &field)
{
    return kConfigPrefix + QLatin1String(field.key);
}

void writeConfigEntry(IniText &ini, const SettingField<MouseSettings> &field, const MouseSettings &settings)
{
    ini.setValue(configEntryKey(field), fieldFileValue(field, settings));
}

bool readConfigEntry(const IniFile &ini, const SettingField<MouseSettings> &field, MouseSettings &settings,
                     long long *rejected)
{
    return readField(ini, configEntryKey(field), field, settings, rejected);
}
