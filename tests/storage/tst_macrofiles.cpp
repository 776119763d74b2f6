// Macro files, their event encodings, the MACRO_LIST index and assigning a
// macro to a button.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/MacroFiles.h"
#include "tests/support/AppDirFixture.h"
#include <QtTest>

class TestMacroFiles : public QObject
{
    Q_OBJECT

private slots:
    void moveAmounts_data();
    void moveAmounts();
    void delays();
    void saveLoadSaveKeepsEveryEvent();
    void emptyMacro();
    void shorterMacroLeavesNoStaleEvents();
    void loadDropsWhatTheEditorCannotShow();
    void hostileCount_data();
    void hostileCount();
    void tooManyEventsAreRefused();
    void macroListReusesSlots();
    void macroListLimits();
    void assignToButton();
    void refusedNames_data();
    void refusedNames();
    void renameAndDelete();

private:
    static MacroFile sampleMacro();
};

MacroFile TestMacroFiles::sampleMacro()
{
    MacroFile m;
    m.defaultDelay = 10;
    m.delayType = 2;
    m.loopType = 1;
    m.loopTime = 3;
    m.events = {
        {MacroKey | MacroPress, 0, 0x04},  {MacroDelay, 0, 25},
        {MacroKey, 0, 0x04},               {MacroMouseButton | MacroPress, 0, 1},
        {MacroMouseButton, 0, 1},          {MacroMove, 0, encodeMoveAmount(-120)},
        {MacroMove, encodeMoveAmount(37), 0}, delayEvent(delayToUnits(3000, 10)),
        {MacroMouseButton | MacroPress, 0, 16}, {MacroMouseButton, 0, 16},
    };
    return m;
}

void TestMacroFiles::moveAmounts_data()
{
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("stored");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("120") << 120 << 120;
    QTest::newRow("-1") << -1 << 255;
    QTest::newRow("-120") << -120 << 136;
    QTest::newRow("-37") << -37 << 219;
}

void TestMacroFiles::moveAmounts()
{
    QFETCH(int, amount);
    QFETCH(int, stored);
    QCOMPARE(int(encodeMoveAmount(amount)), stored);
    QCOMPARE(decodeMoveAmount(uint8_t(stored)), amount);
}

void TestMacroFiles::delays()
{
    QCOMPARE(delayToUnits(250, 10), 25);
    const MacroEvent e = delayEvent(delayToUnits(250, 10));
    QCOMPARE(int(e.map), int(MacroDelay));
    QCOMPARE(int(e.high), 0);
    QCOMPARE(int(e.low), 25);
    QCOMPARE(delayUnits(delayEvent(1000)), 1000);
    QCOMPARE(int(delayEvent(1000).high), 3);
    QCOMPARE(int(delayEvent(1000).low), 232);
    QCOMPARE(delayToUnits(5, 10), 0);
    QCOMPARE(delayToUnits(250, 0), 25);         // no division by zero
    QCOMPARE(delayToUnits(10000000, 10), 65535); // sixteen bits at most
    QCOMPARE(delayToUnits(-50, 10), 0);
    QCOMPARE(encodeMoveAmount(500), encodeMoveAmount(120));
    QCOMPARE(encodeMoveAmount(-500), encodeMoveAmount(-120));
}

void TestMacroFiles::saveLoadSaveKeepsEveryEvent()
{
    AppDirFixture app(AppDirFixture::Empty);
    const MacroFile original = sampleMacro();
    QVERIFY(saveMacroFile(QStringLiteral("combo"), original));
    const QByteArray first = readFileBytes(macroFilePath(QStringLiteral("combo")));
    QVERIFY(first.contains("[Setting]\n"));
    QVERIFY(first.contains("\nCount=10\n"));
    QVERIFY(first.contains("\nMap_5=2\n"));
    QVERIFY(first.contains("\nDataH_5=0\n"));
    QVERIFY(first.contains("\nDataL_5=136\n"));
    QVERIFY(first.contains("\nDataL_1=25\n"));
    QVERIFY(first.contains("\nWriteSign=1\n"));
    QVERIFY(first.contains("\nMacroFilePath=" + macroFilePath(QStringLiteral("combo")).toUtf8() + "\n"));

    MacroFile loaded;
    QCOMPARE(loadMacroFile(QStringLiteral("combo"), loaded), original.events.size());
    QCOMPARE(loaded.events, original.events);
    QCOMPARE(loaded.defaultDelay, 10);
    QCOMPARE(loaded.delayType, 2);
    QCOMPARE(loaded.loopType, 1);
    QCOMPARE(loaded.loopTime, 3);
    QCOMPARE(loaded.filePath, macroFilePath(QStringLiteral("combo")));
    QCOMPARE(decodeMoveAmount(loaded.events[5].low), -120);
    QCOMPARE(readMacroEvents(QStringLiteral("combo")), original.events);

    QVERIFY(saveMacroFile(QStringLiteral("combo"), loaded));
    QCOMPARE(readFileBytes(macroFilePath(QStringLiteral("combo"))), first);
}

