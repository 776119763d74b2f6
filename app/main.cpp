// mousecfg: the utility for a real mouse, with hot-plug from udev.
#include "app/DeviceNotices.h"
#include "app/Startup.h"
#include "platform/HidHotplugMonitor.h"
#include <QDebug>

int main(int argc, char **argv)
{
    StartupHooks hooks;
    hooks.hotplug = [](DeviceNotices &notices) {
        auto *monitor = new HidHotplugMonitor(&notices);
        if (!monitor->start())
            qDebug("注册失败");
        QObject::connect(monitor, &HidHotplugMonitor::deviceInterfaceChanged, &notices, &DeviceNotices::notice);
    };
    return runMousecfg(argc, argv, hooks);
}
