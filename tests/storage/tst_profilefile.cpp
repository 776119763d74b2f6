// Profile files, Config.ini profile slots and settings exports: exact keys,
// absent values, round trips, refused names and failed writes.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/IniFile.h"
#include "storage/MacroFiles.h"
#include "storage/ProfileLibrary.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/SettingsSamples.h"
#include <QtTest>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QSettings>
#include <csignal>
#include <sys/resource.h>

class TestProfileFile : public QObject
{
    Q_OBJECT

private slots:
    void saveLoadSaveIsByteIdentical();
    void entryNamesAndColourFormat();
    void absentEntriesReadTheirDefaults();
    void bytesAreTruncatedAndIndexesChecked();
    void filesOfEveryEntryReadAndWriteAsAnyFile_data();
    void filesOfEveryEntryReadAndWriteAsAnyFile();
    void writtenExportsImportAsAnyExport_data();
    void writtenExportsImportAsAnyExport();
    void loadSettingsOfAFreshInstallation();
    void saveSettingsWritesEverySlot();
    void loadSettingsRepairsSlotIdAndNames();
    void unicodeText_data();
    void unicodeText();
    void profileDpiTouchesOnlyTheStage();
    void defaultProfileFile();
    void refusedNamesReadAndWriteNothing_data();
    void refusedNamesReadAndWriteNothing();
    void exportImportRoundTrip();
    void importKeepsNamesItCannotUse();
    void slotsSharingANameKeepTheirSettings_data();
    void slotsSharingANameKeepTheirSettings();
    void failedSaveIsReported();
    void failedSaveKeepsThePreviousFile();
    void readOnlyFolder();
    void renameSlotProfile_data();
    void renameSlotProfile();
    void storedFilesKeepTheirBytes_data();
    void storedFilesKeepTheirBytes();

private:
    static int entryCount(const QByteArray &ini, const QByteArray &section);
};

int TestProfileFile::entryCount(const QByteArray &ini, const QByteArray &section)
{
    int count = 0;
    bool inside = false;
    for (const QByteArray &line : ini.split('\n')) {
        if (line.startsWith('['))
            inside = line == '[' + section + ']';
        else if (inside && line.contains('='))
            ++count;
    }
    return count;
}

void TestProfileFile::saveLoadSaveIsByteIdentical()
{
    AppDirFixture app(AppDirFixture::Empty);
    const ProfileData original = sampleProfile(3);
    const QString first = app.filePath("first.prof"), second = app.filePath("second.prof");
    QVERIFY(saveProfile(original, first));
    ProfileData loaded;
    QCOMPARE(loadProfile(loaded, first), 0);
    QCOMPARE(profileDifference(loaded, original), QString());
    QVERIFY(saveProfile(loaded, second));
    QCOMPARE(readFileBytes(second), readFileBytes(first));
    // Saving over the file itself changes nothing either.
    QVERIFY(saveProfile(loaded, first));
    QCOMPARE(readFileBytes(first), readFileBytes(second));
}

void TestProfileFile::entryNamesAndColourFormat()
{
    AppDirFixture app(AppDirFixture::Empty);
    ProfileData p = sampleProfile(1);
    p.buttonInfo[3].keyInfo[10] = {0x84, 0x2C, 0x07};
    p.ledModes[0].rgb = QColor(255, 0, 0);
    p.dpiInfo[5].y = 4000000000u;
    const QString path = app.filePath("named.prof");
    QVERIFY(saveProfile(p, path));
    const QByteArray bytes = readFileBytes(path);

    QCOMPARE(entryCount(bytes, "PROFILE"), 8453);
    QVERIFY(bytes.startsWith("[PROFILE]\n"));
    QVERIFY(bytes.contains("\nBUTTON_INFO_3_KeyInfo_10_=44\n"));
    QVERIFY(bytes.contains("\nBUTTON_INFO_3_KeyInfo_10_H=7\n"));
    QVERIFY(bytes.contains("\nBUTTON_INFO_3_KeyInfo_10_map=132\n"));
    QVERIFY(bytes.contains("\nDPI_INFO_5_y=4000000000\n"));
    QVERIFY(bytes.contains("\nLedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)\n"));
    QVERIFY(bytes.contains("\nLedMoveOFF="));
    QVERIFY(bytes.contains("\nLedSleepTime="));

    // Another reader with plain QSettings sees the same keys and a colour.
    QSettings plain(path, QSettings::IniFormat);
    QCOMPARE(plain.value("PROFILE/BUTTON_INFO_3_KeyInfo_10_").toInt(), 0x2C);
    QCOMPARE(plain.value("PROFILE/LedMode/LED_MODE_0_RGB").value<QColor>(), QColor(255, 0, 0));
    QCOMPARE(plain.value("PROFILE/LedMode").toInt(), int(p.ledMode));
}

