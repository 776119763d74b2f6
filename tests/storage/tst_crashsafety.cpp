// Saves killed with SIGKILL at many points: afterwards every file the program
// reads is its old or its new version, never torn, the program loads it, and
// the next save goes through (a killed writer's lock does not block it).
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/MacroFiles.h"
#include "storage/ProfileLibrary.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/SettingsSamples.h"
#include <QDirIterator>
#include <QElapsedTimer>
#include <QtTest>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

enum class Save { Settings, Export, Import, ProfileExport, ProfileImport, Macro, MacroList, ProfileList };

constexpr int KILL_POINTS = 16;
const char *const kReadSuffixes[] = {".ini", ".prof", ".MSMACRO", ".conf", ".bin"};

// Every file the program would read below the folder, by relative path.
using Files = QMap<QString, QByteArray>;

Files readableFiles(const QString &root)
{
    Files files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (std::any_of(std::begin(kReadSuffixes), std::end(kReadSuffixes),
                        [&](const char *suffix) { return path.endsWith(QLatin1String(suffix)); }))
            files.insert(QDir(root).relativeFilePath(path), readFileBytes(path));
    }
    return files;
}

void restore(const QString &root, const Files &files)
{
    QDir(root).removeRecursively();
    for (auto it = files.begin(); it != files.end(); ++it)
        writeFileBytes(root + QLatin1Char('/') + it.key(), it.value());
}

QString exportPath() { return configDir() + QStringLiteral("/../settings.conf"); }
QString profileExportPath() { return configDir() + QStringLiteral("/../Slot.prof"); }
QString importSource(int version) { return configDir() + QStringLiteral("/../import-%1.conf").arg(version); }
QString profileImportSource(int version) { return configDir() + QStringLiteral("/../import-%1.prof").arg(version); }

MacroFile sampleMacro(int version)
{
    MacroFile macro;
    macro.defaultDelay = 10 * (version + 1);
    macro.loopTime = version + 1;
    for (int i = 0; i < 40 + 20 * version; ++i)
        macro.events.append({uint8_t(i % 2 ? MacroKey : MacroKey | MacroPress), 0, uint8_t(4 + i % 20 + version)});
    return macro;
}

QStringList macroList(int version)
{
    QStringList names;
    for (int i = 0; i < 10 + 30 * version; ++i)
        names << QStringLiteral("macro %1.%2").arg(version).arg(i);
    return names;
}

QStringList profileList(int version)
{
    QStringList names;
    for (int i = 0; i < 20 + 100 * version; ++i)
        names << QStringLiteral("library %1.%2").arg(version).arg(i);
    return names;
}

QStringList loadProfileList()
{
    const IniFile ini(productConfigFilePath());
    QStringList names;
    for (int i = 1; i <= ini.intValue(QStringLiteral("PROFILE_LIST/Count")); ++i)
        names << ini.stringValue(QStringLiteral("PROFILE_LIST/%1").arg(i));
    return names;
}

// Writes version 0 (the old state) or 1 (the new one).
bool save(Save kind, int version)
{
    const MouseSettings settings = sampleSettings(version + 1);
    switch (kind) {
    case Save::Settings:
        return saveSettings(settings);
    case Save::Export:
        return writeMouseName(QStringLiteral("TREVIK"), exportPath()) && exportSettings(settings, exportPath());
    case Save::Import: {
        MouseSettings imported = sampleSettings(1);
        return importSettings(imported, importSource(version)) == 0 && saveSettings(imported);
    }
    case Save::ProfileExport:
        return saveProfile(settings.profiles[2], profileExportPath());
    case Save::ProfileImport: {
        ProfileData profile;
        return loadProfile(profile, profileImportSource(version)) == 0
            && saveProfileByName(profile, QStringLiteral("Imported"));
    }
    case Save::Macro:
        return saveMacroFile(QStringLiteral("recoil"), sampleMacro(version));
    case Save::MacroList:
        return writeMacroNames(macroList(version));
    case Save::ProfileList:
        return saveProfileFileList(profileList(version));
    }
    return false;
}

