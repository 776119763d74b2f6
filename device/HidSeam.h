#pragma once
// The handful of hidapi calls the device layer makes, reached through one table
// so that the same device code runs on the real hidapi or on the virtual mouse.
#include <hidapi/hidapi.h>
#include <cstddef>

struct HidApi {
    int (*init)();
    int (*exit)();
    hid_device_info *(*enumerate)(unsigned short vendorId, unsigned short productId);
    void (*free_enumeration)(hid_device_info *devices);
    hid_device *(*open_path)(const char *path);
    void (*close)(hid_device *device);
    int (*write)(hid_device *device, const unsigned char *data, size_t length);
    int (*read_timeout)(hid_device *device, unsigned char *data, size_t length, int milliseconds);
};

// The table in use; the real hidapi unless another was installed.
const HidApi &hid();
// Installs a table (null: the real one). While tracing, it goes beneath the trace layer.
void setHidApi(const HidApi *api);
const HidApi &realHidApi();

// Wraps the current table so that every report written and read is passed to
// the sink as it happens ('>' written, '<' read). Installing it twice keeps one layer.
using HidTraceSink = void (*)(char direction, const unsigned char *data, size_t length);
void installHidTrace(HidTraceSink sink);
void removeHidTrace();
