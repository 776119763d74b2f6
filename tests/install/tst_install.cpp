// cmake --install into a staging folder (DESTDIR): the layout a Linux desktop
// expects, and the installed programs running from a read-only installation
// with a fresh home, where every setting lands under the home.
#include "tests/support/TreeSnapshot.h"
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kAppDir = QStringLiteral("usr/lib/mousecfg");

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runProgram(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(300000)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The entries of the [Desktop Entry] group of a .desktop file.
QMap<QString, QString> desktopEntry(const QString &path)
{
    QFile file(path);
    QMap<QString, QString> entry;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    bool inGroup = false;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            entry.insert(line.section(QLatin1Char('='), 0, 0).trimmed(), line.section(QLatin1Char('='), 1).trimmed());
    }
    return entry;
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void layout_data();
    void layout();
    void everyBuiltProgramInstalled();
    void settingsTemplateFromSources();
    void menuIcon();
    void desktopEntries_data();
    void desktopEntries();
    void launcherFindsApplicationFolder();
    void settingsGoToHome();

private:
    QString staged(const QString &relative) const { return m_stage.path() + QLatin1Char('/') + relative; }
    QProcessEnvironment homeEnvironment() const;

    QString m_binaryDir;
    QString m_appDirInBuild;
    QTemporaryDir m_stage;
    QTemporaryDir m_home;
};

void TestInstall::initTestCase()
{
    m_binaryDir = qEnvironmentVariable("MOUSECFG_BINARY_DIR");
    m_appDirInBuild = qEnvironmentVariable("MOUSECFG_APPDIR");
    if (m_binaryDir.isEmpty() || m_appDirInBuild.isEmpty())
        QSKIP("Run through CTest: MOUSECFG_BINARY_DIR and MOUSECFG_APPDIR name the build");
    QVERIFY(m_stage.isValid());
    QVERIFY(m_home.isValid());
    const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
    QVERIFY2(!cmake.isEmpty(), "cmake is not on PATH");

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DESTDIR"), m_stage.path());
    const Run install = runProgram(cmake, {"--install", m_binaryDir, "--prefix", "/usr"}, environment);
    QVERIFY2(install.exitCode == 0, install.err.constData());
}

void TestInstall::cleanupTestCase()
{
    // Read-only folders would stop the staging folder from being removed.
    setTreeWritable(m_stage.path(), true);
}

void TestInstall::layout_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    const QStringList programs = {"usr/bin/mousecfg", "usr/bin/mousectl", kAppDir + "/mousecfg",
                                  kAppDir + "/mousectl"};
    for (const QString &path : programs)
        QTest::newRow(qPrintable(path)) << path << true;
    const QStringList data = {kAppDir + "/DefaultProfile.bin", kAppDir + "/per-user-settings",
                              kAppDir + "/Configs/Config.ini", kAppDir + "/skin/icon.ico",
                              kAppDir + "/skin/cfgMainback.png", kAppDir + "/lang/en.qm",
                              kAppDir + "/lang/sc.qm", kAppDir + "/lang/tc.qm",
                              "usr/share/applications/mousecfg.desktop",
                              "usr/share/icons/hicolor/256x256/apps/mousecfg.png",
                              "usr/share/icons/hicolor/48x48/apps/mousecfg.png",
                              "etc/xdg/autostart/mousecfg-tray.desktop",
                              "usr/lib/udev/rules.d/70-mousecfg.rules",
                              "usr/share/man/man1/mousecfg.1.gz", "usr/share/man/man1/mousectl.1.gz",
                              "usr/share/metainfo/invalid.mousecfg.mousecfg.metainfo.xml",
                              "usr/share/bash-completion/completions/mousectl"};
    for (const QString &path : data)
        QTest::newRow(qPrintable(path)) << path << false;
}

void TestInstall::layout()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo info(staged(path));
    QVERIFY2(info.isFile(), qPrintable(path + " is missing"));
    QCOMPARE(info.isExecutable(), executable);
    QVERIFY(info.permissions() & QFile::ReadOther);
}

