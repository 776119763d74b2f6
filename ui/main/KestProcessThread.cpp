#include "ui/main/KestProcessThread.h"
#include "device/WriteTransaction.h"
#include "ui/main/MousecfgWidget.h"
#include <utility>

KestProcessThread::KestProcessThread(MouseSettings &working, MouseSettings &applied, bool writeAll,
                                     DownloadLinks links, QObject *parent)
    : QThread(parent), m_bWriteAll(writeAll), m_working(working), m_applied(applied), m_links(std::move(links))
{
}

void KestProcessThread::run()
{
    WriteTransaction write(m_working, m_applied, m_bWriteAll, m_links);
    if (!write.save()) {
        // Sending settings that are not on disk would leave the files and the
        // mouse disagreeing without anyone knowing.
        m_iStatus = WriteStatusNotSaved;
    } else if (g_bDeviceSleeping) {
        m_iStatus = WriteStatusSleeping;
    } else {
        if (m_iActivateSlot >= 0) {
            // Its result only informs: the download below checks the connection anyway.
            setActiveProfile(m_iActivateSlot, m_links.onStatus);
            sendRefreshSequence(m_links.onStatus);
        }
        m_iStatus = 0;
        if (const int flags = write.differing()) {
            m_iStatus = quint8(write.send(flags));
            m_iSentFlags = m_iStatus == 0 ? flags : 0;
            m_applied = m_working;
        }
    }
    m_bDiffSaved = write.diffSaved();
    emit DoProcessDlg();
}
