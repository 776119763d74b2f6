// Profiles in and out of the main window: single-profile export and import,
// whole-configuration SAVE and LOAD1, the two resets and choosing a slot, with
// what reaches the virtual mouse.
#include "platform/PointerSpeed.h"
#include "sim/VirtualMouse.h"
#include "tests/profiles/ProfileWindowFixture.h"
#include <QFile>

namespace {
const QStringList kSlots = {"Gaming", "Slot B", "Slot C", "Slot D", "Slot E"};

// Opcode and parameter byte of every command written since the last reset,
// without the status thread's queries.
QList<QPair<int, int>> commands()
{
    QList<QPair<int, int>> list;
    for (const WrittenReport &report : virtualMouse().writeLog()) {
        const int opcode = report.bytes.size() > 5 ? uint8_t(report.bytes[3]) : -1;
        if (report.collection == Collection::Command && opcode >= 0 && opcode != 0x48)
            list << qMakePair(opcode, int(uint8_t(report.bytes[5])));
    }
    return list;
}
}

class TestProfileTransfer : public QObject
{
    Q_OBJECT

private slots:
    void profileExportAndImportRoundTrip()
    {
        ProfileWindowFixture f;
        QVERIFY(setSlotNames(kSlots));
        const ProfileData gaming = makeProfileFile("Gaming", 4);
        QVERIFY(saveProfileFileList({"Gaming"}));
        MousecfgWidget &w = f.open();

        const QString exported = f.app.filePath("elsewhere/Travel.prof");
        f.nextPath = exported;
        f.click("exportButton");
        QCOMPARE(f.dialogTitles, QStringList{"Save Profile File|Profile File(*.prof)"});
        QCOMPARE(readMouseName(exported), QString("TREVIK"));
        QCOMPARE(profileDifference(loadedProfile(exported), gaming), QString());

        // Exporting again replaces the file the dialog was told to replace.
        w.workingSettings().profiles[0].pollrate = 1;
        w.runWrite(false); // the record as set here, not the panels' copies
        f.click("exportButton");
        QCOMPARE(int(loadedProfile(exported).pollrate), 1);
        w.workingSettings().profiles[0].pollrate = 8;
        w.runWrite(false);
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), 8);

        virtualMouse().resetCounters();
        f.nextPath = exported;
        f.click("importButton");
        QCOMPARE(f.dialogTitles.last(), QString("Load Profile File|Profile File(*.prof)"));
        QCOMPARE(w.profileFileList(), QStringList({"Gaming", "Travel"}));
        QCOMPARE(storedProfileList(), w.profileFileList());
        QCOMPARE(f.slotName(), QString("Travel"));
        ProfileData expected = loadedProfile(exported);
        expected.profileName = "Travel";
        QCOMPARE(profileDifference(f.slotProfile(), expected), QString());
        QCOMPARE(profileDifference(loadedProfile(profileFilePath("Travel")), expected), QString());
        // The import is applied at once: saved under the slot and sent.
        QCOMPARE(IniFile(configFilePath()).stringValue("Config/Profile1"), QString("Travel"));
        QVERIFY(virtualMouse().writeCount(0x46) > 0);
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), 1);
        QVERIFY(f.texts().isEmpty());
    }

    void profileImportRefusals_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("mouseName");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("profileGroup");
        QTest::newRow("another product") << "Other.prof" << "OTHER MOUSE" << "The file is not match current mouse!" << true;
        QTest::newRow("no product") << "Other.prof" << "" << "The file is not match current mouse!" << true;
        QTest::newRow("name in the library") << "Gaming.prof" << "TREVIK" << "Profile Exist!" << true;
        QTest::newRow("name of a slot") << "Slot C.prof" << "TREVIK" << "Profile Exist!" << true;
        QTest::newRow("template name") << "DefaultProfile.prof" << "TREVIK"
                                       << "This name cannot be used for a profile: \"DefaultProfile\" is reserved for the factory settings."
                                       << true;
        QTest::newRow("missing file") << "" << "" << "The file could not be read: %1" << true;
        QTest::newRow("no profile group") << "Empty.prof" << "TREVIK"
                                          << "The file does not hold complete profile settings: %1" << false;
    }

    void profileImportRefusals()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, mouseName);
        QFETCH(QString, message);
        QFETCH(bool, profileGroup);
        ProfileWindowFixture f;
        QVERIFY(setSlotNames(kSlots));
        ProfileData gaming = makeProfileFile("Gaming", 4);
        QVERIFY(saveProfileFileList({"Gaming"}));
        gaming.mouseSpeed = uint8_t(readPointerSpeed()); // the current slot takes the host's speed at start
        const QString path = f.app.filePath("elsewhere/" + (fileName.isEmpty() ? QString("Nothing.prof") : fileName));
        if (!fileName.isEmpty()) {
            QVERIFY(QDir().mkpath(f.app.filePath("elsewhere"))); // a dialog offers existing folders only
            if (profileGroup)
                saveProfile(sampleProfile(9), path);
            if (!mouseName.isEmpty())
                QVERIFY(writeMouseName(mouseName, path));
        }
        MousecfgWidget &w = f.open();
        virtualMouse().resetCounters();
        f.nextPath = path;
        f.click("importButton");
        QCOMPARE(f.texts(), QStringList{message.contains("%1") ? message.arg(path) : message});
        QCOMPARE(w.profileFileList(), QStringList{"Gaming"});
        QCOMPARE(f.slotName(), QString("Gaming"));
        QCOMPARE(profileDifference(f.slotProfile(), gaming), QString());
        QCOMPARE(virtualMouse().writeCount(0x46), 0);
    }

    void cancelledDialogsDoNothing()
    {
        ProfileWindowFixture f;
        MousecfgWidget &w = f.open();
        const MouseSettings before = w.workingSettings();
        virtualMouse().resetCounters();
        for (const char *button : {"exportButton", "importButton", "saveButton", "loadButton"})
            f.click(button);
        QCOMPARE(f.dialogTitles.size(), 4);
        QVERIFY(f.texts().isEmpty());
        QCOMPARE(settingsDifference(w.workingSettings(), before), QString());
        QCOMPARE(virtualMouse().writeCount(0x46), 0);
        QCOMPARE(QDir(f.app.path()).entryList(QDir::Files).size(), 1); // DefaultProfile.bin only
    }

    void configSaveAndLoadRoundTrip()
    {
        ProfileWindowFixture f;
        MousecfgWidget &w = f.open();
        MouseSettings &working = w.workingSettings();
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            working.profiles[i].pollrate = uint8_t(1 << (i % 4));
            working.profiles[i].scrollSpeed = uint8_t(i + 1);
            working.profiles[i].dpiInfo[1].y = uint32_t(40 + i);
        }
        working.profileNames[3] = "Sniper";
        const MouseSettings saved = working;

        const QString conf = f.app.filePath("backup/all.conf");
        QVERIFY(QDir().mkpath(f.app.filePath("backup"))); // a dialog offers existing folders only
        f.nextPath = f.app.filePath("backup/all"); // typed without extension
        f.click("saveButton");
        QCOMPARE(f.dialogTitles, QStringList{"Save Config File|Config File(*.conf)"});
        QCOMPARE(readMouseName(conf), QString("TREVIK"));

        // Change everything, then load the file back: it is sent to the mouse.
        f.click("resetAllButton");
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[3]), int(w.workingSettings().profiles[3].pollrate));
        virtualMouse().resetCounters();
        f.nextPath = conf;
        f.click("loadButton");
        QCOMPARE(f.dialogTitles.last(), QString("Load Config File|Config File(*.conf)"));
        QCOMPARE(settingsDifference(w.workingSettings(), saved, CompareLedPower::No), QString());
        QCOMPARE(settingsDifference(w.appliedSettings(), saved, CompareLedPower::No), QString());
        QVERIFY(virtualMouse().writeCount(0x46) > 0);
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            QCOMPARE(int(virtualMouse().basicSettings().pollRate[i]), int(saved.profiles[i].pollrate));
            QCOMPARE(int(virtualMouse().basicSettings().scrollSpeed[i]), int(saved.profiles[i].scrollSpeed));
        }
        QCOMPARE(IniFile(configFilePath()).stringValue("Config/Profile4"), QString("Sniper"));
        QCOMPARE(f.texts(), QStringList{"Are you sure you want reset all profiles?"});
    }

    void configRefusals_data()
    {
        QTest::addColumn<QString>("mouseName");
        QTest::addColumn<int>("profileGroups");
        QTest::addColumn<QString>("message");
        QTest::newRow("another product") << "OTHER MOUSE" << 5 << "The file is not match current mouse!";
        QTest::newRow("no profile groups") << "TREVIK" << 0 << "The file does not hold complete profile settings: %1";
        QTest::newRow("four profile groups") << "TREVIK" << 4 << "The file does not hold complete profile settings: %1";
    }

    void configRefusals()
    {
        QFETCH(QString, mouseName);
        QFETCH(int, profileGroups);
        QFETCH(QString, message);
        ProfileWindowFixture f;
        MousecfgWidget &w = f.open();
        const QString conf = f.app.filePath("other.conf");
        MouseSettings foreign = sampleSettings(3);
        QVERIFY(exportSettings(foreign, conf));
        {
            QSettings file(conf, QSettings::IniFormat);
            for (int i = profileGroups; i < PROFILE_COUNT; ++i)
                file.remove(QString("PROFILE_%1").arg(i));
        }
        QVERIFY(writeMouseName(mouseName, conf));
        const MouseSettings before = w.workingSettings();
        virtualMouse().resetCounters();
        f.nextPath = conf;
        f.click("loadButton");
        QCOMPARE(f.texts(), QStringList{message.contains("%1") ? message.arg(conf) : message});
        QCOMPARE(settingsDifference(w.workingSettings(), before), QString());
        QCOMPARE(virtualMouse().writeCount(0x46), 0);
    }

    void resetWritesTheCurrentProfile()
    {
        ProfileWindowFixture f;
        MousecfgWidget &w = f.open();
        ProfileData factory;
        makeDefaultProfile(factory);
        w.workingSettings().profiles[0].pollrate = factory.pollrate == 2 ? 4 : 2;
        w.workingSettings().profiles[1].pollrate = factory.pollrate == 2 ? 4 : 2;
        w.runWrite(false); // the record as set here, not the panels' copies
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), int(w.workingSettings().profiles[0].pollrate));

        f.answer(false);
        f.click("resetButton");
        QVERIFY(int(virtualMouse().basicSettings().pollRate[0]) != int(factory.pollrate));
        f.answer(true);
        f.click("resetButton");
        QCOMPARE(f.texts(), QStringList{"Are you sure you want reset this profile?"});
        QCOMPARE(int(virtualMouse().basicSettings().pollRate[0]), int(factory.pollrate));
        QVERIFY(int(virtualMouse().basicSettings().pollRate[1]) != int(factory.pollrate)); // only the current one
        factory.profileName = "Profile 1";
        QCOMPARE(profileDifference(f.slotProfile(), factory), QString());
        QCOMPARE(f.window->profileNameEdit()->text(), QString("Profile 1"));
    }

    void resetAllSendsEveryGroup()
    {
        ProfileWindowFixture f;
        QVERIFY(setSlotNames(kSlots));
        makeProfileFile("Gaming", 2);
        MousecfgWidget &w = f.open();
        w.workingSettings().profiles[2].scrollSpeed = 9;
        w.runWrite(false); // the record as set here, not the panels' copies
        w.chooseSlot(2);
        virtualMouse().resetCounters();
        f.click("resetAllButton");
        for (int opcode : {0x01, 0x02, 0x03, 0x04, 0x40})
            QVERIFY2(virtualMouse().writeCount(opcode) > 0, qPrintable(QString::number(opcode, 16)));
        ProfileData factory;
        makeDefaultProfile(factory);
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            factory.profileName = QString("Profile %1").arg(i + 1);
            QCOMPARE(w.workingSettings().profileNames[i], factory.profileName);
            QCOMPARE(profileDifference(w.workingSettings().profiles[i], factory), QString());
        }
        QCOMPARE(int(w.workingSettings().profileId), 0);
        QCOMPARE(w.profileNameEdit()->text(), QString("Profile 1"));
        QCOMPARE(int(virtualMouse().basicSettings().scrollSpeed[2]), int(factory.scrollSpeed));
    }

    void choosingASlotSwitchesTheMouse()
    {
        ProfileWindowFixture f;
        MousecfgWidget &w = f.open();
        virtualMouse().resetCounters();
        QMenu *slotMenu = w.button("slotButton")->menu();
        QVERIFY(slotMenu);
        slotMenu->actions().value(3)->trigger();
        QCOMPARE(virtualMouse().activeProfile(), 3);
        // Set-active-profile, its activation, the refresh sequence, then the
        // slot's own DPI and key tables in a download.
        const QList<QPair<int, int>> expected = {{0x44, 0}, {0x40, 0x01}, {0x40, 0x04}, {0x40, 0x01},
                                                 {0x40, 0x02}, {0x40, 0x08}, {0x40, 0x10}, {0x46, 0}};
        const QList<QPair<int, int>> sent = commands();
        QVERIFY(sent.size() > expected.size());
        QCOMPARE(sent.first().first, 0x44);
        for (int i = 1; i < expected.size(); ++i)
            QCOMPARE(sent[i], expected[i]);
        QVERIFY(virtualMouse().writeCount(0x02) > 0);
        QVERIFY(virtualMouse().writeCount(0x03) > 0);
        QCOMPARE(sent.last().first, 0x46); // end write
        QCOMPARE(int(w.workingSettings().profileId), 3);
        QCOMPARE(w.button("slotButton")->text(), QString("Profile 4"));
        QCOMPARE(IniFile(configFilePath()).intValue("Config/ProfileID"), 3);
    }
};

QTEST_MAIN(TestProfileTransfer)
#include "tst_profiletransfer.moc"
