// What an on-screen notice costs: building the block, the first notice that
// has to start the OSD helper, notices to a running helper, and how long a
// helper that takes the block but never answers holds the sending thread and
// the window (which hands its notices to the notice thread).
// Usage: bench_osd [OSD program] (default: $MOUSECFG_APPDIR/OSD)
#include "platform/OsdChannel.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <signal.h>

namespace {

// Listens on the helper's socket, takes every block and never answers.
class SilentHelper : public QThread
{
protected:
    void run() override
    {
        QLocalServer server;
        QLocalServer::removeServer(osdServerName());
        server.listen(osdServerName());
        QObject::connect(&server, &QLocalServer::newConnection, [&server] {
            while (QLocalSocket *socket = server.nextPendingConnection())
                QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        });
        exec();
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString program = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("MOUSECFG_APPDIR") + "/OSD";
    if (!QFileInfo(program).isExecutable()) {
        std::fprintf(stderr, "no OSD program at %s\n", qPrintable(program));
        return 64;
    }
    // A private socket folder: a helper of the running session is not disturbed.
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    constexpr int kEncodes = 100000;
    QElapsedTimer timer;
    timer.start();
    qint64 bytes = 0;
    for (int i = 0; i < kEncodes; ++i)
        bytes += encodeOsdBlock(osdNotice(QStringLiteral("DPI%1:1600").arg(i % 8), QColor(255, 0, 0))).size();
    std::printf("encode block: %.2f us each (%lld bytes)\n", timer.nsecsElapsed() / 1000.0 / kEncodes, bytes);

    qint64 pid = 0;
    setOsdStarter([&pid](const QString &path, qint64 *started) {
        const bool ok = startOsdProgram(path, started);
        pid = *started;
        return ok;
    });
    timer.restart();
    const OsdDelivery first = deliverOsdBlockNow(encodeOsdBlock(osdNotice("Profile 1", Qt::red)), program);
    std::printf("first notice, helper started: %.1f ms (%s)\n", timer.nsecsElapsed() / 1e6,
                first == OsdDelivery::Delivered ? "delivered" : "not delivered");

    constexpr int kNotices = 200;
    int delivered = 0;
    timer.restart();
    for (int i = 0; i < kNotices; ++i)
        delivered += deliverOsdBlockNow(encodeOsdBlock(osdNotice(QStringLiteral("Profile %1").arg(i % 5 + 1), Qt::red)), program)
                     == OsdDelivery::Delivered;
    std::printf("notice to a running helper: %.2f ms each (%d of %d delivered)\n",
                timer.nsecsElapsed() / 1e6 / kNotices, delivered, kNotices);

    if (pid > 0) {
        ::kill(pid_t(pid), SIGTERM);
        for (int i = 0; i < 200 && ::kill(pid_t(pid), 0) == 0; ++i)
            QThread::msleep(10);
    }

    SilentHelper silent;
    silent.start();
    while (!QFileInfo::exists(osdServerName()))
        QThread::msleep(5);
    timer.restart();
    const OsdDelivery unanswered = deliverOsdBlockNow(encodeOsdBlock(osdNotice("Profile 1", Qt::red)), program);
    std::printf("notice to a helper that never answers, sent and waited for: %.0f ms (%s)\n", timer.nsecsElapsed() / 1e6,
                unanswered == OsdDelivery::NotAcknowledged ? "not acknowledged" : "unexpected outcome");
    constexpr int kPosted = 20;
    qint64 longestNs = 0;
    for (int i = 0; i < kPosted; ++i) {
        timer.restart();
        deliverOsdBlock(encodeOsdBlock(osdNotice(QStringLiteral("DPI%1:800").arg(i % 8), Qt::red)), program);
        longestNs = qMax(longestNs, timer.nsecsElapsed());
    }
    std::printf("the window's call with that helper: at most %.1f us of %d (%d wait at most)\n", longestNs / 1000.0, kPosted,
                OSD_QUEUE_LIMIT);
    timer.restart();
    waitForOsdNotices(60000);
    std::printf("the notice thread worked them off in %.1f s\n", timer.nsecsElapsed() / 1e9);
    silent.quit();
    silent.wait();
    return first == OsdDelivery::Delivered ? 0 : 1;
}
