// The 128-byte key table: entry placement by the button matrix, wheel
// directions, every parameterised function and the macro slots.
#include "device/ButtonEncoding.h"
#include <QtTest>

using Bytes = QVector<int>;

namespace {

Bytes entryAt(const KeyTable &t, int offset)
{
    return {t[size_t(offset)], t[size_t(offset + 1)], t[size_t(offset + 2)], t[size_t(offset + 3)]};
}

Bytes bytesOf(const KeyEntry &e)
{
    return {e[0], e[1], e[2], e[3]};
}

ButtonTableLayout layoutOf(int buttons, std::initializer_list<int> matrix, bool scrollRev = false, int sensor = 3327)
{
    ButtonTableLayout l;
    l.buttonCount = buttons;
    int i = 0;
    for (int m : matrix)
        l.matrix[size_t(i++)] = uint8_t(m);
    l.scrollRev = scrollRev;
    l.sensor = sensor;
    return l;
}

} // namespace

class TestKeyTable : public QObject
{
    Q_OBJECT
private slots:
    void entriesFollowTheMatrix();
    void wheelDirections_data();
    void wheelDirections();
    void positionsOutsideTheTableAreSkipped();
    void functionTableEntries_data();
    void functionTableEntries();
    void singleKey();
    void comboKeyModifierSum_data();
    void comboKeyModifierSum();
    void fireKey();
    void sniper();
    void macroSlotsByName();
    void macroRepeatModes_data();
    void macroRepeatModes();
    void tablePackets();
};

void TestKeyTable::entriesFollowTheMatrix()
{
    ProfileData p;
    p.buttonInfo[0].fun = 1;  // 81
    p.buttonInfo[1].fun = 2;  // 82
    p.buttonInfo[2].fun = 48; // 8A
    p.buttonInfo[3].fun = 4;  // not a physical button here
    p.buttonInfo[40].fun = 52;
    p.buttonInfo[41].fun = 53;
    KeyTable t{};
    MacroNameMap names;
    encodeKeyTable(t, p, layoutOf(3, {2, 0, 1, 3}), names);
    QCOMPARE(int(t[0]), 0x0A);
    QCOMPARE(int(t[1]), 0x00);
    QCOMPARE(entryAt(t, 2 + 4 * 2), (Bytes{0x81, 0, 0, 0}));
    QCOMPARE(entryAt(t, 2), (Bytes{0x82, 0, 0, 0}));
    QCOMPARE(entryAt(t, 6), (Bytes{0x8A, 0, 0, 0}));
    QCOMPARE(entryAt(t, 14), (Bytes{0, 0, 0, 0}));
    QCOMPARE(entryAt(t, 90), (Bytes{0x8B, 0, 0, 0}));
    QCOMPARE(entryAt(t, 94), (Bytes{0x8C, 0, 0, 0}));
}

void TestKeyTable::wheelDirections_data()
{
    QTest::addColumn<bool>("scrollRev");
    QTest::addColumn<int>("slot40Offset");
    QTest::addColumn<int>("slot41Offset");
    QTest::newRow("normal") << false << 90 << 94;
    QTest::newRow("reversed") << true << 94 << 90;
}

void TestKeyTable::wheelDirections()
{
    QFETCH(bool, scrollRev);
    QFETCH(int, slot40Offset);
    QFETCH(int, slot41Offset);
    ProfileData p;
    p.buttonInfo[40].fun = 52;
    p.buttonInfo[41].fun = 53;
    KeyTable t{};
    MacroNameMap names;
    encodeKeyTable(t, p, layoutOf(0, {}, scrollRev), names);
    QCOMPARE(entryAt(t, slot40Offset), (Bytes{0x8B, 0, 0, 0}));
    QCOMPARE(entryAt(t, slot41Offset), (Bytes{0x8C, 0, 0, 0}));
}

