#include "device/DpiStages.h"
#include "device/SensorEncoding.h"

int effectiveDpiStageCount(int described)
{
    return (described >= 1 && described <= DPI_STAGE_COUNT) ? described : DPI_STAGE_COUNT;
}

ReportList dpiStageReports(const ProfileData &profile, int describedStageCount, int sensor,
                           uint8_t deviceMode)
{
    const int n = effectiveDpiStageCount(describedStageCount);
    ReportList reports;
    const uint8_t count = static_cast<uint8_t>(n);
    reports.push_back(areaReport(OpDpiStages, 0, TagFirstChunk, &count, 1));
    // All eight stages go out; those beyond the count are disabled.
    for (int i = 0; i < DPI_STAGE_COUNT; ++i) {
        const DpiStage &stage = profile.dpiInfo[i];
        const auto regs = encodeDpiStage(sensor, stage.x, stage.y, deviceMode);
        const uint8_t data[DPI_STAGE_BYTES] = {static_cast<uint8_t>(i < n ? stage.used : 0), regs[0],
                                               regs[1], regs[2], regs[3]};
        reports.push_back(areaReport(OpDpiStages, static_cast<uint16_t>(1 + DPI_STAGE_BYTES * i),
                                     TagNextChunk, data, DPI_STAGE_BYTES));
    }
    reports.push_back(closingReport(OpDpiStages));
    return reports;
}
