#include "tools/mousectl/SettingKeys.h"
#include "storage/ConfigStorage.h"
#include "tools/mousectl/ButtonSettingKeys.h"
#include "model/LightingEffects.h"
#include "model/PanelLimits.h"
#include "model/RateTable.h"
#include "model/SensorRanges.h"
#include <QRegularExpression>
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

// ---- report rate, speeds, lift-off -------------------------------------------

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

SettingKey rateKey()
{
    return choiceKey(
        QStringLiteral("rate"), QStringLiteral("report rate in Hz"), rateValues(),
        [](const MouseSettings &settings, int slot) { return QJsonValue(rateHz(settings.profiles[slot].pollrate)); },
        [](SettingEdit &edit, int index) { edit.settings.profiles[edit.slot].pollrate = uint8_t(rateEntries()[index].pollrate); },
        QStringLiteral("hz"));
}

SettingKey speedKey(const char *name, const char *summary, uint8_t ProfileData::*field)
{
    return rangeKey(
        QLatin1String(name), QLatin1String(summary), SPEED_SETTING_MIN, SPEED_SETTING_MAX,
        [field](const MouseSettings &settings, int slot) { return QJsonValue(settings.profiles[slot].*field); },
        [field](SettingEdit &edit, int value) { edit.settings.profiles[edit.slot].*field = uint8_t(value); });
}

SettingKey liftOffKey()
{
    SettingKey key = rangeKey(
        QStringLiteral("lift-off"), QStringLiteral("lift-off distance in mm (all slots)"), 1, 2,
        [](const MouseSettings &settings, int) { return QJsonValue(settings.liftHigh); },
        [](SettingEdit &edit, int value) { edit.settings.liftHigh = uint8_t(value); });
    key.values = QStringList{QStringLiteral("1"), QStringLiteral("2")};
    return key;
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
    int best = scale.range->rawMin;
    for (int raw = scale.range->rawMin; raw <= scale.range->rawMax; ++raw) {
        if (std::abs(sensorDpi(raw, scale.sensor) - dpi) < std::abs(sensorDpi(best, scale.sensor) - dpi))
            best = raw;
    }
    return best;
}

enum class Axis { X, Y };

