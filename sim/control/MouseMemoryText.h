#pragma once
// What the virtual mouse holds, decoded into readable lines for its control window.
#include <QString>

class VirtualMouse;

// sensor: the sensor number the DPI registers are decoded for.
QString describeMouseMemory(const VirtualMouse &mouse, int sensor);
