// Factory defaults, change detection and the raw-to-DPI conversion.
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/MacroFiles.h"
#include "storage/MouseSettings.h"
#include "tests/support/AppDirFixture.h"
#include <QtTest>

using Change = void (*)(MouseSettings &);
Q_DECLARE_METATYPE(Change)

namespace {
void makeSingleLightingModel()
{
    QSettings(configFilePath(), QSettings::IniFormat).setValue("Mouse_List/0", "6350");
}
} // namespace

class TestMouseSettings : public QObject
{
    Q_OBJECT

private slots:
    void defaultsWithoutDescription();
    void defaultsFromDescription();
    void defaultSettingsKeepCountAndOtherProfiles();
    void diffFlags_data();
    void diffFlags();
    void editedMacroFileYieldsButtonsUntilCleared();
    void sensorDpiValues_data();
    void sensorDpiValues();
    void isNearTolerance();

private:
    static MouseSettings baseSettings();
};

MouseSettings TestMouseSettings::baseSettings()
{
    MouseSettings s;
    makeDefaultSettings(s);
    for (int i = 1; i < PROFILE_COUNT; ++i)
        makeDefaultProfile(s.profiles[i]);
    s.profileId = 1;
    return s;
}

void TestMouseSettings::defaultsWithoutDescription()
{
    AppDirFixture app(AppDirFixture::Empty);
    ProfileData p;
    p.profileName = QStringLiteral("old");
    p.buttonInfo[30].fun = 17;
    makeDefaultProfile(p);

    QCOMPARE(int(p.pollrate), 1);
    QCOMPARE(int(p.dpi), 1);
    QCOMPARE(int(p.ledMode), 9);
    QCOMPARE(int(p.ledMoveOff), 0);
    QCOMPARE(int(p.ledSleepTime), 1);
    QCOMPARE(int(p.mouseSpeed), 10);
    QCOMPARE(int(p.dbClickSpeed), 5);
    QCOMPARE(int(p.scrollIsPage), 0);
    QCOMPARE(int(p.scrollSpeed), 1);
    QCOMPARE(int(p.accelEnable), 1);
    QCOMPARE(int(p.acee), 1);
    const uint32_t stages[DPI_STAGE_COUNT] = {8, 12, 16, 24, 50, 75, 0, 0};
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        QCOMPARE(int(p.dpiInfo[i].used), 1);
        QCOMPARE(int(p.dpiInfo[i].link), 1);
        QCOMPARE(p.dpiInfo[i].xy, stages[i]);
        QCOMPARE(p.dpiInfo[i].x, stages[i]);
        QCOMPARE(p.dpiInfo[i].y, stages[i]);
    }
    const int funs[] = {1, 2, 3, 4, 5, 4, 5};
    for (int i = 0; i < BUTTON_SLOT_COUNT; ++i) {
        const int expected = i < 7 ? funs[i] : i == 40 ? 52 : i == 41 ? 53 : 0;
        QCOMPARE(p.buttonInfo[i].fun, expected);
    }
    for (int i = 0; i < LED_MODE_COUNT; ++i) {
        const LedModeSetting &led = p.ledModes[i];
        QCOMPARE(led.rgb, i == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
        QCOMPARE(led.h, 360);
        QCOMPARE(led.s, 0);
        QCOMPARE(led.v, 0);
        QCOMPARE(led.bright, 3);
        const int breath = i == 4 ? 2 : i == 9 ? 4 : i == 10 ? 5 : i == 12 ? 1 : 3;
        QCOMPARE(led.breath, breath);
    }
    QVERIFY(p.profileName.isEmpty());
}