void TestProfileFile::absentEntriesReadTheirDefaults()
{
    AppDirFixture app(AppDirFixture::Empty);
    ProfileData p = sampleProfile(2);
    QCOMPARE(loadProfile(p, app.filePath("missing.prof")), -1);
    QCOMPARE(int(p.ledMoveOff), 255);
    QCOMPARE(int(p.ledSleepTime), 1);
    QCOMPARE(int(p.pollrate), 0);
    QCOMPARE(p.dpiInfo[3].x, 0u);
    QCOMPARE(p.buttonInfo[7].fun, 0);
    QVERIFY(p.buttonInfo[0].macroName.isEmpty());
    QVERIFY(!p.ledModes[4].rgb.isValid());
    QCOMPARE(p.ledModes[4].breath, 0);
    QVERIFY(!QFile::exists(app.filePath("missing.prof")));

    // A file that exists but lacks the two lighting-power entries.
    QVERIFY(writeFileBytes(app.filePath("partial.prof"), "[PROFILE]\npollrate=2\n"));
    p = sampleProfile(2);
    QCOMPARE(loadProfile(p, app.filePath("partial.prof")), 0);
    QCOMPARE(int(p.pollrate), 2);
    QCOMPARE(int(p.ledMoveOff), 255);
    QCOMPARE(int(p.ledSleepTime), 1);
}

void TestProfileFile::bytesAreTruncatedAndIndexesChecked()
{
    AppDirFixture app(AppDirFixture::Empty);
    const QString path = app.filePath("odd.prof");
    QVERIFY(writeFileBytes(path, "[PROFILE]\npollrate=300\nacee=-1\ndpi=9\nLedMode=14\n"
                                 "BUTTON_INFO_0_KeyInfo_0_map=511\nBUTTON_INFO_0_Res2=256\n"
                                 "DPI_INFO_0_x=abc\nLedMode\\LED_MODE_1_RGB=255,0,0\n"
                                 "this line is not an entry\n"
                                 "LedMode\\LED_MODE_2_RGB=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n"));
    ProfileData p;
    QCOMPARE(loadProfile(p, path), 0);
    QCOMPARE(int(p.pollrate), 300 & 0xFF);
    QCOMPARE(int(p.acee), 255);
    QCOMPARE(int(p.dpi), 0);     // stage 9 does not exist
    QCOMPARE(int(p.ledMode), 0); // mode 14 does not exist
    QCOMPARE(int(p.buttonInfo[0].keyInfo[0].map), 255);
    QCOMPARE(int(p.buttonInfo[0].res2), 0);
    QCOMPARE(p.dpiInfo[0].x, 0u);
    QVERIFY(!p.ledModes[1].rgb.isValid());
    QVERIFY(!p.ledModes[2].rgb.isValid()); // a list that would take all memory
    QVERIFY(saveProfile(p, path));
    QVERIFY(!readFileBytes(path).contains("\\t\\x7f"));
}

void TestProfileFile::filesOfEveryEntryReadAndWriteAsAnyFile_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("byte beyond eight bits") << QByteArray("pollrate") << QByteArray("300");
    QTest::newRow("stage beyond the table") << QByteArray("dpi") << QByteArray("9");
    QTest::newRow("negative mode") << QByteArray("LedMode") << QByteArray("-1");
    QTest::newRow("text for a number") << QByteArray("DPI_INFO_0_x") << QByteArray("abc");
    QTest::newRow("negative unsigned") << QByteArray("DPI_INFO_1_y") << QByteArray("-5");
    QTest::newRow("beyond int") << QByteArray("BUTTON_INFO_2_Fun") << QByteArray("99999999999");
    QTest::newRow("colour as a list") << QByteArray("LedMode\\LED_MODE_1_RGB") << QByteArray("255,0,0");
    QTest::newRow("foreign variant") << QByteArray("LedMode\\LED_MODE_2_RGB")
                                     << QByteArray("@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)");
    QTest::newRow("quoted escaped text") << QByteArray("BUTTON_INFO_0_macroname") << QByteArray("\"a;b\\x4e2d\"");
}

void TestProfileFile::filesOfEveryEntryReadAndWriteAsAnyFile()
{
    // A file of exactly the profile's entries is read and written entry by
    // entry; one more group sends it through the key index and the merge.
    QFETCH(QByteArray, entry);
    QFETCH(QByteArray, value);
    const ProfileData sample = sampleProfile(2);
    QByteArray bytes = profileText(sample, QByteArray());
    const int at = bytes.indexOf('\n' + entry + '=') + entry.size() + 2;
    QVERIFY(at > entry.size() + 2);
    bytes.replace(at, bytes.indexOf('\n', at) - at, value);
    const QByteArray other = "[Other]\nkey=1\n\n";
    ProfileData whole = sample, indexed = sample;
    readProfileText(whole, bytes);
    readProfileText(indexed, other + bytes);
    QCOMPARE(profileDifference(whole, indexed), QString());
    QCOMPARE(profileText(whole, other + bytes), other + profileText(whole, bytes));
}

void TestProfileFile::writtenExportsImportAsAnyExport_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("as written") << 0 << QByteArray("pollrate") << QByteArray("1");
    QTest::newRow("stage beyond the table") << 1 << QByteArray("dpi") << QByteArray("9");
    QTest::newRow("beyond int") << 3 << QByteArray("BUTTON_INFO_2_Fun") << QByteArray("99999999999");
    QTest::newRow("quoted escaped text") << 4 << QByteArray("BUTTON_INFO_0_macroname") << QByteArray("\"a;b\\x4e2d\"");
}

