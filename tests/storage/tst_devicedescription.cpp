// DefaultProfile.bin: the model's defaults, XOR-coded counts, switches and button tables.
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "tests/support/AppDirFixture.h"
#include <QtTest>

class TestDeviceDescription : public QObject
{
    Q_OBJECT

private slots:
    void demoModel();
    void demoStagesAreCatalogueDpi();
    void xorCodedCounts_data();
    void xorCodedCounts();
    void missingDescription();
    void switches_data();
    void switches();
    void damagedEntriesGiveAValidFactoryProfile_data();
    void damagedEntriesGiveAValidFactoryProfile();
    void buttonLayoutHidesButtons();
    void loadSettingsFillsTheButtonMatrix();

private:
    static bool writeDescription(const QByteArray &profileSection);
};

bool TestDeviceDescription::writeDescription(const QByteArray &profileSection)
{
    return writeFileBytes(deviceDescriptionPath(), "[PROFILE]\n" + profileSection);
}

void TestDeviceDescription::demoModel()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    DeviceDescription d;
    QCOMPARE(readDeviceDescription(d), 0);
    QCOMPARE(d.productName, QStringLiteral("TREVIK"));
    QCOMPARE(descriptionProductName(), QStringLiteral("TREVIK"));
    QCOMPARE(productVersion(), QStringLiteral("V1.00"));
    QCOMPARE(d.pollrate, 1);
    QCOMPARE(int(d.dpi), 1);
    QCOMPARE(int(d.ledMode), 1);
    QCOMPARE(d.fontRgb, QColor(255, 255, 255));
    QCOMPARE(buttonCount(), 7);
    QCOMPARE(dpiStageCount(), 6);
    QCOMPARE(minDelay(), 10);
    QCOMPARE(showSleep(), 1);
    QCOMPARE(disableMacro(), 0);
    QCOMPARE(scrollRev(), 0);
    const int funs[DESCRIPTION_BUTTON_COUNT] = {1, 2, 3, 4, 5, 48, 49};
    for (int i = 0; i < DESCRIPTION_BUTTON_COUNT; ++i) {
        QCOMPARE(d.buttons[i].fun, funs[i]);
        QCOMPARE(d.buttons[i].id, i);
    }
    for (int i = 0; i < LED_MODE_COUNT; ++i) {
        QVERIFY(d.ledModes[i].rgb.isValid());
        QVERIFY(d.ledModes[i].bright > 0);
        QVERIFY(d.ledModes[i].breath > 0);
    }
    // The raw count is kept as read; only the getter decodes it.
    QCOMPARE(int(d.buttonCount), 7 ^ 90);
}

void TestDeviceDescription::demoStagesAreCatalogueDpi()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    DeviceDescription d;
    QCOMPARE(readDeviceDescription(d), 0);
    const int expected[DPI_STAGE_COUNT] = {800, 1600, 2400, 3200, 5000, 9800, 14400, 16400};
    for (int i = 0; i < DPI_STAGE_COUNT; ++i)
        QCOMPARE(sensorDpi(int(d.dpiValues[i]), mouseSensor()), expected[i]);
}

void TestDeviceDescription::xorCodedCounts_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("stages");
    QTest::newRow("3 xor 5, no stage entry") << QByteArray("ButtonCount=3\nMouseDpi=5\n") << 6 << 6;
    QTest::newRow("3 xor 5, DPICount 0") << QByteArray("ButtonCount=3\nMouseDpi=5\nDPICount=0\n") << 6 << 6;
    QTest::newRow("7 buttons, 6 stages") << QByteArray("MouseDpi=90\nButtonCount=93\nDPICount=1\n") << 7 << 6;
    QTest::newRow("16 buttons, 8 stages") << QByteArray("MouseDpi=1\nButtonCount=17\nDPICount=24\n") << 16 << 8;
    QTest::newRow("only MouseDpi") << QByteArray("MouseDpi=5\n") << 5 << 5;
    QTest::newRow("beyond the tables") << QByteArray("MouseDpi=0\nButtonCount=200\nDPICount=209\n") << 0 << 0;
    QTest::newRow("negative") << QByteArray("MouseDpi=0\nButtonCount=-3\n") << 0 << 0;
    QTest::newRow("no counts") << QByteArray("pollrate=1\n") << 0 << 0;
}

