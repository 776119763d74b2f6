// mousecfg: the utility for a real mouse, with hot-plug from udev.
#include "app/Startup.h"
#include "platform/HidHotplugMonitor.h"
#include "ui/main/MousecfgWidget.h"
#include <QDebug>

int main(int argc, char **argv)
{
    StartupHooks hooks;
    hooks.afterWindow = [](MousecfgWidget &window) {
        auto *monitor = new HidHotplugMonitor(&window);
        if (!monitor->start())
            qDebug("注册失败");
        QObject::connect(monitor, &HidHotplugMonitor::deviceInterfaceChanged, &window,
                         &MousecfgWidget::handleDeviceChange);
    };
    return runMousecfg(argc, argv, hooks);
}
