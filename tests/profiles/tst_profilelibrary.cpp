// The saved-profile library of the main window: the list in the product's
// Config.ini, ADD, COPY, DELETE, rename and choosing a saved profile.
#include "tests/profiles/ProfileWindowFixture.h"
#include "ui/kit/KestMessageBox.h"
#include "platform/PointerSpeed.h"
#include <QFile>

namespace {
const QStringList kOwnSlotNames = {"Profile 1", "Slot B", "Slot C", "Slot D", "Slot E"};
}

class TestProfileLibrary : public QObject
{
    Q_OBJECT

private slots:
    void addTakesTheFirstFreeDefaultName()
    {
        ProfileWindowFixture f;
        QVERIFY(setSlotNames({"Profile 1", "Slot B", "Slot C", "Profile 4", "Slot E"}));
        makeProfileFile("Profile 1", 1);
        makeProfileFile("Profile 2", 2);
        QVERIFY(saveProfileFileList({"Profile 1", "Profile 2"}));
        MousecfgWidget &w = f.open();

        f.click("addButton");
        QCOMPARE(w.profileFileList(), QStringList({"Profile 1", "Profile 2", "Profile 3"}));
        QCOMPARE(storedProfileList(), w.profileFileList());
        QCOMPARE(f.slotName(), QString("Profile 3"));
        QCOMPARE(w.profileNameEdit()->text(), QString("Profile 3"));
        // The new file is the factory template, and the slot now holds it.
        ProfileData factory;
        makeDefaultProfile(factory);
        factory.profileName = "Profile 3";
        ProfileData fromFile = loadedProfile(profileFilePath("Profile 3"));
        fromFile.profileName = factory.profileName;
        QCOMPARE(profileDifference(fromFile, factory), QString());
        QCOMPARE(profileDifference(f.slotProfile(), factory), QString());

        // "Profile 4" has no file yet, but slot 4 is bound to it.
        f.click("addButton");
        QCOMPARE(f.slotName(), QString("Profile 5"));
        QCOMPARE(w.savedProfileMenu()->actions().size(), 4);
        QVERIFY(f.texts().isEmpty());
    }

    void copyNamesTheCopyAfterItsSource()
    {
        ProfileWindowFixture f;
        QVERIFY(setSlotNames({"Gaming", "Slot B", "Slot C", "Slot D", "Slot E"}));
        ProfileData gaming = makeProfileFile("Gaming", 7);
        QVERIFY(saveProfileFileList({"Gaming"}));
        MousecfgWidget &w = f.open();
        gaming.mouseSpeed = uint8_t(readPointerSpeed()); // the current slot takes the host's speed at start
        QCOMPARE(profileDifference(f.slotProfile(), gaming), QString());

        f.click("copyButton");
        QCOMPARE(f.slotName(), QString("Gaming copy"));
        QCOMPARE(w.profileNameEdit()->text(), QString("Gaming copy"));
        QCOMPARE(readFileBytes(profileFilePath("Gaming copy")), readFileBytes(profileFilePath("Gaming")));
        // The slot's settings stay as they were; only its name moved to the copy.
        ProfileData expected = gaming;
        expected.profileName = "Gaming copy";
        QCOMPARE(profileDifference(f.slotProfile(), expected), QString());

        QVERIFY(f.chooseSaved("Gaming"));
        f.click("copyButton");
        QCOMPARE(f.slotName(), QString("Gaming copy 2"));
        QCOMPARE(storedProfileList(), QStringList({"Gaming", "Gaming copy", "Gaming copy 2"}));
        QVERIFY(QFile::exists(profileFilePath("Gaming copy 2")));
        QVERIFY(f.texts().isEmpty());
    }

    void copyOfAnUnsavedSlotWritesItsSettings()
    {
        ProfileWindowFixture f;
        QVERIFY(setSlotNames({"Fresh", "Slot B", "Slot C", "Slot D", "Slot E"}));
        MousecfgWidget &w = f.open();
        w.workingSettings().profiles[0].pollrate = 4;
        f.click("copyButton");
        QCOMPARE(f.slotName(), QString("Fresh copy"));
        QCOMPARE(int(loadedProfile(profileFilePath("Fresh copy")).pollrate), 4);
    }

