// The window's settings and their write, without the window: what a write
// sends, what it refuses, and what the records hold afterwards.
#include "sim/VirtualMouse.h"
#include "storage/ConfigStorage.h"
#include "tests/support/DeviceSession.h"
#include "ui/main/ApplySession.h"
#include "ui/main/KestProcessThread.h"
#include "ui/main/MousecfgWidget.h"
#include <QSignalSpy>
#include <QtTest>

class TestApplySession : public QObject
{
    Q_OBJECT

private slots:
    void write_data()
    {
        QTest::addColumn<int>("pollrate"); // put into the working record; 0 leaves it
        QTest::addColumn<bool>("sleeping");
        QTest::addColumn<bool>("writeAll");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("sent");
        QTest::newRow("unchanged") << 0 << false << false << 0 << false;
        QTest::newRow("changed rate") << 2 << false << false << 0 << true;
        QTest::newRow("everything") << 0 << false << true << 0 << true;
        QTest::newRow("sleeping") << 2 << true << false << int(WriteStatusSleeping) << false;
    }

    void write()
    {
        QFETCH(int, pollrate);
        QFETCH(bool, sleeping);
        QFETCH(bool, writeAll);
        QFETCH(int, status);
        QFETCH(bool, sent);
        ConnectedMouse connected;
        ApplySession session;
        session.load();
        const int before = session.applied().profiles[0].pollrate;
        if (pollrate)
            session.working().profiles[0].pollrate = uint8_t(pollrate);
        g_bDeviceSleeping = sleeping;
        connected.mouse().resetCounters();
        QCOMPARE(session.write(writeAll), status);
        g_bDeviceSleeping = false;
        QVERIFY(!session.writing());
        QCOMPARE(connected.mouse().writeCount() > 0, sent);
        // What the mouse has now is what the applied record says it has.
        const int expected = status == 0 && pollrate ? pollrate : before;
        QCOMPARE(int(session.applied().profiles[0].pollrate), expected);
        if (status == 0 && sent)
            QCOMPARE(int(connected.mouse().basicSettings().pollRate[0]), expected);
        // The working record is saved either way: it is what a restart shows.
        MouseSettings stored;
        loadSettings(stored);
        QCOMPARE(int(stored.profiles[0].pollrate), pollrate ? pollrate : before);
    }

    void effectRunningOnTheMouseIsInBothRecords()
    {
        ConnectedMouse connected;
        ApplySession session;
        session.load();
        session.working().profileId = 2;
        session.mouseRunsEffect(4);
        QCOMPARE(int(session.working().profiles[2].ledMode), 4);
        QCOMPARE(int(session.applied().profiles[2].ledMode), 4);
        QCOMPARE(int(session.working().profiles[0].ledMode), int(session.applied().profiles[0].ledMode));
    }

    void failureTexts_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("start");
        QTest::newRow("sleeping") << int(WriteStatusSleeping) << "Mouse is sleeping or not connected.";
        QTest::newRow("not saved") << int(WriteStatusNotSaved) << "The settings could not be saved in ";
        QTest::newRow("device") << 1 << "Send data failed, please try again.";
    }

    void failureTexts()
    {
        QFETCH(int, status);
        QFETCH(QString, start);
        QVERIFY2(ApplySession::failureText(status).startsWith(start), qPrintable(ApplySession::failureText(status)));
    }

    void forcedWriteSendsEverythingOnce()
    {
        ConnectedMouse connected;
        ApplySession session;
        session.load();
        QSignalSpy notSaved(&session, &ApplySession::notSaved);
        session.forceNextWrite();
        QCOMPARE(notSaved.count(), 1);
        connected.mouse().resetCounters();
        QCOMPARE(session.write(false), 0);
        QVERIFY(connected.mouse().writeCount() > 0);
        connected.mouse().resetCounters();
        QCOMPARE(session.write(false), 0);
        QCOMPARE(connected.mouse().writeCount(), 0);
    }
};

QTEST_MAIN(TestApplySession)
#include "tst_applysession.moc"
