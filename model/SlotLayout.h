#pragma once
// Where the drop-down buttons of the main slot group stand on the panel.
#include "storage/DeviceDescription.h"
#include <QRect>
#include <QVector>

constexpr int SLOT_GROUP_SIZE = 20;  // slots of groups 0 and 1
constexpr int WHEEL_SLOT_COUNT = 2;  // group 2
constexpr uint8_t HIDDEN_SLOT = 255; // a "_Matrix2" byte that hides the button

// Unscaled geometry of a visible slot and the spacing above ten slots.
constexpr int SLOT_X = 56;
constexpr int SLOT_WIDTH = 220;
constexpr int SLOT_HEIGHT = 30;
constexpr int MAX_EVENLY_SPACED_SLOTS = 9;
constexpr int DENSE_SLOT_GAP = 20; // not scaled
constexpr int DENSE_SLOT_TOP = 30; // not scaled

// Which of the 20 slots are shown: the first buttonCount (at most 16)
// description entries whose byte is not HIDDEN_SLOT; buttonCount < 0 (no
// description) shows none.
QVector<bool> visibleSlots(const uint8_t layout[DESCRIPTION_BUTTON_COUNT], int buttonCount);

// The number on each slot's badge: 1, 2, ... in visible order, 0 when hidden.
QVector<int> slotNumbers(const QVector<bool> &visible);

// One rectangle per slot, empty for a hidden slot. The visible ones are
// stacked in order: up to nine share the panel height in equal gaps, more
// stand 20 pixels apart from 30 pixels down.
QVector<QRect> slotGeometry(const QVector<bool> &visible, int panelHeight, double scale);
// The panel height the visible slots need (their last bottom plus the top margin).
int slotContentHeight(const QVector<bool> &visible, double scale);
