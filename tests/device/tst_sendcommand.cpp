// The verified send routine against the virtual mouse: how often it writes,
// reads and pauses for each kind of missing or wrong echo.
#include "device/CommandProtocol.h"
#include "device/DeviceTable.h"
#include "device/HidSeam.h"
#include "device/InputReports.h"
#include "device/ReportFrame.h"
#include "device/SendCommand.h"
#include "tests/support/DeviceSession.h"
#include <QtTest>

Q_DECLARE_METATYPE(Report)
Q_DECLARE_METATYPE(ReportList)

namespace {
Report dataReport()
{
    const uint8_t data[3] = {0x11, 0x22, 0x33};
    return areaReport(OpBasicSettings, 0, TagFirstChunk, data, 3);
}

// The queue is emptied once before the first write of every command.
constexpr int DRAIN = 1;

enum class Reply { Echo, Zero, BadData, OtherChecksumAndTag, OtherHeader, MovementEcho, HeaderOnly };

// A connected mouse with a write session open, so that area writes are taken;
// counters and pauses start from zero.
struct WriteSession : ConnectedMouse {
    explicit WriteSession(Connection attached = Connection::Receiver) : ConnectedMouse(attached)
    {
        beginWrite();
        mouse().resetCounters();
        pauses.clear();
    }
};

// A command handle that answers each read from a script (then with echoes),
// opened as product B's command collection.
class ScriptedMouse
{
public:
    explicit ScriptedMouse(QVector<Reply> script)
    {
        s_script = std::move(script);
        s_lastWrite.clear();
        writes = reads = 0;
        setHidApi(&kTable);
        loadDeviceTable();
        setCollectionFound(3, true);
        setCollectionFound(4, true);
        openDeviceByName(currentDeviceName());
    }
    ~ScriptedMouse()
    {
        closeDevice();
        setHidApi(nullptr);
    }
    static int writes;
    static int reads;
    PauseRecorder pauses;

private:
    static int write(hid_device *, const unsigned char *data, size_t length)
    {
        ++writes;
        s_lastWrite = QByteArray(reinterpret_cast<const char *>(data), int(length));
        return int(length);
    }
    static int read(hid_device *, unsigned char *data, size_t length, int)
    {
        ++reads;
        if (s_lastWrite.isEmpty())
            return 0; // nothing written, nothing to answer
        QByteArray r = s_lastWrite;
        switch (s_script.isEmpty() ? Reply::Echo : s_script.takeFirst()) {
        case Reply::Echo: break;
        case Reply::Zero: r.fill('\0'); break;
        case Reply::BadData: r[8] = char(~r[8]); break;
        case Reply::OtherChecksumAndTag:
            r[1] = char(~r[1]);
            r[7] = char(0x77);
            break;
        case Reply::OtherHeader: r[4] = char(~r[4]); break;
        case Reply::MovementEcho: r[0] = 1; break; // the mouse collection's report id
        case Reply::HeaderOnly: r.truncate(REPORT_DATA_OFFSET); break;
        }
        const int n = std::min(int(length), r.size());
        memcpy(data, r.constData(), size_t(n));
        return n;
    }
    static int s_handle;
    static QVector<Reply> s_script;
    static QByteArray s_lastWrite;
    static const HidApi kTable;
    DemoInstallation m_installation;
};
int ScriptedMouse::writes = 0;
int ScriptedMouse::reads = 0;
int ScriptedMouse::s_handle = 0;
QVector<Reply> ScriptedMouse::s_script;
QByteArray ScriptedMouse::s_lastWrite;
const HidApi ScriptedMouse::kTable = {
    [] { return 0; },
    [] { return 0; },
    [](unsigned short, unsigned short) -> hid_device_info * { return nullptr; },
    [](hid_device_info *) {},
    [](const char *) { return reinterpret_cast<hid_device *>(&s_handle); },
    [](hid_device *) {},
    &ScriptedMouse::write,
    &ScriptedMouse::read,
};
} // namespace

