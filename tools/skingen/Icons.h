#pragma once
#include "SkinCanvas.h"

namespace skin {
// Status icons, small arrows, the brand emblem and the program icon.
void drawIcons(SkinOutput &out);
} // namespace skin