void TestDeviceDescription::xorCodedCounts()
{
    QFETCH(QByteArray, entries);
    QFETCH(int, buttons);
    QFETCH(int, stages);
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(writeDescription(entries));
    QCOMPARE(buttonCount(), buttons);
    QCOMPARE(dpiStageCount(), stages);
}

void TestDeviceDescription::missingDescription()
{
    AppDirFixture app(AppDirFixture::Empty);
    DeviceDescription d;
    d.productName = QStringLiteral("kept");
    QCOMPARE(readDeviceDescription(d), -1);
    QCOMPARE(d.productName, QStringLiteral("kept"));
    QCOMPARE(buttonCount(), 0);
    QCOMPARE(dpiStageCount(), 0);
    QCOMPARE(productVersion(), QString());
    QCOMPARE(descriptionProductName(), QString());
    QCOMPARE(minDelay(), 10);
    QCOMPARE(showSleep(), 1);
    QCOMPARE(disableMacro(), 0);
    QCOMPARE(scrollRev(), 0);
    uint8_t table[DESCRIPTION_BUTTON_COUNT];
    std::fill(table, table + DESCRIPTION_BUTTON_COUNT, 0x5A);
    QCOMPARE(loadButtonMatrix(table), -1);
    QCOMPARE(loadButtonLayout(table), -1);
    for (uint8_t v : table)
        QCOMPARE(int(v), 0x5A);
}

void TestDeviceDescription::switches_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<int>("minDelayMs");
    QTest::addColumn<int>("sleepShown");
    QTest::addColumn<int>("macrosOff");
    QTest::addColumn<int>("reversed");
    QTest::newRow("none") << QByteArray("dpi=1\n") << 10 << 1 << 0 << 0;
    QTest::newRow("all set") << QByteArray("MinDelay=20\nShowSleep=0\nDisableMacro=1\nScrollRev=1\n") << 20 << 0 << 1 << 1;
    QTest::newRow("zero delay") << QByteArray("MinDelay=0\n") << 10 << 1 << 0 << 0;
    QTest::newRow("negative delay") << QByteArray("MinDelay=-5\n") << 10 << 1 << 0 << 0;
}

void TestDeviceDescription::switches()
{
    QFETCH(QByteArray, entries);
    QFETCH(int, minDelayMs);
    QFETCH(int, sleepShown);
    QFETCH(int, macrosOff);
    QFETCH(int, reversed);
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(writeDescription(entries));
    QCOMPARE(minDelay(), minDelayMs);
    QCOMPARE(showSleep(), sleepShown);
    QCOMPARE(disableMacro(), macrosOff);
    QCOMPARE(scrollRev(), reversed);
}