class TestSendCommand : public QObject
{
    Q_OBJECT
private slots:
    void checksumOfStatusQuery();
    void echoedCommandSucceeds();
    void commandAbove10IsNeverRead();
    void readTimeoutsAskForRewrites();
    void zeroRepliesAreRewrittenFiveTimes();
    void zeroRepliesAfterMismatchKeepItsOutcome();
    void dataMismatchUsesRewriteBudget_data();
    void dataMismatchUsesRewriteBudget();
    void headerMismatchReadsAgainBeforeRewriting_data();
    void headerMismatchReadsAgainBeforeRewriting();
    void checksumIsNotCompared();
    void shortReplyIsNotCompletedBySkippedReports();
    void failingWriteReturns4AtOnce();
    void noHandleReturns1();
    void productBPreferredWhenBothPresent();
    void receiverUsedAlone();
    void packetBufferFirstByteIgnored();
    void reportListStopsAtFirstFailure();
    void otherReportsAreSkipped_data();
    void otherReportsAreSkipped();
    void strictFirmwareRefusesOutOfOrder_data();
    void strictFirmwareRefusesOutOfOrder();
};

void TestSendCommand::checksumOfStatusQuery()
{
    const Report q = statusQueryReport();
    QCOMPARE(q[0], uint8_t(0x05));
    QCOMPARE(q[1], uint8_t(0x24));
    QCOMPARE(q[2], uint8_t(0xFA));
    QCOMPARE(q[3], uint8_t(0x48));
    for (int i = 4; i < REPORT_SIZE; ++i)
        QCOMPARE(q[size_t(i)], uint8_t(0));
}

void TestSendCommand::echoedCommandSucceeds()
{
    WriteSession m;
    QVERIFY(m.installation.isValid());
    QVERIFY(commandHandle());
    QCOMPARE(sendReport(dataReport()), 0);
    QCOMPARE(m.mouse().writeCount(OpBasicSettings), 1);
    QCOMPARE(m.mouse().readCount(), DRAIN + 1);
    QCOMPARE(m.pauses.pauses(), QVector<int>{SEND_WRITE_PAUSE_MS});
    const QByteArray written = m.mouse().writeLog().last().bytes;
    QCOMPARE(written.size(), REPORT_SIZE);
    QCOMPARE(uint8_t(written[1]), reportChecksum(reinterpret_cast<const uint8_t *>(written.constData())));
    QCOMPARE(m.mouse().area(MemoryArea::Basic), QByteArray("\x11\x22\x33"));
}

void TestSendCommand::commandAbove10IsNeverRead()
{
    WriteSession m;
    QCOMPARE(sendReport(commandReport(OpSetProfile, 3)), 0);
    QCOMPARE(m.mouse().writeCount(OpSetProfile), 1);
    QCOMPARE(m.mouse().readCount(), DRAIN);
    QCOMPARE(m.pauses.pauses(), QVector<int>{SEND_WRITE_PAUSE_MS});
    QCOMPARE(m.mouse().activeProfile(), 3);
}

void TestSendCommand::readTimeoutsAskForRewrites()
{
    {
        // The first echo is lost: thirty time-outs, then one rewrite that is echoed.
        WriteSession m;
        m.mouse().dropReplies(1);
        QCOMPARE(sendReport(dataReport()), 0);
        QCOMPARE(m.mouse().writeCount(OpBasicSettings), 2);
        QCOMPARE(m.mouse().readCount(), DRAIN + 31);
        QCOMPARE(m.pauses.count(SEND_RETRY_PAUSE_MS), 29);
        QCOMPARE(lastSendStats().readFailures, 30);
        QCOMPARE(lastSendStats().rewrites, 1);
    }
    {
        // Nothing ever answers: every later time-out asks for a rewrite at once.
        WriteSession m;
        m.mouse().dropReplies(1000);
        QCOMPARE(sendReport(dataReport()), 2);
        QCOMPARE(m.mouse().writeCount(OpBasicSettings), 3);
        QCOMPARE(m.mouse().readCount(), DRAIN + 32);
        QCOMPARE(m.pauses.count(SEND_RETRY_PAUSE_MS), 29);
        QCOMPARE(m.pauses.count(SEND_WRITE_PAUSE_MS), 3);
        QCOMPARE(lastSendStats().rewrites, 3);
        QCOMPARE(lastSendStats().result, 2);
    }
}

