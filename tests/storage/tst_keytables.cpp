// Key names, the key code <-> HID usage table and keyboard event conversion.
#include "storage/KeyTables.h"
#include <QSet>
#include <QtTest>

class TestKeyTables : public QObject
{
    Q_OBJECT

private slots:
    void hidTableIsABijection();
    void hidTableOrder();
    void tellingRows_data();
    void tellingRows();
    void names_data();
    void names();
    void failedLookupsLeaveTheOutput();
    void keyboardEvents_data();
    void keyboardEvents();
};

void TestKeyTables::hidTableIsABijection()
{
    QSet<int> codes, usages;
    for (int i = 0; i < HID_KEY_ROW_COUNT; ++i) {
        const HidKeyRow &row = hidKeyRows()[i];
        codes.insert(row.code);
        usages.insert(row.usage);
        QVERIFY2(!keyName(row.code).isEmpty(), qPrintable(QString::number(row.code, 16)));
        int usage = -1, code = -1;
        QVERIFY(keyCodeToHidUsage(row.code, usage));
        QCOMPARE(usage, int(row.usage));
        QVERIFY(hidUsageToKeyCode(row.usage, code));
        QCOMPARE(code, int(row.code));
    }
    QCOMPARE(codes.size(), HID_KEY_ROW_COUNT);
    QCOMPARE(usages.size(), HID_KEY_ROW_COUNT);
    QVERIFY(!usages.contains(0x32));
    QVERIFY(!usages.contains(0x64));

    // Every named keyboard code has a row; the three mouse buttons do not.
    int named = 0;
    for (int code = 0; code < 256; ++code) {
        if (keyName(KeyCode(code)).isEmpty())
            continue;
        ++named;
        const bool mouseButton = code >= KeyLeftButton && code <= KeyMiddleButton;
        QCOMPARE(codes.contains(code), !mouseButton);
    }
    QCOMPARE(named, 107);
}

void TestKeyTables::hidTableOrder()
{
    const HidKeyRow *rows = hidKeyRows();
    // Letters A..Z first, then the digits 1..0.
    for (int i = 0; i < 36; ++i)
        QCOMPARE(int(rows[i].usage), 0x04 + i);
    QCOMPARE(keyName(rows[0].code), QStringLiteral("A"));
    QCOMPARE(keyName(rows[25].code), QStringLiteral("Z"));
    QCOMPARE(keyName(rows[26].code), QStringLiteral("1"));
    QCOMPARE(keyName(rows[35].code), QStringLiteral("0"));
    QCOMPARE(keyName(rows[36].code), QStringLiteral("Enter"));
    QCOMPARE(keyName(rows[40].code), QStringLiteral("Space"));
    QCOMPARE(keyName(rows[95].code), QStringLiteral("App"));
    const char *modifiers[] = {"LShift", "LCtr", "LWindows", "LAlt", "RAlt", "RWindows", "RCtr", "RShift"};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(keyName(rows[96 + i].code), QString::fromLatin1(modifiers[i]));
}

void TestKeyTables::tellingRows_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("usage");
    const int rows[][2] = {
        {0x1E, 0x04}, {0x02, 0x1E}, {0x1C, 0x28}, {0x37, 0x46}, {0x45, 0x48}, {0x48, 0x52},
        {0xE1, 0x53}, {0xE5, 0x58}, {0xE0, 0x63}, {0x5D, 0x65}, {0x1D, 0xE0}, {0x2A, 0xE1},
        {0x38, 0xE2}, {0x5B, 0xE3}, {0xEE, 0xE4}, {0x36, 0xE5}, {0xEF, 0xE6}, {0x5C, 0xE7},
        {0xE6, 0x59}, {0x4F, 0x4D}, {0x57, 0x44}, {0x58, 0x45}, {0x4C, 0x5D}, {0x4A, 0x56},
        {0x4E, 0x57}, {0x2B, 0x31}, {0x27, 0x33},
    };
    for (const auto &r : rows)
        QTest::addRow("%s", qPrintable(keyName(KeyCode(r[0])))) << r[0] << r[1];
}

void TestKeyTables::tellingRows()
{
    QFETCH(int, code);
    QFETCH(int, usage);
    int u = -1, c = -1;
    QVERIFY(keyCodeToHidUsage(code, u));
    QCOMPARE(u, usage);
    QVERIFY(hidUsageToKeyCode(usage, c));
    QCOMPARE(c, code);
}