void TestInstall::everyBuiltProgramInstalled()
{
    // The OSD helper and the updater stand-ins included, wherever they sit in the folder;
    // the developers' programs left out.
    const QStringList developerTools = {"mousecfg-screenshots", "mousecfg-sim"};
    QStringList missing;
    int programs = 0;
    QDirIterator it(m_appDirInBuild, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString built = it.next();
        if (!QFileInfo(built).isExecutable())
            continue;
        const QString relative = QDir(m_appDirInBuild).relativeFilePath(built);
        const bool developerTool = developerTools.contains(relative);
        if (developerTool != !isExecutableFile(staged(kAppDir + "/" + relative)))
            missing << relative;
        ++programs;
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    QVERIFY(programs >= 3);
    for (const QString &tool : developerTools)
        QVERIFY2(!QFileInfo::exists(staged(kAppDir + "/" + tool)), qPrintable(tool));
}

void TestInstall::settingsTemplateFromSources()
{
    // A build folder that has been run holds its user's settings; the
    // installation holds exactly the shipped template.
    const QString source = qEnvironmentVariable("MOUSECFG_SOURCE_DIR") + "/data/Configs";
    QVERIFY(QFileInfo(source).isDir());
    const TreeSnapshot shipped = snapshotTree(source);
    const TreeSnapshot installed = snapshotTree(staged(kAppDir + "/Configs"));
    QCOMPARE(installed.keys(), shipped.keys());
    for (const QString &file : shipped.keys()) {
        if (QFileInfo(source + "/" + file).isFile()) {
            QFile a(source + "/" + file), b(staged(kAppDir + "/Configs/" + file));
            QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
            QCOMPARE(b.readAll(), a.readAll());
        }
    }
}

void TestInstall::menuIcon()
{
    for (int size : {16, 32, 48, 256}) {
        const QString path = staged(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/mousecfg.png").arg(size));
        QImage icon;
        QVERIFY2(icon.load(path, "PNG"), qPrintable(path));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
    }
}

void TestInstall::desktopEntries_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("menu") << "usr/share/applications/mousecfg.desktop" << QStringList();
    QTest::newRow("autostart") << "etc/xdg/autostart/mousecfg-tray.desktop" << QStringList{"--tray"};
}

void TestInstall::desktopEntries()
{
    QFETCH(QString, path);
    QFETCH(QStringList, arguments);
    const QMap<QString, QString> entry = desktopEntry(staged(path));
    QCOMPARE(entry.value("Type"), QStringLiteral("Application"));
    QVERIFY(!entry.value("Name").isEmpty());
    QCOMPARE(entry.value("Terminal"), QStringLiteral("false"));
    // Exec names a launcher on PATH; Icon an installed theme icon.
    const QStringList exec = entry.value("Exec").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVERIFY(!exec.isEmpty());
    QVERIFY2(isExecutableFile(staged("usr/bin/" + exec.first())), qPrintable(exec.first()));
    QCOMPARE(exec.mid(1), arguments);
    QVERIFY(QFileInfo::exists(staged("usr/share/icons/hicolor/256x256/apps/" + entry.value("Icon") + ".png")));
}

void TestInstall::launcherFindsApplicationFolder()
{
    const Run run = runProgram(staged("usr/bin/mousectl"), {"--help"}, QProcessEnvironment::systemEnvironment());
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.contains("Usage: mousectl"), run.out.constData());
}

QProcessEnvironment TestInstall::homeEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
    environment.remove(QStringLiteral("MOUSECFG_USER_CONFIG"));
    return environment;
}

void TestInstall::settingsGoToHome()
{
    QVERIFY(setTreeWritable(staged("usr"), false));
    QVERIFY(setTreeWritable(staged("etc"), false));
    const TreeSnapshot before = snapshotTree(m_stage.path());
    const QString userConfig = m_home.path() + "/.config/mousecfg/Configs/Config.ini";

    const Run status = runProgram(staged("usr/bin/mousectl"), {"--virtual", "status"}, homeEnvironment());
    QVERIFY2(status.exitCode == 0, status.err.constData());
    QVERIFY2(status.out.contains("connection: receiver"), status.out.constData());
    QVERIFY(QFileInfo::exists(userConfig));
    QFile installed(staged(kAppDir + "/Configs/Config.ini")), seeded(userConfig);
    QVERIFY(installed.open(QIODevice::ReadOnly) && seeded.open(QIODevice::ReadOnly));
    QCOMPARE(seeded.readAll(), installed.readAll());

    const Run profile = runProgram(staged("usr/bin/mousectl"), {"--virtual", "profile", "3"}, homeEnvironment());
    QVERIFY2(profile.exitCode == 0, profile.err.constData());
    QCOMPARE(QSettings(userConfig, QSettings::IniFormat).value("Config/ProfileID").toInt(), 2);

    const QString exported = m_home.path() + "/trevik.conf";
    const Run exportRun = runProgram(staged("usr/bin/mousectl"), {"export", exported}, homeEnvironment());
    QVERIFY2(exportRun.exitCode == 0, exportRun.err.constData());
    QCOMPARE(QSettings(exported, QSettings::IniFormat).value("Config/ProfileID").toInt(), 2);

    QCOMPARE(treeDifferences(before, snapshotTree(m_stage.path())), QStringList());
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
