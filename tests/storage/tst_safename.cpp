// The one rule for names that become file names.
#include "storage/SafeName.h"
#include <QtTest>

class TestSafeName : public QObject
{
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
};

void TestSafeName::rule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    QTest::newRow("plain") << QStringLiteral("Profile 1") << true;
    QTest::newRow("unicode") << QStringLiteral("配置 1") << true;
    QTest::newRow("emoji pair") << QString::fromUtf8("fast \xF0\x9F\x94\xA5") << true;
    QTest::newRow("dots inside") << QStringLiteral("a..b") << true;
    QTest::newRow("leading dot") << QStringLiteral(".hidden") << true;
    QTest::newRow("100 characters") << QString(100, QLatin1Char('x')) << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("dot") << QStringLiteral(".") << false;
    QTest::newRow("dot dot") << QStringLiteral("..") << false;
    QTest::newRow("parent path") << QStringLiteral("../x") << false;
    QTest::newRow("slash") << QStringLiteral("a/b") << false;
    QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
    QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << false;
    QTest::newRow("nul") << QString::fromUtf16(u"a\0b", 3) << false;
    QTest::newRow("newline") << QStringLiteral("a\nb") << false;
    QTest::newRow("escape") << QStringLiteral("a\x1b[31m") << false;
    QTest::newRow("delete") << QStringLiteral("a\x7f") << false;
    QTest::newRow("C1 control") << QString(QChar(0x85)) << false;
    QTest::newRow("colon") << QStringLiteral("C:x") << false;
    QTest::newRow("star") << QStringLiteral("a*") << false;
    QTest::newRow("question") << QStringLiteral("a?") << false;
    QTest::newRow("quote") << QStringLiteral("a\"b") << false;
    QTest::newRow("angle") << QStringLiteral("<a>") << false;
    QTest::newRow("pipe") << QStringLiteral("a|b") << false;
    QTest::newRow("101 characters") << QString(101, QLatin1Char('x')) << false;
    QTest::newRow("too many UTF-8 bytes") << QString(70, QChar(0x914D)) << false;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("x") << false;
}

void TestSafeName::rule()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    QCOMPARE(isSafeFileName(name), usable);
    QCOMPARE(fileNameProblem(name).isEmpty(), usable);
}

QTEST_GUILESS_MAIN(TestSafeName)
#include "tst_safename.moc"
