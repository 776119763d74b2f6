#include "device/DeviceImage.h"
#include <atomic>

namespace {
std::atomic<uint8_t> g_deviceMode{0};
}

MouseSettings &deviceImage()
{
    static MouseSettings image;
    return image;
}

KeyTable &deviceKeyTable()
{
    static KeyTable table{};
    return table;
}

MacroArea &deviceMacroArea()
{
    static MacroArea area{};
    return area;
}

MacroNameMap &deviceMacroNames()
{
    static MacroNameMap names;
    return names;
}

uint8_t deviceModeByte()
{
    return g_deviceMode.load();
}

void setDeviceModeByte(uint8_t mode)
{
    g_deviceMode.store(mode);
}
