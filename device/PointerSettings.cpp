#include "device/PointerSettings.h"
#include "device/DeviceImage.h"
#include "platform/PointerSpeed.h"
#include <QDebug>

void applyPointerSettings()
{
    const MouseSettings &image = deviceImage();
    const int active = activeSlot(image);
    const int error = setPointerSpeed(image.profiles[active].mouseSpeed);
    qDebug("Error in SystemParametersInfo :%d", error);
}
