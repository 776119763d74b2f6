// The Debian package as cpack builds it from this build folder: what it holds,
// what it depends on, its maintainer scripts, its manual pages, and what lintian
// and appstreamcli say of it.
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
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

// A file's text; manual pages and the changelog are gzip-compressed.
QString fileText(const QString &path)
{
    if (path.endsWith(QLatin1String(".gz")))
        return QString::fromUtf8(runProgram(QStringLiteral("gzip"), {"-dc", path}).out);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const QString kMetainfo = QStringLiteral("usr/share/metainfo/invalid.mousecfg.mousecfg.metainfo.xml");

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
    void versions_data();
    void versions();
    void manualPages_data();
    void manualPages();
    void checkers_data();
    void checkers();
    void nothingInstalledOnThisMachine();

private:
    QString m_dpkgDeb;
    QString m_package;
    QTemporaryDir m_output;
    QTemporaryDir m_tree;
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
    QVERIFY(runProgram(m_dpkgDeb, {"-x", m_package, m_tree.path()}).exitCode == 0);
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
                             "usr/lib/mousecfg/lang/en.qm", "usr/share/man/man1/mousecfg.1.gz",
                             "usr/share/man/man1/mousectl.1.gz", "usr/share/doc/mousecfg/copyright",
                             "usr/share/doc/mousecfg/changelog.Debian.gz", "usr/share/lintian/overrides/mousecfg",
                             "usr/share/bash-completion/completions/mousectl"})
        QTest::newRow(path) << QString::fromLatin1(path);
    QTest::newRow("metainfo") << kMetainfo;
}

void TestPackage::contents()
{
    QFETCH(QString, path);
    QVERIFY2(m_contents.contains(path), qPrintable(path + " is not in the package"));
}

void TestPackage::developerToolsLeftOut()
{
    for (const QString &path : m_contents) {
        QVERIFY2(!path.contains(QLatin1String("screenshots")) && !path.contains(QLatin1String("mousecfg-sim"))
                     && !path.contains(QLatin1String("tst_"))
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

void TestPackage::versions_data()
{
    // The newest entry of each release history names the package's version.
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("withRevision");
    QTest::newRow("changelog") << "usr/share/doc/mousecfg/changelog.Debian.gz" << "^mousecfg \\(([^)]+)\\)" << true;
    QTest::newRow("metainfo") << kMetainfo << "<release version=\"([^\"]+)\"" << false;
}

void TestPackage::versions()
{
    QFETCH(QString, path);
    QFETCH(QString, pattern);
    QFETCH(bool, withRevision);
    const Run field = runProgram(m_dpkgDeb, {"-f", m_package, "Version"});
    QCOMPARE(field.exitCode, 0);
    QString version = QString::fromUtf8(field.out).trimmed();
    if (!withRevision)
        version = version.section(QLatin1Char('-'), 0, -2);
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(fileText(m_tree.filePath(path)));
    QVERIFY2(match.hasMatch(), qPrintable(path));
    QCOMPARE(match.captured(1), version);
}

void TestPackage::manualPages_data()
{
    // Every option and command mousectl's usage lists is in its manual page.
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("terms");
    const Run help = runProgram(qEnvironmentVariable("MOUSECFG_APPDIR") + "/mousectl", {"--help"});
    QStringList mousectlTerms;
    QRegularExpressionMatchIterator it =
        QRegularExpression("^  (-{0,2}[a-z][a-z-]*)", QRegularExpression::MultilineOption)
            .globalMatch(QString::fromUtf8(help.out));
    while (it.hasNext())
        mousectlTerms << it.next().captured(1);
    QTest::newRow("mousecfg") << "mousecfg" << QStringList{"--tray"};
    QTest::newRow("mousectl") << "mousectl" << mousectlTerms;
}

void TestPackage::manualPages()
{
    QFETCH(QString, page);
    QFETCH(QStringList, terms);
    const QString path = m_tree.filePath("usr/share/man/man1/" + page + ".1.gz");
    const QString text = fileText(path).replace(QLatin1String("\\-"), QLatin1String("-"));
    QVERIFY2(text.startsWith(".TH " + page.toUpper() + " 1 "), qPrintable(text.left(80)));
    QVERIFY(!terms.isEmpty());
    for (const QString &term : terms)
        QVERIFY2(text.contains(QRegularExpression("(?<![\\w-])" + QRegularExpression::escape(term) + "(?![\\w-])")),
                 qPrintable(term + " is not in the manual page"));
    const Run render = runProgram(QStringLiteral("man"), {"--warnings", "-l", path});
    QCOMPARE(render.exitCode, 0);
    QVERIFY2(render.err.isEmpty(), render.err.constData());
}

void TestPackage::checkers_data()
{
    // Each must be installed (tools/install-deps.sh) and accept the package.
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("lintian") << "lintian" << QStringList{"--fail-on", "error", "{package}"};
    QTest::newRow("appstreamcli") << "appstreamcli" << QStringList{"validate-tree", "--no-net", "{tree}"};
}

void TestPackage::checkers()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const QString path = QStandardPaths::findExecutable(program);
    QVERIFY2(!path.isEmpty(), qPrintable(program + " is not installed"));
    arguments.replaceInStrings(QStringLiteral("{package}"), m_package);
    arguments.replaceInStrings(QStringLiteral("{tree}"), m_tree.path());
    const Run check = runProgram(path, arguments);
    QVERIFY2(check.exitCode == 0, (check.out + check.err).constData());
}

void TestPackage::nothingInstalledOnThisMachine()
{
    // The package's absolute paths must be staged, not written to this system.
    QCOMPARE(QFileInfo::exists("/etc/xdg/autostart/mousecfg-tray.desktop"), m_autostartExistedBefore);
    QCOMPARE(QFileInfo::exists("/usr/lib/udev/rules.d/70-mousecfg.rules"), m_ruleExistedBefore);
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