void TestProfileFile::writtenExportsImportAsAnyExport()
{
    // Profile groups as the program writes them are read entry by entry; a
    // second copy of one sends the whole file through the key index.
    QFETCH(int, slot);
    QFETCH(QByteArray, entry);
    QFETCH(QByteArray, value);
    AppDirFixture app(AppDirFixture::Empty);
    const MouseSettings sample = sampleSettings(1);
    QVERIFY(exportSettings(sample, app.filePath("out.conf")));
    QByteArray bytes = readFileBytes(app.filePath("out.conf"));
    const int group = bytes.indexOf("[PROFILE_" + QByteArray::number(slot) + "]\n");
    const int at = bytes.indexOf('\n' + entry + '=', group) + entry.size() + 2;
    QVERIFY(group >= 0 && at > group + entry.size() + 2);
    bytes.replace(at, bytes.indexOf('\n', at) - at, value);
    MouseSettings written = sampleSettings(2), indexed = written;
    importSettingsText(written, bytes);
    importSettingsText(indexed, bytes + "\n[PROFILE_4]\nunknown=1\n");
    for (int i = 0; i < PROFILE_COUNT; ++i)
        QCOMPARE(profileDifference(written.profiles[i], indexed.profiles[i]), QString());
    QCOMPARE(QStringList(std::begin(written.profileNames), std::end(written.profileNames)),
             QStringList(std::begin(indexed.profileNames), std::end(indexed.profileNames)));
    QCOMPARE(written.profileId, indexed.profileId);
}

void TestProfileFile::loadSettingsOfAFreshInstallation()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    std::fill(buttonMatrix(), buttonMatrix() + DESCRIPTION_BUTTON_COUNT, 0xAA);
    MouseSettings s;
    QVERIFY(loadSettings(s));
    QCOMPARE(int(s.profileId), 0);
    QCOMPARE(int(s.liftHigh), 2);
    ProfileData factory;
    makeDefaultProfile(factory);
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        QCOMPARE(s.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
        // No profile files yet: every slot starts from the factory defaults.
        QCOMPARE(profileDifference(s.profiles[i], factory), QString());
    }
    for (int i = 0; i < DESCRIPTION_BUTTON_COUNT; ++i)
        QCOMPARE(int(buttonMatrix()[i]), i);

    AppDirFixture empty(AppDirFixture::Empty);
    QVERIFY(!loadSettings(s));
}

void TestProfileFile::saveSettingsWritesEverySlot()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(!QDir(profileDir()).exists());
    MouseSettings saved = sampleSettings(4);
    QVERIFY(saveSettings(saved));
    for (int i = 0; i < PROFILE_COUNT; ++i)
        QVERIFY(QFile::exists(profileFilePath(saved.profileNames[i])));

    MouseSettings loaded;
    QVERIFY(loadSettings(loaded));
    QCOMPARE(settingsDifference(loaded, saved), QString());

    // An edit in a slot other than the first reaches its file.
    saved.profiles[3].dpiInfo[2].x = 1234;
    QVERIFY(saveSettings(saved));
    QVERIFY(loadSettings(loaded));
    QCOMPARE(loaded.profiles[3].dpiInfo[2].x, 1234u);

    // Installed keys of Config.ini survive.
    QCOMPARE(mouseSensor(), 3327);
    QCOMPARE(deviceListName(), QStringLiteral("TREVIK"));
}

void TestProfileFile::loadSettingsRepairsSlotIdAndNames()
{
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(writeFileBytes(configFilePath(),
                           "[Config]\nProfileID=7\nProfile1=../../escape\nProfile2=\nProfile3=Mine\n"));
    QVERIFY(saveProfileByName(sampleProfile(5), QStringLiteral("Mine")));
    MouseSettings s;
    QVERIFY(loadSettings(s));
    QCOMPARE(int(s.profileId), 0);
    QCOMPARE(s.profileNames[0], QStringLiteral("Profile 1"));
    QCOMPARE(s.profileNames[1], QStringLiteral("Profile 2"));
    QCOMPARE(s.profileNames[2], QStringLiteral("Mine"));
    QCOMPARE(profileDifference(s.profiles[2], sampleProfile(5)), QString());
}

void TestProfileFile::unicodeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("Chinese") << QStringLiteral("配置 1");
    QTest::newRow("accents") << QStringLiteral("Café été");
    QTest::newRow("hex digits after an escape") << QStringLiteral("é1a");
}

