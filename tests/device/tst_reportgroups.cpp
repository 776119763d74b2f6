// The report frame and the basic settings, lighting and macro groups, byte by byte.
#include "device/BasicSettings.h"
#include "device/LightingEncoding.h"
#include "device/MacroEncoding.h"
#include "device/ReportFrame.h"
#include <QtTest>

using Bytes = QVector<int>;

namespace {

Bytes bytesOf(const QByteArray &a)
{
    Bytes out;
    for (char c : a)
        out.append(uint8_t(c));
    return out;
}

Bytes reportBytes(const Report &r, int from, int count)
{
    Bytes out;
    for (int i = from; i < from + count; ++i)
        out.append(r[size_t(i)]);
    return out;
}

// Key presses of usages 4, 5, 6, ...: wire triples 84 04 00, 84 05 00, ...
QVector<MacroEvent> keyEvents(int n)
{
    QVector<MacroEvent> events;
    for (int j = 0; j < n; ++j)
        events.append({0x84, 0, uint8_t(4 + j)});
    return events;
}

Bytes keyTriple(int j) { return {0x84, 4 + j, 0}; }
const Bytes kDelay = {0x06, 0x01, 0x00};
const Bytes kZero = {0, 0, 0};

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &p : parts)
        out += p;
    return out;
}

} // namespace

class TestReportGroups : public QObject
{
    Q_OBJECT
private slots:
    void frames();
    void basicSettingsLayout();
    void basicSettingsEffect_data();
    void basicSettingsEffect();
    void lightingRecords();
    void lightingPackets();
    void macroEncoding_data();
    void macroEncoding();
    void macroWithDelaysIsStoredUnchanged();
    void macroCutAt200Bytes_data();
    void macroCutAt200Bytes();
    void macroAreaFromButtons();
    void macroAreaStopsBeyondTwentySlots();
    void macroAreaPackets();
};

void TestReportGroups::frames()
{
    const uint8_t data[2] = {0xAB, 0xCD};
    const Report area = areaReport(OpLightingTable, 0x0134, TagNextChunk, data, 2);
    QCOMPARE(reportBytes(area, 0, 11), (Bytes{5, 0, 0xFA, 0x04, 0x34, 0x01, 2, 0xD2, 0xAB, 0xCD, 0}));
    QCOMPARE(reportBytes(closingReport(OpBasicSettings), 0, 10), (Bytes{5, 0, 0xFA, 1, 0x7F, 0, 1, 0xD3, 0x1A, 0}));
    QCOMPARE(reportBytes(closingReport(OpMacros), 0, 10), (Bytes{5, 0, 0xFA, 5, 0xFF, 0x0F, 1, 0xD3, 0x1A, 0}));
    QCOMPARE(reportBytes(commandReport(OpControl, 0xF3, 0x08), 0, 9), (Bytes{5, 0, 0xFA, 0x40, 0xF3, 0x08, 0, 0, 0}));
    QCOMPARE(reportBytes(withChecksum(commandReport(OpWriteMode, 1)), 0, 8),
             (Bytes{5, (0xFA + 0x46 + 1) % 256 ^ 0x66, 0xFA, 0x46, 1, 0, 0, 0}));
    // A length beyond the report is cut to the 25 data bytes.
    uint8_t big[40];
    std::fill(std::begin(big), std::end(big), 0x77);
    const Report cut = areaReport(OpMacros, 0, TagFirstChunk, big, 40);
    QCOMPARE(int(cut[6]), REPORT_DATA_MAX);
    QCOMPARE(int(cut[32]), 0x77);
}

void TestReportGroups::basicSettingsLayout()
{
    MouseSettings s;
    s.profileId = 2;
    for (int p = 0; p < PROFILE_COUNT; ++p) {
        s.profiles[p].scrollSpeed = uint8_t(10 + p);
        s.profiles[p].pollrate = uint8_t(1 << (p % 4));
        s.profiles[p].dpi = uint8_t(p);
        s.profiles[p].ledMode = uint8_t(p);
    }
    s.profiles[0].ledMoveOff = 255;
    s.profiles[0].ledSleepTime = 5;
    s.profiles[2].ledMoveOff = 0; // only profile 0's lighting sleep counts
    const ReportList r = basicSettingsReports(s);
    QCOMPARE(int(r.size()), 2);
    QCOMPARE(reportBytes(r[0], 0, 8), (Bytes{5, 0, 0xFA, 0x01, 0, 0, 0x13, 0xD1}));
    QCOMPARE(reportBytes(r[0], 8, 19),
             (Bytes{10, 11, 12, 13, 14, 0, 2, 255, 5, 1, 1, 1, 2, 4, 8, 1, 0x1F, 2, 3}));
    QCOMPARE(int(r[0][27]), 0);
    QCOMPARE(reportBytes(r[1], 3, 6), (Bytes{0x01, 0x7F, 0, 1, 0xD3, 0x1A}));
    // The single-lighting model shows profile 0's effect (mode 0) on every slot.
    QCOMPARE(int(basicSettingsReports(s, true)[0][26]), 1);
}

