#include "device/ButtonEncoding.h"
#include "device/SensorEncoding.h"
#include "storage/KeyTables.h"
#include <algorithm>

namespace {

constexpr uint8_t KEY_TABLE_HEADER[2] = {0x0A, 0x00};
constexpr int FIRST_ENTRY_OFFSET = 2;
constexpr int WHEEL_UP_OFFSET = 90;
constexpr int WHEEL_DOWN_OFFSET = 94;
constexpr int KEY_CHUNK_BYTES = 24;
constexpr uint16_t KEY_TAIL_OFFSET = 98;
constexpr uint8_t KEY_TAIL[4] = {0xFF, 0xFF, 0xFF, 0xFF};

constexpr uint8_t MACRO_ENTRY = 0x91;
constexpr uint8_t GUN_FILE_ENTRY = 0x9D;
constexpr uint8_t SINGLE_KEY_ENTRY = 0x90;
constexpr uint8_t COMBO_KEY_ENTRY = 0x8F;
constexpr uint8_t FIRE_KEY_ENTRY = 0x99;
constexpr uint8_t SNIPER_ENTRY = 0x9A;

// Repeat modes of a macro entry (res1) and the flag each sets in byte 1.
constexpr uint8_t MACRO_REPEAT_COUNT = 0;
constexpr uint8_t MACRO_REPEAT_WHILE_HELD = 1;
constexpr uint8_t MACRO_REPEAT_TOGGLE = 2;

struct ModifierBit {
    uint8_t keyCode;
    uint8_t bit;
};
// Left and right variants of Ctrl, Shift, Alt and the Windows key.
constexpr ModifierBit kModifiers[] = {
    {0x1D, 1}, {0xEE, 1}, {0x2A, 2}, {0x36, 2}, {0x38, 4}, {0xEF, 4}, {0x5B, 8}, {0x5C, 8},
};

int modifierBit(int keyCode)
{
    for (const ModifierBit &m : kModifiers) {
        if (m.keyCode == keyCode)
            return m.bit;
    }
    return 0;
}

KeyEntry macroEntry(ButtonInfo &button, MacroNameMap &names, uint8_t previousB1)
{
    const uint8_t slot = static_cast<uint8_t>(names.assign(button.macroName));
    button.res4 = slot;
    const uint8_t loopLow = static_cast<uint8_t>(button.loopNumber & 0xFF);
    const uint8_t loopHigh = static_cast<uint8_t>((button.loopNumber >> 8) & 0xFF);
    KeyEntry e{button.fun == FunGunFile ? GUN_FILE_ENTRY : MACRO_ENTRY, previousB1, loopLow, loopHigh};
    switch (button.res1) {
    case MACRO_REPEAT_COUNT:
        e[1] = slot;
        break;
    case MACRO_REPEAT_WHILE_HELD:
        e = {e[0], static_cast<uint8_t>(slot | 0x80), 0xFF, 0xFF};
        break;
    case MACRO_REPEAT_TOGGLE:
        e = {e[0], static_cast<uint8_t>(slot | 0x40), 0xFF, 0xFF};
        break;
    default:
        break;
    }
    return e;
}

KeyEntry singleKeyEntry(const ButtonInfo &button)
{
    int usage = 0;
    keyCodeToHidUsage(button.res1, usage);
    return {SINGLE_KEY_ENTRY, 0, static_cast<uint8_t>(usage), 0};
}

KeyEntry fireKeyEntry(const ButtonInfo &button)
{
    if (button.res1 == 0)
        return {FIRE_KEY_ENTRY, 0x81, 3, 0};
    return {FIRE_KEY_ENTRY, button.res1, static_cast<uint8_t>(button.loopNumber & 0xFF),
            static_cast<uint8_t>((button.keyNumber / 10) & 0xFF)};
}

KeyEntry sniperEntry(const ButtonInfo &button, int sensor)
{
    const uint8_t value = encodeSniperValue(sensor, button.res1);
    return {SNIPER_ENTRY, 1, value, value};
}

} // namespace

