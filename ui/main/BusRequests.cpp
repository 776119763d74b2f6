// What other programs ask of the mouse through the running window: the window
// holds the mouse's handle, so their commands go out here, one at a time with
// the window's own writes, and the window shows what they stored.
#include "ui/main/MousecfgWidget.h"
#include "device/CommandProtocol.h"
#include "device/InputReports.h"
#include "device/SendCommand.h"
#include "device/WriteTransaction.h"
#include "storage/ConfigStorage.h"

int MousecfgWidget::downloadStored(int groups)
{
    MouseSettings stored;
    if (!loadSettings(stored))
        return StoredSettingsUnreadable;
    const int result = m_session->runHeld([&](const DownloadLinks &links) {
        return applyAllSettings(stored, groups, links);
    });
    // Stopped half-way, the mouse may hold anything: the next Apply sends everything.
    if (result > 0 && !writeDiffFlag(1))
        m_session->forceNextWrite();
    reloadStoredSettings();
    return result;
}

int MousecfgWidget::applyStored(int groups, bool &diffSaved)
{
    diffSaved = true;
    MouseSettings stored;
    if (!loadSettings(stored))
        return StoredSettingsUnreadable;
    const int result = m_session->runHeld([&](const DownloadLinks &links) {
        WriteTransaction write(stored, stored, false, links);
        const int sent = write.send(groups);
        diffSaved = write.diffSaved();
        return sent;
    });
    reloadStoredSettings();
    return result;
}

int MousecfgWidget::activateSlotForCaller(int slot)
{
    if (slot < 0 || slot >= PROFILE_COUNT)
        return DeviceNotFound;
    const int result = m_session->runHeld([slot](const DownloadLinks &links) {
        const CommandHandleLock owner(commandHandleMutex());
        const int chosen = setActiveProfile(slot, links.onStatus);
        const int refreshed = sendRefreshSequence(links.onStatus);
        return chosen ? chosen : refreshed;
    });
    if (result == 0)
        switchToSlot(slot, false);
    return result;
}
