// mousectl as a user runs it: the built program in its own process, on a copy
// of the demo installation, mostly against its virtual mouse.
#include "storage/ConfigStorage.h"
#include "storage/MacroFiles.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MacroFixtures.h"
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QtTest>
#include <unistd.h>

namespace {

struct CtlRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QList<QByteArray> lines() const
    {
        QList<QByteArray> all = out.split('\n');
        if (!all.isEmpty() && all.last().isEmpty())
            all.removeLast();
        return all;
    }
    QList<QByteArray> errorLines() const
    {
        QList<QByteArray> all = err.split('\n');
        if (!all.isEmpty() && all.last().isEmpty())
            all.removeLast();
        return all;
    }
};

QString mousectlPath()
{
    return qEnvironmentVariable("MOUSECFG_APPDIR") + QStringLiteral("/mousectl");
}

// Folder permissions do not bind root: root runs such a case as nobody.
constexpr char kNobody[] = "65534";

CtlRun runCtl(const QStringList &arguments, const QString &configHome = QString(), bool asNobody = false)
{
    QProcess process;
    // No desktop: the pointer speed is only kept, whatever session runs the tests.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "XDG_SESSION_TYPE"})
        environment.remove(QLatin1String(name));
    if (!configHome.isEmpty())
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    process.setProcessEnvironment(environment);
    if (asNobody)
        process.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=%1").arg(kNobody), QStringLiteral("--regid=%1").arg(kNobody),
                                                             QStringLiteral("--clear-groups"), mousectlPath()} + arguments);
    else
        process.start(mousectlPath(), arguments);
    CtlRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// The bytes of one trace line ("> 05 24 fa ..."), or empty when it is not one.
QByteArray traceBytes(const QByteArray &line, char direction)
{
    if (line.size() < 2 || line.at(0) != direction || line.at(1) != ' ')
        return QByteArray();
    return QByteArray::fromHex(line.mid(2));
}

QList<QByteArray> writtenReports(const CtlRun &run)
{
    QList<QByteArray> reports;
    for (const QByteArray &line : run.lines()) {
        const QByteArray bytes = traceBytes(line, '>');
        if (!bytes.isEmpty())
            reports << bytes;
    }
    return reports;
}

// Area opcodes (1 basic, 2 DPI, 3 buttons, 4 lighting) among the written reports.
QSet<int> areaOpcodes(const CtlRun &run)
{
    QSet<int> opcodes;
    for (const QByteArray &report : writtenReports(run)) {
        const int opcode = uint8_t(report.at(3));
        if (opcode >= 1 && opcode <= 4)
            opcodes.insert(opcode);
    }
    return opcodes;
}

QJsonObject dumpOf(const CtlRun &run)
{
    const QList<QByteArray> lines = run.lines();
    if (lines.isEmpty())
        return QJsonObject();
    return QJsonDocument::fromJson(lines.last()).object();
}

// Every file under the folder with its bytes.
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, readFileBytes(path));
    }
    return files;
}

} // namespace

