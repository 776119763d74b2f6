// The notice channel to the OSD helper: the 1044-byte block byte by byte,
// long texts, and delivery with and without a helper listening (a stand-in
// helper on another thread; the real program is tst_osdhelper).
#include "platform/OsdChannel.h"
#include "sim/VirtualMouse.h"
#include "storage/ConfigStorage.h"
#include "storage/IniFile.h"
#include "tests/support/AppDirFixture.h"
#include "tests/support/MessageWatcher.h"
#include "tests/support/VirtualMouseFixture.h"
#include "ui/main/HelperPrograms.h"
#include "ui/main/MousecfgWidget.h"
#include <QLocalServer>
#include <QLocalSocket>
#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <QtTest>
#include <memory>

namespace {

QByteArray utf16le(const QString &text)
{
    QByteArray bytes;
    for (QChar ch : text) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
    }
    return bytes;
}

QByteArray le32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// The block as the helper expects it, built field by field.
QByteArray expectedBlock(const QString &text, int red, int green, int blue)
{
    QByteArray block = utf16le(text).leftJustified(512, '\0');
    block += le32(0) + le32(1500) + le32(0);
    block += QByteArray(1, char(red)) + char(green) + char(blue) + '\0';
    block += le32(60);
    block += utf16le("Arial").leftJustified(512, '\0');
    return block;
}

// A helper stand-in: listens on the helper's socket on its own thread, keeps
// every block and answers each like the helper (or not at all).
class FakeOsdHelper : public QThread
{
public:
    explicit FakeOsdHelper(bool answer = true) : m_answer(answer) {}
    ~FakeOsdHelper() override { stopListening(); }

    bool startListening()
    {
        start();
        m_started.acquire();
        return m_listening;
    }
    void stopListening()
    {
        quit();
        wait();
    }
    QList<QByteArray> blocks() const
    {
        QMutexLocker lock(&m_mutex);
        return m_blocks;
    }

protected:
    void run() override
    {
        QLocalServer server;
        QLocalServer::removeServer(osdServerName());
        m_listening = server.listen(osdServerName());
        QObject::connect(&server, &QLocalServer::newConnection, [this, &server] {
            while (QLocalSocket *socket = server.nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::readyRead, [this, socket] { take(socket); });
                QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                take(socket);
            }
        });
        m_started.release();
        if (m_listening)
            exec();
    }

private:
    void take(QLocalSocket *socket)
    {
        while (socket->bytesAvailable() >= OSD_BLOCK_SIZE) {
            {
                QMutexLocker lock(&m_mutex);
                m_blocks << socket->read(OSD_BLOCK_SIZE);
            }
            if (m_answer)
                socket->write("\1");
        }
        socket->flush();
    }

    bool m_answer;
    bool m_listening = false;
    QSemaphore m_started;
    mutable QMutex m_mutex;
    QList<QByteArray> m_blocks;
};

// Counts starts; the start itself is what the test makes of it.
struct StartRecorder {
    QStringList programs;
    std::function<bool(qint64 *)> onStart = [](qint64 *) { return false; };
    StartRecorder()
    {
        setOsdStarter([this](const QString &program, qint64 *pid) {
            programs << program;
            return onStart(pid);
        });
    }
    ~StartRecorder() { setOsdStarter({}); }
};

} // namespace

class TestOsdChannel : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_runtime;

