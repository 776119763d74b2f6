#pragma once
// Where the numbered hot-spots stand on a model's pictures, in pixels of the
// pictures as drawn (before the window scales them).
#include "model/SlotLayout.h"
#include <QPoint>
#include <QSize>
#include <QString>
#include <QVector>

struct HotSpotPlaces {
    // One point per slot of group 0; a null point has no hot-spot.
    QVector<QPoint> front = QVector<QPoint>(SLOT_GROUP_SIZE);
    QVector<QPoint> side = QVector<QPoint>(SLOT_GROUP_SIZE);
    QPoint wheel[WHEEL_SLOT_COUNT];
};

// The model's own places for its visible buttons; a model without places of
// its own gets its visible buttons in a column along the picture's left edge
// and the wheel pair at its top right, and no side hot-spots.
HotSpotPlaces hotSpotPlaces(const QString &product, const QVector<bool> &visible, QSize frontSize);

// Models whose wheel hot-spots use the square images ("btn_up4.png" ...).
bool hasSquareWheelHotSpots(const QString &product);
