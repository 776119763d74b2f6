#pragma once
// Arrival and removal of hidraw devices, reported as the interface names the
// window classifies: one name per HID collection it cares about,
// "HID#VID_xxxx&PID_xxxx&col01#<node>" and "...&col04#<node>".
// A hidraw node carries every collection of its interface, so both names are
// reported for each node.
#include <QObject>
#include <QStringList>

struct udev;
struct udev_monitor;
class QSocketNotifier;

class HidHotplugMonitor : public QObject {
    Q_OBJECT
public:
    explicit HidHotplugMonitor(QObject *parent = nullptr);
    ~HidHotplugMonitor() override;
    // False when udev could not be reached; the program then works without hot-plug.
    bool start();

    // The interface names of one hidraw node, from its sysfs path
    // (".../0003:248A:FA02.0001/hidraw/hidraw0"); empty when it is not a HID node.
    static QStringList interfaceNamesForSysPath(const QString &sysPath);

signals:
    void deviceInterfaceChanged(const QString &interfaceName, bool arrival);

private:
    void readEvents();

    struct udev *m_udev = nullptr;
    struct udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};