private slots:
    void initTestCase()
    {
        // A private runtime folder: no helper of the user's session answers here.
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        QVERIFY(osdServerName().startsWith(m_runtime.path() + "/QARV Wireless Mouse OSD-"));
    }

    void blockLayout_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("color");
        QTest::newRow("profile, red") << "Profile 2" << QColor(255, 0, 0);
        QTest::newRow("dpi, sand") << "DPI3:1600" << QColor(219, 200, 182);
        QTest::newRow("rate, orange") << "1000 HZ" << QColor(255, 125, 0);
        QTest::newRow("chinese") << QString::fromUtf8("配置文件 3") << QColor(0, 255, 255);
        QTest::newRow("empty") << QString() << QColor(0, 0, 255);
    }

    void blockLayout()
    {
        QFETCH(QString, text);
        QFETCH(QColor, color);
        const QByteArray block = encodeOsdBlock(osdNotice(text, color));
        QCOMPARE(block.size(), 1044);
        QCOMPARE(block, expectedBlock(text, color.red(), color.green(), color.blue()));
        QCOMPARE(qFromLittleEndian<quint32>(block.constData() + 524),
                 quint32(color.red() | color.green() << 8 | color.blue() << 16));

        OsdMessage decoded;
        QVERIFY(decodeOsdBlock(block, decoded));
        QCOMPARE(decoded.text, text);
        QCOMPARE(decoded.color, color);
        QCOMPARE(decoded.durationMs, 1500u);
        QCOMPARE(decoded.fontPixelSize, 60u);
        QCOMPARE(decoded.fontFamily, QString("Arial"));
        QCOMPARE(decoded.flags, 0u);
        QCOMPARE(decoded.reserved, 0u);
    }

    void longTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sent");
        const QString a255(255, 'a');
        const QString pair = QString::fromUtf8("\xF0\x9F\x96\xB1"); // one character, two UTF-16 units
        QTest::newRow("255 fit") << a255 << a255;
        QTest::newRow("256 cut") << QString(256, 'b') << QString(255, 'b');
        QTest::newRow("1000 cut") << QString(1000, 'c') << QString(255, 'c');
        QTest::newRow("pair not split") << QString(254, 'd') + pair << QString(254, 'd');
        QTest::newRow("pair that fits") << QString(253, 'e') + pair << QString(253, 'e') + pair;
    }

    void longTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, sent);
        const QByteArray block = encodeOsdBlock(osdNotice(text, Qt::red));
        QCOMPARE(block.size(), 1044);
        QCOMPARE(block.mid(0, 512), utf16le(sent).leftJustified(512, '\0'));
        QCOMPARE(block.mid(510, 2), QByteArray(2, '\0')); // the terminating NUL always fits
        OsdMessage decoded;
        QVERIFY(decodeOsdBlock(block, decoded));
        QCOMPARE(decoded.text, sent);
    }

    void hostileBlocksDecodeSafely()
    {
        OsdMessage message;
        QVERIFY(!decodeOsdBlock(QByteArray(1043, 'x'), message));
        QVERIFY(!decodeOsdBlock(QByteArray(1045, 'x'), message));
        // No NUL anywhere: the strings end with their fields.
        QVERIFY(decodeOsdBlock(QByteArray(1044, 'A'), message));
        QCOMPARE(message.text, QString(256, QChar(0x4141)));
        QCOMPARE(message.fontFamily.size(), 256);
    }

    void runningHelperGetsOneMessageAndNothingStarts()
    {
        FakeOsdHelper helper;
        QVERIFY(helper.startListening());
        StartRecorder starts;
        const QByteArray block = encodeOsdBlock(osdNotice("Profile 3", Qt::green));
        QCOMPARE(deliverOsdBlockNow(block, "/no/such/OSD"), OsdDelivery::Delivered);
        QCOMPARE(helper.blocks(), QList<QByteArray>{block});
        QVERIFY(starts.programs.isEmpty());
    }

    void missingHelperIsStarted()
    {
        FakeOsdHelper helper;
        StartRecorder starts;
        starts.onStart = [&helper](qint64 *) { return helper.startListening(); };
        const QByteArray block = encodeOsdBlock(osdNotice("DPI2:800", Qt::blue));
        QCOMPARE(deliverOsdBlockNow(block, "/opt/app/OSD"), OsdDelivery::Delivered);
        QCOMPARE(starts.programs, QStringList{"/opt/app/OSD"});
        QCOMPARE(helper.blocks().size(), 1);
    }

    void startingGivesUpAfterFiveAttempts()
    {
        StartRecorder starts;
        starts.onStart = [](qint64 *pid) {
            *pid = 0; // unknown process: each attempt waits its whole time
            return true;
        };
        QCOMPARE(deliverOsdBlockNow(encodeOsdBlock(osdNotice("x", Qt::red)), "/opt/app/OSD"), OsdDelivery::NoHelper);
        QCOMPARE(starts.programs.size(), 5);
    }

    void aProgramThatCannotStartIsTriedOnce()
    {
        StartRecorder starts; // every start fails
        QCOMPARE(deliverOsdBlockNow(encodeOsdBlock(osdNotice("x", Qt::red)), "/no/such/OSD"), OsdDelivery::NoHelper);
        QCOMPARE(starts.programs.size(), 1);
    }

    void silentHelperIsNotAcknowledged()
    {
        FakeOsdHelper helper(false);
        QVERIFY(helper.startListening());
        QCOMPARE(deliverOsdBlockNow(encodeOsdBlock(osdNotice("x", Qt::red)), "/no/such/OSD"), OsdDelivery::NotAcknowledged);
        QCOMPARE(helper.blocks().size(), 1);
    }

    // The window's notices are delivered on a thread of their own: a helper
    // slow to start, or one that takes the block and never answers, does not
    // hold the window.
    void noticesLeaveTheCallerAtOnce()
    {
        StartRecorder starts;
        QSemaphore returned;
        bool startedAfterReturn = false;
        QThread *startThread = nullptr;
        starts.onStart = [&](qint64 *) {
            startThread = QThread::currentThread();
            startedAfterReturn = returned.tryAcquire(1, 10000); // the call came back before the start ended
            return false;
        };
        deliverOsdBlock(encodeOsdBlock(osdNotice("x", Qt::red)), "/opt/app/OSD");
        returned.release();
        QVERIFY(waitForOsdNotices(20000));
        QCOMPARE(starts.programs, QStringList{"/opt/app/OSD"});
        QVERIFY(startThread != QThread::currentThread());
        QVERIFY(startedAfterReturn);
    }

    // While one notice is under way, at most OSD_QUEUE_LIMIT wait; the newest win.
    void waitingNoticesAreBounded()
    {
        StartRecorder starts;
        QSemaphore underWay;
        QSemaphore release;
        starts.onStart = [&](qint64 *) {
            underWay.release();
            release.tryAcquire(1, 10000); // the first holds the thread, the others pass
            release.release();
            return false;
        };
        const QByteArray block = encodeOsdBlock(osdNotice("x", Qt::red));
        deliverOsdBlock(block, "/p/0");
        QVERIFY(underWay.tryAcquire(1, 10000));
        for (int i = 1; i <= 10; ++i)
            deliverOsdBlock(block, QStringLiteral("/p/%1").arg(i));
        release.release();
        QVERIFY(waitForOsdNotices(20000));
        QStringList expected{"/p/0"};
        for (int i = 10 - OSD_QUEUE_LIMIT + 1; i <= 10; ++i)
            expected << QStringLiteral("/p/%1").arg(i);
        QCOMPARE(starts.programs, expected);
    }

    void windowSendsMouseSideChanges()
    {
        AppDirFixture app(AppDirFixture::DemoData);
        {
            IniWriter ini(configFilePath());
            ini->setValue("Config/GColorID", 3);
            QVERIFY(ini.commit());
        }
        VirtualMouseFixture mouse(Connection::Receiver);
        MessageWatcher messages;
        FakeOsdHelper helper;
        QVERIFY(helper.startListening());
        StartRecorder starts;
        auto window = std::make_unique<MousecfgWidget>();
        window->show();

        virtualMouse().pressProfileButton();
        QTRY_VERIFY_WITH_TIMEOUT(!helper.blocks().isEmpty(), 5000);
        QCOMPARE(helper.blocks().first(), expectedBlock("Profile 2", 219, 200, 182));
        QVERIFY(waitForOsdNotices(10000));
        const int before = helper.blocks().size(); // DPI and rate of the new slot may follow
        window->slotRefreshRate(3); // not a rate: an empty notice
        QVERIFY(waitForOsdNotices(10000));
        QCOMPARE(helper.blocks().size(), before + 1);
        QCOMPARE(helper.blocks().last(), expectedBlock(QString(), 219, 200, 182));
        QVERIFY(starts.programs.isEmpty());

        // Without a helper the window starts the installed program.
        helper.stopListening();
        window->slotRefreshRate(1);
        QVERIFY(waitForOsdNotices(10000));
        QCOMPARE(starts.programs, QStringList(osdProgramPath()));
        QCOMPARE(osdProgramPath(), app.path() + "/OSD");
        QVERIFY(messages.texts().isEmpty());
    }
};

QTEST_MAIN(TestOsdChannel)
#include "tst_osdchannel.moc"
