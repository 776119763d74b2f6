// Where the settings live: in the application folder's Configs for a build
// tree or a portable copy, in the user's own copy of it for an installation,
// which is made once and never overwritten.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/MacroFiles.h"
#include "storage/UserConfig.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/SettingsSamples.h"
#include "tests/support/TreeSnapshot.h"
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

constexpr uid_t kNobody = 65534;

// What makes the application folder an installation.
enum class Reason { Marker, Environment, ReadOnlyConfigs };
Q_DECLARE_METATYPE(Reason)

namespace {

const char *const kInstalledFiles[] = {"Config.ini", "MacroDB/Installed.MSMACRO", "TREVIK/Config.ini"};

// An application folder with a few more installed files than Config.ini, in
// nested folders, as an installation might ship them.
bool addInstalledExtras(const AppDirFixture &app)
{
    return writeFileBytes(app.filePath("Configs/MacroDB/Installed.MSMACRO"), "[Setting]\nCount=0\n")
           && writeFileBytes(app.filePath("Configs/TREVIK/Config.ini"), "[PROFILE_LIST]\nCount=0\n");
}

bool makeInstallation(const AppDirFixture &app, Reason reason)
{
    switch (reason) {
    case Reason::Marker:
        return writeFileBytes(app.filePath(kPerUserMarkerFile), "installed\n");
    case Reason::Environment:
        qputenv(kPerUserEnvironmentVariable, "1");
        return true;
    case Reason::ReadOnlyConfigs:
        return setTreeWritable(app.filePath("Configs"), false);
    }
    return false;
}

int intKey(const QString &file, const QString &key)
{
    return QSettings(file, QSettings::IniFormat).value(key).toInt();
}

} // namespace

class TestUserConfig : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void writableFolderKeepsItsConfigs();
    void missingFolderKeepsPlainLayout();
    void installationUsesUserCopy_data();
    void installationUsesUserCopy();
    void secondStartKeepsUserChanges();
    void upgradeBringsInstalledTables();
    void cutShortCopyIsCompleted();
    void copiesOfReadOnlyFilesAreWritable();
    void configHomeFollowsEnvironment();

private:
    QScopedPointer<QTemporaryDir> m_home;
};

void TestUserConfig::init()
{
    m_home.reset(new QTemporaryDir);
    QVERIFY(m_home->isValid());
    qputenv("HOME", m_home->path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (m_home->path() + "/xdg").toLocal8Bit());
    qunsetenv(kPerUserEnvironmentVariable);
}

void TestUserConfig::cleanup()
{
    qunsetenv(kPerUserEnvironmentVariable);
    setAppDir(QString());
}

void TestUserConfig::writableFolderKeepsItsConfigs()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QCOMPARE(configDir(), app.filePath("Configs"));
    QVERIFY(saveSettings(sampleSettings(1)));
    QVERIFY(setLangId(2));
    QCOMPARE(intKey(app.filePath("Configs/LangConfig.ini"), "Config/LangID"), 2);
    QVERIFY(!QFileInfo::exists(m_home->path() + "/xdg/mousecfg"));
    // The probe for a writable folder leaves nothing behind.
    QCOMPARE(QDir(app.filePath("Configs")).entryList(QDir::Files | QDir::Hidden),
             QStringList({"Config.ini", "LangConfig.ini"}));
}

void TestUserConfig::missingFolderKeepsPlainLayout()
{
    QTemporaryDir parent;
    const QString missing = parent.path() + "/not-there";
    setAppDir(missing);
    QCOMPARE(configDir(), missing + "/Configs");
    QVERIFY(!QFileInfo::exists(m_home->path() + "/xdg/mousecfg"));
}

void TestUserConfig::installationUsesUserCopy_data()
{
    QTest::addColumn<Reason>("reason");
    QTest::newRow("installation marker") << Reason::Marker;
    QTest::newRow("MOUSECFG_USER_CONFIG=1") << Reason::Environment;
    QTest::newRow("read-only Configs") << Reason::ReadOnlyConfigs;
}

