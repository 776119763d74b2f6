#pragma once
// The sniper step range of each sensor: what the slider offers and which
// stored steps a preset keeps.
#include "storage/SensorCapabilities.h"

const SniperRange &sniperRange(int sensor);
// The step a preset opens at: the stored step when accepted, else the
// default, clamped into the slider range.
int sniperPresetStep(int storedStep, int sensor);
