// What an on-screen notice costs the window: building the block, the first
// notice that has to start the OSD helper, and notices to a running helper.
// Usage: bench_osd [OSD program] (default: $MOUSECFG_APPDIR/OSD)
#include "platform/OsdChannel.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <signal.h>

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
    const OsdDelivery first = deliverOsdBlock(encodeOsdBlock(osdNotice("Profile 1", Qt::red)), program);
    std::printf("first notice, helper started: %.1f ms (%s)\n", timer.nsecsElapsed() / 1e6,
                first == OsdDelivery::Delivered ? "delivered" : "not delivered");

    constexpr int kNotices = 200;
    int delivered = 0;
    timer.restart();
    for (int i = 0; i < kNotices; ++i)
        delivered += deliverOsdBlock(encodeOsdBlock(osdNotice(QStringLiteral("Profile %1").arg(i % 5 + 1), Qt::red)), program)
                     == OsdDelivery::Delivered;
    std::printf("notice to a running helper: %.2f ms each (%d of %d delivered)\n",
                timer.nsecsElapsed() / 1e6 / kNotices, delivered, kNotices);

    if (pid > 0) {
        ::kill(pid_t(pid), SIGTERM);
        for (int i = 0; i < 200 && ::kill(pid_t(pid), 0) == 0; ++i)
            QThread::msleep(10);
    }
    return first == OsdDelivery::Delivered ? 0 : 1;
}
