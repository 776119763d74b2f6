#include "platform/HidHotplugMonitor.h"
#include <QRegularExpression>
#include <QSocketNotifier>
#include <libudev.h>

HidHotplugMonitor::HidHotplugMonitor(QObject *parent) : QObject(parent) {}

HidHotplugMonitor::~HidHotplugMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool HidHotplugMonitor::start()
{
    m_udev = udev_new();
    if (!m_udev)
        return false;
    m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor)
        return false;
    if (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0)
        return false;
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { readEvents(); });
    return true;
}

QStringList HidHotplugMonitor::interfaceNamesForSysPath(const QString &sysPath)
{
    // The HID device folder is named bus:vendor:product.instance in hexadecimal.
    static const QRegularExpression hidFolder(
        "/[0-9A-Fa-f]{4}:([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4})\\.[0-9A-Fa-f]+/hidraw/(hidraw\\d+)$");
    const QRegularExpressionMatch m = hidFolder.match(sysPath);
    if (!m.hasMatch())
        return {};
    const QString base = QString("HID#VID_%1&PID_%2&").arg(m.captured(1).toUpper(), m.captured(2).toUpper());
    const QString node = m.captured(3);
    return {base + "col01#" + node, base + "col04#" + node};
}

void HidHotplugMonitor::readEvents()
{
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const QString action = QString::fromLatin1(udev_device_get_action(device));
        const QString sysPath = QString::fromLocal8Bit(udev_device_get_syspath(device));
        udev_device_unref(device);
        const bool arrival = action == "add";
        if (!arrival && action != "remove")
            continue;
        for (const QString &name : interfaceNamesForSysPath(sysPath))
            emit deviceInterfaceChanged(name, arrival);
    }
}
