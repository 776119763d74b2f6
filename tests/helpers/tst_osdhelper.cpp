// The OSD helper: its window and socket end in this process, and the built
// program itself started the way the window starts it.
#include "helpers/osd/OsdServer.h"
#include "helpers/osd/OsdWindow.h"
#include "platform/OsdChannel.h"
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalSocket>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <signal.h>
#include <unistd.h>

namespace {

QString installedHelper()
{
    return qEnvironmentVariable("MOUSECFG_APPDIR") + "/OSD";
}

bool processAlive(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

OsdMessage message(const QString &text)
{
    return osdNotice(text, QColor(255, 125, 0));
}

} // namespace

class TestOsdHelper : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_runtime;
    QList<qint64> m_started; // helpers started detached, ended in cleanup()

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        // The helper inherits the environment; leaks inside the platform
        // plugin at its exit are not what these tests look at.
        qputenv("ASAN_OPTIONS", "detect_leaks=0");
    }

    void cleanup()
    {
        for (qint64 pid : m_started) {
            ::kill(pid_t(pid), SIGTERM);
            QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pid), 10000);
        }
        m_started.clear();
        setOsdStarter({});
    }

    void windowTakesNoFocusAndStaysOnTop()
    {
        OsdWindow window;
        QCOMPARE(window.windowTitle(), QString("QARV Wireless Mouse OSD"));
        for (Qt::WindowType flag : {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint, Qt::Tool, Qt::WindowDoesNotAcceptFocus})
            QVERIFY(window.windowFlags().testFlag(flag));
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
        QVERIFY(!window.isVisible());
    }

    void windowShowsEachNoticeForItsTime()
    {
        OsdWindow window;
        window.showMessage(message("Profile 4"));
        QVERIFY(window.isVisible());
        QCOMPARE(window.text(), QString("Profile 4"));
        QCOMPARE(window.textColor(), QColor(255, 125, 0));
        QCOMPARE(window.textFont().family(), QString("Arial"));
        QCOMPARE(window.textFont().pixelSize(), 60);
        QVERIFY(window.remainingMs() > 0 && window.remainingMs() <= 1500);
        // Centred, in the lower part of the primary screen.
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(window.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(window.geometry().center().y() > screen.center().y());

        // A new notice replaces the one shown.
        window.showMessage(message("DPI2:1600"));
        QCOMPARE(window.text(), QString("DPI2:1600"));
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);
        QCOMPARE(window.remainingMs(), -1);

        window.showMessage(message("125 HZ"));
        window.showMessage(message(QString())); // an empty notice clears the screen
        QVERIFY(!window.isVisible());
    }

    void windowBoundsHostileSizes()
    {
        OsdWindow window;
        OsdMessage m = message("x");
        m.fontPixelSize = 0xFFFFFFFF;
        m.durationMs = 0;
        m.fontFamily.clear();
        window.showMessage(m);
        QCOMPARE(window.textFont().pixelSize(), OsdWindow::kMaxFontPixels);
        QCOMPARE(window.textFont().family(), QString("Arial"));
        QVERIFY(window.remainingMs() <= OsdWindow::kMinDurationMs);
        m.fontPixelSize = 0;
        m.durationMs = 0xFFFFFFFF;
        window.showMessage(m);
        QCOMPARE(window.textFont().pixelSize(), OsdWindow::kMinFontPixels);
        QVERIFY(window.remainingMs() > OsdWindow::kMaxDurationMs - 1000);
    }

    void serverShowsWholeBlocksAndAnswersEach()
    {
        QList<OsdMessage> shown;
        OsdServer server([&shown](const OsdMessage &m) { shown << m; });
        QCOMPARE(server.listen(), OsdServer::Start::Listening);
        OsdServer second([](const OsdMessage &) {});
        QCOMPARE(second.listen(), OsdServer::Start::AlreadyRunning);

        QLocalSocket client;
        client.connectToServer(osdServerName());
        QTRY_COMPARE(client.state(), QLocalSocket::ConnectedState);
        const QByteArray one = encodeOsdBlock(message("one"));
        const QByteArray two = encodeOsdBlock(message("two"));
        client.write(one + two.left(100)); // the second arrives in two parts
        client.flush();
        QTRY_COMPARE(shown.size(), 1);
        QTest::qWait(50);
        QCOMPARE(shown.size(), 1);
        client.write(two.mid(100));
        client.flush();
        QTRY_COMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QString("one"));
        QCOMPARE(shown[1].text, QString("two"));
        QTRY_COMPARE(client.bytesAvailable(), qint64(2));
        QCOMPARE(client.readAll(), QByteArray("\1\1"));
    }

    // A lock that names no process (a helper killed while making it) does not
    // keep every later helper away.
    void anEmptyLockIsTakenOver()
    {
        QVERIFY(QFile(osdServerName() + ".lock").open(QIODevice::WriteOnly));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Taking over a lock file that names no process"));
        OsdServer server([](const OsdMessage &) {});
        QCOMPARE(server.listen(), OsdServer::Start::Listening);
    }

    // Without a private runtime folder the helper does not listen at all, and
    // says so, rather than in a folder others may write in.
    void noPrivateFolderNoHelper()
    {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray temp = qgetenv("TMPDIR");
        QTemporaryDir base;
        const QString folder = base.path() + QStringLiteral("/mousecfg-%1").arg(::getuid());
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777))); // rwx for all
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", QFile::encodeName(base.path()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Not using the runtime folder .*can be written by other users"));
        OsdServer server([](const OsdMessage &) {});
        const OsdServer::Start start = server.listen();
        const QString error = server.errorString();
        qputenv("XDG_RUNTIME_DIR", runtime);
        temp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", temp);
        QCOMPARE(start, OsdServer::Start::Failed);
        QCOMPARE(error, QString("no private runtime folder for the socket"));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), QStringList());
    }

    void theProgramIsStartedOnceAndEndsOnSigterm()
    {
        QVERIFY2(QFileInfo(installedHelper()).isExecutable(), qPrintable(installedHelper()));
        int starts = 0;
        setOsdStarter([this, &starts](const QString &program, qint64 *pid) {
            ++starts;
            const bool ok = startOsdProgram(program, pid);
            if (ok)
                m_started << *pid;
            return ok;
        });
        const QByteArray block = encodeOsdBlock(message("Profile 1"));
        QCOMPARE(deliverOsdBlockNow(block, installedHelper()), OsdDelivery::Delivered);
        QCOMPARE(starts, 1);
        QCOMPARE(deliverOsdBlockNow(encodeOsdBlock(message("DPI1:400")), installedHelper()), OsdDelivery::Delivered);
        QCOMPARE(starts, 1);
        QVERIFY(QFileInfo::exists(osdServerName()));

        const qint64 pid = m_started.takeFirst();
        QVERIFY(::kill(pid_t(pid), SIGTERM) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(!processAlive(pid), 10000);
        QVERIFY(!QFileInfo::exists(osdServerName())); // cleaned up on the way out
    }

    void aSecondHelperLeavesAndAStaleSocketIsTakenOver()
    {
        // What a helper that was killed leaves behind.
        QVERIFY(QFile(osdServerName()).open(QIODevice::WriteOnly));
        QProcess first;
        first.start(installedHelper(), QStringList());
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(deliverOsdBlockNow(encodeOsdBlock(message("a")), QString()) == OsdDelivery::Delivered, 10000);

        QProcess second;
        second.start(installedHelper(), QStringList());
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(deliverOsdBlockNow(encodeOsdBlock(message("b")), QString()), OsdDelivery::Delivered);

        first.terminate(); // SIGTERM
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
    }
};

QTEST_MAIN(TestOsdHelper)
#include "tst_osdhelper.moc"
