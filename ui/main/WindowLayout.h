#pragma once
// Where the window's children sit at scale 1.0 (999 x 640); relayout multiplies.
#include <QRect>
#include <QString>

struct WidgetPlace {
    const char *objectName;
    QRect rect;
};

const WidgetPlace *windowPlaces(int &count);
// The place of a named child at scale 1.0; an empty rect when it has none.
QRect placeOf(const QString &objectName);

// Window size at scale 1.0.
constexpr int BASE_WIDTH = 999;
constexpr int BASE_HEIGHT = 640;
