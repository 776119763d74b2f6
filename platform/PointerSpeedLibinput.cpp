// Xorg's libinput driver ignores the core pointer acceleration; it has its
// own per-device property.
#include "platform/PointerSpeedDesktops.h"
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <algorithm>
#include <mutex>
#include <vector>

namespace {

constexpr char ACCEL_SPEED[] = "libinput Accel Speed";
constexpr char PRODUCT_ID[] = "Device Product ID"; // vendor, product

std::mutex g_mutex;

struct Pointers {
    std::vector<int> own, all; // device ids carrying the property
    const std::vector<int> &chosen() const { return own.empty() ? all : own; }
};

bool hasProperty(Display *display, int device, Atom property)
{
    int count = 0;
    Atom *atoms = XIListProperties(display, device, &count);
    const bool found = std::find(atoms, atoms + count, property) != atoms + count;
    XFree(atoms);
    return found;
}

bool isMouseOfOurs(Display *display, int device)
{
    const Atom property = XInternAtom(display, PRODUCT_ID, True);
    if (property == None)
        return false;
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char *data = nullptr;
    if (XIGetProperty(display, device, property, 0, 2, False, XA_INTEGER, &type, &format, &items, &after, &data)
            != Success
        || !data)
        return false;
    const auto *ids = reinterpret_cast<const uint32_t *>(data);
    const bool ours = format == 32 && items == 2 && ids[0] == POINTER_VENDOR_ID
                      && std::find(std::begin(POINTER_PRODUCT_IDS), std::end(POINTER_PRODUCT_IDS), ids[1])
                             != std::end(POINTER_PRODUCT_IDS);
    XFree(data);
    return ours;
}

Pointers findPointers(Display *display)
{
    Pointers found;
    int opcode = 0, event = 0, error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error))
        return found;
    const Atom speed = XInternAtom(display, ACCEL_SPEED, True);
    if (speed == None)
        return found;
    int count = 0;
    XIDeviceInfo *devices = XIQueryDevice(display, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        if (devices[i].use != XISlavePointer || !hasProperty(display, devices[i].deviceid, speed))
            continue;
        found.all.push_back(devices[i].deviceid);
        if (isMouseOfOurs(display, devices[i].deviceid))
            found.own.push_back(devices[i].deviceid);
    }
    XIFreeDeviceInfo(devices);
    return found;
}

class LibinputPointerSpeed : public PointerSpeedBackend
{
public:
    const char *name() const override { return "libinput"; }

    int speed() override
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        Display *display = XOpenDisplay(nullptr);
        if (!display)
            return POINTER_SPEED_DEFAULT;
        int result = POINTER_SPEED_DEFAULT;
        const Pointers pointers = findPointers(display);
        if (!pointers.chosen().empty()) {
            Atom type = None;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char *data = nullptr;
            const Atom speed = XInternAtom(display, ACCEL_SPEED, True);
            const Atom floatType = XInternAtom(display, "FLOAT", True);
            if (XIGetProperty(display, pointers.chosen().front(), speed, 0, 1, False, floatType, &type, &format,
                              &items, &after, &data)
                    == Success
                && data && items == 1)
                result = accelerationToSpeed(*reinterpret_cast<const float *>(data));
            if (data)
                XFree(data);
        }
        XCloseDisplay(display);
        return result;
    }

    int setSpeed(int speed) override
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        Display *display = XOpenDisplay(nullptr);
        if (!display)
            return 1;
        const Pointers pointers = findPointers(display);
        const Atom property = XInternAtom(display, ACCEL_SPEED, True);
        const Atom floatType = XInternAtom(display, "FLOAT", True);
        float value = static_cast<float>(speedToAcceleration(speed));
        for (int device : pointers.chosen())
            XIChangeProperty(display, device, property, floatType, 32, XIPropModeReplace,
                             reinterpret_cast<unsigned char *>(&value), 1);
        XSync(display, False);
        XCloseDisplay(display);
        return pointers.chosen().empty() ? 1 : 0;
    }
};

} // namespace

bool libinputPointersPresent()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const bool present = !findPointers(display).all.empty();
    XCloseDisplay(display);
    return present;
}

PointerSpeedBackend &libinputPointerSpeed()
{
    static LibinputPointerSpeed backend;
    return backend;
}
