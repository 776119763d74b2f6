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

template <typename Owner, typename Entry, int Count, typename Visit>
void forEachEntry(const EntryTable<Owner, Entry, Count> &table, const QString &prefix, Visit visit)
{
    for (int i = 0; i < Count; ++i)
        visit(entryPrefix(prefix, table.stem, i), i);
}

} // namespace

void writeProfileEntries(IniText &ini, const QString &group, const ProfileData &p, LedPowerEntries ledPower)
{
    const QString prefix = group + QLatin1Char('/');
    for (const SettingField<ProfileData> &field : profileFields()) {
        if (writtenHere(field, ledPower))
            ini.setValue(prefix + QLatin1String(field.key), fieldFileValue(field, p));
    }
    const auto &stages = dpiStageFields();
    forEachEntry(stages, prefix, [&](const QString &key, int i) { writeFields(ini, key, stages.fields, stages.at(p, i)); });
    const auto &buttons = buttonFields();
    const auto &events = keyInfoFields();
    forEachEntry(buttons, prefix, [&](const QString &key, int i) {
        const ButtonInfo &button = buttons.at(p, i);
        writeFields(ini, key, buttons.fields, button);
        forEachEntry(events, key, [&](const QString &eventKey, int j) {
            writeFields(ini, eventKey, events.fields, events.at(button, j));
        });
    });
    const auto &leds = ledModeFields();
    forEachEntry(leds, prefix, [&](const QString &key, int i) { writeFields(ini, key, leds.fields, leds.at(p, i)); });
}

void readProfileEntries(const IniFile &ini, const QString &group, ProfileData &p, LedPowerEntries ledPower)
{
    const QString prefix = group + QLatin1Char('/');
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
    const auto &stages = dpiStageFields();
    forEachEntry(stages, prefix, [&](const QString &key, int i) { readFields(ini, key, stages.fields, stages.at(p, i)); });
    const auto &buttons = buttonFields();
    const auto &events = keyInfoFields();
    forEachEntry(buttons, prefix, [&](const QString &key, int i) {
        ButtonInfo &button = buttons.at(p, i);
        readFields(ini, key, buttons.fields, button);
        forEachEntry(events, key, [&](const QString &eventKey, int j) {
            readFields(ini, eventKey, events.fields, events.at(button, j));
        });
    });
    const auto &leds = ledModeFields();
    forEachEntry(leds, prefix, [&](const QString &key, int i) { readFields(ini, key, leds.fields, leds.at(p, i)); });
}

namespace {

template <typename Record>
bool sameFields(const FieldTable<Record> &fields, const Record &a, const Record &b)
{
    return std::none_of(fields.begin(), fields.end(), [&](const SettingField<Record> &f) { return f.differs(a, b); });
}

template <typename Owner, typename Entry, int Count, typename Same>
bool sameEntries(const EntryTable<Owner, Entry, Count> &table, const Owner &a, const Owner &b, Same same)
{
    for (int i = 0; i < Count; ++i) {
        if (!same(table.at(a, i), table.at(b, i)))
            return false;
    }
    return true;
}

} // namespace

bool sameProfileEntries(const ProfileData &a, const ProfileData &b)
{
    const auto &events = keyInfoFields();
    const auto &buttons = buttonFields();
    return sameFields(profileFields(), a, b)
           && sameEntries(dpiStageFields(), a, b,
                          [](const DpiStage &x, const DpiStage &y) { return sameFields(dpiStageFields().fields, x, y); })
           && sameEntries(buttons, a, b,
                          [&](const ButtonInfo &x, const ButtonInfo &y) {
                              return sameFields(buttons.fields, x, y)
                                     && sameEntries(events, x, y, [&](const KeyInfo &u, const KeyInfo &v) {
                                            return sameFields(events.fields, u, v);
                                        });
                          })
           && sameEntries(ledModeFields(), a, b, [](const LedModeSetting &x, const LedModeSetting &y) {
                  return sameFields(ledModeFields().fields, x, y);
              });
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