void TestUserConfig::installationUsesUserCopy()
{
    QFETCH(Reason, reason);
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(addInstalledExtras(app));
    QVERIFY(makeInstallation(app, reason));
    // Folder permissions do not bind root: root runs the case as nobody, in a
    // child that owns the home folder and may read the application folder.
    pid_t child = -1;
    if (reason == Reason::ReadOnlyConfigs && geteuid() == 0) {
        QCOMPARE(::chmod(QFile::encodeName(app.path()).constData(), 0755), 0);
        QCOMPARE(::chown(QFile::encodeName(m_home->path()).constData(), kNobody, kNobody), 0);
        child = fork();
        QVERIFY(child >= 0);
        if (child > 0) {
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            setTreeWritable(app.filePath("Configs"), true);
            QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, "the case failed as nobody (see above)");
            return;
        }
        if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(2);
        QVERIFY(!QFileInfo(app.filePath("Configs")).isWritable());
    }
    // As nobody, the rest runs in the child, whose failures show as the parent's.
    const auto leave = qScopeGuard([child] {
        if (child == 0)
            _exit(QTest::currentTestFailed() ? 1 : 0);
    });
    setAppDir(app.path());
    const TreeSnapshot installed = snapshotTree(app.path());

    const QString user = m_home->path() + "/xdg/mousecfg/Configs";
    QCOMPARE(configDir(), user);
    QCOMPARE(userConfigDir(), user);
    for (const QString file : kInstalledFiles)
        QCOMPARE(readFileBytes(user + "/" + file), readFileBytes(app.filePath("Configs/" + file)));

    // Every kind of file the program writes goes to the user's copy.
    MouseSettings settings = sampleSettings(2);
    QVERIFY(saveSettings(settings));
    QVERIFY(setLangId(1));
    QVERIFY(writeDiffFlag(1));
    QVERIFY(setCurrentProductName("TREVIK"));
    QVERIFY(writeDefaultProfileFile());
    MacroFile macro;
    macro.defaultDelay = 10;
    macro.events = {{MacroKey | MacroPress, 0, 0x1e}, {MacroKey, 0, 0x1e}};
    QVERIFY(saveMacroFile("Mine", macro));
    QVERIFY(addMacroName("Mine"));
    QVERIFY(QFileInfo::exists(user + "/Profile/" + settings.profileNames[0] + ".prof"));
    QVERIFY(QFileInfo::exists(user + "/Profile/DefaultProfile.prof"));
    QVERIFY(QFileInfo::exists(user + "/MacroDB/Mine.MSMACRO"));
    QCOMPARE(intKey(user + "/LangConfig.ini", "Config/LangID"), 1);
    QCOMPARE(intKey(user + "/Config.ini", "Config/Diff"), 1);
    QCOMPARE(macroNames(), QStringList({"Mine"}));

    MouseSettings reread;
    QVERIFY(loadSettings(reread));
    QCOMPARE(settingsDifference(reread, settings), QString());
    QCOMPARE(treeDifferences(installed, snapshotTree(app.path())), QStringList());
    setTreeWritable(app.filePath("Configs"), true);
}

void TestUserConfig::secondStartKeepsUserChanges()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(makeInstallation(app, Reason::Marker));
    setAppDir(app.path());
    const QString user = configDir();
    QVERIFY(saveCurrentProfileId(3));
    QVERIFY(QFile::remove(user + "/TREVIK/Config.ini") || !QFileInfo::exists(user + "/TREVIK/Config.ini"));

    // An upgrade changes the installed template and adds a file.
    QVERIFY(writeFileBytes(app.filePath("Configs/Config.ini"), "[Config]\nProfileID=1\n"));
    QVERIFY(addInstalledExtras(app));

    setAppDir(app.path()); // the next start
    QCOMPARE(configDir(), user);
    QCOMPARE(intKey(user + "/Config.ini", "Config/ProfileID"), 3);
    QVERIFY(!QFileInfo::exists(user + "/MacroDB/Installed.MSMACRO"));
    MouseSettings settings;
    QVERIFY(loadSettings(settings));
    QCOMPARE(settings.profileId, 3);
}

