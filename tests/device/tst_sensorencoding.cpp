// Raw DPI values to register bytes for every sensor model, and the DPI stage packets.
#include "device/DpiStages.h"
#include "device/SensorEncoding.h"
#include <QtTest>

using Bytes4 = QVector<int>;

namespace {
Bytes4 encoded(int sensor, uint32_t x, uint32_t y, uint8_t mode = 0)
{
    const auto b = encodeDpiStage(sensor, x, y, mode);
    return {b[0], b[1], b[2], b[3]};
}
} // namespace

class TestSensorEncoding : public QObject
{
    Q_OBJECT
private slots:
    void stageRegisters_data();
    void stageRegisters();
    void valuesBeyondTablesAreClamped_data();
    void valuesBeyondTablesAreClamped();
    void sniperValue_data();
    void sniperValue();
    void dpiStageCountSent_data();
    void dpiStageCountSent();
    void dpiStagePackets();
};

void TestSensorEncoding::stageRegisters_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("mode");
    QTest::addColumn<Bytes4>("bytes");
    // Worked examples.
    QTest::newRow("3325 lower and upper") << 3325 << 8 << 60 << 0 << Bytes4{18, 0, 80, 1};
    QTest::newRow("33252 like 3325") << 33252 << 8 << 60 << 0 << Bytes4{18, 0, 80, 1};
    QTest::newRow("3327 T2 and T3") << 3327 << 70 << 100 << 0 << Bytes4{90, 1, 111, 4};
    QTest::newRow("3104 axes swapped") << 3104 << 120 << 50 << 0 << Bytes4{50, 0, 67, 1};
    QTest::newRow("31042 axes swapped") << 31042 << 120 << 50 << 0 << Bytes4{50, 0, 67, 1};
    QTest::newRow("33952 x above 519, y not above 520") << 33952 << 520 << 520 << 0 << Bytes4{0x04, 0x81, 0x08, 0x02};
    // Band edges.
    QTest::newRow("3325 edge 50/51") << 3325 << 50 << 51 << 0 << Bytes4{115, 0, 59, 1};
    QTest::newRow("3327 edges 61/62") << 3327 << 61 << 62 << 0 << Bytes4{140, 0, 72, 1};
    QTest::newRow("3327 edges 92/93") << 3327 << 92 << 93 << 0 << Bytes4{140, 1, 95, 4};
    QTest::newRow("3327 top 106") << 3327 << 0 << 106 << 0 << Bytes4{0, 0, 124, 4};
    QTest::newRow("3311 edge 120/121") << 3311 << 8 << 121 << 0 << Bytes4{9, 0, 72, 1};
    QTest::newRow("33112 top 180") << 33112 << 180 << 180 << 0 << Bytes4{143, 1, 143, 1};
    QTest::newRow("3333 edge 79/80") << 3333 << 79 << 80 << 0 << Bytes4{185, 0, 93, 1};
    QTest::newRow("3333 lowest and top") << 3333 << 2 << 120 << 0 << Bytes4{4, 0, 187, 1};
    QTest::newRow("3335 x on both axes") << 3335 << 10 << 100 << 0 << Bytes4{11, 0, 11, 0};
    QTest::newRow("3335 edge 160") << 3335 << 160 << 1 << 0 << Bytes4{188, 0, 188, 0};
    QTest::newRow("33352 edge 161") << 33352 << 161 << 1 << 0 << Bytes4{144, 1, 144, 1};
    QTest::newRow("3370") << 3370 << 200 << 201 << 0 << Bytes4{199, 0, 100, 1};
    QTest::newRow("3360") << 3360 << 120 << 121 << 0 << Bytes4{119, 0, 60, 1};
    QTest::newRow("3212 three bands") << 3212 << 63 << 64 << 0 << Bytes4{63, 0, 32, 1};
    QTest::newRow("3212 upper band") << 3212 << 94 << 95 << 0 << Bytes4{62, 1, 32, 2};
    QTest::newRow("3104 edge 106") << 3104 << 106 << 107 << 0 << Bytes4{54, 1, 106, 0};
    QTest::newRow("3389 plain and wide") << 3389 << 320 << 321 << 0 << Bytes4{0x40, 0x01, 0xA1, 0x80};
    QTest::newRow("33952 y above 520") << 33952 << 519 << 521 << 0 << Bytes4{0x07, 0x02, 0x05, 0x81};
    QTest::newRow("3395 plain") << 3395 << 500 << 100 << 0 << Bytes4{0xF4, 0x01, 100, 0};
    QTest::newRow("3395 limited in mode 8") << 3395 << 500 << 100 << 8 << Bytes4{0x8F, 0x01, 100, 0};
    QTest::newRow("3389 ignores mode 8") << 3389 << 500 << 100 << 8 << Bytes4{0x54, 0x81, 100, 0};
    QTest::newRow("unknown sensor") << 9999 << 50 << 50 << 0 << Bytes4{0, 0, 0, 0};
    QTest::newRow("no sensor configured") << 0 << 50 << 50 << 0 << Bytes4{0, 0, 0, 0};
}

