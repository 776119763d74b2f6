#pragma once
// The 128-byte key table: which function each button and wheel direction sends.
#include "device/FunctionTable.h"
#include "device/MacroNameMap.h"
#include "device/ReportFrame.h"
#include "storage/DeviceDescription.h"
#include "storage/MouseSettings.h"
#include <array>
#include <cstdint>

constexpr int KEY_TABLE_BYTES = 128;
using KeyTable = std::array<uint8_t, KEY_TABLE_BYTES>;

constexpr int KEY_TABLE_ENTRIES = 24;   // 4 bytes each at offsets 2 .. 94
constexpr int WHEEL_UP_POSITION = 22;   // slot 40
constexpr int WHEEL_DOWN_POSITION = 23; // slot 41
constexpr int WHEEL_UP_SLOT = 40;
constexpr int WHEEL_DOWN_SLOT = 41;

// Function codes whose entry carries parameters.
constexpr int FunSingleKey = 6;
constexpr int FunComboKey = 7;
constexpr int FunFireKey = 12;
constexpr int FunSniper = 55;

// What the model contributes to the table.
struct ButtonTableLayout {
    int buttonCount = 0;   // physical buttons; at most DESCRIPTION_BUTTON_COUNT are encoded
    std::array<uint8_t, DESCRIPTION_BUTTON_COUNT> matrix{}; // position -> key-matrix entry
    bool scrollRev = false; // wheel directions swapped
    int sensor = 0;         // for the sniper value
};

// Byte offset of a position's entry in the key table; -1 when the position
// or its matrix entry lies outside the 24 entries (nothing is written then).
int keyEntryOffset(int position, const ButtonTableLayout &layout);

// Modifier bits and main key of a combo-key slot (keyInfo holds HID usages).
struct ComboKey {
    uint8_t modifiers = 0;
    uint8_t mainUsage = 0;
};
ComboKey comboKeyOf(const ButtonInfo &button);

// The entry of one button. previousB1 is what the table held in byte 1 of the
// entry (a macro with an unknown repeat mode keeps it). A macro or gun file is
// given its slot from names and the slot is stored in button.res4.
KeyEntry encodeButton(ButtonInfo &button, int sensor, MacroNameMap &names, uint8_t previousB1);

// Clears names and encodes slots 0 .. buttonCount-1 and the two wheel slots of
// profile into table (other bytes keep what they held).
void encodeKeyTable(KeyTable &table, ProfileData &profile, const ButtonTableLayout &layout,
                    MacroNameMap &names);

// Offset 0 (2 bytes), four chunks of 24 from offset 2, FF FF FF FF at 98, closing write.
ReportList keyTableReports(const KeyTable &table);
