#include "ui/main/WindowLayout.h"
#include <iterator>

namespace {
// Header band, mouse picture on the left, tab row and page area on the right,
// profile and action rows along the bottom.
constexpr WidgetPlace kPlaces[] = {
    {"closeButton", {955, 14, 28, 28}},
    {"minButton", {921, 14, 28, 28}},
    {"languageButton", {790, 14, 120, 28}},
    {"firmwareButton", {640, 14, 140, 28}},
    {"mouseSelectButton", {490, 14, 140, 28}},
    {"versionLabel", {40, 46, 300, 20}},
    {"tabButton0", {370, 70, 140, 36}},
    {"tabButton1", {520, 70, 140, 36}},
    {"tabButton2", {670, 70, 140, 36}},
    {"tabButton3", {820, 70, 140, 36}},
    {"pageArea", {360, 116, 620, 430}},
    {"frontPicture", {30, 80, 300, 400}},
    {"sidePicture", {30, 80, 300, 400}},
    {"frontButton", {60, 486, 110, 28}},
    {"sideButton", {190, 486, 110, 28}},
    {"batteryBar", {40, 526, 150, 22}},
    {"chargingIcon", {196, 524, 26, 26}},
    {"receiverIcon", {230, 522, 40, 30}},
    {"cableIcon", {274, 522, 30, 30}},
    {"slotIndicator0", {30, 556, 58, 22}},
    {"slotIndicator1", {92, 556, 58, 22}},
    {"slotIndicator2", {154, 556, 58, 22}},
    {"slotIndicator3", {216, 556, 58, 22}},
    {"slotIndicator4", {278, 556, 58, 22}},
    {"slotButton", {30, 590, 130, 32}},
    {"nameLabel", {170, 590, 50, 32}},
    {"profileNameEdit", {222, 594, 170, 26}},
    {"savedProfileButton", {396, 592, 28, 28}},
    {"addButton", {446, 556, 60, 28}},
    {"deleteButton", {512, 556, 70, 28}},
    {"copyButton", {588, 556, 60, 28}},
    {"resetButton", {370, 556, 70, 28}},
    {"exportButton", {430, 592, 28, 28}},
    {"importButton", {462, 592, 28, 28}},
    {"resetAllButton", {660, 556, 96, 28}},
    {"loadButton", {762, 556, 70, 28}},
    {"saveButton", {838, 556, 70, 28}},
    {"okButton", {660, 592, 100, 32}},
    {"cancelButton", {768, 592, 100, 32}},
    {"applyButton", {876, 592, 100, 32}},
    {"applyNotice", {496, 590, 160, 36}},
};
}

const WidgetPlace *windowPlaces(int &count)
{
    count = int(std::size(kPlaces));
    return kPlaces;
}

QRect placeOf(const QString &objectName)
{
    for (const WidgetPlace &place : kPlaces) {
        if (objectName == QLatin1String(place.objectName))
            return place.rect;
    }
    return {};
}
