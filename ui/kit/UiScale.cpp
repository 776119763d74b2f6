#include "ui/kit/UiScale.h"
#include <QScreen>
#include <QSize>
#include <algorithm>
#include <QtGlobal>
#include <atomic>
#include <cmath>
#include <iterator>

namespace {

struct StepRow {
    double below; // ratio limit (exclusive) of this row
    double scale;
};

// Rows in order; the last row catches every larger ratio.
const StepRow kSteps[SCALE_STEP_COUNT] = {
    {1.1, 1.0},  {1.4, 1.25}, {1.6, 1.5},  {1.8, 1.75}, {2.1, 2.0},  {2.3, 2.25},
    {2.6, 2.5},  {2.8, 2.75}, {3.1, 3.0},  {3.3, 3.25}, {3.6, 3.5},  {3.8, 3.75},
    {4.1, 4.0},  {4.3, 4.25}, {4.6, 4.5},  {4.8, 4.75}, {INFINITY, 5.0},
};

const int kInitialWidths[] = {999, 1248, 1498, 1748};
constexpr int kWidthTolerance = 9;

std::atomic<double> g_scale{1.0};

} // namespace

ScaleStep scaleStepForRatio(double ratio)
{
    for (int i = 0; i < SCALE_STEP_COUNT; ++i) {
        if (ratio < kSteps[i].below)
            return {i, kSteps[i].scale};
    }
    // Not a number: the smallest step.
    return {0, kSteps[0].scale};
}

ScaleStep scaleStepForScreen(const QScreen *screen)
{
    if (!screen)
        return scaleStepAt(0);
    return scaleStepForRatio(screen->logicalDotsPerInch() / 96.0);
}

ScaleStep scaleStepAt(int index)
{
    const int i = qBound(0, index, SCALE_STEP_COUNT - 1);
    return {i, kSteps[i].scale};
}

int scaleStepForInitialWidth(int width)
{
    for (int i = 0; i < int(std::size(kInitialWidths)); ++i) {
        if (std::abs(width - kInitialWidths[i]) <= kWidthTolerance)
            return i;
    }
    return -1;
}

double fittingScale(double wanted, const QSize &base, const QSize &available)
{
    double scale = wanted > 0 ? wanted : 1.0;
    if (base.isEmpty() || available.isEmpty())
        return scale;
    scale = std::min({scale, double(available.width()) / base.width(), double(available.height()) / base.height()});
    // Down to a thousandth, so that the window's whole-pixel size stays inside.
    scale = std::floor(scale * 1000) / 1000;
    return std::max(scale, MIN_FIT_SCALE);
}

double uiScale()
{
    return g_scale.load();
}

void setUiScale(double scale)
{
    g_scale.store(scale > 0 ? scale : 1.0);
}

int scaled(int px)
{
    return int(std::lround(px * uiScale()));
}
