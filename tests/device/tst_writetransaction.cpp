// One write transaction on the virtual mouse: when "Config/Diff" is stored
// and cleared, when macro write marks are cleared, and that a write with
// nothing changed sends nothing.
#include "device/DeviceImage.h"
#include "device/WriteTransaction.h"
#include "storage/ConfigStorage.h"
#include "storage/MacroFiles.h"
#include "tests/support/DeviceSession.h"
#include <QtTest>

namespace {

constexpr int kSendDiffering = -1;
constexpr int kMacroButton = 1;

void changeRate(MouseSettings &s)
{
    ProfileData &p = s.profiles[activeSlot(s)];
    p.pollrate = p.pollrate == 1 ? 2 : 1;
}

} // namespace

class TestWriteTransaction : public QObject
{
    Q_OBJECT
private slots:
    void init() { deviceMacroNames().clear(); }
    void diffIsTrueToTheMouse_data();
    void diffIsTrueToTheMouse();
    void writeMarksClearedByTheDownload_data();
    void writeMarksClearedByTheDownload();
};

void TestWriteTransaction::diffIsTrueToTheMouse_data()
{
    QTest::addColumn<int>("diffBefore");
    QTest::addColumn<bool>("rateChanged");
    QTest::addColumn<bool>("writeAll");
    QTest::addColumn<bool>("sent");     // false: saved only, as while the mouse sleeps
    QTest::addColumn<int>("sendFlags"); // kSendDiffering: what differs
    QTest::addColumn<bool>("fails");
    QTest::addColumn<int>("differing");
    QTest::addColumn<int>("diffAtFirstReport"); // -1: no report went out
    QTest::addColumn<int>("diffAfter");
    QTest::newRow("nothing changed sends nothing")
        << 0 << false << false << true << kSendDiffering << false << 0 << -1 << 0;
    QTest::newRow("changed and sent") << 0 << true << false << true << kSendDiffering << false << int(ChangeBasic)
                                      << 1 << 0;
    QTest::newRow("unknown mouse gets everything")
        << 1 << false << false << true << kSendDiffering << false << int(ChangeAll) << 1 << 0;
    QTest::newRow("write all") << 0 << false << true << true << kSendDiffering << false << int(ChangeAll) << 1 << 0;
    QTest::newRow("saved, not sent") << 0 << true << false << false << kSendDiffering << false << int(ChangeBasic)
                                     << -1 << 1;
    QTest::newRow("nothing changed, saved") << 0 << false << false << false << kSendDiffering << false << 0 << -1 << 0;
    QTest::newRow("failed download") << 0 << true << false << true << kSendDiffering << true << int(ChangeBasic) << 1
                                     << 1;
    QTest::newRow("part of what differs sent")
        << 1 << false << false << true << int(ChangeBasic) << false << int(ChangeAll) << 1 << 1;
    QTest::newRow("a group of a mouse that holds the files")
        << 0 << false << false << true << int(ChangeDpi) << false << 0 << 1 << 0;
}

void TestWriteTransaction::diffIsTrueToTheMouse()
{
    QFETCH(int, diffBefore);
    QFETCH(bool, rateChanged);
    QFETCH(bool, writeAll);
    QFETCH(bool, sent);
    QFETCH(int, sendFlags);
    QFETCH(bool, fails);
    QFETCH(int, differing);
    QFETCH(int, diffAtFirstReport);
    QFETCH(int, diffAfter);
    ConnectedMouse m;
    MouseSettings applied;
    QVERIFY(loadSettings(applied));
    QVERIFY(writeDiffFlag(diffBefore));
    MouseSettings working = applied;
    if (rateChanged)
        changeRate(working);

    // The download stops the status thread before its first report.
    int diffSeen = -1;
    DownloadLinks links;
    links.stopStatusThread = [&] { diffSeen = m.mouse().totalWrites() == 0 ? readDiffFlag() : -2; };
    m.mouse().setFailAllWrites(fails);
    WriteTransaction write(working, applied, writeAll, links);
    QCOMPARE(write.differing(), differing);
    QVERIFY(write.save());
    const int flags = sendFlags == kSendDiffering ? write.differing() : sendFlags;
    if (sent)
        QCOMPARE(write.send(flags) != 0, fails);
    QCOMPARE(diffSeen, diffAtFirstReport);
    QCOMPARE(readDiffFlag(), diffAfter);
    QVERIFY(write.diffSaved());
    if (diffAtFirstReport < 0)
        QCOMPARE(m.mouse().totalWrites(), 0);

    // What the mouse holds now is applied: the next write has nothing to send.
    if (diffAfter == 0) {
        m.mouse().resetCounters();
        WriteTransaction next(working, working);
        QCOMPARE(next.differing(), 0);
        QCOMPARE(next.send(next.differing()), 0);
        QCOMPARE(m.mouse().totalWrites(), 0);
    }
}

// A macro edited under its name: the buttons' records are unchanged, only
// its file carries the write mark.
void TestWriteTransaction::writeMarksClearedByTheDownload_data()
{
    QTest::addColumn<bool>("activeProfile"); // the button is the active profile's
    QTest::addColumn<bool>("fails");
    QTest::addColumn<bool>("inMacroMap");
    QTest::addColumn<int>("markAfter");
    QTest::addColumn<int>("nextDiffering");
    QTest::newRow("macro in the macro area") << true << false << true << 0 << 0;
    QTest::newRow("macro absent from the macro-name map") << false << false << false << 0 << 0;
    QTest::newRow("failed download keeps the mark") << false << true << false << 1 << int(ChangeAll);
}

void TestWriteTransaction::writeMarksClearedByTheDownload()
{
    QFETCH(bool, activeProfile);
    QFETCH(bool, fails);
    QFETCH(bool, inMacroMap);
    QFETCH(int, markAfter);
    QFETCH(int, nextDiffering);
    ConnectedMouse m;
    MouseSettings applied;
    QVERIFY(loadSettings(applied));
    QVERIFY(writeDiffFlag(0));
    MacroFile macro;
    macro.events = {{0x84, 0, 0x04}, {0x04, 0, 0x04}};
    QVERIFY(saveMacroFile(QStringLiteral("burst"), macro));
    const int profile = (activeSlot(applied) + (activeProfile ? 0 : 1)) % PROFILE_COUNT;
    QVERIFY(assignMacroToButton(applied.profiles[profile].buttonInfo[kMacroButton], QStringLiteral("burst"), FunMacro));
    const MouseSettings working = applied;

    WriteTransaction first(working, applied);
    QCOMPARE(first.differing(), int(ChangeButtons));
    QCOMPARE(readWriteSign(QStringLiteral("burst")), 1); // detection only reads it
    m.mouse().setFailAllWrites(fails);
    QCOMPARE(first.send(first.differing()) != 0, fails);
    QCOMPARE(deviceMacroNames().indexOf(QStringLiteral("burst")) >= 0, inMacroMap);
    QCOMPARE(readWriteSign(QStringLiteral("burst")), markAfter);

    m.mouse().setFailAllWrites(false);
    m.mouse().resetCounters();
    WriteTransaction next(working, working);
    QCOMPARE(next.differing(), nextDiffering);
    QCOMPARE(next.send(next.differing()), 0);
    if (nextDiffering == 0)
        QCOMPARE(m.mouse().totalWrites(), 0);
    QCOMPARE(readWriteSign(QStringLiteral("burst")), 0);
}

QTEST_GUILESS_MAIN(TestWriteTransaction)
#include "tst_writetransaction.moc"
