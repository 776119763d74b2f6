#include "tests/support/SettingsSamples.h"

ProfileData sampleProfile(int seed)
{
    ProfileData p;
    p.pollrate = uint8_t(1 << (seed % 4));
    p.dpi = uint8_t(seed % DPI_STAGE_COUNT);
    p.ledMode = uint8_t((seed + 3) % LED_MODE_COUNT);
    p.ledMoveOff = seed % 2 ? 0 : 255;
    p.ledSleepTime = uint8_t(1 + seed % 9);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        DpiStage &d = p.dpiInfo[i];
        d.used = uint8_t((i + seed) % 2);
        d.link = uint8_t((i + seed + 1) % 2);
        d.xy = uint32_t(10 + i * 7 + seed);
        d.x = uint32_t(100000 + i * 1000 + seed);
        d.y = uint32_t(4000000000u - uint32_t(i) - uint32_t(seed));
    }
    p.mouseSpeed = uint8_t(1 + seed % 20);
    p.dbClickSpeed = uint8_t(2 + seed % 10);
    p.scrollIsPage = uint8_t(seed % 2);
    p.scrollSpeed = uint8_t(3 + seed % 7);
    p.accelEnable = uint8_t((seed + 1) % 2);
    p.acee = uint8_t(4 + seed % 5);
    for (int i = 0; i < BUTTON_SLOT_COUNT; ++i) {
        ButtonInfo &b = p.buttonInfo[i];
        b.id = i + seed;
        b.fun = (i * 7 + seed) % 64;
        b.loopNumber = -(i + seed);
        b.keyNumber = i % 64;
        for (int j = 0; j < KEY_INFO_COUNT; ++j)
            b.keyInfo[j] = {uint8_t(i + j + seed), uint8_t(255 - j - seed), uint8_t(i * j + seed)};
        b.res1 = uint8_t(i + seed);
        b.res2 = uint8_t(2 * i + seed);
        b.res3 = uint8_t(255 - i);
        b.res4 = uint8_t(seed);
        b.macroName = i % 5 == 0 ? QStringLiteral("macro %1-%2 宏").arg(seed).arg(i) : QString();
    }
    for (int i = 0; i < LED_MODE_COUNT; ++i) {
        LedModeSetting &led = p.ledModes[i];
        led.rgb = i == 2 ? QColor() : QColor::fromRgb(i * 18, 255 - i * 3 - seed, seed * 11 % 256);
        led.h = 360 - i - seed;
        led.s = i * 10 + seed;
        led.v = 255 - i;
        led.bright = (i + seed) % 4;
        led.breath = 1 + (i + seed) % 5;
    }
    p.profileName = QStringLiteral("Sample %1").arg(seed);
    p.profilePath = QStringLiteral("/some where/Sample %1.prof").arg(seed);
    return p;
}

MouseSettings sampleSettings(int seed)
{
    MouseSettings s;
    s.profileId = uint8_t(seed % PROFILE_COUNT);
    s.angleValue = uint8_t(seed * 3);
    s.liftHigh = uint8_t(1 + seed % 2);
    s.count = uint8_t(seed + 7);
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        s.profiles[i] = sampleProfile(seed * 10 + i);
        s.profileNames[i] = QStringLiteral("Slot %1 of %2").arg(i + 1).arg(seed);
    }
    return s;
}

#define DIFFER(field) \
    if (a.field != b.field) \
        return QStringLiteral(#field)

QString profileDifference(const ProfileData &a, const ProfileData &b, CompareLedPower ledPower)
{
    DIFFER(pollrate);
    DIFFER(dpi);
    DIFFER(ledMode);
    if (ledPower == CompareLedPower::Yes) {
        DIFFER(ledMoveOff);
        DIFFER(ledSleepTime);
    }
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        DIFFER(dpiInfo[i].used) + QString::number(i);
        DIFFER(dpiInfo[i].link) + QString::number(i);
        DIFFER(dpiInfo[i].xy) + QString::number(i);
        DIFFER(dpiInfo[i].x) + QString::number(i);
        DIFFER(dpiInfo[i].y) + QString::number(i);
    }
    DIFFER(mouseSpeed);
    DIFFER(dbClickSpeed);
    DIFFER(scrollIsPage);
    DIFFER(scrollSpeed);
    DIFFER(accelEnable);
    DIFFER(acee);
    for (int i = 0; i < BUTTON_SLOT_COUNT; ++i) {
        const QString slot = QStringLiteral(" of slot %1").arg(i);
        DIFFER(buttonInfo[i].id) + slot;
        DIFFER(buttonInfo[i].fun) + slot;
        DIFFER(buttonInfo[i].loopNumber) + slot;
        DIFFER(buttonInfo[i].keyNumber) + slot;
        DIFFER(buttonInfo[i].res1) + slot;
        DIFFER(buttonInfo[i].res2) + slot;
        DIFFER(buttonInfo[i].res3) + slot;
        DIFFER(buttonInfo[i].res4) + slot;
        DIFFER(buttonInfo[i].macroName) + slot;
        for (int j = 0; j < KEY_INFO_COUNT; ++j) {
            const QString entry = slot + QStringLiteral(" entry %1").arg(j);
            DIFFER(buttonInfo[i].keyInfo[j].map) + entry;
            DIFFER(buttonInfo[i].keyInfo[j].low) + entry;
            DIFFER(buttonInfo[i].keyInfo[j].high) + entry;
        }
    }
    for (int i = 0; i < LED_MODE_COUNT; ++i) {
        const QString mode = QStringLiteral(" of mode %1").arg(i);
        DIFFER(ledModes[i].rgb) + mode;
        DIFFER(ledModes[i].h) + mode;
        DIFFER(ledModes[i].s) + mode;
        DIFFER(ledModes[i].v) + mode;
        DIFFER(ledModes[i].bright) + mode;
        DIFFER(ledModes[i].breath) + mode;
    }
    DIFFER(profileName);
    DIFFER(profilePath);
    return QString();
}

QString settingsDifference(const MouseSettings &a, const MouseSettings &b, CompareLedPower ledPower)
{
    DIFFER(profileId);
    DIFFER(angleValue);
    DIFFER(liftHigh);
    DIFFER(count);
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        DIFFER(profileNames[i]) + QString::number(i);
        const QString d = profileDifference(a.profiles[i], b.profiles[i], ledPower);
        if (!d.isEmpty())
            return d + QStringLiteral(" in profile %1").arg(i);
    }
    return QString();
}
