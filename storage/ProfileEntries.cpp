#include "storage/ProfileEntries.h"
#include <QDebug>

namespace {

constexpr uint8_t kLedMoveOffAbsent = 255;
constexpr uint8_t kLedSleepTimeAbsent = 1;

// Builds "<group>/<stem><index><tail>" without a format parser: a profile has
// thousands of entries and each is named on every save and load.
class KeyMaker
{
public:
    explicit KeyMaker(const QString &group) : m_prefix(group + QLatin1Char('/')) {}

    QString operator()(const char *entry) const { return m_prefix + QLatin1String(entry); }
    QString operator()(const char *stem, int index, const char *tail) const
    {
        return m_prefix + QLatin1String(stem) + QString::number(index) + QLatin1String(tail);
    }
    QString keyInfo(int slot, int entry, const char *tail) const
    {
        return m_prefix + QLatin1String("BUTTON_INFO_") + QString::number(slot)
            + QLatin1String("_KeyInfo_") + QString::number(entry) + QLatin1String(tail);
    }

private:
    QString m_prefix;
};

// An index field read from a file must stay inside the table it selects.
uint8_t checkedIndex(uint8_t value, int count, const char *what, const IniFile &ini)
{
    if (value < count)
        return value;
    qWarning().noquote() << "Profile entry" << what << "=" << value << "is out of range in"
                         << ini.path() << "- using 0";
    return 0;
}

} // namespace

void writeProfileEntries(QSettings &ini, const QString &group, const ProfileData &p,
                         LedPowerEntries ledPower)
{
    const KeyMaker key(group);
    ini.setValue(key("pollrate"), int(p.pollrate));
    ini.setValue(key("dpi"), int(p.dpi));
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        const DpiStage &d = p.dpiInfo[i];
        ini.setValue(key("DPI_INFO_", i, "_used"), int(d.used));
        ini.setValue(key("DPI_INFO_", i, "_link"), int(d.link));
        ini.setValue(key("DPI_INFO_", i, "_xy"), uint(d.xy));
        ini.setValue(key("DPI_INFO_", i, "_x"), uint(d.x));
        ini.setValue(key("DPI_INFO_", i, "_y"), uint(d.y));
    }
    ini.setValue(key("mousespeed"), int(p.mouseSpeed));
    ini.setValue(key("dbclickspeed"), int(p.dbClickSpeed));
    ini.setValue(key("scrollispage"), int(p.scrollIsPage));
    ini.setValue(key("scrollspeed"), int(p.scrollSpeed));
    ini.setValue(key("accelenable"), int(p.accelEnable));
    ini.setValue(key("acee"), int(p.acee));
    for (int i = 0; i < BUTTON_SLOT_COUNT; ++i) {
        const ButtonInfo &b = p.buttonInfo[i];
        ini.setValue(key("BUTTON_INFO_", i, "_ID"), int(b.id));
        ini.setValue(key("BUTTON_INFO_", i, "_Fun"), int(b.fun));
        ini.setValue(key("BUTTON_INFO_", i, "_LoopNumber"), int(b.loopNumber));
        ini.setValue(key("BUTTON_INFO_", i, "_KeyNumber"), int(b.keyNumber));
        ini.setValue(key("BUTTON_INFO_", i, "_Res1"), int(b.res1));
        ini.setValue(key("BUTTON_INFO_", i, "_Res2"), int(b.res2));
        ini.setValue(key("BUTTON_INFO_", i, "_Res3"), int(b.res3));
        ini.setValue(key("BUTTON_INFO_", i, "_Res4"), int(b.res4));
        ini.setValue(key("BUTTON_INFO_", i, "_macroname"), b.macroName);
        for (int j = 0; j < KEY_INFO_COUNT; ++j) {
            ini.setValue(key.keyInfo(i, j, "_map"), int(b.keyInfo[j].map));
            ini.setValue(key.keyInfo(i, j, "_"), int(b.keyInfo[j].low));
            ini.setValue(key.keyInfo(i, j, "_H"), int(b.keyInfo[j].high));
        }
    }
    ini.setValue(key("ProfileName"), p.profileName);
    ini.setValue(key("ProfilePath"), p.profilePath);
    ini.setValue(key("LedMode"), int(p.ledMode));
    if (ledPower == LedPowerEntries::Included) {
        ini.setValue(key("LedMoveOFF"), int(p.ledMoveOff));
        ini.setValue(key("LedSleepTime"), int(p.ledSleepTime));
    }
    for (int i = 0; i < LED_MODE_COUNT; ++i) {
        const LedModeSetting &led = p.ledModes[i];
        // A QColor variant is what QSettings serialises as @Variant(...).
        ini.setValue(key("LedMode/LED_MODE_", i, "_RGB"), QVariant::fromValue(led.rgb));
        ini.setValue(key("LedMode/LED_MODE_", i, "_h"), uint(led.h));
        ini.setValue(key("LedMode/LED_MODE_", i, "_s"), uint(led.s));
        ini.setValue(key("LedMode/LED_MODE_", i, "_v"), uint(led.v));
        ini.setValue(key("LedMode/LED_MODE_", i, "_bright"), uint(led.bright));
        ini.setValue(key("LedMode/LED_MODE_", i, "_breath"), uint(led.breath));
    }
}

