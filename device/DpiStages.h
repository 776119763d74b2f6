#pragma once
// The DPI stage table: the stage count, then eight 5-byte stages.
#include "device/ReportFrame.h"
#include "storage/MouseSettings.h"
#include <cstdint>

constexpr int DPI_STAGE_BYTES = 5;

// The count the mouse is told: described when it is 1..8, else 8.
int effectiveDpiStageCount(int described);

// Count packet, all eight stages (stages beyond the count disabled), closing write.
ReportList dpiStageReports(const ProfileData &profile, int describedStageCount, int sensor,
                           uint8_t deviceMode);
