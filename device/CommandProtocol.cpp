#include "device/CommandProtocol.h"
#include "device/BasicSettings.h"
#include "device/ButtonEncoding.h"
#include "device/DeviceImage.h"
#include "device/DpiStages.h"
#include "device/LightingEncoding.h"
#include "device/MacroEncoding.h"
#include "device/SendCommand.h"
#include "platform/Sleep.h"
#include "storage/ConfigStorage.h"
#include "storage/DeviceDescription.h"
#include "storage/MacroFiles.h"
#include <algorithm>
#include <mutex>

namespace {

constexpr uint8_t CONTROL_PREFIX = 0xF3;
constexpr uint8_t REFRESH_FLAGS[] = {0x04, 0x01, 0x02, 0x08, 0x10};
constexpr uint8_t ACTIVATE_PROFILE_FLAG = 0x01;
constexpr uint8_t BEGIN_WRITE = 0;
constexpr uint8_t END_WRITE = 1;
constexpr int MACRO_FILE_PAUSE_MS = 50;

std::mutex g_controlMutex;
std::function<void()> g_stopStatusThread;
std::function<void()> g_startStatusThread;

void runControl(const std::function<void()> *which)
{
    std::function<void()> call;
    {
        std::lock_guard<std::mutex> lock(g_controlMutex);
        call = *which;
    }
    if (call)
        call();
}

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

} // namespace

void setStatusThreadControl(std::function<void()> stop, std::function<void()> start)
{
    std::lock_guard<std::mutex> lock(g_controlMutex);
    g_stopStatusThread = std::move(stop);
    g_startStatusThread = std::move(start);
}

Report beginWriteReport() { return commandReport(OpWriteMode, BEGIN_WRITE); }
Report endWriteReport() { return commandReport(OpWriteMode, END_WRITE); }

ReportList refreshSequenceReports()
{
    ReportList reports;
    for (uint8_t flag : REFRESH_FLAGS)
        reports.push_back(commandReport(OpControl, CONTROL_PREFIX, flag));
    return reports;
}

int beginWrite() { return sendReport(beginWriteReport()); }
int endWrite() { return sendReport(endWriteReport()); }

int sendControl(uint8_t flag)
{
    return sendReport(commandReport(OpControl, CONTROL_PREFIX, flag));
}

int sendRefreshSequence()
{
    return sendReports(refreshSequenceReports());
}

int setActiveProfile(int index)
{
    const int chosen = sendReport(commandReport(OpSetProfile, static_cast<uint8_t>(index)));
    const int activated = sendControl(ACTIVATE_PROFILE_FLAG);
    return chosen ? chosen : activated;
}

int writeBasicSettings()
{
    return sendReports(basicSettingsReports(deviceImage(), isSingleLightingModel(deviceListName())));
}

int writeDpiStages(int profile)
{
    const int p = std::clamp(profile, 0, PROFILE_COUNT - 1);
    return sendReports(dpiStageReports(deviceImage().profiles[p], dpiStageCount(), mouseSensor(),
                                       deviceModeByte()));
}

int writeButtonTable()
{
    encodeKeyTable(deviceKeyTable(), deviceImage().profiles[activeProfileIndex()], currentButtonLayout(),
                   deviceMacroNames());
    return sendReports(keyTableReports(deviceKeyTable()));
}

int writeLightingTable()
{
    return sendReports(lightingReports(buildLightingTable(deviceImage().profiles[0])));
}

int writeMacros()
{
    const MacroReader readAndPause = [](const QString &name) {
        QVector<MacroEvent> events = readMacroEvents(name);
        sleepMs(MACRO_FILE_PAUSE_MS);
        return events;
    };
    const MacroFill fill = fillMacroArea(deviceMacroArea(), deviceImage(), deviceMacroNames(), readAndPause);
    if (fill != MacroFill::Filled)
        return DeviceOk;
    return sendReports(macroAreaReports(deviceMacroArea()));
}

int groupsToSend(const MouseSettings &working, const MouseSettings &applied, bool writeAll)
{
    if (writeAll || readDiffFlag() == 1)
        return ChangeAll;
    return diffSettings(working, applied);
}

int applyAllSettings(const MouseSettings &record, int flags)
{
    // The status thread reads the same handle; it must have left its loop first.
    runControl(&g_stopStatusThread);
    deviceImage() = record;

    using Step = int (*)();
    struct Group {
        int flag;
        Step send;
    };
    static const Group kGroups[] = {
        {ChangeBasic, writeBasicSettings},
        {ChangeButtons, writeButtonTable},
        {ChangeDpi, [] { return writeDpiStages(activeProfileIndex()); }},
        {ChangeLighting, writeLightingTable},
    };

    if (const int r = beginWrite())
        return r;
    for (const Group &g : kGroups) {
        if (flags & g.flag) {
            if (const int r = g.send())
                return r;
        }
    }
    if (flags != 0) {
        if (const int r = sendRefreshSequence())
            return r;
    }
    if (const int r = writeMacros())
        return r;
    const int r = endWrite();
    if (r == DeviceOk)
        runControl(&g_startStatusThread);
    return r;
}