void TestProfileFile::unicodeText()
{
    QFETCH(QString, text);
    AppDirFixture app;
    QVERIFY(app.isValid());
    MouseSettings s = sampleSettings(6);
    s.profileNames[2] = text;
    s.profiles[2].profilePath = QStringLiteral("/home/") + text + QStringLiteral("/x.prof");
    QVERIFY(saveSettings(s));
    const QString profile = profileDir() + QLatin1Char('/') + text + QStringLiteral(".prof");
    QVERIFY(QFile::exists(profile));
    // Written as Qt's plain INI format writes it, and read so by it.
    for (const QString &path : {configFilePath(), profile}) {
        const QByteArray bytes = readFileBytes(path);
        QVERIFY2(std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; }), qPrintable(path));
    }
    QCOMPARE(QSettings(configFilePath(), QSettings::IniFormat).value("Config/Profile3").toString(), text);
    QCOMPARE(QSettings(profile, QSettings::IniFormat).value("PROFILE/ProfilePath").toString(), s.profiles[2].profilePath);
    MouseSettings loaded;
    QVERIFY(loadSettings(loaded));
    QCOMPARE(loaded.profileNames[2], text);
    QCOMPARE(profileDifference(loaded.profiles[2], s.profiles[2]), QString());

    // Raw UTF-8, as earlier versions wrote it, still reads, and survives the next write.
    {
        QSettings raw(configFilePath(), QSettings::IniFormat);
        raw.setIniCodec("UTF-8");
        raw.setValue("Config/Profile4", text + QStringLiteral(" 2"));
    }
    QVERIFY(readFileBytes(configFilePath()).contains((text + QStringLiteral(" 2")).toUtf8()));
    QVERIFY(loadSettings(loaded));
    QCOMPARE(loaded.profileNames[3], text + QStringLiteral(" 2"));
    QVERIFY(writeDiffFlag(1));
    QVERIFY(!readFileBytes(configFilePath()).contains(text.toUtf8()));
    QVERIFY(loadSettings(loaded));
    QCOMPARE(loaded.profileNames[2], text);
    QCOMPARE(loaded.profileNames[3], text + QStringLiteral(" 2"));
}

void TestProfileFile::profileDpiTouchesOnlyTheStage()
{
    AppDirFixture app(AppDirFixture::Empty);
    const ProfileData p = sampleProfile(7);
    QVERIFY(saveProfileByName(p, QStringLiteral("Daily")));
    QVERIFY(saveProfileDpi(QStringLiteral("Daily"), 5));
    ProfileData loaded;
    QCOMPARE(loadProfileByName(loaded, QStringLiteral("Daily")), 0);
    QCOMPARE(int(loaded.dpi), 5);
    loaded.dpi = p.dpi;
    QCOMPARE(profileDifference(loaded, p), QString());

    // No file, no one-entry stub.
    QVERIFY(!saveProfileDpi(QStringLiteral("Nobody"), 2));
    QVERIFY(!QFile::exists(profileFilePath(QStringLiteral("Nobody"))));
}

void TestProfileFile::defaultProfileFile()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(writeDefaultProfileFile());
    QCOMPARE(defaultProfileFilePath(), app.filePath("Configs/Profile/DefaultProfile.prof"));
    ProfileData loaded, factory;
    QCOMPARE(loadProfile(loaded, defaultProfileFilePath()), 0);
    makeDefaultProfile(factory);
    QCOMPARE(profileDifference(loaded, factory), QString());
}

void TestProfileFile::refusedNamesReadAndWriteNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << QStringLiteral("../x");
    QTest::newRow("nested") << QStringLiteral("a/b");
    QTest::newRow("backslash") << QStringLiteral("a\\b");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("empty") << QString();
    QTest::newRow("nul") << QString::fromUtf16(u"ab\0c", 4);
    QTest::newRow("newline") << QStringLiteral("two\nlines");
}

void TestProfileFile::refusedNamesReadAndWriteNothing()
{
    QFETCH(QString, name);
    AppDirFixture app(AppDirFixture::Empty);
    // A file the hostile name would reach if it were used as a path.
    QVERIFY(writeFileBytes(app.filePath("Configs/x.prof"), "[PROFILE]\npollrate=8\n"));
    const QByteArray before = readFileBytes(app.filePath("Configs/x.prof"));

    ProfileData p = sampleProfile(8);
    QCOMPARE(loadProfileByName(p, name), -1);
    QCOMPARE(profileDifference(p, sampleProfile(8)), QString());
    QVERIFY(!saveProfileByName(p, name));
    QVERIFY(!saveProfileDpi(name, 1));

    MouseSettings s = sampleSettings(1);
    s.profileNames[4] = name;
    QVERIFY(!saveSettings(s));
    QVERIFY(!saveProfileList(s));
    QCOMPARE(readFileBytes(app.filePath("Configs/x.prof")), before);
    // Only the four usable slots were written, and nothing outside Profile/.
    QCOMPARE(QDir(profileDir()).entryList(QDir::Files).size(), 4);
    QCOMPARE(QDir(app.filePath("Configs")).entryList(QDir::Files),
             QStringList({"Config.ini", "x.prof"}));
    QVERIFY(!QFile::exists(app.filePath("x.prof")));
}