class TestMousectl : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppDirFixture> m_app;

    CtlRun ctl(const QStringList &arguments)
    {
        return runCtl(QStringList{QStringLiteral("--app-dir"), m_app->path()} + arguments);
    }
    QVariant configValue(const QString &key) const
    {
        return QSettings(m_app->filePath(QStringLiteral("Configs/Config.ini")), QSettings::IniFormat).value(key);
    }
    void setConfigValue(const QString &key, const QVariant &value)
    {
        QSettings ini(m_app->filePath(QStringLiteral("Configs/Config.ini")), QSettings::IniFormat);
        ini.setValue(key, value);
        ini.sync();
        QCOMPARE(ini.status(), QSettings::NoError);
    }

    void expectRefused(const QStringList &arguments, const QString &hint)
    {
        const QMap<QString, QByteArray> before = snapshot(m_app->path());
        const CtlRun run = ctl(arguments);
        QCOMPARE(run.exitCode, 64);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(run.errorLines().size(), 1);
        QVERIFY2(run.err.startsWith("mousectl: "), run.err.constData());
        QVERIFY2(run.err.contains(hint.toUtf8()), run.err.constData());
        QCOMPARE(snapshot(m_app->path()), before);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(mousectlPath()).isExecutable(),
                 qPrintable(mousectlPath() + QStringLiteral(" is not built")));
    }
    void init()
    {
        m_app = std::make_unique<AppDirFixture>();
        QVERIFY(m_app->isValid());
    }
    void cleanup() { m_app.reset(); }

    void helpPrintsUsage()
    {
        const CtlRun run = runCtl({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith("Usage: mousectl"));
        QVERIFY(run.err.isEmpty());
    }

    void listNamesTheConnection_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("default") << "--virtual" << QByteArray("TREVIK\treceiver\n");
        QTest::newRow("receiver") << "--virtual=receiver" << QByteArray("TREVIK\treceiver\n");
        QTest::newRow("cable") << "--virtual=cable" << QByteArray("TREVIK\tcable\n");
        QTest::newRow("both") << "--virtual=both" << QByteArray("TREVIK\tboth\n");
    }
    void listNamesTheConnection()
    {
        QFETCH(QString, option);
        QFETCH(QByteArray, expected);
        const CtlRun run = ctl({option, QStringLiteral("list")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expected);
        QCOMPARE(run.err, QByteArray());
    }

    // The virtual mouse reports 4100 mV (raw 994, 4100.25 mV); the full
    // threshold decides between 100 % and the 90 % row.
    void statusPrintsFourLines_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("batteryFull");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("cable, default threshold")
            << QStringList{"--virtual=cable"} << 4200
            << QByteArray("battery: 90%\ncharging: no\nsleeping: no\nconnection: cable\npointer speed: 10 (kept)\n");
        QTest::newRow("threshold met exactly")
            << QStringList{"--virtual=cable"} << 4100
            << QByteArray("battery: 100%\ncharging: no\nsleeping: no\nconnection: cable\npointer speed: 10 (kept)\n");
        QTest::newRow("threshold one above")
            << QStringList{"--virtual"} << 4101
            << QByteArray("battery: 90%\ncharging: no\nsleeping: no\nconnection: receiver\npointer speed: 10 (kept)\n");
        QTest::newRow("both")
            << QStringList{"--virtual=both"} << 4200
            << QByteArray("battery: 90%\ncharging: no\nsleeping: no\nconnection: both\npointer speed: 10 (kept)\n");
        // Movement queued ahead of the reply, some of it with 0x48 at byte 3, is no reply.
        QTest::newRow("moving at 1000 Hz")
            << QStringList{"--virtual", "--virtual-motion=1000"} << 4200
            << QByteArray("battery: 90%\ncharging: no\nsleeping: no\nconnection: receiver\npointer speed: 10 (kept)\n");
    }
    void statusPrintsFourLines()
    {
        QFETCH(QStringList, options);
        QFETCH(int, batteryFull);
        QFETCH(QByteArray, expected);
        setConfigValue(QStringLiteral("Config/BatteryFull"), batteryFull);
        const CtlRun run = ctl(options + QStringList{QStringLiteral("status")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, expected);
    }

    void traceAndDumpOfFullApply_data()
    {
        QTest::addColumn<QStringList>("motion");
        QTest::newRow("still") << QStringList{};
        QTest::newRow("moving at 1000 Hz") << QStringList{"--virtual-motion", "1000"};
    }
    void traceAndDumpOfFullApply()
    {
        QFETCH(QStringList, motion);
        const CtlRun run = ctl(QStringList{QStringLiteral("--virtual"), QStringLiteral("--trace"), QStringLiteral("--dump"),
                                           QStringLiteral("apply")} + motion);
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.lines();
        QVERIFY(lines.size() > 3);
        QVERIFY2(QRegularExpression(QStringLiteral("^> 05 [0-9a-f]{2} fa 46 00( 00){28}$"))
                     .match(QString::fromLatin1(lines.at(0)))
                     .hasMatch(),
                 lines.at(0).constData());
        QVERIFY2(lines.at(1).startsWith("< 05 "), lines.at(1).constData());

        // Every line but the dump is a trace line; every written report is a
        // whole framed report with its checksum.
        const QRegularExpression traceLine(QStringLiteral("^[<>]( [0-9a-f]{2})+$"));
        for (int i = 0; i + 1 < lines.size(); ++i) {
            QVERIFY2(traceLine.match(QString::fromLatin1(lines.at(i))).hasMatch(), lines.at(i).constData());
            // Movement is never traced: a line read is a command reply.
            QVERIFY2(!lines.at(i).startsWith("<") || lines.at(i).mid(2, 8) == "05 " + lines.at(i).mid(5, 3) + "fa",
                     lines.at(i).constData());
        }
        for (const QByteArray &report : writtenReports(run)) {
            QCOMPARE(report.size(), 33);
            QCOMPARE(uint8_t(report.at(0)), uint8_t(0x05));
            QCOMPARE(uint8_t(report.at(2)), uint8_t(0xFA));
            int sum = 0;
            for (int i = 2; i <= 7; ++i)
                sum += uint8_t(report.at(i));
            QCOMPARE(uint8_t(report.at(1)), uint8_t((sum & 0xFF) ^ 0x66));
        }
        const QByteArray last = writtenReports(run).last();
        QCOMPARE(uint8_t(last.at(3)), uint8_t(0x46)); // end write
        QCOMPARE(uint8_t(last.at(4)), uint8_t(1));

        const QJsonObject dump = dumpOf(run);
        QCOMPARE(dump.value(QStringLiteral("writeOpen")).toBool(true), false);
        QCOMPARE(dump.value(QStringLiteral("activeProfile")).toInt(-1), 0);
        QCOMPARE(dump.value(QStringLiteral("refused")).toInt(-1), 0);
        QCOMPARE(dump.value(QStringLiteral("handleFaults")).toInt(-1), 0);
        const QJsonObject areas = dump.value(QStringLiteral("areas")).toObject();
        for (const char *area : {"1", "2", "3", "4"})
            QVERIFY2(!areas.value(QLatin1String(area)).toString().isEmpty(), area);
        // A full download that succeeded leaves nothing for the window to force.
        QCOMPARE(configValue(QStringLiteral("Config/Diff")).toInt(), 0);
    }

    void applySendsOnlyTheNamedGroups_data()
    {
        QTest::addColumn<QString>("groups");
        QTest::addColumn<QList<int>>("opcodes");
        QTest::newRow("basic,lighting") << "basic,lighting" << QList<int>{1, 4};
        QTest::newRow("dpi") << "dpi" << QList<int>{2};
        QTest::newRow("buttons") << "buttons" << QList<int>{3};
        QTest::newRow("lighting,dpi,basic") << "lighting,dpi,basic" << QList<int>{1, 2, 4};
        QTest::newRow("all") << "all" << QList<int>{1, 2, 3, 4};
    }
    void applySendsOnlyTheNamedGroups()
    {
        QFETCH(QString, groups);
        QFETCH(QList<int>, opcodes);
        const CtlRun run = ctl({QStringLiteral("--virtual"), QStringLiteral("--trace"), QStringLiteral("apply"), groups});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(areaOpcodes(run), QSet<int>(opcodes.begin(), opcodes.end()));
    }

    void profileSwitchesTheMouseAndStoresTheSlot()
    {
        const CtlRun run = ctl({QStringLiteral("--virtual"), QStringLiteral("--trace"), QStringLiteral("--dump"),
                                QStringLiteral("profile"), QStringLiteral("3")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(dumpOf(run).value(QStringLiteral("activeProfile")).toInt(-1), 2);
        QCOMPARE(configValue(QStringLiteral("Config/ProfileID")).toInt(), 2);
        // The slot change, then the whole refresh sequence.
        const QList<QByteArray> reports = writtenReports(run);
        QVERIFY(!reports.isEmpty());
        QCOMPARE(reports.first().mid(2, 3), QByteArray::fromHex("fa4402"));
        QVector<int> refreshFlags;
        for (const QByteArray &report : reports) {
            if (uint8_t(report.at(3)) == 0x40)
                refreshFlags << uint8_t(report.at(5));
        }
        // The slot change and its refresh, then the slot's own tables as the
        // window's slot menu sends them, with the refresh that follows a download.
        QCOMPARE(refreshFlags, (QVector<int>{0x01, 0x04, 0x01, 0x02, 0x08, 0x10, 0x04, 0x01, 0x02, 0x08, 0x10}));
        QCOMPARE(areaOpcodes(run), (QSet<int>{1, 2, 3}));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("slot 6") << QStringList{"--virtual", "profile", "6"};
        QTest::newRow("slot 0") << QStringList{"--virtual", "profile", "0"};
        QTest::newRow("slot not a number") << QStringList{"--virtual", "profile", "two"};
        QTest::newRow("slot missing") << QStringList{"--virtual", "profile"};
        QTest::newRow("unknown command") << QStringList{"--virtual", "frobnicate"};
        QTest::newRow("no command") << QStringList{"--virtual"};
        QTest::newRow("unknown option") << QStringList{"--loud", "list"};
        QTest::newRow("bad group") << QStringList{"--virtual", "apply", "basic,colour"};
        QTest::newRow("empty group") << QStringList{"--virtual", "apply", "basic,"};
        QTest::newRow("bad virtual kind") << QStringList{"--virtual=usb", "list"};
        QTest::newRow("dump without virtual") << QStringList{"--dump", "list"};
        QTest::newRow("motion without virtual") << QStringList{"--virtual-motion", "100", "list"};
        QTest::newRow("motion above 1000 Hz") << QStringList{"--virtual", "--virtual-motion=1001", "list"};
        QTest::newRow("export without file") << QStringList{"export"};
        QTest::newRow("import without file") << QStringList{"import"};
        QTest::newRow("extra argument") << QStringList{"--virtual", "status", "now"};
    }
    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        expectRefused(arguments, QString());
    }

    // Refused values name what is valid; nothing is stored and, with --trace
    // on, nothing sent (a written report would be printed).
    void refusedValues_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("hint");
        const QStringList apply{"--virtual", "--trace", "set", "--apply"};
        QTest::newRow("unknown key") << apply + QStringList{"colour", "red"} << "light.color";
        QTest::newRow("rate") << apply + QStringList{"rate", "300"} << "125, 250, 500, 1000";
        QTest::newRow("scroll speed") << apply + QStringList{"scroll-speed", "21"} << "1-20";
        QTest::newRow("dpi above the sensor") << apply + QStringList{"dpi.1.x", "26000"} << "200-12400 DPI";
        QTest::newRow("dpi stage 9") << apply + QStringList{"dpi.9.x", "800"} << "dpi.N.x";
        // The demo model's description shows six stages.
        QTest::newRow("active stage") << apply + QStringList{"dpi.active", "0"} << "1-6";
        QTest::newRow("active stage the model lacks") << apply + QStringList{"dpi.active", "7"} << "1-6";
        QTest::newRow("dpi stage the model lacks") << apply + QStringList{"dpi.7.x", "800"} << "unknown key \"dpi.7.x\"";
        QTest::newRow("switch") << apply + QStringList{"dpi.2.on", "maybe"} << "on or off";
        QTest::newRow("effect") << apply + QStringList{"light.effect", "disco"} << "BREATHING";
        QTest::newRow("colour form") << apply + QStringList{"light.color", "orange"} << "#RRGGBB";
        QTest::newRow("colour of a colourless effect")
            << apply + QStringList{"light.effect", "RAINBOW", "light.color", "#ff0000"} << "FULL LIGHTED, BREATHING";
        QTest::newRow("later pair refused, earlier not stored")
            << apply + QStringList{"rate", "500", "light.sleep", "10"} << "1-9";
        QTest::newRow("unknown function, five nearest")
            << apply + QStringList{"button.2", "Teleport"}
            << "nearest for a button: Left, Right, Forward, Cut, Copy (mousectl help functions lists all)";
        QTest::newRow("last left click given away") << apply + QStringList{"button.2", "Left", "button.1", "Right", "button.2", "Middle"}
                                                    << "button.1: AT LEAST ONE CLICK FUNCTION TO BE RETAINED.";
        QTest::newRow("missing macro") << apply + QStringList{"button.2", "macro:nothing"} << "macro";
        QTest::newRow("name with a path separator") << apply + QStringList{"name", "../evil"} << "cannot contain";
        QTest::newRow("name of another slot") << apply + QStringList{"name", "Profile 2"} << "Profile Exist!";
        QTest::newRow("value missing") << QStringList{"set", "rate"} << "VALUE";
        QTest::newRow("get unknown key") << QStringList{"get", "volume"} << "rate";
        QTest::newRow("help unknown key") << QStringList{"help", "volume"} << "rate";
        QTest::newRow("slot 6") << QStringList{"--slot", "6", "get"} << "1-5";
        QTest::newRow("slot with list") << QStringList{"--slot", "2", "--virtual", "list"} << "get and set";
        QTest::newRow("json with apply") << QStringList{"--json", "--virtual", "apply"} << "--json";
        QTest::newRow("dry run without apply") << QStringList{"--dry-run", "set", "rate", "500"} << "--dry-run";
        QTest::newRow("apply with get") << QStringList{"--apply", "get"} << "--apply only goes with set";
    }
    void refusedValues()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, hint);
        expectRefused(arguments, hint);
    }

    // set stores, get reads back in the same words; rounding is told.
    void setThenGet_data()
    {
        QTest::addColumn<QStringList>("set");
        QTest::addColumn<QStringList>("get");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("note");
        QTest::newRow("rate") << QStringList{"rate", "500"} << QStringList{"rate"} << QByteArray("500") << QByteArray();
        QTest::newRow("rate with unit") << QStringList{"rate", "250Hz"} << QStringList{"rate"} << QByteArray("250")
                                        << QByteArray();
        QTest::newRow("scroll speed") << QStringList{"scroll-speed", "7"} << QStringList{"scroll-speed"}
                                      << QByteArray("7") << QByteArray();
        QTest::newRow("pointer speed") << QStringList{"pointer-speed", "20"} << QStringList{"pointer-speed"}
                                       << QByteArray("20") << QByteArray();
        QTest::newRow("lift-off") << QStringList{"lift-off", "1"} << QStringList{"lift-off"} << QByteArray("1")
                                  << QByteArray();
        QTest::newRow("dpi rounded") << QStringList{"dpi.2.x", "1234"} << QStringList{"dpi.2.x"} << QByteArray("1200")
                                     << QByteArray("dpi.2.x: 1234 DPI is 1200 on this sensor");
        QTest::newRow("dpi top") << QStringList{"dpi.2.y", "12400"} << QStringList{"dpi.2.y"} << QByteArray("12400")
                                 << QByteArray();
        QTest::newRow("stage off") << QStringList{"dpi.3.on", "off"} << QStringList{"dpi.3.on"} << QByteArray("off")
                                   << QByteArray();
        QTest::newRow("active stage") << QStringList{"dpi.active", "4"} << QStringList{"dpi.active"} << QByteArray("4")
                                      << QByteArray();
        QTest::newRow("effect") << QStringList{"light.effect", "7 color breathing"} << QStringList{"light.effect"}
                                << QByteArray("7 COLOR BREATHING") << QByteArray();
        QTest::newRow("colour") << QStringList{"light.effect", "FULL LIGHTED", "light.color", "#FF8000"}
                                << QStringList{"light.color"} << QByteArray("#ff8000") << QByteArray();
        QTest::newRow("effect speed") << QStringList{"light.effect", "RAINBOW", "light.speed", "5"}
                                      << QStringList{"light.speed"} << QByteArray("5") << QByteArray();
        QTest::newRow("light sleep") << QStringList{"light.sleep", "9"} << QStringList{"light.sleep"} << QByteArray("9")
                                     << QByteArray();
        QTest::newRow("move-off") << QStringList{"light.move-off", "off"} << QStringList{"light.move-off"}
                                  << QByteArray("off") << QByteArray();
        QTest::newRow("menu function") << QStringList{"button.2", "DPI +"} << QStringList{"button.2"}
                                       << QByteArray("DPI +") << QByteArray();
        QTest::newRow("single key") << QStringList{"button.3", "key:F5"} << QStringList{"button.3"}
                                    << QByteArray("key:F5") << QByteArray();
        QTest::newRow("combo key") << QStringList{"button.3", "combo:Ctrl+Shift+S"} << QStringList{"button.3"}
                                   << QByteArray("combo:LShift+LCtr+S") << QByteArray();
        QTest::newRow("fire key") << QStringList{"button.3", "fire:Left:3:100"} << QStringList{"button.3"}
                                  << QByteArray("fire:Left:3:100") << QByteArray();
        QTest::newRow("buttons swapped, left first given away")
            << QStringList{"button.1", "Right", "button.2", "Left"} << QStringList{"button.1"} << QByteArray("Right") << QByteArray();
        QTest::newRow("function without its spaces") << QStringList{"button.3", "dpi+"} << QStringList{"button.3"}
                                                     << QByteArray("DPI +") << QByteArray();
        QTest::newRow("wheel") << QStringList{"wheel.up", "Volume Up"} << QStringList{"wheel.up"}
                               << QByteArray("Volume Up") << QByteArray();
        QTest::newRow("other slot") << QStringList{"--slot", "3", "rate", "125"} << QStringList{"--slot", "3", "rate"}
                                    << QByteArray("125") << QByteArray();
        QTest::newRow("other slot leaves the current one")
            << QStringList{"--slot", "3", "rate", "125"} << QStringList{"rate"} << QByteArray("1000") << QByteArray();
        QTest::newRow("slot name") << QStringList{"name", "Gaming"} << QStringList{"name"} << QByteArray("Gaming")
                                   << QByteArray();
    }
    void setThenGet()
    {
        QFETCH(QStringList, set);
        QFETCH(QStringList, get);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, note);
        const CtlRun stored = ctl(QStringList{QStringLiteral("set")} + set);
        QCOMPARE(stored.exitCode, 0);
        QCOMPARE(stored.out, QByteArray());
        QCOMPARE(stored.err.isEmpty(), note.isEmpty());
        QVERIFY2(stored.err.contains(note), stored.err.constData());
        const CtlRun read = ctl(QStringList{QStringLiteral("get")} + get);
        QCOMPARE(read.exitCode, 0);
        QCOMPARE(read.out, value + '\n');
        // The mouse no longer holds what the files do; the pointer speed and
        // the slot's name never reach it.
        const bool onTheMouse = !set.contains(QStringLiteral("pointer-speed")) && !set.contains(QStringLiteral("name"));
        QCOMPARE(configValue(QStringLiteral("Config/Diff")).toInt(), onTheMouse ? 1 : 0);
    }

    // set --apply sends the groups Apply in the window would send, leaving the
    // same bytes as a full download of the stored settings; --dry-run prints
    // those reports first and changes nothing.
    void setApplySendsWhatChanged_data()
    {
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QList<int>>("opcodes");
        QTest::newRow("rate") << QStringList{"rate", "500"} << QList<int>{1};
        QTest::newRow("another slot's rate") << QStringList{"--slot", "2", "rate", "500"} << QList<int>{1};
        QTest::newRow("dpi stage") << QStringList{"dpi.2.x", "2000"} << QList<int>{2};
        QTest::newRow("active stage") << QStringList{"dpi.active", "1"} << QList<int>{1};
        QTest::newRow("button") << QStringList{"button.2", "DPI +"} << QList<int>{3};
        QTest::newRow("effect") << QStringList{"light.effect", "BREATHING"} << QList<int>{1, 4};
        QTest::newRow("colour") << QStringList{"light.color", "#00ff00"} << QList<int>{4};
        QTest::newRow("same value") << QStringList{"scroll-speed", "1"} << QList<int>{};
        QTest::newRow("pointer speed stays on the desktop") << QStringList{"pointer-speed", "3"} << QList<int>{};
        // Another slot's button plays a macro whose file carries the write mark:
        // not in the mouse's macro area, yet a button change once.
        QTest::newRow("marked macro of another slot") << QStringList{"--slot", "2", "button.3", "macro:burst"}
                                                      << QList<int>{3};
    }
    void setApplySendsWhatChanged()
    {
        QFETCH(QStringList, pairs);
        QFETCH(QList<int>, opcodes);
        QVERIFY(storeMacro(QStringLiteral("burst"), {keyPressRow(0x04), keyReleaseRow(0x04)}));
        setConfigValue(QStringLiteral("Config/Diff"), 0);
        const QStringList set = QStringList{QStringLiteral("--virtual"), QStringLiteral("--dump"), QStringLiteral("set"),
                                            QStringLiteral("--apply")} + pairs;
        const QMap<QString, QByteArray> before = snapshot(m_app->path());
        const CtlRun dry = ctl(QStringList{QStringLiteral("--dry-run")} + set);
        QCOMPARE(dry.exitCode, 0);
        QCOMPARE(snapshot(m_app->path()), before);
        for (const QJsonValue &area : dumpOf(dry).value(QStringLiteral("areas")).toObject())
            QCOMPARE(area.toString(), QString());

        const CtlRun run = ctl(QStringList{QStringLiteral("--trace")} + set);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(areaOpcodes(run), QSet<int>(opcodes.begin(), opcodes.end()));
        QCOMPARE(writtenReports(dry), writtenReports(run));
        QCOMPARE(configValue(QStringLiteral("Config/Diff")).toInt(), 0);
        const QJsonObject areas = dumpOf(run).value(QStringLiteral("areas")).toObject();
        const QJsonObject full = dumpOf(ctl({QStringLiteral("--virtual"), QStringLiteral("--dump"), QStringLiteral("apply")}))
                                     .value(QStringLiteral("areas"))
                                     .toObject();
        for (int opcode : opcodes)
            QCOMPARE(areas.value(QString::number(opcode)), full.value(QString::number(opcode)));

        // Stored and sent: the same again changes nothing and sends nothing.
        const CtlRun again = ctl(QStringList{QStringLiteral("--trace")} + set);
        QCOMPARE(again.exitCode, 0);
        QCOMPARE(writtenReports(again), QList<QByteArray>());
        QCOMPARE(configValue(QStringLiteral("Config/Diff")).toInt(), 0);
    }

    void jsonShapes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("path"); // member names down to one value
        QTest::addColumn<QString>("value");
        QTest::newRow("list") << QStringList{"--virtual=cable", "list"} << "0/connection" << "cable";
        QTest::newRow("status") << QStringList{"--virtual", "status"} << "connection" << "receiver";
        QTest::newRow("get one key") << QStringList{"get", "light.effect"} << "settings/light.effect" << "FULL LIGHTED";
        QTest::newRow("get every key") << QStringList{"--slot", "2", "get"} << "settings/name" << "Profile 2";
    }
    void jsonShapes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, path);
        QFETCH(QString, value);
        const CtlRun run = ctl(QStringList{QStringLiteral("--json")} + arguments);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines().size(), 1);
        QJsonValue node = QJsonDocument::fromJson(run.out).isArray()
                              ? QJsonValue(QJsonDocument::fromJson(run.out).array())
                              : QJsonValue(QJsonDocument::fromJson(run.out).object());
        for (const QString &step : path.split(QLatin1Char('/')))
            node = node.isArray() ? node.toArray().at(step.toInt()) : node.toObject().value(step);
        QCOMPARE(node.toVariant().toString(), value);
    }

    void helpExplainsKeys()
    {
        const CtlRun keys = ctl({QStringLiteral("help"), QStringLiteral("keys")});
        QCOMPARE(keys.exitCode, 0);
        // The stages the model's description shows (six), as the DPI page does.
        QVERIFY(keys.lines().contains("dpi.6.y") && keys.lines().contains("wheel.down"));
        QVERIFY(!keys.lines().contains("dpi.7.x"));
        const CtlRun one = ctl({QStringLiteral("help"), QStringLiteral("dpi.1.x")});
        QCOMPARE(one.exitCode, 0);
        QVERIFY2(one.out.contains("200 to 12400"), one.out.constData());
        const CtlRun values = ctl({QStringLiteral("help"), QStringLiteral("values"), QStringLiteral("rate")});
        QCOMPARE(values.out, QByteArray("125\n250\n500\n1000\n"));
    }

    void missingConfigurationIsAFileError()
    {
        QVERIFY(QFile::remove(m_app->filePath(QStringLiteral("Configs/Config.ini"))));
        const CtlRun run = ctl({QStringLiteral("--virtual"), QStringLiteral("list")});
        QCOMPARE(run.exitCode, 74);
        QCOMPARE(run.errorLines().size(), 1);
        QVERIFY(run.err.contains("Config.ini"));
    }

    // Without --virtual the real HID library is asked; on a machine without the
    // mouse that fails, and says what was stored all the same.
    void realHidWithoutMouseFails_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message"); // "%1": the configuration folder
        QTest::addColumn<int>("scrollSpeed"); // stored afterwards; 0: as before
        QTest::newRow("status") << QStringList{"status"} << "mousectl: no mouse found" << 0;
        QTest::newRow("set --apply")
            << QStringList{"set", "--apply", "scroll-speed", "7"} << "mousectl: set: stored in %1, not sent: no mouse found" << 7;
    }
    void realHidWithoutMouseFails()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QFETCH(int, scrollSpeed);
        const QByteArray before = ctl({QStringLiteral("get"), QStringLiteral("scroll-speed")}).out;
        const CtlRun run = ctl(arguments);
        if (run.exitCode == 0)
            QSKIP("a real mouse is attached");
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.errorLines(), QList<QByteArray>{message.arg(m_app->filePath(QStringLiteral("Configs"))).toUtf8()});
        QVERIFY(run.out.isEmpty());
        QCOMPARE(ctl({QStringLiteral("get"), QStringLiteral("scroll-speed")}).out,
                 scrollSpeed ? QByteArray::number(scrollSpeed) + '\n' : before);
    }

    // A mouse that is attached but may not be opened (no udev rule, a login
    // away from the seat) is told apart from no mouse: which node, why, what
    // to do, and an exit status of its own. What set stores is stored all the same.
    void refusedOpenIsToldApart_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("context");
        QTest::newRow("status") << QStringList{"status"} << "";
        QTest::newRow("list") << QStringList{"list"} << "";
        QTest::newRow("apply") << QStringList{"apply"} << "apply: ";
        QTest::newRow("profile") << QStringList{"profile", "2"} << "";
        QTest::newRow("set --apply") << QStringList{"set", "--apply", "scroll-speed", "7"} << "set: stored in %1, not sent: ";
        QTest::newRow("cable") << QStringList{"--virtual=cable", "status"} << "";
    }
    void refusedOpenIsToldApart()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, context);
        const CtlRun run = ctl(QStringList{QStringLiteral("--virtual"), QStringLiteral("--virtual-no-access")} + arguments);
        QCOMPARE(run.exitCode, 77);
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.errorLines().size(), 1);
        const QString prefix = "mousectl: " + context.arg(m_app->filePath(QStringLiteral("Configs")))
                               + "The mouse is attached at /dev/hidraw";
        QVERIFY2(run.err.startsWith(prefix.toUtf8()), run.err.constData());
        for (const char *part : {"permission denied", "udev rule 70-mousecfg.rules", "log in at the seat"})
            QVERIFY2(run.err.contains(part), run.err.constData());
        QCOMPARE(ctl({QStringLiteral("get"), QStringLiteral("scroll-speed")}).out,
                 arguments.contains(QStringLiteral("--apply")) ? QByteArray("7\n") : QByteArray("1\n"));
    }

    void versionIsTheProjects()
    {
        const CtlRun run = runCtl({QStringLiteral("--version"), QStringLiteral("frobnicate")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(QRegularExpression(QStringLiteral("^mousectl \\d+\\.\\d+\\.\\d+\n$")).match(QString::fromUtf8(run.out)).hasMatch(),
                 run.out.constData());
    }

    // A stored value outside what the sensor takes (a hand edit, another
    // sensor's file) is printed as stored, with a note beside it.
    void storedDpiOutsideTheSensorIsNoted()
    {
        QCOMPARE(ctl({QStringLiteral("set"), QStringLiteral("dpi.2.x"), QStringLiteral("1600")}).exitCode, 0);
        const QString file = m_app->filePath(QStringLiteral("Configs/Profile/Profile 1.prof"));
        QSettings profile(file, QSettings::IniFormat);
        // Stage 2 is entry 1; raw 250 is far beyond the sensor's top.
        QVERIFY(profile.contains(QStringLiteral("PROFILE/DPI_INFO_1_x")));
        profile.setValue(QStringLiteral("PROFILE/DPI_INFO_1_x"), 250);
        profile.sync();
        const CtlRun run = ctl({QStringLiteral("get"), QStringLiteral("dpi.2.x")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("59700\n"));
        QCOMPARE(run.errorLines(),
                 QList<QByteArray>{"mousectl: dpi.2.x: the stored 59700 DPI is outside the sensor's range 200-12400"});
        QVERIFY(ctl({QStringLiteral("get"), QStringLiteral("dpi.1.x")}).err.isEmpty());
    }

    // An application folder that cannot be written: the settings go to the
    // user's folder, or, when that cannot be made either, are read where they
    // are. Either way one line says which folder and why.
    void unwritableApplicationFolder_data()
    {
        QTest::addColumn<bool>("userFolderWritable");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("notice"); // %1 the application's Configs, %2 the user's
        const QString toUser = QStringLiteral("mousectl: settings in %2: %1 cannot be written");
        const QString readOnly = QStringLiteral("mousectl: settings in %1, read only: %2 cannot be made");
        QTest::newRow("user folder: get") << true << QStringList{"get", "rate"} << 0 << toUser;
        QTest::newRow("user folder: set") << true << QStringList{"set", "rate", "500"} << 0 << toUser;
        QTest::newRow("read only: get") << false << QStringList{"get", "rate"} << 0 << readOnly;
        QTest::newRow("read only: list") << false << QStringList{"--virtual", "list"} << 0 << readOnly;
        QTest::newRow("read only: macro list") << false << QStringList{"macro", "list"} << 0 << readOnly;
        QTest::newRow("read only: status") << false << QStringList{"--virtual", "status"} << 0 << readOnly;
        QTest::newRow("read only: export") << false << QStringList{"export", "-"} << 0 << readOnly;
        QTest::newRow("read only: set") << false << QStringList{"set", "rate", "500"} << 74 << readOnly;
    }
    void unwritableApplicationFolder()
    {
        QFETCH(bool, userFolderWritable);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, notice);
        QTemporaryDir home;
        const QString configs = m_app->filePath(QStringLiteral("Configs"));
        const QString user = home.path() + QStringLiteral("/mousecfg/Configs");
        const bool asNobody = geteuid() == 0;
        const auto allow = [&](bool writable) {
            for (const QString &folder : {m_app->path(), configs})
                QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                                                          | (writable ? QFile::WriteOwner : QFile::Permissions())));
        };
        allow(false);
        const auto restore = qScopeGuard([&] { allow(true); });
        if (asNobody && userFolderWritable)
            QCOMPARE(::chown(QFile::encodeName(home.path()).constData(), 65534, 65534), 0);
        else if (!userFolderWritable)
            QVERIFY(QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
        QTemporaryDir out; // for an export, open to whoever runs it
        QVERIFY(QFile::setPermissions(out.path(), QFile::Permissions(0x7777)));
        if (arguments.last() == QLatin1String("-"))
            arguments.last() = out.filePath(QStringLiteral("settings.conf"));
        const QMap<QString, QByteArray> before = snapshot(configs);

        const CtlRun run = runCtl(QStringList{QStringLiteral("--app-dir"), m_app->path()} + arguments, home.path(), asNobody);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.errorLines().value(0), notice.arg(configs, user).toUtf8());
        if (exitCode == 0)
            QCOMPARE(run.errorLines().size(), 1);
        QCOMPARE(snapshot(configs), before);
        QCOMPARE(QFileInfo::exists(user + QStringLiteral("/Config.ini")), userFolderWritable);
    }

    void exportImportRestoresChangedSettings()
    {
        const QString file = m_app->filePath(QStringLiteral("saved.conf"));
        CtlRun run = ctl({QStringLiteral("export"), file});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(readMouseName(file), QStringLiteral("TREVIK"));

        // Rename slot 2 and change its stored report rate behind the file's back.
        MouseSettings settings;
        QVERIFY(loadSettings(settings));
        const QString originalName = settings.profileNames[1];
        const uint8_t originalRate = settings.profiles[1].pollrate;
        settings.profileNames[1] = QStringLiteral("Renamed");
        settings.profiles[1].pollrate = uint8_t(originalRate == 8 ? 4 : 8);
        QVERIFY(saveSettings(settings));
        QVERIFY(saveProfileList(settings));
        QCOMPARE(configValue(QStringLiteral("Config/Profile2")).toString(), QStringLiteral("Renamed"));

        run = ctl({QStringLiteral("import"), file});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, QByteArray());
        MouseSettings restored;
        QVERIFY(loadSettings(restored));
        QCOMPARE(restored.profileNames[1], originalName);
        QCOMPARE(restored.profiles[1].pollrate, originalRate);
        // The mouse still holds the old settings until the next full apply.
        QCOMPARE(readDiffFlag(), 1);
    }

    void importRefusesBadFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("other mouse") << "other" << 65 << "belongs to \"OTHER\", not to \"TREVIK\"";
        QTest::newRow("no profile sections") << "bare" << 65 << "not a settings export file";
        QTest::newRow("missing file") << "missing" << 74 << "cannot read";
    }
    void importRefusesBadFiles()
    {
        QFETCH(QString, kind);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString file = m_app->filePath(QStringLiteral("candidate.conf"));
        if (kind == QLatin1String("other")) {
            QCOMPARE(ctl({QStringLiteral("export"), file}).exitCode, 0);
            QSettings ini(file, QSettings::IniFormat);
            ini.setValue(QStringLiteral("Config/Profile1"), QStringLiteral("Foreign"));
            ini.setValue(QStringLiteral("MouseName/Name"), QStringLiteral("OTHER"));
        } else if (kind == QLatin1String("bare")) {
            QVERIFY(writeFileBytes(file, "[MouseName]\nName=TREVIK\n"));
        }
        // Store the profiles once so that there is something to lose.
        QCOMPARE(ctl({QStringLiteral("export"), m_app->filePath(QStringLiteral("own.conf"))}).exitCode, 0);
        QCOMPARE(ctl({QStringLiteral("import"), m_app->filePath(QStringLiteral("own.conf"))}).exitCode, 0);
        const QMap<QString, QByteArray> before = snapshot(m_app->filePath(QStringLiteral("Configs")));

        const CtlRun run = ctl({QStringLiteral("import"), file});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.errorLines().size(), 1);
        QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
        QCOMPARE(snapshot(m_app->filePath(QStringLiteral("Configs"))), before);
    }

    void exportToUnwritablePlaceIsAFileError()
    {
        // The folder would have to be where a file already is.
        const CtlRun run = ctl({QStringLiteral("export"), m_app->filePath(QStringLiteral("Configs/Config.ini/x.conf"))});
        QCOMPARE(run.exitCode, 74);
        QVERIFY(run.err.contains("export: cannot write"));
    }

    // The bash completion script with the words split as bash splits them, asking
    // the built mousectl: once with bash-completion's helpers where installed, once without.
    void completion_data()
    {
        QTest::addColumn<QStringList>("words"); // after "mousectl --app-dir APP"; the last is completed
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("notOffered");
        QTest::newRow("command") << QStringList{"sta"} << QStringList{"status"} << QStringList{"set"};
        QTest::newRow("key of get") << QStringList{"get", ""} << QStringList{"dpi.1.x", "rate"} << QStringList{};
        QTest::newRow("key after a value") << QStringList{"set", "rate", "500", ""} << QStringList{"dpi.1.x"}
                                           << QStringList{"rate"};
        QTest::newRow("short value list") << QStringList{"set", "rate", ""} << QStringList{"125", "1000"}
                                          << QStringList{"dpi.1.x"};
        QTest::newRow("function with a space") << QStringList{"set", "button.2", "DP"} << QStringList{"DPI\\ +"}
                                               << QStringList{"DPI +"};
        QTest::newRow("function in an open quote") << QStringList{"set", "button.2", "\"DP"} << QStringList{"DPI +"}
                                                   << QStringList{"DPI\\ +"};
        QTest::newRow("group after a comma") << QStringList{"apply", "basic,d"} << QStringList{"basic,dpi"}
                                             << QStringList{"dpi"};
        QTest::newRow("slot") << QStringList{"--slot", ""} << QStringList{"1", "5"} << QStringList{"6"};
        QTest::newRow("options of set") << QStringList{"set", "--"} << QStringList{"--apply", "--slot"}
                                        << QStringList{"--json", "--dry-run", "--dump"};
        QTest::newRow("dry run once set applies") << QStringList{"set", "--apply", "--d"} << QStringList{"--dry-run"}
                                                  << QStringList{"--dump"};
        QTest::newRow("macro subcommand") << QStringList{"macro", "sh"} << QStringList{"show"} << QStringList{};
        QTest::newRow("kind of virtual mouse") << QStringList{"--virtual=c"} << QStringList{"cable"}
                                               << QStringList{"--virtual=cable"};
        QTest::newRow("key after a function form") << QStringList{"set", "button.2", "key:F5", ""}
                                                   << QStringList{"rate"} << QStringList{};
        QTest::newRow("folder without a mouse") << QStringList{"--app-dir={app}/missing", "get", ""} << QStringList{}
                                                << QStringList{"rate", "dpi.1.x"};
    }
    void completion()
    {
        QFETCH(QStringList, words);
        QFETCH(QStringList, offered);
        QFETCH(QStringList, notOffered);
        const QString driver = QStringLiteral(
            "[ -n \"$1\" ] && . \"$1\"; . \"$2\"; shift 2\n"
            "COMP_LINE=\"$*\"; COMP_POINT=${#COMP_LINE}; COMP_WORDS=()\n"
            "for w; do [ -z \"$w\" ] && COMP_WORDS+=(\"\")\n" // each "=" and ":" a word, as bash has them
            "  while [ -n \"$w\" ]; do t=${w%%[=:]*}; [ -n \"$t\" ] && COMP_WORDS+=(\"$t\"); w=${w#\"$t\"}\n"
            "    [ -n \"$w\" ] && COMP_WORDS+=(\"${w:0:1}\") && w=${w:1}; done; done\n"
            "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
            "_mousectl mousectl \"${COMP_WORDS[COMP_CWORD]}\" \"${COMP_WORDS[COMP_CWORD - 1]}\"\n"
            "printf '%s\\n' \"${COMPREPLY[@]}\"\n");
        const QString script = qEnvironmentVariable("MOUSECFG_SOURCE_DIR") + QStringLiteral("/packaging/completion/mousectl");
        QVERIFY2(QFileInfo(script).isFile(), qPrintable(script));
        words.replaceInStrings(QStringLiteral("{app}"), m_app->path());
        words = QStringList{QStringLiteral("mousectl"), QStringLiteral("--app-dir"), m_app->path()} + words;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("MOUSECFG_APPDIR") + QLatin1Char(':')
                                                       + environment.value(QStringLiteral("PATH")));
        const QString library = QStringLiteral("/usr/share/bash-completion/bash_completion");
        for (const QString &helpers : QFileInfo::exists(library) ? QStringList{QString(), library} : QStringList{QString()}) {
            QProcess bash;
            bash.setProcessEnvironment(environment);
            bash.start(QStringLiteral("bash"), QStringList{"-c", driver, "completion", helpers, script} + words);
            if (!bash.waitForStarted())
                QSKIP("bash is not installed");
            QVERIFY(bash.waitForFinished(120000));
            QCOMPARE(bash.readAllStandardError(), QByteArray());
            const QStringList reply = QString::fromUtf8(bash.readAllStandardOutput()).split(QLatin1Char('\n'));
            for (const QString &word : offered)
                QVERIFY2(reply.contains(word), qPrintable(helpers + ": no " + word + " in " + reply.join(' ')));
            for (const QString &word : notOffered)
                QVERIFY2(!reply.contains(word), qPrintable(helpers + ": " + word + " offered"));
        }
    }

    // The macro store from the shell. Every run finds "spare" and "burst"
    // listed, burst played by button 3 of slot 1, and files to import in
    // outside/; "@" stands for the application folder.
    void macroCommands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output"); // all of standard output, or a part of the error line
        QTest::addColumn<QStringList>("namesAfter");
        QTest::addColumn<bool>("fullStore");
        const QStringList both{"spare", "burst"};
        QTest::newRow("list") << QStringList{"macro", "list"} << 0 << QByteArray("spare\nburst\n") << both << false;
        QTest::newRow("list --json")
            << QStringList{"macro", "list", "--json"} << 0
            << QByteArray("[{\"defaultDelay\":10,\"delayType\":0,\"eventCount\":0,\"loopTime\":1,\"loopType\":0,"
                          "\"name\":\"spare\",\"playedBy\":[]},{\"defaultDelay\":10,\"delayType\":1,\"eventCount\":5,"
                          "\"loopTime\":1,\"loopType\":0,\"name\":\"burst\",\"playedBy\":[\"Profile 1, button 3\"]}]\n")
            << both << false;
        QTest::newRow("show")
            << QStringList{"macro", "show", "burst"} << 0
            << QByteArray("name: burst\nevents: 5\ndefault delay: 10 ms\ndelay type: RECORD DELAYS BETWEEN ACTION\n"
                          "loop type: none\nloop count: 1\nplayed by: Profile 1, button 3\nA\tPress\nDELAY\t50 ms\n"
                          "A\tRelease\nLeft Button\tPress\nMOVE UP\t5\n")
            << both << false;
        QTest::newRow("show --json")
            << QStringList{"macro", "show", "--json", "burst"} << 0
            << QByteArray("{\"defaultDelay\":10,\"delayType\":1,\"eventCount\":5,\"events\":["
                          "{\"action\":\"Press\",\"high\":0,\"key\":\"A\",\"kind\":\"key\",\"low\":4,\"map\":132},"
                          "{\"high\":0,\"kind\":\"delay\",\"low\":5,\"map\":6,\"ms\":50},"
                          "{\"action\":\"Release\",\"high\":0,\"key\":\"A\",\"kind\":\"key\",\"low\":4,\"map\":4},"
                          "{\"action\":\"Press\",\"high\":0,\"key\":\"Left Button\",\"kind\":\"button\",\"low\":1,\"map\":129},"
                          "{\"direction\":\"MOVE UP\",\"distance\":5,\"high\":0,\"kind\":\"move\",\"low\":251,\"map\":2}],"
                          "\"loopTime\":1,\"loopType\":0,\"name\":\"burst\",\"playedBy\":[\"Profile 1, button 3\"]}\n")
            << both << false;
        QTest::newRow("import") << QStringList{"macro", "import", "@/outside/recoil.MSMACRO"} << 0 << QByteArray()
                                << QStringList{"spare", "burst", "recoil"} << false;
        QTest::newRow("export adds the extension") << QStringList{"macro", "export", "burst", "@/outside/copy"} << 0
                                                   << QByteArray() << both << false;
        QTest::newRow("delete renumbers the list") << QStringList{"macro", "delete", "spare"} << 0 << QByteArray()
                                                   << QStringList{"burst"} << false;

        const auto refusal = [](const char *row, const QStringList &arguments, int exitCode, const char *message,
                                bool fullStore = false) {
            QTest::newRow(row) << arguments << exitCode << QByteArray(message) << QStringList() << fullStore;
        };
        refusal("unknown subcommand", {"macro", "frob"}, 64, "unknown macro subcommand \"frob\"");
        refusal("show without name", {"macro", "show"}, 64, "macro show needs NAME");
        refusal("list with a word", {"macro", "list", "x"}, 64, "too many arguments for macro list: \"x\"");
        refusal("export without file", {"macro", "export", "burst"}, 64, "macro export needs NAME FILE");
        refusal("export to an empty file name", {"macro", "export", "burst", ""}, 64, "macro export needs NAME FILE");
        refusal("show unsafe name", {"macro", "show", "../x"}, 64, "cannot contain");
        refusal("delete dot dot", {"macro", "delete", ".."}, 64, "cannot be \".\" or \"..\"");
        refusal("import unsafe name", {"macro", "import", "@/outside/a|b.MSMACRO"}, 64, "cannot contain");
        refusal("show unknown", {"macro", "show", "nosuch"}, 65, "macro show nosuch: no such macro");
        refusal("export unknown", {"macro", "export", "nosuch", "@/outside/x"}, 65, "no such macro");
        refusal("delete unknown", {"macro", "delete", "nosuch"}, 65, "no such macro");
        refusal("import taken name", {"macro", "import", "@/outside/burst.MSMACRO"}, 65, ": Macro Exist!");
        refusal("import not a macro file", {"macro", "import", "@/outside/notes.MSMACRO"}, 65,
                "notes.MSMACRO is not a macro file.");
        refusal("import too long", {"macro", "import", "@/outside/long.MSMACRO"}, 65,
                "long.MSMACRO is too long for the mouse: it takes at most 63 events");
        refusal("import far too large", {"macro", "import", "@/outside/huge.MSMACRO"}, 65,
                "huge.MSMACRO is too large for a macro file: it may hold at most 1024 KB.");
        refusal("import into a full list", {"macro", "import", "@/outside/recoil.MSMACRO"}, 65,
                ": TOO MANY MACROS TO BE CREATE!", true);
        refusal("import missing file", {"macro", "import", "@/outside/gone.MSMACRO"}, 74,
                "gone.MSMACRO could not be copied.");
        refusal("export where a file is", {"macro", "export", "burst", "@/Configs/Config.ini/x"}, 74,
                "x.MSMACRO could not be copied.");
        refusal("delete a macro buttons play", {"macro", "delete", "burst"}, 65,
                "the macro \"burst\" is played by Profile 1, button 3");
    }
    void macroCommands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, output);
        QFETCH(QStringList, namesAfter);
        QFETCH(bool, fullStore);
        QVERIFY(storeMacro(QStringLiteral("spare")));
        QVERIFY(storeMacro(QStringLiteral("burst"),
                           {keyPressRow(USAGE_A), delayEvent(5), keyReleaseRow(USAGE_A), {0x81, 0, 1}, {0x02, 0, 251}},
                           1));
        if (fullStore)
            QVERIFY(fillMacroStore(MACRO_LIST_SIZE - 2));
        MouseSettings settings;
        QVERIFY(loadSettings(settings));
        settings.profiles[0].buttonInfo[2].fun = FunMacro;
        settings.profiles[0].buttonInfo[2].macroName = QStringLiteral("burst");
        QVERIFY(saveProfileByName(settings.profiles[0], settings.profileNames[0]));
        const QByteArray oneKey = "[Setting]\nCount=1\nMap_0=132\nDataH_0=0\nDataL_0=4\n";
        QByteArray tooLong = "[Setting]\nCount=52\n";
        for (int i = 0; i < 52; ++i)
            tooLong += QStringLiteral("Map_%1=132\nDataH_%1=0\nDataL_%1=4\n").arg(i).toLatin1();
        for (const char *name : {"recoil", "burst", "a|b"})
            QVERIFY(writeFileBytes(m_app->filePath(QStringLiteral("outside/%1.MSMACRO").arg(name)), oneKey));
        QVERIFY(writeFileBytes(m_app->filePath(QStringLiteral("outside/notes.MSMACRO")), "Milk, eggs\n"));
        QVERIFY(writeFileBytes(m_app->filePath(QStringLiteral("outside/long.MSMACRO")), tooLong));
        if (arguments.join(' ').contains(QLatin1String("huge")))
            QVERIFY(writeFileBytes(m_app->filePath(QStringLiteral("outside/huge.MSMACRO")),
                                   oneKey + "[Junk]\n" + QByteArray(5 << 20, 'x')));
        arguments.replaceInStrings(QStringLiteral("@"), m_app->path());
        const QMap<QString, QByteArray> before = snapshot(m_app->path());

        const CtlRun run = ctl(arguments);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode != 0) {
            QCOMPARE(run.out, QByteArray());
            QCOMPARE(run.errorLines().size(), 1);
            QVERIFY2(run.err.startsWith("mousectl: ") && run.err.contains(output), run.err.constData());
            QCOMPARE(snapshot(m_app->path()), before);
            return;
        }
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.out, output);
        // What the window reads: the index from slot 0, a file for every name.
        QCOMPARE(macroNames(), namesAfter);
        for (int i = 0; i < namesAfter.size(); ++i)
            QCOMPARE(configValue(QStringLiteral("MACRO_LIST/%1").arg(i)).toString(), namesAfter.at(i));
        for (const char *name : {"spare", "burst", "recoil"})
            QCOMPARE(macroFileExists(QLatin1String(name)), namesAfter.contains(QLatin1String(name)));
        const QString subcommand = arguments.at(1);
        if (subcommand == QLatin1String("list") || subcommand == QLatin1String("show"))
            QCOMPARE(snapshot(m_app->path()), before);
        if (subcommand == QLatin1String("import"))
            QCOMPARE(readFileBytes(macroFilePath(QStringLiteral("recoil"))), oneKey);
        if (subcommand == QLatin1String("export"))
            QCOMPARE(readFileBytes(m_app->filePath(QStringLiteral("outside/copy.MSMACRO"))),
                     readFileBytes(macroFilePath(QStringLiteral("burst"))));
    }
};

QTEST_GUILESS_MAIN(TestMousectl)
#include "tst_mousectl.moc"