void TestMacroFiles::emptyMacro()
{
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(!QDir(macroDir()).exists());
    QVERIFY(saveMacroFile(QStringLiteral("nothing"), MacroFile()));
    const QByteArray bytes = readFileBytes(macroFilePath(QStringLiteral("nothing")));
    QVERIFY(bytes.contains("\nCount=0\n"));
    QVERIFY(!bytes.contains("Map_"));
    MacroFile loaded = sampleMacro();
    QCOMPARE(loadMacroFile(QStringLiteral("nothing"), loaded), 0);
    QVERIFY(loaded.events.isEmpty());

    QCOMPARE(loadMacroFile(QStringLiteral("missing"), loaded), -1);
    QVERIFY(loaded.events.isEmpty());
    QVERIFY(readMacroEvents(QStringLiteral("missing")).isEmpty());
    QCOMPARE(readWriteSign(QStringLiteral("missing")), 0);
    QVERIFY(!clearWriteSign(QStringLiteral("missing")));
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("missing"))));
}

void TestMacroFiles::shorterMacroLeavesNoStaleEvents()
{
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(saveMacroFile(QStringLiteral("m"), sampleMacro()));
    MacroFile shorter = sampleMacro();
    shorter.events.resize(2);
    QVERIFY(saveMacroFile(QStringLiteral("m"), shorter));
    const QByteArray bytes = readFileBytes(macroFilePath(QStringLiteral("m")));
    QVERIFY(!bytes.contains("Map_2="));
    QVERIFY(!bytes.contains("DataL_9="));
    QCOMPARE(readMacroEvents(QStringLiteral("m")), shorter.events);
}

void TestMacroFiles::loadDropsWhatTheEditorCannotShow()
{
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(writeFileBytes(macroFilePath(QStringLiteral("odd")),
                           "[Setting]\nCount=8\n"
                           "Map_0=129\nDataH_0=0\nDataL_0=3\n"   // two buttons at once
                           "Map_1=3\nDataH_1=0\nDataL_1=1\n"     // no such kind
                           "Map_2=130\nDataH_2=5\nDataL_2=7\n"   // movement on both axes
                           "Map_3=132\nDataH_3=0\nDataL_3=260\n" // usage wider than a byte
                           "Map_4=134\nDataH_4=1\nDataL_4=2\n"   // delay with the press bit
                           "Map_5=1\nDataH_5=0\nDataL_5=8\n"
                           "Map_6=x\nDataH_6=0\nDataL_6=0\n"
                           "Map_7=4\nDataH_7=0\nDataL_7=4\n"));
    MacroFile loaded;
    QCOMPARE(loadMacroFile(QStringLiteral("odd"), loaded), 5);
    const QVector<MacroEvent> expected = {
        {MacroMove | MacroPress, 0, 0}, {MacroKey | MacroPress, 0, 4}, {MacroDelay | MacroPress, 1, 2},
        {MacroMouseButton, 0, 8}, {MacroKey, 0, 4}};
    QCOMPARE(loaded.events, expected);
    // The raw view keeps all eight as stored, each byte cut to its width.
    const QVector<MacroEvent> raw = readMacroEvents(QStringLiteral("odd"));
    QCOMPARE(raw.size(), 8);
    QCOMPARE(raw[2], (MacroEvent{130, 5, 7}));
    QCOMPARE(raw[3], (MacroEvent{132, 0, 4}));
}

