#include "device/HidSeam.h"
#include "device/InputReports.h"
#include <atomic>

namespace {

const HidApi kRealHidApi = {
    hid_init,
    hid_exit,
    hid_enumerate,
    hid_free_enumeration,
    hid_open_path,
    hid_close,
    hid_write,
    hid_read_timeout,
};

// The table the trace layer forwards to, and where its lines go.
std::atomic<const HidApi *> g_traced{nullptr};
std::atomic<HidTraceSink> g_sink{nullptr};

const HidApi &inner()
{
    const HidApi *api = g_traced.load();
    return api ? *api : kRealHidApi;
}

void report(char direction, const unsigned char *data, size_t length)
{
    if (HidTraceSink sink = g_sink.load())
        sink(direction, data, length);
}

int tracedInit() { return inner().init(); }
int tracedExit() { return inner().exit(); }
hid_device_info *tracedEnumerate(unsigned short vendorId, unsigned short productId)
{
    return inner().enumerate(vendorId, productId);
}
void tracedFreeEnumeration(hid_device_info *devices) { inner().free_enumeration(devices); }
hid_device *tracedOpenPath(const char *path) { return inner().open_path(path); }
void tracedClose(hid_device *device) { inner().close(device); }

// A write is shown before it goes out, so a failed write still leaves its line.
int tracedWrite(hid_device *device, const unsigned char *data, size_t length)
{
    report('>', data, length);
    return inner().write(device, data, length);
}

// Only command replies are shown; the mouse's movement and keyboard reports are not.
int tracedReadTimeout(hid_device *device, unsigned char *data, size_t length, int milliseconds)
{
    const int result = inner().read_timeout(device, data, length, milliseconds);
    if (result > 0 && inputKind(data, result) != InputKind::Other)
        report('<', data, static_cast<size_t>(result));
    return result;
}

const HidApi kTraceHidApi = {
    tracedInit,
    tracedExit,
    tracedEnumerate,
    tracedFreeEnumeration,
    tracedOpenPath,
    tracedClose,
    tracedWrite,
    tracedReadTimeout,
};

std::atomic<const HidApi *> g_current{&kRealHidApi};

} // namespace

const HidApi &hid()
{
    return *g_current.load();
}

const HidApi &realHidApi()
{
    return kRealHidApi;
}

// While tracing, a new table goes beneath the trace layer, so the order of
// installing a backend and the trace does not matter.
void setHidApi(const HidApi *api)
{
    if (api == &kTraceHidApi)
        return;
    const HidApi *table = api ? api : &kRealHidApi;
    if (g_current.load() == &kTraceHidApi)
        g_traced.store(table);
    else
        g_current.store(table);
}

void installHidTrace(HidTraceSink sink)
{
    g_sink.store(sink);
    if (g_current.load() != &kTraceHidApi) {
        g_traced.store(g_current.load());
        g_current.store(&kTraceHidApi);
    }
}

void removeHidTrace()
{
    if (g_current.load() != &kTraceHidApi)
        return;
    // The inner table stays recorded: a call already inside the trace layer still forwards to it.
    g_current.store(&inner());
    g_sink.store(nullptr);
}
