#include "tools/mousectl/SettingKeys.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/SettingFields.h"
#include "tools/mousectl/ButtonSettingKeys.h"
#include "model/LightingEffects.h"
#include "model/RateTable.h"
#include "model/SensorRanges.h"
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>

namespace {

QString range(int min, int max)
{
    return QStringLiteral("%1-%2").arg(min).arg(max);
}

bool readInteger(const QString &text, int min, int max, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok && value >= min && value <= max;
}

struct SwitchWord {
    const char *word;
    bool on;
};
constexpr SwitchWord kSwitchWords[] = {{"on", true},  {"off", false}, {"yes", true}, {"no", false},
                                       {"true", true}, {"false", false}, {"1", true}, {"0", false}};

bool readSwitch(const QString &text, bool &on)
{
    for (const SwitchWord &entry : kSwitchWords) {
        if (text.trimmed().compare(QLatin1String(entry.word), Qt::CaseInsensitive) == 0) {
            on = entry.on;
            return true;
        }
    }
    return false;
}

SettingKey rangeKey(const QString &name, const QString &summary, int min, int max,
                    std::function<QJsonValue(const MouseSettings &, int)> read,
                    std::function<void(SettingEdit &, int)> store)
{
    SettingKey key;
    key.name = name;
    key.summary = summary;
    key.details = QStringLiteral("A whole number from %1 to %2.").arg(min).arg(max);
    key.read = std::move(read);
    key.write = [name, min, max, store](SettingEdit &edit, const QString &text) {
        int value = 0;
        if (!readInteger(text, min, max, value))
            return QStringLiteral("bad value \"%1\" for %2 (use %3)").arg(text, name, range(min, max));
        store(edit, value);
        return QString();
    };
    return key;
}

SettingKey switchKey(const QString &name, const QString &summary, std::function<bool(const MouseSettings &, int)> read,
                     std::function<void(SettingEdit &, bool)> store)
{
    SettingKey key;
    key.name = name;
    key.summary = summary;
    key.details = QStringLiteral("on or off.");
    key.values = QStringList{QStringLiteral("on"), QStringLiteral("off")};
    key.read = [read](const MouseSettings &settings, int slot) { return QJsonValue(read(settings, slot)); };
    key.write = [name, store](SettingEdit &edit, const QString &text) {
        bool on = false;
        if (!readSwitch(text, on))
            return QStringLiteral("bad value \"%1\" for %2 (use on or off)").arg(text, name);
        store(edit, on);
        return QString();
    };
    return key;
}

// A key that takes one of a short list of words, in any case; unit may follow the word.
SettingKey choiceKey(const QString &name, const QString &summary, const QStringList &values,
                     std::function<QJsonValue(const MouseSettings &, int)> read,
                     std::function<void(SettingEdit &, int)> store, const QString &unit = QString())
{
    SettingKey key;
    key.name = name;
    key.summary = summary;
    key.values = values;
    key.details = QStringLiteral("One of: %1.").arg(values.join(QStringLiteral(", ")));
    key.read = std::move(read);
    key.write = [name, values, store, unit](SettingEdit &edit, const QString &text) {
        QString word = text.trimmed();
        if (!unit.isEmpty() && word.endsWith(unit, Qt::CaseInsensitive))
            word = word.chopped(unit.size()).trimmed();
        for (int i = 0; i < values.size(); ++i) {
            if (word.compare(values.at(i), Qt::CaseInsensitive) == 0) {
                store(edit, i);
                return QString();
            }
        }
        return QStringLiteral("bad value \"%1\" for %2 (use one of: %3)").arg(text, name, values.join(QStringLiteral(", ")));
    };
    return key;
}

// ---- keys of the settings table ------------------------------------------------

int rateHz(int pollrate)
{
    return pollrate > 0 ? 1000 / pollrate : 0;
}

QStringList rateValues()
{
    QStringList values;
    for (int i = 0; i < RATE_COUNT; ++i)
        values << QString::number(rateHz(rateEntries()[i].pollrate));
    return values;
}

QStringList effectNames()
{
    QStringList names;
    for (int i = 0; i < LIGHTING_MENU_COUNT; ++i)
        names << QLatin1String(lightingEffect(lightingMenuOrder()[i]).name);
    return names;
}

// Where a key reads and stores a numeric field of the record.
struct FieldAccess {
    std::function<long long(const MouseSettings &, int slot)> read;
    std::function<void(SettingEdit &, long long)> store;
};

// A key for a field as its value rule offers it; summary already filled in.
SettingKey ruleKey(const QString &name, const QString &summary, const ValueRule &rule, int indexCount,
                   const FieldAccess &access)
{
    const auto read = access.read;
    const auto store = access.store;
    switch (rule.values) {
    case FieldValues::Range: {
        SettingKey key = rangeKey(
            name, summary, rule.min, rule.max, [read](const MouseSettings &s, int slot) { return QJsonValue(qint64(read(s, slot))); },
            [store](SettingEdit &edit, int value) { store(edit, value); });
        // A range of two values is a short list.
        if (rule.max == rule.min + 1)
            key.values = QStringList{QString::number(rule.min), QString::number(rule.max)};
        return key;
    }
    case FieldValues::Switch:
    case FieldValues::AxisLink:
        return switchKey(
            name, summary, [read, rule](const MouseSettings &s, int slot) { return read(s, slot) == rule.on; },
            [store, rule](SettingEdit &edit, bool on) { store(edit, on ? rule.on : rule.off); });
    case FieldValues::StageNumber:
        return rangeKey(
            name, summary, 1, std::min(indexCount, shownDpiStageCount()),
            [read](const MouseSettings &s, int slot) { return QJsonValue(qint64(read(s, slot) + 1)); },
            [store](SettingEdit &edit, int number) { store(edit, number - 1); });
    case FieldValues::ReportRate:
        return choiceKey(
            name, summary, rateValues(),
            [read](const MouseSettings &s, int slot) { return QJsonValue(rateHz(int(read(s, slot)))); },
            [store](SettingEdit &edit, int index) { store(edit, rateEntries()[index].pollrate); }, QStringLiteral("hz"));
    case FieldValues::LightingEffect:
        return choiceKey(
            name, summary, effectNames(),
            [read](const MouseSettings &s, int slot) {
                return QJsonValue(QLatin1String(lightingEffect(int(read(s, slot))).name));
            },
            [store](SettingEdit &edit, int index) { store(edit, lightingMenuOrder()[index]); });
    default:
        break;
    }
    Q_UNREACHABLE();
}

// Replaces "N" in a family name by an entry number.
QString entryName(const char *family, int number)
{
    return QString::fromLatin1(family).replace(QLatin1Char('N'), QString::number(number));
}

SettingKey configKey(const SettingField<MouseSettings> &field)
{
    FieldAccess access;
    access.read = [&field](const MouseSettings &s, int) { return field.member.number(s); };
    access.store = [&field](SettingEdit &edit, long long value) { field.member.setNumber(edit.settings, value); };
    return ruleKey(QLatin1String(field.command), QLatin1String(field.summary), field.rule, field.indexCount, access);
}

// ---- DPI stages --------------------------------------------------------------

struct DpiScale {
    const SensorRange *range = nullptr;
    int sensor = 0;
};

DpiScale dpiScale()
{
    DpiScale scale;
    scale.sensor = mouseSensor();
    scale.range = sensorRange(scale.sensor, currentProductName());
    return scale;
}

// The raw stage value whose DPI is nearest; the lower one on a tie.
int nearestRaw(const DpiScale &scale, int dpi)
{
    return ::nearestRaw(*scale.range, scale.sensor, dpi);
}

// A stage's X or Y; on a stage with link on every axis of the stage moves with it.
SettingKey dpiAxisKey(int stage, const SettingField<DpiStage> &field, const DpiScale &scale)
{
    const auto &stages = dpiStageFields();
    const QString name = entryName(field.command, stage + 1);
    SettingKey key;
    key.name = name;
    key.summary = QString::fromLatin1(field.summary).arg(stage + 1);
    key.read = [stage, &field, scale](const MouseSettings &settings, int slot) {
        return QJsonValue(sensorDpi(int(field.member.number(settings.profiles[slot].dpiInfo[stage])), scale.sensor));
    };
    if (!scale.range) {
        key.details = QStringLiteral("This mouse's sensor (%1) has no known DPI range: it cannot be set.").arg(scale.sensor);
        key.write = [name, scale](SettingEdit &, const QString &) {
            return QStringLiteral("%1 cannot be set: the sensor %2 has no known DPI range").arg(name).arg(scale.sensor);
        };
        return key;
    }
    const int low = sensorDpi(scale.range->rawMin, scale.sensor);
    const int high = sensorDpi(scale.range->rawMax, scale.sensor);
    // A file from another sensor or a hand edit may hold what the sliders cannot show.
    key.rangeNote = [name, stage, &field, scale, low, high](const MouseSettings &settings, int slot) {
        const int raw = int(field.member.number(settings.profiles[slot].dpiInfo[stage]));
        if (raw >= scale.range->rawMin && raw <= scale.range->rawMax)
            return QString();
        return QStringLiteral("%1: the stored %2 DPI is outside the sensor's range %3")
            .arg(name)
            .arg(sensorDpi(raw, scale.sensor))
            .arg(range(low, high));
    };
    key.details = QStringLiteral("DPI from %1 to %2, rounded to the nearest value the sensor offers. "
                                 "On a stage with link on, X and Y move together.")
                      .arg(low)
                      .arg(high);
    key.write = [name, stage, &field, &stages, scale, low, high](SettingEdit &edit, const QString &text) {
        int dpi = 0;
        if (!readInteger(text, low, high, dpi))
            return QStringLiteral("bad value \"%1\" for %2 (use %3 DPI)").arg(text, name, range(low, high));
        const int raw = nearestRaw(scale, dpi);
        const int shown = sensorDpi(raw, scale.sensor);
        if (shown != dpi)
            edit.notes << QStringLiteral("%1: %2 DPI is %3 on this sensor").arg(name).arg(dpi).arg(shown);
        DpiStage &s = stages.at(edit.settings.profiles[edit.slot], stage);
        bool linked = false;
        for (const SettingField<DpiStage> &other : stages.fields)
            linked = linked || (other.rule.values == FieldValues::AxisLink && other.member.number(s) == other.rule.on);
        // A linked stage has one slider for both axes.
        for (const SettingField<DpiStage> &axis : stages.fields) {
            if (&axis == &field || (linked && axis.rule.values == FieldValues::SensorDpi))
                axis.member.setNumber(s, raw);
        }
        return QString();
    };
    return key;
}

SettingKey dpiStageKey(int stage, const SettingField<DpiStage> &field)
{
    FieldAccess access;
    access.read = [stage, &field](const MouseSettings &s, int slot) { return field.member.number(s.profiles[slot].dpiInfo[stage]); };
    access.store = [stage, &field](SettingEdit &edit, long long value) {
        field.member.setNumber(edit.settings.profiles[edit.slot].dpiInfo[stage], value);
    };
    return ruleKey(entryName(field.command, stage + 1), QString::fromLatin1(field.summary).arg(stage + 1), field.rule,
                   field.indexCount, access);
}

void addDpiStageKeys(QVector<SettingKey> &keys)
{
    const DpiScale scale = dpiScale();
    // The stages the DPI page shows for this model, no more.
    for (int stage = 0; stage < shownDpiStageCount(); ++stage) {
        for (const SettingField<DpiStage> &field : dpiStageFields().fields) {
            if (!field.command)
                continue;
            if (field.rule.values == FieldValues::SensorDpi)
                keys << dpiAxisKey(stage, field, scale);
            else if (field.rule.values != FieldValues::AxisLink || (scale.range && scale.range->linkShown))
                keys << dpiStageKey(stage, field);
        }
    }
}

// ---- lighting ----------------------------------------------------------------
// As on the lighting page: the effect belongs to the slot (to profile 0 on a
// single-lighting model); its colour, brightness and speed, the sleep time and
// move-off are read from profile 0 and written to the slot and to profile 0.

int effectIndex(int slot)
{
    // One model per run: read once.
    static const bool single = isSingleLightingModel(deviceListName());
    return single ? 0 : slot;
}

int effectMode(const MouseSettings &settings, int slot)
{
    const int mode = settings.profiles[effectIndex(slot)].ledMode;
    return mode < LED_MODE_COUNT ? mode : 0;
}

template <typename Store>
void storeLighting(SettingEdit &edit, Store store)
{
    store(edit.settings.profiles[edit.slot]);
    store(edit.settings.profiles[0]);
}

// The effects that show a control, for refusing a value the page would not offer.
QString effectsWith(bool LightingEffect::*control)
{
    QStringList names;
    for (int i = 0; i < LIGHTING_MENU_COUNT; ++i) {
        const LightingEffect &effect = lightingEffect(lightingMenuOrder()[i]);
        if (effect.*control)
            names << QLatin1String(effect.name);
    }
    return names.join(QStringLiteral(", "));
}

// Empty when the current effect offers the control.
QString effectRefusal(const SettingEdit &edit, const QString &name, bool LightingEffect::*control)
{
    const LightingEffect &effect = lightingEffect(effectMode(edit.settings, edit.slot));
    if (effect.*control)
        return QString();
    return QStringLiteral("%1: the effect \"%2\" has none (effects with one: %3)")
        .arg(name, QLatin1String(effect.name), effectsWith(control));
}

// The control of the effect that a lighting-table key sets.
struct EffectControl {
    const char *command;
    bool LightingEffect::*control;
};
constexpr EffectControl kEffectControls[] = {
    {"light.color", &LightingEffect::colour},
    {"light.brightness", &LightingEffect::brightness},
    {"light.speed", &LightingEffect::speed},
};

bool LightingEffect::*effectControl(const char *command)
{
    for (const EffectControl &entry : kEffectControls) {
        if (qstrcmp(entry.command, command) == 0)
            return entry.control;
    }
    return nullptr;
}

SettingKey colorKey(const SettingField<LedModeSetting> &field, bool LightingEffect::*control)
{
    const QString name = QLatin1String(field.command);
    SettingKey key;
    key.name = name;
    key.summary = QLatin1String(field.summary);
    key.details = QStringLiteral("#RRGGBB, for the effects with a colour: %1.").arg(effectsWith(control));
    key.read = [&field](const MouseSettings &settings, int slot) {
        const QColor colour = settings.profiles[0].ledModes[effectMode(settings, slot)].*field.member.colour;
        return QJsonValue(colour.isValid() ? colour.name() : QStringLiteral("none"));
    };
    key.write = [name, &field, control](SettingEdit &edit, const QString &text) {
        static const QRegularExpression form(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        if (!form.match(text.trimmed()).hasMatch())
            return QStringLiteral("bad value \"%1\" for %2 (use #RRGGBB, e.g. #ff8000)").arg(text, name);
        if (const QString refusal = effectRefusal(edit, name, control); !refusal.isEmpty())
            return refusal;
        const int mode = effectMode(edit.settings, edit.slot);
        storeLighting(edit, [&](ProfileData &p) { p.ledModes[mode].*field.member.colour = QColor(text.trimmed()); });
        return QString();
    };
    return key;
}

// As on the lighting page: of the current effect, read from profile 0 and
// stored in the slot and profile 0; refused for an effect without the control.
SettingKey effectLevelKey(const SettingField<LedModeSetting> &field)
{
    bool LightingEffect::*control = effectControl(field.command);
    if (field.rule.values == FieldValues::Colour)
        return colorKey(field, control);
    const QString name = QLatin1String(field.command);
    FieldAccess access;
    access.read = [&field](const MouseSettings &s, int slot) {
        return field.member.number(s.profiles[0].ledModes[effectMode(s, slot)]);
    };
    access.store = [&field](SettingEdit &edit, long long value) {
        const int mode = effectMode(edit.settings, edit.slot);
        storeLighting(edit, [&](ProfileData &p) { field.member.setNumber(p.ledModes[mode], value); });
    };
    SettingKey entry = ruleKey(name, QLatin1String(field.summary), field.rule, field.indexCount, access);
    if (!control)
        return entry;
    const auto inRange = entry.write;
    entry.write = [name, inRange, control](SettingEdit &edit, const QString &text) {
        const QString refusal = effectRefusal(edit, name, control);
        return refusal.isEmpty() ? inRange(edit, text) : refusal;
    };
    entry.details += QStringLiteral(" For the effects: %1.").arg(effectsWith(control));
    return entry;
}

SettingKey profileKey(const SettingField<ProfileData> &field)
{
    SentFrom from = SentFrom::EveryProfile;
    for (const FieldReport<ProfileData> &report : field.reports) {
        if (report.group & ChangeBasic)
            from = report.from;
    }
    FieldAccess access;
    switch (from) {
    case SentFrom::ActiveAndFirst:
        access.read = [&field](const MouseSettings &s, int) { return field.member.number(s.profiles[0]); };
        access.store = [&field](SettingEdit &edit, long long value) {
            storeLighting(edit, [&](ProfileData &p) { field.member.setNumber(p, value); });
        };
        break;
    case SentFrom::ActiveAndEffect:
        access.read = [&field](const MouseSettings &s, int slot) { return field.member.number(s.profiles[effectIndex(slot)]); };
        access.store = [&field](SettingEdit &edit, long long value) {
            field.member.setNumber(edit.settings.profiles[effectIndex(edit.slot)], value);
        };
        break;
    default:
        access.read = [&field](const MouseSettings &s, int slot) { return field.member.number(s.profiles[slot]); };
        access.store = [&field](SettingEdit &edit, long long value) {
            field.member.setNumber(edit.settings.profiles[edit.slot], value);
        };
        break;
    }
    return ruleKey(QLatin1String(field.command), QLatin1String(field.summary), field.rule, field.indexCount, access);
}

SettingKey nameKey()
{
    SettingKey key;
    key.name = QStringLiteral("name");
    key.summary = QStringLiteral("name of the slot's profile");
    key.details = QStringLiteral("A new name renames the slot's profile file, as renaming it in the window does. "
                                 "A slot under a default name (Profile 1-5) gets a profile file of its own under "
                                 "the new name instead. Names already in use and names that cannot be file names "
                                 "are refused.");
    key.read = [](const MouseSettings &settings, int slot) { return QJsonValue(settings.profileNames[slot]); };
    key.write = [](SettingEdit &edit, const QString &text) {
        edit.newName = text.trimmed();
        return QString();
    };
    return key;
}

QVector<SettingKey> buildKeys()
{
    QVector<SettingKey> keys;
    keys << nameKey();
    for (const SettingField<ProfileData> &field : profileFields()) {
        if (field.command)
            keys << profileKey(field);
    }
    for (const SettingField<MouseSettings> &field : configFields()) {
        if (field.command)
            keys << configKey(field);
    }
    addDpiStageKeys(keys);
    for (const SettingField<LedModeSetting> &field : ledModeFields().fields) {
        if (field.command)
            keys << effectLevelKey(field);
    }
    addButtonKeys(keys);
    return keys;
}

} // namespace

const QVector<SettingKey> &settingKeys()
{
    // Built once per run, after the application folder is known.
    static const QVector<SettingKey> keys = buildKeys();
    return keys;
}

const SettingKey *findSettingKey(const QString &name)
{
    for (const SettingKey &key : settingKeys()) {
        if (key.name == name)
            return &key;
    }
    return nullptr;
}

QString settingKeyFamilies()
{
    // Every key, its entry numbers written as N.
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QStringList families;
    for (const SettingKey &key : settingKeys()) {
        const QString family = QString(key.name).replace(number, QStringLiteral("N"));
        if (!families.contains(family))
            families << family;
    }
    return families.join(QStringLiteral(", ")) + QStringLiteral("; mousectl help keys lists them all");
}

QString settingText(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("on") : QStringLiteral("off");
    if (value.isDouble())
        return QString::number(value.toInt());
    return value.toString();
}
