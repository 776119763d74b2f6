// The Debian package as cpack builds it from this build folder: what it holds,
// what it depends on, and its maintainer scripts.
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runProgram(const QString &program, const QStringList &arguments, const QString &workingDir = QString())
{
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(540000)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Paths as `dpkg-deb -c` prints them, without the leading "./".
QStringList packageContents(const QByteArray &listing)
{
    QStringList paths;
    for (const QByteArray &line : listing.split('\n')) {
        const QString text = QString::fromUtf8(line);
        const int at = text.indexOf(QStringLiteral(" ./"));
        if (at < 0)
            continue;
        QString path = text.mid(at + 3).section(QStringLiteral(" -> "), 0, 0);
        if (path.endsWith(QLatin1Char('/')))
            path.chop(1);
        if (!path.isEmpty())
            paths << path;
    }
    return paths;
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void contents_data();
    void contents();
    void developerToolsLeftOut();
    void dependencies();
    void maintainerScripts();
    void nothingInstalledOnThisMachine();

private:
    QString m_dpkgDeb;
    QString m_package;
    QTemporaryDir m_output;
    QStringList m_contents;
    bool m_autostartExistedBefore = false;
    bool m_ruleExistedBefore = false;
};

void TestPackage::initTestCase()
{
    const QString binaryDir = qEnvironmentVariable("MOUSECFG_BINARY_DIR");
    if (binaryDir.isEmpty())
        QSKIP("Run through CTest: MOUSECFG_BINARY_DIR names the build");
    m_dpkgDeb = QStandardPaths::findExecutable(QStringLiteral("dpkg-deb"));
    const QString cpack = QStandardPaths::findExecutable(QStringLiteral("cpack"));
    if (m_dpkgDeb.isEmpty() || cpack.isEmpty())
        QSKIP("dpkg-deb or cpack is not installed (tools/install-deps.sh installs them)");
    QVERIFY(m_output.isValid());
    m_autostartExistedBefore = QFileInfo::exists("/etc/xdg/autostart/mousecfg-tray.desktop");
    m_ruleExistedBefore = QFileInfo::exists("/usr/lib/udev/rules.d/70-mousecfg.rules");

    const Run build = runProgram(cpack, {"-G", "DEB", "-B", m_output.path(), "--config",
                                         binaryDir + "/CPackConfig.cmake"}, binaryDir);
    QVERIFY2(build.exitCode == 0, (build.out + build.err).constData());
    const QStringList packages = QDir(m_output.path()).entryList({"mousecfg_*.deb"}, QDir::Files);
    QCOMPARE(packages.size(), 1);
    m_package = m_output.filePath(packages.first());

    const Run list = runProgram(m_dpkgDeb, {"-c", m_package});
    QCOMPARE(list.exitCode, 0);
    m_contents = packageContents(list.out);
}

void TestPackage::contents_data()
{
    QTest::addColumn<QString>("path");
    for (const char *path : {"usr/bin/mousecfg", "usr/bin/mousectl", "usr/share/applications/mousecfg.desktop",
                             "usr/share/icons/hicolor/256x256/apps/mousecfg.png",
                             "etc/xdg/autostart/mousecfg-tray.desktop", "usr/lib/udev/rules.d/70-mousecfg.rules",
                             "usr/lib/mousecfg/mousecfg", "usr/lib/mousecfg/mousectl",
                             "usr/lib/mousecfg/DefaultProfile.bin", "usr/lib/mousecfg/per-user-settings",
                             "usr/lib/mousecfg/Configs/Config.ini", "usr/lib/mousecfg/skin/icon.ico",
                             "usr/lib/mousecfg/lang/en.qm"})
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestPackage::contents()
{
    QFETCH(QString, path);
    QVERIFY2(m_contents.contains(path), qPrintable(path + " is not in the package"));
}

void TestPackage::developerToolsLeftOut()
{
    for (const QString &path : m_contents) {
        QVERIFY2(!path.contains(QLatin1String("screenshots")) && !path.contains(QLatin1String("tst_"))
                     && !path.contains(QLatin1String("bench_")) && !path.contains(QLatin1String("iconpng")),
                 qPrintable(path));
        QVERIFY2(path == QLatin1String("etc") || path.startsWith(QLatin1String("etc/xdg"))
                     || path == QLatin1String("usr") || path.startsWith(QLatin1String("usr/")),
                 qPrintable(path));
    }
}

void TestPackage::dependencies()
{
    const Run fields = runProgram(m_dpkgDeb, {"-f", m_package, "Package", "Depends", "Architecture"});
    QCOMPARE(fields.exitCode, 0);
    const QString text = QString::fromUtf8(fields.out);
    QVERIFY2(text.contains(QLatin1String("Package: mousecfg")), qPrintable(text));
    for (const char *library : {"libqt5widgets5", "libqt5network5", "libhidapi-hidraw0", "libudev1"})
        QVERIFY2(text.contains(QLatin1String(library)), qPrintable(QString::fromLatin1(library) + " missing in " + text));
}

void TestPackage::maintainerScripts()
{
    QTemporaryDir control;
    const Run extract = runProgram(m_dpkgDeb, {"-e", m_package, control.path() + "/DEBIAN"});
    QCOMPARE(extract.exitCode, 0);
    for (const char *script : {"postinst", "postrm"}) {
        const QFileInfo info(control.path() + "/DEBIAN/" + script);
        QVERIFY2(info.isFile() && info.isExecutable(), script);
        const Run syntax = runProgram(QStringLiteral("/bin/sh"), {"-n", info.filePath()});
        QVERIFY2(syntax.exitCode == 0, syntax.err.constData());
    }
}

void TestPackage::nothingInstalledOnThisMachine()
{
    // The package's absolute paths must be staged, not written to this system.
    QCOMPARE(QFileInfo::exists("/etc/xdg/autostart/mousecfg-tray.desktop"), m_autostartExistedBefore);
    QCOMPARE(QFileInfo::exists("/usr/lib/udev/rules.d/70-mousecfg.rules"), m_ruleExistedBefore);
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