void TestMouseSettings::defaultsFromDescription()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    DeviceDescription d;
    QCOMPARE(readDeviceDescription(d), 0);

    ProfileData p;
    makeDefaultProfile(p);
    QCOMPARE(int(p.pollrate), d.pollrate);
    QCOMPARE(p.dpi, d.dpi);
    QCOMPARE(p.ledMode, d.ledMode);
    QCOMPARE(int(p.ledMoveOff), 0);
    QCOMPARE(int(p.ledSleepTime), 1);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        QCOMPARE(int(p.dpiInfo[i].used), 1);
        QCOMPARE(int(p.dpiInfo[i].link), 1);
        QCOMPARE(p.dpiInfo[i].xy, d.dpiValues[i]);
        QCOMPARE(p.dpiInfo[i].x, d.dpiValues[i]);
        QCOMPARE(p.dpiInfo[i].y, d.dpiValues[i]);
    }
    // The demo model: left, right, middle, back, forward, DPI+ and DPI-.
    const int funs[] = {1, 2, 3, 4, 5, 48, 49};
    for (int i = 0; i < 20; ++i)
        QCOMPARE(p.buttonInfo[i].fun, i < 7 ? funs[i] : 0);
    QCOMPARE(p.buttonInfo[40].fun, 52);
    QCOMPARE(p.buttonInfo[41].fun, 53);
    for (int i = 0; i < LED_MODE_COUNT; ++i) {
        QVERIFY(p.ledModes[i].rgb.isValid());
        QCOMPARE(p.ledModes[i].rgb, d.ledModes[i].rgb);
        QCOMPARE(p.ledModes[i].bright, d.ledModes[i].bright);
        QCOMPARE(p.ledModes[i].breath, d.ledModes[i].breath);
        QCOMPARE(p.ledModes[i].h, 360);
    }
}