void TestSendCommand::zeroRepliesAreRewrittenFiveTimes()
{
    {
        WriteSession m;
        m.mouse().zeroReplies(5);
        QCOMPARE(sendReport(dataReport()), 0);
        QCOMPARE(m.mouse().writeCount(OpBasicSettings), 6);
        QCOMPARE(m.mouse().readCount(), DRAIN + 6);
        QCOMPARE(lastSendStats().zeroReplies, 5);
    }
    {
        // A sixth zero reply ends the wait; with no comparison made yet that is success.
        WriteSession m;
        m.mouse().zeroReplies(100);
        QCOMPARE(sendReport(dataReport()), 0);
        QCOMPARE(m.mouse().writeCount(OpBasicSettings), 6);
        QCOMPARE(m.mouse().readCount(), DRAIN + 6);
        QCOMPARE(lastSendStats().zeroReplies, 6);
        QCOMPARE(lastSendStats().rewrites, 0);
    }
}

void TestSendCommand::zeroRepliesAfterMismatchKeepItsOutcome()
{
    // A data mismatch (first rewrite), then six zero replies: the sixth carries
    // the mismatch forward, which spends the second rewrite; the next echo verifies.
    ScriptedMouse scripted({Reply::BadData, Reply::Zero, Reply::Zero, Reply::Zero, Reply::Zero,
                            Reply::Zero, Reply::Zero});
    QCOMPARE(sendReport(dataReport()), 0);
    QCOMPARE(ScriptedMouse::writes, 8);
    QCOMPARE(ScriptedMouse::reads, DRAIN + 8);
    QCOMPARE(lastSendStats().rewrites, 2);
}

void TestSendCommand::dataMismatchUsesRewriteBudget_data()
{
    QTest::addColumn<int>("corrupted");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("writes");
    QTest::newRow("one") << 1 << 0 << 2;
    QTest::newRow("two") << 2 << 0 << 3;
    QTest::newRow("three") << 3 << 2 << 3;
    QTest::newRow("always") << 100 << 2 << 3;
}

void TestSendCommand::dataMismatchUsesRewriteBudget()
{
    QFETCH(int, corrupted);
    QFETCH(int, result);
    QFETCH(int, writes);
    WriteSession m;
    m.mouse().corruptReplyData(corrupted);
    QCOMPARE(sendReport(dataReport()), result);
    QCOMPARE(m.mouse().writeCount(OpBasicSettings), writes);
    QCOMPARE(m.mouse().readCount(), DRAIN + writes);
    QCOMPARE(m.pauses.count(SEND_RETRY_PAUSE_MS), 0);
}

void TestSendCommand::headerMismatchReadsAgainBeforeRewriting_data()
{
    // Replies whose header does not match the command.
    QTest::addColumn<int>("queuedReports");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("writes");
    QTest::addColumn<int>("reads");
    QTest::newRow("nineteen read again") << 19 << 0 << 1 << 20;
    QTest::newRow("twentieth rewrites") << 20 << 0 << 2 << 21;
    QTest::newRow("budget spent") << 22 << 2 << 3 << 22;
}