int keyEntryOffset(int position, const ButtonTableLayout &layout)
{
    if (position == WHEEL_UP_POSITION)
        return layout.scrollRev ? WHEEL_DOWN_OFFSET : WHEEL_UP_OFFSET;
    if (position == WHEEL_DOWN_POSITION)
        return layout.scrollRev ? WHEEL_UP_OFFSET : WHEEL_DOWN_OFFSET;
    if (position < 0 || position >= static_cast<int>(layout.matrix.size()))
        return -1;
    const int entry = layout.matrix[static_cast<size_t>(position)];
    if (entry >= KEY_TABLE_ENTRIES)
        return -1;
    return FIRST_ENTRY_OFFSET + 4 * entry;
}

ComboKey comboKeyOf(const ButtonInfo &button)
{
    int sum = 0;
    ComboKey combo;
    for (const KeyInfo &k : button.keyInfo) {
        if (k.map == 0)
            continue;
        int code = 0;
        hidUsageToKeyCode(k.map, code);
        if (const int bit = modifierBit(code))
            sum += bit;
        else
            combo.mainUsage = k.map;
    }
    // Each modifier is recorded twice, pressed and released.
    combo.modifiers = static_cast<uint8_t>(sum / 2);
    return combo;
}

KeyEntry encodeButton(ButtonInfo &button, int sensor, MacroNameMap &names, uint8_t previousB1)
{
    switch (button.fun) {
    case FunMacro:
    case FunGunFile:
        return macroEntry(button, names, previousB1);
    case FunSingleKey:
        return singleKeyEntry(button);
    case FunComboKey: {
        const ComboKey combo = comboKeyOf(button);
        return {COMBO_KEY_ENTRY, combo.modifiers, combo.mainUsage, 0};
    }
    case FunFireKey:
        return fireKeyEntry(button);
    case FunSniper:
        return sniperEntry(button, sensor);
    default:
        return functionTableEntry(button.fun);
    }
}

void encodeKeyTable(KeyTable &table, ProfileData &profile, const ButtonTableLayout &layout,
                    MacroNameMap &names)
{
    names.clear();
    auto encodeSlot = [&](int slot, int position) {
        table[0] = KEY_TABLE_HEADER[0];
        table[1] = KEY_TABLE_HEADER[1];
        const int offset = keyEntryOffset(position, layout);
        if (offset < 0)
            return;
        const KeyEntry e = encodeButton(profile.buttonInfo[slot], layout.sensor, names,
                                        table[static_cast<size_t>(offset + 1)]);
        std::copy(e.begin(), e.end(), table.begin() + offset);
    };
    // The matrix knows DESCRIPTION_BUTTON_COUNT buttons; a larger count has no positions.
    const int buttons = std::clamp(layout.buttonCount, 0, static_cast<int>(layout.matrix.size()));
    for (int slot = 0; slot < buttons; ++slot)
        encodeSlot(slot, slot);
    encodeSlot(WHEEL_UP_SLOT, WHEEL_UP_POSITION);
    encodeSlot(WHEEL_DOWN_SLOT, WHEEL_DOWN_POSITION);
}

ReportList keyTableReports(const KeyTable &table)
{
    ReportList reports;
    reports.push_back(areaReport(OpButtonTable, 0, TagFirstChunk, table.data(), 2));
    for (int offset = FIRST_ENTRY_OFFSET; offset < KEY_TAIL_OFFSET; offset += KEY_CHUNK_BYTES)
        reports.push_back(areaReport(OpButtonTable, static_cast<uint16_t>(offset), TagNextChunk,
                                     table.data() + offset, KEY_CHUNK_BYTES));
    reports.push_back(areaReport(OpButtonTable, KEY_TAIL_OFFSET, TagNextChunk, KEY_TAIL, 4));
    reports.push_back(closingReport(OpButtonTable));
    return reports;
}
