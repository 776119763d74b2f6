// KWin on Wayland owns the input devices; it offers each one on D-Bus.
#include "platform/PointerSpeedDesktops.h"
#include <QDBusConnection>
#include <QDBusInterface>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

const QString SERVICE = QStringLiteral("org.kde.KWin");
const QString MANAGER_PATH = QStringLiteral("/org/kde/KWin/InputDevice");
const QString MANAGER_INTERFACE = QStringLiteral("org.kde.KWin.InputDeviceManager");
const QString DEVICE_INTERFACE = QStringLiteral("org.kde.KWin.InputDevice");
const char ACCELERATION[] = "pointerAcceleration";

using Device = std::unique_ptr<QDBusInterface>;

// The mouse's own pointers, or every pointer when none of them is there.
std::vector<Device> pointers()
{
    QDBusInterface manager(SERVICE, MANAGER_PATH, MANAGER_INTERFACE, QDBusConnection::sessionBus());
    std::vector<Device> devices;
    std::vector<bool> own;
    for (const QString &sysName : manager.property("devicesSysNames").toStringList()) {
        auto device = std::make_unique<QDBusInterface>(SERVICE, MANAGER_PATH + QLatin1Char('/') + sysName,
                                                       DEVICE_INTERFACE, QDBusConnection::sessionBus());
        if (!device->property("pointer").toBool())
            continue;
        own.push_back(device->property("vendor").toUInt() == POINTER_VENDOR_ID);
        devices.push_back(std::move(device));
    }
    if (std::find(own.begin(), own.end(), true) == own.end())
        return devices;
    std::vector<Device> ours;
    for (size_t i = 0; i < devices.size(); ++i)
        if (own[i])
            ours.push_back(std::move(devices[i]));
    return ours;
}

class KWinPointerSpeed : public PointerSpeedBackend
{
public:
    const char *name() const override { return "KWin"; }

    int speed() override
    {
        const std::vector<Device> devices = pointers();
        if (devices.empty())
            return POINTER_SPEED_DEFAULT;
        return accelerationToSpeed(devices.front()->property(ACCELERATION).toDouble());
    }

    int setSpeed(int speed) override
    {
        const std::vector<Device> devices = pointers();
        int failed = devices.empty() ? 1 : 0;
        for (const Device &device : devices)
            failed += device->setProperty(ACCELERATION, speedToAcceleration(speed)) ? 0 : 1;
        return failed;
    }
};

} // namespace

PointerSpeedBackend &kwinPointerSpeed()
{
    static KWinPointerSpeed backend;
    return backend;
}
