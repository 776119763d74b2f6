// Writes a PNG of each page of the window, the message box and the busy
// dialog, on the virtual mouse, for looking at the interface.
#include "device/HidSeam.h"
#include "sim/VirtualHidApi.h"
#include "sim/VirtualMouse.h"
#include "sim/control/VirtualMouseWindow.h"
#include "storage/AppPaths.h"
#include "ui/kit/KestMessageBox.h"
#include "ui/kit/KestProcessDialog.h"
#include "ui/main/MousecfgWidget.h"
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <cstdio>

namespace {
bool save(QWidget &widget, const QString &dir, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = dir + "/" + name + ".png";
    const bool ok = widget.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Screenshots of the window on the virtual mouse");
    parser.addHelpOption();
    parser.addPositionalArgument("folder", "where the PNG files go");
    parser.addOption({"app-dir", "application directory", "dir"});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(64);
    const QString dir = parser.positionalArguments().first();
    QDir().mkpath(dir);
    if (parser.isSet("app-dir"))
        setAppDir(parser.value("app-dir"));

    setHidApi(&virtualHidApi());
    virtualMouse().reset(Connection::Receiver);

    MousecfgWidget window;
    window.show();
    bool ok = true;
    const char *const pages[] = {"lighting", "customize", "dpi", "macro"};
    for (int i = 0; i < 4; ++i) {
        window.selectPage(i);
        ok &= save(window, dir, QString("page-%1").arg(pages[i]));
    }

    KestMessageBox box(1, QString(), QCoreApplication::translate("MousecfgWidget", "Warning"),
                       QCoreApplication::translate("MousecfgWidget", "Send data failed, please try again."), &window);
    box.show();
    ok &= save(box, dir, "message-box");
    box.hide();

    VirtualMouseWindow control;
    control.show();
    ok &= save(control, dir, "virtual-mouse");

    KestProcessDialog busy(&window);
    busy.show();
    ok &= save(busy, dir, "busy-dialog");
    return ok ? 0 : 1;
}