void TestProfileFile::exportImportRoundTrip()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    const MouseSettings exported = sampleSettings(2);
    const QString path = app.filePath("backup.conf");
    QVERIFY(writeMouseName(QStringLiteral("TREVIK"), path));
    QVERIFY(exportSettings(exported, path));
    QCOMPARE(readMouseName(path), QStringLiteral("TREVIK"));

    const QByteArray bytes = readFileBytes(path);
    QVERIFY(!bytes.contains("LedMoveOFF"));
    QVERIFY(!bytes.contains("LedSleepTime"));
    for (int i = 0; i < PROFILE_COUNT; ++i)
        QCOMPARE(entryCount(bytes, "PROFILE_" + QByteArray::number(i)), 8453 - 2);
    QVERIFY(bytes.contains("[Config]\n"));

    MouseSettings imported = sampleSettings(9);
    const MouseSettings before = imported;
    QCOMPARE(importSettings(imported, path), 0);
    QCOMPARE(settingsDifference(imported, exported, CompareLedPower::No), QString());
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        QCOMPARE(imported.profiles[i].ledMoveOff, before.profiles[i].ledMoveOff);
        QCOMPARE(imported.profiles[i].ledSleepTime, before.profiles[i].ledSleepTime);
    }

    // One group alone reads and writes the same entries.
    ProfileData single = sampleProfile(40);
    QVERIFY(exportProfileGroup(4, single, path));
    ProfileData back = sampleProfile(41);
    QCOMPARE(importProfileGroup(4, back, path), 0);
    QCOMPARE(profileDifference(back, single, CompareLedPower::No), QString());
    QCOMPARE(back.ledMoveOff, sampleProfile(41).ledMoveOff);
    QVERIFY(!exportProfileGroup(5, single, path));
    QCOMPARE(importProfileGroup(-1, back, path), -1);
    QCOMPARE(importSettings(imported, path), 0);
    QCOMPARE(profileDifference(imported.profiles[4], single, CompareLedPower::No), QString());
    QCOMPARE(profileDifference(imported.profiles[3], exported.profiles[3], CompareLedPower::No), QString());

    MouseSettings untouched = sampleSettings(9);
    QCOMPARE(importSettings(untouched, app.filePath("none.conf")), -1);
    QCOMPARE(settingsDifference(untouched, sampleSettings(9)), QString());
    QCOMPARE(readMouseName(app.filePath("none.conf")), QString());
}

void TestProfileFile::importKeepsNamesItCannotUse()
{
    AppDirFixture app(AppDirFixture::Empty);
    const QString path = app.filePath("hostile.conf");
    QVERIFY(writeFileBytes(path, "[Config]\nProfileID=12\nProfile1=../../../etc/passwd\nProfile3=Fine\n"));
    MouseSettings s = sampleSettings(3);
    const MouseSettings before = s;
    QCOMPARE(importSettings(s, path), 0);
    QCOMPARE(s.profileId, before.profileId);
    QCOMPARE(s.profileNames[0], before.profileNames[0]);
    QCOMPARE(s.profileNames[1], before.profileNames[1]);
    QCOMPARE(s.profileNames[2], QStringLiteral("Fine"));
}

void TestProfileFile::slotsSharingANameKeepTheirSettings_data()
{
    QTest::addColumn<bool>("imported");
    QTest::newRow("Config.ini") << false;
    QTest::newRow("settings export") << true;
}

void TestProfileFile::slotsSharingANameKeepTheirSettings()
{
    // Slots 1 and 2 share a name; "Profile 2", slot 2's own, is taken by slot 3.
    QFETCH(bool, imported);
    AppDirFixture app;
    QVERIFY(app.isValid());
    MouseSettings s = sampleSettings(3);
    s.profileNames[0] = s.profileNames[1] = QStringLiteral("Same");
    s.profileNames[2] = QStringLiteral("Profile 2");
    MouseSettings loaded = sampleSettings(8);
    QList<int> renamed;
    if (imported) {
        const QString path = app.filePath("shared.conf");
        QVERIFY(exportSettings(s, path));
        QCOMPARE(importSettings(loaded, path, &renamed), 0);
        QCOMPARE(renamed, QList<int>{1});
    } else {
        QVERIFY(saveProfileList(s));
        QVERIFY(saveProfileByName(s.profiles[0], QStringLiteral("Same")));
        QVERIFY(loadSettings(loaded));
        s.profiles[1] = s.profiles[0]; // both slots read the one file
    }
    QCOMPARE(loaded.profileNames[1], QStringLiteral("Profile 2 (2)"));
    s.profiles[1].profileName = loaded.profileNames[1];
    // Saved and read back, each slot has a file of its own and nothing is lost.
    QVERIFY(saveSettings(loaded));
    MouseSettings back;
    QVERIFY(loadSettings(back));
    for (int i : {0, 1})
        QCOMPARE(profileDifference(back.profiles[i], s.profiles[i], CompareLedPower::No), QString());
}