void TestSensorEncoding::stageRegisters()
{
    QFETCH(int, sensor);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, mode);
    QFETCH(Bytes4, bytes);
    QCOMPARE(encoded(sensor, uint32_t(x), uint32_t(y), uint8_t(mode)), bytes);
}

void TestSensorEncoding::valuesBeyondTablesAreClamped_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<Bytes4>("bytes");
    // The 33352 slider reaches 240; the table's last register stands for 201..240.
    QTest::newRow("33352 at 201") << 33352 << 201 << 0 << Bytes4{188, 1, 188, 1};
    QTest::newRow("33352 at 240") << 33352 << 240 << 0 << Bytes4{188, 1, 188, 1};
    QTest::newRow("3335 far beyond") << 3335 << 100000 << 0 << Bytes4{188, 1, 188, 1};
    QTest::newRow("3325 beyond 75") << 3325 << 90 << 1 << Bytes4{115, 1, 2, 0};
    QTest::newRow("3325 zero") << 3325 << 0 << 0 << Bytes4{2, 0, 2, 0};
    QTest::newRow("3327 beyond 106") << 3327 << 300 << 0 << Bytes4{140, 4, 0, 0};
    QTest::newRow("3333 below 2") << 3333 << 0 << 1 << Bytes4{4, 0, 4, 0};
}

void TestSensorEncoding::valuesBeyondTablesAreClamped()
{
    QFETCH(int, sensor);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(Bytes4, bytes);
    QCOMPARE(encoded(sensor, uint32_t(x), uint32_t(y)), bytes);
}

void TestSensorEncoding::sniperValue_data()
{
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("sent");
    QTest::newRow("3104 unchanged") << 3104 << 30 << 30;
    QTest::newRow("3212 unchanged") << 3212 << 30 << 30;
    QTest::newRow("3389 unchanged") << 3389 << 200 << 200;
    QTest::newRow("3325 lower table") << 3325 << 8 << 18;
    QTest::newRow("3327 T1") << 3327 << 10 << 24;
    QTest::newRow("3327 T1 clamped") << 3327 << 70 << 140;
    QTest::newRow("3335 lower table") << 3335 << 10 << 11;
    QTest::newRow("3360 minus one") << 3360 << 10 << 9;
    QTest::newRow("33252 other") << 33252 << 10 << 4;
    QTest::newRow("unknown") << 1234 << 10 << 4;
}

void TestSensorEncoding::sniperValue()
{
    QFETCH(int, sensor);
    QFETCH(int, value);
    QFETCH(int, sent);
    QCOMPARE(int(encodeSniperValue(sensor, uint8_t(value))), sent);
}

void TestSensorEncoding::dpiStageCountSent_data()
{
    QTest::addColumn<int>("described");
    QTest::addColumn<int>("sent");
    QTest::newRow("0") << 0 << 8;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("6") << 6 << 6;
    QTest::newRow("8") << 8 << 8;
    QTest::newRow("9") << 9 << 8;
    QTest::newRow("negative") << -3 << 8;
}

void TestSensorEncoding::dpiStageCountSent()
{
    QFETCH(int, described);
    QFETCH(int, sent);
    ProfileData p;
    const ReportList reports = dpiStageReports(p, described, 3327, 0);
    const Report &first = reports.front();
    QCOMPARE(first[3], uint8_t(OpDpiStages));
    QCOMPARE(first[6], uint8_t(1));
    QCOMPARE(first[7], uint8_t(TagFirstChunk));
    QCOMPARE(int(first[8]), sent);
}

void TestSensorEncoding::dpiStagePackets()
{
    ProfileData p;
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        p.dpiInfo[i] = {1, 1, 0, uint32_t(8 + i), uint32_t(60 + i)};
    p.dpiInfo[2].used = 0;
    const ReportList reports = dpiStageReports(p, 6, 3325, 0);
    QCOMPARE(int(reports.size()), 10);
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        const Report &r = reports[size_t(1 + i)];
        QCOMPARE(r[3], uint8_t(0x02));
        QCOMPARE(int(r[4] | r[5] << 8), 1 + 5 * i);
        QCOMPARE(r[6], uint8_t(5));
        QCOMPARE(r[7], uint8_t(TagNextChunk));
        const int used = i < 6 && i != 2 ? 1 : 0; // stages beyond the count are sent disabled
        QCOMPARE(int(r[8]), used);
        const auto regs = encodeDpiStage(3325, uint32_t(8 + i), uint32_t(60 + i), 0);
        QCOMPARE(r[9], regs[0]);
        QCOMPARE(r[12], regs[3]);
        QCOMPARE(r[13], uint8_t(0));
    }
    QCOMPARE(reports[1][9], uint8_t(18));
    QCOMPARE(reports[1][11], uint8_t(80));
    const Report &closing = reports.back();
    const Report expected = {5, 0, 0xFA, 0x02, 0x7F, 0x00, 1, 0xD3, 0x1A};
    QCOMPARE(closing, expected);
}

QTEST_GUILESS_MAIN(TestSensorEncoding)
#include "tst_sensorencoding.moc"