    void deleteSelectsTheReplacement_data()
    {
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QStringList>("otherSlots"); // names of slots 2..5
        QTest::addColumn<QString>("replacement");
        const QStringList free = {"Slot B", "Slot C", "Slot D", "Slot E"};
        QTest::newRow("last selects the one before") << "D" << free << "C";
        QTest::newRow("other selects the next") << "B" << free << "C";
        QTest::newRow("next in use steps down") << "B" << QStringList{"C", "Slot C", "Slot D", "Slot E"} << "A";
        QTest::newRow("next and earlier in use") << "B" << QStringList{"C", "A", "Slot D", "Slot E"} << "D";
        QTest::newRow("nothing earlier takes a later one") << "A" << QStringList{"B", "Slot C", "Slot D", "Slot E"}
                                                           << "C";
    }

    void deleteSelectsTheReplacement()
    {
        QFETCH(QString, deleted);
        QFETCH(QStringList, otherSlots);
        QFETCH(QString, replacement);
        ProfileWindowFixture f;
        QVERIFY(setSlotNames(QStringList{deleted} + otherSlots));
        const QStringList names = {"A", "B", "C", "D"};
        for (int i = 0; i < names.size(); ++i)
            makeProfileFile(names[i], 20 + i);
        QVERIFY(saveProfileFileList(names));
        MousecfgWidget &w = f.open();

        f.click("deleteButton");
        QCOMPARE(f.texts(), QStringList{"Are you sure you want delete this profile?"});
        QStringList remaining = names;
        remaining.removeAll(deleted);
        QCOMPARE(w.profileFileList(), remaining);
        QCOMPARE(storedProfileList(), remaining);
        QVERIFY(!QFile::exists(profileFilePath(deleted)));
        QCOMPARE(f.slotName(), replacement);
        QCOMPARE(w.profileNameEdit()->text(), replacement);
        ProfileData expected = sampleProfile(20 + names.indexOf(replacement));
        expected.profileName = replacement;
        QCOMPARE(profileDifference(f.slotProfile(), expected), QString());
    }

    void deleteRefusesWhatItMustKeep()
    {
        ProfileWindowFixture f;
        QVERIFY(setSlotNames({"Profile 1", "B", "C", "Slot D", "Slot E"}));
        for (const char *name : {"Profile 1", "A", "B", "C"})
            makeProfileFile(name, 3);
        QVERIFY(saveProfileFileList({"Profile 1"}));
        f.open();

        f.click("deleteButton"); // a single entry
        QVERIFY(saveProfileFileList({"Profile 1", "A", "B", "C"}));
        f.open();
        f.click("deleteButton"); // a default name
        f.window->profileNameEdit()->setText("Typed");
        f.click("deleteButton"); // typed without Enter: not in the list
        QCOMPARE(f.texts(), QStringList({"AT LEAST ONE PROFILE TO BE RETAINED.",
                                         "The default Profile cannot be deleted or renamed.",
                                         "\"Typed\" is not in the saved-profile list."}));
        QCOMPARE(f.window->profileNameEdit()->text(), QString("Profile 1"));

        // "A" while every other entry is bound to another slot.
        QVERIFY(setSlotNames({"A", "B", "C", "Profile 1", "Slot E"}));
        f.open();
        f.click("deleteButton");
        QCOMPARE(f.texts().last(), QString("Every other saved profile is in use by another slot."));

        // Answering No keeps everything.
        QVERIFY(setSlotNames({"A", "Slot B", "Slot C", "Slot D", "Slot E"}));
        f.open();
        f.answer(false);
        f.click("deleteButton");
        QCOMPARE(f.texts(), QStringList{"Are you sure you want delete this profile?"});
        QCOMPARE(storedProfileList(), QStringList({"Profile 1", "A", "B", "C"}));
        QVERIFY(QFile::exists(profileFilePath("A")));
        QCOMPARE(f.slotName(), QString("A"));
    }

