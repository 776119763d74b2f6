#pragma once
// The ranges the pages offer, shared with the command line.
#include <cstdint>

// Pointer speed and scroll speed of a profile.
constexpr int SPEED_SETTING_MIN = 1;
constexpr int SPEED_SETTING_MAX = 20;

// Lighting: brightness levels, effect speeds and minutes before the lights sleep.
constexpr int LIGHT_BRIGHTNESS_MIN = 1, LIGHT_BRIGHTNESS_MAX = 3;
constexpr int LIGHT_SPEED_MIN = 1, LIGHT_SPEED_MAX = 5;
constexpr int LIGHT_SLEEP_MIN = 1, LIGHT_SLEEP_MAX = 9;
// "LedMoveOFF": 0 turns the lights off while the mouse moves, 255 keeps them on.
constexpr uint8_t LIGHT_MOVE_OFF_ON = 0;
constexpr uint8_t LIGHT_MOVE_OFF_OFF = 255;
