#include "sim/VirtualHidApi.h"
#include "sim/VirtualMouse.h"

namespace {

int virtualInit() { return 0; }
int virtualExit() { return 0; }

hid_device_info *virtualEnumerate(unsigned short vendorId, unsigned short productId)
{
    return virtualMouse().enumerate(vendorId, productId);
}

void virtualFreeEnumeration(hid_device_info *devices) { VirtualMouse::freeEnumeration(devices); }
hid_device *virtualOpenPath(const char *path) { return virtualMouse().open(path); }
void virtualClose(hid_device *device) { virtualMouse().close(device); }

int virtualWrite(hid_device *device, const unsigned char *data, size_t length)
{
    return virtualMouse().write(device, data, length);
}

int virtualReadTimeout(hid_device *device, unsigned char *data, size_t length, int milliseconds)
{
    return virtualMouse().read(device, data, length, milliseconds);
}

const HidApi kVirtualHidApi = {
    virtualInit,
    virtualExit,
    virtualEnumerate,
    virtualFreeEnumeration,
    virtualOpenPath,
    virtualClose,
    virtualWrite,
    virtualReadTimeout,
};

} // namespace

const HidApi &virtualHidApi()
{
    return kVirtualHidApi;
}