    void renameMovesFileEntryAndSlotName()
    {
        ProfileWindowFixture f;
        QVERIFY(setSlotNames({"Work", "Slot B", "Slot C", "Slot D", "Slot E"}));
        const ProfileData work = makeProfileFile("Work", 5);
        makeProfileFile("Play", 6);
        QVERIFY(saveProfileFileList({"Play", "Work"}));
        MousecfgWidget &w = f.open();

        f.enterName("Office");
        QVERIFY(f.texts().isEmpty());
        QCOMPARE(f.slotName(), QString("Office"));
        QVERIFY(!QFile::exists(profileFilePath("Work")));
        QCOMPARE(profileDifference(loadedProfile(profileFilePath("Office")), work), QString());
        // Written at once: the list and the slot names.
        QCOMPARE(storedProfileList(), QStringList({"Play", "Office"}));
        QCOMPARE(IniFile(configFilePath()).stringValue("Config/Profile1"), QString("Office"));
        QCOMPARE(w.savedProfileMenu()->actions().value(1)->data().toString(), QString("Office"));

        // A click on the saved-profile button renames too.
        w.profileNameEdit()->setText("Desk");
        f.click("savedProfileButton");
        QCOMPARE(f.slotName(), QString("Desk"));
        QCOMPARE(storedProfileList(), QStringList({"Play", "Desk"}));
    }

    void renameRefusals_data()
    {
        QTest::addColumn<QString>("slotName");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("message");
        QTest::newRow("existing file") << "Work" << "Play" << "Profile Exist!";
        QTest::newRow("current name") << "Work" << "Work" << "Profile Exist!";
        QTest::newRow("name of another slot") << "Work" << "Slot B" << "Profile Exist!";
        QTest::newRow("default slot name") << "Profile 1" << "Mine" << "The default Profile cannot be deleted or renamed.";
        QTest::newRow("separator") << "Work" << "../Work"
                                   << "This name cannot be used for a profile: The name cannot contain / \\ < > : \" | ? * or control characters.";
        QTest::newRow("dot dot") << "Work" << ".."
                                 << "This name cannot be used for a profile: The name cannot be \".\" or \"..\".";
        QTest::newRow("template") << "Work" << "DefaultProfile"
                                  << "This name cannot be used for a profile: \"DefaultProfile\" is reserved for the factory settings.";
        QTest::newRow("too long") << "Work" << QString(101, 'x')
                                  << "This name cannot be used for a profile: The name is too long.";
    }

    void renameRefusals()
    {
        QFETCH(QString, slotName);
        QFETCH(QString, newName);
        QFETCH(QString, message);
        ProfileWindowFixture f;
        QVERIFY(setSlotNames({slotName, "Slot B", "Slot C", "Slot D", "Slot E"}));
        makeProfileFile(slotName, 5);
        makeProfileFile("Play", 6);
        QVERIFY(saveProfileFileList({"Play", slotName}));
        const QByteArray before = readFileBytes(profileFilePath(slotName));
        f.open();
        f.enterName(newName);
        QCOMPARE(f.texts(), QStringList{message});
        QCOMPARE(f.slotName(), slotName);
        QCOMPARE(storedProfileList(), QStringList({"Play", slotName}));
        QCOMPARE(readFileBytes(profileFilePath(slotName)), before);
        QCOMPARE(QDir(profileDir()).entryList({"*.prof"}).size(), 3); // with the template
    }

