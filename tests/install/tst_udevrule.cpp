// The shipped udev rule: well-formed udev syntax, and it tags the hidraw nodes
// of the receiver and the cable, and nothing else, for access by the user at
// the seat. A small evaluator stands in for udev, which may be absent here.
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>
#include <unistd.h>

namespace {

struct Assignment {
    QString key;   // "TAG", "ATTR{power/control}"
    QString op;    // "==", "!=", "=", "+=", "-=", ":="
    QString value;
};
using Rule = QVector<Assignment>;

// One device of the chain from the hidraw node up to the USB device.
struct SysDevice {
    QString subsystem;
    QString kernel;
    QMap<QString, QString> attributes;
};

// Keys udev compares, keys it assigns, and keys that do both.
const QStringList kMatchKeys = {"ACTION", "DEVPATH", "KERNEL", "KERNELS", "SUBSYSTEM", "SUBSYSTEMS",
                                "DRIVER", "DRIVERS", "ATTRS", "TAGS", "TEST", "PROGRAM", "RESULT",
                                "CONST", "NAME", "SYMLINK"};
const QStringList kAssignKeys = {"NAME", "SYMLINK", "OWNER", "GROUP", "MODE", "OPTIONS", "IMPORT",
                                 "RUN", "LABEL", "GOTO", "SECLABEL"};
const QStringList kBothKeys = {"ATTR", "SYSCTL", "ENV", "TAG"};
// Keys that need an {argument}, and those where it is optional.
const QStringList kKeysNeedingArgument = {"ATTR", "ATTRS", "SYSCTL", "ENV", "SECLABEL", "CONST", "IMPORT"};
const QStringList kKeysWithOptionalArgument = {"RUN", "TEST"};

QString rulesPath()
{
    return qEnvironmentVariable("MOUSECFG_SOURCE_DIR") + QStringLiteral("/packaging/70-mousecfg.rules");
}

// The rules of a file, or an error message naming the line.
QVector<Rule> parseRules(const QString &text, QString *error)
{
    static const QRegularExpression pair(
        QString::fromLatin1(R"re(^\s*([A-Z_]+)(\{([^{}]+)\})?\s*(==|!=|\+=|-=|:=|=)\s*"((?:[^"\\]|\\.)*)"\s*(,|$))re"));
    QVector<Rule> rules;
    // A backslash at the end of a line continues the rule on the next one.
    QString joined = text;
    joined.replace(QRegularExpression(QStringLiteral("\\\\\n")), QStringLiteral(" "));
    const QStringList lines = joined.split(QLatin1Char('\n'));
    for (int number = 0; number < lines.size(); ++number) {
        QString rest = lines.at(number).trimmed();
        if (rest.isEmpty() || rest.startsWith(QLatin1Char('#')))
            continue;
        Rule rule;
        while (!rest.isEmpty()) {
            const QRegularExpressionMatch m = pair.match(rest);
            if (!m.hasMatch()) {
                *error = QStringLiteral("line %1: cannot read \"%2\"").arg(number + 1).arg(rest);
                return {};
            }
            const QString key = m.captured(1), op = m.captured(4);
            const bool isMatch = op == QLatin1String("==") || op == QLatin1String("!=");
            const bool known = kBothKeys.contains(key) || (isMatch ? kMatchKeys : kAssignKeys).contains(key);
            if (!known) {
                *error = QStringLiteral("line %1: %2 cannot be used with %3").arg(number + 1).arg(key, op);
                return {};
            }
            const bool hasArgument = m.capturedStart(3) >= 0;
            if (hasArgument ? !kKeysNeedingArgument.contains(key) && !kKeysWithOptionalArgument.contains(key)
                            : kKeysNeedingArgument.contains(key)) {
                *error = QStringLiteral("line %1: %2 needs an {argument} or takes none").arg(number + 1).arg(key);
                return {};
            }
            rule.append({m.captured(1) + m.captured(2), op, m.captured(5)});
            const bool last = m.captured(6).isEmpty();
            rest = rest.mid(m.capturedLength()).trimmed();
            if (last != rest.isEmpty()) {
                *error = QStringLiteral("line %1: a comma is missing or dangling").arg(number + 1);
                return {};
            }
        }
        rules.append(rule);
    }
    return rules;
}

// udev patterns: shell globs, alternatives separated by "|".
bool patternMatches(const QString &pattern, const QString &value)
{
    for (const QString &alternative : pattern.split(QLatin1Char('|'))) {
        const QRegularExpression glob(QRegularExpression::wildcardToRegularExpression(alternative));
        if (glob.match(value).hasMatch())
            return true;
    }
    return false;
}

// Whether one comparison holds for the device chain (chain[0] is the node itself).
bool comparisonHolds(const Assignment &a, const QVector<SysDevice> &chain)
{
    const QRegularExpression attribute(QString::fromLatin1(R"(^(ATTRS?)\{(.+)\}$)"));
    bool holds = false;
    if (a.key == QLatin1String("SUBSYSTEM")) {
        holds = patternMatches(a.value, chain.first().subsystem);
    } else if (a.key == QLatin1String("KERNEL")) {
        holds = patternMatches(a.value, chain.first().kernel);
    } else if (a.key == QLatin1String("SUBSYSTEMS") || a.key == QLatin1String("KERNELS")) {
        for (const SysDevice &d : chain)
            holds = holds || patternMatches(a.value, a.key == QLatin1String("KERNELS") ? d.kernel : d.subsystem);
    } else if (const QRegularExpressionMatch m = attribute.match(a.key); m.hasMatch()) {
        const bool upwards = m.captured(1) == QLatin1String("ATTRS");
        for (int i = 0; i < (upwards ? chain.size() : 1); ++i) {
            const auto found = chain.at(i).attributes.constFind(m.captured(2));
            holds = holds || (found != chain.at(i).attributes.constEnd() && patternMatches(a.value, *found));
        }
    } else {
        return false; // a key this evaluator does not model never matches
    }
    return a.op == QLatin1String("==") ? holds : !holds;
}

// The tags the rules give the node.
QStringList tagsFor(const QVector<Rule> &rules, const QVector<SysDevice> &chain)
{
    QStringList tags;
    for (const Rule &rule : rules) {
        bool all = true;
        for (const Assignment &a : rule) {
            if (a.op == QLatin1String("==") || a.op == QLatin1String("!="))
                all = all && comparisonHolds(a, chain);
        }
        if (!all)
            continue;
        for (const Assignment &a : rule) {
            if (a.key == QLatin1String("TAG") && a.op == QLatin1String("+="))
                tags << a.value;
        }
    }
    return tags;
}

// A hidraw node (or another node) of a USB HID device, as sysfs shows its chain.
QVector<SysDevice> usbHidNode(const QString &subsystem, const QString &vendor, const QString &product)
{
    const QString hidName = QStringLiteral("0003:%1:%2.0007").arg(vendor.toUpper(), product.toUpper());
    return {
        {subsystem, subsystem == QLatin1String("hidraw") ? QStringLiteral("hidraw3") : QStringLiteral("event7"), {{"dev", "243:3"}}},
        {QStringLiteral("hid"), hidName, {{"country", "00"}}},
        {QStringLiteral("usb"), QStringLiteral("1-2:1.1"), {{"bInterfaceNumber", "01"}, {"bInterfaceClass", "03"}}},
        {QStringLiteral("usb"), QStringLiteral("1-2"),
         {{"idVendor", vendor}, {"idProduct", product}, {"busnum", "1"}, {"devnum", "5"}}},
    };
}

QVector<Rule> shippedRules()
{
    QFile file(rulesPath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString error;
    return parseRules(QString::fromUtf8(file.readAll()), &error);
}

} // namespace

class TestUdevRule : public QObject
{
    Q_OBJECT

private slots:
    void parserRefusesBadSyntax_data();
    void parserRefusesBadSyntax();
    void shippedRuleIsWellFormed();
    void tagsTheMouseOnly_data();
    void tagsTheMouseOnly();
    void udevadmAcceptsRule();
};

void TestUdevRule::parserRefusesBadSyntax_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("good") << R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}=="248a", TAG+="uaccess")" << true;
    QTest::newRow("continued line") << "SUBSYSTEM==\"hidraw\", \\\n  TAG+=\"uaccess\"\n" << true;
    QTest::newRow("comment and blank") << "# note\n\nKERNEL==\"hidraw*\", MODE=\"0660\"" << true;
    QTest::newRow("unknown key") << R"(SUBSYSTEMZ=="hidraw", TAG+="uaccess")" << false;
    QTest::newRow("assignment as match") << R"(SUBSYSTEM="hidraw", TAG+="uaccess")" << false;
    QTest::newRow("match as assignment") << R"(SUBSYSTEM=="hidraw", MODE=="0660")" << false;
    QTest::newRow("missing comma") << R"(SUBSYSTEM=="hidraw" TAG+="uaccess")" << false;
    QTest::newRow("dangling comma") << R"(SUBSYSTEM=="hidraw", TAG+="uaccess",)" << false;
    QTest::newRow("unquoted value") << R"(SUBSYSTEM==hidraw, TAG+="uaccess")" << false;
    QTest::newRow("attribute without name") << R"(ATTRS=="248a", TAG+="uaccess")" << false;
}

void TestUdevRule::parserRefusesBadSyntax()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QString error;
    const QVector<Rule> rules = parseRules(text, &error);
    QCOMPARE(error.isEmpty(), valid);
    QCOMPARE(rules.isEmpty(), !valid);
}

void TestUdevRule::shippedRuleIsWellFormed()
{
    QFile file(rulesPath());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(rulesPath()));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith('\n'));
    QString error;
    const QVector<Rule> rules = parseRules(QString::fromUtf8(bytes), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!rules.isEmpty());
    // udev only grants seat access in rules read before 73-seat-late.rules.
    QVERIFY(QFileInfo(rulesPath()).fileName() < QStringLiteral("73-seat-late.rules"));
}