void TestMouseSettings::defaultSettingsKeepCountAndOtherProfiles()
{
    AppDirFixture app(AppDirFixture::Empty);
    MouseSettings s;
    s.profileId = 3;
    s.angleValue = 9;
    s.liftHigh = 1;
    s.count = 42;
    s.profiles[0].pollrate = 8;
    s.profiles[2].pollrate = 4;
    s.profileNames[1] = QStringLiteral("Gaming");
    makeDefaultSettings(s);
    QCOMPARE(int(s.profileId), 0);
    QCOMPARE(int(s.angleValue), 0);
    QCOMPARE(int(s.liftHigh), 2);
    QCOMPARE(int(s.count), 42);
    QCOMPARE(int(s.profiles[0].pollrate), 1);
    QCOMPARE(int(s.profiles[2].pollrate), 4);
    for (int i = 0; i < PROFILE_COUNT; ++i)
        QCOMPARE(s.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
}

void TestMouseSettings::diffFlags_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("flags");

    // The active profile of the base record is 1.
    QTest::newRow("identical") << Change([](MouseSettings &) {}) << 0;
    QTest::newRow("link only") << Change([](MouseSettings &s) { s.profiles[1].dpiInfo[2].link = 0; }) << 0;
    QTest::newRow("xy only") << Change([](MouseSettings &s) { s.profiles[0].dpiInfo[0].xy = 99; }) << 0;
    QTest::newRow("angleValue") << Change([](MouseSettings &s) { s.angleValue = 5; }) << 0;
    QTest::newRow("count") << Change([](MouseSettings &s) { s.count = 5; }) << 0;
    QTest::newRow("mouseSpeed") << Change([](MouseSettings &s) { s.profiles[1].mouseSpeed = 3; }) << 0;
    QTest::newRow("pollrate of an inactive profile")
        << Change([](MouseSettings &s) { s.profiles[3].pollrate = 8; }) << int(ChangeBasic);
    QTest::newRow("scrollSpeed") << Change([](MouseSettings &s) { s.profiles[4].scrollSpeed = 9; }) << int(ChangeBasic);
    QTest::newRow("liftHigh") << Change([](MouseSettings &s) { s.liftHigh = 1; }) << int(ChangeBasic);
    QTest::newRow("profileId") << Change([](MouseSettings &s) { s.profileId = 2; })
                               << int(ChangeBasic | ChangeDpi | ChangeButtons);
    QTest::newRow("active dpi") << Change([](MouseSettings &s) { s.profiles[1].dpi = 4; }) << int(ChangeBasic);
    QTest::newRow("inactive dpi") << Change([](MouseSettings &s) { s.profiles[2].dpi = 4; }) << 0;
    QTest::newRow("active ledMoveOff") << Change([](MouseSettings &s) { s.profiles[1].ledMoveOff = 255; }) << int(ChangeBasic);
    QTest::newRow("active ledSleepTime") << Change([](MouseSettings &s) { s.profiles[1].ledSleepTime = 5; }) << int(ChangeBasic);
    QTest::newRow("profile 0's ledSleepTime") << Change([](MouseSettings &s) { s.profiles[0].ledSleepTime = 5; }) << int(ChangeBasic);
    QTest::newRow("profile 0's ledMoveOff") << Change([](MouseSettings &s) { s.profiles[0].ledMoveOff = 255; }) << int(ChangeBasic);
    QTest::newRow("inactive ledSleepTime") << Change([](MouseSettings &s) { s.profiles[2].ledSleepTime = 5; }) << 0;
    QTest::newRow("profile 0's ledMode") << Change([](MouseSettings &s) { s.profiles[0].ledMode = 3; }) << int(ChangeLighting);
    QTest::newRow("profile 0's ledMode, single-lighting model")
        << Change([](MouseSettings &s) { makeSingleLightingModel(); s.profiles[0].ledMode = 3; })
        << int(ChangeBasic | ChangeLighting);
    QTest::newRow("active ledMode")
        << Change([](MouseSettings &s) { s.profiles[1].ledMode = 3; }) << int(ChangeBasic | ChangeLighting);
    QTest::newRow("inactive ledMode") << Change([](MouseSettings &s) { s.profiles[4].ledMode = 3; }) << int(ChangeLighting);
    QTest::newRow("colour of the selected mode")
        << Change([](MouseSettings &s) { s.profiles[0].ledModes[s.profiles[0].ledMode].rgb = Qt::blue; })
        << int(ChangeLighting);
    QTest::newRow("breath of the selected mode")
        << Change([](MouseSettings &s) { s.profiles[2].ledModes[s.profiles[2].ledMode].breath = 1; })
        << int(ChangeLighting);
    QTest::newRow("colour of another mode of profile 0")
        << Change([](MouseSettings &s) { s.profiles[0].ledModes[(s.profiles[0].ledMode + 1) % LED_MODE_COUNT].rgb = Qt::blue; })
        << int(ChangeLighting);
    QTest::newRow("colour of another mode of another profile")
        << Change([](MouseSettings &s) { s.profiles[2].ledModes[(s.profiles[2].ledMode + 1) % LED_MODE_COUNT].rgb = Qt::blue; })
        << 0;
    QTest::newRow("stage x") << Change([](MouseSettings &s) { s.profiles[3].dpiInfo[7].x = 1; }) << int(ChangeDpi);
    QTest::newRow("stage used") << Change([](MouseSettings &s) { s.profiles[0].dpiInfo[0].used = 0; }) << int(ChangeDpi);
    QTest::newRow("button fun") << Change([](MouseSettings &s) { s.profiles[2].buttonInfo[5].fun = 48; }) << int(ChangeButtons);
    QTest::newRow("button res3") << Change([](MouseSettings &s) { s.profiles[4].buttonInfo[41].res3 = 1; }) << int(ChangeButtons);
    QTest::newRow("key entry") << Change([](MouseSettings &s) { s.profiles[1].buttonInfo[0].keyInfo[62].high = 1; }) << int(ChangeButtons);
    QTest::newRow("macro name")
        << Change([](MouseSettings &s) { s.profiles[1].buttonInfo[3].macroName = QStringLiteral("other"); })
        << int(ChangeButtons);
    QTest::newRow("everything")
        << Change([](MouseSettings &s) {
               s.profiles[1].dpi = 0;
               s.profiles[0].dpiInfo[1].y = 3;
               s.profiles[0].buttonInfo[1].loopNumber = 2;
               s.profiles[3].ledModes[s.profiles[3].ledMode].v = 7;
           })
        << int(ChangeAll);
}

void TestMouseSettings::diffFlags()
{
    QFETCH(Change, change);
    QFETCH(int, flags);
    AppDirFixture app(AppDirFixture::Empty);
    MouseSettings applied = baseSettings();
    // A macro slot in both copies: its (missing) file carries no write mark.
    applied.profiles[1].buttonInfo[3].fun = FunMacro;
    applied.profiles[1].buttonInfo[3].macroName = QStringLiteral("burst");
    MouseSettings working = applied;
    change(working);
    QCOMPARE(diffSettings(working, applied), flags);
}

