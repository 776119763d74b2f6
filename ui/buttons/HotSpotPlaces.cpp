#include "ui/buttons/HotSpotPlaces.h"
#include <iterator>

namespace {

struct ModelPlaces {
    const char *product;
    QPoint front[SLOT_GROUP_SIZE];
    QPoint side[SLOT_GROUP_SIZE];
    QPoint wheel[WHEEL_SLOT_COUNT];
};

// Buttons 1-7 of the demo model: left, right, wheel click, rear and front
// side buttons, DPI + and DPI -; the spots beside the wheel and the DPI
// buttons leave those small buttons in sight. The side picture faces left.
const ModelPlaces kModels[] = {
    {"TREVIK",
     {{96, 148}, {204, 148}, {122, 76}, {50, 241}, {52, 197}, {178, 128}, {178, 158}},
     {{215, 104}, {}, {96, 132}, {193, 137}, {141, 148}},
     {{178, 54}, {178, 98}}},
};

const char *const kSquareWheelModels[] = {
    "VORNAX2", "KELDRIN", "ASTERN", "BRISKEL FPS", "BRISKEL", "MOLVAN", "MOLVAN3", "TREVIK",
    "6307", "Q612-RGB", "6307-K4444", "DUSKFERN", "Q415", "Q416", "Q420-RGB", "ORIVEL",
    "Q421-PRO", "Q421-RGB", "Q421-RGB2", "ZENTHOR2", "FALCRIS2", "MONARVE",
};

// The column used for models without places of their own.
constexpr int kColumnX = 16;
constexpr int kColumnTop = 28;
constexpr int kColumnStep = 32;
} // namespace

HotSpotPlaces hotSpotPlaces(const QString &product, const QVector<bool> &visible, QSize frontSize)
{
    HotSpotPlaces places;
    for (const ModelPlaces &model : kModels) {
        if (product != QLatin1String(model.product))
            continue;
        for (int i = 0; i < SLOT_GROUP_SIZE; ++i) {
            if (!visible.value(i))
                continue;
            places.front[i] = model.front[i];
            places.side[i] = model.side[i];
        }
        std::copy(std::begin(model.wheel), std::end(model.wheel), places.wheel);
        return places;
    }
    int c = 0;
    for (int i = 0; i < SLOT_GROUP_SIZE; ++i) {
        if (visible.value(i))
            places.front[i] = QPoint(kColumnX, kColumnTop + kColumnStep * c++);
    }
    places.wheel[0] = QPoint(frontSize.width() - kColumnX, kColumnTop);
    places.wheel[1] = QPoint(frontSize.width() - kColumnX, kColumnTop + kColumnStep);
    return places;
}

bool hasSquareWheelHotSpots(const QString &product)
{
    for (const char *name : kSquareWheelModels) {
        if (product == QLatin1String(name))
            return true;
    }
    return false;
}