void TestMacroFiles::hostileCount_data()
{
    QTest::addColumn<QByteArray>("count");
    QTest::addColumn<int>("events");
    QTest::newRow("huge") << QByteArray("2147483647") << MACRO_MAX_EVENTS;
    QTest::newRow("beyond int") << QByteArray("99999999999999") << MACRO_MAX_EVENTS;
    QTest::newRow("negative") << QByteArray("-5") << 0;
    QTest::newRow("text") << QByteArray("many") << 0;
    QTest::newRow("just above the limit") << QByteArray::number(MACRO_MAX_EVENTS + 1) << MACRO_MAX_EVENTS;
}

void TestMacroFiles::hostileCount()
{
    QFETCH(QByteArray, count);
    QFETCH(int, events);
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(writeFileBytes(macroFilePath(QStringLiteral("evil")),
                           "[Setting]\nCount=" + count + "\nMap_0=132\nDataL_0=4\n"));
    QCOMPARE(readMacroEvents(QStringLiteral("evil")).size(), events);
    MacroFile loaded;
    QCOMPARE(loadMacroFile(QStringLiteral("evil"), loaded), events > 0 ? 1 : 0);
    ButtonInfo button;
    button.keyInfo[KEY_INFO_COUNT - 1] = {1, 2, 3};
    QVERIFY(assignMacroToButton(button, QStringLiteral("evil"), FunMacro));
    QCOMPARE(button.keyNumber, events);
    if (events > 0) {
        QCOMPARE(int(button.keyInfo[0].map), 132);
        QCOMPARE(int(button.keyInfo[KEY_INFO_COUNT - 1].map), 0);
    } else {
        QCOMPARE(int(button.keyInfo[0].map), 0);
    }
}

void TestMacroFiles::tooManyEventsAreRefused()
{
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(saveMacroFile(QStringLiteral("big"), sampleMacro()));
    const QByteArray before = readFileBytes(macroFilePath(QStringLiteral("big")));
    MacroFile huge;
    huge.events.fill(MacroEvent{MacroKey, 0, 4}, MACRO_MAX_EVENTS + 1);
    QVERIFY(!saveMacroFile(QStringLiteral("big"), huge));
    QCOMPARE(readFileBytes(macroFilePath(QStringLiteral("big"))), before);
}

void TestMacroFiles::macroListReusesSlots()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    const QStringList names = {"a", "b", "c", "d", "e"};
    for (const QString &n : names)
        QVERIFY(addMacroName(n));
    QCOMPARE(macroCount(), 5);
    QVERIFY(removeMacroName(QStringLiteral("d")));
    QCOMPARE(macroNames(), QStringList({"a", "b", "c", "e"}));
    QVERIFY(addMacroName(QStringLiteral("f")));
    QCOMPARE(macroNames(), QStringList({"a", "b", "c", "f", "e"}));
    QVERIFY(readFileBytes(configFilePath()).contains("\n3=f\n"));
    QVERIFY(!removeMacroName(QStringLiteral("zzz")));
    // Listing a name twice is a no-op.
    QVERIFY(addMacroName(QStringLiteral("a")));
    QCOMPARE(macroCount(), 5);
    // The installed keys of Config.ini are untouched.
    QCOMPARE(mouseSensor(), 3327);
}

void TestMacroFiles::macroListLimits()
{
    AppDirFixture app(AppDirFixture::Empty);
    for (int i = 0; i < MACRO_LIST_SIZE; ++i)
        QVERIFY(addMacroName(QStringLiteral("m%1").arg(i)));
    QCOMPARE(macroCount(), MACRO_LIST_SIZE);
    QVERIFY(!addMacroName(QStringLiteral("one more")));
    QCOMPARE(macroCount(), MACRO_LIST_SIZE);

    QVERIFY(writeMacroNames({"x", "y", "z"}));
    QCOMPARE(macroNames(), QStringList({"x", "y", "z"}));
    QVERIFY(!writeMacroNames({"p", "../q", "r"}));
    QCOMPARE(macroNames(), QStringList({"p", "r"}));
}

