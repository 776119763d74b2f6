#pragma once
// The macro rows the editor builds by hand: mouse buttons in the order of the
// mouse-action panel, one-axis movements, and the texts the event table shows.
#include "storage/MacroFiles.h"
#include <QString>

constexpr int MOUSE_BUTTON_COUNT = 5;

struct MouseButtonEntry {
    const char *command; // the mouse-action panel's entry
    const char *rowName; // the event table's name of the button
    uint8_t bit;
};
// "LEFT CLICK", "MIDDLE CLICK", "RIGHT CLICK", "FORWARD", "BACKWARD".
const MouseButtonEntry &mouseButtonAt(int index);
// The panel index of a button bit; -1 for any other value.
int mouseButtonIndexOfBit(uint8_t bit);

MacroEvent mouseButtonEvent(int index, bool press);
MacroEvent keyRowEvent(int hidUsage, bool press);

enum MoveDirection { MoveUp, MoveDown, MoveLeft, MoveRight, MOVE_DIRECTION_COUNT };
// One-axis movement; the distance is kept within 1..120.
MacroEvent moveEvent(MoveDirection direction, int distance);
// The direction and distance of a movement row; an empty movement reads as
// 0 down.
void decodeMove(const MacroEvent &event, MoveDirection &direction, int &distance);
// The same row moved by another distance in its own direction.
MacroEvent withMoveDistance(const MacroEvent &event, int distance);
const char *moveDirectionText(MoveDirection direction); // "MOVE UP" ...

// Whether one macro can hold these rows: a button keeps a copy of at most
// KEY_INFO_COUNT events, and the mouse a slot of 200 encoded bytes.
bool macroHasRoom(const QVector<MacroEvent> &rows);

enum class RowKind { MouseButton, Move, Key, Delay, Other };
RowKind rowKind(const MacroEvent &event);
bool isPressRow(const MacroEvent &event);

// The translated texts of one row: KEY, ACTION and DELAY(ms) columns.
struct RowTexts {
    QString key;
    QString action;
    QString delay;
};
RowTexts rowTexts(const MacroEvent &event, int delayUnitMs);
