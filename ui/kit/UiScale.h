#pragma once
// UI scale: every pixel geometry, fixed size and font pixel size is multiplied
// by one factor derived from the screen's logical DPI.
class QScreen;
class QSize;

struct ScaleStep {
    int index = 0;     // 0..SCALE_STEP_COUNT-1 (the main window's m_iDpiVal)
    double scale = 1.0;
};
constexpr int SCALE_STEP_COUNT = 17;

// Ratio = logical DPI / 96.
ScaleStep scaleStepForRatio(double ratio);
ScaleStep scaleStepForScreen(const QScreen *screen); // step 0 without a screen
ScaleStep scaleStepAt(int index);                     // index clamped to the table
// The window width at its initial size for steps 0..3 (999, 1248, 1498, 1748,
// each +-9 px); -1 when the width matches none.
int scaleStepForInitialWidth(int width);

// The largest scale, at most wanted, at which a window of base size fits the
// available size (both in device-independent pixels, so a HiDPI factor is
// already taken out); never below MIN_FIT_SCALE.
double fittingScale(double wanted, const QSize &base, const QSize &available);
constexpr double MIN_FIT_SCALE = 0.25;

double uiScale();
void setUiScale(double scale);
// Rounded px x uiScale().
int scaled(int px);
