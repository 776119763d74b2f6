// hidraw arrivals become the interface names the window classifies.
#include "device/InterfacePath.h"
#include "platform/HidHotplugMonitor.h"
#include <QtTest>

class TestHotplugNames : public QObject
{
    Q_OBJECT

private slots:
    void namesOfAHidrawNode_data()
    {
        QTest::addColumn<QString>("sysPath");
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::newRow("receiver")
            << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:248A:FA02.0007/hidraw/hidraw3" << 0x248A << 0xFA02;
        QTest::newRow("cable, lower case")
            << "/sys/devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/0003:248a:fb01.000a/hidraw/hidraw12" << 0x248A << 0xFB01;
    }

    void namesOfAHidrawNode()
    {
        QFETCH(QString, sysPath);
        QFETCH(int, vendorId);
        QFETCH(int, productId);
        const QStringList names = HidHotplugMonitor::interfaceNamesForSysPath(sysPath);
        QCOMPARE(names.size(), 2);
        const int expected[] = {1, 4};
        for (int i = 0; i < 2; ++i) {
            const InterfacePathMatch match = classifyInterfacePath(names[i]);
            QVERIFY(match.matched);
            QCOMPARE(match.collection, expected[i]);
            QCOMPARE(match.vendorId, vendorId);
            QCOMPARE(match.productId, productId);
        }
        QVERIFY(names[0].endsWith(sysPath.section('/', -1)));
    }

    void otherNodesGiveNoNames()
    {
        QVERIFY(HidHotplugMonitor::interfaceNamesForSysPath("/sys/devices/virtual/misc/uhid").isEmpty());
        QVERIFY(HidHotplugMonitor::interfaceNamesForSysPath("/sys/devices/pci0000:00/usb1/1-2/input/input5").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHotplugNames)
#include "tst_hotplugnames.moc"