void TestReportGroups::basicSettingsEffect_data()
{
    QTest::addColumn<int>("ledMode");
    QTest::addColumn<int>("effect");
    const int expected[] = {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10};
    for (int m = 0; m < LED_MODE_COUNT; ++m)
        QTest::addRow("mode %d", m) << m << expected[m];
    QTest::newRow("mode 14") << 14 << 6;
    QTest::newRow("mode 255") << 255 << 6;
}

void TestReportGroups::basicSettingsEffect()
{
    QFETCH(int, ledMode);
    QFETCH(int, effect);
    MouseSettings s;
    s.profileId = 1;
    s.profiles[1].ledMode = uint8_t(ledMode);
    s.profiles[0].ledMode = 0;
    QCOMPARE(int(basicSettingsReports(s)[0][26]), effect);
}

void TestReportGroups::lightingRecords()
{
    ProfileData p;
    for (int m = 0; m < LED_MODE_COUNT; ++m) {
        p.ledModes[m].rgb = QColor(10 + m, 20 + m, 30 + m);
        p.ledModes[m].bright = 40 + m;
        p.ledModes[m].breath = 50 + m;
    }
    const LightingTable t = buildLightingTable(p);
    auto record = [&](int i) {
        Bytes out;
        for (int b = 0; b < LIGHTING_RECORD_BYTES; ++b)
            out.append(t[size_t(i * LIGHTING_RECORD_BYTES + b)]);
        return out;
    };
    QCOMPARE(record(0), (Bytes{0x80, 0, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(record(1), (Bytes{0x80, 11, 21, 31, 0x01, 0, 0x02, 41}));
    QCOMPARE(record(2), (Bytes{0x80, 12, 22, 32, 0x01, 52, 0x04, 0x03}));
    QCOMPARE(record(3), (Bytes{0x80, 0, 0, 0, 0x01, 53, 0x01, 0x03}));
    QCOMPARE(record(4), (Bytes{0x80, 0, 0, 0, 0x01, 54, 0x08, 44}));
    QCOMPARE(record(5), (Bytes{0x80, 0, 0, 0, 0x05, 59, 0x01, 49}));
    QCOMPARE(record(6), (Bytes{0x80, 0, 0, 0, 0x07, 0, 0, 51}));
    QCOMPARE(record(7), (Bytes{0x80, 0, 0, 0, 0x06, 60, 0, 50}));
    QCOMPARE(record(8), (Bytes{0x80, 0, 0, 0, 0x08, 62, 0, 52}));
    QCOMPARE(record(9), (Bytes{0x80, 0, 0, 0, 0x09, 63, 0, 53}));
}

void TestReportGroups::lightingPackets()
{
    ProfileData p;
    const ReportList r = lightingReports(buildLightingTable(p));
    QCOMPARE(int(r.size()), 5);
    const Bytes heads[] = {{0x04, 0, 0, 24, 0xD1}, {0x04, 24, 0, 24, 0xD2}, {0x04, 48, 0, 24, 0xD2},
                           {0x04, 72, 0, 8, 0xD2}, {0x04, 0x7F, 0, 1, 0xD3}};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(reportBytes(r[size_t(i)], 3, 5), heads[i]);
    QCOMPARE(int(r[0][8]), 0x80);
    QCOMPARE(int(r[3][8]), 0x80);
    QCOMPARE(int(r[3][16]), 0);
}

void TestReportGroups::macroEncoding_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<Bytes>("encoded");
    QTest::newRow("no events") << 0 << concat({kDelay, kZero});
    QTest::newRow("one") << 1 << concat({keyTriple(0), kDelay, kZero});
    QTest::newRow("three: the next group's pause follows")
        << 3 << concat({keyTriple(0), keyTriple(1), keyTriple(2), kDelay, kDelay});
    QTest::newRow("four") << 4 << concat({keyTriple(0), keyTriple(1), keyTriple(2), keyTriple(3), kDelay, kDelay, kZero});
    QTest::newRow("five") << 5
                          << concat({keyTriple(0), keyTriple(1), keyTriple(2), keyTriple(3), kDelay, keyTriple(4), kDelay, kZero});
    QTest::newRow("seven") << 7
                           << concat({keyTriple(0), keyTriple(1), keyTriple(2), keyTriple(3), kDelay, keyTriple(4),
                                      keyTriple(5), keyTriple(6), kDelay, kDelay});
    QTest::newRow("eight") << 8
                           << concat({keyTriple(0), keyTriple(1), keyTriple(2), keyTriple(3), kDelay, keyTriple(4),
                                      keyTriple(5), keyTriple(6), keyTriple(7), kDelay, kDelay, kZero});
}

void TestReportGroups::macroEncoding()
{
    QFETCH(int, n);
    QFETCH(Bytes, encoded);
    const QByteArray got = encodeMacroEvents(keyEvents(n));
    QCOMPARE(bytesOf(got), encoded);
    QCOMPARE(got.size(), 3 * (n + n / 4 + 2));

    MacroArea area;
    area.fill(0xEE);
    encodeMacroSlot(area, 3, keyEvents(n));
    for (int i = 0; i < MACRO_SLOT_BYTES; ++i)
        QCOMPARE(int(area[size_t(600 + i)]), i < encoded.size() ? encoded[i] : 0);
    QCOMPARE(int(area[599]), 0xEE);
    QCOMPARE(int(area[800]), 0xEE);
}

void TestReportGroups::macroWithDelaysIsStoredUnchanged()
{
    QVector<MacroEvent> events = keyEvents(6);
    events.insert(2, MacroEvent{0x06, 0x01, 0x2C}); // 300 units
    const QByteArray got = encodeMacroEvents(events);
    QCOMPARE(got.size(), 21);
    QCOMPARE(bytesOf(got.mid(6, 3)), (Bytes{0x06, 0x2C, 0x01}));
    QCOMPARE(bytesOf(got.left(6)), concat({keyTriple(0), keyTriple(1)}));
    QCOMPARE(bytesOf(got.mid(9)), concat({keyTriple(2), keyTriple(3), keyTriple(4), keyTriple(5)}));

    // A delay with the press bit set is not a recorded delay.
    QVector<MacroEvent> pressed = keyEvents(4);
    pressed[1].map = 0x86;
    QCOMPARE(encodeMacroEvents(pressed).size(), 3 * (4 + 1 + 2));
}

void TestReportGroups::macroCutAt200Bytes_data()
{
    // Presses of keys 4, 5, ...; "released" adds each key's release after it.
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("released");
    QTest::addColumn<bool>("delayed");
    QTest::addColumn<int>("kept"); // events kept before the added releases
    QTest::newRow("25 press-release pairs fit whole") << 25 << true << false << 50;
    QTest::newRow("60 presses: 25 kept, each released") << 60 << false << false << 25;
    QTest::newRow("31 press-release pairs: the cut keeps whole pairs") << 31 << true << false << 50;
    QTest::newRow("a delay and 70 presses: 33 events kept, each press released") << 70 << false << true << 33;
}

void TestReportGroups::macroCutAt200Bytes()
{
    QFETCH(int, presses);
    QFETCH(bool, released);
    QFETCH(bool, delayed);
    QFETCH(int, kept);
    QVector<MacroEvent> events;
    for (const MacroEvent &press : keyEvents(presses)) {
        events.append(press);
        if (released)
            events.append({0x04, 0, press.low});
    }
    if (delayed)
        events.prepend(MacroEvent{0x06, 0, 1});
    const QVector<MacroEvent> slot = eventsForSlot(events);
    QVERIFY(fitsMacroSlot(slot));
    QCOMPARE(slot.mid(0, kept), events.mid(0, kept));
    QCOMPARE(slot.size(), released ? kept : 2 * kept - int(delayed));
    // Whatever the cut left pressed is released at the end, and nothing else is added.
    QSet<int> held;
    for (const MacroEvent &e : slot) {
        if (e.map == 0x84)
            held.insert(e.low);
        else if (e.map == 0x04)
            QVERIFY(held.remove(e.low));
    }
    QVERIFY(held.isEmpty());

    MacroArea area;
    area.fill(0xEE);
    encodeMacroSlot(area, 19, events);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(area.data() + 19 * 200), 200),
             encodeMacroEvents(slot).leftJustified(200, '\0'));
    QCOMPARE(int(area[19 * 200 - 1]), 0xEE);
    encodeMacroSlot(area, 20, events); // no such slot: nothing written
    encodeMacroSlot(area, -1, events);
    QCOMPARE(int(area[200]), 0xEE);
}

