#pragma once
// The HID seam table that reaches the virtual mouse instead of hidapi:
// setHidApi(&virtualHidApi()).
#include "device/HidSeam.h"

const HidApi &virtualHidApi();
