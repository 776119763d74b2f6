// mousecfg-sim: the same utility on the virtual mouse, with its control window.
#include "app/DeviceNotices.h"
#include "app/Startup.h"
#include "device/HidSeam.h"
#include "sim/VirtualHidApi.h"
#include "sim/VirtualMouse.h"
#include "sim/control/VirtualMouseWindow.h"
#include "ui/main/MousecfgWidget.h"
#include <QCoreApplication>

int main(int argc, char **argv)
{
    StartupHooks hooks;
    hooks.beforeWindow = [] {
        setHidApi(&virtualHidApi());
        virtualMouse().reset(Connection::Receiver);
        // Replies arrive and time out as they would on a real bus.
        virtualMouse().setInstantTimeouts(false);
        virtualMouse().setReplyDelayMs(1);
        // --no-access: the nodes refuse this user, as without the udev rule.
        virtualMouse().setDenyOpens(QCoreApplication::arguments().mid(1).contains(QStringLiteral("--no-access")));
    };
    hooks.hotplug = [](DeviceNotices &notices) {
        QObject::connect(&virtualMouse(), &VirtualMouse::interfaceChanged, &notices, &DeviceNotices::notice);
    };
    hooks.afterWindow = [](MousecfgWidget &window) {
        auto *control = new VirtualMouseWindow;
        control->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(&window, &QObject::destroyed, control, &QWidget::close);
        control->move(window.geometry().right() + 16, window.geometry().top());
        control->show();
    };
    return runMousecfg(argc, argv, hooks);
}