void TestReportGroups::macroAreaFromButtons()
{
    MouseSettings s;
    s.profiles[0].buttonInfo[0] = {};
    s.profiles[0].buttonInfo[0].fun = FunMacro;
    s.profiles[0].buttonInfo[0].macroName = QStringLiteral("one");
    s.profiles[0].buttonInfo[3].fun = FunMacro;
    s.profiles[0].buttonInfo[3].macroName = QStringLiteral("one");
    s.profiles[0].buttonInfo[4].fun = FunGunFile;
    s.profiles[0].buttonInfo[4].macroName = QStringLiteral("gun");
    s.profiles[2].buttonInfo[7].fun = FunMacro;
    s.profiles[2].buttonInfo[7].macroName = QStringLiteral("unmapped");
    MacroNameMap names;
    names.assign(QStringLiteral("one"));
    names.assign(QStringLiteral("gun"));
    QStringList read;
    const MacroReader reader = [&](const QString &name) {
        read.append(name);
        return name == QLatin1String("gun") ? keyEvents(2) : keyEvents(1);
    };
    MacroArea area;
    area.fill(0xEE);
    QCOMPARE(fillMacroArea(area, s, names, reader), MacroFill::Filled);
    QCOMPARE(read, (QStringList{"one", "one", "gun"}));
    QCOMPARE(bytesOf(QByteArray(reinterpret_cast<const char *>(area.data()), 9)), concat({keyTriple(0), kDelay, kZero}));
    QCOMPARE(bytesOf(QByteArray(reinterpret_cast<const char *>(area.data() + 200), 12)),
             concat({keyTriple(0), keyTriple(1), kDelay, kZero}));
    QVERIFY(std::all_of(area.begin() + 400, area.end(), [](uint8_t b) { return b == 0; }));

    MacroNameMap empty;
    read.clear();
    QCOMPARE(fillMacroArea(area, s, empty, reader), MacroFill::NoMacros);
    QVERIFY(read.isEmpty());
}

