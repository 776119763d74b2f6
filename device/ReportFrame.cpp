#include "device/ReportFrame.h"
#include <algorithm>

namespace {
constexpr uint8_t CLOSING_BYTE = 0x1A;
constexpr uint16_t CLOSING_OFFSET = 0x007F;
constexpr uint16_t MACRO_CLOSING_OFFSET = 0x0FFF;

Report frame(uint8_t opcode, uint8_t byte4, uint8_t byte5, uint8_t length, uint8_t tag)
{
    Report r{};
    r[0] = REPORT_ID;
    r[2] = REPORT_MAGIC;
    r[3] = opcode;
    r[4] = byte4;
    r[5] = byte5;
    r[6] = length;
    r[7] = tag;
    return r;
}
} // namespace

uint8_t reportChecksum(const uint8_t *report)
{
    unsigned sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += report[i];
    return static_cast<uint8_t>((sum & 0xFF) ^ 0x66);
}

Report withChecksum(Report report)
{
    report[1] = reportChecksum(report.data());
    return report;
}

Report areaReport(uint8_t opcode, uint16_t offset, uint8_t tag, const uint8_t *data, int length)
{
    length = std::clamp(length, 0, REPORT_DATA_MAX);
    Report r = frame(opcode, static_cast<uint8_t>(offset & 0xFF), static_cast<uint8_t>(offset >> 8),
                     static_cast<uint8_t>(length), tag);
    if (data)
        std::copy(data, data + length, r.begin() + REPORT_DATA_OFFSET);
    return r;
}

Report closingReport(uint8_t opcode)
{
    const uint16_t offset = opcode == OpMacros ? MACRO_CLOSING_OFFSET : CLOSING_OFFSET;
    return areaReport(opcode, offset, TagClosingWrite, &CLOSING_BYTE, 1);
}

Report commandReport(uint8_t opcode, uint8_t param0, uint8_t param1)
{
    return frame(opcode, param0, param1, 0, 0);
}

Report statusQueryReport()
{
    return withChecksum(commandReport(OpQueryStatus, 0));
}