void TestProfileFile::failedSaveIsReported()
{
    // An application folder below a regular file cannot be created, not even by root.
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(writeFileBytes(app.filePath("plain-file"), "x"));
    setAppDir(app.filePath("plain-file"));

    MouseSettings s = sampleSettings(1);
    QVERIFY(!saveSettings(s));
    QVERIFY(!saveProfileList(s));
    QVERIFY(!saveCurrentProfileId(2));
    QVERIFY(!saveProfileByName(s.profiles[0], QStringLiteral("Any")));
    QVERIFY(!writeDefaultProfileFile());
    QVERIFY(!writeDiffFlag(1));
    QVERIFY(!setCurrentProductName(QStringLiteral("TREVIK")));
    QVERIFY(!setBatteryPercent(50));
    QVERIFY(!setLangId(1));
    QVERIFY(!saveMacroFile(QStringLiteral("m"), MacroFile()));
    QVERIFY(!addMacroName(QStringLiteral("m")));
    QVERIFY(!exportSettings(s, app.filePath("plain-file/out.conf")));
    QCOMPARE(readFileBytes(app.filePath("plain-file")), QByteArray("x"));
}

void TestProfileFile::failedSaveKeepsThePreviousFile()
{
    // A file whose name leaves no room for the lock and temporary files of a
    // safe write: it can be read, but replacing it fails for every user.
    AppDirFixture app(AppDirFixture::Empty);
    const QString path = app.filePath(QString(248, QLatin1Char('p')) + QStringLiteral(".prof"));
    const QString good = app.filePath("good.prof");
    QVERIFY(saveProfile(sampleProfile(1), good));
    const QByteArray previous = readFileBytes(good);
    QVERIFY(writeFileBytes(path, previous));

    QVERIFY(!saveProfile(sampleProfile(2), path));
    QCOMPARE(readFileBytes(path), previous);
    ProfileData p;
    QCOMPARE(loadProfile(p, path), 0);
    QCOMPARE(profileDifference(p, sampleProfile(1)), QString());

    // A damaged file hides nothing either.
    const QByteArray damaged = "[PROFILE]\npollrate=2\n=broken\n[unclosed\n";
    QVERIFY(writeFileBytes(path, damaged));
    QVERIFY(!saveProfile(sampleProfile(2), path));
    QCOMPARE(readFileBytes(path), damaged);
    QVERIFY(!exportSettings(sampleSettings(1), path));
    QCOMPARE(readFileBytes(path), damaged);
}

void TestProfileFile::readOnlyFolder()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    MouseSettings s = sampleSettings(1);
    QVERIFY(saveSettings(s));
    const QString config = configFilePath();
    const QString profile = profileFilePath(s.profileNames[0]);
    const QByteArray configBefore = readFileBytes(config), profileBefore = readFileBytes(profile);

    // Read-only folders stop a normal user; root writes there all the same, but
    // no user, root included, may write past the file-size limit (EFBIG, as on
    // a full disk). Either way nothing may be written and every save must say so.
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    QVERIFY(QFile::setPermissions(configDir(), readOnly));
    QVERIFY(QFile::setPermissions(profileDir(), readOnly));
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    // Room for the lock files, not for a copy of the files themselves.
    constexpr rlim_t kLimit = 512;
    QVERIFY(configBefore.size() > int(kLimit));
    rlimit small = previous;
    small.rlim_cur = kLimit;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    s.profiles[0].pollrate = 8;
    s.profileNames[1] = QStringLiteral("Changed");
    const bool saved = saveSettings(s);
    const bool flagWritten = writeDiffFlag(1);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousSignal);
    QFile::setPermissions(profileDir(), readOnly | QFile::WriteOwner);
    QFile::setPermissions(configDir(), readOnly | QFile::WriteOwner);
    QVERIFY(!saved);
    QVERIFY(!flagWritten);
    QCOMPARE(readFileBytes(config), configBefore);
    QCOMPARE(readFileBytes(profile), profileBefore);
}

void TestProfileFile::renameSlotProfile_data()
{
    QTest::addColumn<QString>("oldName"); // of slots 1 and 3
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("message"); // empty: renamed; %1 the profile folder
    QTest::addColumn<bool>("folderIsAFile");
    const QString refused = QStringLiteral("This name cannot be used for a profile: ");
    QTest::newRow("renamed") << "Work" << "Office" << QString() << false;
    QTest::newRow("default name") << "Profile 1" << "Office" << "The default Profile cannot be deleted or renamed." << false;
    QTest::newRow("template as old name") << "DefaultProfile" << "Office"
                                          << "The default Profile cannot be deleted or renamed." << false;
    QTest::newRow("template as new name") << "Work" << "DefaultProfile"
                                          << refused + "\"DefaultProfile\" is reserved for the factory settings." << false;
    QTest::newRow("path separator") << "Work" << "../Office"
                                    << refused + "The name cannot contain / \\ < > : \" | ? * or control characters." << false;
    QTest::newRow("file exists") << "Work" << "Play" << "Profile Exist!" << false;
    QTest::newRow("bound to a slot") << "Work" << "Slot B" << "Profile Exist!" << false;
    QTest::newRow("folder unwritable") << "Work" << "Office" << "The profile file could not be written in %1." << true;
}

