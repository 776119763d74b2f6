// Gun files: the events of a recoil pattern and the gun set dialog.
#include "tests/support/AppDirFixture.h"
#include "tests/support/MacroFixtures.h"
#include "tests/support/MessageWatcher.h"
#include "ui/macro/GunSet.h"
#include "ui/macro/KestGunsetDialog.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {
const QString kRelease = "01 00 01";
const QString kPress = "81 00 01";
} // namespace

class TestGunSet : public QObject
{
    Q_OBJECT

private slots:
    void threeBulletsDownFive()
    {
        const QVector<GunShot> shots(3, GunShot{100, 0, 5});
        const QStringList shot = {kRelease, kPress, "02 00 05", "06 00 0a"};
        QCOMPARE(hexRows(gunSetEvents(shots)), shot + shot + shot);
    }

    void eventBytes_data()
    {
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("X -7 is F9") << 100 << -7 << 0 << QStringList{kRelease, kPress, "02 f9 00", "06 00 0a"};
        QTest::newRow("Y -100 is 9C") << 100 << 0 << -100 << QStringList{kRelease, kPress, "02 00 9c", "06 00 0a"};
        QTest::newRow("both axes: two moves") << 100 << 3 << 4
                                              << QStringList{kRelease, kPress, "02 03 00", "02 00 04", "06 00 0a"};
        QTest::newRow("5 ms is 0 steps, still written") << 5 << 0 << 0 << QStringList{kRelease, kPress, "06 00 00"};
        QTest::newRow("999 ms is 99 steps") << 999 << 0 << 0 << QStringList{kRelease, kPress, "06 00 63"};
        QTest::newRow("no pause") << 0 << 1 << 0 << QStringList{kRelease, kPress, "02 01 00"};
    }

    void eventBytes()
    {
        QFETCH(int, delay);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(QStringList, expected);
        QCOMPARE(hexRows(gunSetEvents({GunShot{delay, x, y}})), expected);
    }

    void fileSettings()
    {
        const MacroFile file = gunMacroFile(gunSetEvents({GunShot{}}));
        QCOMPARE(file.defaultDelay, 10);
        QCOMPARE(file.delayType, 1);
        QCOMPARE(file.loopType, 0);
        QCOMPARE(file.loopTime, 1);
        QCOMPARE(file.events.size(), 3);
    }

    void dialogShowsRowsUpToTheBulletCount()
    {
        AppDirFixture app;
        KestGunsetDialog dialog(nullptr, 1.0);
        dialog.show();
        QCOMPARE(dialog.size(), QSize(619, 400));
        QCOMPARE(dialog.windowTitle(), QString("Gun Set"));
        QCOMPARE(dialog.bulletCount(), 5);
        QCOMPARE(dialog.delaySpin(0)->value(), 100);
        QCOMPARE(dialog.delaySpin(0)->minimum(), 1);
        QCOMPARE(dialog.delaySpin(0)->maximum(), 999);
        QCOMPARE(dialog.xSpin(4)->minimum(), -100);
        QCOMPARE(dialog.ySpin(4)->maximum(), 100);
        QCOMPARE(dialog.nameEdit()->maxLength(), 100);
        auto *two = dialog.findChild<QPushButton *>("gunBulletButton2");
        QTest::mouseClick(two, Qt::LeftButton);
        QCOMPARE(dialog.bulletCount(), 2);
        QVERIFY(dialog.ySpin(1)->isVisible());
        QVERIFY(!dialog.ySpin(2)->isVisible());
        QVERIFY(!dialog.delaySpin(4)->isVisible());
        QCOMPARE(dialog.findChild<QLabel *>("gunBulletCountLabel")->text(), QString("2"));
        QCOMPARE(dialog.shots().size(), 2);
    }

    void yesNeedsAUsableName()
    {
        AppDirFixture app;
        MessageWatcher messages;
        KestGunsetDialog dialog(nullptr, 1.0);
        dialog.show();
        dialog.OnYesClick();
        QCOMPARE(messages.texts(), QStringList{"Please input file name."});
        QVERIFY(dialog.isVisible());
        dialog.nameEdit()->setText("a/b");
        dialog.OnYesClick();
        QCOMPARE(messages.texts().size(), 2);
        QVERIFY(dialog.isVisible());
        dialog.nameEdit()->setText("  spray  ");
        dialog.setBulletCount(1);
        dialog.xSpin(0)->setValue(-7);
        QTest::mouseClick(dialog.findChild<QToolButton *>("gunYesButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.fileName(), QString("spray"));
        QCOMPARE(hexRows(dialog.events()), (QStringList{kRelease, kPress, "02 f9 00", "06 00 0a"}));
    }

    void noRejects()
    {
        AppDirFixture app;
        KestGunsetDialog dialog(nullptr, 1.0);
        dialog.show();
        QTest::mouseClick(dialog.findChild<QToolButton *>("gunNoButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.events().isEmpty());
    }
};

QTEST_MAIN(TestGunSet)
#include "tst_gunset.moc"
