#pragma once
// What the protocol layer last prepared for the mouse: the settings copy of
// the last download, the key table, the macro area and its name map, and the
// device mode byte of the last status reply. Process-wide; one download at a time.
#include "device/ButtonEncoding.h"
#include "device/MacroEncoding.h"
#include "device/MacroNameMap.h"
#include "storage/MouseSettings.h"
#include <cstdint>

MouseSettings &deviceImage();
KeyTable &deviceKeyTable();
MacroArea &deviceMacroArea();
MacroNameMap &deviceMacroNames();

// Byte 10 of the last status reply (written by the status thread).
uint8_t deviceModeByte();
void setDeviceModeByte(uint8_t mode);
