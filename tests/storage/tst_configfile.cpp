// Config.ini and LangConfig.ini values: absent values, ranges, the language and
// theme tables, and reads that follow writes at once.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "tests/support/AppDirFixture.h"
#include <QtTest>

class TestConfigFile : public QObject
{
    Q_OBJECT

private slots:
    void absentValues();
    void installedValues();
    void themeColourTable_data();
    void themeColourTable();
    void fontList();
    void languageIndexStaysInTheTable_data();
    void languageIndexStaysInTheTable();
    void readsFollowRapidWrites();
    void writesKeepOtherKeys();
    void lockHeldForOneWriteOnly();
};

void TestConfigFile::absentValues()
{
    AppDirFixture app(AppDirFixture::Empty);
    QCOMPARE(batteryFull(), 4200);
    QCOMPARE(batteryPercent(), 0);
    QCOMPARE(readDiffFlag(), 0);
    QCOMPARE(colorId(), 0);
    QCOMPARE(mouseSensor(), 0);
    QCOMPARE(mouseLedModeKind(), 0);
    QCOMPARE(langId(), 0);
    QCOMPARE(currentProductName(), QString());
    QCOMPARE(modelText(), QString());
    QCOMPARE(deviceListName(), QString());
    FontList fonts;
    fonts.count = 4;
    readFontList(fonts);
    QCOMPARE(fonts.count, 0);
    QCOMPARE(fontPixelSize(0), DEFAULT_FONT_PIXEL_SIZE); // never text one pixel high
    // Reading creates nothing.
    QVERIFY(QDir(app.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

void TestConfigFile::installedValues()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QCOMPARE(batteryFull(), 4200);
    QCOMPARE(mouseSensor(), 3327);
    QCOMPARE(currentProductName(), QStringLiteral("TREVIK"));
    QCOMPARE(mouseLedModeKind(), 0);
    QCOMPARE(modelText(), QStringLiteral("TREVIK"));
    QCOMPARE(deviceListName(), QStringLiteral("TREVIK"));

    QVERIFY(writeFileBytes(configFilePath(), "[MouseLEDMode]\nTREVIK=2\nOTHER=1\n[Config]\nCurrentProductName=OTHER\n"));
    QCOMPARE(mouseLedModeKind(), 1);
    QVERIFY(setCurrentProductName(QStringLiteral("TREVIK")));
    QCOMPARE(mouseLedModeKind(), 2);
    QCOMPARE(productConfigFilePath(), configDir() + QStringLiteral("/TREVIK/Config.ini"));
    QVERIFY(setCurrentProductName(QStringLiteral("../up")));
    QCOMPARE(productConfigFilePath(), configFilePath());
}

void TestConfigFile::themeColourTable_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("absent") << QByteArray() << QColor(255, 0, 0);
    QTest::newRow("0") << QByteArray("0") << QColor(255, 0, 0);
    QTest::newRow("1") << QByteArray("1") << QColor(0, 255, 0);
    QTest::newRow("2") << QByteArray("2") << QColor(0, 0, 255);
    QTest::newRow("3") << QByteArray("3") << QColor(219, 200, 182);
    QTest::newRow("4") << QByteArray("4") << QColor(255, 0, 255);
    QTest::newRow("5") << QByteArray("5") << QColor(0, 255, 255);
    QTest::newRow("6") << QByteArray("6") << QColor(255, 125, 0);
    QTest::newRow("7") << QByteArray("7") << QColor(255, 0, 0);
    QTest::newRow("-1") << QByteArray("-1") << QColor(255, 0, 0);
    QTest::newRow("huge") << QByteArray("99999999999") << QColor(255, 0, 0);
    QTest::newRow("text") << QByteArray("blue") << QColor(255, 0, 0);
}

void TestConfigFile::themeColourTable()
{
    QFETCH(QByteArray, stored);
    QFETCH(QColor, colour);
    AppDirFixture app(AppDirFixture::Empty);
    if (!stored.isNull())
        QVERIFY(writeFileBytes(configFilePath(), "[Config]\nGColorID=" + stored + "\n"));
    QCOMPARE(themeColor(), colour);
    QCOMPARE(themeColorAt(colorId()), colour);
    QVERIFY(colorId() >= 0 && colorId() < THEME_COLOR_COUNT);
}

void TestConfigFile::fontList()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    FontList fonts;
    readFontList(fonts);
    QCOMPARE(fonts.count, 3);
    QCOMPARE(fonts.names[0], QStringLiteral("English"));
    QCOMPARE(fonts.names[1], QStringLiteral("简体中文"));
    QCOMPARE(fonts.names[2], QStringLiteral("繁體中文"));
    QCOMPARE(fonts.files[0], QStringLiteral("en"));
    QCOMPARE(fonts.files[1], QStringLiteral("sc"));
    QCOMPARE(fonts.files[2], QStringLiteral("tc"));
    QCOMPARE(fonts.names[3], QString());
    QCOMPARE(fontFamily(0), QStringLiteral("DejaVu Sans"));
    QCOMPARE(fontFamily(1), QStringLiteral("WenQuanYi Micro Hei"));
    QCOMPARE(fontFamily(2), QStringLiteral("WenQuanYi Micro Hei"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(fontPixelSize(i), 12);

    // The unicode names survive a rewrite of Config.ini.
    QVERIFY(writeDiffFlag(1));
    readFontList(fonts);
    QCOMPARE(fonts.names[2], QStringLiteral("繁體中文"));

    QVERIFY(writeFileBytes(configFilePath(), "[FONT_LIST]\nLANGNUM=500\nFONT_SIZE_1=0\n"));
    readFontList(fonts);
    QCOMPARE(fonts.count, MAX_LANGUAGES);
    QCOMPARE(fontPixelSize(1), DEFAULT_FONT_PIXEL_SIZE); // a size of 0 too
    QVERIFY(writeFileBytes(configFilePath(), "[FONT_LIST]\nLANGNUM=-3\n"));
    readFontList(fonts);
    QCOMPARE(fonts.count, 0);
}

void TestConfigFile::languageIndexStaysInTheTable_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("read");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("last") << MAX_LANGUAGES - 1 << MAX_LANGUAGES - 1;
    QTest::newRow("beyond") << MAX_LANGUAGES << 0;
    QTest::newRow("negative") << -1 << 0;
}

void TestConfigFile::languageIndexStaysInTheTable()
{
    QFETCH(int, stored);
    QFETCH(int, read);
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(setLangId(stored));
    QCOMPARE(langId(), read);
    QVERIFY(QFile::exists(langConfigFilePath()));
    QVERIFY(!QFile::exists(configFilePath()));
}

void TestConfigFile::readsFollowRapidWrites()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    // Same-sized rewrites in quick succession must never read an older value.
    for (int i = 0; i < 200; ++i) {
        QVERIFY(writeDiffFlag(i % 2));
        QCOMPARE(readDiffFlag(), i % 2);
        QVERIFY(setBatteryPercent(10 + i % 9));
        QCOMPARE(batteryPercent(), 10 + i % 9);
    }
}

