#pragma once
#include "SkinCanvas.h"

namespace skin {
// Main window background (its alpha gives the window its shape), dialog
// backgrounds and the busy dialog's plate.
void drawBackgrounds(SkinOutput &out);
QImage processPlate();
} // namespace skin
