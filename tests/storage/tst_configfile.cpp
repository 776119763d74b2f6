// Config.ini and LangConfig.ini values: absent values, ranges, the language and
// theme tables, and reads that follow writes at once.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/MacroFiles.h"
#include "storage/SafeName.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/SettingsSamples.h"
#include <QtTest>
#include <limits>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Every field at its longest text: the largest profile the program writes.
ProfileData widestProfile()
{
    ProfileData p = sampleProfile(1);
    constexpr int32_t kWidest = std::numeric_limits<int32_t>::min();
    const QString longName(SAFE_NAME_MAX_UTF8_BYTES / 3, QChar(0x4E2D)); // written as escapes
    for (DpiStage &d : p.dpiInfo)
        d = {255, 255, UINT32_MAX, UINT32_MAX, UINT32_MAX};
    for (ButtonInfo &b : p.buttonInfo) {
        b.id = b.fun = b.loopNumber = b.keyNumber = kWidest;
        b.res1 = b.res2 = b.res3 = b.res4 = 255;
        for (KeyInfo &k : b.keyInfo)
            k = {255, 255, 255};
        b.macroName = longName;
    }
    for (LedModeSetting &m : p.ledModes) {
        m.rgb = QColor::fromRgba64(65535, 65535, 65535, 65535);
        m.h = m.s = m.v = m.bright = m.breath = kWidest;
    }
    p.profileName = longName;
    p.profilePath = QString(4096, QChar(0x4E2D));
    return p;
}

mode_t modeOf(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : mode_t(-1);
}

} // namespace

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
    void keptReadsFollowEveryChange_data();
    void keptReadsFollowEveryChange();
    void writesKeepOtherKeys();
    void lockHeldForOneWriteOnly();
    void exportsStartFresh();
    void savedFilesFollowTheUmask_data();
    void savedFilesFollowTheUmask();
    void sizeLimitsLeaveRoom();
    void oversizedFilesAreNeitherReadNorReplaced_data();
    void oversizedFilesAreNeitherReadNorReplaced();
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
    // A name that cannot be a folder of Configs keeps its list in Config.ini.
    for (const char *unusable : {"../up", "Config.ini"}) {
        QVERIFY(setCurrentProductName(QLatin1String(unusable)));
        QCOMPARE(productConfigFilePath(), configFilePath());
    }
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

    // A language file name is a file under lang/, never a way out of it.
    QVERIFY(writeFileBytes(configFilePath(), "[FONT_LIST]\nLANGNUM=3\nLangFile_0=../../etc/passwd\n"
                                             "LangFile_1=sc\nLangFile_2=/etc/passwd\n"));
    readFontList(fonts);
    QCOMPARE(fonts.files[0], QString());
    QCOMPARE(fonts.files[1], QStringLiteral("sc"));
    QCOMPARE(fonts.files[2], QString());

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

void TestConfigFile::keptReadsFollowEveryChange_data()
{
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("rewritten in place") << true;
    QTest::newRow("replaced by a rename") << false;
}

void TestConfigFile::keptReadsFollowEveryChange()
{
    // A file unchanged for a while is read from memory; another program's
    // same-sized change that even puts the old modification time back must show.
    QFETCH(bool, inPlace);
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(writeDiffFlag(1));
    const QString path = configFilePath();
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    QTest::qWait(1100);
    QCOMPARE(readDiffFlag(), 1);
    QCOMPARE(readDiffFlag(), 1);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    QVERIFY(bytes.contains("Diff=1"));
    bytes.replace("Diff=1", "Diff=0");
    const QString written = inPlace ? path : path + QStringLiteral(".other");
    QFile out(written);
    QVERIFY(out.open(QIODevice::ReadWrite)); // no truncation: the size never changes
    QCOMPARE(out.write(bytes), qint64(bytes.size()));
    out.close();
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(written).constData(), times, 0), 0);
    if (!inPlace)
        QCOMPARE(::rename(QFile::encodeName(written).constData(), QFile::encodeName(path).constData()), 0);
    QCOMPARE(readDiffFlag(), 0);
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

    // A Config.ini that links to a file inside Configs keeps linking there.
    const QString inside = configDir() + "/shared.ini";
    QVERIFY(QFile::rename(configFilePath(), inside));
    QVERIFY(QFile::link(inside, configFilePath()));
    QVERIFY(writeDiffFlag(0));
    QVERIFY(QFileInfo(configFilePath()).isSymLink());
    QVERIFY(readFileBytes(inside).contains("Diff=0"));
    QCOMPARE(readDiffFlag(), 0);
    QCOMPARE(mouseSensor(), 3327);

    // One that links out of Configs is never written through.
    QVERIFY(QFile::remove(configFilePath()));
    QVERIFY(QFile::rename(inside, app.filePath("shared.ini")));
    QVERIFY(QFile::link(app.filePath("shared.ini"), configFilePath()));
    const QByteArray outside = readFileBytes(app.filePath("shared.ini"));
    QVERIFY(!writeDiffFlag(1));
    QVERIFY(QFileInfo(configFilePath()).isSymLink());
    QCOMPARE(readFileBytes(app.filePath("shared.ini")), outside);
    QCOMPARE(readDiffFlag(), 0);
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