void TestConfigFile::writesKeepOtherKeys()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(writeDiffFlag(1));
    QVERIFY(saveCurrentProfileId(3));
    QVERIFY(setBatteryPercent(77));
    QCOMPARE(readDiffFlag(), 1);
    QCOMPARE(batteryPercent(), 77);
    QCOMPARE(mouseSensor(), 3327);
    FontList fonts;
    readFontList(fonts);
    QCOMPARE(fonts.count, 3);
    // No lock or work files are left behind.
    QCOMPARE(QDir(configDir()).entryList(QDir::Files), QStringList({"Config.ini"}));

    // A line that is no entry (a hand edit) is dropped by the next save, never stops it.
    QVERIFY(writeFileBytes(configFilePath(), readFileBytes(configFilePath()) + "not an entry\n"));
    QVERIFY(setBatteryPercent(78));
    QCOMPARE(batteryPercent(), 78);
    QCOMPARE(mouseSensor(), 3327);
    QVERIFY(!readFileBytes(configFilePath()).contains("not an entry"));

    // A Config.ini that links elsewhere keeps linking there.
    QVERIFY(QFile::rename(configFilePath(), app.filePath("shared.ini")));
    QVERIFY(QFile::link(app.filePath("shared.ini"), configFilePath()));
    QVERIFY(writeDiffFlag(0));
    QVERIFY(QFileInfo(configFilePath()).isSymLink());
    QVERIFY(readFileBytes(app.filePath("shared.ini")).contains("Diff=0"));
    QCOMPARE(readDiffFlag(), 0);
    QCOMPARE(mouseSensor(), 3327);
}

void TestConfigFile::lockHeldForOneWriteOnly()
{
    // Other writers of Config.ini wait for one file's write, not for whatever
    // the writer's owner does next.
    AppDirFixture app;
    QVERIFY(app.isValid());
    QLockFile other(configFilePath() + ".lock");
    IniWriter writer(configFilePath());
    QVERIFY(!other.tryLock(0));
    writer->setValue("Config/Diff", 1);
    QVERIFY(writer.commit());
    QVERIFY(other.tryLock(0));
    other.unlock();
    QCOMPARE(readDiffFlag(), 1);
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