// Empty when the program reads one of the two versions whole.
QString loadProblem(Save kind)
{
    const auto oneOf = [](auto loaded, auto old, auto now) { return loaded == old || loaded == now; };
    switch (kind) {
    case Save::Settings:
    case Save::Import: {
        MouseSettings loaded;
        if (!loadSettings(loaded))
            return QStringLiteral("Config.ini not read");
        // An import keeps the lighting power entries of the installation.
        for (int i = 0; i < PROFILE_COUNT; ++i) {
            const QString old = profileDifference(loaded.profiles[i], sampleSettings(1).profiles[i], CompareLedPower::No);
            const QString now = profileDifference(loaded.profiles[i], sampleSettings(2).profiles[i], CompareLedPower::No);
            if (!old.isEmpty() && !now.isEmpty())
                return QStringLiteral("slot %1 (%2) is neither version: %3").arg(i).arg(loaded.profileNames[i], old);
        }
        return QString();
    }
    case Save::Export:
        return isSettingsExport(exportPath()) && readMouseName(exportPath()) == QLatin1String("TREVIK")
            ? QString() : QStringLiteral("export unreadable");
    case Save::ProfileExport:
        return isProfileFile(profileExportPath()) ? QString() : QStringLiteral("profile export unreadable");
    case Save::ProfileImport: {
        ProfileData loaded;
        if (loadProfileByName(loaded, QStringLiteral("Imported")) < 0)
            return QStringLiteral("imported profile missing");
        return profileDifference(loaded, sampleSettings(1).profiles[2]).isEmpty()
                || profileDifference(loaded, sampleSettings(2).profiles[2]).isEmpty()
            ? QString() : QStringLiteral("imported profile is neither version");
    }
    case Save::Macro: {
        MacroFile loaded;
        loadMacroFile(QStringLiteral("recoil"), loaded);
        return oneOf(loaded.events, sampleMacro(0).events, sampleMacro(1).events) ? QString()
                                                                                  : QStringLiteral("macro torn");
    }
    case Save::MacroList:
        return oneOf(macroNames(), macroList(0), macroList(1)) ? QString() : QStringLiteral("macro list torn");
    case Save::ProfileList:
        return oneOf(loadProfileList(), profileList(0), profileList(1)) ? QString()
                                                                        : QStringLiteral("profile list torn");
    }
    return QStringLiteral("unknown save");
}

// Runs the new save in a child, killed `delayUs` after it starts.
void killSaveAfter(Save kind, int delayUs)
{
    int ready[2];
    QVERIFY(pipe(ready) == 0);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        close(ready[0]);
        const char go = 1;
        (void)!write(ready[1], &go, 1);
        _exit(save(kind, 1) ? 0 : 1);
    }
    close(ready[1]);
    char go = 0;
    (void)!read(ready[0], &go, 1);
    close(ready[0]);
    usleep(useconds_t(delayUs));
    kill(child, SIGKILL);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
}

} // namespace

Q_DECLARE_METATYPE(Save)

class TestCrashSafety : public QObject
{
    Q_OBJECT
private slots:
    void killedSaveLeavesOldOrNew_data();
    void killedSaveLeavesOldOrNew();
    void emptyLockOfAKilledWriterIsTakenOver();
};

void TestCrashSafety::killedSaveLeavesOldOrNew_data()
{
    QTest::addColumn<Save>("kind");
    QTest::newRow("saveSettings") << Save::Settings;
    QTest::newRow("settings export") << Save::Export;
    QTest::newRow("settings import") << Save::Import;
    QTest::newRow("profile export") << Save::ProfileExport;
    QTest::newRow("profile import") << Save::ProfileImport;
    QTest::newRow("macro save") << Save::Macro;
    QTest::newRow("MACRO_LIST update") << Save::MacroList;
    QTest::newRow("PROFILE_LIST update") << Save::ProfileList;
}

void TestCrashSafety::killedSaveLeavesOldOrNew()
{
    QFETCH(Save, kind);
    AppDirFixture app;
    QVERIFY(app.isValid());
    const QString root = app.path();
    // The files imports read, made by the program itself.
    for (int version : {0, 1}) {
        QVERIFY(exportSettings(sampleSettings(version + 1), importSource(version)));
        QVERIFY(saveProfile(sampleSettings(version + 1).profiles[2], profileImportSource(version)));
    }
    QVERIFY(save(kind, 0));
    const Files before = readableFiles(root);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(save(kind, 1));
    // Kill points spread over the save's own duration (measured, never asserted).
    const qint64 durationUs = std::max<qint64>(timer.nsecsElapsed() / 1000, KILL_POINTS);
    const Files after = readableFiles(root);
    QVERIFY(before != after);

    for (int point = 0; point < KILL_POINTS; ++point) {
        restore(root, before);
        killSaveAfter(kind, int(durationUs * point / KILL_POINTS));
        const Files now = readableFiles(root);
        for (auto it = now.begin(); it != now.end(); ++it) {
            const bool old = before.value(it.key()) == it.value() && before.contains(it.key());
            const bool fresh = after.value(it.key()) == it.value() && after.contains(it.key());
            QVERIFY2(old || fresh, qPrintable(QStringLiteral("%1 torn at kill point %2").arg(it.key()).arg(point)));
        }
        for (const QString &file : before.keys())
            QVERIFY2(now.contains(file) || !after.contains(file), qPrintable(file + QStringLiteral(" lost")));
        const QString problem = loadProblem(kind);
        QVERIFY2(problem.isEmpty(), qPrintable(problem + QStringLiteral(" at kill point %1").arg(point)));
    }
    // A killed writer leaves its lock behind; the next save takes it over.
    QVERIFY(save(kind, 1));
    QCOMPARE(readableFiles(root), after);
}

void TestCrashSafety::emptyLockOfAKilledWriterIsTakenOver()
{
    // What a writer killed right after creating its lock file leaves.
    AppDirFixture app;
    QVERIFY(writeFileBytes(configFilePath() + QStringLiteral(".lock"), QByteArray()));
    QVERIFY(writeDiffFlag(1));
    QCOMPARE(readDiffFlag(), 1);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