void TestUdevRule::tagsTheMouseOnly_data()
{
    QTest::addColumn<QString>("subsystem");
    QTest::addColumn<QString>("vendor");
    QTest::addColumn<QString>("product");
    QTest::addColumn<bool>("tagged");
    QTest::newRow("receiver") << "hidraw" << "248a" << "fa02" << true;
    QTest::newRow("cable") << "hidraw" << "248a" << "fb01" << true;
    QTest::newRow("other product of the vendor") << "hidraw" << "248a" << "fa03" << false;
    QTest::newRow("same product id, other vendor") << "hidraw" << "046d" << "fa02" << false;
    QTest::newRow("receiver's input node") << "input" << "248a" << "fa02" << false;
}

void TestUdevRule::tagsTheMouseOnly()
{
    QFETCH(QString, subsystem);
    QFETCH(QString, vendor);
    QFETCH(QString, product);
    QFETCH(bool, tagged);
    const QVector<Rule> rules = shippedRules();
    QVERIFY(!rules.isEmpty());
    const QStringList expected = tagged ? QStringList{"uaccess"} : QStringList{};
    QCOMPARE(tagsFor(rules, usbHidNode(subsystem, vendor, product)), expected);
}

// udevadm test reads every rules folder, as udevd would, and runs one event.
// In a private mount namespace /run holds the shipped rule alone, and a device
// every system has stands in for the mouse: no udevd needs to run, and the
// rule's syntax is checked by udev itself (errors come as "file:line ...").
void TestUdevRule::udevadmAcceptsRule()
{
    const QString udevadm = QStandardPaths::findExecutable(QStringLiteral("udevadm"));
    QVERIFY2(!udevadm.isEmpty(), "udevadm is not installed (tools/install-deps.sh installs udev)");
    const QString installed = QStringLiteral("/run/udev/rules.d/70-mousecfg.rules");
    const QString script = QStringLiteral("mount -t tmpfs tmpfs /run && mkdir -p /run/udev/rules.d && cp \"$1\" %1 "
                                          "&& \"$2\" test --action=add /sys/devices/virtual/mem/null")
                               .arg(installed);
    QStringList arguments = geteuid() == 0 ? QStringList{"--mount"} : QStringList{"--map-root-user", "--mount"};
    arguments << "sh" << "-c" << script << "sh" << rulesPath() << udevadm;
    QProcess test;
    test.setProcessChannelMode(QProcess::MergedChannels);
    test.start(QStringLiteral("unshare"), arguments);
    QVERIFY(test.waitForFinished(30000));
    const QString output = QString::fromUtf8(test.readAll());
    QVERIFY2(test.exitCode() == 0, qPrintable(output));
    QVERIFY2(output.contains("Reading rules file: " + installed), qPrintable(output));
    for (const QString &line : output.split('\n'))
        QVERIFY2(!line.startsWith(installed + ':'), qPrintable(line));
}

QTEST_GUILESS_MAIN(TestUdevRule)
#include "tst_udevrule.moc"