// The rename the window and mousectl share, on the list and names as stored.
void TestProfileFile::renameSlotProfile()
{
    QFETCH(QString, oldName);
    QFETCH(QString, newName);
    QFETCH(QString, message);
    QFETCH(bool, folderIsAFile);
    AppDirFixture app;
    QVERIFY(app.isValid());
    MouseSettings s = sampleSettings(2);
    const QStringList names = {oldName, "Slot B", oldName, "Slot D", "Slot E"};
    for (int i = 0; i < PROFILE_COUNT; ++i)
        s.profileNames[i] = s.profiles[i].profileName = names[i];
    QVERIFY(saveProfileList(s));
    QVERIFY(saveProfileFileList({"Play", oldName}));
    // A file where the folder should be stops root as well.
    QVERIFY(folderIsAFile ? writeFileBytes(profileDir(), "x")
                          : saveProfile(sampleProfile(5), profileFilePath(oldName))
                                && saveProfile(sampleProfile(6), profileFilePath("Play")));
    const QByteArray profileBefore = readFileBytes(profileFilePath(oldName));
    const QByteArray listBefore = readFileBytes(productConfigFilePath()), namesBefore = readFileBytes(configFilePath());

    const ProfileRenameResult result = ::renameSlotProfile(s, 0, newName);
    const bool renamed = message.isEmpty();
    QCOMPARE(result.messages, renamed ? QStringList() : QStringList{message.replace("%1", profileDir())});
    QCOMPARE(result.ok, renamed);
    const QString expected = renamed ? newName : oldName;
    for (int i : {0, 2}) {
        QCOMPARE(s.profileNames[i], expected);
        QCOMPARE(s.profiles[i].profileName, expected);
    }
    QCOMPARE(s.profileNames[1], QString("Slot B"));
    QCOMPARE(readFileBytes(profileFilePath(expected)), profileBefore);
    if (!renamed) {
        QCOMPARE(readFileBytes(productConfigFilePath()), listBefore);
        QCOMPARE(readFileBytes(configFilePath()), namesBefore);
        return;
    }
    QVERIFY(!QFile::exists(profileFilePath(oldName)));
    const IniFile product(productConfigFilePath());
    QCOMPARE(product.intValue("PROFILE_LIST/Count"), 2);
    QCOMPARE(product.stringValue("PROFILE_LIST/1"), QString("Play"));
    QCOMPARE(product.stringValue("PROFILE_LIST/2"), newName);
    const IniFile config(configFilePath());
    QCOMPARE(config.stringValue("Config/Profile1"), newName);
    QCOMPARE(config.stringValue("Config/Profile2"), QString("Slot B"));
    QCOMPARE(config.stringValue("Config/Profile3"), newName);
}

// Known inputs loaded and saved again must give the very bytes they gave
// before: every file of the folder afterwards, with its SHA-256.
enum class StoredRoundTrip { Settings, Profile, Export, Samples };
Q_DECLARE_METATYPE(StoredRoundTrip)

namespace {

QByteArray folderDigests(const QString &top)
{
    QStringList lines;
    QDirIterator it(top, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        lines << QDir(top).relativeFilePath(path) + QLatin1Char(' ')
                + QString::fromLatin1(QCryptographicHash::hash(readFileBytes(path), QCryptographicHash::Sha256).toHex());
    }
    lines.sort();
    return lines.join(QLatin1Char('\n')).toUtf8();
}

} // namespace