void TestSendCommand::headerMismatchReadsAgainBeforeRewriting()
{
    QFETCH(int, queuedReports);
    QFETCH(int, result);
    QFETCH(int, writes);
    QFETCH(int, reads);
    ScriptedMouse scripted(QVector<Reply>(queuedReports, Reply::OtherHeader));
    QCOMPARE(sendReport(dataReport()), result);
    QCOMPARE(ScriptedMouse::writes, writes);
    QCOMPARE(ScriptedMouse::reads, DRAIN + reads);
    QCOMPARE(scripted.pauses.count(SEND_RETRY_PAUSE_MS), std::min(queuedReports, SEND_MAX_COMMAND_MISMATCHES));
}

void TestSendCommand::checksumIsNotCompared()
{
    ScriptedMouse scripted({Reply::OtherChecksumAndTag});
    QCOMPARE(sendReport(dataReport()), 0);
    QCOMPARE(ScriptedMouse::writes, 1);
    QCOMPARE(ScriptedMouse::reads, DRAIN + 1);
}

void TestSendCommand::shortReplyIsNotCompletedBySkippedReports()
{
    // A movement report that happens to carry the data bytes, then a reply of
    // the header alone: the data were never echoed, so the command is rewritten.
    ScriptedMouse m({Reply::MovementEcho, Reply::HeaderOnly});
    QCOMPARE(sendReport(dataReport()), 0);
    QCOMPARE(lastSendStats().rewrites, 1);
    QCOMPARE(ScriptedMouse::writes, 2);
}

void TestSendCommand::failingWriteReturns4AtOnce()
{
    WriteSession m;
    m.mouse().failWrites(1);
    QCOMPARE(sendReport(dataReport()), 4);
    QCOMPARE(m.mouse().writeCount(OpBasicSettings), 1);
    QCOMPARE(m.mouse().readCount(), DRAIN);
    QVERIFY(m.pauses.pauses().isEmpty());
}

void TestSendCommand::noHandleReturns1()
{
    ConnectedMouse m(Connection::None);
    QVERIFY(!commandHandle());
    QCOMPARE(sendReport(dataReport()), 1);
    QCOMPARE(m.mouse().totalWrites(), 0);
}

void TestSendCommand::productBPreferredWhenBothPresent()
{
    WriteSession m(Connection::Both);
    QVERIFY(commandHandleA());
    QVERIFY(commandHandleB());
    QCOMPARE(commandHandle(), commandHandleB());
    QCOMPARE(sendReport(dataReport()), 0);
    const QVector<WrittenReport> log = m.mouse().writeLog();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log[0].connection, Connection::Cable);
    QCOMPARE(log[0].collection, Collection::Command);
}

void TestSendCommand::receiverUsedAlone()
{
    WriteSession m(Connection::Receiver);
    QVERIFY(!commandHandleB());
    QCOMPARE(commandHandle(), commandHandleA());
    QCOMPARE(sendReport(dataReport()), 0);
    QCOMPARE(m.mouse().writeLog().at(0).connection, Connection::Receiver);
}

void TestSendCommand::packetBufferFirstByteIgnored()
{
    WriteSession m;
    uint8_t packet[64] = {};
    packet[0] = 0xEE;
    const Report r = dataReport();
    std::copy(r.begin(), r.end(), packet + 1);
    packet[2] = 0x99; // a stale checksum is replaced
    QCOMPARE(sendCommand(packet, REPORT_SIZE), uint8_t(0));
    const QByteArray written = m.mouse().writeLog().last().bytes;
    QCOMPARE(uint8_t(written[0]), REPORT_ID);
    QCOMPARE(uint8_t(written[1]), reportChecksum(r.data()));
}

void TestSendCommand::reportListStopsAtFirstFailure()
{
    WriteSession m;
    ReportList list = {dataReport(), dataReport(), dataReport()};
    QCOMPARE(sendReports(list), 0);
    QCOMPARE(m.mouse().writeCount(OpBasicSettings), 3);
    m.mouse().resetCounters();
    m.mouse().corruptReplyData(3); // the first report fails verification
    QCOMPARE(sendReports(list), 2);
    QCOMPARE(m.mouse().writeCount(OpBasicSettings), 3);
}