SettingKey dpiAxisKey(int stage, Axis axis, const DpiScale &scale)
{
    const QString name = QStringLiteral("dpi.%1.%2").arg(stage + 1).arg(axis == Axis::X ? 'x' : 'y');
    SettingKey key;
    key.name = name;
    key.summary = QStringLiteral("%1 DPI of stage %2").arg(axis == Axis::X ? 'X' : 'Y').arg(stage + 1);
    key.read = [stage, axis, scale](const MouseSettings &settings, int slot) {
        const DpiStage &s = settings.profiles[slot].dpiInfo[stage];
        return QJsonValue(sensorDpi(int(axis == Axis::X ? s.x : s.y), scale.sensor));
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
    key.details = QStringLiteral("DPI from %1 to %2, rounded to the nearest value the sensor offers. "
                                 "On a stage with link on, X and Y move together.")
                      .arg(low)
                      .arg(high);
    key.write = [name, stage, axis, scale, low, high](SettingEdit &edit, const QString &text) {
        int dpi = 0;
        if (!readInteger(text, low, high, dpi))
            return QStringLiteral("bad value \"%1\" for %2 (use %3 DPI)").arg(text, name, range(low, high));
        const int raw = nearestRaw(scale, dpi);
        const int shown = sensorDpi(raw, scale.sensor);
        if (shown != dpi)
            edit.notes << QStringLiteral("%1: %2 DPI is %3 on this sensor").arg(name).arg(dpi).arg(shown);
        DpiStage &s = edit.settings.profiles[edit.slot].dpiInfo[stage];
        // A linked stage has one slider for both axes.
        if (axis == Axis::X || s.link == 1)
            s.x = uint32_t(raw);
        if (axis == Axis::Y || s.link == 1)
            s.y = uint32_t(raw);
        return QString();
    };
    return key;
}

void addDpiKeys(QVector<SettingKey> &keys)
{
    const DpiScale scale = dpiScale();
    for (int stage = 0; stage < DPI_STAGE_COUNT; ++stage) {
        keys << switchKey(
            QStringLiteral("dpi.%1.on").arg(stage + 1), QStringLiteral("whether DPI stage %1 is used").arg(stage + 1),
            [stage](const MouseSettings &settings, int slot) { return settings.profiles[slot].dpiInfo[stage].used == 1; },
            [stage](SettingEdit &edit, bool on) { edit.settings.profiles[edit.slot].dpiInfo[stage].used = on ? 1 : 0; });
        keys << dpiAxisKey(stage, Axis::X, scale) << dpiAxisKey(stage, Axis::Y, scale);
        if (scale.range && scale.range->linkShown) {
            keys << switchKey(
                QStringLiteral("dpi.%1.link").arg(stage + 1),
                QStringLiteral("whether X and Y of stage %1 move together").arg(stage + 1),
                [stage](const MouseSettings &settings, int slot) { return settings.profiles[slot].dpiInfo[stage].link == 1; },
                [stage](SettingEdit &edit, bool on) { edit.settings.profiles[edit.slot].dpiInfo[stage].link = on ? 1 : 0; });
        }
    }
    keys << rangeKey(
        QStringLiteral("dpi.active"), QStringLiteral("the DPI stage in use"), 1, DPI_STAGE_COUNT,
        [](const MouseSettings &settings, int slot) { return QJsonValue(settings.profiles[slot].dpi + 1); },
        [](SettingEdit &edit, int stage) { edit.settings.profiles[edit.slot].dpi = uint8_t(stage - 1); });
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

QStringList effectNames()
{
    QStringList names;
    for (int i = 0; i < LIGHTING_MENU_COUNT; ++i)
        names << QLatin1String(lightingEffect(lightingMenuOrder()[i]).name);
    return names;
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

SettingKey effectKey()
{
    return choiceKey(
        QStringLiteral("light.effect"), QStringLiteral("lighting effect"), effectNames(),
        [](const MouseSettings &settings, int slot) {
            return QJsonValue(QLatin1String(lightingEffect(effectMode(settings, slot)).name));
        },
        [](SettingEdit &edit, int index) {
            edit.settings.profiles[effectIndex(edit.slot)].ledMode = uint8_t(lightingMenuOrder()[index]);
        });
}

SettingKey colorKey()
{
    SettingKey key;
    key.name = QStringLiteral("light.color");
    key.summary = QStringLiteral("colour of the current effect");
    key.details = QStringLiteral("#RRGGBB, for the effects with a colour: %1.").arg(effectsWith(&LightingEffect::colour));
    key.read = [](const MouseSettings &settings, int slot) {
        const QColor colour = settings.profiles[0].ledModes[effectMode(settings, slot)].rgb;
        return QJsonValue(colour.isValid() ? colour.name() : QStringLiteral("none"));
    };
    key.write = [](SettingEdit &edit, const QString &text) {
        static const QRegularExpression form(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        if (!form.match(text.trimmed()).hasMatch())
            return QStringLiteral("bad value \"%1\" for light.color (use #RRGGBB, e.g. #ff8000)").arg(text);
        if (const QString refusal = effectRefusal(edit, QStringLiteral("light.color"), &LightingEffect::colour);
            !refusal.isEmpty())
            return refusal;
        const int mode = effectMode(edit.settings, edit.slot);
        storeLighting(edit, [&](ProfileData &p) { p.ledModes[mode].rgb = QColor(text.trimmed()); });
        return QString();
    };
    return key;
}

SettingKey effectLevelKey(const char *name, const char *summary, int min, int max, int32_t LedModeSetting::*field,
                          bool LightingEffect::*control)
{
    const QString key = QLatin1String(name);
    SettingKey entry = rangeKey(
        key, QLatin1String(summary), min, max,
        [field](const MouseSettings &settings, int slot) {
            return QJsonValue(settings.profiles[0].ledModes[effectMode(settings, slot)].*field);
        },
        [field](SettingEdit &edit, int value) {
            const int mode = effectMode(edit.settings, edit.slot);
            storeLighting(edit, [&](ProfileData &p) { p.ledModes[mode].*field = value; });
        });
    const auto inRange = entry.write;
    entry.write = [key, inRange, control](SettingEdit &edit, const QString &text) {
        const QString refusal = effectRefusal(edit, key, control);
        return refusal.isEmpty() ? inRange(edit, text) : refusal;
    };
    entry.details += QStringLiteral(" For the effects: %1.").arg(effectsWith(control));
    return entry;
}

void addLightingKeys(QVector<SettingKey> &keys)
{
    keys << effectKey() << colorKey()
         << effectLevelKey("light.brightness", "brightness of the current effect", LIGHT_BRIGHTNESS_MIN,
                           LIGHT_BRIGHTNESS_MAX, &LedModeSetting::bright, &LightingEffect::brightness)
         << effectLevelKey("light.speed", "speed of the current effect", LIGHT_SPEED_MIN, LIGHT_SPEED_MAX,
                           &LedModeSetting::breath, &LightingEffect::speed)
         << rangeKey(
                QStringLiteral("light.sleep"), QStringLiteral("minutes without use before the lights go out"),
                LIGHT_SLEEP_MIN, LIGHT_SLEEP_MAX,
                [](const MouseSettings &settings, int) { return QJsonValue(settings.profiles[0].ledSleepTime); },
                [](SettingEdit &edit, int minutes) {
                    storeLighting(edit, [&](ProfileData &p) { p.ledSleepTime = uint8_t(minutes); });
                })
         << switchKey(
                QStringLiteral("light.move-off"), QStringLiteral("whether the lights go out while the mouse moves"),
                [](const MouseSettings &settings, int) { return settings.profiles[0].ledMoveOff == LIGHT_MOVE_OFF_ON; },
                [](SettingEdit &edit, bool on) {
                    storeLighting(edit, [&](ProfileData &p) { p.ledMoveOff = on ? LIGHT_MOVE_OFF_ON : LIGHT_MOVE_OFF_OFF; });
                });
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
    keys << nameKey() << rateKey()
         << speedKey("pointer-speed", "pointer speed while the slot is active", &ProfileData::mouseSpeed)
         << speedKey("scroll-speed", "lines per wheel step", &ProfileData::scrollSpeed) << liftOffKey();
    addDpiKeys(keys);
    addLightingKeys(keys);
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
    return QStringLiteral("name, rate, pointer-speed, scroll-speed, lift-off, dpi.N.on, dpi.N.x, dpi.N.y, dpi.N.link, "
                          "dpi.active, light.effect, light.color, light.brightness, light.speed, light.sleep, "
                          "light.move-off, button.N, wheel.up, wheel.down; mousectl help keys lists them all");
}

QString settingText(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("on") : QStringLiteral("off");
    if (value.isDouble())
        return QString::number(value.toInt());
    return value.toString();
}