    void choosingASavedProfile()
    {
        ProfileWindowFixture f;
        QVERIFY(setSlotNames({"Work", "Play", "Slot C", "Slot D", "Slot E"}));
        const ProfileData work = makeProfileFile("Work", 5);
        makeProfileFile("Play", 6);
        const ProfileData spare = makeProfileFile("Spare", 8);
        QVERIFY(saveProfileFileList({"Work", "Play", "Spare"}));
        MousecfgWidget &w = f.open();
        QCOMPARE(w.savedProfileMenu()->actions().size(), 3);
        QVERIFY(w.savedProfileMenu()->actions().value(0)->isChecked());

        QVERIFY(f.chooseSaved("Play"));
        QCOMPARE(f.texts(), QStringList{"Profile is Already Used!"});
        QCOMPARE(f.slotName(), QString("Work"));

        QVERIFY(f.chooseSaved("Spare"));
        QCOMPARE(f.slotName(), QString("Spare"));
        QCOMPARE(profileDifference(f.slotProfile(), spare), QString());
        QVERIFY(w.savedProfileMenu()->actions().value(2)->isChecked());

        // The entry already in use reloads it: unsaved changes are asked about, then dropped.
        w.workingSettings().profiles[0].pollrate = 2;
        f.messages->answerWith(KestMessageBox::DiscardAnswer);
        QVERIFY(f.chooseSaved("Spare"));
        QCOMPARE(f.texts().last(), QString("Some changes have not been applied to the mouse yet."));
        QCOMPARE(int(f.slotProfile().pollrate), int(spare.pollrate));
        QVERIFY(f.chooseSaved("Work"));
        QCOMPARE(profileDifference(f.slotProfile(), work), QString());
        QVERIFY(f.texts().size() >= 2);
    }

    void hostileListIsCleanedAndBounded()
    {
        ProfileWindowFixture f;
        QVERIFY(setSlotNames(kOwnSlotNames));
        {
            IniWriter ini(productConfigFilePath());
            ini->setValue("PROFILE_LIST/Count", 2000000000);
            const QStringList hostile = {"../../etc/passwd", "", "DefaultProfile", "a|b", "Good"};
            for (int i = 0; i < hostile.size(); ++i)
                ini->setValue(QString("PROFILE_LIST/%1").arg(i + 1), hostile[i]);
            ini->setValue("PROFILE_LIST/6", "Good"); // a duplicate
            ini->setValue("PROFILE_LIST/7", "Other");
            QVERIFY(ini.commit());
        }
        MousecfgWidget &w = f.open();
        QCOMPARE(w.profileFileList(), QStringList({"Good", "Other"}));
    }

    void theLibraryHoldsAtMost200()
    {
        ProfileWindowFixture f;
        QVERIFY(setSlotNames(kOwnSlotNames));
        makeProfileFile("Profile 1", 1);
        QStringList names;
        for (int i = 0; i < 250; ++i)
            names << QString("Saved %1").arg(i, 3, 10, QChar('0'));
        QVERIFY(saveProfileFileList(names));
        MousecfgWidget &w = f.open();
        QCOMPARE(w.profileFileList(), names.mid(0, 200));
        QCOMPARE(w.savedProfileMenu()->actions().size(), 200);

        const QString full = "The saved-profile list is full (200 profiles). Delete a profile first.";
        f.click("addButton");
        f.click("copyButton");
        const QString exported = f.app.filePath("outside/Imported.prof");
        QVERIFY(QDir().mkpath(f.app.filePath("outside"))); // saves make folders inside Configs only
        QVERIFY(saveProfile(sampleProfile(1), exported));
        QVERIFY(writeMouseName(currentProductName(), exported));
        f.nextPath = exported;
        f.click("importButton");
        QCOMPARE(f.texts(), QStringList({full, full, full}));
        QCOMPARE(w.profileFileList().size(), 200);
        QCOMPARE(f.slotName(), QString("Profile 1"));
        QVERIFY(!QFile::exists(profileFilePath("Profile 1 copy")));
        QVERIFY(!QFile::exists(profileFilePath("Imported")));
    }

    void aFreshInstallationListsTheSlots()
    {
        ProfileWindowFixture f;
        MousecfgWidget &w = f.open();
        QCOMPARE(w.profileFileList(), QStringList({"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}));
        QVERIFY(storedProfileList().isEmpty()); // written on the first change only
        f.click("addButton");
        QCOMPARE(f.slotName(), QString("Profile 6"));
        QCOMPARE(storedProfileList().size(), 6);
    }
};

QTEST_MAIN(TestProfileLibrary)
#include "tst_profilelibrary.moc"