void TestSendCommand::otherReportsAreSkipped_data()
{
    // Movement, keyboard and the mouse's own status reports share the node
    // with the echo; none of them counts against the retry budgets.
    QTest::addColumn<int>("motionHz");
    QTest::addColumn<int>("stateChanges");
    QTest::addColumn<int>("replyDelayMs");
    QTest::newRow("still") << 0 << 0 << 0;
    QTest::newRow("state changes queued before") << 0 << 3 << 0;
    QTest::newRow("moving at 1000 Hz") << 1000 << 0 << 5;
    QTest::newRow("moving, state changes queued") << 1000 << 2 << 5;
}

void TestSendCommand::otherReportsAreSkipped()
{
    QFETCH(int, motionHz);
    QFETCH(int, stateChanges);
    QFETCH(int, replyDelayMs);
    WriteSession m;
    QVector<uint8_t> passed;
    const StatusReportSink sink = [&](const uint8_t *report) { passed.append(report[3]); };
    m.mouse().setReplyDelayMs(replyDelayMs);
    m.mouse().setMotionRate(motionHz);
    QTest::qWait(motionHz ? 40 : 0); // movement queued ahead of the command
    for (int i = 0; i < stateChanges; ++i)
        m.mouse().pressDpiButton();
    for (int i = 0; i < 20; ++i)
        QCOMPARE(sendReport(dataReport(), sink), 0);
    QCOMPARE(m.mouse().writeCount(OpBasicSettings), 20);
    QCOMPARE(lastSendStats().commandMismatches, 0);
    QCOMPARE(lastSendStats().readFailures, 0);
    QCOMPARE(passed, QVector<uint8_t>(stateChanges, OpStateChange));
    QCOMPARE(m.mouse().handleFaults(), 0);
}

void TestSendCommand::strictFirmwareRefusesOutOfOrder_data()
{
    // Writes the firmware refuses are not echoed, so the send reports them as failed.
    QTest::addColumn<bool>("session");
    QTest::addColumn<ReportList>("before");
    QTest::addColumn<Report>("report");
    static const uint8_t bytes[REPORT_DATA_MAX] = {1};
    const uint8_t &byte = bytes[0];
    QTest::newRow("area write outside a session") << false << ReportList{} << dataReport();
    QTest::newRow("further chunk first") << true << ReportList{}
                                         << areaReport(OpBasicSettings, 0, TagNextChunk, &byte, 1);
    QTest::newRow("closing write first") << true << ReportList{} << closingReport(OpLightingTable);
    QTest::newRow("further chunk after closing") << true
                                                  << ReportList{dataReport(), closingReport(OpBasicSettings)}
                                                  << areaReport(OpBasicSettings, 3, TagNextChunk, &byte, 1);
    QTest::newRow("past the area") << true << ReportList{} << areaReport(OpButtonTable, 120, TagFirstChunk, &byte, 9);
    QTest::newRow("macro chunk past the area") << true << ReportList{}
                                               << areaReport(OpMacros, 3995, TagFirstChunk, &byte, 6);
    QTest::newRow("control without 0xF3") << false << ReportList{} << commandReport(OpControl, 0xF2, 1);
    QTest::newRow("unknown opcode") << false << ReportList{} << commandReport(0x07, 0);
}

void TestSendCommand::strictFirmwareRefusesOutOfOrder()
{
    QFETCH(bool, session);
    QFETCH(ReportList, before);
    QFETCH(Report, report);
    ConnectedMouse m;
    if (session)
        QCOMPARE(beginWrite(), 0);
    QCOMPARE(sendReports(before), 0);
    QCOMPARE(sendReport(report), 2);
    QCOMPARE(m.mouse().refusedCommands(), 3); // the first write and both rewrites
    QCOMPARE(m.mouse().handleFaults(), 0);
}

QTEST_GUILESS_MAIN(TestSendCommand)
#include "tst_sendcommand.moc"
