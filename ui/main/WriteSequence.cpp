// Apply: the write thread behind the busy dialog, then its outcome.
#include "ui/main/MousecfgWidget.h"
#include "device/CommandProtocol.h"
#include "device/InputReports.h"
#include "device/MouseConnection.h"
#include "device/PointerSettings.h"
#include "storage/AppPaths.h"
#include "ui/kit/KestProcessDialog.h"
#include "ui/main/KestProcessThread.h"
#include <QTimer>
#include <utility>

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
    writeAll = std::exchange(m_bForceNextWrite, false) || writeAll;
    m_connection->hold();

    KestProcessDialog dialog(this);
    KestProcessThread thread(m_working, m_applied, writeAll);
    connect(&thread, SIGNAL(DoProcessDlg()), &dialog, SLOT(slotProcessDlg()));
    // Esc must neither end the wait early (the window would block on the
    // thread without its dialog) nor hide the outcome: the dialog returns
    // until the thread has ended.
    bool ended = false;
    connect(&thread, &QThread::finished, &dialog, [&] {
        ended = true;
        dialog.accept();
    });
    thread.start(QThread::InheritPriority);
    while (!ended)
        dialog.exec();
    thread.wait();
    m_bWriteRunning = false;
    // Device changes held back during the write are taken in now.
    m_connection->release();

    if (!thread.m_bDiffSaved) {
        m_bForceNextWrite = true;
        reportSaved(false);
    }
    if (thread.m_iStatus != 0) {
        QString text;
        if (thread.m_iStatus == WriteStatusSleeping)
            text = tr("Mouse is sleeping or not connected.");
        else if (thread.m_iStatus == WriteStatusNotSaved)
            text = tr("The settings could not be saved in %1. Nothing was sent to the mouse.").arg(configDir());
        else
            text = tr("Send data failed, please try again.");
        showMessage(1, text);
    }
}

void MousecfgWidget::reportSaved(bool saved)
{
    if (saved) {
        m_bNotSavedShown = false;
        return;
    }
    if (std::exchange(m_bNotSavedShown, true))
        return;
    // Not from inside the caller (a constructor, a status slot): from the event loop.
    QTimer::singleShot(0, this, [this] { showMessage(1, tr("The settings could not be saved in %1.").arg(configDir())); });
}

void MousecfgWidget::chooseSlot(int index)
{
    switchToSlot(index, false);
    {
        // Both commands go out while the status thread waits for the handle.
        const CommandHandleLock owner(commandHandleMutex());
        setActiveProfile(index);
        sendRefreshSequence();
    }
    applyPointerSettings();
    // The mouse holds one DPI table and one key table: the new slot's go out now.
    runWrite(false);
}