void TestProfileFile::storedFilesKeepTheirBytes_data()
{
    QTest::addColumn<QString>("placedAs"); // where the input goes in the application folder
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<StoredRoundTrip>("roundTrip");
    QTest::addColumn<QByteArray>("digest"); // SHA-256 of folderDigests()
    const auto fixture = [](const QString &relative) {
        return readFileBytes(qEnvironmentVariable("MOUSECFG_SOURCE_DIR") + "/tests/fuzz-corpus/" + relative);
    };
    const auto stored = [](const QString &name) {
        return readFileBytes(qEnvironmentVariable("MOUSECFG_SOURCE_DIR") + "/tests/storage/files/" + name);
    };
    QTest::newRow("demo data") << QString() << QByteArray() << StoredRoundTrip::Settings
                               << QByteArray("07ab9695502cdcbc22db0af12b21c1a4bc66a775ad5a2f453b353140ffd9b7c5");
    QTest::newRow("samples") << QString() << QByteArray() << StoredRoundTrip::Samples
                             << QByteArray("d00260a1d4a8926bbe853b24bf172132444977b0550398b798d33d3aadd10c10");
    const QString config = QStringLiteral("Configs/Config.ini");
    QTest::newRow("installed.ini") << config << fixture("fuzz_config_ini/installed.ini") << StoredRoundTrip::Settings
                                   << QByteArray("07ab9695502cdcbc22db0af12b21c1a4bc66a775ad5a2f453b353140ffd9b7c5");
    QTest::newRow("used.ini") << config << fixture("fuzz_config_ini/used.ini") << StoredRoundTrip::Settings
                              << QByteArray("14dadb1012b2578f657144f2ef51231b03a34fe2fa71d3efb4f31955112ebe95");
    QTest::newRow("lists.ini") << config << fixture("fuzz_config_ini/lists.ini") << StoredRoundTrip::Settings
                               << QByteArray("dcaed8994f36a79f2a05242e94e02b04469a0d0dfe0344365f30df870986b917");
    QTest::newRow("factory.prof") << "in.prof" << stored("factory.prof") << StoredRoundTrip::Profile
                                  << QByteArray("147477b22e44e4c313e66d74c8ecc36ba6848e543a549e9d79cf27792573114c");
    QTest::newRow("factory-compact.prof")
        << "in.prof" << stored("factory-compact.prof") << StoredRoundTrip::Profile
        << QByteArray("da52f4f0359f7f6f7f3933cda158949f4ba4067b28c802834ea43bb97ffeed92");
    QTest::newRow("odd values.prof") << "in.prof"
                                     << QByteArray("[PROFILE]\npollrate=-1\ndpi=300\nLedMode=270\nDPI_INFO_2_x=-5\n"
                                                   "BUTTON_INFO_4_Fun=200\nBUTTON_INFO_4_macroname=Mac\n"
                                                   "BUTTON_INFO_4_KeyInfo_7_H=513\nLedMode\\LED_MODE_3_h=-7\n"
                                                   "LedMode\\LED_MODE_1_RGB=#00ff00\n")
                                     << StoredRoundTrip::Profile
                                     << QByteArray("cf94ebe912d7409321c08c9382ea03cc08da44e40bf6808593f2120a8df710e9");
    QTest::newRow("odd values.ini") << config
                                    << QByteArray("[Config]\nProfileID=7\nLiftHigh=-3\nCount=300\nAngleValue=65\n"
                                                  "Profile2=../x\nProfile4=Mine\n")
                                    << StoredRoundTrip::Settings
                                    << QByteArray("8b1ae8c70fd257b3d3a0b0021b6350df693ffb6d94d43427f999aaea205ae3e1");
    QTest::newRow("odd values.conf") << "in.conf"
                                     << QByteArray("[Config]\nProfileID=9\nLiftHigh=300\nProfile3=Other\n"
                                                   "[PROFILE_1]\ndpi=3\nLedMoveOFF=4\nscrollspeed=12\n")
                                     << StoredRoundTrip::Export
                                     << QByteArray("91c7829798e526238bd114156b4287746b1c0ca1f831a13ceb692364e0ddf9c2");
    QTest::newRow("export-compact.conf")
        << "in.conf" << stored("export-compact.conf") << StoredRoundTrip::Export
        << QByteArray("3282bcb5dfeda4f45b56660752e696debfc44d5187629eafdbacf83fb01b19d0");
}

// The window and mousectl used to name the product in the target before the
// export; the export now does it itself. The digests are of what the older
// writer made from the same calls, so the files come out the same.
static bool exportSettingsAsTheProgramDid(const MouseSettings &settings, const QString &path)
{
    return writeMouseName(currentProductName(), path) && exportSettings(settings, path);
}

void TestProfileFile::storedFilesKeepTheirBytes()
{
    QFETCH(QString, placedAs);
    QFETCH(QByteArray, input);
    QFETCH(StoredRoundTrip, roundTrip);
    QFETCH(QByteArray, digest);
    AppDirFixture app;
    QVERIFY(app.isValid());
    if (!placedAs.isEmpty()) {
        QVERIFY(!input.isEmpty());
        QVERIFY(writeFileBytes(app.filePath(placedAs), input));
    }
    MouseSettings settings;
    loadSettings(settings);
    switch (roundTrip) {
    case StoredRoundTrip::Settings:
        QVERIFY(writeDefaultProfileFile());
        break;
    case StoredRoundTrip::Samples:
        settings = sampleSettings(7);
        QVERIFY(exportSettingsAsTheProgramDid(settings, app.filePath("out.conf")));
        QVERIFY(saveProfile(sampleProfile(8), app.filePath("out.prof")));
        break;
    case StoredRoundTrip::Profile: {
        ProfileData profile;
        QCOMPARE(loadProfile(profile, app.filePath(placedAs)), 0);
        QVERIFY(saveProfile(profile, app.filePath("out.prof")));
        QVERIFY(exportProfileGroup(2, profile, app.filePath("out.conf")));
        settings.profiles[1] = profile;
        break;
    }
    case StoredRoundTrip::Export:
        QCOMPARE(importSettings(settings, app.filePath(placedAs)), 0);
        QVERIFY(exportSettingsAsTheProgramDid(settings, app.filePath("out.conf")));
        break;
    }
    QVERIFY(saveSettings(settings));
    // What was written reads back into the same bytes.
    QVERIFY(loadSettings(settings));
    QVERIFY(saveSettings(settings));
    const QByteArray digests = folderDigests(app.path());
    const QByteArray actual = QCryptographicHash::hash(digests, QCryptographicHash::Sha256).toHex();
    if (actual != digest)
        qInfo().noquote() << "files:\n" + QString::fromUtf8(digests);
    QCOMPARE(actual, digest);
}

QTEST_GUILESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
