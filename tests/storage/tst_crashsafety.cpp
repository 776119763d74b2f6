// Saves killed with SIGKILL after each of their writes, renames and syncs in
// turn: afterwards every file the program reads is its old or its new
// version, never torn, the program loads it, and the next save goes through
// and leaves no lock or temporary file of the killed one behind.
#include "storage/AppPaths.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "storage/MacroFiles.h"
#include "storage/ProfileLibrary.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/SettingsSamples.h"
#include <QDirIterator>
#include <QtTest>
#include <algorithm>
#include <csignal>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

// tests/shim/killpoint.cpp
extern "C" long killpoint_calls();
extern "C" void killpoint_arm(long killAt);

namespace {

enum class Save { Settings, Export, Import, ProfileExport, ProfileImport, Macro, MacroList, ProfileList };

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

// Every file below the folder, locks and temporary files too.
Files allFiles(const QString &root)
{
    Files files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), readFileBytes(path));
    }
    return files;
}

// What the checks after a kill depend on: the readable files, and which kinds
// of leftovers (locks, work files, QSaveFile's files) lie beside them, their
// random name parts aside. Kills that leave the same shape are checked once.
QByteArray shapeOf(const Files &whole)
{
    static const QRegularExpression workName(QStringLiteral("(\\.saving-)[^./]{6}"));
    static const QRegularExpression saveFileName(QStringLiteral("\\.[^./]{6}$"));
    QByteArray shape;
    for (auto it = whole.begin(); it != whole.end(); ++it) {
        const bool readable = std::any_of(std::begin(kReadSuffixes), std::end(kReadSuffixes),
                                          [&](const char *suffix) { return it.key().endsWith(QLatin1String(suffix)); });
        QString name = it.key();
        name.replace(workName, QStringLiteral("\\1*")).replace(saveFileName, QStringLiteral(".*"));
        shape += name.toUtf8() + '\0' + (readable ? it.value() : QByteArray()) + '\0';
    }
    return shape;
}

// Brings the folder from `now` back to `files`, touching only what differs.
void restoreFrom(const QString &root, const Files &now, const Files &files)
{
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (!files.contains(it.key()))
            QFile::remove(root + QLatin1Char('/') + it.key());
    }
    for (auto it = files.begin(); it != files.end(); ++it) {
        if (!now.contains(it.key()) || now.value(it.key()) != it.value())
            writeFileBytes(root + QLatin1Char('/') + it.key(), it.value());
    }
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

// The number of file steps the new save takes, counted in a child.
long saveSteps(Save kind)
{
    int counted[2];
    if (pipe(counted) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(counted[0]);
        killpoint_arm(0);
        const long steps = save(kind, 1) ? killpoint_calls() : -1;
        (void)!write(counted[1], &steps, sizeof steps);
        _exit(0);
    }
    close(counted[1]);
    long steps = -1;
    if (child < 0 || read(counted[0], &steps, sizeof steps) != sizeof steps)
        steps = -1;
    close(counted[0]);
    waitpid(child, nullptr, 0);
    return steps;
}

// Runs the new save in a child that is killed right after its step-th file step.
void killSaveAfterStep(Save kind, long step)
{
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        killpoint_arm(step);
        save(kind, 1);
        _exit(0);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
             qPrintable(QStringLiteral("the save ended before step %1 (status %2)").arg(step).arg(status)));
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
    const Files wholeBefore = allFiles(root);
    const long steps = saveSteps(kind);
    QVERIFY2(steps > 0, "the save could not be counted");
    QVERIFY(save(kind, 1));
    const Files after = readableFiles(root);
    const Files wholeAfter = allFiles(root);
    QVERIFY(before != after);

    int midSave = 0;
    std::set<QByteArray> checkedShapes;
    Files current = wholeAfter;
    // A sample of the kill points where each costs much more (sanitizers); the first and last always.
    const long stride = std::max(1, qEnvironmentVariableIntValue("MOUSECFG_KILL_POINT_STRIDE"));
    const auto next = [&](long step) { return step < steps ? std::min(step + stride, steps) : steps + 1; };
    for (long step = 1; step <= steps; step = next(step)) {
        restoreFrom(root, current, wholeBefore);
        killSaveAfterStep(kind, step);
        if (QTest::currentTestFailed())
            return;
        const Files whole = allFiles(root);
        current = whole;
        if (whole != wholeBefore && whole != wholeAfter)
            ++midSave;
        if (!checkedShapes.insert(shapeOf(whole)).second)
            continue;
        const Files now = readableFiles(root);
        for (auto it = now.begin(); it != now.end(); ++it) {
            const bool old = before.value(it.key()) == it.value() && before.contains(it.key());
            const bool fresh = after.value(it.key()) == it.value() && after.contains(it.key());
            QVERIFY2(old || fresh, qPrintable(QStringLiteral("%1 torn at step %2").arg(it.key()).arg(step)));
        }
        for (const QString &file : before.keys())
            QVERIFY2(now.contains(file) || !after.contains(file), qPrintable(file + QStringLiteral(" lost")));
        const QString problem = loadProblem(kind);
        QVERIFY2(problem.isEmpty(), qPrintable(problem + QStringLiteral(" at step %1").arg(step)));
        // The killed writer's lock does not block the next save, which leaves
        // none of its lock or temporary files behind.
        QVERIFY2(save(kind, 1), qPrintable(QStringLiteral("no save after step %1").arg(step)));
        current = allFiles(root);
        QCOMPARE(current.keys(), wholeAfter.keys());
        QCOMPARE(readableFiles(root), after);
    }
    qInfo("%d of %ld kill points landed mid-save, %d kinds of state checked", midSave, steps,
          int(checkedShapes.size()));
    QVERIFY(midSave > 0);
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
