#pragma once
// What a fire key fires and how its record keeps it: res1 is 0x81, 0x82 or
// 0x84 for the left, right or middle button, or the HID usage of a keyboard
// key; "Times:" (loopNumber) and "Delay:" (keyNumber, ms) take 1..255.
#include "storage/KeyTables.h"
#include <cstdint>

enum FireTarget { FireLeft, FireRight, FireMiddle, FireKeyboard, FIRE_TARGET_COUNT };

constexpr int FIRE_NUMBER_MIN = 1;
constexpr int FIRE_NUMBER_MAX = 255;
constexpr int FIRE_DEFAULT_TIMES = 3;          // a new fire key
constexpr int FIRE_DEFAULT_DELAY = 100;
constexpr int FIRE_STORED_DEFAULT_DELAY = 10;  // a stored fire key without a delay

// The check box label of a target, source text of context "KestFireKeyWindow".
const char *fireTargetLabel(int target);
// res1 for a target: the button's value, or the key's HID usage (0 without one).
uint8_t fireTargetValue(int target, KeyCode key);
// The target a stored res1 names (0 reads as the left button); for a keyboard
// key also its code (0 when the usage has none).
int fireTargetOf(uint8_t value, KeyCode &key);
