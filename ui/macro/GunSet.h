#pragma once
// Gun files: recoil patterns of up to five shots stored as ordinary macros.
// Each shot releases and presses the left button again, moves the pointer and
// pauses, so the button stays held between shots.
#include "storage/MacroFiles.h"
#include <QVector>

constexpr int GUN_MAX_BULLETS = 5;
constexpr int GUN_MIN_DELAY_MS = 1;
constexpr int GUN_MAX_DELAY_MS = 999;
constexpr int GUN_DEFAULT_DELAY_MS = 100;
constexpr int GUN_MAX_OFFSET = 100;
constexpr int GUN_DELAY_STEP_MS = 10; // pauses count in 10 ms steps, whatever the device's unit

struct GunShot {
    int delayMs = GUN_DEFAULT_DELAY_MS;
    int x = 0; // right positive
    int y = 0; // down positive
};

// Per shot: release left, press left, X move (X != 0), Y move (Y != 0), pause (delay != 0).
QVector<MacroEvent> gunSetEvents(const QVector<GunShot> &shots);
// The file as the gun set stores it: default delay 10, delay type 1, no loop, loop count 1.
MacroFile gunMacroFile(const QVector<MacroEvent> &events);
