#include "ui/main/KestProcessThread.h"
#include "device/CommandProtocol.h"
#include "storage/ConfigStorage.h"
#include "ui/main/MousecfgWidget.h"

KestProcessThread::KestProcessThread(MouseSettings &working, MouseSettings &applied, bool writeAll, QObject *parent)
    : QThread(parent), m_bWriteAll(writeAll), m_working(working), m_applied(applied)
{
}

void KestProcessThread::run()
{
    if (!saveSettings(m_working)) {
        // Sending settings that are not on disk would leave the files and the
        // mouse disagreeing without anyone knowing.
        m_iStatus = WriteStatusNotSaved;
    } else if (g_bDeviceSleeping) {
        m_iStatus = WriteStatusSleeping;
    } else {
        m_iStatus = 0;
        const int flags = groupsToSend(m_working, m_applied, m_bWriteAll);
        if (flags != 0) {
            m_iStatus = quint8(applyAllSettings(m_working, flags));
            m_applied = m_working;
            m_bDiffSaved = writeDiffFlag(m_iStatus != 0 ? 1 : 0);
        }
    }
    emit DoProcessDlg();
}
