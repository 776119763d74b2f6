// Apply: the write thread behind the busy dialog, then its outcome.
#include "ui/main/MousecfgWidget.h"
#include "device/CommandProtocol.h"
#include "device/PointerSettings.h"
#include "storage/AppPaths.h"
#include "ui/kit/KestProcessDialog.h"
#include "ui/main/KestProcessThread.h"

void MousecfgWidget::apply()
{
    collectPanelValues();
    runWrite(false);
}

void MousecfgWidget::runWrite(bool writeAll)
{
    if (m_bWriteRunning)
        return;
    m_bWriteRunning = true;

    KestProcessDialog dialog(this);
    KestProcessThread thread(m_working, m_applied, writeAll);
    connect(&thread, SIGNAL(DoProcessDlg()), &dialog, SLOT(slotProcessDlg()));
    thread.start(QThread::InheritPriority);
    const int shown = dialog.exec();
    thread.wait();
    m_bWriteRunning = false;

    if (shown == 1 && thread.m_iStatus != 0) {
        QString text;
        if (thread.m_iStatus == WriteStatusSleeping)
            text = tr("Mouse is sleeping or not connected.");
        else if (thread.m_iStatus == WriteStatusNotSaved)
            text = tr("The settings could not be saved in %1. Nothing was sent to the mouse.").arg(configDir());
        else
            text = tr("Send data failed, please try again.");
        showMessage(1, text);
    }

    // Device notifications held back during the write.
    const auto deferred = m_deferredDeviceChanges;
    m_deferredDeviceChanges.clear();
    for (const auto &change : deferred)
        processDeviceChange(change.first, change.second);
}

void MousecfgWidget::chooseSlot(int index)
{
    switchToSlot(index, false);
    setActiveProfile(index);
    sendRefreshSequence();
    applyPointerSettings();
}