void TestKeyTables::names_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("00") << 0x00 << QString();
    QTest::newRow("54") << 0x54 << QString();
    QTest::newRow("59") << 0x59 << QString();
    QTest::newRow("5E") << 0x5E << QString();
    QTest::newRow("FF") << 0xFF << QString();
    QTest::newRow("01") << 0x01 << QStringLiteral("Esc");
    QTest::newRow("2B") << 0x2B << QStringLiteral("\\");
    QTest::newRow("37") << 0x37 << QStringLiteral("Print Screen");
    QTest::newRow("45") << 0x45 << QStringLiteral("Pause Break");
    QTest::newRow("53") << 0x53 << QStringLiteral("Delete");
    QTest::newRow("E0") << 0xE0 << QStringLiteral("Num De");
    QTest::newRow("EF") << 0xEF << QStringLiteral("RAlt");
    QTest::newRow("F0") << 0xF0 << QStringLiteral("Left Button");
    QTest::newRow("F1") << 0xF1 << QStringLiteral("Right Button");
    QTest::newRow("F2") << 0xF2 << QStringLiteral("Middle Button");
}

void TestKeyTables::names()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(keyName(KeyCode(code)), name);
}

void TestKeyTables::failedLookupsLeaveTheOutput()
{
    int usage = 1234;
    QVERIFY(!keyCodeToHidUsage(KeyLeftButton, usage));
    QCOMPARE(usage, 1234);
    QVERIFY(!keyCodeToHidUsage(0x54, usage));
    QVERIFY(!keyCodeToHidUsage(0x1E + 0x1000, usage));
    QCOMPARE(usage, 1234);
    int code = 77;
    QVERIFY(!hidUsageToKeyCode(0x32, code));
    QVERIFY(!hidUsageToKeyCode(0x64, code));
    QVERIFY(!hidUsageToKeyCode(0, code));
    QCOMPARE(code, 77);
}

void TestKeyTables::keyboardEvents_data()
{
    QTest::addColumn<int>("scan");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("code");
    const struct { const char *what; int scan, flags, code; } rows[] = {
        {"keypad 7 (Num Lock off)", 0x47, 0x00, 0xEB},
        {"keypad 7 released", 0x47, 0x80, 0xEB},
        {"Home", 0x47, 0x01, 0x47},
        {"Home released", 0x47, 0x81, 0x47},
        {"keypad 8", 0x48, 0x00, 0xEC},
        {"Up", 0x48, 0x01, 0x48},
        {"keypad 9", 0x49, 0x00, 0xE4},
        {"keypad 4", 0x4B, 0x00, 0xE9},
        {"keypad 6", 0x4D, 0x00, 0xEA},
        {"keypad 1", 0x4F, 0x00, 0xE6},
        {"keypad 2", 0x50, 0x00, 0xE7},
        {"keypad 3", 0x51, 0x00, 0xE8},
        {"keypad 0", 0x52, 0x00, 0xED},
        {"keypad decimal", 0x53, 0x00, 0xE0},
        {"Delete", 0x53, 0x01, 0x53},
        {"keypad *", 0x37, 0x00, 0xE3},
        {"Print Screen", 0x37, 0x01, 0x37},
        {"keypad Enter", 0x1C, 0x01, 0xE5},
        {"keypad Enter released", 0x1C, 0x81, 0xE5},
        {"Enter", 0x1C, 0x00, 0x1C},
        {"right Ctrl", 0x1D, 0x01, 0xEE},
        {"left Ctrl", 0x1D, 0x00, 0x1D},
        {"keypad /", 0x35, 0x01, 0xE2},
        {"/", 0x35, 0x00, 0x35},
        {"Num Lock", 0x45, 0x01, 0xE1},
        {"Pause", 0x45, 0x00, 0x45},
        {"right Alt", 0x38, 0x21, 0xEF},
        {"right Alt plain", 0x38, 0x01, 0xEF},
        {"right Alt released", 0x38, 0x81, 0xEF},
        {"left Alt", 0x38, 0x00, 0x38},
        {"left Alt held", 0x38, 0x20, 0x38},
        {"keypad 7 with Alt held", 0x47, 0x20, 0x47},
        {"keypad 5", 0x4C, 0x00, 0x4C},
        {"A", 0x1E, 0x00, 0x1E},
        {"left Windows", 0x5B, 0x01, 0x5B},
    };
    for (const auto &r : rows)
        QTest::newRow(r.what) << r.scan << r.flags << r.code;
}

void TestKeyTables::keyboardEvents()
{
    QFETCH(int, scan);
    QFETCH(int, flags);
    QFETCH(int, code);
    QCOMPARE(int(keyEventToKeyCode(scan, flags)), code);
}

QTEST_GUILESS_MAIN(TestKeyTables)
#include "tst_keytables.moc"