void TestKeyTable::positionsOutsideTheTableAreSkipped()
{
    ProfileData p;
    for (ButtonInfo &b : p.buttonInfo)
        b.fun = 1;
    KeyTable t;
    t.fill(0xEE);
    MacroNameMap names;
    // Matrix entry 30 lies beyond the 24 entries; 20 buttons exceed the 16 the matrix knows.
    ButtonTableLayout l = layoutOf(20, {30, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    encodeKeyTable(t, p, l, names);
    QCOMPARE(entryAt(t, 2), (Bytes{0xEE, 0xEE, 0xEE, 0xEE}));
    for (int e = 1; e < 16; ++e)
        QCOMPARE(entryAt(t, 2 + 4 * e), (Bytes{0x81, 0, 0, 0}));
    for (int e = 16; e < 22; ++e) // matrix positions 16..21 do not exist
        QCOMPARE(entryAt(t, 2 + 4 * e), (Bytes{0xEE, 0xEE, 0xEE, 0xEE}));
    for (int i = 98; i < KEY_TABLE_BYTES; ++i)
        QCOMPARE(int(t[size_t(i)]), 0xEE);
    QCOMPARE(keyEntryOffset(5, l), 22);
    QCOMPARE(keyEntryOffset(0, l), -1);
    QCOMPARE(keyEntryOffset(16, l), -1);
    QCOMPARE(keyEntryOffset(-1, l), -1);
}

void TestKeyTable::functionTableEntries_data()
{
    QTest::addColumn<int>("fun");
    QTest::addColumn<Bytes>("bytes");
    QTest::newRow("left") << 1 << Bytes{0x81, 0, 0, 0};
    QTest::newRow("forward") << 4 << Bytes{0x85, 0, 0, 0};
    QTest::newRow("back") << 5 << Bytes{0x84, 0, 0, 0};
    QTest::newRow("13") << 13 << Bytes{0x30, 0, 0, 0};
    QTest::newRow("dpi +") << 48 << Bytes{0x8A, 0, 0, 0};
    QTest::newRow("ctrl shortcut") << 17 << Bytes{0x8F, 0x01, 0x1B, 0};
    QTest::newRow("alt shortcut") << 26 << Bytes{0x8F, 0x04, 0x3D, 0};
    QTest::newRow("gui shortcut 62") << 62 << Bytes{0x8F, 0x08, 0x10, 0};
    QTest::newRow("consumer 0x0223") << 31 << Bytes{0x8E, 0x01, 0x23, 0x02};
    QTest::newRow("consumer 0x0183") << 46 << Bytes{0x8E, 0x01, 0x83, 0x01};
    QTest::newRow("disabled") << 16 << Bytes{0, 0, 0, 0};
    QTest::newRow("63") << 63 << Bytes{0x97, 0x01, 0, 0};
    QTest::newRow("54") << 54 << Bytes{0x9B, 0x08, 0, 0};
    QTest::newRow("61") << 61 << Bytes{0xA0, 0, 0, 0};
    QTest::newRow("not listed") << 999 << Bytes{0, 0, 0, 0};
    QTest::newRow("zero") << 0 << Bytes{0, 0, 0, 0};
}

void TestKeyTable::functionTableEntries()
{
    QFETCH(int, fun);
    QFETCH(Bytes, bytes);
    ButtonInfo b;
    b.fun = fun;
    MacroNameMap names;
    QCOMPARE(bytesOf(encodeButton(b, 3327, names, 0)), bytes);
}

void TestKeyTable::singleKey()
{
    ButtonInfo b;
    b.fun = FunSingleKey;
    b.res1 = 0x1E; // "A"
    MacroNameMap names;
    QCOMPARE(bytesOf(encodeButton(b, 0, names, 0)), (Bytes{0x90, 0, 0x04, 0}));
    b.res1 = 0xEF; // "RAlt"
    QCOMPARE(bytesOf(encodeButton(b, 0, names, 0)), (Bytes{0x90, 0, 0xE6, 0}));
    b.res1 = 0xF0; // a mouse button has no usage
    QCOMPARE(bytesOf(encodeButton(b, 0, names, 0)), (Bytes{0x90, 0, 0, 0}));
}

void TestKeyTable::comboKeyModifierSum_data()
{
    QTest::addColumn<Bytes>("usages");
    QTest::addColumn<Bytes>("bytes");
    QTest::newRow("ctrl+c") << Bytes{0xE0, 0x06, 0x06, 0xE0} << Bytes{0x8F, 0x01, 0x06, 0};
    QTest::newRow("right ctrl+shift+b") << Bytes{0xE4, 0xE5, 0x05, 0x05, 0xE5, 0xE4} << Bytes{0x8F, 0x03, 0x05, 0};
    QTest::newRow("all four") << Bytes{0xE0, 0xE1, 0xE2, 0xE3, 0x16, 0x16, 0xE3, 0xE2, 0xE1, 0xE0}
                              << Bytes{0x8F, 0x0F, 0x16, 0};
    QTest::newRow("right alt and gui") << Bytes{0xE6, 0xE7, 0x2C, 0x2C, 0xE7, 0xE6} << Bytes{0x8F, 0x0C, 0x2C, 0};
    QTest::newRow("last key wins") << Bytes{0x04, 0x05, 0x05, 0x04} << Bytes{0x8F, 0, 0x04, 0};
    QTest::newRow("modifiers only") << Bytes{0xE1, 0xE1} << Bytes{0x8F, 0x02, 0, 0};
    QTest::newRow("empty") << Bytes{} << Bytes{0x8F, 0, 0, 0};
}

void TestKeyTable::comboKeyModifierSum()
{
    QFETCH(Bytes, usages);
    QFETCH(Bytes, bytes);
    ButtonInfo b;
    b.fun = FunComboKey;
    for (int j = 0; j < usages.size(); ++j)
        b.keyInfo[j].map = uint8_t(usages[j]);
    MacroNameMap names;
    QCOMPARE(bytesOf(encodeButton(b, 0, names, 0)), bytes);
    const ComboKey combo = comboKeyOf(b);
    QCOMPARE(int(combo.modifiers), bytes[1]);
    QCOMPARE(int(combo.mainUsage), bytes[2]);
}

void TestKeyTable::fireKey()
{
    ButtonInfo b;
    b.fun = FunFireKey;
    MacroNameMap names;
    QCOMPARE(bytesOf(encodeButton(b, 0, names, 0)), (Bytes{0x99, 0x81, 0x03, 0}));
    b.res1 = 5;
    b.loopNumber = 0x1234;
    b.keyNumber = 250;
    QCOMPARE(bytesOf(encodeButton(b, 0, names, 0)), (Bytes{0x99, 0x05, 0x34, 25}));
}

void TestKeyTable::sniper()
{
    ButtonInfo b;
    b.fun = FunSniper;
    b.res1 = 8;
    MacroNameMap names;
    QCOMPARE(bytesOf(encodeButton(b, 3325, names, 0)), (Bytes{0x9A, 1, 18, 18}));
    QCOMPARE(bytesOf(encodeButton(b, 3104, names, 0)), (Bytes{0x9A, 1, 8, 8}));
    QCOMPARE(bytesOf(encodeButton(b, 3399, names, 0)), (Bytes{0x9A, 1, 4, 4}));
}

void TestKeyTable::macroSlotsByName()
{
    ProfileData p;
    const char *assigned[] = {"Alpha", "Alpha", "Beta", "Gamma"};
    for (int i = 0; i < 4; ++i) {
        p.buttonInfo[i].fun = FunMacro;
        p.buttonInfo[i].macroName = QString::fromLatin1(assigned[i]);
        p.buttonInfo[i].loopNumber = 3;
    }
    p.buttonInfo[4].fun = FunGunFile;
    p.buttonInfo[4].macroName = QStringLiteral("Beta");
    KeyTable t{};
    MacroNameMap names;
    names.assign(QStringLiteral("Stale")); // the map is rebuilt for every table
    encodeKeyTable(t, p, layoutOf(5, {0, 1, 2, 3, 4}), names);
    QCOMPARE(names.names(), (QStringList{"Alpha", "Beta", "Gamma"}));
    QCOMPARE(entryAt(t, 2), (Bytes{0x91, 0, 3, 0}));
    QCOMPARE(entryAt(t, 6), (Bytes{0x91, 0, 3, 0}));
    QCOMPARE(entryAt(t, 10), (Bytes{0x91, 1, 3, 0}));
    QCOMPARE(entryAt(t, 14), (Bytes{0x91, 2, 3, 0}));
    QCOMPARE(entryAt(t, 18), (Bytes{0x9D, 1, 0, 0}));
    QCOMPARE(int(p.buttonInfo[0].res4), 0);
    QCOMPARE(int(p.buttonInfo[1].res4), 0);
    QCOMPARE(int(p.buttonInfo[2].res4), 1);
    QCOMPARE(int(p.buttonInfo[3].res4), 2);
    QCOMPARE(int(p.buttonInfo[4].res4), 1);
}

void TestKeyTable::macroRepeatModes_data()
{
    QTest::addColumn<int>("res1");
    QTest::addColumn<Bytes>("bytes");
    QTest::newRow("repeat count") << 0 << Bytes{0x91, 0x02, 0x2C, 0x01};
    QTest::newRow("while held") << 1 << Bytes{0x91, 0x82, 0xFF, 0xFF};
    QTest::newRow("toggle") << 2 << Bytes{0x91, 0x42, 0xFF, 0xFF};
    QTest::newRow("unknown keeps byte 1") << 7 << Bytes{0x91, 0x5A, 0x2C, 0x01};
}

void TestKeyTable::macroRepeatModes()
{
    QFETCH(int, res1);
    QFETCH(Bytes, bytes);
    MacroNameMap names;
    names.assign(QStringLiteral("a"));
    names.assign(QStringLiteral("b"));
    ButtonInfo b;
    b.fun = FunMacro;
    b.macroName = QStringLiteral("c");
    b.loopNumber = 300;
    b.res1 = uint8_t(res1);
    QCOMPARE(bytesOf(encodeButton(b, 0, names, 0x5A)), bytes);
    QCOMPARE(int(b.res4), 2);
}

void TestKeyTable::tablePackets()
{
    KeyTable t;
    for (int i = 0; i < KEY_TABLE_BYTES; ++i)
        t[size_t(i)] = uint8_t(i);
    const ReportList r = keyTableReports(t);
    QCOMPARE(int(r.size()), 7);
    const int offsets[] = {0, 2, 26, 50, 74, 98, 0x7F};
    const int lengths[] = {2, 24, 24, 24, 24, 4, 1};
    const int tags[] = {0xD1, 0xD2, 0xD2, 0xD2, 0xD2, 0xD2, 0xD3};
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(int(r[size_t(i)][3]), 0x03);
        QCOMPARE(int(r[size_t(i)][4] | r[size_t(i)][5] << 8), offsets[i]);
        QCOMPARE(int(r[size_t(i)][6]), lengths[i]);
        QCOMPARE(int(r[size_t(i)][7]), tags[i]);
    }
    QCOMPARE(int(r[0][8]), 0);
    QCOMPARE(int(r[0][9]), 1);
    QCOMPARE(int(r[0][10]), 0);
    QCOMPARE(int(r[2][8]), 26);
    QCOMPARE(int(r[4][31]), 97);
    QCOMPARE(int(r[4][32]), 0);
    QCOMPARE((Bytes{r[5][8], r[5][9], r[5][10], r[5][11], r[5][12]}), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0}));
    QCOMPARE(int(r[6][8]), 0x1A);
}

QTEST_GUILESS_MAIN(TestKeyTable)
#include "tst_keytable.moc"