void readProfileEntries(const IniFile &ini, const QString &group, ProfileData &p,
                        LedPowerEntries ledPower)
{
    const KeyMaker key(group);
    p.pollrate = ini.byteValue(key("pollrate"));
    p.dpi = checkedIndex(ini.byteValue(key("dpi")), DPI_STAGE_COUNT, "dpi", ini);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        DpiStage &d = p.dpiInfo[i];
        d.used = ini.byteValue(key("DPI_INFO_", i, "_used"));
        d.link = ini.byteValue(key("DPI_INFO_", i, "_link"));
        d.xy = ini.uintValue(key("DPI_INFO_", i, "_xy"));
        d.x = ini.uintValue(key("DPI_INFO_", i, "_x"));
        d.y = ini.uintValue(key("DPI_INFO_", i, "_y"));
    }
    p.mouseSpeed = ini.byteValue(key("mousespeed"));
    p.dbClickSpeed = ini.byteValue(key("dbclickspeed"));
    p.scrollIsPage = ini.byteValue(key("scrollispage"));
    p.scrollSpeed = ini.byteValue(key("scrollspeed"));
    p.accelEnable = ini.byteValue(key("accelenable"));
    p.acee = ini.byteValue(key("acee"));
    for (int i = 0; i < BUTTON_SLOT_COUNT; ++i) {
        ButtonInfo &b = p.buttonInfo[i];
        b.id = ini.intValue(key("BUTTON_INFO_", i, "_ID"));
        b.fun = ini.intValue(key("BUTTON_INFO_", i, "_Fun"));
        b.loopNumber = ini.intValue(key("BUTTON_INFO_", i, "_LoopNumber"));
        b.keyNumber = ini.intValue(key("BUTTON_INFO_", i, "_KeyNumber"));
        b.res1 = ini.byteValue(key("BUTTON_INFO_", i, "_Res1"));
        b.res2 = ini.byteValue(key("BUTTON_INFO_", i, "_Res2"));
        b.res3 = ini.byteValue(key("BUTTON_INFO_", i, "_Res3"));
        b.res4 = ini.byteValue(key("BUTTON_INFO_", i, "_Res4"));
        b.macroName = ini.stringValue(key("BUTTON_INFO_", i, "_macroname"));
        for (int j = 0; j < KEY_INFO_COUNT; ++j) {
            b.keyInfo[j].map = ini.byteValue(key.keyInfo(i, j, "_map"));
            b.keyInfo[j].low = ini.byteValue(key.keyInfo(i, j, "_"));
            b.keyInfo[j].high = ini.byteValue(key.keyInfo(i, j, "_H"));
        }
    }
    p.profileName = ini.stringValue(key("ProfileName"));
    p.profilePath = ini.stringValue(key("ProfilePath"));
    p.ledMode = checkedIndex(ini.byteValue(key("LedMode")), LED_MODE_COUNT, "LedMode", ini);
    if (ledPower == LedPowerEntries::Included) {
        p.ledMoveOff = ini.byteValue(key("LedMoveOFF"), kLedMoveOffAbsent);
        p.ledSleepTime = ini.byteValue(key("LedSleepTime"), kLedSleepTimeAbsent);
    }
    for (int i = 0; i < LED_MODE_COUNT; ++i) {
        LedModeSetting &led = p.ledModes[i];
        led.rgb = ini.colorValue(key("LedMode/LED_MODE_", i, "_RGB"));
        led.h = int32_t(ini.uintValue(key("LedMode/LED_MODE_", i, "_h")));
        led.s = int32_t(ini.uintValue(key("LedMode/LED_MODE_", i, "_s")));
        led.v = int32_t(ini.uintValue(key("LedMode/LED_MODE_", i, "_v")));
        led.bright = int32_t(ini.uintValue(key("LedMode/LED_MODE_", i, "_bright")));
        led.breath = int32_t(ini.uintValue(key("LedMode/LED_MODE_", i, "_breath")));
    }
}

QString buttonEntryKey(const QString &group, int slot, const char *tail)
{
    return KeyMaker(group)("BUTTON_INFO_", slot, tail);
}
