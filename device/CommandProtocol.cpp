#include "device/CommandProtocol.h"
#include "device/BasicSettings.h"
#include "device/ButtonEncoding.h"
#include "device/DeviceImage.h"
#include "device/DpiStages.h"
#include "device/LightingEncoding.h"
#include "device/MacroEncoding.h"
#include "device/SendCommand.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/MacroFiles.h"
#include <algorithm>

namespace {

constexpr uint8_t CONTROL_PREFIX = 0xF3;
constexpr uint8_t REFRESH_FLAGS[] = {0x04, 0x01, 0x02, 0x08, 0x10};
constexpr uint8_t ACTIVATE_PROFILE_FLAG = 0x01;
constexpr uint8_t BEGIN_WRITE = 0;
constexpr uint8_t END_WRITE = 1;

// The slot whose DPI stages and key table go out; an index beyond the slots reads as the first.
int activeProfileIndex()
{
    return activeSlot(deviceImage());
}

ButtonTableLayout currentButtonLayout()
{
    ButtonTableLayout layout;
    layout.buttonCount = buttonCount();
    if (const uint8_t *matrix = buttonMatrix())
        std::copy(matrix, matrix + DESCRIPTION_BUTTON_COUNT, layout.matrix.begin());
    layout.scrollRev = scrollRev() == 1;
    layout.sensor = mouseSensor();
    return layout;
}

// The reports of each group, from the device image.
ReportList basicGroup()
{
    return basicSettingsReports(deviceImage(), isSingleLightingModel(deviceListName()));
}

ReportList dpiGroup()
{
    return dpiStageReports(deviceImage().profiles[activeProfileIndex()], dpiStageCount(), mouseSensor(),
                           deviceModeByte());
}

// Also rebuilds the macro-name map, so the macros follow it.
ReportList buttonGroup()
{
    encodeKeyTable(deviceKeyTable(), deviceImage().profiles[activeProfileIndex()], currentButtonLayout(),
                   deviceMacroNames());
    return keyTableReports(deviceKeyTable());
}

ReportList lightingGroup()
{
    return lightingReports(buildLightingTable(deviceImage().profiles[0]));
}

ReportList macroGroup()
{
    // Reading the files paces nothing: the mouse sees no report meanwhile, so no pause here.
    const MacroFill fill = fillMacroArea(deviceMacroArea(), deviceImage(), deviceMacroNames(), readMacroEvents);
    return fill == MacroFill::Filled ? macroAreaReports(deviceMacroArea()) : ReportList();
}

void run(const std::function<void()> &step)
{
    if (step)
        step();
}

} // namespace

Report beginWriteReport() { return commandReport(OpWriteMode, BEGIN_WRITE); }
Report endWriteReport() { return commandReport(OpWriteMode, END_WRITE); }

ReportList refreshSequenceReports()
{
    ReportList reports;
    for (uint8_t flag : REFRESH_FLAGS)
        reports.push_back(commandReport(OpControl, CONTROL_PREFIX, flag));
    return reports;
}

int beginWrite(const StatusReportSink &onStatus) { return sendReport(beginWriteReport(), onStatus); }
int endWrite(const StatusReportSink &onStatus) { return sendReport(endWriteReport(), onStatus); }

int sendControl(uint8_t flag, const StatusReportSink &onStatus)
{
    return sendReport(commandReport(OpControl, CONTROL_PREFIX, flag), onStatus);
}

int sendRefreshSequence(const StatusReportSink &onStatus)
{
    return sendReports(refreshSequenceReports(), onStatus);
}

int setActiveProfile(int index, const StatusReportSink &onStatus)
{
    const int chosen = sendReport(commandReport(OpSetProfile, static_cast<uint8_t>(index)), onStatus);
    const int activated = sendControl(ACTIVATE_PROFILE_FLAG, onStatus);
    return chosen ? chosen : activated;
}

int writeBasicSettings() { return sendReports(basicGroup()); }

int writeDpiStages(int profile)
{
    const int p = std::clamp(profile, 0, PROFILE_COUNT - 1);
    return sendReports(dpiStageReports(deviceImage().profiles[p], dpiStageCount(), mouseSensor(),
                                       deviceModeByte()));
}

int writeButtonTable() { return sendReports(buttonGroup()); }
int writeLightingTable() { return sendReports(lightingGroup()); }
int writeMacros() { return sendReports(macroGroup()); }

int applyAllSettings(const MouseSettings &record, int flags, const DownloadLinks &links)
{
    // The status thread reads the same handle; it must have left its loop first.
    run(links.stopStatusThread);
    deviceImage() = record;

    struct Group {
        int flag;
        ReportList (*reports)();
    };
    static const Group kGroups[] = {
        {ChangeBasic, basicGroup},
        {ChangeButtons, buttonGroup},
        {ChangeDpi, dpiGroup},
        {ChangeLighting, lightingGroup},
    };
    const StatusReportSink &onStatus = links.onStatus;

    if (const int r = beginWrite(onStatus))
        return r;
    for (const Group &g : kGroups) {
        if (flags & g.flag) {
            if (const int r = sendReports(g.reports(), onStatus))
                return r;
        }
    }
    if (flags != 0) {
        if (const int r = sendRefreshSequence(onStatus))
            return r;
    }
    if (const int r = sendReports(macroGroup(), onStatus))
        return r;
    const int r = endWrite(onStatus);
    if (r == DeviceOk)
        run(links.startStatusThread);
    return r;
}
