#pragma once
#include "SkinCanvas.h"

namespace skin {
// Pictures of the demo model: front view, side view and the front view with
// one button lit (1 left, 2 right, 3 wheel, 4 back, 5 forward, 6 DPI+, 7 DPI-).
void drawMousePictures(SkinOutput &out, const QString &model);
constexpr int kMouseButtonPictures = 7;
} // namespace skin