void TestMouseSettings::editedMacroFileYieldsButtonsUntilCleared()
{
    AppDirFixture app(AppDirFixture::Empty);
    MacroFile macro;
    macro.events = {{MacroKey | MacroPress, 0, 0x04}, {MacroKey, 0, 0x04}};
    QVERIFY(saveMacroFile(QStringLiteral("burst"), macro));
    QCOMPARE(readWriteSign(QStringLiteral("burst")), 1);

    MouseSettings applied = baseSettings();
    ButtonInfo &slot = applied.profiles[2].buttonInfo[4];
    slot.fun = FunMacro;
    QVERIFY(assignMacroToButton(slot, QStringLiteral("burst"), FunMacro));
    const MouseSettings working = applied;

    // Detection only reads the mark; the download that sent the macro clears it.
    QCOMPARE(diffSettings(working, applied), int(ChangeButtons));
    QCOMPARE(readWriteSign(QStringLiteral("burst")), 1);
    QCOMPARE(diffSettings(working, applied), int(ChangeButtons));
    QVERIFY(clearWriteSign(QStringLiteral("burst")));
    QCOMPARE(diffSettings(working, applied), 0);

    // Saving the macro again marks it again.
    QVERIFY(saveMacroFile(QStringLiteral("burst"), macro));
    QCOMPARE(diffSettings(working, applied), int(ChangeButtons));
}

void TestMouseSettings::sensorDpiValues_data()
{
    QTest::addColumn<int>("raw");
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("dpi");

    const struct { int raw, sensor, dpi; } rows[] = {
        {8, 3311, 800}, {50, 3327, 5100}, {106, 3327, 16400}, {14, 3104, 500}, {21, 3212, 800},
        {10, 9999, 0},
        {50, 3325, 5000}, {51, 3325, 5200}, {51, 33252, 5200},
        {0, 3327, 100}, {61, 3327, 6200}, {62, 3327, 6400}, {92, 3327, 12400}, {93, 3327, 12600},
        {105, 3327, 16200}, {107, 3327, 16800},
        {120, 3360, 12000}, {121, 33112, 12200},
        {80, 3333, 8000}, {81, 3333, 8200},
        {160, 3335, 16000}, {161, 33352, 16200},
        {200, 3370, 10000}, {201, 3370, 10100},
        {320, 3389, 16000}, {321, 3389, 16100},
        {519, 3395, 26000}, {520, 33952, 26100},
        {399, 3399, 20000}, {400, 3399, 20100},
        {106, 3104, 4240}, {107, 31042, 4320}, {13, 3104, 520}, {15, 3104, 600},
        {32, 3212, 1200}, {43, 3212, 1600}, {63, 3212, 2400}, {10, 3212, 380},
        {64, 3212, 2430}, {94, 3212, 4710}, {95, 3212, 4860}, {111, 3212, 7200}, {112, 3212, 7440},
        // The demo model's stages.
        {7, 3327, 800}, {15, 3327, 1600}, {23, 3327, 2400}, {31, 3327, 3200}, {49, 3327, 5000},
        {79, 3327, 9800}, {99, 3327, 14400},
    };
    for (const auto &r : rows)
        QTest::addRow("%d on %d", r.raw, r.sensor) << r.raw << r.sensor << r.dpi;
}

void TestMouseSettings::sensorDpiValues()
{
    QFETCH(int, raw);
    QFETCH(int, sensor);
    QFETCH(int, dpi);
    QCOMPARE(sensorDpi(raw, sensor), dpi);
}

void TestMouseSettings::isNearTolerance()
{
    QVERIFY(isNear(999, 1008));
    QVERIFY(isNear(1008, 999));
    QVERIFY(!isNear(999, 1009));
    QVERIFY(!isNear(-5, 5));
}

QTEST_GUILESS_MAIN(TestMouseSettings)
#include "tst_mousesettings.moc"