void TestUserConfig::upgradeBringsInstalledTables()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(makeInstallation(app, Reason::Marker));
    setAppDir(app.path());
    const QString user = configDir() + "/Config.ini";
    QVERIFY(saveCurrentProfileId(2));
    QVERIFY(setCurrentProductName("TREVIK"));
    {
        // A table entry the program never writes, changed by hand.
        QSettings edited(user, QSettings::IniFormat);
        edited.setValue("MouseSenSor/1", 1);
    }

    // The upgrade adds a language and a model and drops a font size.
    {
        QSettings upgraded(app.filePath("Configs/Config.ini"), QSettings::IniFormat);
        upgraded.setIniCodec("UTF-8");
        upgraded.setValue("FONT_LIST/LANGNUM", 4);
        upgraded.setValue("FONT_LIST/LangName_3", "Deutsch");
        upgraded.setValue("FONT_LIST/LangFile_3", "de");
        upgraded.remove("FONT_LIST/FONT_SIZE_2");
        upgraded.setValue("Mouse_List/1", "TREVIK PRO");
        upgraded.setValue("Config/ProfileID", 4);
    }
    QSettings installed(app.filePath("Configs/Config.ini"), QSettings::IniFormat);
    installed.setIniCodec("UTF-8");

    setAppDir(app.path()); // the next start
    QCOMPARE(configDir() + "/Config.ini", user);
    QSettings refreshed(user, QSettings::IniFormat);
    refreshed.setIniCodec("UTF-8");
    for (const QString &key : installed.allKeys()) {
        if (!key.startsWith("Config/"))
            QCOMPARE(refreshed.value(key), installed.value(key));
    }
    QVERIFY(!refreshed.contains("FONT_LIST/FONT_SIZE_2"));
    QCOMPARE(refreshed.value("MouseSenSor/1").toInt(), installed.value("MouseSenSor/1").toInt());
    QCOMPARE(refreshed.value("Config/ProfileID").toInt(), 2);
    QCOMPARE(currentProductName(), QStringLiteral("TREVIK"));

    // Unchanged tables leave the file alone.
    const QByteArray before = readFileBytes(user);
    setAppDir(app.path());
    QCOMPARE(configDir() + "/Config.ini", user);
    QCOMPARE(readFileBytes(user), before);
}

void TestUserConfig::cutShortCopyIsCompleted()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(addInstalledExtras(app));
    QVERIFY(makeInstallation(app, Reason::Marker));
    const QString user = m_home->path() + "/xdg/mousecfg/Configs";
    // A first start stopped after one file, which the user has since changed.
    QVERIFY(writeFileBytes(user + "/MacroDB/Installed.MSMACRO", "[Setting]\nCount=1\n"));
    QVERIFY(writeFileBytes(user + "/Config.ini.seeding", "[Config]\nProf"));

    setAppDir(app.path());
    QCOMPARE(configDir(), user);
    QCOMPARE(readFileBytes(user + "/Config.ini"), readFileBytes(app.filePath("Configs/Config.ini")));
    QCOMPARE(readFileBytes(user + "/TREVIK/Config.ini"), readFileBytes(app.filePath("Configs/TREVIK/Config.ini")));
    QCOMPARE(readFileBytes(user + "/MacroDB/Installed.MSMACRO"), QByteArray("[Setting]\nCount=1\n"));
    QVERIFY(!QFileInfo::exists(user + "/Config.ini.seeding"));
}

void TestUserConfig::copiesOfReadOnlyFilesAreWritable()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(addInstalledExtras(app));
    QVERIFY(setTreeWritable(app.filePath("Configs"), false));
    QVERIFY(makeInstallation(app, Reason::Marker));
    setAppDir(app.path());
    // The copies are made as the umask allows, not with permissions of their own.
    const mode_t previous = umask(077);
    const QString user = configDir();
    umask(previous);
    for (const QString file : kInstalledFiles) {
        QVERIFY2(QFileInfo(user + "/" + file).permissions() & QFile::WriteOwner, qPrintable(file));
        QCOMPARE(QFileInfo(user + "/" + file).permissions() & 0x0777, QFile::Permissions(QFile::ReadUser | QFile::WriteUser));
        QVERIFY(!(QFileInfo(app.filePath("Configs/" + file)).permissions() & QFile::WriteOwner));
    }
    QVERIFY(saveCurrentProfileId(4));
    QCOMPARE(intKey(user + "/Config.ini", "Config/ProfileID"), 4);
    setTreeWritable(app.filePath("Configs"), true);
}

void TestUserConfig::configHomeFollowsEnvironment()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(makeInstallation(app, Reason::Marker));
    qunsetenv("XDG_CONFIG_HOME");
    setAppDir(app.path());
    QCOMPARE(configDir(), m_home->path() + "/.config/mousecfg/Configs");
    QVERIFY(QFileInfo::exists(m_home->path() + "/.config/mousecfg/Configs/Config.ini"));
}

QTEST_GUILESS_MAIN(TestUserConfig)
#include "tst_userconfig.moc"
