#pragma once
// Slider range of a DPI stage per sensor model, for the product at hand.
#include "storage/SensorCapabilities.h"
#include <QString>

// The range for a sensor on the named product; nullptr for a sensor the
// table does not know (the caller keeps whatever range it had).
const SensorRange *sensorRange(int sensor, const QString &productName);

// Products whose 3327 sensor is limited to raw 92 (12400 DPI).
bool isReduced3327Product(const QString &productName);

// The raw stage value of the range whose DPI on the sensor is nearest to dpi;
// the lower one on a tie.
int nearestRaw(const SensorRange &range, int sensor, int dpi);