void TestReportGroups::macroAreaStopsBeyondTwentySlots()
{
    MouseSettings s;
    MacroNameMap names;
    for (int i = 0; i < 22; ++i) {
        const QString name = QStringLiteral("m%1").arg(i);
        names.assign(name);
        s.profiles[0].buttonInfo[i].fun = FunMacro;
        s.profiles[0].buttonInfo[i].macroName = name;
    }
    int reads = 0;
    MacroArea area{};
    const MacroFill fill = fillMacroArea(area, s, names, [&](const QString &) {
        ++reads;
        return keyEvents(1);
    });
    QCOMPARE(fill, MacroFill::SlotsExceeded);
    QCOMPARE(reads, 20);
}

void TestReportGroups::macroAreaPackets()
{
    MacroArea area{};
    QVERIFY(macroAreaReports(area).empty());
    encodeMacroSlot(area, 0, keyEvents(1));
    encodeMacroSlot(area, 2, keyEvents(3));
    area[1 * 200 + 5] = 0x55; // slot 1 counts as unused: its first five bytes are zero
    const ReportList r = macroAreaReports(area);
    QCOMPARE(int(r.size()), 21);
    for (int j = 0; j < 10; ++j) {
        QCOMPARE(int(r[size_t(j)][4] | r[size_t(j)][5] << 8), 20 * j);
        QCOMPARE(int(r[size_t(j)][7]), j == 0 ? 0xD1 : 0xD2);
        QCOMPARE(int(r[size_t(10 + j)][4] | r[size_t(10 + j)][5] << 8), 400 + 20 * j);
        QCOMPARE(int(r[size_t(10 + j)][7]), 0xD2);
        QCOMPARE(int(r[size_t(10 + j)][6]), 20);
    }
    QCOMPARE(reportBytes(r[10], 8, 3), keyTriple(0));
    QCOMPARE(reportBytes(r.back(), 3, 6), (Bytes{0x05, 0xFF, 0x0F, 1, 0xD3, 0x1A}));
}

QTEST_GUILESS_MAIN(TestReportGroups)
#include "tst_reportgroups.moc"