void TestDeviceDescription::damagedEntriesGiveAValidFactoryProfile_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<int>("stage");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("colourValid");
    QTest::newRow("in range") << QByteArray("dpi=3\nLedMode=13\n") << 3 << 13 << false;
    QTest::newRow("stage beyond the table") << QByteArray("dpi=200\nLedMode=2\n") << 0 << 2 << false;
    QTest::newRow("mode beyond the table") << QByteArray("dpi=1\nLedMode=14\n") << 1 << 0 << false;
    QTest::newRow("colour of an unknown model")
        << QByteArray("LedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43\\x75\\xff\\xff\\0\\0\\xff\\xff\\xff\\xff\\0\\0)\n")
        << 0 << 0 << false;
    QTest::newRow("extended colour that is no number")
        << QByteArray("LedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43\\x5\\xff\\xf\\0\\0\\0\\0\\0\\0\\0\\0)\n")
        << 0 << 0 << false;
    // Variants of other types are streamed by Qt on reading; a list that claims
    // 2^31 elements would take all memory. They read as absent.
    const QByteArray list = R"(@Variant(\0\0\0\t\x7f\xff\xff\xff))";
    QTest::newRow("list variant") << "dpi=" + list + "\nLedMode=" + list + "\n" << 0 << 0 << false;
    QTest::newRow("list variant as colour") << R"(LedMode\LED_MODE_0_RGB=)" + list + "\ndpi=2\n" << 2 << 0 << false;
    QTest::newRow("type by name") << QByteArray(R"(dpi=@Variant(\0\0\0\x7f\0\0\0\vQStringList\x7f\xff\xff\xff))" "\n")
                                  << 0 << 0 << false;
    QTest::newRow("escaped @") << R"(dpi=\x40Variant)" + list.mid(8) + "\n" << 0 << 0 << false;
    QTest::newRow("in a value list") << "dpi=1, " + list + "\nLedMode=3\n" << 0 << 3 << false;
    QTest::newRow("continued line") << "dpi=\\\n" + list + "\nLedMode=3\n" << 0 << 3 << false;
    QTest::newRow("lines ended by CR") << "LedMode=3\rdpi=" + list + "\r" << 0 << 3 << false;
    QTest::newRow("colour") << QByteArray("LedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\0\\0\\xff\\xff\\xff\\xff\\0\\0)\n")
                            << 0 << 0 << true;
}

void TestDeviceDescription::damagedEntriesGiveAValidFactoryProfile()
{
    QFETCH(QByteArray, entries);
    QFETCH(int, stage);
    QFETCH(int, mode);
    QFETCH(bool, colourValid);
    AppDirFixture app(AppDirFixture::Empty);
    QVERIFY(writeDescription(entries));
    ProfileData p;
    makeDefaultProfile(p);
    QCOMPARE(int(p.dpi), stage);
    QCOMPARE(int(p.ledMode), mode);
    QCOMPARE(p.ledModes[0].rgb.isValid(), colourValid);
}

void TestDeviceDescription::buttonLayoutHidesButtons()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    uint8_t layout[DESCRIPTION_BUTTON_COUNT] = {};
    QCOMPARE(loadButtonLayout(layout), 7);
    for (int i = 0; i < DESCRIPTION_BUTTON_COUNT; ++i)
        QCOMPARE(int(layout[i]), i < 7 ? i : 255);

    QVERIFY(writeDescription("MouseDpi=0\nButtonCount=4\nBUTTON_INFO_0_Matrix2=0\nBUTTON_INFO_1_Matrix2=255\n"
                             "BUTTON_INFO_2_Matrix2=2\nBUTTON_INFO_3_Matrix2=511\n"));
    QCOMPARE(loadButtonLayout(layout), 4);
    QCOMPARE(int(layout[1]), 255);
    QCOMPARE(int(layout[3]), 255); // 511 truncated to its byte
    QCOMPARE(int(layout[4]), 0);
}

void TestDeviceDescription::loadSettingsFillsTheButtonMatrix()
{
    AppDirFixture app;
    QVERIFY(app.isValid());
    QVERIFY(writeFileBytes(deviceDescriptionPath(),
                           readFileBytes(deviceDescriptionPath())
                               .replace("BUTTON_INFO_3_Matrix=3\n", "BUTTON_INFO_3_Matrix=4\n")
                               .replace("BUTTON_INFO_4_Matrix=4\n", "BUTTON_INFO_4_Matrix=3\n")));
    std::fill(buttonMatrix(), buttonMatrix() + DESCRIPTION_BUTTON_COUNT, 0xEE);
    MouseSettings s;
    QVERIFY(loadSettings(s));
    const int expected[DESCRIPTION_BUTTON_COUNT] = {0, 1, 2, 4, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    for (int i = 0; i < DESCRIPTION_BUTTON_COUNT; ++i)
        QCOMPARE(int(buttonMatrix()[i]), expected[i]);
}

QTEST_GUILESS_MAIN(TestDeviceDescription)
#include "tst_devicedescription.moc"