void TestMacroFiles::assignToButton()
{
    AppDirFixture app(AppDirFixture::Empty);
    MacroFile longOne;
    for (int i = 0; i < 70; ++i)
        longOne.events.append({MacroKey | MacroPress, uint8_t(i), uint8_t(100 + i)});
    QVERIFY(saveMacroFile(QStringLiteral("long"), longOne));

    ButtonInfo button;
    QVERIFY(assignMacroToButton(button, QStringLiteral("long"), FunGunFile));
    QCOMPARE(button.fun, FunGunFile);
    QCOMPARE(button.macroName, QStringLiteral("long"));
    QCOMPARE(button.keyNumber, 70);
    for (int j = 0; j < KEY_INFO_COUNT; ++j) {
        QCOMPARE(int(button.keyInfo[j].map), MacroKey | MacroPress);
        QCOMPARE(int(button.keyInfo[j].high), j);
        QCOMPARE(int(button.keyInfo[j].low), 100 + j);
    }

    // Entries beyond a shorter file's count keep their bytes.
    QVERIFY(saveMacroFile(QStringLiteral("short"), sampleMacro()));
    QVERIFY(assignMacroToButton(button, QStringLiteral("short"), FunMacro));
    QCOMPARE(button.keyNumber, 10);
    QCOMPARE(button.fun, FunMacro);
    QCOMPARE(int(button.keyInfo[5].low), 136);
    QCOMPARE(int(button.keyInfo[10].low), 110);

    ButtonInfo missing;
    missing.keyNumber = 4;
    QVERIFY(!assignMacroToButton(missing, QStringLiteral("gone"), FunMacro));
    QCOMPARE(missing.keyNumber, 0);
    QCOMPARE(missing.macroName, QStringLiteral("gone"));
}

void TestMacroFiles::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << QStringLiteral("../x");
    QTest::newRow("nested") << QStringLiteral("a/b");
    QTest::newRow("dot dot") << QStringLiteral("..");
    QTest::newRow("nul") << QString::fromUtf16(u"x\0", 2);
    QTest::newRow("tab") << QStringLiteral("a\tb");
    QTest::newRow("pipe") << QStringLiteral("a|b");
}

void TestMacroFiles::refusedNames()
{
    QFETCH(QString, name);
    AppDirFixture app(AppDirFixture::Empty);
    // What "../x" would reach.
    QVERIFY(writeFileBytes(app.filePath("Configs/x.MSMACRO"), "[Setting]\nCount=1\nMap_0=132\nDataL_0=4\nWriteSign=1\n"));
    const QByteArray before = readFileBytes(app.filePath("Configs/x.MSMACRO"));

    QVERIFY(!saveMacroFile(name, sampleMacro()));
    MacroFile loaded;
    QCOMPARE(loadMacroFile(name, loaded), -1);
    QVERIFY(loaded.events.isEmpty());
    QVERIFY(readMacroEvents(name).isEmpty());
    QCOMPARE(readWriteSign(name), 0);
    QVERIFY(!clearWriteSign(name));
    QVERIFY(!deleteMacroFile(name));
    QVERIFY(!addMacroName(name));
    QVERIFY(!macroFileExists(name));
    ButtonInfo button;
    button.fun = 3;
    QVERIFY(!assignMacroToButton(button, name, FunMacro));
    QCOMPARE(button.fun, 3);
    QCOMPARE(button.keyNumber, 0);

    QCOMPARE(readFileBytes(app.filePath("Configs/x.MSMACRO")), before);
    QVERIFY(!QDir(macroDir()).exists());
    QVERIFY(!QFile::exists(configFilePath()));
}

void TestMacroFiles::renameAndDelete()
{
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(saveMacroFile(QStringLiteral("宏 1"), sampleMacro()));
    QVERIFY(saveMacroFile(QStringLiteral("other"), MacroFile()));
    QVERIFY(macroFileExists(QStringLiteral("宏 1")));
    QVERIFY(!renameMacroFile(QStringLiteral("宏 1"), QStringLiteral("other")));
    QVERIFY(!renameMacroFile(QStringLiteral("宏 1"), QStringLiteral("../other")));
    QVERIFY(renameMacroFile(QStringLiteral("宏 1"), QStringLiteral("renamed")));
    QCOMPARE(readMacroEvents(QStringLiteral("renamed")), sampleMacro().events);
    QVERIFY(!macroFileExists(QStringLiteral("宏 1")));
    QVERIFY(deleteMacroFile(QStringLiteral("renamed")));
    QVERIFY(!macroFileExists(QStringLiteral("renamed")));
    QVERIFY(!deleteMacroFile(QStringLiteral("renamed")));
}

QTEST_GUILESS_MAIN(TestMacroFiles)
#include "tst_macrofiles.moc"
