// The OSD helper: shows the utility's short notices (profile, DPI stage,
// report rate) on screen. Started on demand by the utility, it keeps running
// until the session ends or it receives SIGTERM.
#include "helpers/osd/OsdServer.h"
#include "helpers/osd/OsdWindow.h"
#include "helpers/osd/TerminationSignals.h"
#include "platform/RasterOnlyWindows.h"
#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    useRasterOnlyWindows();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    quitOnTerminationSignals();

    OsdWindow window;
    OsdServer server([&window](const OsdMessage &message) { window.showMessage(message); });
    switch (server.listen()) {
    case OsdServer::Start::AlreadyRunning:
        return 0;
    case OsdServer::Start::Failed:
        std::fprintf(stderr, "OSD: %s\n", qPrintable(server.errorString()));
        return 1;
    case OsdServer::Start::Listening:
        break;
    }
    return app.exec();
}
