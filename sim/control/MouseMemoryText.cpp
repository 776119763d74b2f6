#include "sim/control/MouseMemoryText.h"
#include "device/FunctionTable.h"
#include "device/SensorEncoding.h"
#include "sim/VirtualMouse.h"
#include "storage/MouseSettings.h"
#include <QStringList>

namespace {
// Largest raw stage value any sensor's slider reaches.
constexpr int kMaxRawDpi = 1200;

// Raw value whose encoding gives these register bytes on this sensor; -1 when none.
int rawForRegisters(int sensor, uint8_t low, uint8_t high, uint8_t deviceMode)
{
    for (int raw = 0; raw <= kMaxRawDpi; ++raw) {
        const auto bytes = encodeDpiStage(sensor, raw, raw, deviceMode);
        if (bytes[0] == low && bytes[1] == high)
            return raw;
    }
    return -1;
}

QString hexBytes(const uint8_t *data, int count)
{
    QStringList parts;
    for (int i = 0; i < count; ++i)
        parts << QString("%1").arg(data[i], 2, 16, QChar('0'));
    return parts.join(' ');
}

// Function codes whose key entry is fixed, tried in this order when decoding.
constexpr int kKnownCodes[] = {1,  2,  3,  4,  5,  13, 49, 48, 52, 53, 17, 18, 19, 20, 21, 22, 23, 24,
                               25, 26, 27, 28, 29, 62, 30, 31, 32, 33, 34, 35, 36, 37, 38, 40, 39, 41,
                               42, 43, 44, 45, 46, 47, 63, 50, 51, 59, 57, 58, 54, 61, 60, 16};

QString describeKeyEntry(const std::array<uint8_t, 4> &entry)
{
    const QString hex = hexBytes(entry.data(), 4);
    static const struct { uint8_t tag; const char *what; } kTagged[] = {
        {0x90, "single key"}, {0x8F, "key combination"}, {0x91, "macro"}, {0x9D, "gun file"},
        {0x99, "fire key"}, {0x9A, "sniper"}};
    for (int code : kKnownCodes) {
        if (functionTableEntry(code) == entry)
            return QString("function %1 (%2)").arg(code).arg(hex);
    }
    for (const auto &t : kTagged) {
        if (entry[0] == t.tag)
            return QString("%1 (%2)").arg(t.what, hex);
    }
    return hex;
}
}

QString describeMouseMemory(const VirtualMouse &mouse, int sensor)
{
    QStringList lines;
    const MouseState state = mouse.state();
    lines << QString("Active profile: %1%2").arg(state.activeProfile + 1).arg(state.writeOpen ? "  (write open)" : "");
    lines << QString("Report rate: %1 Hz   DPI stage: %2").arg(1000 / qMax(1, state.rateCode)).arg(state.dpiStage + 1);
    lines << QString("Refused commands: %1%2   Handle faults: %3")
                 .arg(mouse.refusedCommands())
                 .arg(mouse.lastRefusal().isEmpty() ? QString() : " (last: " + mouse.lastRefusal() + ")")
                 .arg(mouse.handleFaults());

    const BasicSettingsView basic = mouse.basicSettings();
    lines << QString("Lighting effect: %1   sleep: %2 min   move to light off: %3")
                 .arg(basic.effectNumber).arg(basic.ledSleepTime).arg(basic.ledMoveOff == 0 ? "on" : "off");

    const DpiTableView dpi = mouse.dpiTable();
    lines << QString("DPI stages (%1 in use, sensor %2):").arg(dpi.count).arg(sensor);
    for (int i = 0; i < int(dpi.stages.size()); ++i) {
        const DpiStageView &stage = dpi.stages[i];
        const int rawX = rawForRegisters(sensor, stage.registers[0], stage.registers[1], state.deviceMode);
        const int rawY = rawForRegisters(sensor, stage.registers[2], stage.registers[3], state.deviceMode);
        const QString x = rawX < 0 ? "?" : QString::number(sensorDpi(rawX, sensor));
        const QString y = rawY < 0 ? "?" : QString::number(sensorDpi(rawY, sensor));
        lines << QString("  %1: %2 x %3 dpi %4[%5]").arg(i + 1).arg(x, y, stage.used ? "" : "(off) ",
                                                          hexBytes(stage.registers.data(), 4));
    }

    lines << "Buttons:";
    const auto keys = mouse.keyEntries();
    for (int i = 0; i < int(keys.size()); ++i) {
        if (keys[i] == KeyEntryView{})
            continue;
        lines << QString("  %1: %2").arg(i).arg(describeKeyEntry(keys[i]));
    }

    lines << "Lighting records:";
    const auto records = mouse.lightingRecords();
    for (int i = 0; i < int(records.size()); ++i)
        lines << QString("  %1: %2").arg(i).arg(hexBytes(records[i].data(), 8));

    int macros = 0;
    for (int slot = 0; slot < MACRO_SLOT_COUNT; ++slot) {
        const QByteArray bytes = mouse.macroSlot(slot);
        if (bytes.count('\0') != bytes.size())
            ++macros;
    }
    lines << QString("Macro slots in use: %1").arg(macros);
    return lines.join('\n');
}
