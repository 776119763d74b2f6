#pragma once
#include "SkinCanvas.h"

namespace skin {
// Text-free button faces (the widgets paint the captions), hot-spot dots,
// wheel arrows and check boxes.
void drawButtons(SkinOutput &out);
} // namespace skin