void TestConfigFile::exportsStartFresh()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    const QString file = app.filePath("out.conf");
    QVERIFY(writeFileBytes(file, "[Junk]\nleft=over\n[PROFILE_9]\ndpi=3\n"));
    const MouseSettings settings = sampleSettings(3);
    QVERIFY(exportSettings(settings, file));
    const QByteArray bytes = readFileBytes(file);
    QVERIFY(!bytes.contains("Junk"));
    QVERIFY(!bytes.contains("PROFILE_9"));
    QCOMPARE(readMouseName(file), currentProductName());
    QVERIFY(isSettingsExport(file));

    // A missing folder outside Configs is a mistyped path, not one to make.
    QVERIFY(!exportSettings(settings, app.filePath("no/such/folder/out.conf")));
    QVERIFY(!QFileInfo::exists(app.filePath("no")));
    // Folders of the program's own are made.
    QVERIFY(saveProfile(settings.profiles[0], configDir() + "/NewProduct/Profile/a.prof"));
}

void TestConfigFile::savedFilesFollowTheUmask_data()
{
    QTest::addColumn<int>("mask");
    QTest::newRow("077") << 077;
    QTest::newRow("022") << 022;
    QTest::newRow("002") << 002;
}

void TestConfigFile::savedFilesFollowTheUmask()
{
    QFETCH(int, mask);
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(::chmod(QFile::encodeName(configFilePath()).constData(), 0640) == 0);
    const mode_t previous = ::umask(mode_t(mask));
    const bool saved = setLangId(1) && saveProfileByName(sampleProfile(2), "Fresh")
                       && exportSettings(sampleSettings(2), app.filePath("out.conf")) && writeDiffFlag(1);
    ::umask(previous);
    QVERIFY(saved);
    const mode_t fresh = 0666 & ~mode_t(mask);
    QCOMPARE(modeOf(langConfigFilePath()), fresh);
    QCOMPARE(modeOf(profileFilePath("Fresh")), fresh);
    QCOMPARE(modeOf(app.filePath("out.conf")), fresh);
    // A file that is replaced keeps its own permissions.
    QCOMPARE(modeOf(configFilePath()), mode_t(0640));
}

void TestConfigFile::sizeLimitsLeaveRoom()
{
    // The limits leave four times the room of the largest file of each kind.
    AppDirFixture app;
    QVERIFY(app.isValid());
    MouseSettings settings;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        settings.profiles[i] = widestProfile();
        settings.profileNames[i] = QString(SAFE_NAME_MAX_UTF8_BYTES / 3 - 1, QChar(0x4E2D)) + QString::number(i);
    }
    const QString profile = app.filePath("widest.prof");
    const QString exported = app.filePath("widest.conf");
    QVERIFY(saveProfile(settings.profiles[0], profile));
    QVERIFY(exportSettings(settings, exported));
    MacroFile macro;
    macro.defaultDelay = std::numeric_limits<int>::min();
    macro.loopTime = std::numeric_limits<int>::min();
    macro.events.fill({255, 255, 255}, MACRO_MAX_EVENTS);
    const QString name(SAFE_NAME_MAX_UTF8_BYTES / 3, QChar(0x4E2D));
    QVERIFY(saveMacroFile(name, macro));
    const struct {
        QString path;
        qint64 limit;
    } files[] = {
        {profile, INI_PROFILE_FILE_MAX_BYTES},
        {exported, INI_FILE_MAX_BYTES},
        {macroFilePath(name), INI_MACRO_FILE_MAX_BYTES},
    };
    for (const auto &file : files) {
        const qint64 size = QFileInfo(file.path).size();
        qInfo().noquote() << QFileInfo(file.path).suffix() << size << "bytes, limit" << file.limit;
        QVERIFY2(size > 0 && size * 4 <= file.limit, qPrintable(file.path));
        QCOMPARE(iniFileSizeLimit(file.path), file.limit);
    }
}

void TestConfigFile::oversizedFilesAreNeitherReadNorReplaced_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<qint64>("limit");
    QTest::newRow("Config.ini") << "Configs/Config.ini" << INI_FILE_MAX_BYTES;
    QTest::newRow("profile") << "Configs/Profile/Big.prof" << INI_PROFILE_FILE_MAX_BYTES;
    QTest::newRow("macro") << "Configs/MacroDB/Big.MSMACRO" << INI_MACRO_FILE_MAX_BYTES;
}

void TestConfigFile::oversizedFilesAreNeitherReadNorReplaced()
{
    QFETCH(QString, relative);
    QFETCH(qint64, limit);
    AppDirFixture app;
    QVERIFY(app.isValid());
    const QString path = app.filePath(relative);
    QByteArray bytes = "[Config]\nDiff=1\n[PROFILE]\ndpi=3\n[Setting]\nCount=1\n[Junk]\n";
    for (int i = 0; bytes.size() <= limit; ++i)
        bytes += "k" + QByteArray::number(i) + "=" + QByteArray(60, 'x') + "\n";
    QVERIFY(writeFileBytes(path, bytes));
    const IniFile ini(path);
    QCOMPARE(ini.intValue("Config/Diff"), 0);
    QCOMPARE(ini.intValue("PROFILE/dpi"), 0);
    QCOMPARE(ini.intValue("Setting/Count"), 0);
    QVERIFY(!ini.hasGroups({"Junk"}));
    IniWriter writer(path);
    writer->setValue("Config/Diff", 0);
    QVERIFY(!writer.commit());
    QCOMPARE(readFileBytes(path), bytes);
}

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
